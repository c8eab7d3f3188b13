// Paths crossing from the program (code page 932, Windows separators) to the
// system.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::posix {

// Whether the byte separates path components: both slashes count, as on
// Windows. The caller skips trail bytes.
constexpr bool IsSeparator(char byte)
{
    return byte == '/' || byte == '\\';
}

// The system's form of a code page 932 path: every backslash that is not the
// trail byte of a double-byte character becomes a slash, then the bytes are
// converted to the locale's charset. A file name that holds a backslash
// therefore cannot be reached through the program, as on Windows.
std::string OsPathFromAnsi(std::string_view ansiPath);

// The Windows error code for an errno value of a file operation.
std::uint32_t ErrorFromErrno(int error);

} // namespace platform::posix
