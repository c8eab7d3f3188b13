// The least a launcher has to do: start COM, create AppRun through the
// manifest, hand it the command line, stop COM. No logging at all.
#include "launcher/RunApplication.h"
#include "platform/Com.h"
#include "platform/Process.h"

int main()
{
    if (platform::CoInitialize() < 0)
        return 1;
    const int result = RunApplication(platform::GetCommandLineA(), platform::kSW_SHOWDEFAULT);
    platform::CoUninitialize();
    return result;
}
