#pragma once

#include <cstdint>

// Calendar days are counted as day numbers: 1 January 1980 is day 1. The
// conversions are exact for 1980..2099 (every fourth year a leap year) and
// give a defined result for any other input.

struct SDate {
    uint8_t day = 1;    // 1..31
    uint8_t month = 1;  // 1..12
    int32_t year = 1980;
};

struct STime {
    uint8_t hundredths = 0;  // 0..99
    uint8_t second = 0;
    uint8_t minute = 0;
    uint8_t hour = 0;  // 0..23
};

struct SDateTime {
    SDate date;
    STime time;
};

bool isLeapYear(int32_t year);
// Day within the year, 1 for 1 January.
int dayOfYear(int32_t year, uint8_t month, uint8_t day);
int32_t dayNumberOf(int32_t year, uint8_t month, uint8_t day);
// The inverse of dayNumberOf: day 1 is 1 January 1980, day 0 31 December 1979.
void dateOfDayNumber(int32_t* year, uint8_t* month, uint8_t* day, uint32_t dayNumber);

int32_t* makeDayNumber(int32_t* out, uint8_t day, uint8_t month, int32_t year);
void splitDayNumber(const int32_t* dayNumber, uint8_t* day, uint8_t* month, int32_t* year);
int32_t dayNumberOfDate(int32_t* out, SDate date);
int32_t yearOfDayNumber(const uint32_t* dayNumber);
uint8_t monthOfDayNumber(const uint32_t* dayNumber);
uint8_t dayOfDayNumber(const uint32_t* dayNumber);

// A signed count of seconds as hours (rounded down, so negative for a negative
// count), minutes and seconds of the non-negative remainder.
void splitSeconds(const int32_t* seconds, int32_t* hours, uint8_t* minutes, uint8_t* secondsOut);
int32_t hoursOfSeconds(const int32_t* seconds);
uint8_t minutesOfSeconds(const int32_t* seconds);
uint8_t secondsOfSeconds(const int32_t* seconds);

// Whether the clock may be set to this: year 1980..2099, a day of the month,
// hour <= 23, minute and second <= 59, hundredths <= 99.
bool isValidDate(const SDate& date);
bool isValidTime(const STime& time);

// The PC's local date and time (platform::localClock()).
void getCurrentDate(SDate* date);
void getCurrentTime(STime* time);
// Date and time of the same day: read again when midnight passed between them.
void getCurrentDateTime(SDateTime* dateTime);

// Set the PC clock's date or time, keeping the other part. Invalid values are
// ignored, and so is a refusal of the system. The time spent setting is taken
// out of the timer pool's count (setLocalClock).
void setSystemDate(SDate date);
void setSystemTime(STime time);
// Time first, then date; nothing is set unless both are valid.
void setSystemDateTime(SDateTime dateTime);
