// One day of the Gregorian calendar between 1758-01-01 and 9999-12-31, held
// as a serial day number (for comparisons) and split into year, month and day
// (for text). Serial 0 is 1758-01-01 and also stands for "no valid date".
//
// The arithmetic is constexpr so that the era table is built at compile time
// (constant initialisation), before any other static object can read it.
#pragma once

#include <cstdint>

// Today's local date, carried into CalendarDate::SetDate.
struct DateParts {
    std::int32_t year;
    std::int32_t month; // 1..12
    std::int32_t day;   // 1..31

    // Fills the record from the local clock and returns it. When the clock
    // cannot be converted to a local date the record becomes 0, 0, 0, which
    // SetDate refuses: a date set to today then holds no date (serial 0,
    // adjusted true) and its text is empty, instead of some made-up day.
    DateParts& GetToday();

    // GetToday for a given time (seconds since 1970-01-01 00:00:00 UTC).
    DateParts& SetFromTime(std::int64_t time);
};

class CalendarDate {
public:
    static constexpr std::int32_t kFirstYear = 1758;
    static constexpr std::int32_t kLastYear = 9999;
    static constexpr std::int32_t kLastSerial = 3010327; // 9999-12-31

    std::int32_t serial;
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
    // True when the last SetDate stored another date than the one asked for
    // (after month normalisation): the day ran on, or the request was invalid.
    bool adjusted;

    // Keeps a serial in 0..kLastSerial unchanged, adjusted false. Any other
    // serial is refused like an invalid date: serial 0, 1758-01-01, adjusted
    // true, so that the fields are always the split of an in-range serial.
    constexpr explicit CalendarDate(std::int32_t serialDay)
        : serial(serialDay), year(0), month(0), day(0), adjusted(false)
    {
        SplitSerial();
        adjusted = serial != serialDay;
    }

    // Lenient: see SetDate.
    constexpr CalendarDate(std::int32_t y, std::int32_t m, std::int32_t d)
        : serial(0), year(0), month(0), day(0), adjusted(false)
    {
        SetDate(y, m, d);
    }

    // A month outside 1..12 moves into the neighbouring years (months <= 0
    // once only, so -12 and below stay invalid); a day beyond its month runs
    // on into the next one. An invalid date is stored as serial 0.
    constexpr void SetDate(std::int32_t y, std::int32_t m, std::int32_t d)
    {
        // The year arithmetic wraps instead of overflowing; a wrapped year is
        // far outside 1758..9999 and fails validation like any other.
        if (m <= 0) {
            m += 12;
            y = static_cast<std::int32_t>(static_cast<std::uint32_t>(y) - 1u);
        } else if (m > 12) {
            y = static_cast<std::int32_t>(static_cast<std::uint32_t>(y) + static_cast<std::uint32_t>((m - 1) / 12));
            m = (m - 1) % 12 + 1;
        }
        serial = 0;
        if (IsValidDate(y, m, d)) {
            const std::uint32_t s = YearStartSerial(y) + DaysBeforeMonth(y, m) + static_cast<std::uint32_t>(d) - 1u;
            serial = s <= static_cast<std::uint32_t>(kLastSerial) ? static_cast<std::int32_t>(s) : 0;
        }
        SplitSerial();
        adjusted = year != y || month != m || day != d;
    }

    CalendarDate& SetToday();

    // Derives year, month and day from serial. A serial outside
    // 0..kLastSerial (only reachable by writing the field directly) is
    // replaced by 0 first.
    constexpr void SplitSerial()
    {
        if (static_cast<std::uint32_t>(serial) > static_cast<std::uint32_t>(kLastSerial))
            serial = 0;
        year = YearOfSerial(serial);
        month = MonthOfSerial(serial, year);
        day = DayOfSerial(serial, year, month);
    }

