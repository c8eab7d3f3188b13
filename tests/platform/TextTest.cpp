// Code page 932 conversions, the same on both targets: the Windows half is
// the system's own, so these cases also pin the POSIX stand-in to it.
#include <gtest/gtest.h>

#include "platform/Text.h"
#include "support/Utf16.h"

namespace {

struct TextCase {
    std::string ansi;
    std::u16string wide;
};

class CodePage932 : public ::testing::TestWithParam<TextCase> {};

TEST_P(CodePage932, ConvertsBothWays)
{
    EXPECT_EQ(testsupport::Utf16(platform::AnsiToWide(GetParam().ansi)), GetParam().wide);
    const platform::WideString wide(GetParam().wide.begin(), GetParam().wide.end());
    EXPECT_EQ(platform::WideToAnsi(wide), GetParam().ansi);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodePage932,
    ::testing::Values(TextCase{"", u""}, TextCase{"C:\\Users\\a b", u"C:\\Users\\a b"},
                      TextCase{"\x95\x5C\x83\x5C", u"表ソ"},                 // trail bytes 0x5C
                      TextCase{"\xB1\xDD\xDE", u"ｱﾝﾞ"},                      // single-byte katakana
                      TextCase{"\x81\x40\x81\xA9\x87\x40", u"\u3000←①"},     // NEC and IBM rows
                      TextCase{"\x8F\x88\x97\x9D\n\t", u"処理\n\t"}));

TEST(CodePage932Measure, CountsTheTerminatorOnlyForZeroTerminatedInput)
{
    EXPECT_EQ(platform::MultiByteToWideChar("\x95\x5C" "a", -1, nullptr, 0), 3);
    EXPECT_EQ(platform::MultiByteToWideChar("\x95\x5C" "a", 3, nullptr, 0), 2);
    platform::WideChar small[1];
    EXPECT_EQ(platform::MultiByteToWideChar("ab", -1, small, 1), 0); // too small: nothing
    platform::WideChar room[3] = {1, 1, 1};
    EXPECT_EQ(platform::MultiByteToWideChar("ab", -1, room, 3), 3);
    EXPECT_EQ(room[2], 0);
}

TEST(CodePage932Lossy, TextThatCannotBeExpressedBecomesTheDefaultCharacter)
{
    const platform::WideString thai(1, static_cast<platform::WideChar>(0x0E01));
    EXPECT_EQ(platform::WideToAnsi(thai), "?");
}

TEST(CodePage932LeadBytes, AreThoseOfShiftJis)
{
    for (int byte = 0; byte < 256; ++byte) {
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        EXPECT_EQ(platform::IsLeadByte(static_cast<unsigned char>(byte)), lead) << byte;
    }
}

} // namespace
