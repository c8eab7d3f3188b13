// Starts the real launcher executable as a separate process, the way a user
// or the host product would, and reports what came of it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct LaunchRequest {
    std::filesystem::path program;
    // How the program path is written on the command line (quotes included),
    // as the launching program writes it. Empty: the platform's usual form.
    std::string programAsWritten;
    std::vector<std::string> arguments; // UTF-8
    std::filesystem::path workingFolder;
    std::optional<int> showWindow;      // Windows start-up information
    bool closeBox = false;              // find the error box and press OK
    std::optional<unsigned> user;       // POSIX: user and group id to run as (from root)
};

struct BoxSeen {
    bool shown = false;
    std::u16string title;
    std::u16string text;
    bool errorIcon = false;
    int visibleButtons = 0;
    bool okButton = false;
    bool processWaited = false; // the process was still running while it showed
};

struct LaunchResult {
    bool started = false;
    // As the launching program sees it: the full 32-bit value on Windows,
    // the 8-bit status a POSIX parent gets.
    std::uint32_t exitCode = 0;
    std::string commandLineWritten; // UTF-8, what the child was given
    BoxSeen box;
};

LaunchResult Launch(const LaunchRequest& request);

std::u16string Utf16FromUtf8(const std::string& text);

} // namespace e2e