    // The month of a serial within the given year. The walk stops at
    // December, also for a serial that does not lie in that year.
    constexpr std::int32_t MonthOfSerial(std::int32_t serialDay, std::int32_t yearOfSerial) const
    {
        std::uint32_t rest = static_cast<std::uint32_t>(serialDay) - YearStartSerial(yearOfSerial);
        std::int32_t m = 1;
        while (m < 12 && rest >= DaysInMonth(yearOfSerial, m)) {
            rest -= DaysInMonth(yearOfSerial, m);
            ++m;
        }
        return m;
    }

    constexpr std::int32_t DayOfSerial(std::int32_t serialDay, std::int32_t yearOfSerial, std::int32_t monthOfSerial) const
    {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(serialDay) - YearStartSerial(yearOfSerial)
                                         - DaysBeforeMonth(yearOfSerial, monthOfSerial) + 1u);
    }

    // The day is not compared with its month's length (2023-02-30 is valid
    // input). Each bound is one unsigned comparison, so negatives fail too.
    static constexpr bool IsValidDate(std::int32_t y, std::int32_t m, std::int32_t d)
    {
        return static_cast<std::uint32_t>(y) - static_cast<std::uint32_t>(kFirstYear)
                   <= static_cast<std::uint32_t>(kLastYear - kFirstYear)
            && static_cast<std::uint32_t>(m) - 1u <= 11u
            && static_cast<std::uint32_t>(d) - 1u <= 30u;
    }

    static constexpr bool IsLeapYear(std::uint32_t y)
    {
        return y % 400u == 0 || (y % 100u != 0 && y % 4u == 0);
    }

    // Days of the year before the first of the month: 0 for month 1 (and
    // below), the whole year for month 13 and above.
    static constexpr std::uint32_t DaysBeforeMonth(std::int32_t y, std::int32_t m)
    {
        if (m <= 1)
            return 0;
        const std::int32_t months = m > 13 ? 12 : m - 1;
        return kDaysBeforeMonth[months] + (months >= 2 && IsLeapYear(static_cast<std::uint32_t>(y)) ? 1u : 0u);
    }

    // Serial of 1 January. Unsigned arithmetic throughout: defined (if
    // meaningless) for every year, exact for 1758..10000.
    static constexpr std::uint32_t YearStartSerial(std::int32_t y)
    {
        const std::uint32_t year32 = static_cast<std::uint32_t>(y);
        const std::uint32_t before = year32 - 1u;
        return 365u * year32 + before / 4u - before / 100u + before / 400u - 642096u;
    }

    // Constant time: whole 400-, 100-, 4- and 1-year cycles since 0001-01-01
    // give the year or the one before it, and one comparison decides.
    static constexpr std::int32_t YearOfSerial(std::int32_t serialDay)
    {
        const std::uint32_t days = static_cast<std::uint32_t>(serialDay) + 641731u;
        // Exact for every 32-bit value: a quotient this small never rounds
        // across an integer in double precision.
        const double daysAsDouble = days;
        const std::uint32_t q400 = static_cast<std::uint32_t>(daysAsDouble / 146097.0);
        std::uint32_t rest = static_cast<std::uint32_t>(daysAsDouble - 146097.0 * q400);
        const std::uint32_t q100 = rest / 36524u;
        rest -= 36524u * q100;
        const std::uint32_t q4 = rest / 1461u;
        rest -= 1461u * q4;
        const std::uint32_t q1 = rest / 365u;
        const std::uint32_t estimate = 400u * q400 + 100u * q100 + 4u * q4 + q1;
        // On 31 December of a leap year the estimate is already the year.
        const std::uint32_t next = estimate + 1u;
        const bool inNext = static_cast<std::uint32_t>(serialDay) >= YearStartSerial(static_cast<std::int32_t>(next));
        return static_cast<std::int32_t>(inNext ? next : estimate);
    }

private:
    static constexpr std::uint32_t DaysInMonth(std::int32_t y, std::int32_t m)
    {
        return m == 2 && IsLeapYear(static_cast<std::uint32_t>(y)) ? 29u : kMonthLength[m - 1];
    }

    static constexpr std::uint32_t kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Running sums of kMonthLength in a common year.
    static constexpr std::uint32_t kDaysBeforeMonth[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
};
