#include "fs/FileFind.h"
#include "fs/FileSystem.h"

bool FileExists(const char* path)
{
    IFileFind finder;
    const bool found = finder.FindFirst(path);
    finder.EndSearch();
    return found;
}
