// Any bytes as a manifest: the reader answers or declines, never more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/posix/Manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr platform::GUID kClass = {0xCAF3F30D, 0x6A26, 0x4FCB, {0xB1, 0x60, 0x53, 0x53, 0x97, 0x6D, 0x86, 0xD0}};
    const auto file = platform::posix::FindClassFile({reinterpret_cast<const char*>(data), size}, kClass);
    if (file && file->size() > size)
        std::abort();
    return 0;
}
