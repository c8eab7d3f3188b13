// Only the generated branch sets the C runtime's locale (to the user's); the
// override leaves the process's locale as the runtime started it.
#include <clocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "logging/ConfigureLogging.h"
#include "support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {

class LocaleOfBranch : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(home.Path() / "Documents");
        testsupport::SetVariable("HOME", home.Path().string());
        testsupport::SetVariable("LC_ALL", "C.UTF-8");
        std::setlocale(LC_ALL, "C");
    }
    void TearDown() override
    {
        testsupport::SetVariable("HOME", savedHome);
        std::setlocale(LC_ALL, "C");
    }
    std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    testsupport::TemporaryFolder home;
};

TEST_F(LocaleOfBranch, GeneratedConfigurationSetsTheUsersLocale)
{
    ConfigureLogging("Probe", 1, 0, 0, 0);
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), "C.UTF-8");
    EXPECT_TRUE(fs::exists(home.Path() / "Documents" / "Kestova" / "SystemLog" / "Probe.ini"));
}

TEST_F(LocaleOfBranch, OverrideLeavesTheLocaleAlone)
{
    const fs::path logFolder = home.Path() / "Documents" / "Kestova" / "SystemLog";
    fs::create_directories(logFolder);
    std::ofstream(logFolder / "KDefault.ini") << "log4j.rootLogger=Info\n";
    ConfigureLogging("Probe", 1, 0, 0, 0);
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), "C");
    EXPECT_FALSE(fs::exists(logFolder / "Probe.ini"));
}

} // namespace
