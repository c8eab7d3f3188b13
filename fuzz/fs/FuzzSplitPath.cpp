// Any path: every part terminated within its buffer, the parts cut from the
// path in order and at character starts, the joined parts consistent.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fs/SplitPath.h"
#include "fuzz/fs/Characters.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// joined is the first whole characters of first + second, at most 260 bytes.
void CheckJoined(const char* joined, const char* first, const char* second)
{
    const std::string whole = std::string(first) + second;
    const std::string result(joined);
    Check(whole.compare(0, result.size(), result) == 0);
    Check(result.size() == whole.size() || result.size() >= ISplitPath::kPathLimit - 1);
    Check(fuzzfs::Boundaries(whole)[result.size()]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const ISplitPath split(input.c_str()); // up to the first zero byte
    const std::string source(input.c_str());

    for (const char* buffer : {split.Path, split.DriveFolder, split.NameExtension})
        Check(buffer[ISplitPath::kPathLimit] == '\0');
    for (const char* buffer : {split.Drive, split.Server, split.Folder, split.Name, split.Extension})
        Check(buffer[ISplitPath::kPartLimit] == '\0');

    const std::string path(split.Path);
    const std::vector<bool> boundary = fuzzfs::Boundaries(path);
    Check(source.compare(0, path.size(), path) == 0);
    Check(path.size() == source.size() || path.size() >= ISplitPath::kPathLimit - 1);
    Check(fuzzfs::Boundaries(source)[path.size()]);

    // Drive and folder (together: the folder that the UNC step divides),
    // name and extension follow each other in the path; the two backslashes
    // of a UNC path too short for a server belong to none.
    std::size_t offset = split.Drive[0] == '\0' && path.compare(0, 2, "\\\\") == 0 ? 2 : 0;
    const std::string folder = std::string(split.Drive) + split.Folder;
    for (const std::string& part : {folder, std::string(split.Name), std::string(split.Extension)}) {
        Check(offset + part.size() <= path.size());
        Check(path.compare(offset, part.size(), part) == 0);
        Check(boundary[offset] && boundary[offset + part.size()]);
        if (part.size() + 1 >= ISplitPath::kPartLimit)
            break; // possibly cut: where the next part starts is unknown
        offset += part.size();
    }
    if (split.Server[0] != '\0')
        Check(path.find(split.Server) != std::string::npos);
    CheckJoined(split.DriveFolder, split.Drive, split.Folder);
    CheckJoined(split.NameExtension, split.Name, split.Extension);
    return 0;
}
