/*
  Notes:
  - The window lists only successful backups, and the selected row is
    found again through the filter when a button is pressed, so the start's
    check of Status only guards against a view that lets another row by.
  - The check of tables compares the characters 0..204 of both Ucesce
    fields; character 205 is not looked at.
  - The stop's question stands over this window, as the backup window's
    questions do, so that it takes the keyboard focus.
  - No question precedes a load. Progress is driven by the answers alone:
    each answer that reports the load still running asks for the next.
  - Answers come only from the management processor with codes 161..163;
    one shorter than the bytes its code reads is ignored.
*/
#include "monitoring/load_window.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "sub/rec_cursor.h"
#include "toolkit/dialog_box.h"
#include "toolkit/small_dialogs.h"
#include "utils/bytes.h"
#include "utils/message_box.h"

using namespace FX;

namespace {

constexpr int kTitle = 21185;
constexpr uint16_t kHelpTopic = 55;
constexpr std::size_t kAnswerSize = 81;
constexpr std::size_t kProgressSize = 100;
constexpr int kComparedTables = 205;

constexpr uint8_t kRequestStart = 33;
constexpr uint8_t kRequestStop = 34;
constexpr uint8_t kRequestProgress = 35;
constexpr uint8_t kAnswerStarted = 161;
constexpr uint8_t kAnswerStopped = 162;
constexpr uint8_t kAnswerProgress = 163;

const uint16_t kTargetOptions[] = {21199, 25649, 25650};

}  // namespace

bool isSuccessfulBackup(const uint8_t* record) {
    SBekap backup;
    return readBekap(record, kBekapRecordSize, backup) && backup.status == bstsUspesan;
}

int firstMissingTable(const STypeRow& loadType, const STypeRow& backupType) {
    for (int t = 0; t < kComparedTables; ++t)
        if (loadType.ucesce[t] != '.' && backupType.ucesce[t] == '.') return t;
    return -1;
}

int packLoadStart(uint8_t* out, std::size_t size, uint8_t target, const char* loadType,
                  const SBekap& backup) {
    const char* name = loadType != nullptr ? loadType : "";
    const std::size_t n = strnlen(name, kBackupTypeNameSize - 1);
    ByteWriter w(out, size);
    w.u8(target);
    w.bytes(name, n);
    w.zeros(kBackupTypeNameSize - n);
    w.u32le(static_cast<uint32_t>(backup.datum));
    w.u32le(static_cast<uint32_t>(backup.vreme));
    return w.ok() ? static_cast<int>(w.size()) : 0;
}

// -------------------------------------------------------------- TLoadShell

TLoadShell* loadWindow = nullptr;

FXDEFMAP(TLoadShell)
TLoadShellMap[] = {
    FXMAPFUNCS(SEL_COMMAND, TLoadShell::ID_START, TLoadShell::ID_STOP, TLoadShell::onCmdButton),
};
FXIMPLEMENT(TLoadShell, TRecShell, TLoadShellMap, ARRAYNUMBER(TLoadShellMap))

TLoadShell::TLoadShell(FXWindow* owner)
    : TRecShell(kTableBackups, isSuccessfulBackup, kTypeBackup, owner, textById(kTitle)) {
    addButton(textById(21186), ID_START, false, false);
    addButton(textById(21187), ID_STOP, false, false);
    addKeyFilter(kBackupDestination);
    for (uint8_t code : {kAnswerStarted, kAnswerStopped, kAnswerProgress}) addCodeFilter(code);
    active = 1;
    loadWindow = this;
    helpPage = kHelpTopic;
}

TLoadShell::~TLoadShell() {
    loadWindow = nullptr;
}

long TLoadShell::onCmdButton(FXObject*, FXSelector sel, void*) {
    setStatus("", kShellTitleColour);
    if (FXSELID(sel) == ID_START)
        startLoad();
    else
        stopLoad();
    return 1;
}

