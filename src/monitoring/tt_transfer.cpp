#include "monitoring/tt_transfer.h"

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "monitoring/tt_report.h"
#include "sub/field_text.h"
#include "utils/bytes.h"

KTT_Prenos ttTransfer;

namespace {

constexpr int32_t kWriteBuffer = 16384;
constexpr int kRecordAnswerSize = 4 + kTTRecordSize;
constexpr int kRangeAnswerSize = 12;

void postOperatorLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

template <typename... Args>
void postMessage(int textId, const Args&... args) {
    char line[400];
    formatMessage(line, sizeof line, textId, args...);
    postOperatorLine(line);
}

bool sendRequest(uint8_t code, const uint8_t* payload, uint16_t length) {
    return sendToLink(kTypeCallDiagnostics, kExchangeAddress, code, payload, length);
}

uint32_t now() {
    return static_cast<uint32_t>(programClock());
}

std::string dayText(int32_t day) {
    char text[32];
    formatDateField(text, sizeof text, day);
    return text;
}

// Texts of checkDate results 1..6 for the first and for the last date.
constexpr int kFirstDateTexts[] = {0, 23276, 23277, 23268, 23269, 23270, 23271};
constexpr int kLastDateTexts[] = {0, 23276, 23277, 23272, 23273, 23274, 23275};

}  // namespace

KTT_Prenos::KTT_Prenos() : TMessageReceiver(kTypeCallDiagnostics) {
    active = 1;
}

KTT_Prenos::~KTT_Prenos() {
    output.reset();
    killTimers(this);
}

int KTT_Prenos::start(int32_t firstDay, int32_t lastDay) {
    if (output) return -1;
    if (fileExists(kTTFileName) && deleteFile(kTTFileName) != 0) {
        postMessage(23282, kTTFileName);
        return -1;
    }
    auto writer = std::make_unique<TBinFileWriteBuffer>(kTTFileName, kWriteBuffer);
    if (writer->isBad()) {
        postOperatorLine(textById(23283));
        return -1;
    }
    output = std::move(writer);
    lastPercent = 0;
    received = 0;
    expected = 0;
    rangeCount = 0;
    retryPending = 0;
    if (firstDay == 0 && lastDay == 0) {
        postOperatorLine(textById(23306));
        SDate today;
        getCurrentDate(&today);
        dayNumberOfDate(&lastDay, today);
        lastDay += 1;
    }
    if (firstDay > 0) postMessage(23307, dayText(firstDay));
    if (lastDay > 0) postMessage(23308, dayText(lastDay));
    for (int32_t file = 0; file < 3; ++file) {
        uint8_t body[12];
        ByteWriter out(body, sizeof body);
        out.u32le(static_cast<uint32_t>(file));
        out.u32le(static_cast<uint32_t>(firstDay));
        out.u32le(static_cast<uint32_t>(lastDay));
        // Without the ranges nothing would ever come: the transfer ends
        // before it is said to begin.
        if (!sendRequest(kTtAskRange, body, sizeof body)) {
            output.reset();
            postOperatorLine(kMessageNotSentText);
            return -1;
        }
    }
    postOperatorLine(textById(23255));
    return 0;
}

int KTT_Prenos::abort() {
    output.reset();  // what is buffered is written and the file closed
    cancelTimeout();
    retryPending = 0;
    const int32_t size = fileSize(kTTFileName);
    const uint32_t count = size > 0 ? static_cast<uint32_t>(size) / kTTRecordSize : 0;
    const uint32_t percent = expected != 0 ? count * 100u / static_cast<uint32_t>(expected) : 0;
    postMessage(23285, count, "%", percent);
    return 0;
}

void KTT_Prenos::reportProgress() {
    if (!output) {
        postOperatorLine(textById(23289));
        return;
    }
    const uint32_t elapsed = (now() - transferStart) / 1000;
    const uint32_t remaining =
        rate != 0 ? static_cast<uint32_t>(expected - received) / static_cast<uint32_t>(rate) : 0;
    postMessage(23256, lastPercent, "%", elapsed, remaining);
}

void KTT_Prenos::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload, int length) {
    if (!output || retryPending) return;
    switch (code) {
        case kTtRange:
            takeRange(payload, length);
            return;
        case kTtRecord:
            takeRecord(payload, length);
            return;
        case kTtEndOfFile:
            endOfFile();
            return;
        case kTtError:
            fail(23281);
            return;
        default:
            return;  // our own requests, and codes nobody defined
    }
}

void KTT_Prenos::takeRange(const uint8_t* payload, int length) {
    if (rangeCount >= 3 || length < kRangeAnswerSize) return;  // no place, or cut short
    ByteReader in(payload, static_cast<size_t>(length));
    const int32_t count = in.i32le();
    firstRecord[rangeCount] = in.i32le();
    lastRecord[rangeCount] = in.i32le();
    expected += count;
    if (++rangeCount < 3) return;
    currentFile = 2;
    nextRecord = firstRecord[2];
    retryPending = 0;
    requestRecords();
    transferStart = now();
    lastRateTick = transferStart;
    sinceRate = 0;
    fileRecords = 0;
}

