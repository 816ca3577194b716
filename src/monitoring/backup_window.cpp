/*
  Notes:
  - An action decodes the selected row at once: the view reads its cells
    through the shell's cursor, so a repaint during a question or a prompt
    moves it.
  - Answers come only from the management processor with codes 129..139;
    one shorter than the bytes its code reads is ignored.
  - The state of a running backup is asked every 300 ms and after every
    answer that reports it still running; the first answer that reports it
    finished ends both. There is one chain of timed requests: a start
    answered while the last chain's timer is armed restarts it.
  - Questions stand over this window, not over the main window: this window
    has the focus, and a window manager gives it to a box over the window
    that has it, so the box can be answered from the keyboard at once.
  - Closing the window hides it; the receiver and the timer stay, so the
    polling and the status line go on until the next command 5016 shows it.
*/
#include "monitoring/backup_window.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "link/timer_pool.h"
#include "texts/text_catalogue.h"
#include "sub/field_text.h"
#include "sub/rec_cursor.h"
#include "toolkit/dialog_box.h"
#include "toolkit/small_dialogs.h"
#include "utils/bytes.h"
#include "utils/message_box.h"

using namespace FX;

namespace {

constexpr int kTitle = 21121;
constexpr uint16_t kHelpTopic = 54;
constexpr uint32_t kPollPeriod = 300;
// Questions and texts of sent requests hold 79 characters, answers 80.
constexpr std::size_t kQuestionSize = 80;
constexpr std::size_t kAnswerSize = 81;

constexpr uint8_t kRequestStart = 1;
constexpr uint8_t kRequestStop = 2;
constexpr uint8_t kRequestState = 3;
constexpr uint8_t kRequestDescribe = 4;
constexpr uint8_t kAnswerStarted = 129;
constexpr uint8_t kAnswerState = 131;
constexpr uint8_t kFirstAnswer = 129;
constexpr uint8_t kLastAnswer = 139;

constexpr int kTextNoBackup = 21157;

struct SBackupButton {
    int caption;
    void (TBekapShell::*action)();
};
// In the order of the ids from ID_START.
const SBackupButton kButtons[] = {
    {21122, &TBekapShell::startBackup},    {21123, &TBekapShell::stopBackup},
    {21124, &TBekapShell::deleteBackup},   {21125, &TBekapShell::releaseBackup},
    {21126, &TBekapShell::markBackup},     {21127, &TBekapShell::unmarkBackup},
    {21128, &TBekapShell::describeBackup}, {21130, &TBekapShell::setAutomaticBackup},
};

// The refusal text of an operation on a backup, or 0 when it may go on.
int refuseDelete(const SBekap& b) {
    if (b.status == bstsPrazan || b.status == bstsNepoznat) return 21161;
    return b.markiran != 0 ? 21162 : 0;
}
int refuseRelease(const SBekap& b) {
    if (b.status == bstsNepoznat) return 21165;
    return b.status != bstsPrazan ? 21166 : 0;
}
int refuseMark(const SBekap& b) {
    if (b.status != bstsUspesan) return 21169;
    return b.markiran != 0 ? 21170 : 0;
}
int refuseUnmark(const SBekap& b) {
    return b.markiran == 0 ? 21173 : 0;
}

// An operation on the selected backup: the question (type, date, time) and
// the request that follows a yes. The question before erasing backups has
// "no" preselected, so a stray Enter keeps them.
struct SSelectedOperation {
    FXSelector id;
    int (*refusal)(const SBekap&);
    int question;
    uint8_t request;
    int sent;
    bool erases;
};
const SSelectedOperation kSelectedOperations[] = {
    {TBekapShell::ID_DELETE, refuseDelete, 21163, 8, 21164, true},
    {TBekapShell::ID_RELEASE, refuseRelease, 21167, 9, 21168, false},
    {TBekapShell::ID_MARK, refuseMark, 21171, 10, 21172, false},
    {TBekapShell::ID_UNMARK, refuseUnmark, 21174, 11, 21175, false},
};

// The answers' texts; failures with a number show the exchange's result.
// 133 and 134 show their text whatever they carry.
struct SBackupAnswer {
    uint8_t code;
    int success;
    int failure;
    bool readsResult;
};
const SBackupAnswer kAnswers[] = {
    {129, 21131, 21132, true}, {130, 21133, 21134, true},  {131, 21135, 21136, true},
    {132, 21137, 21138, true}, {133, 21139, 21139, false}, {134, 21140, 21140, false},
    {135, 21141, 21142, true}, {136, 21143, 21144, true},  {137, 21145, 21146, true},
    {138, 21147, 21148, true}, {139, 21149, 21150, true},
};

// The options of automatic backups; the last opens the schedule's editor.
const uint16_t kAutomaticOptions[] = {21176, 21177, 21178, 21179};
const int kAutomaticTexts[] = {21181, 21182, 21183, 21184};
const uint8_t kAutomaticRequests[] = {5, 6, 7, 0};
constexpr int kAutomaticSchedule = 3;

// Copies a text field of fixed size, ending it within the field.
void copyField(char* out, const char* field, std::size_t size) {
    std::memcpy(out, field, size);
    out[size - 1] = '\0';
}

// The catalogue text with the backup's type, date and time.
std::string aboutBackup(int textId, const SBekap& b) {
    char date[16];
    char time[16];
    formatDateField(date, sizeof date, b.datum);
    formatTimeField(time, sizeof time, b.vreme);
    char text[kQuestionSize];
    formatMessage(text, sizeof text, textId, b.tipBekapa, date, time);
    return text;
}

}  // namespace

