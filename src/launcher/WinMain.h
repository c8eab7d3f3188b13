#pragma once

#include "platform/Entry.h"

// The program entry. The command-line argument is ignored: the whole command
// line, program path included, comes from the process itself.
int KL_WINAPI WinMain(platform::InstanceHandle instance, platform::InstanceHandle previous,
                      char* commandLineArgument, int showState);
