#include "monitoring/tt_report.h"

#include <charconv>
#include <cstdio>
#include <cstring>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "sub/field_text.h"
#include "utils/bytes.h"
#include "utils/message_box.h"
#include "utils/text_file_viewer.h"

KTT_Izvestaj ttReport;

namespace {

constexpr int32_t kRecordsPerPage = 1000;
constexpr int32_t kReportBuffer = 100000;
constexpr int32_t kSliceMs = 500;
constexpr int kLineLimit = 200;  // report lines hold at most 199 characters
constexpr int kDialledShown = 22;
constexpr int32_t kViewerSizeLimit = 2000000;

void postOperatorLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

template <typename... Args>
void postMessage(int textId, const Args&... args) {
    char line[kLineLimit + 100];
    formatMessage(line, sizeof line, textId, args...);
    postOperatorLine(line);
}

// A text field of a record or a parameter record, ending within its size.
template <size_t N>
void readText(ByteReader& in, char (&out)[N]) {
    in.bytes(out, N);
    out[N - 1] = '\0';
}

std::string boundedText(const char* field, size_t size, size_t limit) {
    const size_t n = strnlen(field, size);
    return std::string(field, n < limit ? n : limit);
}

void copyPrefix(char* out, size_t size, const std::string& prefix) {
    const size_t n = prefix.size() < size - 1 ? prefix.size() : size - 1;
    std::memcpy(out, prefix.data(), n);
    out[n] = '\0';
}

bool hasPrefix(const char* text, const char* prefix, size_t length) {
    return std::strncmp(text, prefix, length) == 0;
}

std::string dateText(int32_t day) {
    char text[32];
    formatDateField(text, sizeof text, day);
    return text;
}

std::string timeText(int32_t seconds) {
    char text[32];
    formatTimeField(text, sizeof text, seconds);
    return text;
}

// "%f" of a double, independent of the locale.
std::string fixedText(double v) {
    char text[400];
    const auto r = std::to_chars(text, text + sizeof text - 1, v, std::chars_format::fixed, 6);
    *r.ptr = '\0';
    return text;
}

std::string pulsesText(double v) {
    char text[400];
    formatDoubleField(text, sizeof text, v);
    return text;
}

// Records of the file: whole records only (a cut last record is none).
int32_t wholeRecords() {
    const int32_t size = fileSize(kTTFileName);
    return size > 0 ? size / kTTRecordSize : 0;
}

}  // namespace

bool decodeTTRecord(const uint8_t* bytes, size_t length, STTRecord& out) {
    ByteReader in(bytes, length < size_t(kTTRecordSize) ? length : size_t(kTTRecordSize));
    out.head = in.u8();
    readText(in, out.subscriber);
    readText(in, out.dialledNumber);
    readText(in, out.callingNumber);
    out.startDay = in.i32le();
    out.startTime = in.i32le();
    out.endDay = in.i32le();
    out.endTime = in.i32le();
    out.co = in.u8();
    out.cd = in.u8();
    out.ts = in.i16le();
    out.tk = in.i16le();
    out.operatorNo = in.i16le();
    uint8_t raw[8] = {};
    in.bytes(raw, sizeof raw);
    std::memcpy(&out.price, raw, sizeof raw);  // IEEE double, little-endian like the host
    in.bytes(raw, sizeof raw);
    std::memcpy(&out.pulses, raw, sizeof raw);
    readText(in, out.currency);
    return in.ok();
}

KTT_Izvestaj::~KTT_Izvestaj() {
    // A report cut short by the program's end leaves no partial file.
    release();
}

void KTT_Izvestaj::release() {
    output.reset();
    reader.reset();
    if (timerId >= 0) killTimer(this, timerId);
    timerId = -1;
}

void KTT_Izvestaj::abort() {
    window = nullptr;
    postOperatorLine(textById(23323));
    release();
}

