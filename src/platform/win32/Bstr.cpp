#include "platform/Com.h"

namespace platform {

BSTR SysAllocStringLen(const WideChar* text, std::uint32_t length)
{
    return ::SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text)
{
    ::SysFreeString(text);
}

std::uint32_t SysStringLen(BSTR text)
{
    return ::SysStringLen(text);
}

} // namespace platform
