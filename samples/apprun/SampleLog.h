#pragma once

#include <string>

// Logs, through the process's logging library when there is one, that Run
// was called: one line at Info and one at Debug (which the launcher's
// configuration filters out).
void LogRunCalled(const std::string& commandLineUtf8, int showState);
