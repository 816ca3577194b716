#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Fuzz targets: each a plain function over the bytes of one input that feeds
// them to the real parser of one entry point and checks what it can (nothing
// read past the input, round trips where they exist). The sanitizers catch
// the rest. afl-fuzz runs them through afl/afl_driver.cc; the tests of this
// folder replay every file of corpus/<name>/ through its target.
//
// Targets work in the current directory, which the caller makes a fresh
// scratch folder, and leave no global state behind them.

using TFuzzFunction = void (*)(const uint8_t* data, size_t size);

struct SFuzzTarget {
    const char* name;  // also the folder of its corpus
    TFuzzFunction run;
};

// Every target, ended by {nullptr, nullptr}.
extern const SFuzzTarget fuzzTargets[];
const SFuzzTarget* findFuzzTarget(const char* name);

// A broken invariant: says which and aborts, which both afl-fuzz and the
// tests see as a crash.
#define FUZZ_CHECK(condition)                                                          \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", __FILE__, __LINE__, \
                         #condition);                                                  \
            std::abort();                                                              \
        }                                                                              \
    } while (0)

class KSub;
class KSubNotifier;
// A database of all tables for one run, emptied of the previous run's
// records, locks and transactions (a new one per run costs more than the
// run), with its notifier; `which` 0 or 1 gives two separate ones.
KSub& emptiedDatabase(int which);
KSubNotifier& emptiedDatabaseNotifier(int which);

void fuzzLinkFrame(const uint8_t* data, size_t size);
void fuzzCardBlock(const uint8_t* data, size_t size);
void fuzzCodedMessage(const uint8_t* data, size_t size);
void fuzzMmlStatement(const uint8_t* data, size_t size);
void fuzzMmlScript(const uint8_t* data, size_t size);
void fuzzIniFile(const uint8_t* data, size_t size);
void fuzzTableContents(const uint8_t* data, size_t size);
void fuzzReplication(const uint8_t* data, size_t size);
void fuzzRecordFile(const uint8_t* data, size_t size);
void fuzzHtmlToText(const uint8_t* data, size_t size);
void fuzzIsup(const uint8_t* data, size_t size);
void fuzzLineTest(const uint8_t* data, size_t size);
void fuzzAlarmRows(const uint8_t* data, size_t size);
void fuzzStatFile(const uint8_t* data, size_t size);
void fuzzWatchFile(const uint8_t* data, size_t size);
