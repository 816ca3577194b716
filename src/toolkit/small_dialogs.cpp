/*
  Notes:
  - The option dialog is a plain FXDialogBox; its radio buttons are made
    exclusive by TRadioExclusion, since FOX 1.6 leaves that to us.
  - The prompt of askString and promptText refuses, on accept, a text with a
    character that CP1251 cannot hold; it names the prompt's label in the
    error box. It is never narrower than its title.
  - File names from the file dialog are kept as the file system gives them.
  - Record choices copy at most the table's record length, and only into a
    buffer that holds it.
*/
#include "toolkit/small_dialogs.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "link/text_lines.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "sub/rec_cursor.h"
#include "sub/replication_control.h"
#include "sub/sub_database.h"
#include "sub/table_catalogue.h"
#include "sub/table_dictionary.h"
#include "toolkit/accelerators.h"
#include "toolkit/dialog_box.h"
#include "toolkit/dialog_icons.h"
#include "toolkit/file_chooser.h"
#include "toolkit/text_codec.h"
#include "utils/message_box.h"

namespace {

constexpr int kTextAccept = 21401;
constexpr int kTextCancel = 22019;
constexpr int kTextBadValue = 25634;
constexpr int kTextTableInconsistent = 22018;
constexpr std::size_t kInconsistentMessageSize = 150;
constexpr std::size_t kFileNameSize = 255;

char chosenFileName[kFileNameSize];
IRecordChooser* recordChooser = nullptr;
int (*consistencyTest)(int16_t) = nullptr;

// The one-line prompt; accept refuses a text CP1251 cannot hold.
class TStringPrompt : public FX::FXInputDialog {
    FXDECLARE(TStringPrompt)

public:
    // `shown` is the label as drawn (a mnemonic may be marked), `label` as
    // the error box names it.
    TStringPrompt(FX::FXWindow* owner, const char* caption, const char* label,
                  const char* shown = nullptr)
        : FX::FXInputDialog(owner, toUtf8(caption), toUtf8(shown != nullptr ? shown : label)),
          label_(label) {}
    TStringPrompt(FX::FXApp* app, const char* caption, const char* label)
        : FX::FXInputDialog(app, toUtf8(caption), toUtf8(label)), label_(label) {}

    FX::FXint getDefaultWidth() override {
        return FXMAX(FX::FXInputDialog::getDefaultWidth(), titleWidth(this));
    }

    long onCmdAccept(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
        std::string text;
        if (fromUtf8Checked(getText(), text))
            return FX::FXInputDialog::onCmdAccept(sender, sel, ptr);
        char message[100];
        formatMessage(message, sizeof message, kTextBadValue, label_.c_str());
        showError(message);
        input->setFocus();
        return 1;
    }

protected:
    TStringPrompt() {}

private:
    std::string label_;
};

FXDEFMAP(TStringPrompt)
TStringPromptMap[] = {
    FXMAPFUNC(FX::SEL_COMMAND, FX::FXDialogBox::ID_ACCEPT, TStringPrompt::onCmdAccept),
};
FXIMPLEMENT(TStringPrompt, FX::FXInputDialog, TStringPromptMap, ARRAYNUMBER(TStringPromptMap))

}  // namespace