int KTT_Izvestaj::start(const char* fileName, const STTReportFilter& filter, const SIzvestaj* key) {
    if (running()) abort();
    if (key != nullptr) {
        reportKey = *key;
        window = key->window;
    } else {
        window = nullptr;
    }
    if (!fileExists(kTTFileName)) return -1;
    if (fileName != nullptr) {
        output = std::make_unique<TReplacingFile>(fileName, kReportBuffer);
        if (!output->isOpen()) {
            output.reset();
            return -1;
        }
    }
    if (!reader)
        reader =
            std::make_unique<TBinFileLineReader>(kTTFileName, kTTRecordSize, kRecordsPerPage, 1);
    recordTotal_ = wholeRecords();
    writeFailed_ = false;
    copyPrefix(subscriberPrefix, sizeof subscriberPrefix, filter.subscriberPrefix);
    copyPrefix(dialledPrefix, sizeof dialledPrefix, filter.dialledPrefix);
    copyPrefix(callingPrefix, sizeof callingPrefix, filter.callingPrefix);
    fromDay = filter.fromDay;
    toDay = filter.toDay;
    minPulses = filter.minPulses;
    cutDialled = filter.cutDialled;
    withPrice = filter.withPrice;
    minimal = filter.minimal;
    writeHeader();
    nextIndex = 0;
    lines = 0;
    minPerSlice = recordTotal_;
    maxPerSlice = 0;
    lastPercent = 0;
    startTick = programClock();
    postMessage(23319, kTTFileName, recordTotal_);
    if (processSlice()) {
        if (timerId >= 0) killTimer(this, timerId);
        timerId = -1;
        finish();
    }
    return 0;
}

void KTT_Izvestaj::writeCatalogueLine(int fileTextId, int windowTextId, const char* argument) {
    const bool withArgument = argument != nullptr && *argument != '\0';
    auto coded = [&](int id) {
        std::string text = std::to_string(id);
        if (withArgument) text.append("$").append(argument);
        return text;
    };
    if (window != nullptr && windowTextId > 0) {
        const std::string text = coded(windowTextId);
        appendOperatorReportLine(reportKey, kCodeCodedText, text.c_str(), int(text.size()) + 1);
    } else if (output && fileTextId >= 1) {
        char line[kLineLimit];
        formatCodedMessage(line, sizeof line, coded(fileTextId).c_str());
        if (!output->writeText(line)) writeFailed_ = true;
    }
}

void KTT_Izvestaj::endFileLine() {
    if (output && !output->writeText("\r\n")) writeFailed_ = true;
}

void KTT_Izvestaj::writeHeader() {
    endFileLine();
    writeCatalogueLine(23300, 23300, "");
    endFileLine();
    if (*subscriberPrefix)
        writeCatalogueLine(23297, 23297, subscriberPrefix);
    else
        writeCatalogueLine(23301, 23301, "");
    endFileLine();
    if (*dialledPrefix)
        writeCatalogueLine(23302, 23302, dialledPrefix);
    else
        writeCatalogueLine(23303, 23303, "");
    endFileLine();
    if (*callingPrefix)
        writeCatalogueLine(23304, 23304, callingPrefix);
    else
        writeCatalogueLine(23305, 23305, "");
    endFileLine();
    if (fromDay == 0 && toDay == 0) writeCatalogueLine(23306, 23306, "");
    if (fromDay > 0) writeCatalogueLine(23307, 23307, dateText(fromDay).c_str());
    if (toDay > 0) writeCatalogueLine(23308, 23308, dateText(toDay).c_str());
    endFileLine();
    if (minPulses > 0) {
        writeCatalogueLine(23309, 23309, pulsesText(minPulses).c_str());
        endFileLine();
    }
    endFileLine();
    // Column headings: minimal, with price, without price.
    const int fileId = minimal ? 23326 : withPrice ? 23312 : 23311;
    const int windowId = minimal ? 23325 : withPrice ? 23293 : 23292;
    writeCatalogueLine(fileId, windowId, "");
    endFileLine();
}

bool KTT_Izvestaj::passes(const STTRecord& r) const {
    return hasPrefix(r.subscriber, subscriberPrefix, std::strlen(subscriberPrefix)) &&
           hasPrefix(r.dialledNumber, dialledPrefix, std::strlen(dialledPrefix)) &&
           hasPrefix(r.callingNumber, callingPrefix, std::strlen(callingPrefix)) &&
           (fromDay == 0 || fromDay <= r.endDay) && (toDay == 0 || toDay >= r.endDay) &&
           !(minPulses > r.pulses);
}

