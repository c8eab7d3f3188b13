#include "fs/FileFind.h"
#include "fs/FileSystem.h"
#include "fs/SplitPath.h"
#include "platform/FileSearch.h"

namespace {

// A trailing slash counts like a trailing backslash: left on the parent, it
// would make the parent's search fail and recurse on the same parent for
// ever.
std::string WithoutTrailingSeparator(const std::string& path)
{
    const int last = static_cast<int>(path.size()) - 1;
    if (last >= 0 && (ReverseFindChar(path, '\\') == last || ReverseFindChar(path, '/') == last))
        return CutLeft(path, last);
    return path;
}

bool IsUsableParent(const std::string& parent)
{
    IFileFind finder;
    bool usable = false;
    if (finder.FindFirst(parent.c_str())) {
        finder.FindNext();
        usable = finder.HasAttributes(platform::kFILE_ATTRIBUTE_DIRECTORY);
    } else {
        usable = CreateDirectoryTree(parent.c_str());
    }
    finder.EndSearch();
    return usable;
}

} // namespace

bool CreateDirectoryTree(const char* path)
{
    if (path == nullptr)
        return false;
    const std::string folder = WithoutTrailingSeparator(path);
    const ISplitPath split(folder.c_str());
    // Below a drive root, or a plain relative name: no parent to look for.
    if (std::string(split.Folder).size() >= 2) {
        const std::string parent = WithoutTrailingSeparator(split.DriveFolder);
        if (!IsUsableParent(parent))
            return false;
    }
    return platform::CreateDirectoryA(path);
}
