// Bytes that cross between the program (code page 932) and the system (the
// charset of the user's locale: paths, arguments, terminal output).
#pragma once

#include <string>
#include <string_view>

namespace platform::posix {

// The charset of the environment's locale, read without touching the C
// library's own locale. A plain "C" locale counts as UTF-8.
const char* OsCharset();

std::string AnsiFromOs(std::string_view osBytes);
std::string AnsiToOs(std::string_view ansiBytes);

} // namespace platform::posix
