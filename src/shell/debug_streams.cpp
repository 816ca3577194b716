#include "shell/debug_streams.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "commands/executors/local_routines.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "shell/main_window.h"
#include "sub/field_text.h"
#include "utils/dates.h"
#include "utils/message_box.h"

TDebugReceiver* debugStream = nullptr;
TDebugReceiver* secondDebugStream = nullptr;

namespace {

constexpr int32_t kDebugWindowWidth = 120;
constexpr int kCopyTextBytes = 200;

std::vector<std::unique_ptr<TDebugWindow>>& debugWindows() {
    static std::vector<std::unique_ptr<TDebugWindow>> windows;
    return windows;
}

void openWindow(TTxtMsgReceiver* stream, bool watching) {
    if (stream == nullptr) return;
    debugWindows().push_back(std::make_unique<TDebugWindow>(stream, watching));
    debugWindows().back()->show();
}

// The outcome of a log copy, as the operator reads it.
std::string copyOutcomeText(int outcome, const char* target) {
    switch (outcome) {
        case 0: {
            char text[kCopyTextBytes];
            formatMessage(text, sizeof text, 26276, target);
            return text;
        }
        case 1:
            return textById(26277);
        case 2:
            return textById(26278);
        case 3:
            return textById(26279);
        default:
            return textById(26280);
    }
}

struct DebugRoutine {
    LocalRoutine routine;
    LocalRoutineFn fn;
};
const DebugRoutine kDebugRoutines[] = {
    {LocalRoutine::openDebugViewWindow, [](const uint8_t*) { openDebugViewWindow(); }},
    {LocalRoutine::openDebugWatchWindow, [](const uint8_t*) { openDebugWatchWindow(); }},
    {LocalRoutine::confirmClearDebugLog, [](const uint8_t*) { confirmClearDebugLog(); }},
    {LocalRoutine::copyDebugLogToDiskette, [](const uint8_t*) { copyDebugLogToDiskette(); }},
    {LocalRoutine::openSecondDebugWatchWindow,
     [](const uint8_t*) { openSecondDebugWatchWindow(); }},
};

void fillDebugRoutines(bool fill) {
    for (const DebugRoutine& row : kDebugRoutines)
        setLocalRoutine(row.routine, fill ? row.fn : nullptr);
}

}  // namespace

TDebugReceiver::TDebugReceiver(uint8_t type, int16_t maxLines, const char* logName)
    : TTxtMsgReceiver(type, maxLines, logName, -1) {}

void TDebugReceiver::onMessage(uint8_t, uint16_t, uint8_t, const uint8_t* payload, int length) {
    SDateTime now;
    getCurrentDateTime(&now);
    int32_t day = 0;
    dayNumberOfDate(&day, now.date);
    char date[16];
    char time[16];
    formatDateField(date, sizeof date, day);
    formatTimeField(time, sizeof time,
                    now.time.hour * 3600 + now.time.minute * 60 + now.time.second);
    char line[kDebugLineBytes];
    std::snprintf(line, sizeof line, "%s %s %s", date, time,
                  messagePayloadText(payload, length).c_str());
    if (buffer_.append(line) >= 0) notifyViewers(vnLineAppended);
    if (buffer_.unwrittenCount() >= maxLines_) flush();
}

TDebugWindow::TDebugWindow(TTxtMsgReceiver* stream, bool watching)
    : TTxtMsgWindow(stream, mainWindow, textById(watching ? 26281 : 26282), textById(26283),
                    kDebugWindowWidth, false, watching, nullptr) {}

int createDebugReceivers() {
    secondDebugStream = new TDebugReceiver(kTypeSecondDebug, kDebugLines, "bibo.log");
    debugStream = new TDebugReceiver(kTypeDebug, kDebugLines, "debug.log");
    fillDebugRoutines(true);
    return 0;
}

void deleteDebugReceivers() {
    fillDebugRoutines(false);
    debugWindows().clear();
    delete debugStream;
    debugStream = nullptr;
    delete secondDebugStream;
    secondDebugStream = nullptr;
}

void openDebugViewWindow() {
    openWindow(debugStream, false);
}

void openDebugWatchWindow() {
    openWindow(debugStream, true);
}

void openSecondDebugWatchWindow() {
    openWindow(secondDebugStream, true);
}

void confirmClearDebugLog() {
    if (debugStream == nullptr || !confirmDeletion(textById(26273))) return;
    debugStream->clearAndDeleteLog();
}

void copyDebugLogToDiskette() {
    if (debugStream == nullptr) return;
    const int outcome = debugStream->copyLog(kDebugCopyTarget);
    showInformation(copyOutcomeText(outcome, kDebugCopyTarget).c_str());
}
