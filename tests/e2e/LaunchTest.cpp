// The real launcher executable with the sample component, started as its
// own process: what reaches Run, the exit code, and the error box.
#include <gtest/gtest.h>

#include "e2e/Launch.h"
#include "support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

#if defined(_WIN32)
constexpr bool kWindows = true;
constexpr const char* kProgram = "KestovaLink.exe";
constexpr const char* kComponent = "AppRun.dll";
#else
constexpr bool kWindows = false;
constexpr const char* kProgram = "KestovaLink";
constexpr const char* kComponent = "AppRun.so";
#endif
#if defined(_WIN32)
// Without the shared assembly's manifest beside it, Windows will not start it.
constexpr std::initializer_list<const char*> kSideBySide = {"KestovaSoftware.Kestova.Proxy.manifest"};
#else
constexpr std::initializer_list<const char*> kSideBySide = {};
#endif
constexpr char16_t kBoxText[] = u"AppRunオブジェクトの作成に失敗しました。\n処理を継続することができません。";

// A parent sees the status as Windows reports it, or in 8 bits on POSIX.
std::uint32_t AsSeenByParent(int code)
{
    return kWindows ? static_cast<std::uint32_t>(code) : static_cast<std::uint32_t>(code) & 0xFF;
}

class Launcher : public ::testing::Test {
protected:
    void SetUp() override { testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", report.string()); }
    void TearDown() override { testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", ""); }

    e2e::LaunchRequest Request(std::vector<std::string> arguments = {}) const
    {
        e2e::LaunchRequest request;
        request.program = testsupport::ProgramFolder() / kProgram;
        request.arguments = std::move(arguments);
        request.workingFolder = scratch.Path();
        return request;
    }

    std::string Report() const { return testsupport::ReadFile(report); }

    static std::string Expected(const e2e::LaunchResult& result, int showState)
    {
        return "commandLine=" + result.commandLineWritten + "\nshowState=" + std::to_string(showState) + "\n";
    }

    // A folder with a copy of the executable and only the named companions.
    fs::path Install(const fs::path& folder, std::initializer_list<const char*> companions = kSideBySide) const
    {
        fs::copy_file(testsupport::ProgramFolder() / kProgram, folder / kProgram);
        fs::permissions(folder / kProgram, fs::perms::owner_all);
        for (const char* name : companions)
            fs::copy_file(testsupport::ProgramFolder() / name, folder / name);
        return folder / kProgram;
    }

    void ExpectFatalBox(const e2e::LaunchResult& result) const
    {
        ASSERT_TRUE(result.started);
        EXPECT_EQ(result.exitCode, AsSeenByParent(-1));
        EXPECT_TRUE(result.box.shown);
        EXPECT_EQ(result.box.text, kBoxText);
        if (kWindows) {
            EXPECT_EQ(result.box.title, u"エラー"); // the system's default title
            EXPECT_TRUE(result.box.errorIcon);
            EXPECT_EQ(result.box.visibleButtons, 1);
            EXPECT_TRUE(result.box.okButton);
            EXPECT_TRUE(result.box.processWaited);
        }
        EXPECT_FALSE(fs::exists(report)) << "Run was called";
    }

    testsupport::TemporaryFolder scratch;
    testsupport::TemporaryFolder installed;
    testsupport::TemporaryFolder planted;
    fs::path report = scratch.Path() / "run.txt";
};

TEST_F(Launcher, WithoutArgumentsRunGetsTheProgramPathAsWritten)
{
    const auto result = e2e::Launch(Request());
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(Report(), Expected(result, 10));
    EXPECT_NE(result.commandLineWritten, "");
}

TEST_F(Launcher, RelativeProgramPathIsKeptAsWritten)
{
    auto request = Request();
    request.workingFolder = testsupport::ProgramFolder();
    request.programAsWritten = kWindows ? std::string(kProgram) : "./" + std::string(kProgram);
    const auto result = e2e::Launch(request);
    EXPECT_EQ(Report(), "commandLine=" + request.programAsWritten + "\nshowState=10\n");
}

TEST_F(Launcher, JapaneseArgumentsArriveAsTheMatchingText)
{
    // 表 and ソ have 0x5C, the backslash byte, as their second byte.
    const auto result = e2e::Launch(Request({"表ソ", "C:\\データ\\表.txt", "ﾃｽﾄ", "a b", "--flag"}));
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(Report(), Expected(result, 10));
    EXPECT_NE(Report().find(" 表ソ C:\\データ\\表.txt ﾃｽﾄ \"a b\" --flag\n"), std::string::npos);
}

TEST_F(Launcher, RunResultIsTheExitCode)
{
    for (int code : {0, 1, 7, 255, 300, -5, -1, 2147483647}) {
        const auto result = e2e::Launch(Request({"--exit=" + std::to_string(code)}));
        EXPECT_EQ(result.exitCode, AsSeenByParent(code)) << code;
        EXPECT_EQ(Report(), Expected(result, 10)) << code;
    }
}

#if defined(_WIN32)
// Only Windows start-up information carries a show state.
TEST_F(Launcher, ShowStateFromStartupInformationReachesRun)
{
    for (int show : {0 /*SW_HIDE*/, 1 /*SW_SHOWNORMAL*/, 2 /*SW_SHOWMINIMIZED*/, 3 /*SW_SHOWMAXIMIZED*/,
                     7 /*SW_SHOWMINNOACTIVE*/, 10 /*SW_SHOWDEFAULT*/}) {
        auto request = Request();
        request.showWindow = show;
        const auto result = e2e::Launch(request);
        EXPECT_EQ(Report(), Expected(result, show)) << show;
    }
}
#endif

TEST_F(Launcher, MissingComponentShowsTheBoxAndEndsWithMinusOne)
{
    auto request = Request();
    request.program = Install(installed.Path());
    request.closeBox = true;
    ExpectFatalBox(e2e::Launch(request));
}

TEST_F(Launcher, ComponentInTheCurrentFolderIsNeverLoaded)
{
    auto request = Request();
    request.program = Install(installed.Path());
    fs::copy_file(testsupport::ProgramFolder() / kComponent, planted.Path() / kComponent);
    request.workingFolder = planted.Path();
    request.closeBox = true;
    ExpectFatalBox(e2e::Launch(request));
}

struct FaultCase {
    const char* folder; // under bin/faults
    const char* fault;  // KESTOVA_FAULT
};

class FaultyComponent : public Launcher, public ::testing::WithParamInterface<FaultCase> {};

// A component that loads but cannot give an AppRun: the box and -1, no crash.
TEST_P(FaultyComponent, ShowsTheBoxAndEndsWithMinusOne)
{
    auto request = Request();
    request.program = Install(installed.Path());
    fs::copy_file(testsupport::ProgramFolder() / "faults" / GetParam().folder / kComponent,
                  installed.Path() / kComponent);
    testsupport::SetVariable("KESTOVA_FAULT", GetParam().fault);
    request.closeBox = true;
    const auto result = e2e::Launch(request);
    testsupport::SetVariable("KESTOVA_FAULT", "");
    ExpectFatalBox(result);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultyComponent,
                         ::testing::Values(FaultCase{"no-entry", ""}, FaultCase{"failing", "factory"},
                                           FaultCase{"failing", "interface"}));

#if defined(_WIN32)
// Windows refuses to start a process whose dependent assembly is missing;
// Wine starts it without the activation context, so creation fails.
TEST_F(Launcher, MissingDependentAssemblyUnderWineFailsCreation)
{
    auto request = Request();
    request.program = Install(installed.Path(), {kComponent});
    request.closeBox = true;
    ExpectFatalBox(e2e::Launch(request));
}

#endif

} // namespace
