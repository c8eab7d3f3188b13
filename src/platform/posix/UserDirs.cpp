#include "platform/posix/UserDirs.h"

namespace platform::posix {
namespace {

// The quoted value with its backslash escapes undone; nothing when the
// value is not one quoted word.
std::optional<std::string> Unquoted(std::string_view value)
{
    if (value.size() < 2 || value.front() != '"')
        return std::nullopt;
    std::string result;
    for (std::size_t i = 1; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            result += value[++i];
        } else if (value[i] == '"') {
            const std::string_view rest = value.substr(i + 1);
            if (rest.find_first_not_of(" \t\r") != std::string_view::npos)
                return std::nullopt;
            return result;
        } else {
            result += value[i];
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> UserDirectory(std::string_view fileText, std::string_view key,
                                         const std::string& home)
{
    std::optional<std::string> found;
    std::size_t start = 0;
    while (start <= fileText.size()) {
        std::size_t end = fileText.find('\n', start);
        if (end == std::string_view::npos)
            end = fileText.size();
        std::string_view line = fileText.substr(start, end - start);
        start = end + 1;
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        line.remove_prefix(first);
        if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != '=')
            continue;
        const std::optional<std::string> value = Unquoted(line.substr(key.size() + 1));
        if (!value)
            continue;
        constexpr std::string_view homeVariable = "$HOME";
        if (value->compare(0, homeVariable.size(), homeVariable) == 0 &&
            (value->size() == homeVariable.size() || (*value)[homeVariable.size()] == '/'))
            found = home + value->substr(homeVariable.size());
        else if (!value->empty() && (*value)[0] == '/')
            found = *value;
    }
    return found;
}

} // namespace platform::posix
