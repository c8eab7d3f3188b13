// The one piece of user interface the launcher has: a message box.
#pragma once

#include <cstdint>

namespace platform {

using WindowHandle = void*;

inline constexpr std::uint32_t kMB_OK = 0x00;
inline constexpr std::uint32_t kMB_ICONERROR = 0x10;

WindowHandle GetActiveWindow();

// Shows the box modally and returns the pressed button, 0 on failure. A null
// title lets the system choose its default.
int MessageBoxA(WindowHandle owner, const char* text, const char* title, std::uint32_t style);

} // namespace platform
