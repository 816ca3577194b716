#include "link/beeper.h"

#include "platform/speaker.h"

TBeepReceiver beeper;

TBeepReceiver::~TBeepReceiver() {
    if (running) platform::speaker().tone(frequency, 0);
    killTimers(this);
}

int TBeepReceiver::beep(int32_t hz, int32_t duration) {
    const int wasRunning = running;
    if (running && timerId >= 0) killTimer(this, timerId);
    frequency = hz;
    timerId = setTimer(this, duration > 0 ? static_cast<uint32_t>(duration) : 0u);
    if (timerId < 0) {
        // No timer to end a continuous tone: let the speaker time it instead.
        running = 0;
        platform::speaker().tone(frequency, duration);
        return wasRunning;
    }
    running = 1;
    platform::speaker().tone(frequency, -1);
    return wasRunning;
}

void TBeepReceiver::onTimer(const STimerEvent*) {
    timerId = -1;
    platform::speaker().tone(frequency, 0);
    running = 0;
}
