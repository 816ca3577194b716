#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "commands/param_records.h"
#include "link/timer_pool.h"
#include "shell/operator_reports.h"
#include "utils/files.h"

// Call-diagnostics report: the records of "tt.bin" that pass the operator's
// filters, listed in an operator report window (HTML rows) or in the text
// file "ttizlaz.txt" (columns separated by "|"), made in timer-driven slices.

constexpr int kTTRecordSize = 98;
constexpr const char* kTTFileName = "tt.bin";
constexpr const char* kTTReportFileName = "ttizlaz.txt";

// One call-diagnostics record as the exchange sends it. Texts always end
// within their field.
struct STTRecord {
    uint8_t head = 0;  // not read by the workstation
    char subscriber[9] = {};
    char dialledNumber[28] = {};
    char callingNumber[16] = {};
    int32_t startDay = 0;
    int32_t startTime = 0;
    int32_t endDay = 0;
    int32_t endTime = 0;
    uint8_t co = 0;
    uint8_t cd = 0;
    int16_t ts = 0;
    int16_t tk = 0;
    int16_t operatorNo = 0;  // -1: no operator
    double price = 0.0;
    double pulses = 0.0;
    char currency[4] = {};
};

// Decodes the 98 bytes at `bytes`; false when fewer are given.
bool decodeTTRecord(const uint8_t* bytes, size_t length, STTRecord& out);

// What one report selects and how it prints.
struct STTReportFilter {
    std::string subscriberPrefix;  // empty: every number
    std::string dialledPrefix;
    std::string callingPrefix;
    int32_t fromDay = 0;  // 0: no bound
    int32_t toDay = 0;
    double minPulses = 0.0;  // 0: no bound
    bool cutDialled = false;
    bool withPrice = false;
    bool minimal = false;
};

// The report generator; ttReport is the one instance. At most one report
// runs: starting another ends the running one first (text 23323).
class KTT_Izvestaj : public TTimerReceiver {
public:
    KTT_Izvestaj() = default;
    ~KTT_Izvestaj() override;

    // Into the file of that name when fileName is given, else into the
    // window of `key` (a null window: lines go nowhere). 0 started (or
    // already finished), -1 not started ("tt.bin" missing or the file
    // cannot be made).
    int start(const char* fileName, const STTReportFilter& filter, const SIzvestaj* key);
    // 1 when the last record has been examined, else 0 (the next slice armed).
    int processSlice();
    void finish();
    void onTimer(const STimerEvent* event) override;

    void writeCatalogueLine(int fileTextId, int windowTextId, const char* argument);
    void endFileLine();
    // The coded catalogue message of one record line (text id and arguments).
    std::string formatCodedLine(const STTRecord& record, int textId, bool price) const;
    // The minimal line, HTML or column form, at most 199 characters.
    std::string formatMinimalLine(const STTRecord& record, bool html) const;

    bool running() const { return reader != nullptr; }
    // Ends a running report without its closing lines (text 23323); a
    // report file is dropped.
    void abort();

    std::unique_ptr<TBinFileLineReader> reader;
    KOperIzvestaj* window = nullptr;
    std::unique_ptr<TReplacingFile> output;
    int32_t timerId = -1;
    int32_t nextIndex = 0;
    int32_t lines = 0;
    int32_t minPerSlice = 0;
    int32_t maxPerSlice = 0;
    int32_t startTick = 0;
    char subscriberPrefix[9] = {};
    char dialledPrefix[28] = {};
    char callingPrefix[16] = {};
    int32_t fromDay = 0;
    int32_t toDay = 0;
    double minPulses = 0.0;
    uint8_t cutDialled = 0;
    uint8_t withPrice = 0;
    uint8_t minimal = 0;
    uint8_t lastPercent = 0;
    SIzvestaj reportKey;

private:
    void writeHeader();
    bool passes(const STTRecord& record) const;
    void writeRecordLine(const STTRecord& record);
    void release();
    int32_t recordTotal_ = 0;  // whole records of "tt.bin" when the report started
    bool writeFailed_ = false;
};

extern KTT_Izvestaj ttReport;

int startTtReportToWindow(const STTReportFilter& filter, const SIzvestaj& key);
int startTtReportToFile(const char* fileName, const STTReportFilter& filter);

// Commands 5276 and 5277.
int makeTtReport(const SParamsOperIzvestajTT& params);
int makeMinimalTtReport(const SParamsMinOperIzvestajTT& params);
// Command 5042: accepted and does nothing.
void watchProcessorLocalTimes();

// A start step and its stop partner; both 0 and nothing more.
int readAdminLogDate();
int shutdownAdminLog();
