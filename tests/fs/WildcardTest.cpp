// Wildcard searches on a real folder, the same table on every target.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fs/FileFind.h"
#include "fs/TestFolder.h"

namespace {

const std::string hyo = fstest::kHyo;

struct PatternCase {
    std::string pattern;
    std::set<std::string> names; // without "." and ".."
};

TEST(Wildcards, MatchAsOnWindows)
{
    fstest::TestFolder folder;
    for (const std::string& name : {std::string("a.txt"), std::string("b.TXT"), std::string("noext"),
                                    std::string("x.tar.gz"), std::string("ab.txt"), hyo + ".txt"})
        folder.MakeFile(name);
    const std::set<std::string> all{"a.txt", "b.TXT", "noext", "x.tar.gz", "ab.txt", hyo + ".txt"};
    const PatternCase cases[] = {
        {"*.*", all},
        {"*", all},
        {"*.txt", {"a.txt", "b.TXT", "ab.txt", hyo + ".txt"}},
        {"?.txt", {"a.txt", "b.TXT", hyo + ".txt"}}, // a double-byte character is one
        {"A.TXT", {"a.txt"}},
        {"x.*", {"x.tar.gz"}},
        {"*.gz", {"x.tar.gz"}},
        {"*ext", {"noext"}},
        {hyo + "*", {hyo + ".txt"}},
        {"*.tar", {}},
        {"??", {}},
    };
    for (const PatternCase& c : cases) {
        IFileFind finder;
        std::set<std::string> found;
        if (finder.FindFirst((folder / c.pattern).c_str())) {
            bool more = true;
            while (more) {
                more = finder.FindNext();
                if (!finder.IsDotEntry())
                    found.insert(finder.GetName());
            }
        }
        EXPECT_EQ(found, c.names) << c.pattern;
    }
}

} // namespace
