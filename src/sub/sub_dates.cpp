#include "sub/sub_dates.h"

namespace subdate {
namespace {

const int kDaysBefore[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

bool isLeap(int64_t year) {
    return year % 4 == 0;
}

int64_t floorDiv(int64_t a, int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

int32_t dayNumberOf(int32_t year, int month, int day) {
    if (month < 1 || month > 12) return 0;
    const int64_t y = int64_t(year) - 1980;
    int64_t n = 365 * y + floorDiv(y + 3, 4) + kDaysBefore[month - 1] + day;
    if (isLeap(year) && month > 2) ++n;
    return static_cast<int32_t>(n);
}

void dateOfDayNumber(int32_t dayNumber, int32_t* year, int* month, int* day) {
    const int64_t n = dayNumber;
    int64_t a = floorDiv(n, 365);
    int64_t b = 365 * a + floorDiv(a + 3, 4);  // day number of the last day of the year before
    if (n <= b) {
        --a;
        b -= 365;
        if (isLeap(1980 + a)) --b;
    }
    const int64_t y = 1980 + a;
    const int64_t r = n - b;  // day of the year, 1..366
    int m = 1;
    while (m < 12 && kDaysBefore[m] < r) ++m;
    int64_t d = r - kDaysBefore[m - 1] - (isLeap(y) && m > 2 ? 1 : 0);
    if (d < 1) {  // a leap-year day fell one month too late
        --m;
        d = r - kDaysBefore[m - 1] - (isLeap(y) && m > 2 ? 1 : 0);
    }
    *year = static_cast<int32_t>(y);
    *month = m;
    *day = static_cast<int>(d);
}

void splitSeconds(int32_t seconds, int32_t* hours, int* minutes, int* secs) {
    const int64_t h = floorDiv(seconds, 3600);
    const int64_t rest = int64_t(seconds) - h * 3600;
    *hours = static_cast<int32_t>(h);
    *minutes = static_cast<int>(rest / 60);
    *secs = static_cast<int>(rest % 60);
}

}  // namespace subdate
