#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fs/SplitPath.h"
#include "fs/TestFolder.h"

namespace {

using fstest::kHyo;
using fstest::kSo;

struct SplitCase {
    std::string path, drive, server, folder, name, extension, driveFolder, nameExtension;
};

void PrintTo(const SplitCase& c, std::ostream* out)
{
    *out << c.path;
}

class SplitTable : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTable, FillsEveryPart)
{
    const SplitCase& c = GetParam();
    const ISplitPath split(c.path.c_str());
    EXPECT_EQ(split.Path, c.path);
    EXPECT_EQ(split.Drive, c.drive);
    EXPECT_EQ(split.Server, c.server);
    EXPECT_EQ(split.Folder, c.folder);
    EXPECT_EQ(split.Name, c.name);
    EXPECT_EQ(split.Extension, c.extension);
    EXPECT_EQ(split.DriveFolder, c.driveFolder);
    EXPECT_EQ(split.NameExtension, c.nameExtension);
}

const std::string hyo = kHyo, so = kSo;

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitTable,
    testing::Values(
        SplitCase{R"(C:\data\report.txt)", "C:", "", R"(\data\)", "report", ".txt", R"(C:\data\)", "report.txt"},
        SplitCase{R"(\\srv\share\logs\a.log)", R"(\\srv)", "srv", R"(\share\logs\)", "a", ".log",
                  R"(\\srv\share\logs\)", "a.log"},
        SplitCase{R"(\\srv\share)", R"(\\srv)", "srv", R"(\)", "share", "", R"(\\srv\)", "share"},
        // Two backslashes and a name: no server, the name stays a name.
        SplitCase{R"(\\srv)", "", "", "", "srv", "", "", "srv"},
        SplitCase{"archive.tar.gz", "", "", "", "archive.tar", ".gz", "", "archive.tar.gz"},
        // Slashes do not make a UNC path.
        SplitCase{"//srv/share/a.txt", "", "", "//srv/share/", "a", ".txt", "//srv/share/", "a.txt"},
        // After the server only backslashes are boundaries.
        SplitCase{R"(\\srv/share/a.txt)", R"(\\srv/share/)", "srv/share/", "", "a", ".txt",
                  R"(\\srv/share/)", "a.txt"},
        SplitCase{".profile", "", "", "", "", ".profile", "", ".profile"},
        SplitCase{"C:name.txt", "C:", "", "", "name", ".txt", "C:", "name.txt"},
        SplitCase{R"(a/b\c.d)", "", "", R"(a/b\)", "c", ".d", R"(a/b\)", "c.d"},
        SplitCase{"/home/user/.config/", "", "", "/home/user/.config/", "", "", "/home/user/.config/", ""},
        // Double-byte characters whose trail byte is a backslash stay whole.
        SplitCase{"C:\\" + hyo + "\\" + so + ".txt", "C:", "", "\\" + hyo + "\\", so, ".txt",
                  "C:\\" + hyo + "\\", so + ".txt"},
        SplitCase{"C:\\dir\\" + hyo, "C:", "", "\\dir\\", hyo, "", "C:\\dir\\", hyo},
        SplitCase{"C:\\dir\\" + so + "." + hyo, "C:", "", "\\dir\\", so, "." + hyo, "C:\\dir\\",
                  so + "." + hyo},
        SplitCase{"\\\\" + hyo + "\\" + so + "\\x.y", "\\\\" + hyo, hyo, "\\" + so + "\\", "x", ".y",
                  "\\\\" + hyo + "\\" + so + "\\", "x.y"}));

TEST(SplitPath, NullPathLeavesEverythingEmpty)
{
    ISplitPath split(nullptr);
    for (const char* part : {split.Path, split.Drive, split.Server, split.Folder, split.Name,
                             split.Extension, split.DriveFolder, split.NameExtension})
        EXPECT_STREQ(part, "");
    ASSERT_TRUE(split.Split(R"(C:\a\b.c)"));
    EXPECT_FALSE(split.Split(nullptr));
    EXPECT_STREQ(split.Path, R"(C:\a\b.c)");
}

TEST(SplitPath, MissingBufferChangesNothing)
{
    ISplitPath split(R"(C:\a\b.c)");
    char* const folder = split.Folder;
    split.Folder = nullptr;
    EXPECT_FALSE(split.Split(R"(D:\x\y.z)"));
    split.Folder = folder;
    EXPECT_STREQ(split.Path, R"(C:\a\b.c)");
    EXPECT_STREQ(split.Drive, "C:");
}

TEST(SplitPath, LaterSplitKeepsServerOfUncPath)
{
    ISplitPath split(R"(\\srv\share\a.txt)");
    ASSERT_TRUE(split.Split(R"(C:\data\b.txt)"));
    EXPECT_STREQ(split.Server, "srv");
    EXPECT_STREQ(split.Drive, "C:");
    EXPECT_STREQ(split.Folder, R"(\data\)");
    EXPECT_STREQ(split.DriveFolder, R"(C:\data\)");
}

TEST(SplitPath, LongPathsAreCutAtTheirLimitsAndStayTerminated)
{
    const std::string name(300, 'n');
    const ISplitPath split(("C:\\" + name + ".txt").c_str());
    EXPECT_EQ(std::strlen(split.Path), 260u);
    EXPECT_EQ(std::string(split.Name), std::string(256, 'n'));
    EXPECT_EQ(std::string(split.NameExtension), std::string(256, 'n'));
    EXPECT_STREQ(split.Extension, "");
    EXPECT_EQ(split.Path[260], '\0');
    EXPECT_EQ(split.Name[256], '\0');

    // A folder of more than 256 bytes: cut, and the joined form follows.
    const ISplitPath deep(("\\" + std::string(256, 'f') + "\\a").c_str());
    EXPECT_EQ(std::string(deep.Folder), "\\" + std::string(255, 'f'));
    EXPECT_EQ(std::string(deep.DriveFolder), deep.Folder);
    EXPECT_STREQ(deep.Name, "a");
}

TEST(SplitPath, CutsNeverSplitADoubleByteCharacter)
{
    // The 260th and 261st bytes form one character: the path keeps 259.
    const std::string path = "C:\\" + std::string(256, 'a') + hyo + "b";
    const ISplitPath split(path.c_str());
    EXPECT_EQ(std::string(split.Path), path.substr(0, 259));

    // A name whose 256-byte limit falls inside a character loses it whole.
    const std::string name = std::string(255, 'a') + so + "z";
    const ISplitPath named(name.c_str());
    EXPECT_EQ(std::string(named.Name), std::string(255, 'a'));
}

} // namespace
