// Builds without the logging library (no log4cxx for this toolchain): the
// configuration is still chosen and written; there is nothing to hand it to.
#include "logging/LogConfigurator.h"

void ApplyOverrideConfiguration(const std::string&) {}

void ApplyGeneratedConfiguration(const WrittenLogProperties&) {}
