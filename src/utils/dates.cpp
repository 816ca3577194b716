#include "utils/dates.h"

#include "platform/local_clock.h"
#include "platform/program_clock.h"

namespace {

// Days before each month of a common year, by month 1..12; 13 is "after December".
constexpr int kDaysBefore[14] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
constexpr uint8_t kDaysIn[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int daysBefore(uint8_t month) {
    return kDaysBefore[month > 13 ? 13 : month];
}

int daysInMonth(int32_t year, uint8_t month) {
    if (month < 1 || month > 12) return 0;
    return kDaysIn[month] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

int64_t floorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

platform::LocalTime readClock() {
    return platform::localClock().now();
}

void putDate(platform::LocalTime* t, const SDate& d) {
    t->year = d.year;
    t->month = d.month;
    t->day = d.day;
}

void putTime(platform::LocalTime* t, const STime& tm) {
    t->hour = tm.hour;
    t->minute = tm.minute;
    t->second = tm.second;
    t->millisecond = static_cast<uint16_t>(tm.hundredths * 10);
}

}  // namespace

bool isLeapYear(int32_t year) {
    return year % 4 == 0;
}

int dayOfYear(int32_t year, uint8_t month, uint8_t day) {
    return day + daysBefore(month) + (isLeapYear(year) && month > 2 ? 1 : 0);
}

int32_t dayNumberOf(int32_t year, uint8_t month, uint8_t day) {
    const int64_t years = static_cast<int64_t>(year) - 1980;
    // The middle term counts the leap years from 1980 up to the year before.
    const int64_t n = 365 * years + (years + 3) / 4 + dayOfYear(year, month, day);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(n)));
}

void dateOfDayNumber(int32_t* year, uint8_t* month, uint8_t* day, uint32_t dayNumber) {
    // Whole four-year cycles from 1 January 1980 (a leap year first), then the
    // year within the cycle and the day within that year (1..366).
    const int64_t sinceStart = static_cast<int64_t>(dayNumber) - 1;
    const int64_t cycles = floorDiv(sinceStart, 1461);
    int64_t rest = sinceStart - cycles * 1461;
    int64_t y = 0;
    if (rest >= 366) {
        rest -= 366;
        y = 1 + rest / 365;
        rest %= 365;
    }
    const int32_t yr = static_cast<int32_t>(1980 + 4 * cycles + y);
    const int r = static_cast<int>(rest) + 1;
    const int leap = isLeapYear(yr) ? 1 : 0;

    // The first month whose following month has at least r days before it.
    uint8_t m = 1;
    while (m <= 12 && kDaysBefore[m + 1] < r) ++m;
    int d = r - kDaysBefore[m] - (m > 2 ? leap : 0);
    if (d < 1) {  // a leap-year day fell one month too late
        --m;
        d = daysInMonth(yr, m);
    }
    if (year) *year = yr;
    if (month) *month = m;
    if (day) *day = static_cast<uint8_t>(d);
}

int32_t* makeDayNumber(int32_t* out, uint8_t day, uint8_t month, int32_t year) {
    *out = dayNumberOf(year, month, day);
    return out;
}

void splitDayNumber(const int32_t* dayNumber, uint8_t* day, uint8_t* month, int32_t* year) {
    dateOfDayNumber(year, month, day, static_cast<uint32_t>(*dayNumber));
}

int32_t dayNumberOfDate(int32_t* out, SDate date) {
    *out = dayNumberOf(date.year, date.month, date.day);
    return *out;
}

int32_t yearOfDayNumber(const uint32_t* dayNumber) {
    int32_t year = 0;
    dateOfDayNumber(&year, nullptr, nullptr, *dayNumber);
    return year;
}

uint8_t monthOfDayNumber(const uint32_t* dayNumber) {
    uint8_t month = 0;
    dateOfDayNumber(nullptr, &month, nullptr, *dayNumber);
    return month;
}

uint8_t dayOfDayNumber(const uint32_t* dayNumber) {
    uint8_t day = 0;
    dateOfDayNumber(nullptr, nullptr, &day, *dayNumber);
    return day;
}

void splitSeconds(const int32_t* seconds, int32_t* hours, uint8_t* minutes, uint8_t* secondsOut) {
    const int64_t count = *seconds;
    const int64_t h = floorDiv(count, 3600);
    const int64_t rest = count - h * 3600;  // 0..3599
    if (hours) *hours = static_cast<int32_t>(h);
    if (minutes) *minutes = static_cast<uint8_t>(rest / 60);
    if (secondsOut) *secondsOut = static_cast<uint8_t>(rest % 60);
}

int32_t hoursOfSeconds(const int32_t* seconds) {
    int32_t h = 0;
    splitSeconds(seconds, &h, nullptr, nullptr);
    return h;
}

uint8_t minutesOfSeconds(const int32_t* seconds) {
    uint8_t m = 0;
    splitSeconds(seconds, nullptr, &m, nullptr);
    return m;
}

uint8_t secondsOfSeconds(const int32_t* seconds) {
    uint8_t s = 0;
    splitSeconds(seconds, nullptr, nullptr, &s);
    return s;
}

bool isValidDate(const SDate& date) {
    return date.year >= 1980 && date.year <= 2099 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

bool isValidTime(const STime& time) {
    return time.hour <= 23 && time.minute <= 59 && time.second <= 59 && time.hundredths <= 99;
}

void getCurrentDate(SDate* date) {
    const platform::LocalTime t = readClock();
    date->day = t.day;
    date->month = t.month;
    date->year = t.year;
}

void getCurrentTime(STime* time) {
    const platform::LocalTime t = readClock();
    time->hour = t.hour;
    time->minute = t.minute;
    time->second = t.second;
    time->hundredths = static_cast<uint8_t>(t.millisecond / 10);
}

void getCurrentDateTime(SDateTime* dateTime) {
    getCurrentDate(&dateTime->date);
    getCurrentTime(&dateTime->time);
    SDate again;
    getCurrentDate(&again);
    if (again.day != dateTime->date.day || again.month != dateTime->date.month ||
        again.year != dateTime->date.year) {
        // Midnight passed between the readings: read both once more.
        getCurrentDate(&dateTime->date);
        getCurrentTime(&dateTime->time);
    }
}

void setSystemDate(SDate date) {
    if (!isValidDate(date)) return;
    platform::LocalTime t = readClock();
    putDate(&t, date);
    setLocalClock(t);  // the time it takes is left out of the timers
}

void setSystemTime(STime time) {
    if (!isValidTime(time)) return;
    platform::LocalTime t = readClock();
    putTime(&t, time);
    setLocalClock(t);  // the time it takes is left out of the timers
}

void setSystemDateTime(SDateTime dateTime) {
    if (!isValidDate(dateTime.date) || !isValidTime(dateTime.time)) return;
    setSystemTime(dateTime.time);
    setSystemDate(dateTime.date);
}
