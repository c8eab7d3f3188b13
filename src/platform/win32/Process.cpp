#include "platform/Process.h"

#include <windows.h>

namespace platform {

const char* GetCommandLineA()
{
    return ::GetCommandLineA();
}

std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size)
{
    return ::GetModuleFileNameA(nullptr, buffer, size);
}

} // namespace platform
