#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "fs/FileSystem.h"
#include "fs/TestFolder.h"

namespace {

#if defined(_WIN32)
TEST(DocumentsFolder, IsAnExistingFolderOfTheSystem)
{
    char buffer[260] = {};
    ASSERT_TRUE(GetDocumentsFolder(buffer));
    ASSERT_NE(buffer[0], '\0');
    EXPECT_TRUE(FileExists(buffer)) << buffer;
    char again[260] = {};
    EXPECT_TRUE(GetDocumentsFolder(again));
    EXPECT_STREQ(again, buffer);
}
#else
// The desktop's documents folder, with HOME and XDG_CONFIG_HOME pointed at a
// temporary home for each case.
class DocumentsFolder : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"})
            if (const char* value = std::getenv(name))
                saved.emplace_back(name, value);
        folder.MakeFolder("home");
        home = folder / "home";
        setenv("HOME", fstest::Os(home).c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }

    void TearDown() override
    {
        unsetenv("HOME");
        unsetenv("XDG_CONFIG_HOME");
        for (const auto& [name, value] : saved)
            setenv(name.c_str(), value.c_str(), 1);
    }

    void WriteUserDirs(const std::string& configFolder, const std::string& text)
    {
        std::filesystem::create_directories(fstest::Os(configFolder));
        std::ofstream(fstest::Os(configFolder + "/user-dirs.dirs")) << text;
    }

    std::optional<std::string> Lookup()
    {
        char buffer[260] = {};
        if (!GetDocumentsFolder(buffer))
            return std::nullopt;
        return std::string(buffer);
    }

    fstest::TestFolder folder;
    std::string home;
    std::vector<std::pair<std::string, std::string>> saved;
};

TEST_F(DocumentsFolder, WithoutUserDirsIsHomeDocumentsCreatedIfMissing)
{
    EXPECT_EQ(Lookup(), home + "/Documents");
    EXPECT_TRUE(folder.IsFolder("home/Documents"));
    EXPECT_EQ(Lookup(), home + "/Documents");
}

TEST_F(DocumentsFolder, FollowsTheUserDirectoryInCodePage932)
{
    // 書類 in the system's UTF-8, and in code page 932 in the result.
    std::filesystem::create_directories(fstest::Os(home) / "\xE6\x9B\xB8\xE9\xA1\x9E");
    WriteUserDirs(home + "/.config", "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                     "XDG_DOCUMENTS_DIR=\"$HOME/\xE6\x9B\xB8\xE9\xA1\x9E\"\n");
    EXPECT_EQ(Lookup(), home + "/\x8F\x91\x97\xDE");
    EXPECT_FALSE(folder.Exists("home/Documents"));
}

TEST_F(DocumentsFolder, ConfigHomeAndAbsolutePathsAreHonoured)
{
    folder.MakeFolder("papers");
    WriteUserDirs(folder / "config", "XDG_DOCUMENTS_DIR=\"" + (folder / "papers") + "/\"\n");
    setenv("XDG_CONFIG_HOME", fstest::Os(folder / "config").c_str(), 1);
    EXPECT_EQ(Lookup(), folder / "papers");
}

TEST_F(DocumentsFolder, MissingUserDirectoryFallsBackToTheDefault)
{
    WriteUserDirs(home + "/.config", "XDG_DOCUMENTS_DIR=\"$HOME/gone\"\n");
    EXPECT_EQ(Lookup(), home + "/Documents");
    EXPECT_TRUE(folder.IsFolder("home/Documents"));
    EXPECT_FALSE(folder.Exists("home/gone"));
}
TEST_F(DocumentsFolder, FolderThatCodePage932CannotNameIsNotGiven)
{
    // U+1F600 has no code page 932 form: "?" in its place would name
    // another folder, so the default is used instead.
    std::filesystem::create_directories(fstest::Os(home) / "\xF0\x9F\x98\x80");
    WriteUserDirs(home + "/.config", "XDG_DOCUMENTS_DIR=\"$HOME/\xF0\x9F\x98\x80\"\n");
    EXPECT_EQ(Lookup(), home + "/Documents");
}

TEST_F(DocumentsFolder, OtherShellFoldersAreNotKnown)
{
    char buffer[260] = "stale";
    EXPECT_FALSE(GetSpecialFolder(buffer, 0x1A, true)); // CSIDL_APPDATA
    EXPECT_STREQ(buffer, "");
}
#endif

} // namespace
