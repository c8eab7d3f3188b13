// The string forms of the code-page conversions, over the two primitives.
#include <limits>

#include "platform/Text.h"

namespace platform {

WideString AnsiToWide(std::string_view text)
{
    if (text.empty() || text.size() > std::numeric_limits<int>::max())
        return {};
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(text.data(), length, nullptr, 0);
    if (units <= 0)
        return {};
    WideString wide(static_cast<std::size_t>(units), WideChar{});
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(text.data(), length, wide.data(), units)));
    return wide;
}

std::string WideToAnsi(std::basic_string_view<WideChar> text)
{
    if (text.empty() || text.size() > std::numeric_limits<int>::max())
        return {};
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(text.data(), length, nullptr, 0);
    if (bytes <= 0)
        return {};
    std::string ansi(static_cast<std::size_t>(bytes), '\0');
    ansi.resize(static_cast<std::size_t>(WideCharToMultiByte(text.data(), length, ansi.data(), bytes)));
    return ansi;
}

} // namespace platform
