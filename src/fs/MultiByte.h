// Byte-string scans in the ANSI code page that keep double-byte characters
// whole: the byte after a lead byte is its trail byte, never a separator.
#pragma once

#include <cstddef>
#include <string_view>

namespace multibyte {

// The longest prefix of at most limit bytes that does not end between a
// lead byte and its trail byte (a cut there drops the lead byte).
std::size_t CutLength(std::string_view text, std::size_t limit);

// The first occurrence of a one-byte character at or after from (a
// character start), never a trail byte; npos when there is none.
std::size_t Find(std::string_view text, char character, std::size_t from = 0);

// Length in characters, a double-byte character counting once.
std::size_t CharacterCount(std::string_view text);

// Copies at most limit bytes of text, cut as CutLength says, into buffer
// (limit + 1 bytes) and fills the rest of it with zero bytes.
void CopyBounded(char* buffer, std::string_view text, std::size_t limit);

} // namespace multibyte
