// The part of an application manifest that registration-free activation
// reads: which library file declares which class.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Com.h"

namespace platform::posix {

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case.
std::string GuidText(const GUID& guid);

// The name of the file element that declares the class, as the manifest
// writes it (UTF-8); empty when no file declares it or the manifest cannot
// be read.
std::optional<std::string> FindClassFile(std::string_view manifest, const GUID& clsid);

} // namespace platform::posix
