// File times: the UTC-to-local shift, their split into calendar fields and
// the C runtime's 64-bit calendar time.
#pragma once

#include <cstdint>
#include <ctime>

#include "platform/FileSearch.h"

namespace platform {

#if defined(_WIN32)
using SystemTime = ::SYSTEMTIME;
#else
struct SystemTime {
    std::uint16_t wYear;
    std::uint16_t wMonth;
    std::uint16_t wDayOfWeek;
    std::uint16_t wDay;
    std::uint16_t wHour;
    std::uint16_t wMinute;
    std::uint16_t wSecond;
    std::uint16_t wMilliseconds;
};
#endif

// Shifts a UTC file time by the time zone's current bias (the one in force
// now, not the one of that date), as Windows does.
bool FileTimeToLocalFileTime(const FileTime* utc, FileTime* local);
// Fails for values with the top bit set.
bool FileTimeToSystemTime(const FileTime* time, SystemTime* out);
// Local broken-down time to seconds since 1970-01-01 UTC; -1 outside the
// range the Windows runtime accepts (1970-01-01 to 3000-12-31 UTC).
std::int64_t _mktime64(std::tm* time);

} // namespace platform
