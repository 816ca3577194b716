/*
  Notes:
  - The view reads cells through the shell's cursor, so drawing moves it.
    An operation therefore works on its own copy of the selected record:
    a repaint while its form is open cannot change which record a request
    names.
  - The shell never writes the local table: requests go to the exchange,
    and the replicated change reaches the view through notification.
  - An answer shorter than its two status bytes is ignored.
*/
#include "toolkit/rec_shell.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fox-1.6/fxkeys.h>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "sub/field_text.h"
#include "sub/sub_database.h"
#include "sub/sub_status.h"
#include "sub/table_catalogue.h"
#include "sub/table_contents.h"
#include "toolkit/file_chooser.h"
#include "toolkit/shared_fonts.h"
#include "toolkit/text_codec.h"
#include "utils/bytes.h"
#include "utils/files.h"
#include "utils/message_box.h"

using namespace FX;

namespace {

constexpr int kFormMessageSize = 1000;
constexpr int kFieldTextSize = 100;  // a field's text in a form row: 99 characters
constexpr int kRowTextSize = 256;    // a row's text as read back
constexpr int kAnswerTextSize = 81;
constexpr int16_t kStringFieldType = 8;

constexpr int kTextSyntaxError = 26304;
constexpr int kTextKeyField = 26305;
constexpr int kTextMissingFields = 26306;
constexpr int kTextAccept = 21401;
constexpr int kTextCancel = 22019;

const char* const kTextMessageArrived = "Stigla je poruka";
const char* const kTextTimerExpired = "Istekao je tajmer";
// A record longer than a request carries: nothing is sent (the record
// length in place of %d).
const char* const kTextRecordTooLong = "Запись длиннее 250 байт (%d) не может быть отправлена";

char formMessage[kFormMessageSize];

// Texts of one operation: its button, form title, the line once sent, and
// the answers.
struct SRecordOperation {
    uint8_t code;
    int success;
    int failure;
};
const SRecordOperation kOperations[] = {
    {kRecordInsert, 26312, 26316},
    {kRecordDelete, 26315, 26319},
    {kRecordModify, 26313, 26317},
    {kRecordModifyField, 26314, 26318},
};

struct SShellButton {
    int text;
    FXSelector id;
};
const SShellButton kShellButtons[] = {
    {26308, TTableModifyShell::ID_INSERT},
    {26309, TTableModifyShell::ID_MODIFY_RECORD},
    {26310, TTableModifyShell::ID_MODIFY_FIELD},
    {26311, TTableModifyShell::ID_DELETE},
};

bool hasTable(int16_t table) {
    return table >= 0 && table <= kLastTableNumber && subDatabase.table(table) != nullptr;
}

const char* fieldNameOf(int16_t table, int16_t field) {
    const char* name = nullptr;
    if (subDatabase.fieldName(table, field, &name) != tsOK || name == nullptr) return "";
    return name;
}

bool isStringField(int16_t table, int16_t field) {
    int16_t type = 0;
    return subDatabase.fieldType(table, field, &type) == tsOK && type == kStringFieldType;
}

int refuse(int result, int textId, int row, const char* name, int* badField, int field) {
    if (textId == kTextSyntaxError)
        formatMessage(formMessage, sizeof formMessage, textId, row, name);
    else
        formatMessage(formMessage, sizeof formMessage, textId);
    if (badField != nullptr && field > 0) *badField = field;
    return result;
}

std::string formTitle(int textId, int16_t table) {
    const char* plural = getTablePluralName(table);
    char title[kFormMessageSize];
    formatMessage(title, sizeof title, textId, plural != nullptr ? plural : "");
    return title;
}

}  // namespace

int packRecordChange(uint8_t* out, uint8_t code, uint8_t table, uint8_t field, const uint8_t* image,
                     int imageLength) {
    if (image != nullptr && imageLength > kRecordImageSize) return -1;
    ByteWriter w(out, kRecordChangeSize);
    w.u16le(1);
    w.u8(kRecordChangeType);
    w.u8(code);
    w.u16le(0);
    w.u16le(0);
    w.u8(table);
    w.u8(code == kRecordModifyField ? field : 0);
    w.u8(0);
    const int n = image != nullptr ? std::max(imageLength, 0) : 0;
    w.bytes(image, static_cast<size_t>(n));
    w.zeros(static_cast<size_t>(kRecordImageSize - n));
    return static_cast<int>(w.size());
}

int fillRecordForm(int16_t table, TTableModify& form, int mode, const uint8_t* record) {
    if (!hasTable(table)) return tsNePostojiTabela;
    const int16_t count = subDatabase.fieldCount(table);
    const int16_t keys = subDatabase.keyFieldCount(table);
    for (int16_t i = 1; i <= count; ++i) {
        const bool key = i <= keys;
        if (mode > 0 && !key && i != mode) continue;
        const int readOnly = mode != kFormInsert && key ? 1 : 0;
        char text[kFieldTextSize] = "";
        if (record != nullptr) subDatabase.fieldText(table, i, text, sizeof text, record);
        form.addField(fieldNameOf(table, i), record != nullptr ? text : nullptr, readOnly);
    }
    return 0;
}

