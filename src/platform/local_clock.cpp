#include "platform/local_clock.h"

#include <time.h>

namespace platform {

LocalTime SystemLocalClock::now() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm parts{};
    const time_t seconds = ts.tv_sec;
    localtime_r(&seconds, &parts);
    LocalTime t;
    t.year = parts.tm_year + 1900;
    t.month = static_cast<uint8_t>(parts.tm_mon + 1);
    t.day = static_cast<uint8_t>(parts.tm_mday);
    t.hour = static_cast<uint8_t>(parts.tm_hour);
    t.minute = static_cast<uint8_t>(parts.tm_min);
    t.second = static_cast<uint8_t>(parts.tm_sec > 59 ? 59 : parts.tm_sec);  // leap second
    t.millisecond = static_cast<uint16_t>(ts.tv_nsec / 1000000);
    return t;
}

bool SystemLocalClock::set(const LocalTime& time) {
    tm parts{};
    parts.tm_year = time.year - 1900;
    parts.tm_mon = time.month - 1;
    parts.tm_mday = time.day;
    parts.tm_hour = time.hour;
    parts.tm_min = time.minute;
    parts.tm_sec = time.second;
    parts.tm_isdst = -1;  // the zone's rules decide
    const time_t seconds = mktime(&parts);
    if (seconds == static_cast<time_t>(-1)) return false;
    timespec ts{};
    ts.tv_sec = seconds;
    ts.tv_nsec = (time.millisecond % 1000) * 1000000;
    // Without the right to set the clock this fails; the caller stays quiet.
    return clock_settime(CLOCK_REALTIME, &ts) == 0;
}

LocalTime TestLocalClock::now() {
    if (readings.empty()) return current;
    const LocalTime t = readings.front();
    readings.pop_front();
    return t;
}

bool TestLocalClock::set(const LocalTime& time) {
    if (onSet) onSet();
    if (refuseSet) return false;
    sets.push_back(time);
    current = time;
    return true;
}

namespace {
SystemLocalClock systemClock;
ILocalClock* currentClock = &systemClock;
}  // namespace

ILocalClock& localClock() {
    return *currentClock;
}

void setLocalClock(ILocalClock* clock) {
    currentClock = clock ? clock : &systemClock;
}

}  // namespace platform
