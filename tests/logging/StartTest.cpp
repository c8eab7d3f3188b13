// The logging bootstrap of the real launcher, started as its own process
// with the real logging library, in a home folder of its own.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "e2e/Launch.h"
#include "logging/Obstacles.h"
#include "platform/Text.h"
#include "support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

fs::path U8(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

// Everything below a folder, as paths relative to it.
std::set<std::string> Tree(const fs::path& root)
{
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::u8string relative = fs::relative(entry.path(), root).u8string();
        entries.emplace(relative.begin(), relative.end());
    }
    return entries;
}

class Bootstrap : public ::testing::Test {
protected:
    void UseDocuments(const std::string& name)
    {
        documents = home.Path() / U8(name);
        fs::create_directories(documents);
        fs::create_directories(home.Path() / ".config");
        std::ofstream(home.Path() / ".config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/" << name << "\"\n";
        logFolder = documents / "Kestova" / "SystemLog";
    }

    void SetUp() override
    {
        UseDocuments("Documents");
        testsupport::SetVariable("HOME", home.Path().string());
        unsetenv("XDG_CONFIG_HOME");
        testsupport::SetVariable("LC_ALL", "C.UTF-8");
        testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", (home.Path() / "run.txt").string());
    }

    void TearDown() override
    {
        testsupport::SetVariable("HOME", savedHome);
        testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", "");
    }

    e2e::LaunchResult Start(const fs::path& program = testsupport::ProgramFolder() / "KestovaLink")
    {
        e2e::LaunchRequest request;
        request.program = program;
        request.workingFolder = home.Path();
        request.arguments = {"--exit=4"};
        request.user = user;
        return e2e::Launch(request);
    }

    // The single log file of a program, by the name the properties give it.
    fs::path LogFileNamedIn(const std::string& properties) const
    {
        const std::vector<std::string> lines = testsupport::LinesOf(properties);
        const std::string prefix = "log4j.appender.kAppender.File = ";
        if (lines.size() != 7 || lines[4].rfind(prefix, 0) != 0)
            return {};
        return U8(platform::AnsiToUtf8(lines[4].substr(prefix.size()))); // the file is in code page 932
    }

    void ExpectOneInfoLine(const fs::path& logFile) const
    {
        const std::string log = testsupport::ReadFile(logFile);
        static const std::regex line(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \[ INFO\] SampleLogLog4cxx\.cpp\(\d+\) )"
                                     R"(LogRunCalled - Run: .*KestovaLink --exit=4 \(show state 10\)\n)");
        EXPECT_TRUE(std::regex_match(log, line)) << logFile << ": " << log;
        EXPECT_EQ(log.find("debug detail"), std::string::npos);
    }

    std::optional<unsigned> user; // whom the launcher runs as, when not as this process's user
    std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    testsupport::TemporaryFolder home;
    fs::path documents;
    fs::path logFolder;
};

TEST_F(Bootstrap, GeneratedConfigurationSendsInfoToTheDatedFile)
{
    const auto result = Start();
    EXPECT_EQ(result.exitCode, 4u);
    const std::string properties = testsupport::ReadFile(logFolder / "KestovaLink.ini");
    const fs::path logFile = LogFileNamedIn(properties);
    ASSERT_FALSE(logFile.empty()) << properties;
    EXPECT_EQ(logFile.parent_path(), logFolder / "KestovaLink");
    EXPECT_TRUE(std::regex_match(logFile.filename().string(), std::regex(R"(KestovaLink\.1\.0\.0Log_\d{8}\.txt)")));
    ExpectOneInfoLine(logFile);
}

TEST_F(Bootstrap, JapaneseDocumentsFolderGetsTheLogAndNothingLandsElsewhere)
{
    UseDocuments("書類 表ソ");
    const auto result = Start();
    EXPECT_EQ(result.exitCode, 4u);
    const fs::path logFile = LogFileNamedIn(testsupport::ReadFile(logFolder / "KestovaLink.ini"));
    EXPECT_EQ(logFile.parent_path(), logFolder / "KestovaLink");
    ExpectOneInfoLine(logFile);
    for (const std::string& entry : Tree(home.Path())) {
        const bool expected = entry.rfind("Documents", 0) == 0 || entry.rfind("書類 表ソ", 0) == 0 ||
                              entry.rfind(".config", 0) == 0 || entry == "run.txt";
        EXPECT_TRUE(expected) << "stray entry " << entry;
    }
}