int readRecordForm(int16_t table, TTableModify& form, uint8_t* record, int* badField) {
    formMessage[0] = '\0';
    const int16_t count = subDatabase.fieldCount(table);
    int converted = 0;
    for (int16_t j = 1; j <= count; ++j) {
        char text[kRowTextSize] = "";
        form.getFieldText(j - 1, text, sizeof text);
        if (text[0] == '\0' && !isStringField(table, j)) continue;
        if (subDatabase.fieldFromText(table, j, record, trimBoth(text)) != 0)
            return refuse(5, kTextSyntaxError, j, fieldNameOf(table, j), badField, j);
        ++converted;
    }
    if (converted == count) return 0;
    return refuse(6, kTextMissingFields, 0, nullptr, badField, 0);
}

int readFieldForm(int16_t table, int16_t field, TTableModify& form, uint8_t* record,
                  int* badField) {
    formMessage[0] = '\0';
    const int16_t keys = subDatabase.keyFieldCount(table);
    int converted = 0;
    for (int16_t i = 1; i <= keys; ++i) {
        char text[kRowTextSize] = "";
        form.getFieldText(i - 1, text, sizeof text);
        trimRight(text);
        if (text[0] == '\0') continue;
        if (subDatabase.fieldFromText(table, i, record, text) != 0)
            return refuse(1, kTextSyntaxError, i, fieldNameOf(table, i), badField, i);
        ++converted;
    }
    char text[kRowTextSize] = "";
    form.getFieldText(keys, text, sizeof text);
    trimRight(text);
    if (text[0] != '\0' || isStringField(table, field)) {
        if (subDatabase.fieldFromText(table, field, record, text) != 0)
            return refuse(2, kTextSyntaxError, keys + 1, fieldNameOf(table, field), badField,
                          field);
        ++converted;
    }
    if (converted > keys) return 0;
    return refuse(6, kTextMissingFields, 0, nullptr, badField, 0);
}

const char* recordFormMessage() {
    return formMessage;
}

void formatRecordAnswer(char* out, std::size_t size, uint8_t code, uint8_t result, uint8_t status) {
    const SRecordOperation* op = nullptr;
    for (const SRecordOperation& o : kOperations)
        if (o.code == code) op = &o;
    if (op == nullptr || out == nullptr || size == 0) {
        if (out != nullptr && size > 0) out[0] = '\0';
        return;
    }
    if (result != 0) {
        formatMessage(out, size, op->failure, static_cast<int>(result));
        return;
    }
    // A code without a name (above 37) shows its number.
    const char* name = subStatusName(status);
    const std::string shown = name != nullptr ? name : std::to_string(status);
    formatMessage(out, size, op->success, shown);
}

// ---------------------------------------------------------------- TRecShell

FXIMPLEMENT(TRecShell, TBaseShell, nullptr, 0)

TRecShell::TRecShell(int16_t table, RecordFilter filter, uint8_t messageType, FXWindow* owner,
                     const char* title)
    : TBaseShell(owner, title), TMessageReceiver(messageType), table_(table) {
    cursor_ = new TUniRec(table);
    tabela_ = new TFltRecTabela(contentsFrame, cursor_, std::move(filter));
    if (sharedFonts().normal != nullptr && tabela_->getTable())
        tabela_->getTable()->setFont(sharedFonts().normal);
    setStatus(title, kShellTitleColour);
    registerTable(table, 0xFFFFFFFFu, 0);
}

TRecShell::~TRecShell() {
    unregisterTable(table_);
    killTimers(this);
    delete tabela_;
    delete cursor_;
}

void TRecShell::onMessage(uint8_t, uint16_t, uint8_t, const uint8_t*, int) {
    setStatus(kTextMessageArrived, kShellTitleColour);
}

void TRecShell::onTimer(const STimerEvent*) {
    setStatus(kTextTimerExpired, kShellTitleColour);
}

void TRecShell::onTableChanged() {
    tabela_->refresh();
    recalc();
}

void TRecShell::notify(uint32_t, int32_t, uint16_t, uint8_t, int16_t, int32_t, const void*) {
    onTableChanged();
}

const uint8_t* TRecShell::getSelectedRecord() {
    return tabela_->selectRecord() < 0 ? nullptr : cursor_->record;
}

// -------------------------------------------------------- TTableModifyShell

