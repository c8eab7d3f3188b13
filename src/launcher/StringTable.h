#pragma once

#include <string>

// The text of a string-table entry of the executable, in the ANSI code page.
// Empty when the entry is missing or empty, or converts to no bytes.
std::string LoadStringFromTable(unsigned id);
