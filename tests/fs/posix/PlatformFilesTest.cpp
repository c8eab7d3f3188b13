// Choices of the POSIX half: attribute words, file-time arithmetic, the
// runtime's time range and the lexical full path.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

#include "fs/TestFolder.h"
#include "platform/FileSearch.h"
#include "platform/FileTime.h"
#include "platform/Path.h"

namespace {

std::uint32_t AttributesOf(const std::string& path)
{
    platform::FindData data{};
    platform::SearchHandle search = platform::FindFirstFileA(path.c_str(), &data);
    if (search == platform::kINVALID_HANDLE_VALUE)
        return 0xFFFFFFFF;
    platform::FindClose(search);
    return data.dwFileAttributes;
}

TEST(PosixAttributes, DerivedFromTheModeAndTheName)
{
    fstest::TestFolder folder;
    folder.MakeFile("plain");
    folder.MakeFile("locked");
    chmod(fstest::Os(folder / "locked").c_str(), 0444);
    folder.MakeFile(".hidden");
    folder.MakeFolder("dir");
    std::filesystem::create_symlink("dir", fstest::Os(folder / "link"));

    EXPECT_EQ(AttributesOf(folder / "plain"), platform::kFILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(AttributesOf(folder / "locked"),
              platform::kFILE_ATTRIBUTE_ARCHIVE | platform::kFILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(AttributesOf(folder / ".hidden"),
              platform::kFILE_ATTRIBUTE_ARCHIVE | platform::kFILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(AttributesOf(folder / "dir"), platform::kFILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(AttributesOf(folder / "link"),
              platform::kFILE_ATTRIBUTE_DIRECTORY | platform::kFILE_ATTRIBUTE_REPARSE_POINT);
    EXPECT_EQ(AttributesOf(folder / "."), platform::kFILE_ATTRIBUTE_DIRECTORY);
}

TEST(PosixSearch, StaleHandlesFailInsteadOfCrashing)
{
    fstest::TestFolder folder;
    folder.MakeFile("a");
    platform::FindData data{};
    platform::SearchHandle search = platform::FindFirstFileA((folder / "a").c_str(), &data);
    ASSERT_NE(search, platform::kINVALID_HANDLE_VALUE);
    EXPECT_TRUE(platform::FindClose(search));
    EXPECT_FALSE(platform::FindNextFileA(search, &data));
    EXPECT_FALSE(platform::FindClose(search));
    EXPECT_FALSE(platform::FindNextFileA(platform::kINVALID_HANDLE_VALUE, &data));
}

TEST(PosixFileTime, SplitsIntoCalendarFields)
{
    platform::SystemTime split{};
    const platform::FileTime start{0, 0};
    ASSERT_TRUE(platform::FileTimeToSystemTime(&start, &split));
    EXPECT_EQ(split.wYear, 1601);
    EXPECT_EQ(split.wMonth, 1);
    EXPECT_EQ(split.wDay, 1);
    EXPECT_EQ(split.wDayOfWeek, 1); // a Monday

    // 2024-02-29 23:59:58.123 UTC
    const std::uint64_t value = (1709251198ull + 11644473600ull) * 10000000ull + 1230000;
    const platform::FileTime leap{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
    ASSERT_TRUE(platform::FileTimeToSystemTime(&leap, &split));
    EXPECT_EQ(split.wYear, 2024);
    EXPECT_EQ(split.wMonth, 2);
    EXPECT_EQ(split.wDay, 29);
    EXPECT_EQ(split.wDayOfWeek, 4);
    EXPECT_EQ(split.wHour, 23);
    EXPECT_EQ(split.wMinute, 59);
    EXPECT_EQ(split.wSecond, 58);
    EXPECT_EQ(split.wMilliseconds, 123);

    const platform::FileTime invalid{0, 0x80000000u};
    EXPECT_FALSE(platform::FileTimeToSystemTime(&invalid, &split));
}

TEST(PosixMktime, KeepsTheWindowsRange)
{
    std::tm before{};
    before.tm_year = 50;
    before.tm_mday = 1;
    before.tm_isdst = -1;
    EXPECT_EQ(platform::_mktime64(&before), -1);
    std::tm after{};
    after.tm_year = 3001 - 1900;
    after.tm_mon = 1;
    after.tm_mday = 1;
    after.tm_isdst = -1;
    EXPECT_EQ(platform::_mktime64(&after), -1);
}

TEST(PosixFullPath, ResolvesLexicallyWithinTheLimit)
{
    char buffer[260];
    struct {
        const char* path;
        const char* full;
    } const cases[] = {
        {"/a/b/../c", "/a/c"},
        {"/a/./b/", "/a/b/"},
        {"\\a\\\\b", "/a/b"},
        {"/../../x", "/x"},
        {"/a/\x95\x5C/../b", "/a/b"},
        {"/", "/"},
    };
    for (const auto& c : cases) {
        ASSERT_NE(platform::_fullpath(buffer, c.path, sizeof buffer), nullptr) << c.path;
        EXPECT_STREQ(buffer, c.full);
    }
    const std::string fits = "/" + std::string(258, 'a');
    EXPECT_NE(platform::_fullpath(buffer, fits.c_str(), sizeof buffer), nullptr);
    const std::string tooLong = "/" + std::string(259, 'a');
    EXPECT_EQ(platform::_fullpath(buffer, tooLong.c_str(), sizeof buffer), nullptr);
}

} // namespace
