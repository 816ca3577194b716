#pragma once

#include <cstdint>

#include "platform/local_clock.h"

// The program clock: milliseconds since program start, from the tick source.
int32_t programClock();
// Takes the current tick as the program's start (called once by main; tests
// call it after installing their tick source).
void resetProgramClock();

// Told the program clock before and after the local clock was set, so that
// armed timers leave out the time the setting took. The timer pool installs
// itself when it starts; null tells nobody.
using ClockSetListener = void (*)(int32_t before, int32_t after);
void setClockSetListener(ClockSetListener listener);
// Sets the local clock (platform::localClock(); a refusal of the system is
// not reported) and tells the listener how long it took.
void setLocalClock(const platform::LocalTime& time);
