#pragma once

#include <cstdint>
#include <string>

// The log folder under the Documents folder, without a trailing separator;
// at the root of the current drive when no Documents folder is found.
std::string LogFolder();

// Configures the logging library from the shared override "KDefault.ini" in
// the log folder when there is one, else from the program's own properties
// file, written afresh. Nothing is reported: logging never stops the start.
void ConfigureLogging(const char* name, std::int32_t major, std::int32_t minor, std::int32_t build,
                      std::int32_t revision);
