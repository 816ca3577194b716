#pragma once

#include <cstdint>

// Day numbers (1 January 1980 is day 1, every fourth year a leap year) and
// second counts, as date and time fields hold them.
namespace subdate {

int32_t dayNumberOf(int32_t year, int month, int day);
void dateOfDayNumber(int32_t dayNumber, int32_t* year, int* month, int* day);
// Hours rounded down; minutes and seconds from the non-negative remainder.
void splitSeconds(int32_t seconds, int32_t* hours, int* minutes, int* secs);

}  // namespace subdate
