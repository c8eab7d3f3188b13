#include "calendar/CalendarDate.h"

#include <climits>
#include <cstdint>
#include <ostream>

#include <gtest/gtest.h>

namespace {

struct SetDateCase {
    std::int32_t y, m, d;
    std::int32_t serial;
    std::int32_t year, month, day;
    bool adjusted;
};

std::ostream& operator<<(std::ostream& out, const SetDateCase& c)
{
    return out << c.y << '/' << c.m << '/' << c.d;
}

class SetDateTest : public testing::TestWithParam<SetDateCase> {};

TEST_P(SetDateTest, StoresTheNormalisedDate)
{
    const SetDateCase& c = GetParam();
    // Both ways in: the constructor and SetDate on a value that held a date.
    CalendarDate constructed(c.y, c.m, c.d);
    CalendarDate reset(2000, 2, 29);
    reset.SetDate(c.y, c.m, c.d);
    for (const CalendarDate& date : {constructed, reset}) {
        EXPECT_EQ(date.serial, c.serial);
        EXPECT_EQ(date.year, c.year);
        EXPECT_EQ(date.month, c.month);
        EXPECT_EQ(date.day, c.day);
        EXPECT_EQ(date.adjusted, c.adjusted);
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, SetDateTest, testing::Values(
    SetDateCase{2019, 5, 1, 95448, 2019, 5, 1, false},
    SetDateCase{2025, 12, 11, 97864, 2025, 12, 11, false},
    SetDateCase{2023, 2, 30, 96849, 2023, 3, 2, true},
    SetDateCase{2024, 2, 30, 97214, 2024, 3, 1, true},
    SetDateCase{2023, 4, 31, 96909, 2023, 5, 1, true},
    SetDateCase{1900, 2, 29, 51923, 1900, 3, 1, true},
    SetDateCase{2000, 2, 29, 88447, 2000, 2, 29, false},
    SetDateCase{2023, 13, 1, 97154, 2024, 1, 1, false},
    SetDateCase{2023, 25, 1, 97520, 2025, 1, 1, false},
    SetDateCase{2023, 0, 15, 96772, 2022, 12, 15, false},
    SetDateCase{2023, -1, 15, 96742, 2022, 11, 15, false},
    SetDateCase{2023, -11, 15, 96438, 2022, 1, 15, false},
    SetDateCase{2023, -12, 15, 0, 1758, 1, 1, true},
    SetDateCase{1758, 1, 1, 0, 1758, 1, 1, false},
    SetDateCase{1757, 12, 31, 0, 1758, 1, 1, true},
    SetDateCase{1758, 0, 1, 0, 1758, 1, 1, true},
    SetDateCase{9999, 12, 31, 3010327, 9999, 12, 31, false},
    SetDateCase{9999, 13, 1, 0, 1758, 1, 1, true},
    SetDateCase{2023, 1, 32, 0, 1758, 1, 1, true},
    SetDateCase{2023, 1, 0, 0, 1758, 1, 1, true}));

// Day 31 is valid input in every month and runs on in the short ones; month
// normalisation can reach the last day of the range and the first day.
INSTANTIATE_TEST_SUITE_P(RunOnAndLimits, SetDateTest, testing::Values(
    SetDateCase{2023, 6, 31, 96970, 2023, 7, 1, true},
    SetDateCase{2023, 11, 31, 97123, 2023, 12, 1, true},
    SetDateCase{2024, 2, 31, 97215, 2024, 3, 2, true},
    SetDateCase{9999, 11, 31, 3010297, 9999, 12, 1, true},
    SetDateCase{10000, 1, 1, 0, 1758, 1, 1, true},
    SetDateCase{9998, 24, 31, 3010327, 9999, 12, 31, false},
    SetDateCase{1759, -11, 1, 0, 1758, 1, 1, false},
    SetDateCase{1759, 0, 31, 364, 1758, 12, 31, false}));

// Values near the 32-bit limits must fail cleanly, never overflow.
INSTANTIATE_TEST_SUITE_P(ExtremeArguments, SetDateTest, testing::Values(
    SetDateCase{INT32_MAX, INT32_MAX, INT32_MAX, 0, 1758, 1, 1, true},
    SetDateCase{INT32_MIN, INT32_MIN, INT32_MIN, 0, 1758, 1, 1, true},
    SetDateCase{INT32_MIN, 1, 1, 0, 1758, 1, 1, true},
    SetDateCase{INT32_MAX, 13, 1, 0, 1758, 1, 1, true},
    SetDateCase{2023, INT32_MIN, 1, 0, 1758, 1, 1, true},
    SetDateCase{2023, 1, INT32_MIN, 0, 1758, 1, 1, true},
    SetDateCase{-2023, 1, 1, 0, 1758, 1, 1, true}));

TEST(YearStartSerialTest, WorkedValues)
{
    struct Case {
        std::int32_t year;
        std::uint32_t serial;
    };
    for (const Case& c : {Case{1758, 0}, Case{1759, 365}, Case{1800, 15340}, Case{2000, 88388},
                          Case{2019, 95328}, Case{2024, 97154}, Case{9999, 3009963}, Case{10000, 3010328}}) {
        EXPECT_EQ(CalendarDate::YearStartSerial(c.year), c.serial) << c.year;
    }
}

TEST(SplitSerialTest, YearEstimateEdges)
{
    struct Case {
        std::int32_t serial;
        std::int32_t year, month, day;
    };
    // 88753 and 97519 are 31 December of leap years, where the cycle estimate
    // is already the year; the others need the correction.
    for (const Case& c : {Case{0, 1758, 1, 1}, Case{59, 1758, 3, 1}, Case{364, 1758, 12, 31},
                          Case{365, 1759, 1, 1}, Case{88753, 2000, 12, 31}, Case{88754, 2001, 1, 1},
                          Case{97519, 2024, 12, 31}, Case{15339, 1799, 12, 31}, Case{3010327, 9999, 12, 31}}) {
        const CalendarDate date(c.serial);
        EXPECT_EQ(date.serial, c.serial);
        EXPECT_EQ(date.year, c.year) << c.serial;
        EXPECT_EQ(date.month, c.month) << c.serial;
        EXPECT_EQ(date.day, c.day) << c.serial;
        EXPECT_FALSE(date.adjusted) << c.serial;
    }
}

TEST(SplitSerialTest, OutOfRangeSerialIsRefusedAsNoDate)
{
    for (std::int32_t serial : {-1, 3010328, INT32_MAX, INT32_MIN, -641731}) {
        const CalendarDate date(serial);
        EXPECT_EQ(date.serial, 0) << serial;
        EXPECT_EQ(date.year, 1758) << serial;
        EXPECT_EQ(date.month, 1) << serial;
        EXPECT_EQ(date.day, 1) << serial;
        EXPECT_TRUE(date.adjusted) << serial;
    }
    // Writing the field directly and splitting again keeps the fields in step.
    CalendarDate date(97864);
    date.serial = 3010328;
    date.SplitSerial();
    EXPECT_EQ(date.serial, 0);
    EXPECT_EQ(date.year, 1758);
    EXPECT_EQ(date.month, 1);
    EXPECT_EQ(date.day, 1);
}

TEST(SplitSerialTest, MonthWalkStopsAtDecember)
{
    const CalendarDate date(0);
    // A serial of a later year walked with the wrong year.
    EXPECT_EQ(date.MonthOfSerial(97864, 2000), 12);
    EXPECT_EQ(date.MonthOfSerial(97864, 2025), 12);
    EXPECT_EQ(date.DayOfSerial(97864, 2025, 12), 11);
    EXPECT_EQ(date.MonthOfSerial(96849, 2023), 3);
}

TEST(CalendarRulesTest, LeapYears)
{
    EXPECT_TRUE(CalendarDate::IsLeapYear(2000));
    EXPECT_TRUE(CalendarDate::IsLeapYear(2024));
    EXPECT_TRUE(CalendarDate::IsLeapYear(0));
    EXPECT_FALSE(CalendarDate::IsLeapYear(1900));
    EXPECT_FALSE(CalendarDate::IsLeapYear(2023));
    EXPECT_FALSE(CalendarDate::IsLeapYear(2100));
    // Taken as unsigned: -4 is 4294967292, a multiple of 4 but not of 100.
    EXPECT_TRUE(CalendarDate::IsLeapYear(static_cast<std::uint32_t>(-4)));
}

TEST(CalendarRulesTest, ValidityBounds)
{
    struct Case {
        std::int32_t y, m, d;
        bool valid;
    };
    for (const Case& c : {Case{1758, 1, 1, true}, Case{9999, 12, 31, true}, Case{2023, 2, 31, true},
                          Case{1757, 12, 31, false}, Case{10000, 1, 1, false}, Case{2023, 0, 1, false},
                          Case{2023, 13, 1, false}, Case{2023, 1, 0, false}, Case{2023, 1, 32, false},
                          Case{-1, 1, 1, false}, Case{2023, -1, 1, false}, Case{2023, 1, -1, false}}) {
        EXPECT_EQ(CalendarDate::IsValidDate(c.y, c.m, c.d), c.valid) << c.y << '/' << c.m << '/' << c.d;
    }
}

TEST(CalendarRulesTest, DaysBeforeMonth)
{
    EXPECT_EQ(CalendarDate::DaysBeforeMonth(2023, 0), 0u);
    EXPECT_EQ(CalendarDate::DaysBeforeMonth(2023, 1), 0u);
    EXPECT_EQ(CalendarDate::DaysBeforeMonth(2024, 2), 31u);
    EXPECT_EQ(CalendarDate::DaysBeforeMonth(2023, 3), 59u);
    EXPECT_EQ(CalendarDate::DaysBeforeMonth(2024, 3), 60u);
    EXPECT_EQ(CalendarDate::DaysBeforeMonth(1900, 12), 334u);
    EXPECT_EQ(CalendarDate::DaysBeforeMonth(2000, 12), 335u);
}

// The whole arithmetic also runs at compile time (the era table needs it).
static_assert(CalendarDate(2019, 5, 1).serial == 95448);
static_assert(CalendarDate(2023, 2, 30).adjusted);
static_assert(CalendarDate(88753).day == 31);

} // namespace
