// The first byte is the character, the rest the text: the index found is
// the last character start holding it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fs/FileSystem.h"
#include "fuzz/fs/Characters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char character = static_cast<char>(data[0]);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const int found = ReverseFindChar(text, character);
    const std::vector<bool> boundary = fuzzfs::Boundaries(text);
    if (found < -1 || found >= static_cast<int>(text.size()))
        std::abort();
    if (found >= 0 && (text[found] != character || !boundary[found]))
        std::abort();
    for (std::size_t i = static_cast<std::size_t>(found + 1); i < text.size(); ++i)
        if (boundary[i] && text[i] == character)
            std::abort();
    return 0;
}
