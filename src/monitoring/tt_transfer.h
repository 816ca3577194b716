#pragma once

#include <cstdint>
#include <memory>

#include "commands/param_records.h"
#include "link/message_bus.h"
#include "link/timer_pool.h"
#include "utils/dates.h"
#include "utils/files.h"

// Call-diagnostics transfer: the records of the management processor's three
// diagnostics files (2, then 1, then 0) for a range of days, fetched in
// windows of 50 over message type 145 and appended to "tt.bin". One transfer
// at a time; everything it reports goes to the operator messages.

constexpr uint8_t kTypeCallDiagnostics = 145;
constexpr uint8_t kTtAskRange = 2;
constexpr uint8_t kTtAskRecords = 3;
constexpr uint8_t kTtRange = 130;
constexpr uint8_t kTtRecord = 131;
constexpr uint8_t kTtEndOfFile = 132;
constexpr uint8_t kTtError = 133;
constexpr uint8_t kTtWindow = 50;
constexpr uint32_t kTtTimeoutMs = 3000;

class KTT_Prenos : public TMessageReceiver, public TTimerReceiver {
public:
    KTT_Prenos();
    ~KTT_Prenos() override;

    // 0 started, -1 not (already running, "tt.bin" cannot be made, or the link
    // did not take the range requests: kMessageNotSentText). Days
    // (0, 0) ask for every date.
    int start(int32_t firstDay, int32_t lastDay);
    // Closes "tt.bin" with what was received and reports the count; 0.
    int abort();
    bool isRunning() const { return output != nullptr; }
    void reportProgress();

    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    void onTimer(const STimerEvent* event) override;

    uint32_t transferStart = 0;
    uint32_t lastRateTick = 0;
    std::unique_ptr<TBinFileWriteBuffer> output;
    uint8_t currentFile = 0;
    int32_t nextRecord = 0;
    uint8_t windowLeft = 0;
    uint8_t retryPending = 0;
    int32_t timerId = -1;
    int32_t received = 0;
    int32_t expected = 0;
    uint8_t rangeCount = 0;
    int32_t sinceRate = 0;
    uint8_t lastPercent = 0;
    int32_t rate = 0;
    int32_t firstRecord[3] = {};
    int32_t lastRecord[3] = {};
    int32_t fileRecords = 0;

private:
    void requestRecords();
    void armRetry();
    void cancelTimeout();
    void takeRange(const uint8_t* payload, int length);
    void takeRecord(const uint8_t* payload, int length);
    void endOfFile();
    // Ends the transfer after an error answer or a failed write.
    void fail(int textId);
};

extern KTT_Prenos ttTransfer;

// 0 valid; 1 29 February of a common year; 2 a February day above 29; 3 day 31
// of a month of 30 days; 4 day 0 or above 31; 5 month not 1..12; 6 year
// outside 1900..2100.
int checkDate(const SDate& date);
// 0 when both dates are valid, else -1 after posting the first fault.
int checkTransferDates(const SDate& first, const SDate& last);

int startTtTransfer(int32_t firstDay, int32_t lastDay);
int abortTtTransfer();
int reportTtTransferStatus();
bool isTtTransferRunning();

// Commands 5273, 5274 and 5275.
int startTtTransferCommand(const SParamsOperZadavanjePrenTT& params);
int stopTtTransferCommand();
int showTtTransferStatus();
