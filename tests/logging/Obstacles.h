// Files standing where the bootstrap wants a folder, for the tests of both
// targets: the start must go on to Run and leave each file as it was.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace loggingtest {

struct Obstacle {
    const char* what;
    const char* fileInTheWay; // relative to the log folder
};

inline const auto kObstacles =
    ::testing::Values(Obstacle{"a file where the log folder should be", "."},
                      Obstacle{"a file where the program's folder should be", "KestovaLink"},
                      Obstacle{"a file where Kestova should be", "../../Kestova"});

inline const std::string kSomeoneElsesFile = "someone else's file\r\n";

// Puts someone else's file in the way, in place of whatever an earlier
// start left there, and gives its path.
inline std::filesystem::path PlaceFileInTheWay(const std::filesystem::path& logFolder, const Obstacle& obstacle)
{
    std::filesystem::path blocker = (logFolder / obstacle.fileInTheWay).lexically_normal();
    if (blocker.filename().empty())
        blocker = blocker.parent_path();
    std::filesystem::remove_all(blocker);
    std::filesystem::create_directories(blocker.parent_path());
    std::ofstream(blocker, std::ios::binary) << kSomeoneElsesFile;
    return blocker;
}

} // namespace loggingtest
