#include "platform/LastError.h"

namespace platform {
namespace {

thread_local std::uint32_t lastError = kERROR_SUCCESS;

} // namespace

std::uint32_t GetLastError()
{
    return lastError;
}

void SetLastError(std::uint32_t code)
{
    lastError = code;
}

} // namespace platform
