#include "platform/posix/ShellFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/Path.h"
#include "platform/posix/OsText.h"
#include "platform/posix/UserDirs.h"

namespace platform::posix {
namespace {

constexpr ShellResult kS_OK = 0;
constexpr ShellResult kE_FAIL = static_cast<ShellResult>(0x80004005);
constexpr ShellResult kE_INVALIDARG = static_cast<ShellResult>(0x80070057);
// HRESULT_FROM_WIN32 of ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED,
// ERROR_FILENAME_EXCED_RANGE.
constexpr ShellResult kNotFound = static_cast<ShellResult>(0x80070002);
constexpr ShellResult kAccessDenied = static_cast<ShellResult>(0x80070005);
constexpr ShellResult kTooLong = static_cast<ShellResult>(0x800700CE);
constexpr int kCSIDL_FLAG_MASK = 0xFF00;

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return home;
    std::vector<char> buffer(16384);
    passwd entry{}, *result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result != nullptr &&
        result->pw_dir != nullptr && result->pw_dir[0] == '/')
        return result->pw_dir;
    return {};
}

std::string ConfigFolder(const std::string& home)
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // The XDG rules ignore a relative value.
    if (config != nullptr && config[0] == '/')
        return config;
    return home + "/.config";
}

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Creates the folder and any missing parent, as the shell does.
bool CreateWithParents(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!IsFolder(prefix) && mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return IsFolder(path);
    }
}

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

ShellResult SHGetFolderPathA(void*, int folder, void*, unsigned long flags, char* path)
{
    if (path == nullptr)
        return kE_INVALIDARG;
    path[0] = '\0';
    if ((folder & ~kCSIDL_FLAG_MASK) != kCSIDL_PERSONAL ||
        (flags != kSHGFP_TYPE_CURRENT && flags != kSHGFP_TYPE_DEFAULT))
        return kE_INVALIDARG;
    const std::string home = HomeFolder();
    if (home.empty())
        return kE_FAIL;

    std::string documents = home + "/Documents";
    if (flags == kSHGFP_TYPE_CURRENT) {
        const std::string config = ReadText(ConfigFolder(home) + "/user-dirs.dirs");
        if (auto configured = UserDirectory(config, "XDG_DOCUMENTS_DIR", home))
            documents = *configured;
    }
    documents = WithoutTrailingSlashes(documents);

    if (!IsFolder(documents)) {
        if ((folder & kCSIDL_FLAG_CREATE) == 0)
            return kNotFound;
        if (!CreateWithParents(documents))
            return kAccessDenied;
    }
    // A path that code page 932 cannot hold would name another folder.
    const std::string ansi = AnsiFromOs(documents);
    if (AnsiToOs(ansi) != documents)
        return kE_FAIL;
    if (ansi.size() >= kMAX_PATH)
        return kTooLong;
    std::memcpy(path, ansi.c_str(), ansi.size() + 1);
    return kS_OK;
}

} // namespace platform::posix
