#include "platform/Path.h"

#include <mbstring.h>
#include <stdlib.h>

namespace platform {

char* _fullpath(char* buffer, const char* path, std::size_t capacity)
{
    return ::_fullpath(buffer, path, capacity);
}

void _splitpath(const char* path, char* drive, char* folder, char* name, char* extension)
{
    // The bounded form with buffers large enough for any part of a path of
    // kMAX_PATH bytes: no part is cut here, the caller decides the limits.
    constexpr std::size_t size = kMAX_PATH + 1;
    if (::_splitpath_s(path, drive, size, folder, size, name, size, extension, size) != 0)
        drive[0] = folder[0] = name[0] = extension[0] = '\0';
}

const char* _mbsrchr(const char* text, unsigned int character)
{
    return reinterpret_cast<const char*>(
        ::_mbsrchr(reinterpret_cast<const unsigned char*>(text), character));
}

} // namespace platform
