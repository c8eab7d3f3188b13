// BSTRs as the plug-in interface defines them: the 32-bit byte length stands
// just before the first unit, and a zero unit follows the last.
#include <cstdlib>
#include <cstring>

#include "platform/Com.h"

namespace platform {

BSTR SysAllocStringLen(const WideChar* text, std::uint32_t length)
{
    constexpr std::uint32_t kMaxLength = (0xFFFFFFFFu - sizeof(std::uint32_t)) / sizeof(WideChar) - 1;
    if (length > kMaxLength)
        return nullptr;
    const std::uint32_t bytes = length * sizeof(WideChar);
    auto* block = static_cast<unsigned char*>(std::malloc(sizeof(std::uint32_t) + bytes + sizeof(WideChar)));
    if (block == nullptr)
        return nullptr;
    std::memcpy(block, &bytes, sizeof bytes);
    auto* units = reinterpret_cast<WideChar*>(block + sizeof(std::uint32_t));
    if (text != nullptr)
        std::memcpy(units, text, bytes);
    else
        std::memset(units, 0, bytes);
    units[length] = 0;
    return units;
}

void SysFreeString(BSTR text)
{
    if (text != nullptr)
        std::free(reinterpret_cast<unsigned char*>(text) - sizeof(std::uint32_t));
}

std::uint32_t SysStringLen(BSTR text)
{
    if (text == nullptr)
        return 0;
    std::uint32_t bytes;
    std::memcpy(&bytes, reinterpret_cast<unsigned char*>(text) - sizeof(std::uint32_t), sizeof bytes);
    return bytes / sizeof(WideChar);
}

} // namespace platform