TEST_F(Bootstrap, JapaneseDocumentsFolderInThePlainCLocale)
{
    testsupport::SetVariable("LC_ALL", "C");
    UseDocuments("書類 表ソ");
    EXPECT_EQ(Start().exitCode, 4u);
    const fs::path logFile = LogFileNamedIn(testsupport::ReadFile(logFolder / "KestovaLink.ini"));
    EXPECT_EQ(logFile.parent_path(), logFolder / "KestovaLink");
    ExpectOneInfoLine(logFile);
}

struct OverrideCase {
    const char* documents;
    const char* logName;
};

class Override : public Bootstrap, public ::testing::WithParamInterface<OverrideCase> {};

TEST_P(Override, ConfiguresFromTheSharedFileAndWritesNothing)
{
    UseDocuments(GetParam().documents);
    fs::create_directories(logFolder / "KestovaLink");
    const std::string earlier = "left by an earlier start\r\n";
    std::ofstream(logFolder / "KestovaLink.ini") << earlier;
    // The shared file's own content is the library's to read (as ISO-8859-1),
    // so its log goes to an ASCII path; what varies is where the file lies.
    const fs::path overrideLog = home.Path() / GetParam().logName;
    const std::u8string overrideLogText = overrideLog.u8string();
    std::ofstream(logFolder / "KDefault.ini")
        << "log4j.rootLogger=Info, shared\n"
           "log4j.appender.shared=org.apache.log4j.FileAppender\n"
           "log4j.appender.shared.File="
        << std::string(overrideLogText.begin(), overrideLogText.end())
        << "\n"
           "log4j.appender.shared.layout=org.apache.log4j.PatternLayout\n"
           "log4j.appender.shared.layout.ConversionPattern=shared %p %m%n\n";
    const auto before = Tree(home.Path());

    EXPECT_EQ(Start().exitCode, 4u);
    EXPECT_EQ(testsupport::ReadFile(logFolder / "KestovaLink.ini"), earlier);
    EXPECT_TRUE(fs::is_empty(logFolder / "KestovaLink"));
    const std::string log = testsupport::ReadFile(overrideLog);
    EXPECT_EQ(log.rfind("shared INFO Run: ", 0), 0u) << log;
    auto after = Tree(home.Path());
    after.erase("run.txt");
    const std::u8string logRelative = fs::relative(overrideLog, home.Path()).u8string();
    after.erase(std::string(logRelative.begin(), logRelative.end()));
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Folders, Override,
                         ::testing::Values(OverrideCase{"Documents", "shared.log"},
                                           OverrideCase{"書類 表ソ", "shared.log"}));

TEST_F(Bootstrap, OverrideThatIsAFolderStillCountsAndNothingIsWritten)
{
    fs::create_directories(logFolder / "KDefault.ini");
    EXPECT_EQ(Start().exitCode, 4u);
    EXPECT_FALSE(fs::exists(logFolder / "KestovaLink.ini"));
    EXPECT_FALSE(fs::exists(logFolder / "KestovaLink"));
}

TEST_F(Bootstrap, ProgramGoesByTheNameItWasStartedFrom)
{
    testsupport::TemporaryFolder installed;
    const fs::path renamed = installed.Path() / "Other Link";
    fs::copy_file(testsupport::ProgramFolder() / "KestovaLink", renamed);
    fs::copy_file(testsupport::ProgramFolder() / "AppRun.so", installed.Path() / "AppRun.so");
    EXPECT_EQ(Start(renamed).exitCode, 4u);
    const fs::path logFile = LogFileNamedIn(testsupport::ReadFile(logFolder / "Other Link.ini"));
    EXPECT_EQ(logFile.parent_path(), logFolder / "Other Link");
    EXPECT_EQ(logFile.filename().string().rfind("Other Link.1.0.0Log_", 0), 0u);
    EXPECT_FALSE(fs::exists(logFolder / "KestovaLink.ini"));
}

