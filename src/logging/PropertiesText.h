// Reading the key-value lines of a properties file, as the log4j syntax has
// them: "key = value" or "key: value", escapes with a backslash, comments
// after # or !, blank lines ignored. Bytes stay as they are otherwise, and
// double-byte characters of the ANSI code page are read whole.
#pragma once

#include <string>
#include <vector>

struct PropertiesEntry {
    std::string key;
    std::string value;
};

std::vector<PropertiesEntry> ParsePropertiesText(const std::string& text);
