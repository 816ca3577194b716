// Targets of files the workstation reads: INI files, table-contents files,
// binary record files and statistics files.

#include <algorithm>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "monitoring/stat_files.h"
#include "monitoring/stat_reports.h"
#include "monitoring/stat_reviews.h"
#include "monitoring/tt_report.h"
#include "sub/sub_database.h"
#include "sub/table_contents.h"
#include "sub/trn_tab.h"
#include "toolkit/file_viewers.h"
#include "utils/files.h"
#include "utils/ini_file.h"

namespace {

using Lines = std::vector<std::string>;

void writeFile(const char* name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string readFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines as they are in the file, CR and all; a final line end ends the last line.
Lines splitLines(const std::string& text) {
    Lines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string trimBlanks(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Takes the next `n` bytes of the input (fewer at its end).
class InputCursor {
public:
    InputCursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string take(size_t n) {
        n = std::min(n, size_ - pos_);
        std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return s;
    }
    std::string rest() { return take(size_ - pos_); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// A section or key name of letters the files use (Latin, Cyrillic of both
// cases, digits, "\" of nested sections, blanks inside and around).
std::string nameFrom(const std::string& bytes) {
    static const char alphabet[] = "AbcZ09_\\. -\xC0\xE0\xC1\xE1\xA8\xB8";
    std::string out;
    for (unsigned char c : bytes) out.push_back(alphabet[c % (sizeof alphabet - 1)]);
    return out;
}

}  // namespace

// An INI file: read, written and read back. The value written reads back,
// the integer written reads back, and every line the write did not touch
// stays byte for byte (a write replaces one line or adds at most two).
void fuzzIniFile(const uint8_t* data, size_t size) {
    InputCursor in(data, size);
    const size_t sectionLength = in.byte() % 16, keyLength = in.byte() % 16;
    const std::string section = nameFrom(in.take(sectionLength));
    const std::string key = nameFrom(in.take(keyLength));
    std::string value = in.take(in.byte() % 64);
    for (char& c : value)
        if (c == '\0' || c == '\r' || c == '\n') c = 'x';
    const int32_t number = static_cast<int32_t>(in.byte() | in.byte() << 8 | in.byte() << 16 |
                                                static_cast<uint32_t>(in.byte()) << 24);
    const std::string before = in.rest();
    writeFile("f.ini", before);

    KINIFile ini("./f.ini");
    char small[8];
    const int n = ini.getString(section.c_str(), key.c_str(), "default", small, sizeof small);
    FUZZ_CHECK(n >= 0 && n < static_cast<int>(sizeof small) && small[n] == '\0');
    ini.getInt(section.c_str(), key.c_str(), 7);

    const int written = ini.writeString(section.c_str(), key.c_str(), value.c_str());
    const std::string after = readFile("f.ini");
    if (!written) {
        FUZZ_CHECK(after == before);
        return;
    }
    char back[256];
    ini.getString(section.c_str(), key.c_str(), "\x01", back, sizeof back);
    FUZZ_CHECK(back == trimBlanks(value));

    const Lines old = splitLines(before), now = splitLines(after);
    // A last line without a line end gets the file's own one (a CR in a
    // CR-LF file) when the write appends after it; it is otherwise untouched.
    const bool openLastLine = !before.empty() && before.back() != '\n';
    auto same = [&](size_t o, const std::string& line) {
        return old[o] == line || (openLastLine && o + 1 == old.size() && line == old[o] + "\r");
    };
    size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && same(prefix, now[prefix])) ++prefix;
    size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           same(old.size() - 1 - suffix, now[now.size() - 1 - suffix]))
        ++suffix;
    FUZZ_CHECK(prefix + suffix + 1 >= old.size());  // at most one line replaced
    FUZZ_CHECK(now.size() <= prefix + suffix + 2);  // at most two lines new

    FUZZ_CHECK(ini.writeInt(section.c_str(), key.c_str(), number) != 0);
    FUZZ_CHECK(ini.getInt(section.c_str(), key.c_str(), number ^ 1) == number);
}

// A table-contents file: imported as far as it is good, then exported; that
// export imported into a fresh database exports the same bytes again.
void fuzzTableContents(const uint8_t* data, size_t size) {
    writeFile("in.dat", std::string(reinterpret_cast<const char*>(data), size));
    KSub& first = emptiedDatabase(0);
    int32_t lines = 0;
    int16_t table = 0;
    importTableContents(&first, "in.dat", &lines, &table);
    FUZZ_CHECK(lines >= 0 && static_cast<size_t>(lines) <= size + 1);
    FUZZ_CHECK(table >= -1 && table < kTableNumberLimit);
    FUZZ_CHECK(exportTableContents(&first, "first.dat", ',') == 0);

    KSub& second = emptiedDatabase(1);
    FUZZ_CHECK(importTableContents(&second, "first.dat", &lines, &table) == 0);
    FUZZ_CHECK(exportTableContents(&second, "second.dat", ',') == 0);
    FUZZ_CHECK(readFile("first.dat") == readFile("second.dat"));
}

// A binary file of fixed-size records read through a small page cache: every
// record reads as the file's bytes, a final partial record padded with zeros.
// Records of 98 bytes decode as call-diagnostics records ("tt.bin"), and the
// binary viewer's dump lines stay within their width.
void fuzzRecordFile(const uint8_t* data, size_t size) {
    InputCursor in(data, size);
    const uint8_t sizeByte = in.byte();
    const int16_t recordSize =
        static_cast<int16_t>(sizeByte == 0 ? kTTRecordSize : 1 + sizeByte % 64);
    const int32_t perPage = 1 + in.byte() % 8;
    const int32_t pages = 1 + in.byte() % 4;
    const std::string file = in.rest();
    writeFile("records.bin", file);
    TBinFileLineReader reader("records.bin", recordSize, perPage, pages);
    const int32_t count = reader.recordCount();
    FUZZ_CHECK(count == static_cast<int32_t>((file.size() + recordSize - 1) / recordSize));
    // Forwards, backwards and strided, so pages are replaced in every order.
    std::vector<int32_t> order;
    for (int32_t i = 0; i < count; ++i) order.push_back(i);
    for (int32_t i = count - 1; i >= 0; --i) order.push_back(i);
    for (int32_t i = 0; i < count; i += 3) order.push_back(count - 1 - i);
    for (int32_t index : order) {
        const uint8_t* record = reader.getRecord(index);
        FUZZ_CHECK(record != nullptr);
        for (int16_t b = 0; b < recordSize; ++b) {
            const size_t at = static_cast<size_t>(index) * recordSize + b;
            FUZZ_CHECK(record[b] == (at < file.size() ? static_cast<uint8_t>(file[at]) : 0));
        }
    }
    FUZZ_CHECK(reader.getRecord(count) == nullptr);
    FUZZ_CHECK(reader.getRecord(-1) == nullptr);

    for (int32_t index = 0; index < count && recordSize == kTTRecordSize; ++index) {
        const uint8_t* record = reader.getRecord(index);
        std::vector<uint8_t> copy(record, record + recordSize);
        STTRecord tt;
        FUZZ_CHECK(decodeTTRecord(copy.data(), copy.size(), tt));
        FUZZ_CHECK(std::memchr(tt.subscriber, 0, sizeof tt.subscriber) != nullptr);
        FUZZ_CHECK(std::memchr(tt.dialledNumber, 0, sizeof tt.dialledNumber) != nullptr);
        FUZZ_CHECK(std::memchr(tt.callingNumber, 0, sizeof tt.callingNumber) != nullptr);
        FUZZ_CHECK(std::memchr(tt.currency, 0, sizeof tt.currency) != nullptr);
        FUZZ_CHECK(!decodeTTRecord(copy.data(), copy.size() - 1, tt));
    }
    for (size_t at = 0; at < file.size(); at += 16) {
        const size_t n = std::min<size_t>(16, file.size() - at);
        const std::vector<uint8_t> line(file.begin() + at, file.begin() + at + n);
        FUZZ_CHECK(
            hexDumpLine(static_cast<uint32_t>(at), line.data(), static_cast<int>(n)).size() ==
            8 + 1 + 48 + 1 + 24 + 1);
    }
}

// A statistics file: its call records, their event items, the values of
// each item by its template, and the event times.
// The statistics reviews and reports read the same bytes as the file of a
// case: each runs tick by tick to its end, whatever the file holds.
void runStatReaders(const uint8_t* data, size_t size) {
    makeDirectory("ppn");
    writeFile(statFileName(1).c_str(), std::string(reinterpret_cast<const char*>(data), size));
    const int ticks = static_cast<int>(size / kStatRecordSize) + 3;
    for (int action : {TStatPregled::kStartFull, TStatPregled::kStartTable}) {
        statReview.step(action, 1, 0, 0, 24, 0);
        for (int i = 0; i < ticks && statReview.running; ++i) statReview.step(TStatPregled::kTick);
        FUZZ_CHECK(!statReview.running);
    }
    for (TStatReport* report : std::initializer_list<TStatReport*>{
             &trafficKindsReport, &successByDestinationReport, &successByRouteReport}) {
        if (report == &successByRouteReport)
            successByRouteReport.step(TStatReport::kStart, 1, int32_t(size & 1));
        else
            report->step(TStatReport::kStart, 1);
        for (int i = 0; i < ticks && report->running; ++i) report->step(TStatReport::kTick, 1);
        FUZZ_CHECK(!report->running);
    }
}

void fuzzStatFile(const uint8_t* data, size_t size) {
    for (size_t at = 0; at < size; at += kStatRecordSize) {
        SStatCallRecord record;
        const bool whole = decodeStatCallRecord(data + at, size - at, record);
        FUZZ_CHECK(whole == (size - at >= static_cast<size_t>(kStatRecordSize)));
        if (!whole) {
            // The last, partial record as a reader pads it.
            std::vector<uint8_t> padded(data + at, data + size);
            padded.resize(kStatRecordSize, 0);
            FUZZ_CHECK(decodeStatCallRecord(padded.data(), padded.size(), record));
        }
        StatEventReader reader(record);
        SStatEvent event;
        int items = 0;
        while (reader.next(event)) {
            ++items;
            FUZZ_CHECK(event.values >= record.events &&
                       event.values + event.valueBytes <= record.events + kStatEventAreaSize);
            std::vector<SStatValue> values;
            readStatEventValues(event, values);
            for (const SStatValue& v : values)
                FUZZ_CHECK(v.conversion == 'c' || v.conversion == 'h' || v.conversion == 'l' ||
                           v.conversion == 'd' || v.conversion == 's' || v.conversion == 'a');
        }
        FUZZ_CHECK(items <= kStatEventAreaSize);
        std::vector<int64_t> times;
        const bool good = statEventTimes(record, times);
        if (good && !reader.bad()) FUZZ_CHECK(times.size() == static_cast<size_t>(items));
    }
    runStatReaders(data, size);
}
