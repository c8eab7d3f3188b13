// The system clock: the current calendar time and its local date.
#pragma once

#include <cstdint>

namespace platform {

// As much of the C runtime's broken-down time as the calendar reads, with
// the runtime's own bases.
struct LocalTime {
    int yearsSince1900;
    int monthsSinceJanuary; // 0..11
    int dayOfMonth;         // 1..31
};

// _time64: seconds since 1970-01-01 00:00:00 UTC, -1 when the clock cannot
// be read.
std::int64_t Time64();

// _localtime64: the time in the system's time zone. False, with out left
// alone, when it cannot be converted; as on Windows that is every time before
// 1970-01-01 00:00:00 UTC (-1 included) or after 3001-01-01 07:59:59 UTC.
bool LocalTime64(std::int64_t time, LocalTime& out);

} // namespace platform
