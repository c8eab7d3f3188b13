#include "logging/StartLogging.h"

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
    if (platform::GetModuleFileNameA(modulePath, platform::kMAX_PATH) != 0)
        platform::_splitpath(modulePath, drive, folder, name, extension);
    ConfigureLogging(name, 1, 0, 0, 0);
}
