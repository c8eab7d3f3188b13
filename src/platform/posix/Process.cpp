#include "platform/Process.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/posix/CommandLine.h"
#include "platform/posix/OsText.h"

namespace platform {
namespace {

// The kernel keeps the argument vector exactly as the parent passed it.
std::string ReadCommandLine()
{
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string raw{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::string> arguments;
    for (std::size_t start = 0; start < raw.size();) {
        const std::size_t end = raw.find('\0', start);
        const std::size_t stop = end == std::string::npos ? raw.size() : end;
        arguments.push_back(posix::AnsiFromOs(std::string_view(raw).substr(start, stop - start)));
        start = stop + 1;
    }
    return posix::BuildCommandLine(arguments);
}

} // namespace

const char* GetCommandLineA()
{
    static const std::string commandLine = ReadCommandLine();
    return commandLine.c_str();
}

std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size)
{
    if (buffer == nullptr || size == 0)
        return 0;
    std::string target(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
        return 0;
    target.resize(static_cast<std::size_t>(length));
    const std::string path = posix::AnsiFromOs(target);
    // Like Windows: a path that does not fit is cut and reported as size.
    if (path.size() >= size) {
        std::memcpy(buffer, path.data(), size - 1);
        buffer[size - 1] = '\0';
        return size;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<std::uint32_t>(path.size());
}

} // namespace platform
