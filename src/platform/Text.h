// Text in the ANSI code page (932 on the systems the launcher targets) and
// its conversion to and from UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace platform {

#if defined(_WIN32)
using WideChar = wchar_t;
#else
using WideChar = char16_t;
#endif
using WideString = std::basic_string<WideChar>;

// Whether the byte starts a double-byte character in the ANSI code page.
bool IsLeadByte(unsigned char byte);

// The thread's ANSI code page to UTF-16 and back, with the Windows contract:
// a length of -1 takes the zero-terminated text and counts the terminator; a
// capacity of 0 only measures. The result is the number of units or bytes
// written (or needed), 0 on failure, a buffer too small included.
int MultiByteToWideChar(const char* text, int length, WideChar* out, int capacity);
int WideCharToMultiByte(const WideChar* text, int length, char* out, int capacity);

WideString AnsiToWide(std::string_view text);

// The same text as the C++ library's wide string (UTF-32 where wchar_t has
// 32 bits), for libraries that take std::wstring.
std::wstring AnsiToWstring(std::string_view text);

// The same text in UTF-8.
std::string AnsiToUtf8(std::string_view text);
std::string WideToAnsi(std::basic_string_view<WideChar> text);

} // namespace platform
