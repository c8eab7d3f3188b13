#include "platform/TextFile.h"

namespace platform {

void SharedTextFile::Write(std::string_view text)
{
    if (file_ != nullptr)
        std::fwrite(text.data(), 1, text.size(), file_);
}

bool ReadWholeFile(std::FILE* file, std::string& content)
{
    if (file == nullptr)
        return false;
    content.clear();
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        content.append(buffer, got);
    const bool complete = std::ferror(file) == 0;
    std::fclose(file);
    return complete;
}

} // namespace platform
