// A folder search that stands on one entry at a time: FindFirst opens it,
// and each FindNext makes the entry fetched before it current while it
// fetches the next one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/FileSearch.h"

// A UTC file time as seconds since 1970-01-01 UTC, read as local time with
// the given daylight-saving flag (-1: the runtime decides). 0 when the time
// cannot be converted or lies before 1900, -1 when the runtime cannot
// represent it.
std::int64_t TimeFromFileTime(const platform::FileTime& fileTime, int daylightSaving);

class IFileFind {
public:
    IFileFind();
    virtual ~IFileFind();
    IFileFind(const IFileFind&) = delete;
    IFileFind& operator=(const IFileFind&) = delete;

    // The current entry; empty without one.
    virtual std::string GetName() const;
    // Root, Separator unless Root already ends in one, then GetName.
    virtual std::string GetPath() const;
    // GetName without its extension.
    virtual std::string GetTitle() const;
    // "file://" and GetPath, unescaped.
    virtual std::string GetUrl() const;
    // The folder searched: absolute, without a trailing separator.
    virtual std::string GetRootFolder() const;

    // Times of the current entry: false without one. The seconds getters
    // store TimeFromFileTime of the time; the file-time getters copy it and
    // fail on a null pointer.
    virtual bool GetWriteTime(std::int64_t& time) const;
    virtual bool GetWriteFileTime(platform::FileTime* time) const;
    virtual bool GetAccessTime(std::int64_t& time) const;
    virtual bool GetAccessFileTime(platform::FileTime* time) const;
    virtual bool GetCreateTime(std::int64_t& time) const;
    virtual bool GetCreateFileTime(platform::FileTime* time) const;

    // Whether the current entry has any attribute of mask.
    virtual bool HasAttributes(std::uint32_t mask) const;
    // Whether the current entry is the folder "." or "..".
    virtual bool IsDotEntry() const;

    // Ends any search and opens one for pattern (null: "*.*" in the current
    // folder). On failure the last error says why and Root is unchanged.
    virtual bool FindFirst(const char* pattern);
    // Makes the entry fetched last current and fetches the next; false when
    // there is no next one (or no search), the new current entry still valid.
    virtual bool FindNext();
    // Closes the platform search; the handle stays as it was.
    virtual bool CloseSearch();

    // Frees both records and closes an open search.
    void EndSearch();

protected:
    std::unique_ptr<platform::FindData> Current;
    std::unique_ptr<platform::FindData> LookAhead;
    platform::SearchHandle SearchHandle = nullptr;
    std::string Root;
    const char Separator;

private:
    bool GetTime(const platform::FileTime platform::FindData::*which, std::int64_t& time) const;
    bool GetFileTime(const platform::FileTime platform::FindData::*which,
                     platform::FileTime* time) const;
};