std::string KTT_Izvestaj::formatCodedLine(const STTRecord& r, int textId, bool price) const {
    std::string dialled =
        boundedText(r.dialledNumber, sizeof r.dialledNumber, sizeof r.dialledNumber);
    if (cutDialled && dialled.size() > size_t(kDialledShown))
        dialled = dialled.substr(0, kDialledShown - 1) + "*";
    const std::string args[] = {
        r.subscriber,
        dialled,
        r.callingNumber,
        dateText(r.startDay),
        timeText(r.startTime),
        dateText(r.endDay),
        timeText(r.endTime),
        std::to_string(r.co),
        std::to_string(r.cd),
        std::to_string(r.ts),
        std::to_string(r.tk),
        r.operatorNo == -1 ? std::string(6, ' ') : std::to_string(r.operatorNo),
        fixedText(r.pulses),
        fixedText(r.price),
        r.currency};
    std::string text = std::to_string(textId);
    const size_t count = price ? 15 : 13;
    for (size_t i = 0; i < count; ++i) text.append("$").append(args[i]);
    return text;
}

std::string KTT_Izvestaj::formatMinimalLine(const STTRecord& r, bool html) const {
    std::string dialled =
        boundedText(r.dialledNumber, sizeof r.dialledNumber, sizeof r.dialledNumber);
    if (cutDialled && dialled.size() > size_t(kDialledShown))
        dialled = dialled.substr(0, kDialledShown - 1) + "*";
    const char* format = html ? "<TR><TD>%7s<TD>     %22s   <TD>  %11s<TD>  %8s <TD> %8s<TD>   %8s "
                                "<TD> %8s <TD>  %3d "
                                "<TD> %3d <TD> %3d <TD>%3d <TD> %-12.2lf"
                              : "%7s|%22s|%11s|%8s|%8s|%8s|%8s|%3d|%3d|%3d|%3d|%-12.2lf";
    char line[kLineLimit];
    std::snprintf(line, sizeof line, format, r.subscriber, dialled.c_str(), r.callingNumber,
                  dateText(r.startDay).c_str(), timeText(r.startTime).c_str(),
                  dateText(r.endDay).c_str(), timeText(r.endTime).c_str(), r.co, r.cd, r.ts, r.tk,
                  r.pulses);
    return line;
}

void KTT_Izvestaj::writeRecordLine(const STTRecord& r) {
    if (output) {
        if (minimal) {
            if (!output->writeText(formatMinimalLine(r, false).c_str())) writeFailed_ = true;
        } else {
            char line[kLineLimit];
            formatCodedMessage(line, sizeof line,
                               formatCodedLine(r, withPrice ? 23299 : 23298, withPrice).c_str());
            if (!output->writeText(line)) writeFailed_ = true;
        }
        endFileLine();
    } else if (window != nullptr) {
        const std::string text = minimal ? formatMinimalLine(r, true)
                                         : formatCodedLine(r, withPrice ? 23295 : 23294, withPrice);
        appendOperatorReportLine(reportKey, minimal ? kCodePlainText : kCodeCodedText, text.c_str(),
                                 int(text.size()) + 1);
    }
    ++lines;
}

int KTT_Izvestaj::processSlice() {
    const int32_t sliceStart = programClock();
    int32_t examined = 0;
    bool done = false;
    while (programClock() - sliceStart < kSliceMs) {
        const int32_t index = nextIndex++;
        const uint8_t* bytes = index < recordTotal_ && reader ? reader->getRecord(index) : nullptr;
        STTRecord record;
        if (bytes == nullptr || !decodeTTRecord(bytes, kTTRecordSize, record)) {
            done = true;
            break;
        }
        ++examined;
        if (passes(record)) writeRecordLine(record);
    }
    if (examined < minPerSlice) minPerSlice = examined;
    if (examined > maxPerSlice) maxPerSlice = examined;
    const uint32_t percent =
        recordTotal_ > 0
            ? uint32_t(uint64_t(uint32_t(nextIndex - 1)) * 100 / uint32_t(recordTotal_))
            : 0;
    if (percent >= uint32_t(lastPercent) + 5) {
        postMessage(23320, int32_t(uint8_t(percent)), "%", kTTFileName,
                    (programClock() - startTick) / 1000, lines);
        lastPercent = uint8_t(percent);
    }
    if (!done) timerId = setTimer(this, kSliceMs);
    return done ? 1 : 0;
}

