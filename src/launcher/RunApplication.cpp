#include "launcher/RunApplication.h"

#include "launcher/AppRun.h"
#include "launcher/CommandLine.h"
#include "launcher/FatalError.h"

int RunApplication(const char* commandLine, int showState)
{
    int result = kExitAppRunUnavailable;
    IAppRun* appRun = nullptr;
    const platform::HRESULT created = platform::CoCreateInstance(
        CLSID_AppRun, nullptr, platform::kCLSCTX_ALL, IID_IAppRun, reinterpret_cast<void**>(&appRun));
    if (created < 0) {
        appRun = nullptr; // a failed creation may not leave the pointer null
        ShowFatalError(kIdsAppRunCreationFailed);
    } else {
        platform::BSTR text = CommandLineToBstr(commandLine);
        result = appRun->Run(text, showState);
        platform::SysFreeString(text);
    }
    if (appRun != nullptr)
        appRun->Release();
    return result;
}
