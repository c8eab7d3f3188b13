#include "platform/posix/Wildcard.h"

#include <vector>

#include "platform/Text.h"

namespace platform::posix {
namespace {

// Characters as numbers: one byte as itself, a double-byte character as
// lead * 256 + trail; pattern operators above that range.
enum : unsigned {
    kAnyRun = 0x10000,    // '*'
    kRunToLastDot,        // '*' before '.'
    kOneOrEnd,            // '?'
    kDotOrEnd,            // '.' before '*', '?' or the end
};

std::vector<unsigned> Characters(std::string_view text)
{
    std::vector<unsigned> characters;
    characters.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte) && i + 1 < text.size()) {
            characters.push_back(byte * 256u + static_cast<unsigned char>(text[i + 1]));
            ++i;
        } else {
            characters.push_back(byte);
        }
    }
    return characters;
}

std::vector<unsigned> Operators(std::string_view pattern)
{
    if (pattern == "*.*")
        pattern = "*";
    std::vector<unsigned> tokens = Characters(pattern);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const unsigned next = i + 1 < tokens.size() ? tokens[i + 1] : 0;
        if (tokens[i] == '*')
            tokens[i] = next == '.' ? kRunToLastDot : kAnyRun;
        else if (tokens[i] == '?')
            tokens[i] = kOneOrEnd;
        else if (tokens[i] == '.' && (next == '*' || next == '?' || next == 0))
            tokens[i] = kDotOrEnd;
    }
    return tokens;
}

unsigned Folded(unsigned character)
{
    return character >= 'A' && character <= 'Z' ? character + ('a' - 'A') : character;
}

} // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name)
{
    const std::vector<unsigned> tokens = Operators(pattern);
    const std::vector<unsigned> text = Characters(name);
    const std::size_t length = text.size();
    std::size_t lastDot = length;
    for (std::size_t i = 0; i < length; ++i)
        if (text[i] == '.')
            lastDot = i;

    // reached[n]: the pattern so far can match the first n characters.
    std::vector<char> reached(length + 1, 0), next(length + 1, 0);
    reached[0] = 1;
    for (const unsigned token : tokens) {
        std::fill(next.begin(), next.end(), 0);
        for (std::size_t n = 0; n <= length; ++n) {
            const bool atEnd = n == length;
            switch (token) {
            case kAnyRun:
            case kRunToLastDot:
                // Stays on the operator while it consumes characters.
                if (reached[n] || (n > 0 && next[n - 1] && (token == kAnyRun || n - 1 != lastDot)))
                    next[n] = 1;
                break;
            case kOneOrEnd:
                if (reached[n] && (atEnd || text[n] == '.'))
                    next[n] = 1;
                if (n > 0 && reached[n - 1] && text[n - 1] != '.')
                    next[n] = 1;
                break;
            case kDotOrEnd:
                if ((atEnd && reached[n]) || (n > 0 && reached[n - 1] && text[n - 1] == '.'))
                    next[n] = 1;
                break;
            default:
                if (n > 0 && reached[n - 1] && Folded(text[n - 1]) == Folded(token))
                    next[n] = 1;
                break;
            }
        }
        reached.swap(next);
    }
    return reached[length] != 0;
}

} // namespace platform::posix
