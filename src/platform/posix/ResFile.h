// Reader of the compiled resource format (.res) that the resource compiler
// writes: the POSIX build embeds the executable's .res and finds its
// resources here, as Windows finds them in the PE file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform::posix {

// A resource type or name: a number, or (when number is empty) a text.
struct ResId {
    std::optional<std::uint16_t> number;
    std::u16string text;
};

struct ResEntry {
    ResId type;
    ResId name;
    std::uint16_t language = 0;
    std::span<const std::byte> data;
};

// The entries of a .res image in file order; parsing stops at the first
// malformed header, keeping the entries before it.
std::vector<ResEntry> ParseResFile(std::span<const std::byte> image);

// The entry of that numeric type and name: of the language when one is
// given; otherwise the first of the preferred languages, then any.
const ResEntry* FindResEntry(const std::vector<ResEntry>& entries, std::uint16_t type, std::uint16_t name,
                             std::optional<std::uint16_t> language,
                             std::span<const std::uint16_t> preferred = {});

} // namespace platform::posix
