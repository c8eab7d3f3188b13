// The bootstrap of the Windows executable: in the user's Documents folder it
// creates the log folder and the program's folder and writes the properties
// file, with backslashes doubled in the log file's name and CR LF line ends;
// whatever stands in its way, the start goes on to Run and what was there
// is left as it was.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <shlobj.h>
#include <windows.h>

#include "e2e/Launch.h"
#include "logging/Obstacles.h"
#include "support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

fs::path DefaultDocuments()
{
    wchar_t documents[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
        return {};
    return documents;
}

// Points the user's Documents folder elsewhere for as long as it lives, the
// way a user who moved the folder has it, and puts the old setting back.
class MovedDocuments {
public:
    explicit MovedDocuments(const fs::path& folder)
    {
        RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                        nullptr);
        wchar_t old[1024];
        DWORD size = sizeof old;
        DWORD type = 0;
        if (RegQueryValueExW(key_, L"Personal", nullptr, &type, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS)
            old_.emplace(old, size / sizeof(wchar_t));
        oldType_ = type;
        Set(folder.wstring(), REG_EXPAND_SZ);
    }
    ~MovedDocuments()
    {
        if (old_)
            RegSetValueExW(key_, L"Personal", 0, oldType_, reinterpret_cast<const BYTE*>(old_->data()),
                           static_cast<DWORD>(old_->size() * sizeof(wchar_t)));
        else
            RegDeleteValueW(key_, L"Personal");
        RegCloseKey(key_);
    }
    MovedDocuments(const MovedDocuments&) = delete;
    MovedDocuments& operator=(const MovedDocuments&) = delete;

private:
    void Set(const std::wstring& value, DWORD type)
    {
        RegSetValueExW(key_, L"Personal", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    HKEY key_ = nullptr;
    std::optional<std::wstring> old_;
    DWORD oldType_ = REG_EXPAND_SZ;
};

// The test's own access to paths of any length: the C++ library keeps to
// 260 characters here, the system's wide calls do not with this prefix.
std::wstring Long(const fs::path& path)
{
    return L"\\\\?\\" + path.wstring();
}

void MakeFolders(const fs::path& path)
{
    const std::wstring text = path.wstring();
    for (std::size_t end = 3; end <= text.size(); ++end)
        if (end == text.size() || text[end] == L'\\')
            CreateDirectoryW(Long(text.substr(0, end)).c_str(), nullptr);
}

std::string ReadLong(const fs::path& path)
{
    const HANDLE file = CreateFileW(Long(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    std::string content;
    if (file == INVALID_HANDLE_VALUE)
        return content;
    char buffer[4096];
    for (DWORD got = 0; ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0;)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

// Everything below a folder, as paths relative to it.
void CollectBelow(const fs::path& folder, const std::wstring& prefix, std::vector<std::wstring>& entries)
{
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((Long(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        entries.push_back(prefix + name);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CollectBelow(folder / name, prefix + name + L"\\", entries);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::vector<std::wstring> Below(const fs::path& folder)
{
    std::vector<std::wstring> entries;
    CollectBelow(folder, L"", entries);
    return entries;
}

class WindowsBootstrap : public ::testing::Test {
protected:
    void SetUp() override
    {
        documents = DefaultDocuments();
        ASSERT_FALSE(documents.empty());
        logFolder = documents / "Kestova" / "SystemLog";
        Clear();
        testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", report.string());
    }
    void TearDown() override
    {
        testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", "");
        Clear();
    }

    // What earlier starts and tests left in the default log folder.
    void Clear() const
    {
        std::error_code ignored;
        for (const char* name : {"KestovaLink.ini", "KDefault.ini", "KestovaLink"})
            fs::remove_all(logFolder / name, ignored);
        if (fs::is_regular_file(logFolder, ignored))
            fs::remove(logFolder, ignored);
    }

    e2e::LaunchResult Start(const fs::path& program = testsupport::ProgramFolder() / "KestovaLink.exe") const
    {
        e2e::LaunchRequest request;
        request.program = program;
        request.arguments = {"--exit=2"};
        request.workingFolder = scratch.Path();
        return e2e::Launch(request);
    }

    void ExpectRunReached(const e2e::LaunchResult& result) const
    {
        EXPECT_EQ(result.exitCode, 2u);
        EXPECT_TRUE(fs::exists(report));
        std::error_code ignored;
        fs::remove(report, ignored);
    }

    // A folder below the scratch folder whose full path has exactly the
    // given length.
    fs::path FolderOfLength(std::size_t length) const { return testsupport::FolderOfLength(scratch.Path(), length); }

    testsupport::TemporaryFolder scratch;
    fs::path report = scratch.Path() / "run.txt";
    fs::path documents;
    fs::path logFolder;
};

TEST_F(WindowsBootstrap, WritesThePropertiesFileInTheUsersDocuments)
{
    ExpectRunReached(Start());

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

TEST_F(WindowsBootstrap, JapaneseDocumentsFolderKeepsTheTrailBytesSingle)
{
    // 表 and ソ end in byte 0x5C, which is no backslash there.
    const fs::path moved = scratch.Path() / L"文書表ソ";
    fs::create_directories(moved);
    const MovedDocuments setting(moved);
    ExpectRunReached(Start());

    const fs::path properties = moved / "Kestova" / "SystemLog" / "KestovaLink.ini";
    const std::vector<std::string> lines = testsupport::LinesOf(testsupport::ReadFile(properties));
    ASSERT_EQ(lines.size(), 7u);
    const std::string hyoSo = "\x95\x5C\x83\x5C";
    const std::string folderInLine =
        "\x95\xB6\x8F\x91" + hyoSo + "\\\\Kestova\\\\SystemLog\\\\KestovaLink\\\\KestovaLink.1.0.0Log_";
    EXPECT_NE(lines[4].find("\\\\" + folderInLine), std::string::npos) << lines[4];
    EXPECT_TRUE(fs::is_directory(moved / "Kestova" / "SystemLog" / "KestovaLink"));
    EXPECT_FALSE(fs::exists(logFolder / "KestovaLink.ini"));
}

TEST_F(WindowsBootstrap, MissingDocumentsFolderGivesWayToTheDefaultOne)
{
    // The setting names a folder that is gone (a removed drive, say): it is
    // not created there, and the default Documents folder serves.
    const fs::path gone = scratch.Path() / "gone" / "Documents";
    const MovedDocuments setting(gone);
    ExpectRunReached(Start());
    EXPECT_FALSE(fs::exists(scratch.Path() / "gone"));
    EXPECT_EQ(testsupport::LinesOf(testsupport::ReadFile(logFolder / "KestovaLink.ini")).size(), 7u);
}

TEST_F(WindowsBootstrap, LockedPropertiesFileIsKeptAndTheStartReachesRun)
{
    fs::create_directories(logFolder);
    const fs::path properties = logFolder / "KestovaLink.ini";
    const std::string earlier = "an earlier start's file\r\n";
    std::ofstream(properties, std::ios::binary) << earlier;
    {
        // Open elsewhere without sharing, as an editor or a backup may hold it.
        const HANDLE held = CreateFileW(properties.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        ExpectRunReached(Start());
        CloseHandle(held);
    }
    EXPECT_EQ(testsupport::ReadFile(properties), earlier);
}

TEST_F(WindowsBootstrap, OverrideThatIsAFolderCountsAndNothingIsWritten)
{
    fs::create_directories(logFolder / "KDefault.ini");
    ExpectRunReached(Start());
    EXPECT_FALSE(fs::exists(logFolder / "KestovaLink.ini"));
    EXPECT_FALSE(fs::exists(logFolder / "KestovaLink"));
}

TEST_F(WindowsBootstrap, FiftyStartsAtOnceAllFinishAndLeaveACompleteFile)
{
    const std::wstring program = (testsupport::ProgramFolder() / "KestovaLink.exe").wstring();
    std::vector<PROCESS_INFORMATION> started;
    for (int i = 0; i < 50; ++i) {
        std::wstring line = L"\"" + program + L"\" --exit=9";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   scratch.Path().wstring().c_str(), &startup, &process));
        CloseHandle(process.hThread);
        started.push_back(process);
    }
    for (const PROCESS_INFORMATION& process : started) {
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 120000), WAIT_OBJECT_0);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        EXPECT_EQ(code, 9u);
        CloseHandle(process.hProcess);
    }
    const std::vector<std::string> lines = testsupport::LinesOf(testsupport::ReadFile(logFolder / "KestovaLink.ini"));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "log4j.rootLogger = Info, kAppender");
    EXPECT_EQ(lines[6].rfind("log4j.appender.kAppender.layout.ConversionPattern = ", 0), 0u);
}

class InTheWay : public WindowsBootstrap, public ::testing::WithParamInterface<loggingtest::Obstacle> {};

TEST_P(InTheWay, StartStillReachesRunAndTheFileIsKept)
{
    const fs::path blocker = loggingtest::PlaceFileInTheWay(logFolder, GetParam());
    ExpectRunReached(Start());
    EXPECT_EQ(testsupport::ReadFile(blocker), loggingtest::kSomeoneElsesFile) << GetParam().what;
    std::error_code ignored;
    fs::remove(blocker, ignored);
}

INSTANTIATE_TEST_SUITE_P(Files, InTheWay, loggingtest::kObstacles);

// Paths at the edge of the 260-byte buffers.
class PathLength : public WindowsBootstrap, public ::testing::WithParamInterface<int> {
protected:
    std::size_t Length() const { return static_cast<std::size_t>(GetParam()); }
    bool Fits() const { return GetParam() < 260; }
};

TEST_P(PathLength, ExecutableStartsOnlyFromAPathThatFits)
{
    // The system starts no program from a path of 260 bytes or more, so the
    // module path the bootstrap reads always fits its buffer here.
    const fs::path folder = FolderOfLength(Length() - 16); // "\KestovaLink.exe"
    MakeFolders(folder);
    const fs::path program = folder / "KestovaLink.exe";
    ASSERT_EQ(program.string().size(), Length());
    for (const char* name : {"KestovaLink.exe", "AppRun.dll", "KestovaSoftware.Kestova.Proxy.manifest"})
        ASSERT_TRUE(CopyFileW(Long(testsupport::ProgramFolder() / name).c_str(), Long(folder / name).c_str(), TRUE));
    const e2e::LaunchResult result = Start(program);
    EXPECT_EQ(result.started, Fits());
    if (Fits())
        ExpectRunReached(result);
    EXPECT_EQ(fs::exists(logFolder / "KestovaLink.ini"), Fits());
}

TEST_P(PathLength, DocumentsFolderThatDoesNotFitGivesWayToTheDefaultOne)
{
    const fs::path moved = FolderOfLength(Length());
    MakeFolders(moved);
    ASSERT_EQ(moved.string().size(), Length());
    const MovedDocuments setting(moved);
    ExpectRunReached(Start());
    // One that fits leaves no room for the files below it.
    EXPECT_EQ(Below(moved), std::vector<std::wstring>{});
    EXPECT_EQ(fs::exists(logFolder / "KestovaLink.ini"), !Fits());
}

TEST_P(PathLength, LogFolderAtTheLimitStillStarts)
{
    const fs::path moved = FolderOfLength(Length() - 18); // "\Kestova\SystemLog"
    fs::create_directories(moved);
    ASSERT_EQ((moved / "Kestova" / "SystemLog").string().size(), Length());
    const MovedDocuments setting(moved);
    ExpectRunReached(Start());
    for (const std::wstring& entry : Below(moved)) {
        if (fs::path(entry).extension() == ".ini") {
            EXPECT_EQ(testsupport::LinesOf(ReadLong(moved / entry)).size(), 7u) << fs::path(entry);
        }
    }
    EXPECT_FALSE(fs::exists(logFolder / "KestovaLink.ini"));
}

INSTANTIATE_TEST_SUITE_P(Limits, PathLength, ::testing::Values(259, 260, 261));

} // namespace
