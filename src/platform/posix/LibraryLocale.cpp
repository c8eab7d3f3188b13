#include "platform/LibraryLocale.h"

#include <langinfo.h>
#include <locale.h>
#include <string_view>

namespace platform {

UserCharsetScope::UserCharsetScope()
{
    locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    // The plain C locale names ASCII, in which no other name can be written;
    // the platform counts it as UTF-8, and so does the library here.
    if (user == static_cast<locale_t>(0) || std::string_view(nl_langinfo_l(CODESET, user)) == "ANSI_X3.4-1968") {
        if (user != static_cast<locale_t>(0))
            freelocale(user);
        user = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    }
    if (user == static_cast<locale_t>(0))
        return;
    user_ = user;
    previous_ = uselocale(user);
}

UserCharsetScope::~UserCharsetScope()
{
    if (user_ == nullptr)
        return;
    uselocale(static_cast<locale_t>(previous_));
    freelocale(static_cast<locale_t>(user_));
}

} // namespace platform
