// The XDG user directories of the desktop (user-dirs.dirs).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// The value of key (such as "XDG_DOCUMENTS_DIR") in the user-dirs.dirs text,
// with "$HOME" replaced by home: the last valid assignment, in the form the
// file's writer uses (KEY="$HOME/..." or KEY="/absolute"). Other forms are
// ignored, as the desktop's own reader does.
std::optional<std::string> UserDirectory(std::string_view fileText, std::string_view key,
                                         const std::string& home);

} // namespace platform::posix
