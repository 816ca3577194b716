#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace platform {

// A moment of the local (wall) clock, by its calendar fields.
struct LocalTime {
    int32_t year = 1980;
    uint8_t month = 1;  // 1..12
    uint8_t day = 1;    // 1..31
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint16_t millisecond = 0;

    bool operator==(const LocalTime& o) const {
        return year == o.year && month == o.month && day == o.day && hour == o.hour &&
               minute == o.minute && second == o.second && millisecond == o.millisecond;
    }
    bool operator!=(const LocalTime& o) const { return !(*this == o); }
};

// The PC's local clock: read, and set where the process has the right.
class ILocalClock {
public:
    virtual ~ILocalClock() = default;
    virtual LocalTime now() = 0;
    // Sets the local time; false when the system refused (no right) or the
    // time cannot be represented.
    virtual bool set(const LocalTime& time) = 0;
};

// Reads with the C library (localtime_r), sets with clock_settime.
class SystemLocalClock : public ILocalClock {
public:
    LocalTime now() override;
    bool set(const LocalTime& time) override;
};

// Test double: reads give queued readings first, then the current value;
// every set is recorded and becomes the current value.
class TestLocalClock : public ILocalClock {
public:
    LocalTime now() override;
    bool set(const LocalTime& time) override;

    LocalTime current;
    std::deque<LocalTime> readings;  // consumed one per read, before `current`
    std::vector<LocalTime> sets;     // every time set, in order
    std::function<void()> onSet;     // runs inside set(), e.g. to advance a tick source
    bool refuseSet = false;          // set() fails (and records nothing) when true
};

// The clock in use: the system clock unless a test installed another.
ILocalClock& localClock();
// Installs a clock; null restores the system clock. The caller keeps ownership.
void setLocalClock(ILocalClock* clock);

}  // namespace platform
