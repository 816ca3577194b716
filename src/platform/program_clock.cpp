#include "platform/program_clock.h"

#include "platform/tick.h"

namespace {

uint32_t clockStart = 0;
bool clockStarted = false;
ClockSetListener clockSetListener = nullptr;

}  // namespace

int32_t programClock() {
    if (!clockStarted) resetProgramClock();
    return static_cast<int32_t>(platform::tickSource().milliseconds() - clockStart);
}

void resetProgramClock() {
    clockStart = platform::tickSource().milliseconds();
    clockStarted = true;
}

void setClockSetListener(ClockSetListener listener) {
    clockSetListener = listener;
}

void setLocalClock(const platform::LocalTime& time) {
    const int32_t before = programClock();
    platform::localClock().set(time);
    const int32_t after = programClock();
    if (clockSetListener != nullptr) clockSetListener(before, after);
}
