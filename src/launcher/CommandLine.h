#pragma once

#include "platform/Com.h"

// The command line as a BSTR of the matching UTF-16 text; null for null.
// Raises ComError(E_OUTOFMEMORY) when it cannot be allocated or converted.
platform::BSTR CommandLineToBstr(const char* commandLine);
