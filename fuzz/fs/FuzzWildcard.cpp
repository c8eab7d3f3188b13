// Pattern and name split at the first zero byte: matching always ends, "*"
// takes every name, a pattern without wildcards takes itself, and ASCII
// letter case never matters.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fs/Characters.h"
#include "platform/posix/Wildcard.h"

namespace {

// Flips the case of ASCII letters that start a character.
std::string Flipped(const std::string& text)
{
    std::string flipped = text;
    const std::vector<bool> boundary = fuzzfs::Boundaries(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (boundary[i] && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            flipped[i] = static_cast<char>(c ^ 0x20);
    }
    return flipped;
}

bool HasWildcard(const std::string& text)
{
    const std::vector<bool> boundary = fuzzfs::Boundaries(text);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (boundary[i] && (text[i] == '*' || text[i] == '?'))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Names and patterns are at most one path long.
    const std::string input(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 600));
    const std::size_t zero = input.find('\0');
    const std::string pattern = input.substr(0, zero);
    const std::string name = zero == std::string::npos ? std::string() : input.substr(zero + 1);
    using platform::posix::MatchesWildcard;

    const bool matches = MatchesWildcard(pattern, name);
    if (!MatchesWildcard("*", name) || !MatchesWildcard("*.*", name))
        std::abort();
    if (!HasWildcard(pattern) && !MatchesWildcard(pattern, pattern))
        std::abort();
    if (MatchesWildcard(pattern, Flipped(name)) != matches || MatchesWildcard(Flipped(pattern), name) != matches)
        std::abort();
    return 0;
}
