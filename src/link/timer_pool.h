#pragma once

#include <cstdint>

// The timers run on the program clock.
#include "platform/program_clock.h"

struct STimerEvent {
    int32_t timerId = 0;
    uint8_t data[8] = {};
};

// Base of every timer owner. Destroying it cancels all its armed timers.
class TTimerReceiver {
public:
    TTimerReceiver() = default;
    virtual ~TTimerReceiver();
    TTimerReceiver(const TTimerReceiver&) = delete;
    TTimerReceiver& operator=(const TTimerReceiver&) = delete;

    virtual void onTimer(const STimerEvent* event) = 0;
};

constexpr int kTimerPoolSize = 1000;

// Puts every timer on the free list (999 on top), empties the due list and
// takes the program clock as the tick base.
void initTimers();
// Arms a one-shot timer due `delay` ms from now carrying the 8 data bytes of
// `event` (zeros when null). Returns its id 0..999, or -1 when all are armed.
int setTimer(TTimerReceiver* receiver, uint32_t delay, const STimerEvent* event = nullptr);
// Cancels one armed timer of the receiver: 0, or -1 when it is not its armed timer.
int killTimer(TTimerReceiver* receiver, int id);
// Cancels every armed timer of the receiver.
void killTimers(TTimerReceiver* receiver);
// Fires every timer that is due; called once per poll. Returns how many fired.
int tickTimers();
// Moves the tick base by after - before (time spent setting the system clock
// does not count towards armed timers); returns after - before.
int32_t shiftTimerBase(int32_t before, int32_t after);

// Diagnostics for tests: how many timers are armed, and the deltas of the
// due list in order (up to `max`, returns the count written).
int armedTimerCount();
int dueListDeltas(uint32_t* out, int max);
