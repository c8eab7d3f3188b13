// COM as the launcher uses it: the types of its binary interface and the few
// calls it makes. On Windows these are the system's own; elsewhere the POSIX
// layer provides a stand-in with the same layout and results.
#pragma once

#include <cstdint>

#include "platform/Text.h"

#if defined(_WIN32)
#include <objbase.h>
#include <oleauto.h>
// COM methods use the system's calling convention on 32-bit Windows.
#define KL_COM_CALL __stdcall
#else
#define KL_COM_CALL
#endif

namespace platform {

#if defined(_WIN32)
using ::BSTR;
using ::GUID;
using ::HRESULT;
using ::IClassFactory;
using ::IUnknown;
using RefCount = ULONG;
#else
using HRESULT = std::int32_t;
using RefCount = std::uint32_t;
// A BSTR points at its first unit; the 32-bit byte length stands just before.
using BSTR = WideChar*;

// The 16-byte Windows layout, so identifiers can be shared with Windows code.
struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};

// Interfaces are classes of pure virtual functions in slot order, with no
// virtual destructor, so their tables have the COM layout.
struct IUnknown {
    virtual HRESULT QueryInterface(const GUID& iid, void** out) = 0;
    virtual RefCount AddRef() = 0;
    virtual RefCount Release() = 0;
};

struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* outer, const GUID& iid, void** out) = 0;
    virtual HRESULT LockServer(std::int32_t lock) = 0;
};
#endif

inline constexpr HRESULT kS_OK = 0;
inline constexpr HRESULT kS_FALSE = 1;
inline constexpr HRESULT kE_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT kE_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT kE_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT kE_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT kCLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
inline constexpr HRESULT kCLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
inline constexpr HRESULT kREGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
inline constexpr HRESULT kCO_E_NOTINITIALIZED = static_cast<HRESULT>(0x800401F0u);
inline constexpr HRESULT kRPC_E_CHANGED_MODE = static_cast<HRESULT>(0x80010106u);
inline constexpr HRESULT kHRESULT_MOD_NOT_FOUND = static_cast<HRESULT>(0x8007007Eu);
inline constexpr HRESULT kHRESULT_PROC_NOT_FOUND = static_cast<HRESULT>(0x8007007Fu);

inline constexpr std::uint32_t kCOINIT_MULTITHREADED = 0;
inline constexpr std::uint32_t kCOINIT_APARTMENTTHREADED = 2;
inline constexpr std::uint32_t kCLSCTX_INPROC_SERVER = 1;
inline constexpr std::uint32_t kCLSCTX_ALL = 23;

inline constexpr GUID kIID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID kIID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

bool SameGuid(const GUID& a, const GUID& b);

HRESULT CoInitialize();
HRESULT CoInitializeEx(std::uint32_t model);
void CoUninitialize();
HRESULT CoCreateInstance(const GUID& clsid, IUnknown* outer, std::uint32_t context,
                         const GUID& iid, void** out);

BSTR SysAllocStringLen(const WideChar* text, std::uint32_t length);
void SysFreeString(BSTR text);
std::uint32_t SysStringLen(BSTR text);

} // namespace platform