// Whatever stands in the bootstrap's way, the start goes on to Run, and
// what was there before is left as it was.
class InTheWay : public Bootstrap, public ::testing::WithParamInterface<loggingtest::Obstacle> {};

TEST_P(InTheWay, StartStillReachesRunAndTheFileIsKept)
{
    const fs::path blocker = loggingtest::PlaceFileInTheWay(logFolder, GetParam());
    const auto result = Start();
    EXPECT_EQ(result.exitCode, 4u) << GetParam().what;
    EXPECT_TRUE(fs::exists(home.Path() / "run.txt")) << GetParam().what;
    EXPECT_EQ(testsupport::ReadFile(blocker), loggingtest::kSomeoneElsesFile) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Files, InTheWay, loggingtest::kObstacles);

TEST_F(Bootstrap, ProgramNameTooLongForItsFilesStillReachesRun)
{
    testsupport::TemporaryFolder installed;
    const fs::path program = installed.Path() / std::string(255, 'k'); // NAME.ini cannot be named
    fs::copy_file(testsupport::ProgramFolder() / "KestovaLink", program);
    fs::copy_file(testsupport::ProgramFolder() / "AppRun.so", installed.Path() / "AppRun.so");
    EXPECT_EQ(Start(program).exitCode, 4u);
}

// Paths at the edge of the 260-byte buffers: the start reaches Run whatever
// fits, and a properties file that gets written is whole.
class PathLength : public Bootstrap, public ::testing::WithParamInterface<int> {
protected:
    // A folder below home whose full path has exactly the given length.
    fs::path FolderOfLength(std::size_t length) const { return testsupport::FolderOfLength(home.Path(), length); }
};

