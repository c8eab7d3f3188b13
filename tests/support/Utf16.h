#pragma once

#include <string>
#include <string_view>

#include "platform/Text.h"

namespace testsupport {

// The platform's wide text as char16_t, so tests can compare with u"" texts
// on both targets (wchar_t on Windows, char16_t elsewhere; both UTF-16).
inline std::u16string Utf16(std::basic_string_view<platform::WideChar> text)
{
    return {text.begin(), text.end()};
}

} // namespace testsupport
