// The entry and the hand-off against recording stand-ins of COM and the box:
// what is called, in which order, with what, and what comes back.
#include <climits>
#include <gtest/gtest.h>

#include "launcher/AppRun.h"
#include "launcher/Recorder.h"
#include "launcher/RunApplication.h"
#include "launcher/WinMain.h"
#include "platform/Process.h"
#include "platform/Text.h"
#include "support/Utf16.h"

namespace {

using Calls = std::vector<std::string>;

class HandOff : public ::testing::Test {
protected:
    void SetUp() override { TheRecorder() = Recorder{}; }
    Recorder& recorder = TheRecorder();

    int Enter(int showState)
    {
        char none[] = "";
        return WinMain(nullptr, nullptr, none, showState);
    }
};

TEST_F(HandOff, CreatesAppRunAsDeclaredAndHandsOverLineAndShowState)
{
    char line[] = "\"C:\\Apps\\Link.exe\" /x";
    EXPECT_EQ(RunApplication(line, 2), 0);
    EXPECT_EQ(recorder.calls, (Calls{"CoCreateInstance", "SysAllocStringLen", "Run", "SysFreeString", "Release"}));
    EXPECT_TRUE(platform::SameGuid(recorder.createdClass, CLSID_AppRun));
    EXPECT_TRUE(platform::SameGuid(recorder.requestedInterface, IID_IAppRun));
    EXPECT_EQ(recorder.createContext, 23u);
    EXPECT_EQ(recorder.createOuter, nullptr);
    EXPECT_EQ(recorder.runText, platform::AnsiToWide(line));
    EXPECT_EQ(recorder.runShowState, 2);
}

TEST_F(HandOff, EntryRunsTheHandOffInsideOneApartmentWithTheProcessCommandLine)
{
    EXPECT_EQ(Enter(7), 0);
    EXPECT_EQ(recorder.calls, (Calls{"CoInitialize", "CoCreateInstance", "SysAllocStringLen", "Run",
                                     "SysFreeString", "Release", "CoUninitialize"}));
    EXPECT_EQ(recorder.runText, platform::AnsiToWide(platform::GetCommandLineA()));
    EXPECT_EQ(recorder.runShowState, 7);
}

TEST_F(HandOff, WhateverRunReturnsIsTheExitCode)
{
    for (int value : {0, 1, 7, -1, -5, INT_MAX, INT_MIN}) {
        TheRecorder() = Recorder{};
        recorder.runResult = value;
        EXPECT_EQ(Enter(10), value);
    }
}

TEST_F(HandOff, ComAlreadyStartedOnTheThreadStillHandsOver)
{
    recorder.initializeResult = platform::kS_FALSE;
    recorder.runResult = 3;
    EXPECT_EQ(Enter(10), 3);
    EXPECT_EQ(recorder.calls.back(), "CoUninitialize");
}

TEST_F(HandOff, ComThatCannotStartEndsWithOneAndNothingElse)
{
    recorder.initializeResult = platform::kRPC_E_CHANGED_MODE;
    EXPECT_EQ(Enter(10), 1);
    EXPECT_EQ(recorder.calls, (Calls{"CoInitialize"}));
}

TEST_F(HandOff, FailedCreationShowsTheBoxReleasesNothingAndEndsWithMinusOne)
{
    for (platform::HRESULT failure : {platform::kREGDB_E_CLASSNOTREG, platform::kE_NOINTERFACE,
                                      platform::kHRESULT_MOD_NOT_FOUND}) {
        TheRecorder() = Recorder{};
        recorder.createResult = failure;
        EXPECT_EQ(Enter(10), -1);
        EXPECT_EQ(recorder.calls,
                  (Calls{"CoInitialize", "CoCreateInstance", "GetActiveWindow", "MessageBoxA", "CoUninitialize"}));
        EXPECT_EQ(testsupport::Utf16(platform::AnsiToWide(recorder.boxText)),
                  u"AppRunオブジェクトの作成に失敗しました。\n処理を継続することができません。");
    }
}

} // namespace
