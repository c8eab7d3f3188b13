// The Windows form of a command line, rebuilt from an argument vector.
#pragma once

#include <string>
#include <vector>

namespace platform::posix {

// Joins the arguments with single spaces, each quoted the way the Windows
// command-line parser reads it back: arguments with spaces, tabs or quotes
// (and empty ones) are put in double quotes, quotes inside are escaped and
// backslashes before a quote are doubled; the trail byte of a double-byte
// character is never taken for a backslash. The program path is quoted only
// when it has a space or tab, as Windows launchers write it.
std::string BuildCommandLine(const std::vector<std::string>& arguments);

} // namespace platform::posix
