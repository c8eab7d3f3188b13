// Directory search with the results of Windows: the whole listing is read
// at the start, matched with the Windows wildcard rules and walked in a
// fixed order; each entry is described when it is fetched.
#include "platform/FileSearch.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unordered_set>
#include <vector>

#include "platform/LastError.h"
#include "platform/Text.h"
#include "platform/posix/OsPath.h"
#include "platform/posix/OsText.h"
#include "platform/posix/Wildcard.h"

namespace platform {
namespace {

constexpr std::uint32_t kIO_REPARSE_TAG_SYMLINK = 0xA000000C;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kEpochDifference = 11644473600;

struct Search {
    std::string folder; // system form, empty or ending in '/'
    std::vector<std::string> names; // system bytes, in walk order
    std::size_t next = 0;
};

// Open searches, so that a stale or foreign handle fails instead of crashing.
std::mutex searchesMutex;
std::unordered_set<Search*> searches;

Search* Registered(SearchHandle handle)
{
    std::lock_guard lock(searchesMutex);
    auto* search = static_cast<Search*>(handle);
    return searches.count(search) != 0 ? search : nullptr;
}

bool IsDotName(std::string_view name)
{
    return name == "." || name == "..";
}

FileTime ToFileTime(std::int64_t seconds, std::uint32_t nanoseconds)
{
    // File times cannot go before 1601; such times read as the start.
    std::uint64_t value = 0;
    if (seconds >= -kEpochDifference) {
        const auto since1601 = static_cast<std::uint64_t>(seconds + kEpochDifference);
        value = since1601 * 10000000u + nanoseconds / 100u;
    }
    return {static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
}

struct Status {
    bool isDirectory = false;
    bool isLink = false;
    bool ownerMayWrite = true;
    std::uint64_t size = 0;
    FileTime creation{}, access{}, write{};
};

// The entry itself first (to see a link), then what a link points to.
bool ReadStatus(const std::string& path, Status& status)
{
    struct statx info {};
    int result = statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW,
                       STATX_BASIC_STATS | STATX_BTIME, &info);
    if (result != 0)
        return false;
    if (S_ISLNK(info.stx_mode)) {
        status.isLink = true;
        struct statx target {};
        // A dangling link is described by the link itself.
        if (statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &target) == 0)
            info = target;
    }
    status.isDirectory = S_ISDIR(info.stx_mode);
    status.ownerMayWrite = (info.stx_mode & S_IWUSR) != 0;
    status.size = status.isDirectory ? 0 : info.stx_size;
    // Creation time: the birth time where the file system keeps one, else
    // the last status change, the nearest the system offers.
    const struct statx_timestamp& created =
        (info.stx_mask & STATX_BTIME) != 0 ? info.stx_btime : info.stx_ctime;
    status.creation = ToFileTime(created.tv_sec, created.tv_nsec);
    status.access = ToFileTime(info.stx_atime.tv_sec, info.stx_atime.tv_nsec);
    status.write = ToFileTime(info.stx_mtime.tv_sec, info.stx_mtime.tv_nsec);
    return true;
}

// Fills the record for one entry; false when it has gone since the listing
// or its name does not fit the record.
bool Describe(const Search& search, const std::string& osName, FindData* data)
{
    const std::string name = posix::AnsiFromOs(osName);
    if (name.size() >= sizeof data->cFileName)
        return false;
    Status status;
    if (!ReadStatus(search.folder.empty() ? osName : search.folder + osName, status))
        return false;
    std::memset(data, 0, sizeof *data);
    std::uint32_t attributes = status.isDirectory ? kFILE_ATTRIBUTE_DIRECTORY : kFILE_ATTRIBUTE_ARCHIVE;
    if (!status.isDirectory && !status.ownerMayWrite)
        attributes |= kFILE_ATTRIBUTE_READONLY;
    if (name.size() > 1 && name[0] == '.' && !IsDotName(name))
        attributes |= kFILE_ATTRIBUTE_HIDDEN;
    if (status.isLink) {
        attributes |= kFILE_ATTRIBUTE_REPARSE_POINT;
        data->dwReserved0 = kIO_REPARSE_TAG_SYMLINK;
    }
    data->dwFileAttributes = attributes;
    data->ftCreationTime = status.creation;
    data->ftLastAccessTime = status.access;
    data->ftLastWriteTime = status.write;
    data->nFileSizeHigh = static_cast<std::uint32_t>(status.size >> 32);
    data->nFileSizeLow = static_cast<std::uint32_t>(status.size);
    std::memcpy(data->cFileName, name.c_str(), name.size() + 1);
    return true;
}

bool FetchNext(Search& search, FindData* data)
{
    while (search.next < search.names.size()) {
        if (Describe(search, search.names[search.next++], data))
            return true;
    }
    return false;
}

// Windows lists "." and ".." first; the rest here in the order of their
// ASCII-case-folded bytes, which is near what NTFS gives.
bool WalkOrder(const std::string& left, const std::string& right)
{
    const bool leftDots = IsDotName(left), rightDots = IsDotName(right);
    if (leftDots != rightDots)
        return leftDots;
    auto fold = [](unsigned char byte) { return byte >= 'A' && byte <= 'Z' ? byte + 32 : byte; };
    const bool less = std::lexicographical_compare(
        left.begin(), left.end(), right.begin(), right.end(),
        [&](char a, char b) { return fold(a) < fold(b); });
    const bool greater = std::lexicographical_compare(
        right.begin(), right.end(), left.begin(), left.end(),
        [&](char a, char b) { return fold(a) < fold(b); });
    return less || (!greater && left < right);
}

// The position after the last separator that is not a trail byte.
std::size_t NameStart(std::string_view pattern)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(pattern[i])))
            ++i;
        else if (posix::IsSeparator(pattern[i]))
            start = i + 1;
    }
    return std::min(start, pattern.size());
}

