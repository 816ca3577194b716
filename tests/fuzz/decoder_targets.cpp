// Targets of decoders of received payloads and report texts: No.7 ISUP
// parameters, line-test results, alarm rows and counts, HTML to text.

#include <cstring>
#include <string>
#include <vector>

#include "alarms/alarm_count_poll.h"
#include "alarms/alarm_row.h"
#include "alarms/isup_parameters.h"
#include "alarms/line_test_decoder.h"
#include "alarms/no7_monitor.h"
#include "fuzz/fuzz_targets.h"
#include "sub/sub_database.h"
#include "utils/dates.h"
#include "utils/bytes.h"
#include "utils/html_filter.h"

namespace {

void checkLines(const TMonitorLines& lines) {
    for (const std::string& line : lines) FUZZ_CHECK(line.size() <= kMonitorLineMax);
}

}  // namespace

// HTML of a report: into outputs of several sizes, always terminated within
// them; a larger output keeps what a smaller one shows.
void fuzzHtmlToText(const uint8_t* data, size_t size) {
    const std::string html(reinterpret_cast<const char*>(data), size);
    std::string previous;
    for (size_t room : {size_t(1), size_t(2), size_t(16), size_t(4096)}) {
        std::vector<char> out(room + 1, '\x7f');
        htmlToText(html.c_str(), out.data(), room);
        const size_t n = std::strlen(out.data());
        FUZZ_CHECK(n < room && out[room] == '\x7f');
        FUZZ_CHECK(std::string(out.data(), n).compare(0, previous.size(), previous) == 0);
        previous.assign(out.data(), n);
    }
    if (!html.empty()) {
        char entity[8];
        decodeHtmlEntity(html.c_str(), entity, sizeof entity);
        FUZZ_CHECK(std::strlen(entity) < sizeof entity);
    }
}

// A message the No.7 monitor mirrors (first byte: which of its four codes),
// one ISUP parameter, and an optional part.
void fuzzIsup(const uint8_t* data, size_t size) {
    if (size >= 1) {
        const std::vector<uint8_t> payload(data + 1, data + size);
        STime now;
        now.hour = 23;
        checkLines(decodeNo7Message(static_cast<uint8_t>(kNo7SentBySpc + data[0] % 4),
                                    payload.data(), payload.size(), now));
    }
    TMonitorLines lines;
    if (size >= 2) {
        const size_t length = data[1];
        const size_t have = size - 2 < length ? size - 2 : length;
        const std::vector<uint8_t> value(data + 2, data + 2 + have);
        printIsupParameter(data[0], data[1], ByteReader(value.data(), value.size()), lines);
        checkLines(lines);
        FUZZ_CHECK(!lines.empty());
    }
    lines.clear();
    const std::vector<uint8_t> all(data, data + size);
    printIsupOptionalParameters(ByteReader(all.data(), all.size()), lines);
    checkLines(lines);
    lines.clear();
    addStatusBitLines(lines, ByteReader(all.data(), all.size()), size * 8 + 3);
    checkLines(lines);
}

// A line-test result (type 143): every decoder over the bytes, from every
// place a result may start at.
void fuzzLineTest(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    for (size_t start = 0; start <= size && start < 8; ++start) {
        const ZILC z(bytes.data() + start, size - start);
        SLineTestVoltage voltage;
        z.decodeVoltageAB(kVoltageSecondLoad, voltage);
        z.decodeVoltageAGround(kVoltageSecondLoad, voltage);
        z.decodeVoltageBGround(kVoltageSecondLoad, voltage);
        z.decodeFeedingVoltage(kVoltageSecondLoad, voltage);
        float a = 0, b = 0;
        z.decodeInsulation(a);
        z.decodeLoopResistance(a);
        z.decodeLeakage(a, b);
        bool below = false, above = false;
        z.decodeCapacitance(a, below, above);
        z.decodePhaseAngle(a);
        SRingingCurrent ringing;
        z.decodeRingingCurrent(ringing);
        SToneSignal tone;
        z.decodeToneSignal(tone);
        STariffSignal tariff;
        z.decodeTariffSignal(tariff);
        SLoopClosure loop;
        z.decodeLoopClosure(loop);
        SDisconnectDelay delay;
        z.decodeDisconnectDelay(delay);
        uint8_t pulses = 0;
        z.decodeMeterPulses(pulses);
        uint8_t pattern[30];
        z.checkCommunicationPattern(pattern);
        SDialTest dial;
        z.decodeDialTest(dial);
        FUZZ_CHECK(dial.method <= 3 && dial.count <= 15);
        SDigitReception digits;
        z.decodeDigitReception(digits);
        FUZZ_CHECK(digits.digits.size() <= kMaxDigitText);
    }
}

