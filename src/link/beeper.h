#pragma once

#include <cstdint>

#include "link/timer_pool.h"

// A tone on the PC speaker that a timer of the pool ends: the speaker plays
// on by itself until the timer fires, so beeping never blocks the poll.
class TBeepReceiver : public TTimerReceiver {
public:
    TBeepReceiver() = default;
    // Stops a tone still sounding and cancels its timer.
    ~TBeepReceiver() override;

    // Sounds `frequency` Hz for `duration` ms; a tone already sounding is
    // replaced by the new one. Returns 1 when a tone was sounding, else 0.
    int beep(int32_t frequency, int32_t duration);
    // Ends the tone.
    void onTimer(const STimerEvent* event) override;

    bool isRunning() const { return running != 0; }

private:
    int32_t timerId = -1;
    int32_t running = 0;
    int32_t frequency = 0;
};

// The program's one beeper, for its whole run.
extern TBeepReceiver beeper;
