#include "platform/FileTime.h"

#include <time.h>

namespace platform {

bool FileTimeToLocalFileTime(const FileTime* utc, FileTime* local)
{
    return ::FileTimeToLocalFileTime(utc, local) != FALSE;
}

bool FileTimeToSystemTime(const FileTime* time, SystemTime* out)
{
    return ::FileTimeToSystemTime(time, out) != FALSE;
}

std::int64_t _mktime64(std::tm* time)
{
    return ::_mktime64(time);
}

} // namespace platform
