// The host product's application runner, as the launcher sees it.
#pragma once

#include <cstdint>

#include "platform/Com.h"

inline constexpr platform::GUID CLSID_AppRun = {
    0xCAF3F30D, 0x6A26, 0x4FCB, {0xB1, 0x60, 0x53, 0x53, 0x97, 0x6D, 0x86, 0xD0}};
inline constexpr platform::GUID IID_IAppRun = {
    0xA23D34D3, 0xE586, 0x4476, {0xB8, 0xAD, 0x6E, 0x91, 0x81, 0x54, 0x1B, 0x49}};

// Only the first slot after IUnknown belongs to the launcher; the host may
// have more behind it.
struct IAppRun : platform::IUnknown {
    virtual std::int32_t KL_COM_CALL Run(platform::BSTR commandLine, std::int32_t showState) = 0;
};
