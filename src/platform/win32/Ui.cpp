#include "platform/Ui.h"

#include <windows.h>

namespace platform {

WindowHandle GetActiveWindow()
{
    return ::GetActiveWindow();
}

int MessageBoxA(WindowHandle owner, const char* text, const char* title, std::uint32_t style)
{
    return ::MessageBoxA(static_cast<HWND>(owner), text, title, style);
}

} // namespace platform
