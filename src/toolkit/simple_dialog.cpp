/*
  Notes:
  - Every run builds a new TDialogBox over the main window; a run whose
    accept finds a bad field shows the same window again with what the
    operator typed, until every field reads or the operator cancels.
  - Text fields send the dialog its enter command, and the accept button is
    registered, so Enter in a text field accepts; so does Enter in the text
    of a drop-down list (TComboBox), which has no target of its own.
  - A form shown again after a refused field's error box has the focus back
    in the field that had it (TDialogBox remembers it as the form hides).
  - A later run shows what the last accepted run stored: numbers printed in
    full, texts, the chosen entry of each choice and the buttons of each
    group as they were accepted.
  - Texts are CP1251 here; labels get their accelerators before conversion,
    and a typed character that CP1251 cannot hold makes the field invalid.
*/
#include "toolkit/simple_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "toolkit/accelerators.h"
#include "toolkit/combo_box.h"
#include "toolkit/dialog_box.h"
#include "toolkit/dialog_icons.h"
#include "toolkit/text_codec.h"
#include "utils/message_box.h"

namespace {

constexpr int kTextAccept = 21401;
constexpr int kTextCancel = 22019;
constexpr int kTextHelp = 25641;
constexpr int kTextNotByte = 25632;
constexpr int kTextNotNumber = 25631;
constexpr int kTextBadValue = 25634;
constexpr const char* kTextTooLong = "Text (%s) too long";
constexpr std::size_t kMessageSize = 100;  // the error texts are cut to this buffer
constexpr int kMaxVisibleChoices = 10;

// Control widths in characters of the number kinds.
int numberColumns(uint8_t kind) {
    switch (kind) {
        case okByte:
            return 4;
        case okShort:
            return 6;
        case okLong:
            return 9;
        default:
            return 11;
    }
}

// A whole number with nothing around it but leading blanks: optional sign,
// at least one digit. Magnitudes beyond 32 bits are refused.
bool scanInteger(const std::string& text, int64_t& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > 0xFFFFFFFFll) return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

void showFieldError(int textId, const std::string& label) {
    char message[kMessageSize];
    formatMessage(message, sizeof message, textId, label.c_str());
    showError(message);
}

// A double as "%f" prints it when that reads back as the same value (1.5
// shows as 1.500000); otherwise with the fewest significant digits that do,
// so that a form shown again never changes the number it holds.
std::string printedDouble(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", value);
    if (std::strtod(buffer, nullptr) == value) return buffer;
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        if (std::strtod(buffer, nullptr) == value) break;
    }
    return buffer;
}

std::string printedValue(const SOptList& field) {
    char buffer[64];
    switch (field.kind) {
        case okByte:
            std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(field.byteValue));
            break;
        case okShort:
            std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(field.shortValue));
            break;
        case okLong:
            std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(field.intValue));
            break;
        case okDouble:
            return printedDouble(field.doubleValue);
        default:
            return field.text;
    }
    return buffer;
}

// Index of the checked button of a radio group: the last item marked, or the first.
int initialRadio(const SOptList& group) {
    int checked = 0;
    for (std::size_t i = 0; i < group.items.size(); ++i)
        if (group.items[i].intValue != 0) checked = static_cast<int>(i);
    return checked;
}

void copyText(const std::string& text, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) return;
    const std::size_t n = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

}  // namespace

KSimpleDialog::KSimpleDialog(const char* title) : title_(title != nullptr ? title : "") {}

SOptList& KSimpleDialog::appendField(const char* name, const char* label, uint8_t kind) {
    fields_.emplace_back();
    SOptList& field = fields_.back();
    field.name = name != nullptr ? name : "";
    field.label = label != nullptr ? label : "";
    field.kind = kind;
    return field;
}

void KSimpleDialog::addByte(const char* name, const char* label, uint8_t initial) {
    appendField(name, label, okByte).byteValue = initial;
}

void KSimpleDialog::addShort(const char* name, const char* label, int16_t initial) {
    appendField(name, label, okShort).shortValue = initial;
}

void KSimpleDialog::addInt(const char* name, const char* label, int32_t initial) {
    appendField(name, label, okLong).intValue = initial;
}

void KSimpleDialog::addDouble(const char* name, const char* label, double initial) {
    appendField(name, label, okDouble).doubleValue = initial;
}

void KSimpleDialog::addText(const char* name, const char* label, int n, const char* initial) {
    SOptList& field = appendField(name, label, okText);
    field.width = std::max(n, 0);
    field.text = std::string(initial != nullptr ? initial : "").substr(0, field.width);
}

