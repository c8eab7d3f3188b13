#include "logging/LogProperties.h"

#include <clocale>

#include "calendar/CalendarDate.h"
#include "calendar/DateText.h"
#include "fs/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

std::string VersionText(const LogVersion& version)
{
    std::string text = "." + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
                       std::to_string(version.build);
    if (version.revision != 0)
        text += "." + std::to_string(version.revision);
    return text;
}

std::string EscapeBackslashes(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char byte = text[i];
        escaped += byte;
        if (platform::IsLeadByte(static_cast<unsigned char>(byte)) && i + 1 < text.size())
            escaped += text[++i]; // a trail byte of 0x5C is part of its character
        else if (byte == '\\')
            escaped += '\\';
    }
    return escaped;
}

WrittenLogProperties WriteLogPropertiesFile(const char* name, const std::string& logFolder,
                                            const LogVersion& version)
{
    std::setlocale(LC_ALL, "");

    const std::string separator(1, platform::kPathSeparator);
    WrittenLogProperties written;
    written.propertiesPath = logFolder + separator + name + ".ini";
    const std::string programFolder = logFolder + separator + name + separator;
    CreateDirectoryTree(programFolder.c_str());

    CalendarDate today(0);
    today.SetToday();
    std::string dateText;
    FormatDateText(today, DateTextYear | DateTextMonth | DateTextDay, dateText);

    const std::string versionText = VersionText(version);
    const std::string fileName = std::string(name) + versionText + "Log_" + dateText + ".txt";
    written.logFilePath = programFolder + fileName;

    platform::SharedTextFile file(written.propertiesPath);
    auto line = [&file](std::initializer_list<std::string_view> pieces) {
        for (std::string_view piece : pieces)
            file.Write(piece);
        file.EndLine();
    };
    line({"log4j.rootLogger = ", "Info", ", kAppender"});
    line({"log4j.appender.kAppender = org.apache.log4j.RollingFileAppender"});
    line({"log4j.appender.kAppender.MaxFileSize = 5MB"});
    line({"log4j.appender.kAppender.MaxBackupIndex = 1"});
    line({"log4j.appender.kAppender.File = ", EscapeBackslashes(programFolder), name, versionText, "Log_",
          dateText, ".txt"});
    line({"log4j.appender.kAppender.layout = org.apache.log4j.PatternLayout"});
    line({"log4j.appender.kAppender.layout.ConversionPattern = %d{yyyy-MM-dd HH:mm:ss} [%5p] %f(%L) %M - %m%n"});
    return written;
}

std::string WriteLogProperties(const char* name, const std::string& logFolder, std::int32_t major,
                               std::int32_t minor, std::int32_t build, std::int32_t revision)
{
    return WriteLogPropertiesFile(name, logFolder, {major, minor, build, revision}).propertiesPath;
}
