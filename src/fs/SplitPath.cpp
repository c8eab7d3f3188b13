#include "fs/SplitPath.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "fs/MultiByte.h"
#include "platform/Path.h"

namespace {

constexpr std::size_t kPathBuffer = ISplitPath::kPathLimit + 1;
constexpr std::size_t kPartBuffer = ISplitPath::kPartLimit + 1;

// first followed by second, cut to the path limit.
void Join(char* out, const char* first, const char* second)
{
    char joined[2 * kPartBuffer];
    const std::size_t length = std::strlen(first);
    std::memcpy(joined, first, length);
    std::strcpy(joined + length, second);
    multibyte::CopyBounded(out, joined, ISplitPath::kPathLimit);
}

} // namespace

ISplitPath::ISplitPath(const char* path)
    : storage_(new char[4 * kPathBuffer + 4 * kPartBuffer]())
{
    char* next = storage_.get();
    auto take = [&next](std::size_t size) { return std::exchange(next, next + size); };
    Path = take(kPathBuffer);
    Drive = take(kPartBuffer);
    Server = take(kPartBuffer);
    Folder = take(kPartBuffer);
    Name = take(kPartBuffer);
    Extension = take(kPartBuffer);
    DriveFolder = take(kPathBuffer);
    NameExtension = take(kPathBuffer);
    if (path != nullptr)
        Split(path);
}

ISplitPath::~ISplitPath() = default;

bool ISplitPath::Split(const char* path)
{
    if (path == nullptr || !Path || !Drive || !Server || !Folder || !Name || !Extension ||
        !DriveFolder || !NameExtension)
        return false;
    multibyte::CopyBounded(Path, path, kPathLimit);

    // The runtime's split gets room for whole parts; the limits apply here.
    char drive[platform::kMAX_PATH + 1], folder[platform::kMAX_PATH + 1];
    char name[platform::kMAX_PATH + 1], extension[platform::kMAX_PATH + 1];
    platform::_splitpath(Path, drive, folder, name, extension);
    multibyte::CopyBounded(Drive, drive, kPartLimit);
    multibyte::CopyBounded(Folder, folder, kPartLimit);
    multibyte::CopyBounded(Name, name, kPartLimit);
    multibyte::CopyBounded(Extension, extension, kPartLimit);

    if (Drive[0] == '\0' && Folder[0] == '\\' && Folder[1] == '\\') {
        // UNC: "\\server" moves from the folder into the drive. The copy has
        // room for a terminator even when the folder fills its limit.
        char unc[kPartBuffer];
        std::memcpy(unc, Folder, kPartBuffer);
        std::memset(Folder, 0, kPartBuffer);
        const std::string_view text(unc);
        if (multibyte::CharacterCount(text) > 2) {
            const std::size_t serverEnd = multibyte::Find(text, '\\', 2);
            const std::size_t serverLength =
                serverEnd == std::string_view::npos ? std::string_view::npos : serverEnd - 2;
            multibyte::CopyBounded(Server, text.substr(2, serverLength), kPartLimit);
            multibyte::CopyBounded(Drive, text.substr(0, serverEnd), kPartLimit);
            if (serverEnd != std::string_view::npos)
                multibyte::CopyBounded(Folder, text.substr(serverEnd), kPartLimit);
        }
    }
    Join(DriveFolder, Drive, Folder);
    Join(NameExtension, Name, Extension);
    return true;
}
