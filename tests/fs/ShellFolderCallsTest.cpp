// The folder lookup's calls, recorded: the library search order is changed
// before the library loads, the fallback call comes only when the first
// gives nothing, and the library is freed on every way out.
//
// Under Wine this is the only way to see the order: Wine 8 does not honour
// SetDllDirectoryA("") (a library that exists only in the current folder
// still loads by name after the call), where Windows takes the current
// folder out of the search order.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fs/FileSystem.h"
#include "fs/RecordingLibrary.h"

namespace {

using Calls = std::vector<std::string>;
constexpr platform::ShellResult kFail = static_cast<platform::ShellResult>(0x80004005);

const std::string kPrologue[] = {"SetDllDirectoryA('')", "LoadLibraryA(shfolder.dll)",
                                 "GetProcAddress(SHGetFolderPathA)"};

Calls With(std::initializer_list<std::string> lookups)
{
    Calls calls(std::begin(kPrologue), std::end(kPrologue));
    calls.insert(calls.end(), lookups);
    calls.push_back("FreeLibrary");
    return calls;
}

struct LookupCase {
    const char* what;
    std::vector<fstest::ScriptedLookup> lookups;
    bool result;
    std::string buffer;
    Calls calls;
};

TEST(DocumentsFolder, AsksAgainForTheDefaultOnlyWhenTheFirstGivesNothing)
{
    const LookupCase cases[] = {
        {"first works", {{0, "C:\\Docs"}}, true, "C:\\Docs", With({"SHGetFolderPathA(5,0,'')"})},
        {"first empty",
         {{0, ""}, {0, "C:\\Default"}},
         true,
         "C:\\Default",
         With({"SHGetFolderPathA(5,0,'')", "SHGetFolderPathA(32773,1,'')"})},
        {"first fails, its text kept for the second",
         {{kFail, "junk"}, {0, "C:\\Default"}},
         true,
         "C:\\Default",
         With({"SHGetFolderPathA(5,0,'')", "SHGetFolderPathA(32773,1,'junk')"})},
        {"both fail",
         {{kFail, ""}, {kFail, "left"}},
         false,
         "left",
         With({"SHGetFolderPathA(5,0,'')", "SHGetFolderPathA(32773,1,'')"})},
        {"second empty",
         {{0, ""}, {0, ""}},
         false,
         "",
         With({"SHGetFolderPathA(5,0,'')", "SHGetFolderPathA(32773,1,'')"})},
    };
    for (const LookupCase& c : cases) {
        fstest::ResetRecorder();
        fstest::Recorder().lookups = c.lookups;
        char buffer[260];
        std::memset(buffer, 0, sizeof buffer);
        EXPECT_EQ(GetDocumentsFolder(buffer), c.result) << c.what;
        EXPECT_EQ(std::string(buffer), c.buffer) << c.what;
        EXPECT_EQ(fstest::Recorder().calls, c.calls) << c.what;
    }
}

TEST(SpecialFolder, WithoutFallbackOneLookupDecides)
{
    fstest::ResetRecorder();
    fstest::Recorder().lookups = {{0, ""}, {0, "never"}};
    char buffer[260] = "stale";
    EXPECT_FALSE(GetSpecialFolder(buffer, 0x1A, false));
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(fstest::Recorder().calls, With({"SHGetFolderPathA(26,0,'')"}));
}

TEST(SpecialFolder, MissingLibraryOrEntryGivesAnEmptyBuffer)
{
    fstest::ResetRecorder();
    fstest::Recorder().libraryPresent = false;
    char buffer[260] = "stale";
    EXPECT_FALSE(GetDocumentsFolder(buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(fstest::Recorder().calls, (Calls{"SetDllDirectoryA('')", "LoadLibraryA(shfolder.dll)"}));

    fstest::ResetRecorder();
    fstest::Recorder().entryPresent = false;
    std::strcpy(buffer, "stale");
    EXPECT_FALSE(GetDocumentsFolder(buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(fstest::Recorder().calls, With({}));
}

TEST(SpecialFolder, NullBufferIsRefusedBeforeAnyCall)
{
    fstest::ResetRecorder();
    EXPECT_FALSE(GetDocumentsFolder(nullptr));
    EXPECT_TRUE(fstest::Recorder().calls.empty());
}

} // namespace
