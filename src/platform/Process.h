// The running process: its command line and its executable.
#pragma once

#include <cstdint>

namespace platform {

// The whole command line, program path included, as the launcher wrote it,
// in the ANSI code page. It belongs to the process and lives as long.
const char* GetCommandLineA();

// The executable's full path in the ANSI code page, zero-terminated within
// size bytes. Returns the length written, size when the path was cut, and 0
// on failure.
std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size);

// Show state of a process whose start-up information carries none.
inline constexpr int kSW_SHOWDEFAULT = 10;

} // namespace platform
