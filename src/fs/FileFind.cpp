#include "fs/FileFind.h"

#include <cstring>
#include <ctime>
#include <string_view>

#include "platform/FileTime.h"
#include "platform/LastError.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace {

// The last backslash, failing that the last slash, that is not a trail
// byte stands at the end.
bool EndsInSeparator(const std::string& text)
{
    if (text.empty())
        return true;
    std::size_t lastBackslash = std::string::npos, lastSlash = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (platform::IsLeadByte(static_cast<unsigned char>(text[i])))
            ++i;
        else if (text[i] == '\\')
            lastBackslash = i;
        else if (text[i] == '/')
            lastSlash = i;
    }
    const std::size_t last = lastBackslash != std::string::npos ? lastBackslash : lastSlash;
    return last == text.size() - 1;
}

} // namespace

std::int64_t TimeFromFileTime(const platform::FileTime& fileTime, int daylightSaving)
{
    platform::FileTime local{};
    if (!platform::FileTimeToLocalFileTime(&fileTime, &local))
        return 0;
    platform::SystemTime split{};
    if (!platform::FileTimeToSystemTime(&local, &split))
        return 0;
    if (split.wYear < 1900)
        return 0;
    std::tm broken{};
    broken.tm_sec = split.wSecond;
    broken.tm_min = split.wMinute;
    broken.tm_hour = split.wHour;
    broken.tm_mday = split.wDay;
    broken.tm_mon = split.wMonth - 1;
    broken.tm_year = split.wYear - 1900;
    broken.tm_isdst = daylightSaving;
    return platform::_mktime64(&broken);
}

IFileFind::IFileFind() : Separator(platform::kPathSeparator) {}

IFileFind::~IFileFind()
{
    EndSearch();
}

std::string IFileFind::GetName() const
{
    return Current ? std::string(Current->cFileName) : std::string();
}

std::string IFileFind::GetPath() const
{
    std::string path = Root;
    if (!EndsInSeparator(path))
        path += Separator;
    return path + GetName();
}

std::string IFileFind::GetTitle() const
{
    char drive[platform::kMAX_PATH + 1], folder[platform::kMAX_PATH + 1];
    char name[platform::kMAX_PATH + 1], extension[platform::kMAX_PATH + 1];
    platform::_splitpath(GetName().c_str(), drive, folder, name, extension);
    return name;
}

std::string IFileFind::GetUrl() const
{
    return "file://" + GetPath();
}

std::string IFileFind::GetRootFolder() const
{
    return Root;
}

bool IFileFind::GetTime(const platform::FileTime platform::FindData::*which, std::int64_t& time) const
{
    if (!Current)
        return false;
    time = TimeFromFileTime((*Current).*which, -1);
    return true;
}

bool IFileFind::GetFileTime(const platform::FileTime platform::FindData::*which,
                            platform::FileTime* time) const
{
    if (!Current || time == nullptr)
        return false;
    *time = (*Current).*which;
    return true;
}

bool IFileFind::GetWriteTime(std::int64_t& time) const
{
    return GetTime(&platform::FindData::ftLastWriteTime, time);
}

bool IFileFind::GetWriteFileTime(platform::FileTime* time) const
{
    return GetFileTime(&platform::FindData::ftLastWriteTime, time);
}

bool IFileFind::GetAccessTime(std::int64_t& time) const
{
    return GetTime(&platform::FindData::ftLastAccessTime, time);
}

bool IFileFind::GetAccessFileTime(platform::FileTime* time) const
{
    return GetFileTime(&platform::FindData::ftLastAccessTime, time);
}

bool IFileFind::GetCreateTime(std::int64_t& time) const
{
    return GetTime(&platform::FindData::ftCreationTime, time);
}

bool IFileFind::GetCreateFileTime(platform::FileTime* time) const
{
    return GetFileTime(&platform::FindData::ftCreationTime, time);
}

bool IFileFind::HasAttributes(std::uint32_t mask) const
{
    return Current && (Current->dwFileAttributes & mask) != 0;
}

bool IFileFind::IsDotEntry() const
{
    if (!Current || !HasAttributes(platform::kFILE_ATTRIBUTE_DIRECTORY))
        return false;
    const std::string_view name(Current->cFileName);
    return name == "." || name == "..";
}

bool IFileFind::FindFirst(const char* pattern)
{
    EndSearch();
    LookAhead = std::make_unique<platform::FindData>();
    if (pattern == nullptr)
        pattern = "*.*";
    SearchHandle = platform::FindFirstFileA(pattern, LookAhead.get());
    if (SearchHandle == platform::kINVALID_HANDLE_VALUE) {
        const std::uint32_t error = platform::GetLastError();
        EndSearch();
        platform::SetLastError(error);
        return false;
    }
    // Resolved apart from Root, so that a failure leaves Root as it was.
    char full[platform::kMAX_PATH];
    if (platform::_fullpath(full, pattern, sizeof full) == nullptr) {
        EndSearch();
        platform::SetLastError(platform::kERROR_INVALID_NAME);
        return false;
    }
    const char* backslash = platform::_mbsrchr(full, '\\');
    const char* slash = platform::_mbsrchr(full, '/');
    const char* cut = backslash == nullptr || (slash != nullptr && slash > backslash) ? slash : backslash;
    // The root of a POSIX file system keeps its one separator, so that
    // GetPath still starts with it.
    if (cut == full)
        ++cut;
    Root.assign(full, cut == nullptr ? std::strlen(full) : static_cast<std::size_t>(cut - full));
    return true;
}

bool IFileFind::FindNext()
{
    if (SearchHandle == nullptr)
        return false;
    std::unique_ptr<platform::FindData> record =
        Current ? std::move(Current) : std::make_unique<platform::FindData>();
    Current = std::move(LookAhead);
    LookAhead = std::move(record);
    if (platform::FindNextFileA(SearchHandle, LookAhead.get()))
        return true;
    // The record whose fetch failed reads, should a later FindNext make it
    // current, as an entry without name, attributes or times.
    *LookAhead = platform::FindData{};
    return false;
}

bool IFileFind::CloseSearch()
{
    return platform::FindClose(SearchHandle);
}

void IFileFind::EndSearch()
{
    Current.reset();
    LookAhead.reset();
    if (SearchHandle != nullptr && SearchHandle != platform::kINVALID_HANDLE_VALUE) {
        CloseSearch();
        SearchHandle = nullptr;
    }
}
