// Conversions between character sets through iconv, for the POSIX half.
#pragma once

#include <string>
#include <string_view>

namespace platform::posix {

// Converts bytes of one character set into another. Input that cannot be
// read or written goes out as the replacement, one input unit at a time
// (unitSize bytes), so nothing after a bad spot is lost.
std::string ConvertCharset(const char* from, const char* to, std::string_view input,
                           std::size_t unitSize, std::string_view replacement);

} // namespace platform::posix
