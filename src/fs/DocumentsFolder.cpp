#include "fs/FileSystem.h"

#include "platform/Library.h"
#include "platform/ShellFolder.h"

namespace {

constexpr char kLibraryFile[] = "shfolder.dll";
constexpr char kEntryName[] = "SHGetFolderPathA";

// The library, freed on every way out.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* file) : module_(platform::LoadLibraryA(file)) {}
    ~LoadedLibrary()
    {
        if (module_ != nullptr)
            platform::FreeLibrary(module_);
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    platform::ModuleHandle Module() const { return module_; }

private:
    platform::ModuleHandle module_;
};

} // namespace

bool GetSpecialFolder(char* buffer, int folder, bool fallback)
{
    if (buffer == nullptr)
        return false;
    buffer[0] = '\0';
    // Not from the current folder: a planted library of that name there
    // would run inside this process.
    platform::SetDllDirectoryA("");
    const LoadedLibrary library(kLibraryFile);
    if (library.Module() == nullptr)
        return false;
    const auto lookup = reinterpret_cast<platform::SHGetFolderPathAFunction>(
        platform::GetProcAddress(library.Module(), kEntryName));
    if (lookup == nullptr)
        return false;
    if (lookup(nullptr, folder, nullptr, platform::kSHGFP_TYPE_CURRENT, buffer) >= 0 && buffer[0] != '\0')
        return true;
    if (!fallback)
        return false;
    return lookup(nullptr, folder | platform::kCSIDL_FLAG_CREATE, nullptr, platform::kSHGFP_TYPE_DEFAULT,
                  buffer) >= 0 &&
           buffer[0] != '\0';
}

bool GetDocumentsFolder(char* buffer)
{
    return GetSpecialFolder(buffer, platform::kCSIDL_PERSONAL, true);
}
