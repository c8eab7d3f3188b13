// The command line becomes a BSTR of the matching UTF-16 text, unchanged.
#include <gtest/gtest.h>

#include "launcher/CommandLine.h"

namespace {

struct LineCase {
    const char* bytes; // code page 932
    std::u16string_view text;
};

class CommandLineBstr : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineBstr, HoldsTheWholeLineConverted)
{
    platform::BSTR text = CommandLineToBstr(GetParam().bytes);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::u16string(text, text + platform::SysStringLen(text)), GetParam().text);
    EXPECT_EQ(text[platform::SysStringLen(text)], 0); // terminated, not counted
    platform::SysFreeString(text);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineBstr,
    ::testing::Values(
        LineCase{"\"C:\\Program Files\\Kestova\\KestovaLink.exe\"", u"\"C:\\Program Files\\Kestova\\KestovaLink.exe\""},
        LineCase{"Link.exe  \"a b\"\t\\\\srv\\x /q", u"Link.exe  \"a b\"\t\\\\srv\\x /q"},
        // 表 and ソ end in 0x5C, the backslash byte.
        LineCase{"Link.exe \x95\x5C\\\x83\x5C \x93\xFA\x96\x7B", u"Link.exe 表\\ソ 日本"},
        LineCase{"\xB1\xB2\xB3", u"ｱｲｳ"},
        LineCase{"", u""}));

TEST(CommandLineBstrNull, NullGivesNull)
{
    EXPECT_EQ(CommandLineToBstr(nullptr), nullptr);
}

} // namespace
