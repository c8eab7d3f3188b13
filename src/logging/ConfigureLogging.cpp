#include "logging/ConfigureLogging.h"

#include "fs/FileSystem.h"
#include "logging/LogConfigurator.h"
#include "logging/LogProperties.h"
#include "platform/Path.h"

std::string LogFolder()
{
    char documents[platform::kMAX_PATH] = {};
    GetDocumentsFolder(documents); // an empty buffer puts the folder at the root
    const std::string separator(1, platform::kPathSeparator);
    return std::string(documents) + separator + "Kestova" + separator + "SystemLog";
}

void ConfigureLogging(const char* name, std::int32_t major, std::int32_t minor, std::int32_t build,
                      std::int32_t revision)
{
    const std::string logFolder = LogFolder();
    const std::string overridePath = logFolder + platform::kPathSeparator + "KDefault.ini";
    if (FileExists(overridePath.c_str())) {
        ApplyOverrideConfiguration(overridePath);
        return;
    }
    CreateDirectoryTree(logFolder.c_str());
    ApplyGeneratedConfiguration(WriteLogPropertiesFile(name, logFolder, {major, minor, build, revision}));
}