FXDEFMAP(TTableModifyShell)
TTableModifyShellMap[] = {
    FXMAPFUNC(SEL_COMMAND, TTableModifyShell::ID_INSERT, TTableModifyShell::onCmdInsert),
    FXMAPFUNC(SEL_COMMAND, TTableModifyShell::ID_MODIFY_RECORD,
              TTableModifyShell::onCmdModifyRecord),
    FXMAPFUNC(SEL_COMMAND, TTableModifyShell::ID_MODIFY_FIELD, TTableModifyShell::onCmdModifyField),
    FXMAPFUNC(SEL_COMMAND, TTableModifyShell::ID_DELETE, TTableModifyShell::onCmdDelete),
    FXMAPFUNC(SEL_KEYPRESS, 0, TTableModifyShell::onKeyPress),
    FXMAPFUNC(SEL_CLOSE, TTableModifyShell::ID_CLOSE, TTableModifyShell::onCmdClose),
    FXMAPFUNC(SEL_CHORE, TTableModifyShell::ID_DISPOSE, TTableModifyShell::onDispose),
};
FXIMPLEMENT(TTableModifyShell, TRecShell, TTableModifyShellMap, ARRAYNUMBER(TTableModifyShellMap))

namespace {

const char* shellTitle(int16_t table, const char* title) {
    if (title != nullptr) return title;
    const char* plural = getTablePluralName(table);
    return plural != nullptr ? plural : "";
}

}  // namespace

TTableModifyShell::TTableModifyShell(FXWindow* owner, int16_t table, const char* title)
    : TRecShell(table, nullptr, kRecordChangeType, owner, shellTitle(table, title)) {
    setTarget(this);
    setSelector(ID_CLOSE);
    for (const SShellButton& b : kShellButtons) addButton(textById(b.text), b.id, false, false);
    for (const SRecordOperation& op : kOperations) addCodeFilter(op.code);
    active = 1;
}

TTableModifyShell::~TTableModifyShell() {
    getApp()->removeChore(this, ID_DISPOSE);
    delete form_;
}

void TTableModifyShell::removeLater() {
    active = 0;
    hide();
    getApp()->addChore(this, ID_DISPOSE);
}

long TTableModifyShell::onCmdInsert(FXObject*, FXSelector, void*) {
    setStatus("", kShellTitleColour);
    insertRecord();
    return 1;
}

long TTableModifyShell::onCmdModifyRecord(FXObject*, FXSelector, void*) {
    setStatus("", kShellTitleColour);
    modifyRecord();
    return 1;
}

long TTableModifyShell::onCmdModifyField(FXObject*, FXSelector, void*) {
    setStatus("", kShellTitleColour);
    modifyField();
    return 1;
}

long TTableModifyShell::onCmdDelete(FXObject*, FXSelector, void*) {
    setStatus("", kShellTitleColour);
    deleteRecord();
    return 1;
}

long TTableModifyShell::onKeyPress(FXObject* sender, FXSelector sel, void* ptr) {
    if (FXTopWindow::onKeyPress(sender, sel, ptr)) return 1;
    const auto* event = static_cast<const FXEvent*>(ptr);
    if (event == nullptr || event->code != KEY_Escape) return 0;
    removeLater();
    return 1;
}

long TTableModifyShell::onCmdClose(FXObject*, FXSelector, void*) {
    removeLater();
    return 1;
}

long TTableModifyShell::onDispose(FXObject*, FXSelector, void*) {
    delete this;
    return 1;
}

void TTableModifyShell::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload,
                                  int length) {
    if (payload == nullptr || length < 4) return;
    char text[kAnswerTextSize];
    formatRecordAnswer(text, sizeof text, code, payload[2], payload[3]);
    showResult(text, kShellAlertColour);
}

void TTableModifyShell::showResult(const char* text, FXColor colour) {
    if (form_ != nullptr)
        form_->setStatus(text, colour);
    else
        setStatus(text, colour);
}

namespace {

// The operation's copy of a record, so that the view's repaints, which move
// the shell's cursor, cannot change it.
std::vector<uint8_t> imageOf(const TTrnRecBase& cursor, const uint8_t* record) {
    const auto length = static_cast<size_t>(cursor.recordLength());
    return record != nullptr ? std::vector<uint8_t>(record, record + length)
                             : std::vector<uint8_t>(length, 0);
}

}  // namespace

template <class Read>
bool TTableModifyShell::runForm(Read read) {
    form_->create();
    form_->fitWindow();
    for (;;) {
        if (form_->execute(PLACEMENT_CURSOR) == 0) return false;
        if (read() == 0) return true;
        form_->setStatus(recordFormMessage(), kShellAlertColour);
    }
}

void TTableModifyShell::closeForm() {
    delete form_;
    form_ = nullptr;
}

bool TTableModifyShell::recordFitsRequest() {
    const int length = cursor_->recordLength();
    if (length <= kRecordImageSize) return true;
    showTooLong(length);
    return false;
}

