// Small helpers the tests need from the system they run on.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// Sets an environment variable for this process and the components it loads.
void SetVariable(const char* name, const std::string& value);

// The folder of the running test program (the build's bin folder).
std::filesystem::path ProgramFolder();

// A new empty folder, removed with its content when the object goes.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);

// The lines of a text whose lines end in CR LF; a last line without its
// end is marked "<no CR LF>".
std::vector<std::string> LinesOf(const std::string& text);

// A folder path below base whose text has exactly length bytes (at least
// two more than base's), made of 'd' names of at most 200 bytes. The
// folders are not created.
std::filesystem::path FolderOfLength(const std::filesystem::path& base, std::size_t length);

} // namespace testsupport
