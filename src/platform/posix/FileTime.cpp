// File times through the C library's time-zone data.
#include "platform/FileTime.h"

#include <ctime>
#include <mutex>

namespace platform {
namespace {

constexpr std::uint64_t kTicksPerSecond = 10000000;
constexpr std::uint64_t kTicksPerDay = kTicksPerSecond * 86400;
// The largest time the Windows runtime's _mktime64 gives: 3000-12-31 23:59:59 UTC.
constexpr std::int64_t kLastTime = 32535215999;

std::uint64_t Value(const FileTime& time)
{
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FileTime FromValue(std::uint64_t value)
{
    return {static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
}

// The zone's offset from UTC in force now, daylight saving included.
std::int64_t CurrentBiasSeconds()
{
    static std::once_flag zoneRead;
    std::call_once(zoneRead, [] { tzset(); });
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
        return 0;
    return local.tm_gmtoff;
}

} // namespace

bool FileTimeToLocalFileTime(const FileTime* utc, FileTime* local)
{
    if (utc == nullptr || local == nullptr)
        return false;
    const auto value = static_cast<std::int64_t>(Value(*utc));
    const std::int64_t shift = CurrentBiasSeconds() * static_cast<std::int64_t>(kTicksPerSecond);
    if (value < 0 || (shift < 0 && value < -shift) ||
        (shift > 0 && value > INT64_MAX - shift))
        return false;
    *local = FromValue(static_cast<std::uint64_t>(value + shift));
    return true;
}

bool FileTimeToSystemTime(const FileTime* time, SystemTime* out)
{
    if (time == nullptr || out == nullptr)
        return false;
    const std::uint64_t value = Value(*time);
    if (value > static_cast<std::uint64_t>(INT64_MAX))
        return false;
    const std::uint64_t days = value / kTicksPerDay;
    const std::uint64_t ticks = value % kTicksPerDay;
    // Civil date from a day count (proleptic Gregorian), counted from
    // 0000-03-01 so that leap days fall at the end of each year.
    const std::uint64_t fromMarch = days + 584694; // 1601-01-01 is day 584694 from 0000-03-01
    const std::uint64_t era = fromMarch / 146097;
    const std::uint64_t dayOfEra = fromMarch % 146097;
    const std::uint64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::uint64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::uint64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const std::uint64_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const std::uint64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const std::uint64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    if (year > 30827)
        return false;
    out->wYear = static_cast<std::uint16_t>(year);
    out->wMonth = static_cast<std::uint16_t>(month);
    out->wDay = static_cast<std::uint16_t>(day);
    out->wDayOfWeek = static_cast<std::uint16_t>((days + 1) % 7); // 1601-01-01 was a Monday
    out->wHour = static_cast<std::uint16_t>(ticks / (kTicksPerSecond * 3600));
    out->wMinute = static_cast<std::uint16_t>(ticks / (kTicksPerSecond * 60) % 60);
    out->wSecond = static_cast<std::uint16_t>(ticks / kTicksPerSecond % 60);
    out->wMilliseconds = static_cast<std::uint16_t>(ticks / 10000 % 1000);
    return true;
}

std::int64_t _mktime64(std::tm* time)
{
    if (time == nullptr)
        return -1;
    const std::time_t result = std::mktime(time);
    if (result < 0 || result > kLastTime)
        return -1;
    return result;
}

} // namespace platform
