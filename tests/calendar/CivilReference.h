// An independent reference for civil dates: Howard Hinnant's days-from-civil
// and civil-from-days (proleptic Gregorian, days since 1970-01-01). Shared by
// the tests, the fuzzer and the benchmark; nothing here comes from
// CalendarDate.
#pragma once

#include <cstdint>

namespace civil {

struct Ymd {
    std::int64_t year;
    unsigned month;
    unsigned day;
    friend bool operator==(const Ymd&, const Ymd&) = default;
};

constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr Ymd CivilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {y + (m <= 2), m, d};
}

// The calendar's serials, counted from 1758-01-01.
inline constexpr std::int64_t kSerialZero = DaysFromCivil(1758, 1, 1);

constexpr std::int64_t SerialOf(std::int64_t y, unsigned m, unsigned d)
{
    return DaysFromCivil(y, m, d) - kSerialZero;
}

constexpr Ymd DateOfSerial(std::int64_t serial)
{
    return CivilFromDays(serial + kSerialZero);
}

// Month lengths by the same rule, for tests that walk through a year.
constexpr bool IsLeap(std::int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

constexpr unsigned DaysInMonth(std::int64_t y, unsigned m)
{
    constexpr unsigned lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : lengths[m - 1];
}

} // namespace civil
