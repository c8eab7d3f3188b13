// Paths as the C runtime treats them: the separator that joins a folder and
// a name, full-path resolution, the split into parts, and the multibyte
// search for a separator.
#pragma once

#include <cstddef>

namespace platform {

#if defined(_WIN32)
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Whole paths, terminator included.
inline constexpr std::size_t kMAX_PATH = 260;

// The absolute form of path in buffer (capacity bytes, terminator included):
// the current folder applied, "." and ".." resolved. Null when the result
// does not fit or the path is empty.
char* _fullpath(char* buffer, const char* path, std::size_t capacity);

// Drive (a letter and a colon), folder (up to and including the last
// backslash or slash), file name (up to its last period) and extension. Each
// output buffer must hold kMAX_PATH + 1 bytes; path is at most kMAX_PATH
// bytes. Trail bytes of double-byte characters are never separators.
void _splitpath(const char* path, char* drive, char* folder, char* name, char* extension);

// The last occurrence of a one-byte character, never a trail byte; null
// when there is none.
const char* _mbsrchr(const char* text, unsigned int character);

} // namespace platform