int chooseOption(const char* title, int count, const uint16_t* textIds, int preselected) {
    using namespace FX;
    FXApp* app = FXApp::instance();
    if (app == nullptr) return -1;
    if (textIds == nullptr || count < 0) count = 0;
    FXWindow* owner = topDialogOwner();
    const char* caption = title != nullptr ? title : "";
    const FXuint decor = DECOR_TITLE | DECOR_BORDER;
    TDialogBox* dialog = owner != nullptr
                             ? new TDialogBox(owner, caption, decor, 0, 0, 0, 0, 10, 10, 10, 10)
                             : new TDialogBox(app, caption, decor, 0, 0, 0, 0, 10, 10, 10, 10);
    TRadioExclusion radios;
    auto* content = new FXVerticalFrame(dialog, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    auto* box = new FXGroupBox(content, toUtf8Literal(title != nullptr ? title : ""),
                               GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_X);
    std::vector<FXRadioButton*> buttons;
    for (int i = 0; i < count; ++i) {
        auto* button = new FXRadioButton(box, toUtf8(convertTildeAccel(textById(textIds[i]))),
                                         &radios, TRadioExclusion::ID_RADIO);
        button->setCheck(i == preselected);
        buttons.push_back(button);
    }
    auto* row = new FXHorizontalFrame(content, LAYOUT_FILL_X | PACK_UNIFORM_WIDTH);
    new FXButton(row, toUtf8(convertTildeAccel(textById(kTextCancel))), cancelIcon(), dialog,
                 FXDialogBox::ID_CANCEL, kDialogButtonOpts | LAYOUT_LEFT);
    new FXButton(row, toUtf8(convertTildeAccel(textById(kTextAccept))), acceptIcon(), dialog,
                 FXDialogBox::ID_ACCEPT, BUTTON_INITIAL | kDialogButtonOpts | LAYOUT_RIGHT);
    int result = -1;
    if (dialog->execute(PLACEMENT_CURSOR) != 0) {
        result = count;
        for (int i = 0; i < count; ++i) {
            if (buttons[static_cast<std::size_t>(i)]->getCheck()) {
                result = i;
                break;
            }
        }
    }
    delete dialog;
    return result;
}

int askString(const char* caption, const char* label, char* buffer, std::size_t size) {
    FX::FXApp* app = FX::FXApp::instance();
    if (buffer != nullptr && size > 0) buffer[0] = '\0';
    if (app == nullptr) return -1;
    FX::FXWindow* owner = topDialogOwner();
    TFocusKeeper keeper;
    TStringPrompt* prompt = owner != nullptr ? new TStringPrompt(owner, caption, label)
                                             : new TStringPrompt(app, caption, label);
    int result = -1;
    if (prompt->execute(FX::PLACEMENT_CURSOR) != 0) {
        result = 0;
        const std::string text = fromUtf8(prompt->getText());
        if (buffer != nullptr && size > 0) {
            const std::size_t keep = std::min(text.size(), size - 1);
            std::memcpy(buffer, text.data() + (text.size() - keep), keep);
            buffer[keep] = '\0';
        }
    }
    delete prompt;
    return result;
}

bool promptText(FX::FXWindow* owner, const char* caption, const char* label, std::string& text) {
    if (owner == nullptr) owner = topDialogOwner();
    if (owner == nullptr) return false;
    TFocusKeeper keeper;
    const std::string shown = convertTildeAccel(label);
    TStringPrompt prompt(owner, caption, stripTildes(label), shown.c_str());
    prompt.setText(toUtf8(text));
    if (prompt.execute(FX::PLACEMENT_CURSOR) == 0) return false;
    text = fromUtf8(prompt.getText());
    return true;
}

const char* chooseFileNameStatic(const char* patterns) {
    return chooseFileName(patterns, "", 0, chosenFileName, static_cast<int>(kFileNameSize)) == 0
               ? chosenFileName
               : nullptr;
}

void setRecordChooser(IRecordChooser* chooser) {
    recordChooser = chooser;
}

// The database's table of a number; null outside 0..204 and for numbers without one.
TTrnTabBase* databaseTable(int32_t table) {
    if (table < 0 || table > kLastTableNumber) return nullptr;
    return subDatabase.table(table);
}

std::size_t tableRecordLength(int32_t table) {
    const TTrnTabBase* tab = databaseTable(table);
    return tab != nullptr ? static_cast<std::size_t>(tab->recordLength()) : 0;
}

int pickTableRecord(const char* title, int32_t table, uint8_t* record, std::size_t size,
                    const RecordFilter& filter) {
    if (databaseTable(table) == nullptr) return kPickBadTable;
    if (recordChooser == nullptr) return kPickNoDialog;
    std::vector<uint8_t> chosen;
    const int rc = recordChooser->choose(title, static_cast<int16_t>(table), filter, chosen);
    if (rc != 0) return rc;
    const std::size_t length = tableRecordLength(table);
    if (length == 0 || chosen.size() != length || record == nullptr || size < length)
        return kPickNoRecord;
    std::memcpy(record, chosen.data(), length);
    return 0;
}

int pickRecordIntoCursor(const char* title, TTrnRecBase& cursor, const RecordFilter& filter) {
    const int rc = pickTableRecord(title, cursor.table(), cursor.record,
                                   static_cast<std::size_t>(cursor.recordLength()), filter);
    if (rc != 0) return rc;
    const std::vector<uint8_t> key(cursor.record, cursor.record + cursor.keyLength());
    return cursor.readKey(key.data()) == tsOK ? 0 : kPickNoRecord;
}

void setTableConsistencyTest(int (*isConsistent)(int16_t table)) {
    consistencyTest = isConsistent;
}

int requireConsistentTable(int16_t table) {
    const int consistent =
        consistencyTest != nullptr ? consistencyTest(table) : isTableConsistent(table);
    if (consistent != 0) return 0;
    const char* name = getTablePluralName(table);
    char message[kInconsistentMessageSize];
    formatMessage(message, sizeof message, kTextTableInconsistent, name != nullptr ? name : "");
    showError(message);
    return -1;
}