void KSimpleDialog::addPassword(const char* name, const char* label, unsigned n,
                                const char* initial) {
    addText(name, label, static_cast<int>(std::min(n, 0x7FFFFFFFu)), initial);
    fields_.back().kind = okPassword;
}

void KSimpleDialog::excludeChoices(const SChoiceEntry* table, int32_t count) {
    excluded_.clear();
    for (int32_t i = 0; table != nullptr && i < count; ++i) excluded_.push_back(table[i].value);
}

std::vector<SChoiceEntry> KSimpleDialog::filterChoices(const SChoiceEntry* table,
                                                       int32_t count) const {
    std::vector<SChoiceEntry> kept;
    for (int32_t i = 0; table != nullptr && i < count; ++i) {
        if (std::find(excluded_.begin(), excluded_.end(), table[i].value) == excluded_.end())
            kept.push_back(table[i]);
    }
    return kept;
}

void KSimpleDialog::addChoice(const char* name, const char* label, const SChoiceEntry* table,
                              int32_t count) {
    SOptList& field = appendField(name, label, okChoice);
    field.choices = filterChoices(table, count);
    for (const SChoiceEntry& e : field.choices)
        field.width = std::max(field.width, static_cast<int32_t>(std::strlen(textById(e.textId))));
    if (!field.choices.empty()) field.intValue = field.choices.front().value;
}

void KSimpleDialog::beginRadioGroup(const char* name, const char* label) {
    appendField(name, label, okRadioGroup);
}

void KSimpleDialog::beginCheckGroup(const char* name, const char* label) {
    appendField(name, label, okCheckGroup);
}

void KSimpleDialog::addGroupItem(const char* name, const char* label, int32_t initial) {
    if (fields_.empty()) return;
    SOptList& group = fields_.back();
    if (group.kind != okRadioGroup && group.kind != okCheckGroup) return;
    group.items.emplace_back();
    SOptList& item = group.items.back();
    item.name = name != nullptr ? name : "";
    item.label = label != nullptr ? label : "";
    item.kind = okGroupItem;
    item.intValue = initial;
}