bool HasWildcard(std::string_view name)
{
    return name.find_first_of("*?") != std::string_view::npos;
}

// The matching entries' names; false with the last error set when the
// folder cannot be read.
bool List(Search& search, const std::string& pattern)
{
    DIR* folder = opendir(search.folder.empty() ? "." : search.folder.c_str());
    if (folder == nullptr) {
        SetLastError(posix::ErrorFromErrno(errno));
        return false;
    }
    std::unique_ptr<DIR, int (*)(DIR*)> closer(folder, closedir);
    while (const dirent* entry = readdir(folder)) {
        const std::string osName = entry->d_name;
        if (posix::MatchesWildcard(pattern, posix::AnsiFromOs(osName)))
            search.names.push_back(osName);
    }
    std::sort(search.names.begin(), search.names.end(), WalkOrder);
    return true;
}

} // namespace

SearchHandle FindFirstFileA(const char* pattern, FindData* data)
{
    if (pattern == nullptr || data == nullptr) {
        SetLastError(kERROR_INVALID_PARAMETER);
        return kINVALID_HANDLE_VALUE;
    }
    const std::string_view text(pattern);
    if (text.empty()) {
        SetLastError(kERROR_PATH_NOT_FOUND);
        return kINVALID_HANDLE_VALUE;
    }
    const std::size_t nameStart = NameStart(text);
    const std::string name(text.substr(nameStart));
    // A pattern that ends in a separator names no entry.
    if (name.empty()) {
        SetLastError(kERROR_FILE_NOT_FOUND);
        return kINVALID_HANDLE_VALUE;
    }
    auto search = std::make_unique<Search>();
    search->folder = posix::OsPathFromAnsi(text.substr(0, nameStart));

    // A plain name is looked up directly (so a folder that may be passed but
    // not listed still works), and only then case-insensitively.
    const std::string osName = posix::OsPathFromAnsi(name);
    struct stat ignored {};
    if (!HasWildcard(name) && lstat((search->folder + osName).c_str(), &ignored) == 0) {
        search->names.push_back(osName);
    } else if (!List(*search, name)) {
        return kINVALID_HANDLE_VALUE;
    }
    if (!FetchNext(*search, data)) {
        SetLastError(kERROR_FILE_NOT_FOUND);
        return kINVALID_HANDLE_VALUE;
    }
    std::lock_guard lock(searchesMutex);
    searches.insert(search.get());
    return search.release();
}

bool FindNextFileA(SearchHandle handle, FindData* data)
{
    Search* search = Registered(handle);
    if (search == nullptr || data == nullptr) {
        SetLastError(search == nullptr ? kERROR_INVALID_HANDLE : kERROR_INVALID_PARAMETER);
        return false;
    }
    if (!FetchNext(*search, data)) {
        SetLastError(kERROR_NO_MORE_FILES);
        return false;
    }
    return true;
}

bool FindClose(SearchHandle handle)
{
    std::unique_ptr<Search> search;
    {
        std::lock_guard lock(searchesMutex);
        auto* registered = static_cast<Search*>(handle);
        if (searches.erase(registered) == 0) {
            SetLastError(kERROR_INVALID_HANDLE);
            return false;
        }
        search.reset(registered);
    }
    return true;
}

bool CreateDirectoryA(const char* path)
{
    if (path == nullptr) {
        SetLastError(kERROR_INVALID_PARAMETER);
        return false;
    }
    if (mkdir(posix::OsPathFromAnsi(path).c_str(), 0777) != 0) {
        SetLastError(posix::ErrorFromErrno(errno));
        return false;
    }
    return true;
}

} // namespace platform
