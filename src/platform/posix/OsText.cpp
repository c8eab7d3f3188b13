#include "platform/posix/OsText.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>
#include <string>

#include "platform/posix/Iconv.h"

namespace platform::posix {
namespace {

std::string ReadOsCharset()
{
    locale_t environment = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (environment == static_cast<locale_t>(0))
        return "UTF-8";
    std::string charset = nl_langinfo_l(CODESET, environment);
    freelocale(environment);
    // The bare C locale names ASCII; treat it as UTF-8 so no byte is lost.
    if (charset.empty() || charset == "ANSI_X3.4-1968" || charset == "ASCII")
        return "UTF-8";
    return charset;
}

} // namespace

const char* OsCharset()
{
    static const std::string charset = ReadOsCharset();
    return charset.c_str();
}

std::string AnsiFromOs(std::string_view osBytes)
{
    return ConvertCharset(OsCharset(), "CP932", osBytes, 1, "?");
}

std::string AnsiToOs(std::string_view ansiBytes)
{
    return ConvertCharset("CP932", OsCharset(), ansiBytes, 1, "?");
}

} // namespace platform::posix
