#include "platform/LibraryLocale.h"

namespace platform {

UserCharsetScope::UserCharsetScope() = default;
UserCharsetScope::~UserCharsetScope() = default;

} // namespace platform
