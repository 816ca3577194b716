#pragma once

#include <cstdint>

#include "shell/message_windows.h"
#include "link/text_streams.h"

// A stream of diagnostic texts from the link: every message of its type, from
// anywhere and with any code, becomes a line stamped with its arrival date
// and time. Without a flush period, the log is written when maxLines lines
// wait or when the stream is flushed for a reload, a copy or its end.
class TDebugReceiver : public TTxtMsgReceiver {
public:
    TDebugReceiver(uint8_t type, int16_t maxLines, const char* logName);
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
};

// A dialog over a debug stream: watching follows new lines, viewing stays
// where the operator put it.
class TDebugWindow : public TTxtMsgWindow {
public:
    TDebugWindow(TTxtMsgReceiver* stream, bool watching);
};

constexpr uint8_t kTypeDebug = 13;
constexpr uint8_t kTypeSecondDebug = 219;
constexpr int16_t kDebugLines = 10000;
// Longest stamped line, with its terminator.
constexpr int kDebugLineBytes = 300;
// Where the copy command puts the debug log.
constexpr const char* kDebugCopyTarget = "A:\\DEBUG.LOG";

extern TDebugReceiver* debugStream;        // type 13, "debug.log"
extern TDebugReceiver* secondDebugStream;  // type 219, "bibo.log"

// Creates both streams and fills the routine slots of their commands: 1 when
// the debug stream cannot be made (the second one may be missing).
int createDebugReceivers();
// Deletes the windows of the streams, then the streams (which write their
// waiting lines to their logs), and empties the routine slots.
void deleteDebugReceivers();

// The operator commands of the debug streams. Each view or watch command
// opens one more window, shown at once; the windows live until the streams go.
void openDebugViewWindow();         // 5148
void openDebugWatchWindow();        // 5149
void confirmClearDebugLog();        // 5150
void copyDebugLogToDiskette();      // 5151
void openSecondDebugWatchWindow();  // 5175
