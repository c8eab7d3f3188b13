// A temporary folder for the file-system tests, addressed by code page 932
// paths as the helpers under test take them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "support/TestEnvironment.h"

namespace fstest {

inline constexpr char kHyo[] = "\x95\x5C"; // 表: its trail byte is a backslash
inline constexpr char kSo[] = "\x83\x5C";  // ソ: likewise

// The system's path for a code page 932 path.
std::filesystem::path Os(const std::string& ansi);
// The code page 932 form of a system path.
std::string Ansi(const std::filesystem::path& path);

class TestFolder {
public:
    TestFolder();
    // The folder itself, without a trailing separator.
    const std::string& Path() const { return path_; }
    // name below the folder, joined with the platform's separator.
    std::string operator/(std::string_view name) const;
    void MakeFile(std::string_view name) const;
    void MakeFolder(std::string_view name) const;
    bool IsFolder(std::string_view name) const;
    bool Exists(std::string_view name) const;

private:
    testsupport::TemporaryFolder folder_;
    std::string path_;
};

// Changes the current folder for the life of the object.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& ansi);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

} // namespace fstest
