#include "platform/posix/CommandLine.h"

#include "platform/Text.h"

namespace platform::posix {
namespace {

void AppendQuoted(std::string& line, const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) {
        line += argument;
        return;
    }
    line += '"';
    std::size_t backslashes = 0;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        const char c = argument[i];
        // A double-byte character is one character, whatever its trail byte.
        if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < argument.size()) {
            line.append(backslashes, '\\');
            backslashes = 0;
            line.append(argument, i, 2);
            ++i;
            continue;
        }
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count double only where a quote follows them.
        line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, '\\');
    line += '"';
}

void AppendProgram(std::string& line, const std::string& program)
{
    // The parser takes the program path up to the next quote, unescaped.
    if (program.find_first_of(" \t") == std::string::npos) {
        line += program;
        return;
    }
    line += '"';
    line += program;
    line += '"';
}

} // namespace

std::string BuildCommandLine(const std::vector<std::string>& arguments)
{
    std::string line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i == 0) {
            AppendProgram(line, arguments[0]);
            continue;
        }
        line += ' ';
        AppendQuoted(line, arguments[i]);
    }
    return line;
}

} // namespace platform::posix
