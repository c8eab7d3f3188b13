#include "platform/TextFile.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/posix/OsText.h"

namespace platform {

namespace {

// Opened without truncating: ext4 writes a file that was emptied by
// truncation back to disk when it is closed, which costs a start about a
// millisecond. The old text is written over and cut to length at the end,
// which leaves the same bytes; a start reading the file meanwhile, when
// the text has not changed, finds it whole rather than empty.
std::FILE* OpenForRewriting(const std::string& path)
{
    const int fd = ::open(posix::AnsiToOs(path).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr)
        ::close(fd);
    return file;
}

} // namespace

// POSIX files are shared unless locked; no text mode, so lines end here.
SharedTextFile::SharedTextFile(const std::string& path) : file_(OpenForRewriting(path)) {}

SharedTextFile::~SharedTextFile()
{
    if (file_ == nullptr)
        return;
    // The file ends where the writing got to: the whole text, or, when a
    // write failed, as much of it as reached the disk, as a truncated file
    // would have ended.
    std::fflush(file_);
    const int fd = ::fileno(file_);
    const off_t end = ::lseek(fd, 0, SEEK_CUR);
    if (end >= 0 && ::ftruncate(fd, end) != 0) {
        // Nothing more to do: a failed write is not reported either.
    }
    std::fclose(file_);
}

void SharedTextFile::EndLine()
{
    Write("\r\n");
}

bool ReadWholeFile(const std::string& path, std::string& content)
{
    return ReadWholeFile(std::fopen(posix::AnsiToOs(path).c_str(), "rb"), content);
}

} // namespace platform
