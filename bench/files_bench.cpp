// Speed figures of the table files, each against a baseline built here and
// measured side by side in one run: the median of several runs is printed
// as "figure: program X, baseline Y, ratio Z". Nothing is asserted.
//
// Sizes: every table of the database is filled to a share of its capacity,
// 1% for 1x, 10% for 10x and 100% (full tables) for 100x, so each step
// holds about ten times the records of the one before, spread over all
// tables and all field types as the real file has them.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "platform/file_sync.h"
#include "sub/field_text.h"
#include "sub/sub_database.h"
#include "sub/table_contents.h"
#include "sub/table_dictionary.h"
#include "sub/trn_tab.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 9;

// Both sides write to the page cache only: the save's syncs to the disk
// would measure the disk, not the writer, and cp does not sync either.
class NoSync : public platform::IFileSync {
public:
    bool syncFile(int, const std::string&) override { return true; }
    bool syncFolder(const std::string&) override { return true; }
};

double medianMs(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printLine(const std::string& name, double program, double baseline, const char* unit) {
    std::printf("%-66s program %9.2f  baseline %8.2f %-4s ratio %.2f\n", name.c_str(), program,
                baseline, unit, baseline != 0 ? program / baseline : 0.0);
}

// Writes over a buffer larger than the processor's caches: each measured
// step then starts from memory, whatever the step before it left in the
// caches (the file just read or written fits in them at 10x).
void evictCaches() {
    static std::vector<char> sweep(64 << 20);
    static char value = 0;
    ++value;
    for (size_t i = 0; i < sweep.size(); i += 64) sweep[i] = value;
}

template <class F>
double elapsedMs(F f) {
    evictCaches();
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A number of 1 to maxDigits digits (each length as likely), a quarter of
// them negative, within [lo, hi]. Drawn evenly over the whole range, nearly
// every number would have the most digits, which tables of counters, codes
// and numbers of things do not hold.
int64_t anyLength(std::mt19937& engine, int maxDigits, int64_t lo, int64_t hi) {
    int64_t top = 1;
    for (int digits = 1 + int(engine() % unsigned(maxDigits)); digits > 0; --digits) top *= 10;
    int64_t value = int64_t(engine() % uint64_t(top));
    if (engine() % 4 == 0) value = -value;
    return std::min(hi, std::max(lo, value));
}

// A value text for one field, as an operator could have typed it: numbers
// of every length with signs, valid dates and times, texts with blanks and
// CP1251 letters, named enumeration values.
std::string valueText(const SSubField& f, std::mt19937& engine) {
    const auto random = [&engine] { return unsigned(engine()); };
    char text[64];
    switch (f.type) {
        case ftByte:
            return std::to_string(random() % 256);
        case ftShort:
            return std::to_string(anyLength(engine, 5, INT16_MIN, INT16_MAX));
        case ftLong:
            return std::to_string(anyLength(engine, 10, INT32_MIN, INT32_MAX));
        case ftDate:
            std::snprintf(text, sizeof text, "%u.%u.%u", 1 + random() % 28, 1 + random() % 12,
                          1980 + random() % 100);
            return text;
        case ftTime:
            std::snprintf(text, sizeof text, "%u:%u:%u", random() % 24, random() % 60,
                          random() % 60);
            return text;
        case ftFloat:
        case ftDouble:
            std::snprintf(text, sizeof text, "%.2f", (int(random() % 2000001) - 1000000) / 100.0);
            return text;
        case ftString: {
            static const char kLetters[] =
                "abcdefghijklmnopqrstuvwxyzABCDEFXYZ0123456789_ южнаЮЖНА";
            std::string s;
            const unsigned length = f.size > 1 ? random() % unsigned(f.size) : 0;
            for (unsigned i = 0; i < length; ++i)
                s.push_back(kLetters[random() % (sizeof kLetters - 1)]);
            return s;
        }
        case ftBit:
            return std::to_string(random() % 2);
        case ftEnum:
        case ftEnum8:
            for (int tries = 0; tries < 64 && f.enumCount > 0; ++tries) {
                const char* name = f.enumNames[random() % uint32_t(f.enumCount)];
                if (name != nullptr && name[0] != '\0') return name;
            }
            return "0";
    }
    return "0";
}

// A value that fits its column: the file cuts longer ones, and a record
// must read back as it was written.
std::string fittingValueText(const SSubField& f, std::mt19937& engine) {
    for (int tries = 0; tries < 100; ++tries) {
        std::string text = valueText(f, engine);
        if (text.size() <= size_t(f.displayWidth)) return text;
    }
    return "1";
}

// Fills every table to the share of its capacity. Records are made at
// random, put in key order and inserted in it, as a loaded file inserts
// them. Values of indexed fields follow the key order (the row number) so
// that they are unique and the indexes grow at their end too. Records the
// table refuses (a key made twice, a value an index already holds) are left
// out: tables with small keys hold fewer records than asked.
void fillTables(KSub& database, double share) {
    std::mt19937 random(20061);
    for (int16_t t = 0; t < kTableNumberLimit; ++t) {
        TTrnTabBase* table = database.table(t);
        if (table == nullptr) continue;
        const int32_t count = int32_t(table->capacity() * share);
        const size_t length = size_t(table->recordLength());
        std::vector<std::vector<uint8_t>> records;
        for (int32_t i = 0; i < count; ++i) {
            std::vector<uint8_t> r(length, 0);
            for (int16_t f = 1; f <= table->fieldCount(); ++f)
                table->fieldFromText(f, r.data(),
                                     fittingValueText(*table->field(f), random).c_str());
            records.push_back(std::move(r));
        }
        const SSubField* fields = table->fields();
        const int16_t keys = table->keyFieldCount();
        std::sort(records.begin(), records.end(), [&](const auto& a, const auto& b) {
            return compareKeys(a.data(), b.data(), fields, keys) < 0;
        });
        for (size_t row = 0; row < records.size(); ++row) {
            for (int16_t f = 1; f <= table->fieldCount(); ++f)
                if (table->field(f)->indexTable != nullptr)
                    table->fieldFromText(f, records[row].data(), std::to_string(row).c_str());
            uint8_t conflict = 0;
            database.insertRecord(0, t, records[row].data(), &conflict);
        }
    }
}

long fileSize(const char* name) {
    FILE* f = std::fopen(name, "rb");
    if (f == nullptr) return 0;
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fclose(f);
    return size;
}

// cp's way: read and write through a buffer (of 128 KiB, or of the given
// size) into a file made anew.
void copyFile(const char* from, const char* to, size_t bufferSize = 128 * 1024) {
    const int in = ::open(from, O_RDONLY);
    const int out = ::open(to, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char> buffer(bufferSize > 0 ? bufferSize : 1);
    for (ssize_t n; (n = ::read(in, buffer.data(), buffer.size())) > 0;)
        if (::write(out, buffer.data(), size_t(n)) != n) break;
    ::close(in);
    ::close(out);
}

// The baseline of reading: the file's bytes through one buffer in fread
// calls of 64 KiB.
void readWhole(const char* name) {
    static char buffer[64 * 1024];
    FILE* f = std::fopen(name, "rb");
    while (std::fread(buffer, 1, sizeof buffer, f) == sizeof buffer) {
    }
    std::fclose(f);
}

void clearTables(KSub& database) {
    for (int16_t t = 0; t < kTableNumberLimit; ++t) {
        uint8_t conflict = 0;
        if (database.table(t) != nullptr) database.clearTable(0, t, &conflict);
    }
}

// The database is filled once and saved; then it is cleared and the file
// read back into it, so that reading finds the table storage in memory as
// the running program does (the first touch of never-used pages measures
// the system's page faults, not the reader).
void measure(const char* label, double share) {
    std::vector<double> save, copy, load, read;
    KSub database;
    fillTables(database, share);
    // The saved bytes, put in a file of their own with one write: the copy
    // and both readers take this file, so that how each writer laid its
    // file out in the page cache counts for neither side.
    exportTableContents(&database, "orstate.dat", ',');
    copyFile("orstate.dat", "contents.dat", size_t(fileSize("orstate.dat")));
    for (int i = 0; i < kRuns; ++i) {
        save.push_back(elapsedMs([&] { exportTableContents(&database, "orstate.dat", ','); }));
        copy.push_back(elapsedMs([] { copyFile("contents.dat", "copy.dat"); }));
    }
    int32_t lines = 0;
    for (int i = 0; i < kRuns; ++i) {
        clearTables(database);
        int16_t table = 0;
        int rc = 0;
        load.push_back(elapsedMs(
            [&] { rc = importTableContents(&database, "contents.dat", &lines, &table); }));
        if (rc != 0) std::printf("read stopped: %d at line %d\n", rc, int(lines));
        read.push_back(elapsedMs([] { readWhole("contents.dat"); }));
    }
    const long bytes = fileSize("contents.dat");
    char size[64];
    std::snprintf(size, sizeof size, " %s (%.1f MB, %d lines)", label, bytes / 1e6, int(lines));
    printLine(std::string("state save against read/write copy") + size, medianMs(save),
              medianMs(copy), "ms");
    printLine(std::string("table-contents read against fread") + size, medianMs(load),
              medianMs(read), "ms");
    for (const char* name : {"orstate.dat", "contents.dat", "copy.dat"}) std::remove(name);
}

}  // namespace

int main() {
    char folder[] = "/tmp/kelm-files-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr || ::chdir(folder) != 0) return 1;
    NoSync noSync;
    platform::setFileSync(&noSync);
    std::printf("table files, median of %d runs (syncs to the disk left out on both sides)\n",
                kRuns);
    measure("1x", 0.01);
    measure("10x", 0.1);
    measure("100x", 1.0);
    platform::setFileSync(nullptr);
    ::chdir("/");
    ::rmdir(folder);
    return 0;
}
