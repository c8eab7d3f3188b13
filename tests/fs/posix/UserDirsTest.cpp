#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/posix/UserDirs.h"

namespace {

struct UserDirsCase {
    std::string text;
    std::optional<std::string> value;
};

TEST(UserDirectory, ReadsTheFormTheDesktopWrites)
{
    const UserDirsCase cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n", "/home/u/Docs"},
        {"  XDG_DOCUMENTS_DIR=\"/srv/docs\"", "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME\"", "/home/u"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"", "/home/u/My \"Docs\""},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=\"$HOME/b\"", "/home/u/b"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=\"relative\"", "/home/u/a"},
        {"# XDG_DOCUMENTS_DIR=\"$HOME/a\"", std::nullopt},
        {"XDG_DOCUMENTS_DIR=$HOME/unquoted", std::nullopt},
        {"XDG_DOCUMENTS_DIR=\"$HOMEX/a\"", std::nullopt},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\" trailing", std::nullopt},
        {"XDG_DOCUMENTS_DIRS=\"$HOME/a\"", std::nullopt},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a", std::nullopt},
        {"", std::nullopt},
    };
    for (const UserDirsCase& c : cases)
        EXPECT_EQ(platform::posix::UserDirectory(c.text, "XDG_DOCUMENTS_DIR", "/home/u"), c.value) << c.text;
}

} // namespace
