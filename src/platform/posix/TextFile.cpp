#include "platform/TextFile.h"

#include "platform/posix/OsText.h"

namespace platform {

// POSIX files are shared unless locked; no text mode, so lines end here.
SharedTextFile::SharedTextFile(const std::string& path) : file_(std::fopen(posix::AnsiToOs(path).c_str(), "wb")) {}

void SharedTextFile::EndLine()
{
    Write("\r\n");
}

bool ReadWholeFile(const std::string& path, std::string& content)
{
    return ReadWholeFile(std::fopen(posix::AnsiToOs(path).c_str(), "rb"), content);
}

} // namespace platform
