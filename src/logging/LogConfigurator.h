// Hands the chosen configuration to the logging library.
#pragma once

#include <string>

#include "logging/LogProperties.h"

// The shared override: the library reads the file itself.
void ApplyOverrideConfiguration(const std::string& path);

// The file just written. The library would read it as ISO-8859-1, which
// misplaces the log when the folder's name is not ASCII; so the same lines
// are read back here, decoded from the ANSI code page, and handed over.
void ApplyGeneratedConfiguration(const WrittenLogProperties& written);