TEST_P(PathLength, LogFolderAtTheLimitStillStarts)
{
    // The log folder is the Documents folder and 18 more bytes.
    const std::size_t logFolderLength = static_cast<std::size_t>(GetParam());
    const fs::path docs = FolderOfLength(logFolderLength - 18);
    fs::create_directories(docs);
    ASSERT_EQ((docs / "Kestova" / "SystemLog").string().size(), logFolderLength);
    std::ofstream(home.Path() / ".config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << docs.string() << "\"\n";
    EXPECT_EQ(Start().exitCode, 4u);
    EXPECT_TRUE(fs::exists(home.Path() / "run.txt"));
    for (const auto& entry : fs::recursive_directory_iterator(home.Path())) {
        if (entry.path().extension() == ".ini" && entry.path().filename() != "user-dirs.dirs") {
            EXPECT_EQ(testsupport::LinesOf(testsupport::ReadFile(entry.path())).size(), 7u) << entry.path();
        }
    }
}

TEST_P(PathLength, DocumentsFolderThatDoesNotFitGivesWayToTheDefaultOne)
{
    // The Documents folder's path goes through a 260-byte buffer: one that
    // does not fit is not taken, and the default Documents folder serves.
    // One that fits leaves no room for the log folder below it, which the
    // system cannot create: nothing is written, and the start goes on.
    const fs::path docs = FolderOfLength(static_cast<std::size_t>(GetParam()));
    fs::create_directories(docs);
    ASSERT_EQ(docs.string().size(), static_cast<std::size_t>(GetParam()));
    std::ofstream(home.Path() / ".config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << docs.string() << "\"\n";
    EXPECT_EQ(Start().exitCode, 4u);
    EXPECT_TRUE(fs::exists(home.Path() / "run.txt"));
    EXPECT_TRUE(fs::is_empty(docs));
    const bool fits = GetParam() < 260;
    if (fits)
        EXPECT_FALSE(fs::exists(logFolder));
    else
        EXPECT_EQ(testsupport::LinesOf(testsupport::ReadFile(logFolder / "KestovaLink.ini")).size(), 7u);
}

TEST_P(PathLength, ExecutableAtTheLimitStillStarts)
{
    const fs::path folder = FolderOfLength(static_cast<std::size_t>(GetParam()) - 12); // "/KestovaLink"
    fs::create_directories(folder);
    const fs::path program = folder / "KestovaLink";
    ASSERT_EQ(program.string().size(), static_cast<std::size_t>(GetParam()));
    fs::copy_file(testsupport::ProgramFolder() / "KestovaLink", program);
    fs::copy_file(testsupport::ProgramFolder() / "AppRun.so", folder / "AppRun.so");
    EXPECT_EQ(Start(program).exitCode, 4u);
    EXPECT_TRUE(fs::exists(home.Path() / "run.txt"));
    // A path cut to 259 bytes would name the program "KestovaLin": the
    // start goes without a name instead.
    const bool fits = GetParam() < 260;
    EXPECT_EQ(fs::exists(logFolder / "KestovaLink.ini"), fits);
    EXPECT_EQ(fs::exists(logFolder / ".ini"), !fits);
    EXPECT_FALSE(fs::exists(logFolder / "KestovaLin.ini"));
}

INSTANTIATE_TEST_SUITE_P(Limits, PathLength, ::testing::Values(259, 260, 261));

// What the launcher's user may not write. Root writes anywhere, so when the
// tests run as root the launcher runs as an ordinary user, who is given the
// home folder.
class NoWriteAccess : public Bootstrap {
protected:
    static constexpr unsigned kOrdinaryUser = 54321;

    void HandOver() const
    {
        if (!user)
            return;
        ASSERT_EQ(lchown(home.Path().c_str(), *user, *user), 0);
        for (const auto& entry : fs::recursive_directory_iterator(home.Path()))
            ASSERT_EQ(lchown(entry.path().c_str(), *user, *user), 0) << entry.path();
    }

    void SetUp() override
    {
        Bootstrap::SetUp();
        if (geteuid() == 0)
            user = kOrdinaryUser;
    }
};

constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kExecute = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

TEST_F(NoWriteAccess, ReadOnlyLogFolderIsLeftEmptyAndTheStartReachesRun)
{
    fs::create_directories(logFolder);
    HandOver();
    fs::permissions(logFolder, kReadOnly | kExecute);
    EXPECT_EQ(Start().exitCode, 4u);
    EXPECT_TRUE(fs::exists(home.Path() / "run.txt"));
    EXPECT_TRUE(fs::is_empty(logFolder));
}

TEST_F(NoWriteAccess, ReadOnlyPropertiesFileIsKeptAndStillConfiguresTheLibrary)
{
    // An earlier start's file, made read-only since: it stays byte for byte,
    // and the library is configured from it.
    const fs::path earlierLog = home.Path() / "earlier.log";
    const std::string earlier = "log4j.rootLogger = Info, kAppender\r\n"
                                "log4j.appender.kAppender = org.apache.log4j.FileAppender\r\n"
                                "log4j.appender.kAppender.File = " + earlierLog.string() + "\r\n"
                                "log4j.appender.kAppender.layout = org.apache.log4j.PatternLayout\r\n"
                                "log4j.appender.kAppender.layout.ConversionPattern = "
                                "%d{yyyy-MM-dd HH:mm:ss} [%5p] %f(%L) %M - %m%n\r\n";
    fs::create_directories(logFolder);
    const fs::path properties = logFolder / "KestovaLink.ini";
    std::ofstream(properties, std::ios::binary) << earlier;
    HandOver();
    fs::permissions(properties, kReadOnly);
    EXPECT_EQ(Start().exitCode, 4u);
    EXPECT_EQ(testsupport::ReadFile(properties), earlier);
    ExpectOneInfoLine(earlierLog);
}

TEST_F(Bootstrap, FiftyStartsAtOnceAllFinishAndLeaveACompleteFile)
{
    std::vector<pid_t> children;
    const std::string program = (testsupport::ProgramFolder() / "KestovaLink").string();
    for (int i = 0; i < 50; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            execl(program.c_str(), program.c_str(), "--exit=9", static_cast<char*>(nullptr));
            _exit(127);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 9);
    }
    const std::string properties = testsupport::ReadFile(logFolder / "KestovaLink.ini");
    EXPECT_EQ(testsupport::LinesOf(properties).size(), 7u) << properties;
    EXPECT_FALSE(LogFileNamedIn(properties).empty());
}

} // namespace
