// Small helpers the tests need from the system they run on.
#pragma once

#include <filesystem>
#include <string>

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

} // namespace testsupport
