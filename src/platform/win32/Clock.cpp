#include "platform/Clock.h"

#include <time.h>

namespace platform {

std::int64_t Time64()
{
    return _time64(nullptr);
}

bool LocalTime64(std::int64_t time, LocalTime& out)
{
    const __time64_t value = time;
    // The runtime's per-thread buffer; the values are copied out at once.
    const struct tm* local = _localtime64(&value);
    if (local == nullptr)
        return false;
    out = {local->tm_year, local->tm_mon, local->tm_mday};
    return true;
}

} // namespace platform