// An alarm record image (table 172) and an alarm-count answer: the row
// encodes back to the same image, its description and line arguments stay
// in their buffers, and key order is antisymmetric. The rows go into the
// alarm table, which then counts them and finds each by its key.
void fuzzAlarmRows(const uint8_t* data, size_t size) {
    SAlarmCounts counts;
    const std::vector<uint8_t> all(data, data + size);
    if (decodeAlarmCounts(all.data(), static_cast<int>(all.size()), counts)) {
        FUZZ_CHECK(size >= 7);
        uint8_t tens = 0, ones = 0;
        alarmCountDigits(counts.a1, &tens, &ones);
        FUZZ_CHECK(tens <= 9 && ones <= 9);
    } else {
        FUZZ_CHECK(size < 7);
    }

    std::vector<sListaAlarma> rows;
    for (size_t at = 0; at < size || at == 0; at += kAlarmRowSize) {
        const size_t n = size - at;
        const std::vector<uint8_t> image(data + at, data + size);
        sListaAlarma row;
        const bool whole = decodeAlarmRow(image.data(), n, row);
        FUZZ_CHECK(whole == (n >= kAlarmRowSize));
        FUZZ_CHECK(std::memchr(row.Parametri, '\0', sizeof row.Parametri) != nullptr);
        if (!whole) break;
        uint8_t encoded[kAlarmRowSize];
        encodeAlarmRow(row, encoded);
        sListaAlarma again;
        FUZZ_CHECK(decodeAlarmRow(encoded, sizeof encoded, again));
        FUZZ_CHECK(compareAlarmKeys(row, again) == 0);
        uint8_t reencoded[kAlarmRowSize];
        encodeAlarmRow(again, reencoded);
        FUZZ_CHECK(std::memcmp(encoded, reencoded, sizeof encoded) == 0);
        char description[120];
        std::memset(description, 0x7f, sizeof description);
        const int length = alarmDescription(description, 100, row);
        FUZZ_CHECK(length >= 0 && length < 100 && description[100] == 0x7f);
        const int32_t dateTime[6] = {row.Datum, row.Vreme, 1, 2, 3, 4};
        char line[300];
        alarmLineArguments(line, sizeof line, dateTime, row);
        FUZZ_CHECK(std::strlen(line) < sizeof line);
        rows.push_back(row);
        if (at + kAlarmRowSize >= size) break;
    }
    for (const sListaAlarma& a : rows)
        for (const sListaAlarma& b : rows) {
            const int ab = compareAlarmKeys(a, b), ba = compareAlarmKeys(b, a);
            FUZZ_CHECK((ab < 0 && ba > 0) || (ab > 0 && ba < 0) || (ab == 0 && ba == 0));
        }

    KSub& db = emptiedDatabase(0);
    std::vector<sListaAlarma> stored;
    for (const sListaAlarma& row : rows) {
        uint8_t image[kAlarmRowSize];
        encodeAlarmRow(row, image);
        uint8_t conflict = 0;
        if (db.insertRecord(0, kAlarmListTable, image, &conflict) == 0) stored.push_back(row);
    }
    FUZZ_CHECK(alarmTableCount(db) == static_cast<int32_t>(stored.size()));
    for (const sListaAlarma& row : stored) {
        sListaAlarma found;
        FUZZ_CHECK(readAlarmByKey(db, row, found));
        FUZZ_CHECK(compareAlarmKeys(row, found) == 0);
    }
    for (int32_t i = 0; i < alarmTableCount(db); ++i) {
        sListaAlarma row;
        FUZZ_CHECK(readAlarmTableRow(db, i, row));
    }
}
