#include "e2e/Launch.h"

namespace e2e {

std::u16string Utf16FromUtf8(const std::string& text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        char32_t c = byte;
        int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
        if (extra > 0)
            c = byte & (0x3F >> extra);
        ++i;
        for (; extra > 0 && i < text.size(); --extra, ++i)
            c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

} // namespace e2e
