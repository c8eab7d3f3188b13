// Every serial of the range against an independent civil-date algorithm.
#include "calendar/CalendarDate.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "calendar/CivilReference.h"

namespace {

TEST(SerialPropertyTest, EverySerialSplitsToItsCivilDateAndBack)
{
    // Serials count from 0001-01-01 less 641731.
    ASSERT_EQ(civil::DaysFromCivil(1, 1, 1) + 641731, civil::kSerialZero);
    ASSERT_EQ(civil::SerialOf(9999, 12, 31), CalendarDate::kLastSerial);

    std::int64_t failures = 0;
    for (std::int32_t serial = 0; serial <= CalendarDate::kLastSerial; ++serial) {
        const civil::Ymd expected = civil::DateOfSerial(serial);
        const CalendarDate split(serial);
        const CalendarDate back(split.year, split.month, split.day);
        const bool good = split.serial == serial && !split.adjusted && split.year == expected.year
                       && split.month == static_cast<std::int32_t>(expected.month)
                       && split.day == static_cast<std::int32_t>(expected.day) && back.serial == serial
                       && !back.adjusted && back.year == split.year && back.month == split.month
                       && back.day == split.day;
        // One readable report for the first few faults, not millions.
        if (!good && ++failures <= 5) {
            ADD_FAILURE() << "serial " << serial << ": expected " << expected.year << '-' << expected.month << '-'
                          << expected.day << ", split " << split.year << '-' << split.month << '-' << split.day
                          << ", back " << back.serial << (back.adjusted ? " adjusted" : "");
        }
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
