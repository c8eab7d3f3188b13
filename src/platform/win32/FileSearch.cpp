#include "platform/FileSearch.h"

namespace platform {

SearchHandle FindFirstFileA(const char* pattern, FindData* data)
{
    return ::FindFirstFileA(pattern, data);
}

bool FindNextFileA(SearchHandle search, FindData* data)
{
    return ::FindNextFileA(search, data) != FALSE;
}

bool FindClose(SearchHandle search)
{
    return ::FindClose(search) != FALSE;
}

bool CreateDirectoryA(const char* path)
{
    return ::CreateDirectoryA(path, nullptr) != FALSE;
}

} // namespace platform
