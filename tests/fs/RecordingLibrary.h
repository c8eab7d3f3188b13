// A recording stand-in for run-time library loading, linked in place of the
// platform's own, with a scripted SHGetFolderPathA.
#pragma once

#include <string>
#include <vector>

#include "platform/ShellFolder.h"

namespace fstest {

struct ScriptedLookup {
    platform::ShellResult status;
    std::string written; // copied into the buffer unless empty
};

struct LibraryRecorder {
    bool libraryPresent = true;
    bool entryPresent = true;
    std::vector<ScriptedLookup> lookups; // one per call, in order
    std::vector<std::string> calls;      // every call, with its arguments
};

LibraryRecorder& Recorder();
void ResetRecorder();

} // namespace fstest