bool readBekap(const uint8_t* record, std::size_t length, SBekap& out) {
    if (record == nullptr || length < kBekapRecordSize) return false;
    ByteReader in(record, kBekapRecordSize);
    out.datum = in.i32le();
    out.vreme = in.i32le();
    in.bytes(out.tipBekapa, sizeof out.tipBekapa);
    out.a = in.u8();
    out.markiran = in.u8();
    out.status = in.u8();
    out.dobar = in.u8();
    in.bytes(out.opis, sizeof out.opis);
    in.bytes(out.fileName, sizeof out.fileName);
    copyField(out.tipBekapa, out.tipBekapa, sizeof out.tipBekapa);
    copyField(out.opis, out.opis, sizeof out.opis);
    copyField(out.fileName, out.fileName, sizeof out.fileName);
    return in.ok();
}

bool readTypeRow(const uint8_t* record, std::size_t length, STypeRow& out) {
    if (record == nullptr || length < kTypeRecordSize) return false;
    ByteReader in(record, kTypeRecordSize);
    in.bytes(out.name, sizeof out.name);
    in.skip(kTypeOpisSize);
    in.bytes(out.ucesce, sizeof out.ucesce);
    copyField(out.name, out.name, sizeof out.name);
    return in.ok();
}

bool selectedBackup(TRecShell& shell, SBekap& out) {
    const uint8_t* record = shell.getSelectedRecord();
    if (record == nullptr) return false;
    return readBekap(record, static_cast<std::size_t>(shell.cursor()->recordLength()), out);
}

int packBackupStart(uint8_t* out, std::size_t size, const char* typeName) {
    const char* name = typeName != nullptr ? typeName : "";
    const std::size_t n = strnlen(name, kBackupTypeNameSize - 1);
    ByteWriter w(out, size);
    w.bytes(name, n);
    w.u8(0);
    return w.ok() ? static_cast<int>(w.size()) : 0;
}

int packBackupKey(uint8_t* out, std::size_t size, const SBekap& backup) {
    ByteWriter w(out, size);
    w.u32le(static_cast<uint32_t>(backup.datum));
    w.u32le(static_cast<uint32_t>(backup.vreme));
    return w.ok() ? static_cast<int>(w.size()) : 0;
}

int packBackupDescription(uint8_t* out, std::size_t size, const SBekap& backup,
                          const char* description) {
    const char* text = description != nullptr ? description : "";
    const std::size_t n = strnlen(text, kBackupDescriptionSize - 1);
    ByteWriter w(out, size);
    w.u32le(static_cast<uint32_t>(backup.datum));
    w.u32le(static_cast<uint32_t>(backup.vreme));
    w.bytes(text, n);
    w.zeros(kBackupDescriptionSize - n);
    return w.ok() ? static_cast<int>(w.size()) : 0;
}

