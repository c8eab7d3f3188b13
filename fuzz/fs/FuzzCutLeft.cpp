// Four bytes of count, then the text: the result is a prefix of the text
// that ends at a character start, count bytes or one more.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fs/FileSystem.h"
#include "fuzz/fs/Characters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    std::int32_t count = 0;
    std::memcpy(&count, data, 4);
    const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);
    const std::string cut = CutLeft(text, count);
    if (count <= 0) {
        if (!cut.empty())
            std::abort();
        return 0;
    }
    const std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(count), text.size());
    if (text.compare(0, cut.size(), cut) != 0 || !fuzzfs::Boundaries(text)[cut.size()])
        std::abort();
    if (cut.size() != wanted && !(cut.size() == wanted + 1 && wanted < text.size()))
        std::abort();
    return 0;
}
