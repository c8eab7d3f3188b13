// The bootstrap of the Windows executable: in the user's Documents folder it
// creates the log folder and the program's folder and writes the properties
// file, with backslashes doubled in the log file's name and CR LF line ends.
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <shlobj.h>
#include <windows.h>

#include "e2e/Launch.h"
#include "support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

TEST(WindowsBootstrap, WritesThePropertiesFileInTheUsersDocuments)
{
    wchar_t documents[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents)));
    const fs::path logFolder = fs::path(documents) / "Kestova" / "SystemLog";
    std::error_code ignored;
    fs::remove(logFolder / "KestovaLink.ini", ignored);
    fs::remove_all(logFolder / "KestovaLink", ignored);

    e2e::LaunchRequest request;
    request.program = testsupport::ProgramFolder() / "KestovaLink.exe";
    request.arguments = {"--exit=2"};
    testsupport::TemporaryFolder scratch;
    testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", (scratch.Path() / "run.txt").string());
    const auto result = e2e::Launch(request);
    testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", "");
    EXPECT_EQ(result.exitCode, 2u);

    EXPECT_TRUE(fs::is_directory(logFolder / "KestovaLink"));
    const std::string text = testsupport::ReadFile(logFolder / "KestovaLink.ini");
    std::string escapedFolder;
    for (char c : logFolder.string() + "\\KestovaLink\\")
        escapedFolder += c == '\\' ? std::string("\\\\") : std::string(1, c);
    const std::regex expected(
        "log4j\\.rootLogger = Info, kAppender\r\n"
        "log4j\\.appender\\.kAppender = org\\.apache\\.log4j\\.RollingFileAppender\r\n"
        "log4j\\.appender\\.kAppender\\.MaxFileSize = 5MB\r\n"
        "log4j\\.appender\\.kAppender\\.MaxBackupIndex = 1\r\n"
        "log4j\\.appender\\.kAppender\\.File = " +
        std::regex_replace(escapedFolder, std::regex(R"([\\.^$|()\[\]{}*+?])"), R"(\$&)") +
        "KestovaLink\\.1\\.0\\.0Log_[0-9]{8}\\.txt\r\n"
        "log4j\\.appender\\.kAppender\\.layout = org\\.apache\\.log4j\\.PatternLayout\r\n"
        "log4j\\.appender\\.kAppender\\.layout\\.ConversionPattern = "
        "%d\\{yyyy-MM-dd HH:mm:ss\\} \\[%5p\\] %f\\(%L\\) %M - %m%n\r\n");
    EXPECT_TRUE(std::regex_match(text, expected)) << text;
}

} // namespace
