// The program's own logging configuration: a properties file in the log4j
// syntax, named after the program, that sends Info and above to one rolling
// file per program and start date.
#pragma once

#include <cstdint>
#include <string>

struct LogVersion {
    std::int32_t major, minor, build, revision;
};

// ".1.0.0" for 1, 0, 0, 0; the fourth number only when it is not zero.
std::string VersionText(const LogVersion& version);

// Every backslash character doubled, as the properties syntax reads it back;
// the second byte of a double-byte character is never one.
std::string EscapeBackslashes(const std::string& text);

struct WrittenLogProperties {
    std::string propertiesPath; // LOG_FOLDER\NAME.ini
    std::string logFilePath;    // the log file the file names, unescaped
};

// Writes LOG_FOLDER\NAME.ini afresh (creating LOG_FOLDER\NAME\ first) and
// tells where it is and which log file it names. Never fails: a file that
// cannot be written is simply not there. Sets the C runtime's locale to the
// user's default for the rest of the process.
WrittenLogProperties WriteLogPropertiesFile(const char* name, const std::string& logFolder,
                                            const LogVersion& version);

// The properties file's path, as WriteLogPropertiesFile writes it.
std::string WriteLogProperties(const char* name, const std::string& logFolder, std::int32_t major,
                               std::int32_t minor, std::int32_t build, std::int32_t revision);
