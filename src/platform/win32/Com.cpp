#include "platform/Com.h"

namespace platform {

HRESULT CoInitialize()
{
    return ::CoInitialize(nullptr);
}

HRESULT CoInitializeEx(std::uint32_t model)
{
    return ::CoInitializeEx(nullptr, model);
}

void CoUninitialize()
{
    ::CoUninitialize();
}

HRESULT CoCreateInstance(const GUID& clsid, IUnknown* outer, std::uint32_t context, const GUID& iid, void** out)
{
    return ::CoCreateInstance(clsid, outer, context, iid, out);
}

} // namespace platform
