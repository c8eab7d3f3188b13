// Where the characters of a code page 932 byte string start, for checks
// that a result never ends inside a double-byte character.
#pragma once

#include <string_view>
#include <vector>

#include "platform/Text.h"

namespace fuzzfs {

// boundary[i]: a character starts at i (or i is the end).
inline std::vector<bool> Boundaries(std::string_view text)
{
    std::vector<bool> boundary(text.size() + 1, false);
    for (std::size_t i = 0; i < text.size(); ++i) {
        boundary[i] = true;
        if (platform::IsLeadByte(static_cast<unsigned char>(text[i])))
            ++i;
    }
    boundary[text.size()] = true;
    return boundary;
}

} // namespace fuzzfs
