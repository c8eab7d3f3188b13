// The fatal-error box: its text from the string table or the default first
// line, the fixed second line, and the box settings.
#include <gtest/gtest.h>

#include "launcher/FatalError.h"
#include "launcher/Recorder.h"
#include "platform/Text.h"
#include "support/Utf16.h"

namespace {

constexpr char16_t kSecondLine[] = u"\n処理を継続することができません。";
constexpr char16_t kDefaultFirstLine[] = u"致命的なエラーが発生しました。";

struct BoxCase {
    unsigned id;
    std::u16string_view firstLine;
};

class FatalError : public ::testing::TestWithParam<BoxCase> {};

TEST_P(FatalError, ShowsFirstLineThenFixedSecondLineInAnOwnedErrorBox)
{
    TheRecorder() = Recorder{};
    ShowFatalError(GetParam().id);
    const Recorder& recorder = TheRecorder();
    ASSERT_EQ(recorder.calls, (std::vector<std::string>{"GetActiveWindow", "MessageBoxA"}));
    EXPECT_EQ(testsupport::Utf16(platform::AnsiToWide(recorder.boxText)), std::u16string(GetParam().firstLine) + kSecondLine);
    EXPECT_EQ(recorder.boxText.find('\r'), std::string::npos);
    EXPECT_EQ(recorder.boxTitle, nullptr);
    EXPECT_EQ(recorder.boxStyle, 0x10u);
    EXPECT_EQ(recorder.boxOwner, RecordedActiveWindow());
}

INSTANTIATE_TEST_SUITE_P(
    Ids, FatalError,
    ::testing::Values(BoxCase{10010, u"AppRunオブジェクトの作成に失敗しました。"},
                      BoxCase{10012, u"UIConnectorの生成に失敗しました。"},
                      BoxCase{124, kDefaultFirstLine},   // empty slot in a block that exists
                      BoxCase{9999, kDefaultFirstLine},  // no block at all
                      BoxCase{0, kDefaultFirstLine},
                      BoxCase{65535, kDefaultFirstLine},
                      BoxCase{65536 + 10010, kDefaultFirstLine})); // beyond 16-bit ids

TEST(FatalErrorTexts, FixedTextsAreTheirCodePage932Bytes)
{
    TheRecorder() = Recorder{};
    ShowFatalError(9999);
    const std::string expected =
        "\x92\x76\x96\xBD\x93\x49\x82\xC8\x83\x47\x83\x89\x81\x5B\x82\xAA\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5"
        "\x82\xBD\x81\x42\n\x8F\x88\x97\x9D\x82\xF0\x8C\x70\x91\xB1\x82\xB7\x82\xE9\x82\xB1\x82\xC6\x82\xAA\x82\xC5"
        "\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42";
    EXPECT_EQ(TheRecorder().boxText, expected);
}

} // namespace
