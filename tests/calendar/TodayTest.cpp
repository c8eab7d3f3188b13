#include "calendar/CalendarDate.h"
#include "calendar/DateText.h"

#include <cstdint>
#include <ctime>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "platform/Clock.h"

namespace {

// The C library's own view of a time, for comparison.
DateParts LibraryDateOf(std::time_t time)
{
    const std::tm* local = std::localtime(&time);
    if (local == nullptr)
        return {0, 0, 0};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

bool operator==(const DateParts& a, const DateParts& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

TEST(TodayTest, SetTodayHoldsTheLocalDate)
{
    // A day may end between the readings; either side of midnight is right.
    const DateParts before = LibraryDateOf(std::time(nullptr));
    CalendarDate date(0);
    CalendarDate& result = date.SetToday();
    const DateParts after = LibraryDateOf(std::time(nullptr));

    EXPECT_EQ(&result, &date);
    const DateParts got{date.year, date.month, date.day};
    EXPECT_TRUE(got == before || got == after) << date.year << '-' << date.month << '-' << date.day;
    EXPECT_FALSE(date.adjusted);
    EXPECT_NE(date.serial, 0);

    std::string text;
    EXPECT_EQ(FormatDateText(date, 0x70, text), 8);
    const std::string expected = std::to_string(got.year * 10000 + got.month * 100 + got.day);
    EXPECT_EQ(text, expected);
}

TEST(TodayTest, GetTodayReturnsItsRecord)
{
    DateParts parts{-5, -5, -5};
    DateParts& result = parts.GetToday();
    EXPECT_EQ(&result, &parts);
    EXPECT_GE(parts.year, 2020);
    EXPECT_TRUE(CalendarDate::IsValidDate(parts.year, parts.month, parts.day));
}

TEST(TodayTest, FixedTimesGiveTheLibrarysLocalDate)
{
    // Half a day apart, so that any time zone sees two different dates.
    for (std::int64_t time : {std::int64_t{43200}, std::int64_t{951782400}, std::int64_t{1700000000},
                              std::int64_t{1765411200}, std::int64_t{4102444800}}) {
        DateParts parts{};
        parts.SetFromTime(time);
        EXPECT_TRUE(parts == LibraryDateOf(static_cast<std::time_t>(time))) << time;
        EXPECT_TRUE(CalendarDate::IsValidDate(parts.year, parts.month, parts.day)) << time;
    }
}

TEST(TodayTest, UnconvertibleTimeGivesNoDate)
{
    for (std::int64_t time : {std::int64_t{-1}, std::int64_t{-86400 * 2}, std::int64_t{32535244800},
                              std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}) {
        platform::LocalTime local{7, 7, 7};
        EXPECT_FALSE(platform::LocalTime64(time, local)) << time;
        EXPECT_EQ(local.yearsSince1900, 7) << time;

        DateParts parts{2025, 12, 11};
        parts.SetFromTime(time);
        EXPECT_EQ(parts.year, 0) << time;
        EXPECT_EQ(parts.month, 0) << time;
        EXPECT_EQ(parts.day, 0) << time;

        // What SetToday makes of that record: no date, flagged, empty text.
        CalendarDate date(97864);
        date.SetDate(parts.year, parts.month, parts.day);
        EXPECT_EQ(date.serial, 0);
        EXPECT_TRUE(date.adjusted);
        std::string text = "stale";
        EXPECT_EQ(FormatDateText(date, 0x70, text), 0);
        EXPECT_EQ(text, "");
    }
}

TEST(TodayTest, BothEndsOfTheConvertibleRange)
{
    platform::LocalTime local{};
    EXPECT_TRUE(platform::LocalTime64(0, local));
    EXPECT_TRUE(platform::LocalTime64(32535244799, local));
    EXPECT_GE(local.yearsSince1900, 1100);
    EXPECT_FALSE(platform::LocalTime64(32535244800, local));
    EXPECT_FALSE(platform::LocalTime64(-1, local));
}

TEST(TodayTest, ClockReadsNow)
{
    const std::int64_t library = static_cast<std::int64_t>(std::time(nullptr));
    const std::int64_t clock = platform::Time64();
    EXPECT_GE(clock, library);
    EXPECT_LE(clock, library + 5);
}

} // namespace
