#include "platform/Library.h"

#include <windows.h>

namespace platform {

bool SetDllDirectoryA(const char* path)
{
    return ::SetDllDirectoryA(path) != FALSE;
}

ModuleHandle LoadLibraryA(const char* name)
{
    return ::LoadLibraryA(name);
}

ProcAddress GetProcAddress(ModuleHandle module, const char* name)
{
    return reinterpret_cast<ProcAddress>(::GetProcAddress(static_cast<HMODULE>(module), name));
}

bool FreeLibrary(ModuleHandle module)
{
    return ::FreeLibrary(static_cast<HMODULE>(module)) != FALSE;
}

} // namespace platform
