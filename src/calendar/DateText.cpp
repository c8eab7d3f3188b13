#include "calendar/DateText.h"

#include <cstdio>

namespace {

// Era 0 has no first day in the table; its years count from 1751.
constexpr std::int32_t kFirstEraBaseYear = 1751;

// One NUL-terminated name of two double-byte characters per 8-byte slot.
constexpr char kEraNameSlots[21][8] = {
    "\x95\xF3\x97\xEF", // 宝暦
    "\x96\xBE\x98\x61", // 明和
    "\x88\xC0\x89\x69", // 安永
    "\x93\x56\x96\xBE", // 天明
    "\x8A\xB0\x90\xAD", // 寛政
    "\x8B\x9C\x98\x61", // 亨和
    "\x95\xB6\x89\xBB", // 文化
    "\x95\xB6\x90\xAD", // 文政
    "\x93\x56\x95\xDB", // 天保
    "\x8D\x4F\x89\xBB", // 弘化
    "\x89\xC3\x89\x69", // 嘉永
    "\x88\xC0\x90\xAD", // 安政
    "\x96\x9C\x89\x84", // 万延
    "\x95\xB6\x8B\x76", // 文久
    "\x8C\xB3\x8E\xA1", // 元治
    "\x8C\x63\x89\x9E", // 慶応
    "\x96\xBE\x8E\xA1", // 明治
    "\x91\xE5\x90\xB3", // 大正
    "\x8F\xBA\x98\x61", // 昭和
    "\x95\xBD\x90\xAC", // 平成
    "\x97\xDF\x98\x61", // 令和
};

std::array<std::string, 21> BuildEraNames()
{
    std::array<std::string, 21> names;
    for (std::size_t index = 0; index < names.size(); ++index)
        names[index] = kEraNameSlots[index];
    return names;
}

// printf-style, so that the widths come from the argument list.
template <typename... Arguments>
void AppendFormatted(std::string& out, const char* format, Arguments... arguments)
{
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, format, arguments...);
    if (length > 0)
        out.append(buffer, static_cast<std::size_t>(length));
}

} // namespace

// constinit: the table is complete before any dynamic initialiser runs, so
// it is also ready for the names below and for any other static object.
constinit const std::array<CalendarDate, 20> EraTable = {
    CalendarDate(1764, 1, 1),  CalendarDate(1772, 1, 1),  CalendarDate(1781, 1, 1),
    CalendarDate(1789, 1, 1),  CalendarDate(1801, 1, 1),  CalendarDate(1804, 1, 1),
    CalendarDate(1818, 1, 1),  CalendarDate(1830, 1, 1),  CalendarDate(1844, 1, 1),
    CalendarDate(1848, 1, 1),  CalendarDate(1854, 1, 1),  CalendarDate(1860, 1, 1),
    CalendarDate(1861, 1, 1),  CalendarDate(1864, 1, 1),  CalendarDate(1865, 4, 7),
    CalendarDate(1868, 9, 8),  CalendarDate(1912, 7, 30), CalendarDate(1926, 12, 25),
    CalendarDate(1989, 1, 8),  CalendarDate(2019, 5, 1),
};

const std::array<std::string, 21> EraNames = BuildEraNames();

std::int32_t EraIndexOf(const CalendarDate& date)
{
    std::int32_t index = 0;
    while (index < static_cast<std::int32_t>(EraTable.size()) && date.serial >= EraTable[index].serial)
        ++index;
    return index;
}

std::int32_t EraYearOf(const CalendarDate& date)
{
    const std::int32_t index = EraIndexOf(date);
    const std::int32_t base = index == 0 ? kFirstEraBaseYear : EraTable[index - 1].year;
    return date.year - base + 1;
}

void EraDate::SetFromDate(const CalendarDate& date)
{
    eraYear = EraYearOf(date);
    month = date.month;
    day = date.day;
    eraIndex = EraIndexOf(date);
}

std::int32_t EraLetter(std::int32_t eraIndex)
{
    switch (eraIndex) {
    case 16: return 'M';
    case 17: return 'T';
    case 18: return 'S';
    case 19: return 'H';
    case 20: return 'R';
    default: return -1;
    }
}

std::int32_t FormatDateText(const CalendarDate& date, DateTextFlags flags, std::string& out)
{
    out.clear();
    if (date.serial == 0)
        return 0;
    constexpr DateTextFlags eraYear = DateTextEra | DateTextYear;
    if ((flags & eraYear) == eraYear) {
        EraDate era{};
        era.SetFromDate(date);
        const std::int32_t letter = EraLetter(era.eraIndex);
        if (letter == -1)
            return 0;
        AppendFormatted(out, "%c%0*d", static_cast<int>(letter), 2, static_cast<int>(era.eraYear));
    } else if (flags & DateTextYear) {
        AppendFormatted(out, "%0*d", 4, static_cast<int>(date.year));
    }
    if (flags & DateTextMonth)
        AppendFormatted(out, "%0*d", 2, static_cast<int>(date.month));
    if (flags & DateTextDay)
        AppendFormatted(out, "%0*d", 2, static_cast<int>(date.day));
    return static_cast<std::int32_t>(out.size());
}
