#include <gtest/gtest.h>

#include <string>

#include "fs/FileSystem.h"
#include "fs/TestFolder.h"

namespace {

const std::string hyo = fstest::kHyo, so = fstest::kSo;

struct FindCase {
    std::string text;
    char character;
    int index;
};

TEST(ReverseFindChar, FindsTheLastWholeCharacter)
{
    const FindCase cases[] = {
        {"", '\\', -1},
        {"abc", 'x', -1},
        {R"(a\b\c)", '\\', 3},
        {"C:\\" + hyo, '\\', 2},           // the trail byte is not a backslash
        {so, '\\', -1},
        {hyo + "\\", '\\', 2},
        {"a" + hyo, '\x95', 1},             // lead bytes are compared
        {"\x95" "A", 'A', -1},              // trail bytes never are
        {"ab\x95", '\x95', 2},              // a lead byte without its trail
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(ReverseFindChar(c.text, c.character), c.index) << c.text;
}

struct CutCase {
    std::string text;
    int count;
    std::string expected;
};

TEST(CutLeft, KeepsDoubleByteCharactersWhole)
{
    const CutCase cases[] = {
        {"abc", 0, ""},
        {"abc", -5, ""},
        {"abc", 2, "ab"},
        {"abc", 3, "abc"},
        {"abc", 10, "abc"},
        {"a" + hyo + "b", 1, "a"},
        {"a" + hyo + "b", 2, "a" + hyo}, // between lead and trail: one more
        {"a" + hyo + "b", 3, "a" + hyo},
        {hyo + so, 1, hyo},
        {hyo + so, 2, hyo},
        {hyo + so, 3, hyo + so},
        {"ab\x95", 3, "ab\x95"},
    };
    for (const CutCase& c : cases)
        EXPECT_EQ(CutLeft(c.text, c.count), c.expected) << c.text << " / " << c.count;
}

} // namespace
