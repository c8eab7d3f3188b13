// The POSIX process's command line, rebuilt in the Windows form. A reader
// with the Windows parsing rules, written here, must get the arguments back.
#include <gtest/gtest.h>

#include "platform/Text.h"
#include "platform/posix/CommandLine.h"

namespace {

// The Windows rules for splitting a command line (program path first),
// reading code page 932 characters whole.
std::vector<std::string> ParseLikeWindows(const std::string& line)
{
    std::vector<std::string> arguments;
    std::size_t i = 0;
    std::string program;
    if (i < line.size() && line[i] == '"') {
        const std::size_t end = line.find('"', 1);
        program = line.substr(1, end == std::string::npos ? std::string::npos : end - 1);
        i = end == std::string::npos ? line.size() : end + 1;
    } else {
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            program += line[i++];
    }
    arguments.push_back(program);
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            if (platform::IsLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size()) {
                argument.append(line, i, 2); // a whole character, trail byte and all
                i += 2;
                continue;
            }
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t')))
                    argument += line[i++];
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

struct LineCase {
    std::vector<std::string> arguments;
    std::string line;
};

class WindowsCommandLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(WindowsCommandLine, IsWrittenAsWindowsWritesItAndReadsBack)
{
    const std::string line = platform::posix::BuildCommandLine(GetParam().arguments);
    EXPECT_EQ(line, GetParam().line);
    EXPECT_EQ(ParseLikeWindows(line), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WindowsCommandLine,
    ::testing::Values(
        LineCase{{"./KestovaLink"}, "./KestovaLink"},
        LineCase{{"/opt/Kestova Link/KestovaLink", "a"}, "\"/opt/Kestova Link/KestovaLink\" a"},
        LineCase{{"p", "a b", "", "tab\there"}, "p \"a b\" \"\" \"tab\there\""},
        LineCase{{"p", "say \"hi\"", "C:\\dir\\", "C:\\dir with space\\"},
                 "p \"say \\\"hi\\\"\" C:\\dir\\ \"C:\\dir with space\\\\\""},
        LineCase{{"p", "\\\\srv\\share", "a\\\\\"b"}, "p \\\\srv\\share \"a\\\\\\\\\\\"b\""},
        LineCase{{"p", "\x95\x5C", "\x83\x5C\""}, "p \x95\x5C \"\x83\x5C\\\"\""}));

} // namespace