void TLoadShell::startLoad() {
    SBekap backup;
    if (!selectedBackup(*this, backup)) {
        setStatus(textById(21194), kShellAlertColour);
        return;
    }
    if (backup.status != bstsUspesan) {
        setStatus(textById(21195), kShellAlertColour);
        return;
    }
    TUniRec loadCursor(kTableLoadTypes);
    STypeRow loadType;
    if (pickRecordIntoCursor(textById(21196), loadCursor, nullptr) != 0 ||
        !readTypeRow(loadCursor.record, static_cast<std::size_t>(loadCursor.recordLength()),
                     loadType))
        return;
    TUniRec backupCursor(kTableBackupTypes);
    uint8_t key[kBackupTypeNameSize] = {};
    std::memcpy(key, backup.tipBekapa, sizeof key);
    STypeRow backupType;
    if (backupCursor.readKey(key) != tsOK ||
        !readTypeRow(backupCursor.record, static_cast<std::size_t>(backupCursor.recordLength()),
                     backupType)) {
        setStatus(textById(21197), kShellAlertColour);
        return;
    }
    if (const int missing = firstMissingTable(loadType, backupType); missing >= 0) {
        char text[kAnswerSize];
        formatMessage(text, sizeof text, 21198, missing);
        setStatus(text, kShellAlertColour);
        return;
    }
    const int count = static_cast<int>(std::size(kTargetOptions));
    const int target = chooseOption(textById(21200), count, kTargetOptions, 0);
    if (target < 0 || target >= count) return;
    if (target == ltRunningCp && std::strcmp(loadType.name, kLargeLoadType) == 0) {
        setStatus(textById(21201), kShellAlertColour);
        return;
    }
    uint8_t request[kLoadStartRequestSize];
    const bool sent =
        sendBackupRequest(kRequestStart, request,
                          packLoadStart(request, sizeof request, static_cast<uint8_t>(target),
                                        loadType.name, backup));
    setStatus(sentOrNotText(sent, textById(21202)), kShellAlertColour);
}

void TLoadShell::stopLoad() {
    if (confirm(textById(21203), this) == 0) return;
    const bool sent = sendBackupRequest(kRequestStop, nullptr, 0);
    setStatus(sentOrNotText(sent, textById(21204)), kShellAlertColour);
}

void TLoadShell::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload, int length) {
    ByteReader in(payload, static_cast<std::size_t>(payload != nullptr ? std::max(length, 0) : 0));
    const uint8_t result = in.u8();
    if (!in.ok()) return;
    char text[kProgressSize];
    switch (code) {
        case kAnswerStarted:
            formatMessage(text, kAnswerSize, result == 0 ? 21188 : 21189, static_cast<int>(result));
            setStatus(text, kShellAlertColour);
            if (result == 0) sendBackupRequest(kRequestProgress, nullptr, 0);
            return;
        case kAnswerStopped:
            formatMessage(text, kAnswerSize, result == 0 ? 21190 : 21191, static_cast<int>(result));
            setStatus(text, kShellAlertColour);
            return;
        case kAnswerProgress: {
            if (result == 0) {
                setStatus(textById(21192), kShellAlertColour);
                return;
            }
            in.skip(1);
            const int32_t total = in.i32le();
            const int32_t current = in.i32le();
            if (!in.ok()) return;
            formatMessage(text, sizeof text, 21193, current, total);
            setStatus(text, kShellAlertColour);
            sendBackupRequest(kRequestProgress, nullptr, 0);
            return;
        }
        default:
            return;
    }
}

void TLoadShell::onTimer(const STimerEvent*) {}

void openLoadWindow() {
    if (FXApp::instance() == nullptr) return;
    if (loadWindow == nullptr) new TLoadShell(mainDialogOwner());
    loadWindow->create();
    loadWindow->show(PLACEMENT_OWNER);
    loadWindow->raise();
}
