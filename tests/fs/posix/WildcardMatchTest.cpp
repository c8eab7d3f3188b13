// The POSIX half's wildcard rules, including those of Windows that a plain
// glob does not have. Wine 8 does not follow these (measured): it matches
// "*." like "*", "a?" not against "a", "??.txt" not against "a.txt", and
// "a?c" against "a.c"; so they are tested here and not on a Windows target.
#include <gtest/gtest.h>

#include <string>

#include "platform/posix/Wildcard.h"

namespace {

struct MatchCase {
    std::string pattern, name;
    bool matches;
};

TEST(MatchesWildcard, FollowsTheWindowsRules)
{
    const std::string hyo = "\x95\x5C", so = "\x83\x5C";
    const MatchCase cases[] = {
        {"*.*", "noext", true},
        {"*.*", ".", true},
        {"*", "", true},
        {"*.txt", "a.txt", true},
        {"*.txt", "a.txt.bak", false},
        {"*.txt", "a.b.txt", true},
        {"*.", "noext", true},
        {"*.", "a.b", false},
        {"a.*", "a", true},
        {"a.*", "a.b.c", true},
        {"a.", "a", true},
        {"a?", "a", true},
        {"a?", "ab", true},
        {"a?", "abc", false},
        {"??.txt", "a.txt", true},
        {"a?c", "a.c", false},
        {"ABC", "abc", true},
        {"abc", "abd", false},
        {"?", hyo, true},               // one character of two bytes
        {"??", hyo, true},              // '?' may match nothing at the end
        {hyo + "*", hyo + so, true},
        {"*" + so, hyo + so, true},
        {"\\", hyo, false},             // the trail byte is no character of its own
        {"\x82\x60", "\x82\x81", false}, // double-byte letters keep their case
        {"*a*b*c*", "xaybzc", true},
        {"*a*b*c*", "xaybz", false},
    };
    for (const MatchCase& c : cases)
        EXPECT_EQ(platform::posix::MatchesWildcard(c.pattern, c.name), c.matches)
            << "'" << c.pattern << "' '" << c.name << "'";
}

} // namespace
