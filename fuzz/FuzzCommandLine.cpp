// Arguments split at zero bytes, as the kernel hands them over: the rebuilt
// line must hold every byte of every argument and no zero byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/posix/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    const std::string line = platform::posix::BuildCommandLine(arguments);
    std::size_t bytes = 0;
    for (const std::string& argument : arguments)
        bytes += argument.size();
    if (line.size() < bytes + arguments.size() - 1 || line.find('\0') != std::string::npos)
        std::abort();
    return 0;
}
