#include <climits>

#include <gtest/gtest.h>

#include "link/timer_pool.h"
#include "platform/local_clock.h"
#include "platform/tick.h"
#include "utils/dates.h"

namespace {

struct DayCase {
    int32_t year;
    uint8_t month, day;
    int32_t number;
};

const DayCase kDays[] = {
    {1979, 12, 31, 0},    {1980, 1, 1, 1},       {1980, 2, 28, 59},   {1980, 2, 29, 60},
    {1980, 3, 1, 61},     {1980, 12, 31, 366},   {1981, 1, 1, 367},   {1981, 3, 1, 426},
    {1983, 12, 31, 1461}, {1984, 2, 29, 1521},   {2000, 2, 29, 7365}, {2000, 3, 1, 7366},
    {2006, 7, 15, 9693},  {2099, 12, 31, 43830},
};

TEST(DayNumbers, KnownDates) {
    for (const DayCase& c : kDays) {
        EXPECT_EQ(dayNumberOf(c.year, c.month, c.day), c.number) << c.year << "-" << int(c.month);
        int32_t year = 0;
        uint8_t month = 0, day = 0;
        dateOfDayNumber(&year, &month, &day, static_cast<uint32_t>(c.number));
        EXPECT_EQ(year, c.year) << c.number;
        EXPECT_EQ(month, c.month) << c.number;
        EXPECT_EQ(day, c.day) << c.number;
    }
}

// Every day of the supported range follows the one before and converts back.
TEST(DayNumbers, EveryDayOfTheRangeRoundTrips) {
    int32_t prevYear = 1979;
    uint8_t prevMonth = 12, prevDay = 31;
    for (uint32_t n = 1; n <= 43830; ++n) {
        int32_t year = 0;
        uint8_t month = 0, day = 0;
        dateOfDayNumber(&year, &month, &day, n);
        ASSERT_EQ(dayNumberOf(year, month, day), static_cast<int32_t>(n)) << n;
        const bool nextDay = year == prevYear && month == prevMonth && day == prevDay + 1;
        const bool nextMonth = year == prevYear && month == prevMonth + 1 && day == 1;
        const bool nextYear = year == prevYear + 1 && month == 1 && day == 1 && prevMonth == 12;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << n;
        ASSERT_TRUE(isValidDate(SDate{day, month, year})) << n;
        prevYear = year;
        prevMonth = month;
        prevDay = day;
    }
}

// Any input gives a defined result: no table is read out of range (the
// sanitizers watch) and the date is a real one.
TEST(DayNumbers, ExtremeInputsStayDefined) {
    for (uint32_t n : {0u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
        int32_t year = 0;
        uint8_t month = 0, day = 0;
        dateOfDayNumber(&year, &month, &day, n);
        EXPECT_GE(month, 1) << n;
        EXPECT_LE(month, 12) << n;
        EXPECT_GE(day, 1) << n;
        EXPECT_LE(day, 31) << n;
    }
    for (int32_t year : {INT32_MIN, -1, 0, 1980, INT32_MAX})
        for (int month : {0, 1, 2, 3, 12, 13, 14, 255}) {
            dayNumberOf(year, static_cast<uint8_t>(month), 255);
            dayOfYear(year, static_cast<uint8_t>(month), 0);
        }
    EXPECT_EQ(dayOfYear(1981, 13, 1), 366);  // past December: the whole year before
    EXPECT_EQ(dayOfYear(1981, 0, 1), 1);
}

TEST(DayNumbers, Wrappers) {
    int32_t n = 0;
    EXPECT_EQ(makeDayNumber(&n, 1, 3, 2000), &n);
    EXPECT_EQ(n, 7366);
    EXPECT_EQ(dayNumberOfDate(&n, SDate{29, 2, 1980}), 60);
    EXPECT_EQ(n, 60);

    const int32_t signedNumber = 7365;
    uint8_t day = 0, month = 0;
    int32_t year = 0;
    splitDayNumber(&signedNumber, &day, &month, &year);
    EXPECT_EQ(day, 29);
    EXPECT_EQ(month, 2);
    EXPECT_EQ(year, 2000);

    const uint32_t number = 366;
    EXPECT_EQ(yearOfDayNumber(&number), 1980);
    EXPECT_EQ(monthOfDayNumber(&number), 12);
    EXPECT_EQ(dayOfDayNumber(&number), 31);
}

struct SecondsCase {
    int32_t count;
    int32_t hours;
    uint8_t minutes, seconds;
};

const SecondsCase kSeconds[] = {
    {0, 0, 0, 0},
    {59, 0, 0, 59},
    {3661, 1, 1, 1},
    {-1, -1, 59, 59},
    {-61, -1, 58, 59},
    {-3600, -1, 0, 0},
    {-3601, -2, 59, 59},
    {86399, 23, 59, 59},
    {INT32_MAX, 596523, 14, 7},
    {INT32_MIN, -596524, 45, 52},
};

TEST(Seconds, SplitRoundsHoursDown) {
    for (const SecondsCase& c : kSeconds) {
        int32_t h = 0;
        uint8_t m = 0, s = 0;
        splitSeconds(&c.count, &h, &m, &s);
        EXPECT_EQ(h, c.hours) << c.count;
        EXPECT_EQ(m, c.minutes) << c.count;
        EXPECT_EQ(s, c.seconds) << c.count;
        EXPECT_EQ(hoursOfSeconds(&c.count), c.hours) << c.count;
        EXPECT_EQ(minutesOfSeconds(&c.count), c.minutes) << c.count;
        EXPECT_EQ(secondsOfSeconds(&c.count), c.seconds) << c.count;
        EXPECT_EQ(int64_t(h) * 3600 + m * 60 + s, c.count) << c.count;
    }
}

platform::LocalTime at(int32_t y, uint8_t mo, uint8_t d, uint8_t h, uint8_t mi, uint8_t s,
                       uint16_t ms) {
    platform::LocalTime t;
    t.year = y;
    t.month = mo;
    t.day = d;
    t.hour = h;
    t.minute = mi;
    t.second = s;
    t.millisecond = ms;
    return t;
}

class PcClock : public ::testing::Test {
protected:
    void SetUp() override {
        clock.current = at(2006, 7, 15, 10, 20, 30, 450);
        platform::setLocalClock(&clock);
        platform::setTickSource(&ticks);
        resetProgramClock();
        initTimers();
    }
    void TearDown() override {
        platform::setLocalClock(nullptr);
        platform::setTickSource(nullptr);
    }
    platform::TestLocalClock clock;
    platform::TestTickSource ticks{7000};
};

TEST_F(PcClock, ReadsDateAndTime) {
    SDateTime now;
    getCurrentDateTime(&now);
    EXPECT_EQ(now.date.day, 15);
    EXPECT_EQ(now.date.month, 7);
    EXPECT_EQ(now.date.year, 2006);
    EXPECT_EQ(now.time.hour, 10);
    EXPECT_EQ(now.time.minute, 20);
    EXPECT_EQ(now.time.second, 30);
    EXPECT_EQ(now.time.hundredths, 45);
}

TEST_F(PcClock, DateAndTimeAcrossMidnightBelongToOneDay) {
    clock.readings = {at(2006, 12, 31, 23, 59, 59, 995),  // date, before midnight
                      at(2007, 1, 1, 0, 0, 0, 2),         // time, after it
                      at(2007, 1, 1, 0, 0, 0, 3),         // date again: the day changed
                      at(2007, 1, 1, 0, 0, 0, 4),         // date once more
                      at(2007, 1, 1, 0, 0, 0, 35)};       // time once more
    SDateTime now;
    getCurrentDateTime(&now);
    EXPECT_TRUE(clock.readings.empty());
    EXPECT_EQ(now.date.day, 1);
    EXPECT_EQ(now.date.month, 1);
    EXPECT_EQ(now.date.year, 2007);
    EXPECT_EQ(now.time.hour, 0);
    EXPECT_EQ(now.time.hundredths, 3);

    // On an ordinary read the date is read twice and the time once.
    clock.readings = {clock.current, clock.current, clock.current, clock.current};
    getCurrentDateTime(&now);
    EXPECT_EQ(clock.readings.size(), 1u);
}

TEST_F(PcClock, SetsOnlyValidDatesAndTimes) {
    const SDate badDates[] = {{0, 1, 2000},  {32, 1, 2000},  {31, 4, 2000}, {29, 2, 1981},
                              {30, 2, 2000}, {1, 0, 2000},   {1, 13, 2000}, {1, 1, 1979},
                              {1, 1, 2100},  {31, 255, 2000}};
    for (const SDate& d : badDates) {
        setSystemDate(d);
        setSystemDateTime(SDateTime{d, STime{0, 0, 0, 12}});
    }
    const STime badTimes[] = {{100, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 24}};
    for (const STime& t : badTimes) {
        setSystemTime(t);
        setSystemDateTime(SDateTime{SDate{1, 1, 2000}, t});  // no half-set date
    }
    EXPECT_TRUE(clock.sets.empty());

    setSystemDate(SDate{29, 2, 2000});     // keeps the time of day
    setSystemTime(STime{99, 59, 59, 23});  // keeps the date
    setSystemDateTime(SDateTime{SDate{31, 12, 2099}, STime{7, 8, 9, 0}});
    ASSERT_EQ(clock.sets.size(), 4u);
    EXPECT_EQ(clock.sets[0], at(2000, 2, 29, 10, 20, 30, 450));
    EXPECT_EQ(clock.sets[1], at(2000, 2, 29, 23, 59, 59, 990));
    EXPECT_EQ(clock.current, at(2099, 12, 31, 0, 9, 8, 70));
}

class Waiter : public TTimerReceiver {
public:
    void onTimer(const STimerEvent*) override { ++fired; }
    int fired = 0;
};

// The half second the system takes to set the clock does not count towards
// armed timers; a refused setting is shifted out alike.
TEST_F(PcClock, TimeSpentSettingDoesNotFireTimers) {
    for (bool refuse : {false, true}) {
        clock.refuseSet = refuse;
        clock.onSet = [this] { ticks.advance(500); };
        Waiter w;
        setTimer(&w, 100);
        setSystemTime(STime{0, 0, 0, 12});
        tickTimers();
        EXPECT_EQ(w.fired, 0) << refuse;
        ticks.advance(100);
        tickTimers();
        EXPECT_EQ(w.fired, 1) << refuse;
    }
}

}  // namespace
