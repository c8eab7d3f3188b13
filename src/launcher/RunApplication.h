#pragma once

// Exit codes the launcher produces itself; every other one is Run's.
inline constexpr int kExitComUnavailable = 1;
inline constexpr int kExitAppRunUnavailable = -1;

// String shown when the application runner cannot be created.
inline constexpr unsigned kIdsAppRunCreationFailed = 10010;

// Creates AppRun, hands it the command line and show state, and returns what
// Run returns; -1 after the fatal-error box when AppRun cannot be created.
int RunApplication(const char* commandLine, int showState);
