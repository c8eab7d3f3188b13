#include "fs/RecordingLibrary.h"

#include <cstring>

#include "platform/Library.h"

namespace fstest {
namespace {

int module;
std::size_t nextLookup;

#if defined(_WIN32)
long __stdcall
#else
platform::ShellResult
#endif
Lookup(void* window, int folder, void* token, unsigned long flags, char* path)
{
    LibraryRecorder& recorder = Recorder();
    recorder.calls.push_back("SHGetFolderPathA(" + std::to_string(folder) + "," + std::to_string(flags) +
                             ",'" + path + "'" + (window || token ? ",handles" : "") + ")");
    if (nextLookup >= recorder.lookups.size())
        return static_cast<platform::ShellResult>(0x80004005);
    const ScriptedLookup& step = recorder.lookups[nextLookup++];
    if (!step.written.empty())
        std::strcpy(path, step.written.c_str());
    return step.status;
}

} // namespace

LibraryRecorder& Recorder()
{
    static LibraryRecorder recorder;
    return recorder;
}

void ResetRecorder()
{
    Recorder() = LibraryRecorder{};
    nextLookup = 0;
}

} // namespace fstest

namespace platform {

bool SetDllDirectoryA(const char* path)
{
    fstest::Recorder().calls.push_back(path ? "SetDllDirectoryA('" + std::string(path) + "')"
                                            : "SetDllDirectoryA(null)");
    return true;
}

ModuleHandle LoadLibraryA(const char* name)
{
    fstest::Recorder().calls.push_back("LoadLibraryA(" + std::string(name) + ")");
    return fstest::Recorder().libraryPresent ? &fstest::module : nullptr;
}

ProcAddress GetProcAddress(ModuleHandle module, const char* name)
{
    fstest::Recorder().calls.push_back("GetProcAddress(" + std::string(name) + ")");
    if (module != &fstest::module || !fstest::Recorder().entryPresent)
        return nullptr;
    return reinterpret_cast<ProcAddress>(&fstest::Lookup);
}

bool FreeLibrary(ModuleHandle module)
{
    fstest::Recorder().calls.push_back(module == &fstest::module ? "FreeLibrary" : "FreeLibrary(other)");
    return true;
}

} // namespace platform
