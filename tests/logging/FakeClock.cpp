#include "logging/FakeClock.h"

#include "platform/Clock.h"

namespace {
platform::LocalTime today{124, 2, 15}; // 2024-03-15
}

void SetFakeToday(int year, int month, int day)
{
    today = {year - 1900, month - 1, day};
}

namespace platform {

std::int64_t Time64()
{
    return 1700000000;
}

bool LocalTime64(std::int64_t, LocalTime& out)
{
    out = today;
    return true;
}

} // namespace platform
