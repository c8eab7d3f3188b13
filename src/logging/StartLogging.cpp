#include "logging/StartLogging.h"

#include <cstdint>

#include "logging/ConfigureLogging.h"
#include "platform/Path.h"
#include "platform/Process.h"

void StartLogging()
{
    // Every part is empty until it is filled; the buffers take a whole path,
    // so no part of a long one can overrun them.
    char modulePath[platform::kMAX_PATH] = {};
    char drive[platform::kMAX_PATH + 1] = {};
    char folder[platform::kMAX_PATH + 1] = {};
    char name[platform::kMAX_PATH + 1] = {};
    char extension[platform::kMAX_PATH + 1] = {};
    // A path cut to fit the buffer (the system then reports the buffer's
    // size) would give the name of some other program; the start goes on
    // without a name, as when the path cannot be read at all.
    const std::uint32_t length = platform::GetModuleFileNameA(modulePath, platform::kMAX_PATH);
    if (length != 0 && length < platform::kMAX_PATH)
        platform::_splitpath(modulePath, drive, folder, name, extension);
    ConfigureLogging(name, 1, 0, 0, 0);
}
