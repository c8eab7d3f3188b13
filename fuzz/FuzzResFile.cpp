// Any bytes as a .res image: every entry found lies inside the image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/posix/ResFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::byte> image(reinterpret_cast<const std::byte*>(data), size);
    const auto entries = platform::posix::ParseResFile(image);
    for (const auto& entry : entries) {
        if (entry.data.data() < image.data() || entry.data.data() + entry.data.size() > image.data() + image.size())
            std::abort();
    }
    const std::uint16_t order[] = {0x0411, 0};
    platform::posix::FindResEntry(entries, 6, 626, std::nullopt, order);
    platform::posix::FindResEntry(entries, 24, 1, 0);
    return 0;
}
