#include "fs/FileSystem.h"

#include "platform/Text.h"

int ReverseFindChar(const std::string& text, char character)
{
    int found = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == character)
            found = static_cast<int>(i);
        if (platform::IsLeadByte(static_cast<unsigned char>(text[i])))
            ++i;
    }
    return found;
}

std::string CutLeft(const std::string& text, int count)
{
    if (count <= 0)
        return {};
    auto length = static_cast<std::size_t>(count);
    std::size_t next = 0; // the start of the character after the last one walked
    while (next < length && next < text.size())
        next += platform::IsLeadByte(static_cast<unsigned char>(text[next])) ? 2 : 1;
    // The cut falls between a lead byte and its trail byte: keep the pair.
    if (next > length && length < text.size())
        ++length;
    return text.substr(0, length);
}