void KSimpleDialog::buildWindow(FX::FXDialogBox* dialog, FX::FXObject* radioTarget) {
    using namespace FX;
    auto* outer =
        new FXHorizontalFrame(dialog, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    new FXFrame(outer, FRAME_NONE | LAYOUT_FILL_Y, 0, 0, 0, 0, 5, 5, 0, 0);
    auto* column =
        new FXVerticalFrame(outer, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    new FXFrame(outer, FRAME_NONE | LAYOUT_FILL_Y, 0, 0, 0, 0, 5, 5, 0, 0);

    if (fields_.empty()) {
        // A bare question: the title, answered with the buttons.
        auto* frame = new FXHorizontalFrame(column, LAYOUT_FILL_X);
        new FXLabel(frame, toUtf8Literal(title_), nullptr, LABEL_NORMAL | LAYOUT_CENTER_X);
    } else {
        auto* grid = new FXMatrix(column, 2, MATRIX_BY_COLUMNS | LAYOUT_FILL_X | LAYOUT_FILL_Y, 0,
                                  0, 0, 0, 4, 4, 4, 4, 4, 4);
        SAccelTable accel;
        clearAccelTable(accel);
        for (SOptList& field : fields_) {
            new FXLabel(grid, toUtf8(assignAccel(accel, field.label.c_str())), nullptr,
                        LABEL_NORMAL | LAYOUT_CENTER_Y);
            switch (field.kind) {
                case okByte:
                case okShort:
                case okLong:
                case okDouble:
                case okText:
                case okPassword: {
                    const bool isText = field.kind == okText || field.kind == okPassword;
                    FXuint opts = TEXTFIELD_ENTER_ONLY | FRAME_SUNKEN | FRAME_THICK;
                    if (field.kind == okPassword) opts |= TEXTFIELD_PASSWD;
                    field.textField =
                        new FXTextField(grid, isText ? field.width + 1 : numberColumns(field.kind),
                                        dialog, TDialogBox::ID_ENTER, opts);
                    field.textField->setText(toUtf8(printedValue(field)));
                    break;
                }
                case okChoice: {
                    field.comboBox = new TComboBox(grid, std::max(field.width, 1), nullptr, 0,
                                                   COMBOBOX_NORMAL | FRAME_SUNKEN | FRAME_THICK);
                    const int count = static_cast<int>(field.choices.size());
                    field.comboBox->setNumVisible(std::min(count, kMaxVisibleChoices));
                    int current = 0;
                    for (int i = 0; i < count; ++i) {
                        field.comboBox->appendItem(toUtf8(textById(field.choices[i].textId)));
                        if (field.choices[i].value == field.intValue && current == 0) current = i;
                    }
                    if (count > 0) field.comboBox->setCurrentItem(current);
                    break;
                }
                case okRadioGroup:
                case okCheckGroup: {
                    field.groupBox =
                        new FXGroupBox(grid, FXString(), GROUPBOX_NORMAL | FRAME_GROOVE, 0, 0, 0, 0,
                                       4, 4, 4, 4, 4, 4);
                    const int checked = initialRadio(field);
                    for (std::size_t i = 0; i < field.items.size(); ++i) {
                        SOptList& item = field.items[i];
                        const FXString caption = toUtf8(assignAccel(accel, item.label.c_str()));
                        if (field.kind == okRadioGroup) {
                            item.radioButton = new FXRadioButton(
                                field.groupBox, caption, radioTarget, TRadioExclusion::ID_RADIO);
                            item.radioButton->setCheck(static_cast<int>(i) == checked);
                        } else {
                            item.checkButton = new FXCheckButton(field.groupBox, caption);
                            item.checkButton->setCheck(item.intValue != 0);
                        }
                    }
                    break;
                }
            }
        }
    }

    new FXFrame(column, FRAME_NONE | LAYOUT_FILL_X | LAYOUT_FIX_HEIGHT, 0, 0, 0, 4);
    auto* bar =
        new FXHorizontalFrame(column, LAYOUT_FILL_X | LAYOUT_BOTTOM, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    auto* accept =
        new FXButton(bar, toUtf8(convertTildeAccel(textById(kTextAccept))), acceptIcon(), dialog,
                     FXDialogBox::ID_ACCEPT, BUTTON_INITIAL | kDialogButtonOpts | LAYOUT_RIGHT);
    new FXButton(bar, toUtf8(convertTildeAccel(textById(kTextCancel))), cancelIcon(), dialog,
                 FXDialogBox::ID_CANCEL, kDialogButtonOpts | LAYOUT_LEFT);
    new FXButton(bar, toUtf8(convertTildeAccel(textById(kTextHelp))), helpIcon(), dialog,
                 TDialogBox::ID_HELP, kDialogButtonOpts | LAYOUT_CENTER_X);
    static_cast<TDialogBox*>(dialog)->setAcceptButton(accept);
}

int KSimpleDialog::execute(uint16_t helpTopic) {
    FX::FXApp* app = FX::FXApp::instance();
    if (app == nullptr) return -1;
    const FX::FXuint opts = FX::DECOR_TITLE | FX::DECOR_BORDER | FX::DECOR_CLOSE;
    FX::FXWindow* owner = topDialogOwner();
    TDialogBox* dialog =
        owner != nullptr
            ? new TDialogBox(owner, title_.c_str(), opts, 0, 0, 0, 0, 10, 10, 10, 10, 4, 4)
            : new TDialogBox(app, title_.c_str(), opts, 0, 0, 0, 0, 10, 10, 10, 10, 4, 4);
    dialog->helpPage = helpTopic;
    TRadioExclusion radios;
    buildWindow(dialog, &radios);
    window_ = dialog;
    int result = -1;
    while (dialog->execute(FX::PLACEMENT_CURSOR) != 0) {
        if (readFields()) {
            result = 0;
            break;
        }
    }
    window_ = nullptr;
    forgetControls();
    delete dialog;
    return result;
}

bool KSimpleDialog::readFields() {
    bool allRead = true;
    for (SOptList& field : fields_) {
        if (!readField(field)) allRead = false;
    }
    return allRead;
}

bool KSimpleDialog::readField(SOptList& field) {
    std::string typed;
    bool encodable = true;
    if (field.textField != nullptr) encodable = fromUtf8Checked(field.textField->getText(), typed);
    if (field.comboBox != nullptr) encodable = fromUtf8Checked(field.comboBox->getText(), typed);
    int64_t number = 0;
    switch (field.kind) {
        case okByte:
            if (!encodable || !scanInteger(typed, number) || number < 0 || number > 255) {
                showFieldError(kTextNotByte, field.label);
                return false;
            }
            field.byteValue = static_cast<uint8_t>(number);
            return true;
        case okShort:
            if (!encodable || !scanInteger(typed, number) || number < -32768 || number > 32767) {
                showFieldError(kTextNotNumber, field.label);
                return false;
            }
            field.shortValue = static_cast<int16_t>(number);
            return true;
        case okLong: {
            int32_t value = 0;
            if (!encodable || !parseStrictInt32(typed.data(), typed.size(), value)) {
                showFieldError(kTextNotNumber, field.label);
                return false;
            }
            field.intValue = value;
            return true;
        }
        case okDouble: {
            double value = 0.0;
            if (!encodable || !parseStrictReal(typed.data(), typed.size(), value)) {
                showFieldError(kTextNotNumber, field.label);
                return false;
            }
            field.doubleValue = value;
            return true;
        }
        case okText:
        case okPassword:
            if (!encodable) {
                showFieldError(kTextBadValue, field.label);
                return false;
            }
            if (typed.size() > static_cast<std::size_t>(field.width)) {
                char message[kMessageSize];
                std::snprintf(message, sizeof message, kTextTooLong, typed.c_str());
                showError(message);
                return false;
            }
            field.text = typed;
            return true;
        case okChoice:
            for (const SChoiceEntry& e : field.choices) {
                if (encodable && typed == textById(e.textId)) {
                    field.intValue = e.value;
                    return true;
                }
            }
            showFieldError(kTextBadValue, field.label);
            return false;
        case okRadioGroup: {
            int chosen = -1;
            for (std::size_t i = 0; i < field.items.size(); ++i)
                if (field.items[i].radioButton != nullptr && field.items[i].radioButton->getCheck())
                    chosen = static_cast<int>(i);
            field.groupResult = static_cast<int16_t>(chosen < 0 ? 0 : chosen);
            // Only the chosen item stays marked, so a later run shows this choice.
            for (std::size_t i = 0; i < field.items.size(); ++i)
                field.items[i].intValue = static_cast<int>(i) == chosen ? 1 : 0;
            return true;
        }
        case okCheckGroup: {
            int16_t mask = 0;
            for (std::size_t i = 0; i < field.items.size(); ++i) {
                SOptList& item = field.items[i];
                const bool checked = item.checkButton != nullptr && item.checkButton->getCheck();
                if (checked && i < 16) mask = static_cast<int16_t>(mask | (1 << i));
                item.intValue = checked ? 1 : 0;
            }
            field.groupResult = mask;
            return true;
        }
        case okGroupItem:
            return true;
    }
    return true;
}

void KSimpleDialog::forgetControls() {
    for (SOptList& field : fields_) {
        field.textField = nullptr;
        field.comboBox = nullptr;
        field.groupBox = nullptr;
        for (SOptList& item : field.items) {
            item.radioButton = nullptr;
            item.checkButton = nullptr;
        }
    }
}

SOptList* KSimpleDialog::findField(const char* name) {
    if (name == nullptr) return nullptr;
    for (SOptList& field : fields_)
        if (field.name == name) return &field;
    return nullptr;
}

const SOptList* KSimpleDialog::findField(const char* name) const {
    return const_cast<KSimpleDialog*>(this)->findField(name);
}

uint8_t KSimpleDialog::getByte(const char* name) const {
    const SOptList* f = findField(name);
    return f != nullptr ? f->byteValue : 0;
}

int16_t KSimpleDialog::getShort(const char* name) const {
    const SOptList* f = findField(name);
    return f != nullptr ? f->shortValue : 0;
}

int32_t KSimpleDialog::getInt(const char* name) const {
    const SOptList* f = findField(name);
    return f != nullptr ? f->intValue : 0;
}

double KSimpleDialog::getDouble(const char* name) const {
    const SOptList* f = findField(name);
    return f != nullptr ? f->doubleValue : 0.0;
}

int32_t KSimpleDialog::getChoice(const char* name) const {
    return getInt(name);
}

char* KSimpleDialog::getText(const char* name, char* buffer, std::size_t size) const {
    const SOptList* f = findField(name);
    copyText(f != nullptr ? f->text : std::string(), buffer, size);
    return buffer;
}

char* KSimpleDialog::getPassword(const char* name, char* buffer, std::size_t size) const {
    return getText(name, buffer, size);
}

int16_t KSimpleDialog::getRadioIndex(const char* name) const {
    const SOptList* f = findField(name);
    return f != nullptr ? f->groupResult : 0;
}

int16_t KSimpleDialog::getCheckMask(const char* name) const {
    return getRadioIndex(name);
}
