// The unavoidable part of a start with logging: configure log4cxx from a
// ready-made properties file (the first argument), then the bare hand-off.
#include <log4cxx/file.h>
#include <log4cxx/propertyconfigurator.h>

#include "launcher/RunApplication.h"
#include "platform/Com.h"
#include "platform/Process.h"

int main(int argc, char** argv)
{
    if (argc > 1)
        log4cxx::PropertyConfigurator::configure(log4cxx::File(argv[1]));
    if (platform::CoInitialize() < 0)
        return 1;
    const int result = RunApplication(platform::GetCommandLineA(), platform::kSW_SHOWDEFAULT);
    platform::CoUninitialize();
    return result;
}