void KTT_Prenos::takeRecord(const uint8_t* payload, int length) {
    if (length < kRecordAnswerSize) return;  // a record cut short is never stored
    ByteReader in(payload, static_cast<size_t>(length));
    const int32_t number = in.i32le();
    if (number != nextRecord) {
        postMessage(23280, number);
        armRetry();
        return;
    }
    if (output->write(payload + 4, kTTRecordSize) != 0) {
        fail(23251);
        return;
    }
    ++received;
    ++nextRecord;
    ++sinceRate;
    ++fileRecords;
    const uint32_t percent =
        expected != 0 ? static_cast<uint32_t>(received) * 100u / static_cast<uint32_t>(expected)
                      : 0;
    const uint8_t percentByte = static_cast<uint8_t>(percent);
    if (percentByte > lastPercent) {
        const float elapsed = static_cast<float>(now() - lastRateTick) * 0.001f;
        rate = elapsed > 0.0f ? static_cast<int32_t>(static_cast<float>(sinceRate) / elapsed) : 0;
        lastPercent = percentByte;
        reportProgress();
        lastRateTick = now();
        sinceRate = 0;
    }
    if (--windowLeft == 0) requestRecords();
}

void KTT_Prenos::endOfFile() {
    if (fileRecords > 0) postMessage(23284, currentFile, fileRecords);
    fileRecords = 0;
    cancelTimeout();
    if (currentFile > 0) {
        --currentFile;
        nextRecord = firstRecord[currentFile];
        requestRecords();
        return;
    }
    const bool flushed = output->flush() == 0;
    output.reset();
    if (!flushed) {
        postOperatorLine(textById(23251));
        received = 0;
        return;
    }
    postMessage(23257, received, (now() - transferStart) / 1000);
    received = 0;
}

void KTT_Prenos::fail(int textId) {
    postOperatorLine(textById(textId));
    cancelTimeout();
    output.reset();
    retryPending = 0;
}

void KTT_Prenos::requestRecords() {
    windowLeft = kTtWindow;
    uint8_t body[14];
    ByteWriter out(body, sizeof body);
    out.u8(currentFile);
    out.u32le(static_cast<uint32_t>(nextRecord));
    out.u8(kTtWindow);
    out.u32le(static_cast<uint32_t>(firstRecord[currentFile]));
    out.u32le(static_cast<uint32_t>(lastRecord[currentFile]));
    sendRequest(kTtAskRecords, body, sizeof body);
    cancelTimeout();
    timerId = setTimer(this, kTtTimeoutMs);
}

void KTT_Prenos::armRetry() {
    retryPending = 1;
    cancelTimeout();
    timerId = setTimer(this, kTtTimeoutMs);
}

void KTT_Prenos::cancelTimeout() {
    if (timerId != -1) killTimer(this, timerId);
    timerId = -1;
}

void KTT_Prenos::onTimer(const STimerEvent* event) {
    if (event->timerId != timerId || !output) return;
    timerId = -1;
    if (!retryPending) {
        armRetry();
        return;
    }
    retryPending = 0;
    requestRecords();
}

int checkDate(const SDate& date) {
    if (date.month == 0 || date.month > 12) return 5;
    if (date.day == 0) return 4;
    switch (date.month) {
        case 4:
        case 6:
        case 9:
        case 11:
            if (date.day > 30) return date.day == 31 ? 3 : 4;
            break;
        case 2:
            if (date.day == 29 && !isLeapYear(date.year)) return 1;
            if (date.day > 29) return 2;
            break;
        default:
            if (date.day > 31) return 4;
            break;
    }
    const uint32_t year = static_cast<uint32_t>(date.year);
    if (year < 1900 || year > 2100) return 6;
    return 0;
}

int checkTransferDates(const SDate& first, const SDate& last) {
    int result = checkDate(first);
    if (result != 0) {
        postOperatorLine(textById(kFirstDateTexts[result]));
        return -1;
    }
    result = checkDate(last);
    if (result != 0) {
        postOperatorLine(textById(kLastDateTexts[result]));
        return -1;
    }
    return 0;
}

int startTtTransfer(int32_t firstDay, int32_t lastDay) {
    return ttTransfer.start(firstDay, lastDay);
}

int abortTtTransfer() {
    return ttTransfer.abort();
}

int reportTtTransferStatus() {
    ttTransfer.reportProgress();
    return 0;
}

bool isTtTransferRunning() {
    return ttTransfer.isRunning();
}

int startTtTransferCommand(const SParamsOperZadavanjePrenTT& params) {
    if (isTtTransferRunning()) {
        postOperatorLine(textById(23258));
        return -1;
    }
    if (params.bSviDatumi != 0) return startTtTransfer(0, 0);
    SDate first;
    first.day = params.byDanPoc;
    first.month = params.byMesPoc;
    first.year = params.hGodPoc;
    SDate last;
    last.day = params.byDanKraj;
    last.month = params.byMesKraj;
    last.year = params.hGodKraj;
    if (checkTransferDates(first, last) != 0) return -1;
    int32_t firstDay = 0;
    int32_t lastDay = 0;
    makeDayNumber(&firstDay, first.day, first.month, first.year);
    makeDayNumber(&lastDay, last.day, last.month, last.year);
    if (lastDay < firstDay) {
        postOperatorLine(textById(23278));
        return -1;
    }
    return startTtTransfer(firstDay, lastDay);
}

int stopTtTransferCommand() {
    if (!isTtTransferRunning()) {
        postOperatorLine(textById(23287));
        return -1;
    }
    return abortTtTransfer();
}

int showTtTransferStatus() {
    postOperatorLine(textById(23290));
    return reportTtTransferStatus();
}
