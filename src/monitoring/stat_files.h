#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "commands/param_records.h"
#include "link/message_bus.h"

// Statistics files: the call records of one statistics case that the
// exchange transfers in blocks (message type 142), stored as they come in
// "ppn/stat%03d.dat", and the layout of their records for the readers.

constexpr uint8_t kTypeStatistics = 142;
constexpr uint8_t kStatCodeOpen = 32;
constexpr uint8_t kStatCodeBlock = 33;
constexpr uint8_t kStatCodeEnd = 34;
constexpr uint8_t kStatCodeAnswer = 35;
constexpr uint8_t kStatCodeChecksum = 36;

constexpr int kStatRecordSize = 169;
constexpr int kStatEventAreaSize = 150;
constexpr int kStatEventKinds = 42;
// Kinds the table review and the reports accept; the full review shows all.
constexpr int kStatTableEventKinds = 37;

// "ppn/stat007.dat" for case 7.
std::string statFileName(uint8_t statCase);

// One call record of a statistics file.
struct SStatCallRecord {
    int16_t callNumber = 0;  // negative: a time mark, of which only timeOfDay counts
    uint8_t reserved[11] = {};
    uint8_t events[kStatEventAreaSize] = {};
    uint8_t eventBytes = 0;  // bytes of the event area in use
    int32_t timeOfDay = 0;   // seconds since midnight of the last event
    uint8_t marker = 0;
    bool isTimeMark() const { return callNumber < 0; }
};

// Decodes the 169 bytes at `bytes`; false when fewer are given.
bool decodeStatCallRecord(const uint8_t* bytes, size_t length, SStatCallRecord& out);

// One event item of a record's event area.
struct SStatEvent {
    int8_t kind = 0;
    bool hasDelta = false;
    int16_t delta = 0;                // seconds since the previous event of the call
    const uint8_t* values = nullptr;  // inside the record's event area
    uint8_t valueBytes = 0;
};

// Walks the event items of a record. next() is false at the end of the area
// in use, and also at an item that is too short for its kind byte and delta
// or runs past that end (bad() then tells it), or when eventBytes is above 150.
class StatEventReader {
public:
    explicit StatEventReader(const SStatCallRecord& record);
    bool next(SStatEvent& event);
    bool bad() const { return bad_; }

private:
    const SStatCallRecord& record_;
    int position_ = 0;
    bool bad_ = false;
};

// The catalogue text of an event kind 0..41 (its display template, which also
// fixes the layout of its values); 0 for any other kind.
int32_t statEventTextId(int kind);

// One value of an event item, read by a conversion of its kind's template.
// An array (%a) gives a value 'a' holding its count, then its elements.
struct SStatValue {
    char conversion = 0;  // 'c' 'h' 'l' 'd' 's' or 'a'
    int32_t integer = 0;  // c (unsigned byte), h, l, and the count of a
    double real = 0.0;    // d
    std::string text;     // s
};

// The values of an event in the order of its template. False for a kind
// without a template, and for values that run past the item, a text without
// its terminating zero or a negative array count (the values read before
// stay in `values`).
bool readStatEventValues(const SStatEvent& event, std::vector<SStatValue>& values);

// The time of every event of the record, seconds since midnight: the last
// event is at timeOfDay, each earlier one its successors' deltas before it.
// False when the event area is bad (the times of the items read before kept),
// and, with no times given, when a time does not fit 32 bits.
bool statEventTimes(const SStatCallRecord& record, std::vector<int32_t>& times);

// Receiver of a statistics file transfer: opens the case's file on code 32,
// writes the blocks of code 33 in sequence, keeps the checksum of code 36 and
// compares it at the end (code 34); codes 32 and 33 are answered with 35.
class TStatFileReceiver : public TMessageReceiver {
public:
    TStatFileReceiver();
    ~TStatFileReceiver() override;
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;

    uint8_t receiving = 0;
    int32_t expectedBlock = 0;
    FILE* file = nullptr;
    uint32_t runningCrc = 0;
    uint32_t announcedCrc = 0;

private:
    void openCase(const uint8_t* payload, size_t length);
    void writeBlock(const uint8_t* payload, size_t length);
    void endFile();
    void closeFile();
    void abandonTransfer();
    void answer(uint16_t destination);

    std::string fileName_;
};

extern TStatFileReceiver* statFileReceiver;

// Start step: makes the folder "ppn" and the receiver; 0.
int createStatFileReceiver();
// Stop step: an open file is closed as far as it was received.
void destroyStatFileReceiver();

// Command 5569: deletes the case's file and tells the operator how it went.
void deleteStatisticsFile(const SParamsStatBris& params);
