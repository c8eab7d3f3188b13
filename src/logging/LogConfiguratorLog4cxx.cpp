#include <log4cxx/file.h>
#include <log4cxx/helpers/properties.h>
#include <log4cxx/propertyconfigurator.h>

#include "logging/LogConfigurator.h"
#include "logging/PropertiesText.h"
#include "platform/LibraryLocale.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace {

// A path the library cannot misread: wide text decoded by the platform from
// the ANSI code page (from bytes it would decode with the C locale).
log4cxx::File FileOf(const std::string& path)
{
    return log4cxx::File(platform::AnsiToWstring(path));
}

} // namespace

void ApplyOverrideConfiguration(const std::string& path)
{
    // The library turns the file name back into bytes with the C locale
    // when it opens the file; the override must not change the process's.
    const platform::UserCharsetScope userCharset;
    log4cxx::PropertyConfigurator::configure(FileOf(path));
}

void ApplyGeneratedConfiguration(const WrittenLogProperties& written)
{
    const platform::UserCharsetScope userCharset; // for the log file's name
    std::string text;
    if (!platform::ReadWholeFile(written.propertiesPath, text)) {
        // Not there to read: the library's own handling decides, as it would.
        log4cxx::PropertyConfigurator::configure(FileOf(written.propertiesPath));
        return;
    }
    log4cxx::helpers::Properties properties;
    for (const PropertiesEntry& entry : ParsePropertiesText(text))
        properties.setProperty(platform::AnsiToUtf8(entry.key), platform::AnsiToUtf8(entry.value));
    log4cxx::PropertyConfigurator::configure(properties);
}
