// The shape of the program entry on each system.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#define KL_WINAPI WINAPI
namespace platform {
using InstanceHandle = HINSTANCE;
}
#else
#define KL_WINAPI
namespace platform {
using InstanceHandle = void*;
}
#endif