void TTableModifyShell::showTooLong(int length) {
    char text[kAnswerTextSize];
    std::snprintf(text, sizeof text, kTextRecordTooLong, length);
    setStatus(text, kShellAlertColour);
}

void TTableModifyShell::sendRequest(uint8_t code, uint8_t field, const std::vector<uint8_t>& image,
                                    int imageLength, int sentText) {
    uint8_t request[kRecordChangeSize];
    const int length = std::min(imageLength, static_cast<int>(image.size()));
    if (packRecordChange(request, code, static_cast<uint8_t>(table_), field, image.data(), length) <
        0) {
        showTooLong(length);
        return;
    }
    const bool sent =
        sendToLink(kRecordChangeType, kRecordChangeDestination, code, request, kRecordChangeSize);
    setStatus(sentOrNotText(sent, textById(sentText)), kShellAlertColour);
}

void TTableModifyShell::insertRecord() {
    if (!recordFitsRequest()) return;
    const int16_t count = subDatabase.fieldCount(table_);
    form_ = new TTableModify(topDialogOwner(), count, formTitle(26325, table_).c_str(),
                             textById(kTextAccept), textById(kTextCancel));
    fillRecordForm(table_, *form_, kFormInsert, nullptr);
    std::vector<uint8_t> image = imageOf(*cursor_, nullptr);
    int bad = 0;
    const bool accepted =
        runForm([&] { return readRecordForm(table_, *form_, image.data(), &bad); });
    closeForm();
    if (!accepted) return;
    sendRequest(kRecordInsert, 0, image, cursor_->recordLength(), 26326);
}

void TTableModifyShell::deleteRecord() {
    const uint8_t* selected = getSelectedRecord();
    if (selected == nullptr) return;
    const std::vector<uint8_t> image = imageOf(*cursor_, selected);
    const int16_t keys = subDatabase.keyFieldCount(table_);
    form_ = new TTableModify(topDialogOwner(), keys, textById(26327), textById(kTextAccept),
                             textById(kTextCancel));
    fillRecordForm(table_, *form_, keys, image.data());
    const bool accepted = runForm([] { return 0; });
    tabela_->clearSelection();
    closeForm();
    if (!accepted) return;
    sendRequest(kRecordDelete, 0, image, cursor_->keyLength(), 26328);
}

void TTableModifyShell::modifyRecord() {
    if (!recordFitsRequest()) return;
    const uint8_t* selected = getSelectedRecord();
    if (selected == nullptr) return;
    std::vector<uint8_t> image = imageOf(*cursor_, selected);
    form_ = new TTableModify(topDialogOwner(), subDatabase.fieldCount(table_),
                             formTitle(26329, table_).c_str(), textById(kTextAccept),
                             textById(kTextCancel));
    fillRecordForm(table_, *form_, kFormModifyRecord, image.data());
    int bad = 0;
    const bool accepted =
        runForm([&] { return readRecordForm(table_, *form_, image.data(), &bad); });
    tabela_->clearSelection();
    closeForm();
    if (!accepted) return;
    sendRequest(kRecordModify, 0, image, cursor_->recordLength(), 26330);
}

void TTableModifyShell::modifyField() {
    if (!recordFitsRequest()) return;
    const uint8_t* selected = getSelectedRecord();
    if (selected == nullptr) return;
    const int16_t keys = subDatabase.keyFieldCount(table_);
    const int column = tabela_->getSelectedCol();
    if (column < keys) {
        showInformation(textById(kTextKeyField));
        return;
    }
    const auto field = static_cast<int16_t>(column + 1);
    std::vector<uint8_t> image = imageOf(*cursor_, selected);
    form_ = new TTableModify(topDialogOwner(), keys + 1, formTitle(26331, table_).c_str(),
                             textById(kTextAccept), textById(kTextCancel));
    fillRecordForm(table_, *form_, field, image.data());
    int bad = 0;
    const bool accepted =
        runForm([&] { return readFieldForm(table_, field, *form_, image.data(), &bad); });
    tabela_->clearSelection();
    closeForm();
    if (!accepted) return;
    sendRequest(kRecordModifyField, static_cast<uint8_t>(field), image, cursor_->recordLength(),
                26332);
}

// ---------------------------------------------------------------------------

int saveTablesToScript() {
    constexpr int kNameSize = 256;
    char name[kNameSize] = "";
    if (chooseFileName("*.*\n*.dat", "*.dat", 1, name, kNameSize) != 0 || name[0] == '\0') return 0;
    if (fileExists(name)) {
        char question[kNameSize + 100];
        formatMessage(question, sizeof question, 21228, name);
        if (confirmDeletion(question) == 0) return 0;
    }
    if (exportTableContents(&subDatabase, name, ',') == 0)
        showInformation(textById(21232));
    else
        showError(textById(21230));
    return 1;
}
