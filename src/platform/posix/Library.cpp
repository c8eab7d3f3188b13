// Run-time loading on POSIX: the few Windows libraries the program asks for
// by name are built into the POSIX half; no other library can be loaded.
#include "platform/Library.h"

#include <cstring>
#include <string_view>

#include "platform/LastError.h"
#include "platform/posix/ShellFolder.h"

namespace platform {
namespace {

struct Export {
    const char* name;
    ProcAddress address;
};

struct BuiltInLibrary {
    const char* file;
    const Export* exports;
    std::size_t exportCount;
};

const Export shellFolderExports[] = {
    {"SHGetFolderPathA", reinterpret_cast<ProcAddress>(&posix::SHGetFolderPathA)},
};

const BuiltInLibrary builtIns[] = {
    {"shfolder.dll", shellFolderExports, std::size(shellFolderExports)},
};

bool SameFileName(std::string_view left, std::string_view right)
{
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return left.size() == right.size() &&
           std::equal(left.begin(), left.end(), right.begin(),
                      [&](char a, char b) { return fold(a) == fold(b); });
}

const BuiltInLibrary* Find(ModuleHandle module)
{
    for (const BuiltInLibrary& library : builtIns)
        if (module == &library)
            return &library;
    return nullptr;
}

} // namespace

bool SetDllDirectoryA(const char*)
{
    // No counterpart to call: the POSIX half loads no library from a folder
    // (the libraries asked for by name are built in), so there is no search
    // order to take the current folder out of.
    return true;
}

ModuleHandle LoadLibraryA(const char* name)
{
    if (name != nullptr) {
        std::string_view file(name);
        for (const BuiltInLibrary& library : builtIns) {
            // As on Windows, a name without an extension means a ".dll".
            const std::string_view known(library.file);
            if (SameFileName(file, known) || SameFileName(file, known.substr(0, known.size() - 4)))
                return const_cast<BuiltInLibrary*>(&library);
        }
    }
    SetLastError(kERROR_MOD_NOT_FOUND);
    return nullptr;
}

ProcAddress GetProcAddress(ModuleHandle module, const char* name)
{
    const BuiltInLibrary* library = Find(module);
    if (library == nullptr) {
        SetLastError(kERROR_INVALID_HANDLE);
        return nullptr;
    }
    for (std::size_t i = 0; name != nullptr && i < library->exportCount; ++i)
        if (std::strcmp(library->exports[i].name, name) == 0)
            return library->exports[i].address;
    SetLastError(kERROR_PROC_NOT_FOUND);
    return nullptr;
}

bool FreeLibrary(ModuleHandle module)
{
    if (Find(module) == nullptr) {
        SetLastError(kERROR_INVALID_HANDLE);
        return false;
    }
    return true;
}

} // namespace platform
