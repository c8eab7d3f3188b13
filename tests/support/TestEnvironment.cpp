#include "support/TestEnvironment.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace testsupport {

void SetVariable(const char* name, const std::string& value)
{
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
    SetEnvironmentVariableA(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

std::filesystem::path ProgramFolder()
{
#if defined(_WIN32)
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::wstring(path, length)).parent_path();
#else
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
#endif
}

TemporaryFolder::TemporaryFolder()
{
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("kltest-" + std::to_string(random()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start) + "<no CR LF>");
    return lines;
}

std::filesystem::path FolderOfLength(const std::filesystem::path& base, std::size_t length)
{
    std::filesystem::path folder = base;
    // Each name costs its bytes and a separator; a last byte alone would
    // be a separator without a name, so the name before it gives one up.
    std::size_t remaining = length - base.string().size();
    while (remaining >= 2) {
        std::size_t take = std::min<std::size_t>(remaining - 1, 200);
        if (remaining - 1 - take == 1)
            --take;
        folder /= std::string(take, 'd');
        remaining -= take + 1;
    }
    return folder;
}

} // namespace testsupport
