#include "fs/MultiByte.h"

#include <cstring>

#include "platform/Text.h"

namespace multibyte {
namespace {

bool IsLead(char byte)
{
    return platform::IsLeadByte(static_cast<unsigned char>(byte));
}

} // namespace

std::size_t CutLength(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    std::size_t i = 0;
    while (i < limit)
        i += IsLead(text[i]) ? 2 : 1;
    return i > limit ? limit - 1 : limit;
}

std::size_t Find(std::string_view text, char character, std::size_t from)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == character)
            return i;
        if (IsLead(text[i]))
            ++i;
    }
    return std::string_view::npos;
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++count)
        if (IsLead(text[i]))
            ++i;
    return count;
}

void CopyBounded(char* buffer, std::string_view text, std::size_t limit)
{
    const std::size_t length = CutLength(text, limit);
    if (length > 0)
        std::memcpy(buffer, text.data(), length);
    std::memset(buffer + length, 0, limit + 1 - length);
}

} // namespace multibyte
