// The shell's folder lookup, as "shfolder.dll" exports it.
#pragma once

#include <cstdint>

namespace platform {

using ShellResult = std::int32_t;

inline constexpr int kCSIDL_PERSONAL = 5;
inline constexpr int kCSIDL_FLAG_CREATE = 0x8000;
inline constexpr std::uint32_t kSHGFP_TYPE_CURRENT = 0;
inline constexpr std::uint32_t kSHGFP_TYPE_DEFAULT = 1;

// SHGetFolderPathA(window, folder, token, flags, path of 260 bytes): a
// negative result is a failure.
#if defined(_WIN32)
using SHGetFolderPathAFunction = long(__stdcall*)(void*, int, void*, unsigned long, char*);
#else
using SHGetFolderPathAFunction = ShellResult (*)(void*, int, void*, unsigned long, char*);
#endif

} // namespace platform
