#include "fs/TestFolder.h"

#include <fstream>

#include "platform/Path.h"
#include "platform/Text.h"
#if !defined(_WIN32)
#include "platform/posix/OsPath.h"
#include "platform/posix/OsText.h"
#endif

namespace fstest {

std::filesystem::path Os(const std::string& ansi)
{
#if defined(_WIN32)
    return std::filesystem::path(platform::AnsiToWide(ansi));
#else
    return std::filesystem::path(platform::posix::OsPathFromAnsi(ansi));
#endif
}

std::string Ansi(const std::filesystem::path& path)
{
#if defined(_WIN32)
    return platform::WideToAnsi(path.native());
#else
    return platform::posix::AnsiFromOs(path.native());
#endif
}

TestFolder::TestFolder()
{
    // Resolved the way the helpers resolve it, so roots compare equal.
    char full[platform::kMAX_PATH];
    const std::string raw = Ansi(folder_.Path());
    path_ = platform::_fullpath(full, raw.c_str(), sizeof full) ? full : raw;
    while (!path_.empty() && (path_.back() == '/' || path_.back() == '\\'))
        path_.pop_back();
}

std::string TestFolder::operator/(std::string_view name) const
{
    return path_ + platform::kPathSeparator + std::string(name);
}

void TestFolder::MakeFile(std::string_view name) const
{
    std::ofstream(Os(*this / name)) << "x";
}

void TestFolder::MakeFolder(std::string_view name) const
{
    std::filesystem::create_directories(Os(*this / name));
}

bool TestFolder::IsFolder(std::string_view name) const
{
    return std::filesystem::is_directory(Os(*this / name));
}

bool TestFolder::Exists(std::string_view name) const
{
    return std::filesystem::exists(Os(*this / name));
}

CurrentFolder::CurrentFolder(const std::string& ansi) : previous_(std::filesystem::current_path())
{
    std::filesystem::current_path(Os(ansi));
}

CurrentFolder::~CurrentFolder()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

} // namespace fstest
