// The Japanese eras from 宝暦 to 令和 and dates written as compact digit
// text, in Western or era form.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calendar/CalendarDate.h"

// First days of the eras 1..20 in ascending order: entry k begins era k + 1.
// Era 0 covers everything before entry 0. Built before any dynamic
// initialisation (see DateText.cpp), never changed.
extern const std::array<CalendarDate, 20> EraTable;

// The names of eras 0..20 in code page 932. Built at start-up after
// EraTable; nothing in the program reads them.
extern const std::array<std::string, 21> EraNames;

struct EraDate {
    std::int32_t eraYear; // 1 from the era's first day to the next 31 December
    std::int32_t month;
    std::int32_t day;
    std::int32_t eraIndex; // 0..20

    void SetFromDate(const CalendarDate& date);
};

// Which parts FormatDateText writes. Other bits are ignored, and
// DateTextEra only counts together with DateTextYear.
using DateTextFlags = std::uint32_t;
inline constexpr DateTextFlags DateTextYear = 0x10;
inline constexpr DateTextFlags DateTextMonth = 0x20;
inline constexpr DateTextFlags DateTextDay = 0x40;
inline constexpr DateTextFlags DateTextEra = 0x80;

// The number of era first days on or before the date: 0..20.
std::int32_t EraIndexOf(const CalendarDate& date);

// The year within the date's era; it steps up on every 1 January.
std::int32_t EraYearOf(const CalendarDate& date);

// 'M', 'T', 'S', 'H' or 'R' for eras 16..20, -1 for every other index.
std::int32_t EraLetter(std::int32_t eraIndex);

// Writes the year (4 digits, or the era letter and 2 digits), the month and
// the day (2 digits each) that the flags select into out, without
// separators, and returns the length. out is emptied first; it stays empty
// and the result is 0 for serial 0 (no date) and for the era form of a date
// whose era has no letter.
std::int32_t FormatDateText(const CalendarDate& date, DateTextFlags flags, std::string& out);
