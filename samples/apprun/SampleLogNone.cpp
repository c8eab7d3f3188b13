// Builds without a logging library: nothing to log to.
#include "SampleLog.h"

void LogRunCalled(const std::string&, int) {}
