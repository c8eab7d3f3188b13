// Loading a system library at run time and calling into it.
#pragma once

namespace platform {

using ModuleHandle = void*;
using ProcAddress = void (*)();

// An empty string takes the current folder out of the search order for
// libraries loaded later in the process.
bool SetDllDirectoryA(const char* path);
ModuleHandle LoadLibraryA(const char* name);
ProcAddress GetProcAddress(ModuleHandle module, const char* name);
bool FreeLibrary(ModuleHandle module);

} // namespace platform
