// The target's real COM (Windows, or the POSIX stand-in) as the launcher
// uses it: apartments, and creation of the sample AppRun through the
// executable's own manifest. The same expectations hold on both.
#include <gtest/gtest.h>

#include "launcher/AppRun.h"
#include "launcher/Recorder.h"
#include "launcher/WinMain.h"
#include "platform/Com.h"
#include "support/TestEnvironment.h"

namespace {

// Any class the manifest declares whose library is not shipped here.
constexpr platform::GUID kDeclaredElsewhere = {
    0x7F844EDF, 0xD0C2, 0x4B97, {0x8F, 0xE0, 0x45, 0xFD, 0xED, 0xAD, 0x32, 0xB9}};
constexpr platform::GUID kUndeclared = {
    0x12345678, 0x1234, 0x1234, {0x12, 0x34, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}};

TEST(Apartments, SecondInitialisationOnTheThreadIsAcceptedAndCounted)
{
    ASSERT_EQ(platform::CoInitialize(), platform::kS_OK);
    EXPECT_EQ(platform::CoInitialize(), platform::kS_FALSE);
    platform::CoUninitialize();
    platform::CoUninitialize();
}

TEST(Apartments, ThreadInMultithreadedApartmentCannotEnterSingleThreaded)
{
    ASSERT_EQ(platform::CoInitializeEx(platform::kCOINIT_MULTITHREADED), platform::kS_OK);
    EXPECT_EQ(platform::CoInitialize(), platform::kRPC_E_CHANGED_MODE);
    platform::CoUninitialize();
}

TEST(Apartments, EntryEndsWithOneAndNoBoxWhenComCannotStart)
{
    TheRecorder() = Recorder{};
    ASSERT_EQ(platform::CoInitializeEx(platform::kCOINIT_MULTITHREADED), platform::kS_OK);
    char none[] = "";
    EXPECT_EQ(WinMain(nullptr, nullptr, none, 10), 1);
    EXPECT_TRUE(TheRecorder().calls.empty());
    platform::CoUninitialize();
}

TEST(Creation, FailsOutsideAnApartment)
{
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(platform::CoCreateInstance(CLSID_AppRun, nullptr, platform::kCLSCTX_ALL, IID_IAppRun, &object),
              platform::kCO_E_NOTINITIALIZED);
    EXPECT_EQ(object, nullptr);
}

class InApartment : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GE(platform::CoInitialize(), 0); }
    void TearDown() override { platform::CoUninitialize(); }
};

TEST_F(InApartment, UndeclaredClassIsNotRegistered)
{
    void* object = nullptr;
    EXPECT_EQ(platform::CoCreateInstance(kUndeclared, nullptr, platform::kCLSCTX_ALL, IID_IAppRun, &object),
              platform::kREGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
}

TEST_F(InApartment, DeclaredClassWithoutItsLibraryFails)
{
    void* object = nullptr;
    EXPECT_LT(platform::CoCreateInstance(kDeclaredElsewhere, nullptr, platform::kCLSCTX_ALL, platform::kIID_IUnknown,
                                         &object),
              0);
    EXPECT_EQ(object, nullptr);
}

TEST_F(InApartment, SampleAppRunIsCreatedFromTheManifestAndRuns)
{
    testsupport::TemporaryFolder folder;
    const auto report = folder.Path() / "run.txt";
    testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", report.string());

    IAppRun* appRun = nullptr;
    ASSERT_EQ(platform::CoCreateInstance(CLSID_AppRun, nullptr, platform::kCLSCTX_ALL, IID_IAppRun,
                                         reinterpret_cast<void**>(&appRun)),
              platform::kS_OK);
    ASSERT_NE(appRun, nullptr);
    const platform::WideString line = platform::AnsiToWide("Link.exe \x95\x5C --exit=-5");
    platform::BSTR text = platform::SysAllocStringLen(line.data(), static_cast<std::uint32_t>(line.size()));
    EXPECT_EQ(appRun->Run(text, 3), -5);
    platform::SysFreeString(text);
    EXPECT_EQ(appRun->Release(), 0u);
    testsupport::SetVariable("KESTOVA_APPRUN_OUTPUT", "");

    EXPECT_EQ(testsupport::ReadFile(report), "commandLine=Link.exe 表 --exit=-5\nshowState=3\n");
}

TEST_F(InApartment, SampleAppRunAnswersOnlyItsInterfaces)
{
    void* object = nullptr;
    constexpr platform::GUID kOther = {0x1, 0x2, 0x3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(platform::CoCreateInstance(CLSID_AppRun, nullptr, platform::kCLSCTX_ALL, kOther, &object),
              platform::kE_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
}

} // namespace
