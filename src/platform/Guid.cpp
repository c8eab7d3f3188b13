#include <cstring>

#include "platform/Com.h"

bool platform::SameGuid(const GUID& a, const GUID& b)
{
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}
