#include "launcher/StringTable.h"

#include <cstdint>
#include <cstring>

#include "platform/Resources.h"
#include "platform/Text.h"

namespace {

// A block holds sixteen entries, each a 16-bit unit count and its units.
// Returns the entry's units, or an empty view when it is absent or empty.
std::basic_string_view<platform::WideChar> EntryOfBlock(platform::ResourceBytes block, unsigned id)
{
    const std::size_t units = block.size() / 2;
    auto unitAt = [&](std::size_t index) {
        std::uint16_t value;
        std::memcpy(&value, block.data() + index * 2, 2);
        return value;
    };
    std::size_t position = 0;
    for (unsigned skip = id % 16; skip > 0; --skip) {
        if (position >= units)
            return {};
        position += std::size_t{unitAt(position)} + 1;
    }
    if (position >= units)
        return {};
    const std::size_t length = unitAt(position);
    if (length == 0 || position + 1 + length > units)
        return {};
    // Resource data is at least 2-byte aligned, so it can be read in place.
    return {reinterpret_cast<const platform::WideChar*>(block.data()) + position + 1, length};
}

std::uint16_t BlockOf(unsigned id)
{
    return static_cast<std::uint16_t>(id / 16 + 1);
}

} // namespace

std::string LoadStringFromTable(unsigned id)
{
    if (id > 0xFFFF) // string-table ids are 16-bit; no larger one has an entry
        return {};
    // The entry must exist in the neutral lookup before it is read in the
    // system's language order, as the resource loader of the module does.
    if (EntryOfBlock(platform::LoadResourceBytes(platform::kRT_STRING, BlockOf(id), platform::kLANG_NEUTRAL), id)
            .empty())
        return {};
    return platform::WideToAnsi(EntryOfBlock(platform::LoadResourceBytes(platform::kRT_STRING, BlockOf(id)), id));
}
