#include "launcher/WinMain.h"

#include "launcher/RunApplication.h"
#include "logging/StartLogging.h"
#include "platform/Com.h"
#include "platform/Process.h"

int KL_WINAPI WinMain(platform::InstanceHandle, platform::InstanceHandle, char*, int showState)
{
    StartLogging();
    const char* commandLine = platform::GetCommandLineA();
    if (platform::CoInitialize() < 0)
        return kExitComUnavailable;
    const int result = RunApplication(commandLine, showState);
    platform::CoUninitialize();
    return result;
}