void makeBackupDescription(const char* text, char (&out)[kBackupDescriptionSize]) {
    const std::string whole = text != nullptr ? text : "";
    const std::size_t keep = std::min(whole.size(), kBackupDescriptionSize - 1);
    std::string kept = whole.substr(whole.size() - keep);
    std::replace(kept.begin(), kept.end(), ',', ';');
    std::memcpy(out, kept.c_str(), kept.size() + 1);
}

bool sendBackupRequest(uint8_t code, const uint8_t* payload, int length) {
    return sendToLink(kTypeBackup, kBackupDestination, code, payload,
                      static_cast<uint16_t>(std::max(length, 0)));
}

// ------------------------------------------------------------- TBekapShell

TBekapShell* backupWindow = nullptr;

FXDEFMAP(TBekapShell)
TBekapShellMap[] = {
    FXMAPFUNCS(SEL_COMMAND, TBekapShell::ID_START, TBekapShell::ID_AUTOMATIC,
               TBekapShell::onCmdButton),
};
FXIMPLEMENT(TBekapShell, TRecShell, TBekapShellMap, ARRAYNUMBER(TBekapShellMap))

TBekapShell::TBekapShell(FXWindow* owner)
    : TRecShell(kTableBackups, nullptr, kTypeBackup, owner, textById(kTitle)) {
    FXSelector id = ID_START;
    for (const SBackupButton& b : kButtons) addButton(textById(b.caption), id++, false, false);
    addKeyFilter(kBackupDestination);
    for (int code = kFirstAnswer; code <= kLastAnswer; ++code)
        addCodeFilter(static_cast<uint8_t>(code));
    active = 1;
    pollingStatus = 0;
    backupWindow = this;
    helpPage = kHelpTopic;
    setStatus(" ", kShellAlertColour);
}

TBekapShell::~TBekapShell() {
    backupWindow = nullptr;
}

long TBekapShell::onCmdButton(FXObject*, FXSelector sel, void*) {
    setStatus("", kShellTitleColour);
    const FXSelector index = FXSELID(sel) - ID_START;
    if (index < std::size(kButtons)) {
        const auto action = kButtons[index].action;
        (this->*action)();
    }
    return 1;
}

void TBekapShell::startBackup() {
    TUniRec type(kTableBackupTypes);
    STypeRow row;
    if (pickRecordIntoCursor(textById(21151), type, nullptr) != 0 ||
        !readTypeRow(type.record, static_cast<std::size_t>(type.recordLength()), row)) {
        setStatus(textById(21152), kShellAlertColour);
        return;
    }
    char text[kQuestionSize];
    formatMessage(text, sizeof text, 21153, row.name);
    if (confirm(text, this) == 0) return;
    uint8_t request[kBackupTypeNameSize];
    const bool sent = sendBackupRequest(kRequestStart, request,
                                        packBackupStart(request, sizeof request, row.name));
    formatMessage(text, sizeof text, 21154, row.name);
    setStatus(sentOrNotText(sent, text), kShellAlertColour);
}

void TBekapShell::stopBackup() {
    if (confirm(textById(21155), this) == 0) return;
    const bool sent = sendBackupRequest(kRequestStop, nullptr, 0);
    setStatus(sentOrNotText(sent, textById(21156)), kShellAlertColour);
}

void TBekapShell::deleteBackup() {
    runOnSelected(ID_DELETE);
}

void TBekapShell::releaseBackup() {
    runOnSelected(ID_RELEASE);
}

void TBekapShell::markBackup() {
    runOnSelected(ID_MARK);
}

void TBekapShell::unmarkBackup() {
    runOnSelected(ID_UNMARK);
}

