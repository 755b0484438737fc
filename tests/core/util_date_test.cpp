#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "util/clock.h"
#include "util/date.h"

namespace billpay {
namespace {

TEST(UtilDate, IsValidDate) {
    struct Case {
        int year, month, day;
        bool valid;
    };
    const Case cases[] = {
        {2026, 12, 9, true},  {2024, 2, 29, true},  {2023, 2, 29, false}, {1900, 2, 29, false},
        {2000, 2, 29, true},  {2026, 4, 31, false}, {2026, 13, 1, false}, {2026, 0, 1, false},
        {2026, 1, 0, false},  {0, 1, 1, false},     {1, 1, 1, true},      {9999, 12, 31, true},
        {10000, 1, 1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidDate(c.year, c.month, c.day), c.valid) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(UtilDate, NextDayRollsOverMonthsAndYears) {
    EXPECT_EQ(NextDay({2026, 12, 9}), (Date{2026, 12, 10}));
    EXPECT_EQ(NextDay({2024, 2, 28}), (Date{2024, 2, 29}));
    EXPECT_EQ(NextDay({2023, 2, 28}), (Date{2023, 3, 1}));
    EXPECT_EQ(NextDay({2026, 4, 30}), (Date{2026, 5, 1}));
    EXPECT_EQ(NextDay({2026, 12, 31}), (Date{2027, 1, 1}));
}

TEST(UtilDate, EveryMonthsLastDayAndTheDayAfter) {
    struct Case {
        int year, month, lastDay;
    };
    const Case cases[] = {
        {2026, 1, 31},  {2026, 2, 28},  {2024, 2, 29},  {2026, 3, 31}, {2026, 4, 30},
        {2026, 5, 31},  {2026, 6, 30},  {2026, 7, 31},  {2026, 8, 31}, {2026, 9, 30},
        {2026, 10, 31}, {2026, 11, 30}, {2026, 12, 31},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(IsValidDate(c.year, c.month, c.lastDay)) << c.year << "-" << c.month;
        EXPECT_FALSE(IsValidDate(c.year, c.month, c.lastDay + 1)) << c.year << "-" << c.month;
        const Date next = c.month == 12 ? Date{c.year + 1, 1, 1} : Date{c.year, c.month + 1, 1};
        EXPECT_EQ(NextDay({c.year, c.month, c.lastDay}), next) << c.year << "-" << c.month;
        EXPECT_EQ(NextDay({c.year, c.month, c.lastDay - 1}), (Date{c.year, c.month, c.lastDay}));
    }
}

TEST(UtilDate, IsDatePattern) {
    struct Case {
        std::string_view pattern;
        bool accepted;
    };
    const Case cases[] = {
        {"", true},
        {"ddmmyy", true},
        {"DD/MM/YYYY", true},
        {"ddyymm", true},
        {"hhmmss", false},
        {"dd-mm", false},
        // Only the first (trimmed length) characters are looked at.
        {"dd ", true},
        {" dd", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsDatePattern(c.pattern), c.accepted) << "'" << c.pattern << "'";
}

TEST(UtilDate, FormatDate) {
    const Date date{2026, 12, 9};
    struct Case {
        std::string_view pattern, expected;
    };
    const Case cases[] = {
        {"ddmmyy", "091226"},
        {"yymmdd", "261209"},
        {"yyyymmdd", "20261209"},
        {"ddmmyyyy", "09122026"},
        {"dd/mm/yy", "09/12/26"},
        {"dd/mm/yyyy", "09/12/2026"},
        {"ddyymm", "092612"},
        {"DDMMYYYY", "09122026"},
        {"d/m/y", "9/12/26"},
        {"yyy", "2026"},
        {"ddd dddd", "Wed Wednesday"},
        {"mmm mmmm", "Dec December"},
        {"ddddd", "09/12/2026"},
        {"dddddd", "Wednesday, 9 December 2026"},
        {"dd.mm", "09.12"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDate(date, c.pattern), c.expected) << c.pattern;

    EXPECT_EQ(FormatDate({5, 1, 2}, "yyyy yy"), "0005 05");
    EXPECT_EQ(FormatDate({2000, 1, 1}, "dddd"), "Saturday");
    EXPECT_EQ(FormatDate({1, 1, 1}, "ddd"), "Mon");
}

TEST(UtilDate, FormatTime) {
    const TimeOfDay time{7, 5, 3, 4};
    EXPECT_EQ(FormatTime(time, "hhmmss"), "070503");
    EXPECT_EQ(FormatTime(time, "hh:nn:ss.zzz"), "07:05:03.040");
    EXPECT_EQ(FormatTime(time, "h:m:s"), "7:5:3");
    EXPECT_EQ(FormatTime({23, 59, 59, 99}, "HHMMSS"), "235959");
}

TEST(UtilDate, GetTodaysDateWritesTheClocksDate) {
    const TickingClock clock({2026, 12, 9}, {10, 30, 0, 0});
    EXPECT_EQ(GetTodaysDate(clock, "ddmmyyyy"), "09122026");
    EXPECT_EQ(GetTodaysDate(clock, "yymmdd"), "261209");
    EXPECT_EQ(GetTodaysDate(clock, ""), "");
    try {
        GetTodaysDate(clock, "hhmmss");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "bad format string: Utilities|GetTodaysDate");
    }
}

TEST(UtilDate, TickingClockAdvancesAHundredthPerReadingAndRollsOverAtMidnight) {
    TickingClock clock({2026, 12, 31}, {23, 59, 59, 98});
    EXPECT_EQ(GetTimeNow(clock, "hhmmss"), "235959");
    EXPECT_EQ(clock.Today(), (Date{2026, 12, 31}));
    EXPECT_EQ(clock.TimeNow(), (TimeOfDay{23, 59, 59, 99}));
    EXPECT_EQ(clock.Today(), (Date{2027, 1, 1}));
    EXPECT_EQ(clock.TimeNow(), (TimeOfDay{0, 0, 0, 0}));

    TickingClock minute({2026, 12, 9}, {10, 59, 59, 99});
    minute.TimeNow();
    EXPECT_EQ(minute.TimeNow(), (TimeOfDay{11, 0, 0, 0}));
    EXPECT_EQ(minute.Today(), (Date{2026, 12, 9}));

    EXPECT_THROW(TickingClock({2026, 2, 29}, {}), std::invalid_argument);
    EXPECT_THROW(TickingClock({2026, 2, 28}, {24, 0, 0, 0}), std::invalid_argument);
}

TEST(UtilDate, SystemClockGivesAValidInstant) {
    SystemClock clock;
    const Date today = clock.Today();
    const TimeOfDay now = clock.TimeNow();
    EXPECT_TRUE(IsValidDate(today.year, today.month, today.day));
    EXPECT_TRUE(IsValidTime(now.hour, now.minute, now.second, now.centisecond));
    EXPECT_GE(today.year, 2020);
}

TEST(UtilDate, ParseIsoInstant) {
    const auto plain = ParseIsoInstant("2026-12-09T10:30:05");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->first, (Date{2026, 12, 9}));
    EXPECT_EQ(plain->second, (TimeOfDay{10, 30, 5, 0}));

    const auto hundredths = ParseIsoInstant("2024-02-29T23:59:59.99");
    ASSERT_TRUE(hundredths);
    EXPECT_EQ(hundredths->first, (Date{2024, 2, 29}));
    EXPECT_EQ(hundredths->second, (TimeOfDay{23, 59, 59, 99}));

    const std::string_view rejected[] = {
        "",
        "2026-12-09",
        "2026-02-29T10:00:00",
        "2026-12-09T24:00:00",
        "2026-12-09T10:60:00",
        "2026-12-09T10:00:60",
        "2026-12-09 10:00:00",
        "2026-12-09T10:00:00.5",
        "2026-12-09T10:00:00.123",
        "2026-12-09T10:00:00,50",
        "0000-01-01T00:00:00",
        "2026-1a-09T10:00:00",
        "+026-12-09T10:00:00",
        "2026-12-09T10:00:00Z",
    };
    for (std::string_view text : rejected) EXPECT_FALSE(ParseIsoInstant(text)) << text;
}

}  // namespace
}  // namespace billpay
