// The C runtime's path routines on code page 932 bytes. Paths here have no
// drive letters: an absolute path starts with a separator.
#include "platform/Path.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "platform/Text.h"
#include "platform/posix/OsPath.h"
#include "platform/posix/OsText.h"

namespace platform {
namespace {

bool IsLead(char byte)
{
    return IsLeadByte(static_cast<unsigned char>(byte));
}

bool CurrentFolder(std::string& folder)
{
    std::string buffer(4096, '\0');
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20))
            return false;
        buffer.resize(buffer.size() * 2);
    }
    folder = posix::AnsiFromOs(buffer.c_str());
    return true;
}

void CopyPart(char* out, std::string_view part)
{
    part = part.substr(0, kMAX_PATH);
    if (!part.empty())
        std::memcpy(out, part.data(), part.size());
    out[part.size()] = '\0';
}

} // namespace

// Lexical, like the Windows runtime: the result need not exist, links are
// not followed, repeated separators collapse, a trailing one is kept.
char* _fullpath(char* buffer, const char* path, std::size_t capacity)
{
    if (buffer == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    std::string text = path == nullptr ? std::string() : std::string(path);
    if (text.empty() || !posix::IsSeparator(text[0])) {
        std::string current;
        if (!CurrentFolder(current))
            return nullptr;
        text = current + "/" + text;
    }
    std::vector<std::string_view> parts;
    const std::string_view view(text);
    std::size_t start = 0;
    bool trailingSeparator = false;
    for (std::size_t i = 0; i <= view.size(); ++i) {
        if (i < view.size() && IsLead(view[i])) {
            ++i;
            continue;
        }
        if (i < view.size() && !posix::IsSeparator(view[i]))
            continue;
        const std::string_view part = view.substr(start, std::min(i, view.size()) - start);
        trailingSeparator = part.empty() && i == view.size();
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = i + 1;
    }
    std::string result;
    for (const std::string_view part : parts)
        result.append("/").append(part);
    if (result.empty() || trailingSeparator)
        result += '/';
    if (result.size() >= capacity) {
        errno = ERANGE;
        return nullptr;
    }
    std::memcpy(buffer, result.c_str(), result.size() + 1);
    return buffer;
}

void _splitpath(const char* path, char* drive, char* folder, char* name, char* extension)
{
    std::string_view text(path);
    std::string_view driveText;
    if (text.size() >= 2 && text[1] == ':') {
        driveText = text.substr(0, 2);
        text.remove_prefix(2);
    }
    std::size_t nameStart = 0, lastDot = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLead(text[i])) {
            ++i;
        } else if (posix::IsSeparator(text[i])) {
            nameStart = i + 1;
            lastDot = std::string_view::npos;
        } else if (text[i] == '.') {
            lastDot = i;
        }
    }
    nameStart = std::min(nameStart, text.size());
    const std::size_t extensionStart = lastDot == std::string_view::npos ? text.size() : lastDot;
    CopyPart(drive, driveText);
    CopyPart(folder, text.substr(0, nameStart));
    CopyPart(name, text.substr(nameStart, extensionStart - nameStart));
    CopyPart(extension, text.substr(extensionStart));
}

const char* _mbsrchr(const char* text, unsigned int character)
{
    const char* found = nullptr;
    for (const char* p = text; *p != '\0'; ++p) {
        if (static_cast<unsigned char>(*p) == character)
            found = p;
        if (IsLead(*p) && p[1] != '\0')
            ++p;
    }
    if (character == 0)
        return text + std::strlen(text);
    return found;
}

} // namespace platform