void TBekapShell::runOnSelected(FXSelector id) {
    const SSelectedOperation* op = nullptr;
    for (const SSelectedOperation& o : kSelectedOperations)
        if (o.id == id) op = &o;
    if (op == nullptr) return;
    SBekap backup;
    if (!selectedBackup(*this, backup)) {
        setStatus(textById(kTextNoBackup), kShellAlertColour);
        return;
    }
    if (const int refused = op->refusal(backup); refused != 0) {
        setStatus(textById(refused), kShellAlertColour);
        return;
    }
    const std::string question = aboutBackup(op->question, backup);
    const int yes =
        op->erases ? confirmDeletion(question.c_str(), this) : confirm(question.c_str(), this);
    if (yes == 0) return;
    uint8_t request[kBackupKeyRequestSize];
    const bool sent =
        sendBackupRequest(op->request, request, packBackupKey(request, sizeof request, backup));
    setStatus(sentOrNotText(sent, textById(op->sent)), kShellAlertColour);
}

void TBekapShell::describeBackup() {
    SBekap backup;
    if (!selectedBackup(*this, backup)) {
        setStatus(textById(kTextNoBackup), kShellAlertColour);
        return;
    }
    char typed[kBackupDescriptionSize];
    if (askString(aboutBackup(21158, backup).c_str(), textById(21159), typed, sizeof typed) != 0)
        return;
    makeBackupDescription(typed, backup.opis);
    uint8_t request[kBackupDescriptionRequestSize];
    const bool sent =
        sendBackupRequest(kRequestDescribe, request,
                          packBackupDescription(request, sizeof request, backup, backup.opis));
    setStatus(sentOrNotText(sent, textById(21160)), kShellAlertColour);
}

void TBekapShell::setAutomaticBackup() {
    const int count = static_cast<int>(std::size(kAutomaticOptions));
    const int choice = chooseOption(textById(21180), count, kAutomaticOptions, 0);
    if (choice < 0 || choice >= count) return;
    if (choice != kAutomaticSchedule) {
        const bool sent = sendBackupRequest(kAutomaticRequests[choice], nullptr, 0);
        setStatus(sentOrNotText(sent, textById(kAutomaticTexts[choice])), kShellAlertColour);
        return;
    }
    setStatus(textById(kAutomaticTexts[choice]), kShellAlertColour);
    // The editor removes itself when it is closed.
    auto* schedule = new TTableModifyShell(mainDialogOwner(), kTableBackupSchedule);
    schedule->create();
    schedule->show(PLACEMENT_OWNER);
}

void TBekapShell::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload, int length) {
    if (payload == nullptr) length = 0;
    const SBackupAnswer* answer = nullptr;
    for (const SBackupAnswer& a : kAnswers)
        if (a.code == code) answer = &a;
    if (answer == nullptr) return;
    if (!answer->readsResult) {
        setStatus(textById(answer->success), kShellAlertColour);
        return;
    }
    if (length < 1) return;
    if (code == kAnswerState) {
        answerState(payload, length);
        return;
    }
    const uint8_t result = payload[0];
    char text[kAnswerSize];
    formatMessage(text, sizeof text, result == 0 ? answer->success : answer->failure,
                  static_cast<int>(result));
    setStatus(text, kShellAlertColour);
    if (code != kAnswerStarted || result != 0) return;
    sendBackupRequest(kRequestState, nullptr, 0);
    pollingStatus = 1;
    // One chain of state requests: a start answered while the last chain's
    // timer is still armed restarts that chain instead of adding a second.
    killTimers(this);
    setTimer(this, kPollPeriod);
}

void TBekapShell::answerState(const uint8_t* payload, int length) {
    ByteReader in(payload, static_cast<std::size_t>(length));
    const uint8_t running = in.u8();
    if (running == 0) {
        setStatus(textById(21135), kShellAlertColour);
        pollingStatus = 0;
        return;
    }
    const int32_t records = in.i32le();
    if (!in.ok()) return;
    char text[kAnswerSize];
    formatMessage(text, sizeof text, 21136, records);
    setStatus(text, kShellAlertColour);
    sendBackupRequest(kRequestState, nullptr, 0);
    pollingStatus = 1;
}

void TBekapShell::onTimer(const STimerEvent*) {
    if (pollingStatus != 1) return;
    sendBackupRequest(kRequestState, nullptr, 0);
    setTimer(this, kPollPeriod);
}

void openBackupWindow() {
    if (FXApp::instance() == nullptr) return;
    if (backupWindow == nullptr) new TBekapShell(mainDialogOwner());
    backupWindow->create();
    backupWindow->show(PLACEMENT_OWNER);
    backupWindow->raise();
}
