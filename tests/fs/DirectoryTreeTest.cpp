#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <string>

#include "fs/FileSystem.h"
#include "fs/TestFolder.h"
#include "platform/Path.h"

namespace {

constexpr char kSep = platform::kPathSeparator;
const std::string hyo = fstest::kHyo, so = fstest::kSo;

std::string Join(std::initializer_list<std::string> parts, char separator = kSep)
{
    std::string path;
    for (const std::string& part : parts)
        path += (path.empty() ? "" : std::string(1, separator)) + part;
    return path;
}

class DirectoryTree : public testing::Test {
protected:
    fstest::TestFolder folder;
};

TEST_F(DirectoryTree, CreatesMissingLevelsOutsideIn)
{
    EXPECT_TRUE(CreateDirectoryTree(Join({folder.Path(), "a", "b", "c"}).c_str()));
    EXPECT_TRUE(folder.IsFolder(Join({"a", "b", "c"})));
    // Now it exists: false, and nothing changes.
    EXPECT_FALSE(CreateDirectoryTree(Join({folder.Path(), "a", "b", "c"}).c_str()));
    EXPECT_TRUE(folder.IsFolder(Join({"a", "b", "c"})));
}

TEST_F(DirectoryTree, OneTrailingSeparatorIsIgnored)
{
    for (const char separator : {'\\', '/'}) {
        const std::string top = separator == '/' ? "slash" : "backslash";
        EXPECT_TRUE(CreateDirectoryTree((Join({folder.Path(), top, "x", "y"}) + separator).c_str()))
            << separator;
        EXPECT_TRUE(folder.IsFolder(Join({top, "x", "y"})));
    }
}

TEST_F(DirectoryTree, OnlyOneOfTwoTrailingSeparatorsIsDropped)
{
    // The parents come from the path without one backslash, "...\d\e\", so
    // they include e itself; the final creation of "...\d\e\\" then finds e
    // made and fails.
    const std::string path = Join({folder.Path(), "d", "e"}) + "\\\\";
    EXPECT_FALSE(CreateDirectoryTree(path.c_str()));
    EXPECT_TRUE(folder.IsFolder(Join({"d", "e"})));
}

TEST_F(DirectoryTree, ParentThatIsAFileStopsEverything)
{
    folder.MakeFile("file");
    EXPECT_FALSE(CreateDirectoryTree(Join({folder.Path(), "file", "sub", "deeper"}).c_str()));
    EXPECT_FALSE(folder.IsFolder("file"));
    EXPECT_FALSE(folder.Exists(Join({"file", "sub"})));
}

TEST_F(DirectoryTree, PlainRelativeNameIsCreatedInTheCurrentFolder)
{
    const fstest::CurrentFolder here(folder.Path());
    EXPECT_TRUE(CreateDirectoryTree("plain"));
    EXPECT_TRUE(folder.IsFolder("plain"));
    EXPECT_FALSE(CreateDirectoryTree("plain"));
}

TEST_F(DirectoryTree, DoubleByteNamesAreNotCutAtTheirTrailByte)
{
    EXPECT_TRUE(CreateDirectoryTree(Join({folder.Path(), hyo, so, hyo + so}).c_str()));
    EXPECT_TRUE(folder.IsFolder(Join({hyo, so, hyo + so})));
    EXPECT_FALSE(folder.Exists("\x95"));
    EXPECT_FALSE(folder.Exists("\x83"));
}

TEST_F(DirectoryTree, NullPathIsRefused)
{
    EXPECT_FALSE(CreateDirectoryTree(nullptr));
}

// Read literally, the recursion would get "...\s/a/b/" as its own parent for
// ever; the test fails after a while instead of hanging.
TEST_F(DirectoryTree, SlashSeparatedPathTerminates)
{
    const std::string path = Join({folder.Path(), "s", "a", "b", "c"}, '/');
    const std::string mixed = Join({folder.Path(), "m", "a"}, '/') + "\\b/c/";
    auto creation = std::async(std::launch::async, [&] {
        return CreateDirectoryTree(path.c_str()) && CreateDirectoryTree(mixed.c_str());
    });
    if (creation.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
        ADD_FAILURE() << "CreateDirectoryTree did not return";
        std::_Exit(EXIT_FAILURE); // the runaway thread cannot be joined
    }
    EXPECT_TRUE(creation.get());
    EXPECT_TRUE(folder.IsFolder(Join({"s", "a", "b", "c"})));
    EXPECT_TRUE(folder.IsFolder(Join({"m", "a", "b", "c"})));
}

} // namespace
