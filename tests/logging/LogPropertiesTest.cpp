// The generated properties file: its path, its seven lines byte for byte,
// the escaping of the folder, the version and date texts.
#include <filesystem>
#include <gtest/gtest.h>

#include "logging/FakeClock.h"
#include "logging/LogProperties.h"
#include "platform/Path.h"
#include "support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

const std::string kSep(1, platform::kPathSeparator);

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string ExpectedFile(const std::string& escapedProgramFolder, const std::string& fileName)
{
    return Lines({"log4j.rootLogger = Info, kAppender",
                  "log4j.appender.kAppender = org.apache.log4j.RollingFileAppender",
                  "log4j.appender.kAppender.MaxFileSize = 5MB", "log4j.appender.kAppender.MaxBackupIndex = 1",
                  "log4j.appender.kAppender.File = " + escapedProgramFolder + fileName,
                  "log4j.appender.kAppender.layout = org.apache.log4j.PatternLayout",
                  "log4j.appender.kAppender.layout.ConversionPattern = %d{yyyy-MM-dd HH:mm:ss} [%5p] %f(%L) %M - "
                  "%m%n"});
}

// A test folder as the program sees it: ASCII, so the same on both targets.
std::string AnsiPath(const fs::path& path)
{
    return path.string();
}

struct VersionCase {
    LogVersion version;
    const char* text;
};

class Versions : public ::testing::TestWithParam<VersionCase> {};

TEST_P(Versions, ThreeNumbersAlwaysTheFourthWhenNotZero)
{
    EXPECT_EQ(VersionText(GetParam().version), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts, Versions,
                         ::testing::Values(VersionCase{{1, 0, 0, 0}, ".1.0.0"}, VersionCase{{1, 0, 0, 5}, ".1.0.0.5"},
                                           VersionCase{{0, 0, 0, 0}, ".0.0.0"},
                                           VersionCase{{1, 0, 0, -1}, ".1.0.0.-1"},
                                           VersionCase{{-2, 10, 2147483647, -2147483647 - 1},
                                                       ".-2.10.2147483647.-2147483648"}));

struct EscapeCase {
    std::string text;
    std::string escaped;
};

class Escaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escaping, DoublesEveryBackslashCharacterAndNothingElse)
{
    EXPECT_EQ(EscapeBackslashes(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Escaping,
    ::testing::Values(EscapeCase{"C:\\Users\\user\\", "C:\\\\Users\\\\user\\\\"}, EscapeCase{"/home/a/", "/home/a/"},
                      EscapeCase{"", ""}, EscapeCase{"\\\\srv", "\\\\\\\\srv"},
                      // 表 and ソ end in 0x5C: part of the character, kept single.
                      EscapeCase{"C:\\\x95\x5C\\\x83\x5C\\", "C:\\\\\x95\x5C\\\\\x83\x5C\\\\"},
                      EscapeCase{"\x95\x5C\x83\x5C", "\x95\x5C\x83\x5C"},
                      // A lead byte at the very end has no trail byte to protect.
                      EscapeCase{"a\x95", "a\x95"}, EscapeCase{"\\\x95", "\\\\\x95"}));

class PropertiesFile : public ::testing::Test {
protected:
    testsupport::TemporaryFolder home;
    std::string logFolder = AnsiPath(home.Path() / "SystemLog");
    void SetUp() override
    {
        fs::create_directories(home.Path() / "SystemLog");
        SetFakeToday(2024, 3, 15);
    }
};

TEST_F(PropertiesFile, HoldsTheSevenLinesAndCreatesTheProgramFolder)
{
    const WrittenLogProperties written = WriteLogPropertiesFile("Link", logFolder, {1, 0, 0, 0});
    EXPECT_EQ(written.propertiesPath, logFolder + kSep + "Link.ini");
    const std::string programFolder = logFolder + kSep + "Link" + kSep;
    EXPECT_EQ(written.logFilePath, programFolder + "Link.1.0.0Log_20240315.txt");
    EXPECT_TRUE(fs::is_directory(home.Path() / "SystemLog" / "Link"));
    EXPECT_EQ(testsupport::ReadFile(written.propertiesPath),
              ExpectedFile(EscapeBackslashes(programFolder), "Link.1.0.0Log_20240315.txt"));
    EXPECT_EQ(WriteLogProperties("Link", logFolder, 1, 0, 0, 0), written.propertiesPath);
}

TEST_F(PropertiesFile, DateHasFourDigitYearAndTwoDigitMonthAndDay)
{
    SetFakeToday(2025, 1, 5);
    const WrittenLogProperties written = WriteLogPropertiesFile("Link", logFolder, {1, 0, 0, 5});
    EXPECT_NE(testsupport::ReadFile(written.propertiesPath).find("Link.1.0.0.5Log_20250105.txt\r\n"),
              std::string::npos);
}

TEST_F(PropertiesFile, NameIsWrittenAsGivenAndTheOldFileIsReplaced)
{
    const std::string path = logFolder + kSep + "MixedCase.ini";
    {
        std::FILE* old = std::fopen(path.c_str(), "wb");
        const std::string junk(5000, 'x');
        std::fwrite(junk.data(), 1, junk.size(), old);
        std::fclose(old);
    }
    SetFakeToday(1999, 12, 31);
    WriteLogPropertiesFile("MixedCase", logFolder, {2, 1, 0, 0});
    const std::string programFolder = logFolder + kSep + "MixedCase" + kSep;
    EXPECT_EQ(testsupport::ReadFile(path),
              ExpectedFile(EscapeBackslashes(programFolder), "MixedCase.2.1.0Log_19991231.txt"));
}

TEST_F(PropertiesFile, FileThatCannotBeOpenedStillGivesItsPath)
{
    fs::create_directories(home.Path() / "SystemLog" / "Blocked.ini"); // a folder in its place
    std::string path;
    EXPECT_NO_THROW(path = WriteLogProperties("Blocked", logFolder, 1, 0, 0, 0));
    EXPECT_EQ(path, logFolder + kSep + "Blocked.ini");
    EXPECT_TRUE(fs::is_directory(path));
}

} // namespace
