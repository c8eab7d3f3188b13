// Matching a file name against the last component of a search pattern.
#pragma once

#include <string_view>

namespace platform::posix {

// The rules of a Windows directory search, on code page 932 bytes (a
// double-byte character is one character; letters compare ASCII
// case-insensitively):
// - "*.*" is "*": every name, also names without a period;
// - "*" matches any run of characters, "?" exactly one;
// - "*" directly before a period cannot swallow the name's last period
//   ("*.txt" needs a name ending in ".txt");
// - "?" matches nothing at a period or at the end of the name ("a?" matches
//   "a", "??.txt" matches "a.txt");
// - a period before "*", before "?" or at the end of the pattern also matches
//   the end of the name ("a.*" and "a." match "a").
// Windows' matching of 8.3 short names is not reproduced: the POSIX half has
// no short names.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

} // namespace platform::posix
