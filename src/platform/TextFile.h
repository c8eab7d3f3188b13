// A text file written afresh, which other processes may read and write while
// it is open.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

class SharedTextFile {
public:
    // Creates the file, or empties it, at the path (ANSI code page). A file
    // that cannot be opened leaves the object failed: writes do nothing.
    explicit SharedTextFile(const std::string& path);
    ~SharedTextFile();
    SharedTextFile(const SharedTextFile&) = delete;
    SharedTextFile& operator=(const SharedTextFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    void Write(std::string_view text);
    // Ends the line with a carriage return and a line feed on disk.
    void EndLine();

private:
    std::FILE* file_;
};

// The whole content of the file at the path (ANSI code page); false when it
// cannot be read.
bool ReadWholeFile(const std::string& path, std::string& content);

// The rest of an open file, which it closes; false for null or a read error.
bool ReadWholeFile(std::FILE* file, std::string& content);

} // namespace platform
