#pragma once

#include <cstdint>

#include "link/timer_pool.h"
#include "shell/message_windows.h"
#include "link/text_streams.h"

// The seven report streams of the exchange (alarms, call generators,
// malicious-call identifications, incoming-call registrations, observed
// calls, signalling supervision, statistics), one per row of kReportStreams:
// operator-message streams of 10,000 lines flushed every 100 ms, each with a
// listing and a watching window made on first use.

constexpr int16_t kReportLines = 10000;
constexpr int32_t kReportFlushPeriod = 100;
constexpr int32_t kReportWindowWidth = 120;
// Longest window title, with its terminator.
constexpr int kReportTitleBytes = 81;

// Creates the streams in table order and installs their commands: 0, or -1
// when one cannot be made (the ones before it stay).
int createReportLogs();
// Deletes the windows, then flushes and deletes each stream in table order.
void closeReportLogs();

// Opens (making it on first use) and shows the listing (watching false) or
// watching window of a report stream: 0, or -1 for a type of no stream.
int openReportWindow(uint8_t messageType, bool watching);
// Empties a report stream and its windows and deletes its log: 0 when the
// log was deleted, -1 when it could not be (or there is no such stream).
int deleteReportLog(uint8_t messageType);

// The stream of a message type and its windows; null when missing.
TOporMsgReceiver* reportStream(uint8_t messageType);
TTxtMsgWindow* reportWindow(uint8_t messageType, bool watching);

// Below this many free bytes on the working drive, every stream is cleared.
constexpr double kDiskSpaceThreshold = 4882;
constexpr uint32_t kDiskCheckPeriod = 5000;

// Checks the free space of the working drive every 5 s and clears every
// text-message stream (rings, windows and logs) while it is below the
// threshold. A query that fails clears nothing: a full disk is not known.
class TDiskWatcher : public TTimerReceiver {
public:
    void onTimer(const STimerEvent* event) override;
};

extern TDiskWatcher* diskWatcher;

// Makes the watcher unless it exists and checks at once (arming the period):
// 0, or 1 when it could not be made.
int startDiskWatcher();
// Deletes the watcher and its timer; nothing when there is none.
void stopDiskWatcher();
