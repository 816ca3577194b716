#pragma once

#include <cstdint>

#include "link/message_bus.h"
#include "link/timer_pool.h"

// Signalling supervision: the regional processors' answers to supervision
// commands (type 139, codes 211-217). Confirmations, lists and refusals
// become operator messages; each observed signalling event becomes one line
// of the supervision report stream with the time since the previous event
// of its connection point.

constexpr std::uint8_t kSupervisionSet = 211;
constexpr std::uint8_t kSupervisionCancelled = 212;
constexpr std::uint8_t kSupervisedPoints = 213;
constexpr std::uint8_t kSupervisionEvents = 214;
constexpr std::uint8_t kSupervisionAlreadySet = 215;
constexpr std::uint8_t kSupervisionNoBuffer = 216;
constexpr std::uint8_t kSupervisionNotOwned = 217;
// The longest payload taken; longer ones are ignored.
constexpr int kSupervisionMaxPayload = 260;

class TNadSignReceiver : public TMessageReceiver, public TTimerReceiver {
public:
    TNadSignReceiver();
    ~TNadSignReceiver() override;
    void onMessage(std::uint8_t type, std::uint16_t key, std::uint8_t code,
                   const std::uint8_t* payload, int length) override;
    // Never armed.
    void onTimer(const STimerEvent*) override {}
};

extern TNadSignReceiver* signallingSupervision;
extern int signallingSupervisionCreated;

// Start step: (re)creates the receiver; 0, or -1 when it cannot be created.
int createSignallingSupervision();
// Stop step.
void destroySignallingSupervision();

// Time correlation. Times of day are hundredths of a second since midnight
// (0..8,639,999). Both tables keep at most 100 entries, least recently used
// first, for the program's life.
constexpr int kCorrelationEntries = 100;
constexpr std::int32_t kHundredthsPerDay = 8640000;

struct SProcessorClock {
    std::uint16_t processor;
    std::int32_t offset;
};
struct SPointLastEvent {
    std::int32_t point;
    std::int32_t lastTime;
};

extern SProcessorClock processorClockTable[kCorrelationEntries];
extern std::int32_t processorClockCount;
extern SPointLastEvent pointEventTable[kCorrelationEntries];
extern std::int32_t pointEventCount;

// The processor's time mapped onto the workstation's clock; the mapping is
// taken afresh when it is new or off by more than a second.
std::int32_t syncProcessorTime(std::uint16_t processor, std::int32_t processorTime);
// Hundredths since the point's previous event (0 for its first, and for one
// that seems earlier than it).
std::int32_t elapsedForConnectionPoint(std::int32_t correctedTime, std::int32_t point);
std::int32_t correlateEventTime(std::uint16_t processor, std::int32_t point,
                                std::int32_t processorTime);
