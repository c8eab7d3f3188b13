// A path split into fixed-size parts, with the server of a UNC path moved
// into the drive so that drive and folder still name the containing folder.
#pragma once

#include <cstddef>
#include <memory>

class ISplitPath {
public:
    // Most bytes each part holds; every buffer is one byte longer, so it is
    // always terminated.
    static constexpr std::size_t kPathLimit = 260;
    static constexpr std::size_t kPartLimit = 256;

    // Splits path unless it is null, in which case every part stays empty.
    explicit ISplitPath(const char* path = nullptr);
    virtual ~ISplitPath();
    ISplitPath(const ISplitPath&) = delete;
    ISplitPath& operator=(const ISplitPath&) = delete;

    // Fills every part but Server, which only a UNC path writes. False, and
    // nothing changed, for a null path or a missing buffer. Parts longer
    // than their limit are cut there, never inside a double-byte character.
    bool Split(const char* path);

    char* Path;          // the path, its first 260 bytes
    char* Drive;         // "C:", or "\\server" for a UNC path
    char* Server;        // the server of the last UNC path split
    char* Folder;        // up to and including the last separator
    char* Name;          // the file name without its extension
    char* Extension;     // from the last period of the file name on
    char* DriveFolder;   // Drive followed by Folder
    char* NameExtension; // Name followed by Extension

private:
    std::unique_ptr<char[]> storage_;
};
