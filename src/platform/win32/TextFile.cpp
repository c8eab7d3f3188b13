#include "platform/TextFile.h"

#include <share.h>

namespace platform {

SharedTextFile::SharedTextFile(const std::string& path) : file_(_fsopen(path.c_str(), "wt", _SH_DENYNO)) {}

SharedTextFile::~SharedTextFile()
{
    if (file_ != nullptr)
        std::fclose(file_);
}

void SharedTextFile::EndLine()
{
    Write("\n"); // text mode writes it as CR LF
}

bool ReadWholeFile(const std::string& path, std::string& content)
{
    return ReadWholeFile(std::fopen(path.c_str(), "rb"), content);
}

} // namespace platform
