// The string forms of the code-page conversions, over the two primitives.
#include <limits>

#include "platform/Text.h"
#include "platform/Utf8.h"

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

std::wstring AnsiToWstring(std::string_view text)
{
    const WideString utf16 = AnsiToWide(text);
    if constexpr (sizeof(wchar_t) == sizeof(WideChar)) {
        return {utf16.begin(), utf16.end()};
    } else {
        std::wstring utf32;
        for (std::size_t i = 0; i < utf16.size(); ++i) {
            char32_t unit = static_cast<char16_t>(utf16[i]);
            if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < utf16.size()) {
                const char32_t low = static_cast<char16_t>(utf16[i + 1]);
                if (low >= 0xDC00 && low < 0xE000) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
            utf32 += static_cast<wchar_t>(unit);
        }
        return utf32;
    }
}

std::string AnsiToUtf8(std::string_view text)
{
    std::string utf8;
    for (wchar_t unit : AnsiToWstring(text))
        AppendUtf8(utf8, static_cast<char32_t>(unit));
    return utf8;
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
