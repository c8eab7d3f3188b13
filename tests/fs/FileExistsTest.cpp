#include <gtest/gtest.h>

#include <string>

#include "fs/FileSystem.h"
#include "fs/TestFolder.h"
#include "platform/Path.h"

namespace {

const std::string hyo = fstest::kHyo, so = fstest::kSo;

TEST(FileExists, FilesFoldersAndPatterns)
{
    fstest::TestFolder folder;
    folder.MakeFile("KDefault.ini");
    folder.MakeFolder("logs");
    folder.MakeFolder(hyo);
    folder.MakeFile(hyo + platform::kPathSeparator + so);
    struct {
        std::string path;
        bool exists;
    } const cases[] = {
        {folder / "KDefault.ini", true},
        {folder / "kdefault.INI", true},
        {folder / "logs", true},
        {folder / "*.ini", true},
        {folder / "l?gs", true},
        {folder / hyo + platform::kPathSeparator + so, true},
        {folder / "missing.ini", false},
        {folder / "*.txt", false},
        {folder / "logs" + platform::kPathSeparator, false},
        {folder / "none" + platform::kPathSeparator + "x", false},
        {folder / std::string(300, 'x'), false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileExists(c.path.c_str()), c.exists) << c.path;

    const fstest::CurrentFolder here(folder.Path());
    EXPECT_TRUE(FileExists(nullptr));
    EXPECT_TRUE(FileExists("logs"));
}

} // namespace
