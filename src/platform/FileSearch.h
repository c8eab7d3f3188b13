// Searching a folder for the entries that match a pattern, and creating
// folders: the Windows calls, their record and attribute words.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace platform {

#if defined(_WIN32)
using FileTime = ::FILETIME;
using FindData = ::WIN32_FIND_DATAA;
using SearchHandle = ::HANDLE;
#else
// 100-nanosecond intervals since 1601-01-01 UTC, low word first.
struct FileTime {
    std::uint32_t dwLowDateTime;
    std::uint32_t dwHighDateTime;
};

// One entry of a search, with the field names and sizes of Windows.
struct FindData {
    std::uint32_t dwFileAttributes;
    FileTime ftCreationTime;
    FileTime ftLastAccessTime;
    FileTime ftLastWriteTime;
    std::uint32_t nFileSizeHigh;
    std::uint32_t nFileSizeLow;
    std::uint32_t dwReserved0;
    std::uint32_t dwReserved1;
    char cFileName[260];
    char cAlternateFileName[14];
};

using SearchHandle = void*;
#endif

inline const SearchHandle kINVALID_HANDLE_VALUE =
    reinterpret_cast<SearchHandle>(static_cast<std::intptr_t>(-1));

inline constexpr std::uint32_t kFILE_ATTRIBUTE_READONLY = 0x01;
inline constexpr std::uint32_t kFILE_ATTRIBUTE_HIDDEN = 0x02;
inline constexpr std::uint32_t kFILE_ATTRIBUTE_SYSTEM = 0x04;
inline constexpr std::uint32_t kFILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr std::uint32_t kFILE_ATTRIBUTE_ARCHIVE = 0x20;
inline constexpr std::uint32_t kFILE_ATTRIBUTE_REPARSE_POINT = 0x400;

// Opens a search for pattern (a folder path and a last component that may
// hold the wildcards * and ?) and fills data with the first entry. Returns
// kINVALID_HANDLE_VALUE on failure, the reason left as the last error.
SearchHandle FindFirstFileA(const char* pattern, FindData* data);
// The next entry; false when there is none (kERROR_NO_MORE_FILES) or the
// handle is no open search.
bool FindNextFileA(SearchHandle search, FindData* data);
bool FindClose(SearchHandle search);

// Creates one folder whose parent exists, with default security.
bool CreateDirectoryA(const char* path);

} // namespace platform