void KTT_Izvestaj::onTimer(const STimerEvent* event) {
    if (event == nullptr || event->timerId != timerId) return;
    timerId = -1;
    if (window != nullptr && !isOperatorReportOpen(reportKey)) {
        abort();
        return;
    }
    if (processSlice()) {
        timerId = -1;
        finish();
    }
}

void KTT_Izvestaj::finish() {
    postMessage(23321, (programClock() - startTick) / 1000, lines);
    postMessage(23322, minPerSlice, maxPerSlice);
    if (window != nullptr) {
        const std::string text = "23296$" + std::to_string(lines);
        appendOperatorReportLine(reportKey, kCodeCodedText, text.c_str(), int(text.size()) + 1);
    }
    if (output) {
        writeCatalogueLine(23314, 0, std::to_string(lines).c_str());
        const bool good = output->commit() == 0 && !writeFailed_;
        output.reset();
        if (!good) {
            // Nothing half written is shown: the report file stays as it was.
            postOperatorLine(textById(23251));
        } else if (fileSize(kTTReportFileName) <= kViewerSizeLimit ||
                   confirm(textById(23324)) == 1) {
            openTextFileViewer(kTTReportFileName);
        }
    }
    reader.reset();
}

int startTtReportToWindow(const STTReportFilter& filter, const SIzvestaj& key) {
    return ttReport.start(nullptr, filter, &key);
}

int startTtReportToFile(const char* fileName, const STTReportFilter& filter) {
    return ttReport.start(fileName, filter, nullptr);
}

namespace {

// A text field of the form, cut at its size.
std::string formText(const char* field, size_t size) {
    return boundedText(field, size, size);
}

bool readDay(const char* field, size_t size, int32_t* day) {
    *day = 0;
    const std::string text = formText(field, size);
    if (text.empty()) return true;
    uint8_t raw[4] = {};
    if (parseDateField(raw, text.c_str()) != 0) return false;
    ByteReader in(raw, sizeof raw);
    *day = in.i32le();
    return true;
}

// The records of commands 5276 and 5277 hold the same fields up to
// bOdseciVisak; 5276 adds whether the price is printed, given as `price`.
template <typename Params>
int makeReport(const Params& p, bool price, int commandId) {
    if (!fileExists(kTTFileName)) {
        postMessage(23318, kTTFileName);
        return -1;
    }
    STTReportFilter filter;
    if (!readDay(p.sOdDatuma, sizeof p.sOdDatuma, &filter.fromDay) ||
        !readDay(p.sDoDatuma, sizeof p.sDoDatuma, &filter.toDay)) {
        postOperatorLine(textById(23315));
        return -1;
    }
    const std::string pulses = formText(p.sBrImpulsa, sizeof p.sBrImpulsa);
    if (!pulses.empty()) {
        uint8_t raw[8] = {};
        if (parseDoubleField(raw, pulses.c_str()) != 0) {
            postOperatorLine(textById(23316));
            return -1;
        }
        std::memcpy(&filter.minPulses, raw, sizeof raw);
    }
    filter.subscriberPrefix = formText(p.sPretplatnik, sizeof p.sPretplatnik);
    filter.dialledPrefix = formText(p.sBiraniBroj, sizeof p.sBiraniBroj);
    filter.callingPrefix = formText(p.sABroj, sizeof p.sABroj);
    filter.cutDialled = p.bOdseciVisak == 0;
    filter.withPrice = price;
    filter.minimal = commandId == 5277;
    if (p.VrstaIzvestaja == 0) {
        const SIzvestaj key = openOperatorReport(ownAddress, 0, commandId, 23291, 23313);
        return startTtReportToWindow(filter, key);
    }
    if (p.VrstaIzvestaja == 1) return startTtReportToFile(kTTReportFileName, filter);
    return 0;
}

}  // namespace

int makeTtReport(const SParamsOperIzvestajTT& params) {
    return makeReport(params, params.bStampajCenu == 0, 5276);
}

int makeMinimalTtReport(const SParamsMinOperIzvestajTT& params) {
    return makeReport(params, false, 5277);
}

void watchProcessorLocalTimes() {}

int readAdminLogDate() {
    return 0;
}

int shutdownAdminLog() {
    return 0;
}
