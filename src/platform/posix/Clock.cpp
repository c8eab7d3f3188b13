// The C library's clock with the range of the Windows runtime's 64-bit
// conversion, so that both halves refuse the same times.
#include "platform/Clock.h"

#include <ctime>

namespace platform {
namespace {

// _MAX__TIME64_T, 3001-01-01 07:59:59 UTC: the last time _localtime64
// converts (measured under Wine's runtime).
constexpr std::int64_t kLastConvertibleTime = 32535244799;

} // namespace

std::int64_t Time64()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

bool LocalTime64(std::int64_t time, LocalTime& out)
{
    if (time < 0 || time > kLastConvertibleTime)
        return false;
    const std::time_t value = static_cast<std::time_t>(time);
    std::tm local{};
    if (localtime_r(&value, &local) == nullptr)
        return false;
    out = {local.tm_year, local.tm_mon, local.tm_mday};
    return true;
}

} // namespace platform
