#include "alarms/signalling_supervision.h"

#include <cstring>
#include <new>
#include <string>

#include "texts/catalogue_message.h"
#include "link/text_lines.h"
#include "utils/bytes.h"
#include "utils/dates.h"

// Notes: every payload is read through ByteReader. A count that announces
// more entries than the payload holds prints the complete entries and stops.

TNadSignReceiver* signallingSupervision = nullptr;
int signallingSupervisionCreated = 0;
SProcessorClock processorClockTable[kCorrelationEntries];
std::int32_t processorClockCount = 0;
SPointLastEvent pointEventTable[kCorrelationEntries];
std::int32_t pointEventCount = 0;

namespace {

constexpr std::uint8_t kTypeSupervisionStream = 139;
constexpr std::size_t kLineSize = 100;       // lines of 99 characters
constexpr std::size_t kEventLineSize = 120;  // event lines of 119
constexpr std::int32_t kResyncLimit = 100;   // hundredths: one second

constexpr int kTextSet = 22167;
constexpr int kTextCancelled = 22175;
constexpr int kTextTotal = 22183;
constexpr int kTextEntry = 22184;
constexpr int kTextEventLine = 26190;
constexpr int kTextAlreadySet = 26647;
constexpr int kTextNoBuffer = 26648;
constexpr int kTextNotOwned = 22176;
constexpr int kTextUnknownEvent = 26138;
constexpr int kTextUndefined = 26119;

// What an event kind shows of its value byte.
enum class EventArg : std::uint8_t { None, Value, LineTestResult, Tone };

struct SEventKind {
    std::uint8_t kind;
    std::int32_t textId;
    EventArg arg;
};

// clang-format off
constexpr SEventKind kEventKinds[] = {
    {0, 26150, EventArg::Value},   {1, 26152, EventArg::None},   {2, 26151, EventArg::None},
    {3, 26153, EventArg::None},    {4, 26154, EventArg::Value},  {5, 26155, EventArg::Value},
    {6, 26156, EventArg::None},    {11, 26157, EventArg::None},  {12, 26158, EventArg::None},
    {13, 26159, EventArg::LineTestResult},                       {14, 26160, EventArg::None},
    {15, 26161, EventArg::None},   {16, 26162, EventArg::None},  {17, 26163, EventArg::None},
    {20, 26164, EventArg::None},   {21, 26165, EventArg::None},  {22, 26166, EventArg::None},
    {30, 26167, EventArg::None},   {31, 26168, EventArg::None},  {32, 26169, EventArg::None},
    {33, 26170, EventArg::None},   {34, 26171, EventArg::None},  {35, 26172, EventArg::None},
    {40, 26173, EventArg::None},   {41, 26174, EventArg::Value}, {42, 26175, EventArg::Value},
    {43, 26176, EventArg::Value},  {44, 26177, EventArg::Value}, {45, 26178, EventArg::Value},
    {46, 26179, EventArg::None},   {47, 26180, EventArg::Value}, {48, 26181, EventArg::Value},
    {50, 26646, EventArg::Tone},   {51, 26644, EventArg::None},  {52, 26645, EventArg::None},
    {60, 26183, EventArg::None},   {61, 26184, EventArg::None},  {62, 26185, EventArg::Value},
    {63, 26186, EventArg::Value},  {64, 26187, EventArg::None},  {200, 26188, EventArg::None},
    {201, 26189, EventArg::None},
};
// Texts chosen by the value: line-test results 0..5, tones 0..17 (0: none).
constexpr std::int32_t kLineTestResults[] = {22596, 22597, 22598, 22599, 22600, 22601};
constexpr std::int32_t kTones[] = {0, 26116, 26111, 26107, 26108, 26109, 26112, 26113, 26115,
                                   26114, 0, 0, 0, 0, 0, 26117, 26110, 26118};
// clang-format on

const SEventKind* findEventKind(std::uint8_t kind) {
    for (const SEventKind& k : kEventKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

template <std::size_t N>
std::int32_t textOfValue(const std::int32_t (&texts)[N], std::uint8_t value) {
    return value < N && texts[value] != 0 ? texts[value] : kTextUndefined;
}

std::int32_t workstationTimeOfDay() {
    STime t;
    getCurrentTime(&t);
    return t.hour * 360000 + t.minute * 6000 + t.second * 100 + t.hundredths;
}

// Moves entry i to the newest end with its new contents; the entries after
// it shift down by one.
template <typename Entry>
void moveToNewest(Entry* table, std::int32_t count, std::int32_t i, const Entry& entry) {
    std::memmove(table + i, table + i + 1, sizeof(Entry) * static_cast<std::size_t>(count - 1 - i));
    table[count - 1] = entry;
}

// Appends an entry, dropping the least recently used one of a full table.
template <typename Entry>
void appendEntry(Entry* table, std::int32_t& count, const Entry& entry) {
    if (count >= kCorrelationEntries) {
        std::memmove(table, table + 1, sizeof(Entry) * (kCorrelationEntries - 1));
        count = kCorrelationEntries - 1;
    }
    table[count++] = entry;
}

template <typename... Args>
void postOperatorMessage(int textId, const Args&... args) {
    char line[kLineSize];
    formatMessage(line, sizeof line, textId, args...);
    postTextLine(kLineLocal, line, kTypeOperator);
}

// Codes 211, 212 and 215-217: one line naming the processor and the point.
void reportPoint(int textId, std::uint16_t processor, ByteReader in) {
    const std::int32_t point = in.i32le();
    if (!in.ok()) return;
    postOperatorMessage(textId, processor, point);
}

void printSupervisedPoints(std::uint16_t processor, ByteReader in) {
    const std::uint8_t flag = in.u8();
    if (flag == 1) {
        const std::int16_t total = in.i16le();
        if (!in.ok()) return;
        postOperatorMessage(kTextTotal, processor, total);
    }
    const std::uint8_t count = in.u8();
    for (int i = 0; i < count; ++i) {
        const std::int32_t point = in.i32le();
        in.skip(1);
        const std::uint16_t terminal = in.u16le();
        if (!in.ok()) return;
        postOperatorMessage(kTextEntry, point, static_cast<std::uint32_t>(terminal));
    }
}

void printEvents(std::uint16_t processor, ByteReader in) {
    const std::uint8_t count = in.u8();
    for (int i = 0; i < count; ++i) {
        const std::uint8_t kind = in.u8();
        const std::uint8_t value = in.u8();
        const std::int32_t point = in.i32le();
        const std::int32_t processorTime = in.i32le();
        if (!in.ok()) return;
        const std::int32_t elapsed = correlateEventTime(processor, point, processorTime);

        std::string args = std::to_string(processor) + "$" + std::to_string(point) + "$" +
                           std::to_string(elapsed) + "$";
        const SEventKind* k = findEventKind(kind);
        args += std::to_string(k != nullptr ? k->textId : kTextUnknownEvent);
        switch (k != nullptr ? k->arg : EventArg::None) {
            case EventArg::None:
                break;
            case EventArg::Value:
                args += "$" + std::to_string(value);
                break;
            case EventArg::LineTestResult:
                args += "$" + std::to_string(textOfValue(kLineTestResults, value));
                break;
            case EventArg::Tone:
                args += "$" + std::to_string(textOfValue(kTones, value));
                break;
        }
        if (args.size() > kEventLineSize - 1) args.resize(kEventLineSize - 1);
        char line[kEventLineSize];
        formatMessageFromCoded(line, sizeof line, kTextEventLine, args.c_str());
        postTextLine(kLineLocal, line, kTypeSupervisionStream);
    }
}

}  // namespace

std::int32_t syncProcessorTime(std::uint16_t processor, std::int32_t processorTime) {
    const std::int32_t now = workstationTimeOfDay();
    for (std::int32_t i = processorClockCount - 1; i >= 0; --i) {
        if (processorClockTable[i].processor != processor) continue;
        SProcessorClock entry = processorClockTable[i];
        // 64 bits: a wild processor time must not overflow the sum.
        const std::int64_t corrected = std::int64_t(processorTime) + entry.offset;
        std::int32_t result = static_cast<std::int32_t>(corrected);
        if (corrected - now > kResyncLimit || now - corrected > kResyncLimit ||
            corrected > kHundredthsPerDay - 1 || corrected < 0) {
            entry.offset = static_cast<std::int32_t>(std::int64_t(now) - processorTime);
            result = now;
        }
        moveToNewest(processorClockTable, processorClockCount, i, entry);
        return result;
    }
    appendEntry(processorClockTable, processorClockCount,
                {processor, static_cast<std::int32_t>(std::int64_t(now) - processorTime)});
    return now;
}

std::int32_t elapsedForConnectionPoint(std::int32_t correctedTime, std::int32_t point) {
    for (std::int32_t i = pointEventCount - 1; i >= 0; --i) {
        if (pointEventTable[i].point != point) continue;
        const std::int64_t elapsed = std::int64_t(correctedTime) - pointEventTable[i].lastTime;
        moveToNewest(pointEventTable, pointEventCount, i, {point, correctedTime});
        return elapsed < 0 ? 0 : static_cast<std::int32_t>(elapsed);
    }
    appendEntry(pointEventTable, pointEventCount, {point, correctedTime});
    return 0;
}

std::int32_t correlateEventTime(std::uint16_t processor, std::int32_t point,
                                std::int32_t processorTime) {
    return elapsedForConnectionPoint(syncProcessorTime(processor, processorTime), point);
}

TNadSignReceiver::TNadSignReceiver() : TMessageReceiver(kTypeSupervisionStream) {
    for (std::uint8_t code = kSupervisionSet; code <= kSupervisionNotOwned; ++code)
        addCodeFilter(code);
    active = 1;
}

TNadSignReceiver::~TNadSignReceiver() {
    killTimers(this);
}

void TNadSignReceiver::onMessage(std::uint8_t type, std::uint16_t key, std::uint8_t code,
                                 const std::uint8_t* payload, int length) {
    if (type != kTypeSupervisionStream || payload == nullptr || length < 1 ||
        length > kSupervisionMaxPayload)
        return;
    // A copy of its own: the lines posted below run other receivers.
    std::uint8_t buffer[kSupervisionMaxPayload];
    std::memcpy(buffer, payload, static_cast<std::size_t>(length));
    const ByteReader in(buffer, static_cast<std::size_t>(length));
    switch (code) {
        case kSupervisionSet:
            return reportPoint(kTextSet, key, in);
        case kSupervisionCancelled:
            return reportPoint(kTextCancelled, key, in);
        case kSupervisedPoints:
            return printSupervisedPoints(key, in);
        case kSupervisionEvents:
            return printEvents(key, in);
        case kSupervisionAlreadySet:
            return reportPoint(kTextAlreadySet, key, in);
        case kSupervisionNoBuffer:
            return reportPoint(kTextNoBuffer, key, in);
        case kSupervisionNotOwned:
            return reportPoint(kTextNotOwned, key, in);
    }
}

int createSignallingSupervision() {
    if (signallingSupervisionCreated) destroySignallingSupervision();
    signallingSupervision = new (std::nothrow) TNadSignReceiver();
    if (signallingSupervision == nullptr) return -1;
    signallingSupervisionCreated = 1;
    return 0;
}

void destroySignallingSupervision() {
    delete signallingSupervision;
    signallingSupervision = nullptr;
    signallingSupervisionCreated = 0;
}
