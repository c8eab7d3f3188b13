#include "platform/Ui.h"

#include <string>
#include <unistd.h>

#include "platform/posix/OsText.h"

namespace platform {

WindowHandle GetActiveWindow()
{
    return nullptr; // a console program has no windows
}

int MessageBoxA(WindowHandle, const char* text, const char*, std::uint32_t)
{
    // No desktop to show a box on: the text goes to standard error in one
    // write, so that it is not interleaved, and the box counts as answered.
    std::string block = posix::AnsiToOs(text != nullptr ? text : "");
    block += '\n';
    for (std::size_t done = 0; done < block.size();) {
        const ssize_t written = write(STDERR_FILENO, block.data() + done, block.size() - done);
        if (written <= 0)
            return 0;
        done += static_cast<std::size_t>(written);
    }
    return 1; // IDOK
}

} // namespace platform
