// A stand-in for in-process COM: per-thread apartments and registration-free
// activation from the executable's own embedded manifest, loading the
// declared library from the executable's folder ("X.dll" is "X.so" here).
#include "platform/Com.h"

#include <dlfcn.h>
#include <mutex>
#include <string>
#include <strings.h>
#include <unistd.h>
#include <vector>

#include "platform/Resources.h"
#include "platform/posix/Iconv.h"
#include "platform/posix/Manifest.h"
#include "platform/posix/OsText.h"

namespace platform {
namespace {

constexpr HRESULT kCO_E_ERRORINDLL = static_cast<HRESULT>(0x800401F9u);

struct Apartment {
    unsigned entries = 0;
    std::uint32_t model = 0;
};
thread_local Apartment apartment;

// Libraries stay loaded until the last apartment of the process closes, as
// objects made from them may outlive their creation call.
struct LoadedLibraries {
    std::mutex lock;
    unsigned apartments = 0;
    std::vector<void*> handles;
};

LoadedLibraries& Libraries()
{
    static LoadedLibraries libraries;
    return libraries;
}

std::string ExecutableFolder()
{
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size())
        return {};
    path.resize(static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/'));
}

// "AppRun.dll" names "AppRun.so" beside the executable.
std::string LibraryPath(const std::string& fileName)
{
    std::string name = posix::ConvertCharset("UTF-8", posix::OsCharset(), fileName, 1, "?");
    if (name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".dll") == 0)
        name.replace(name.size() - 4, 4, ".so");
    return ExecutableFolder() + "/" + name;
}

using GetClassObjectFunction = HRESULT (*)(const GUID& clsid, const GUID& iid, void** out);

} // namespace

HRESULT CoInitialize()
{
    return CoInitializeEx(kCOINIT_APARTMENTTHREADED);
}

HRESULT CoInitializeEx(std::uint32_t model)
{
    if (model != kCOINIT_APARTMENTTHREADED && model != kCOINIT_MULTITHREADED)
        return kE_INVALIDARG;
    if (apartment.entries > 0) {
        if (apartment.model != model)
            return kRPC_E_CHANGED_MODE;
        ++apartment.entries;
        return kS_FALSE;
    }
    apartment = {1, model};
    std::lock_guard guard(Libraries().lock);
    ++Libraries().apartments;
    return kS_OK;
}

void CoUninitialize()
{
    if (apartment.entries == 0 || --apartment.entries > 0)
        return;
    LoadedLibraries& libraries = Libraries();
    std::lock_guard guard(libraries.lock);
    if (--libraries.apartments > 0)
        return;
    for (auto it = libraries.handles.rbegin(); it != libraries.handles.rend(); ++it)
        dlclose(*it);
    libraries.handles.clear();
}

HRESULT CoCreateInstance(const GUID& clsid, IUnknown* outer, std::uint32_t context, const GUID& iid, void** out)
{
    if (out == nullptr)
        return kE_POINTER;
    *out = nullptr;
    if (apartment.entries == 0)
        return kCO_E_NOTINITIALIZED;
    if ((context & kCLSCTX_INPROC_SERVER) == 0)
        return kREGDB_E_CLASSNOTREG;

    const ResourceBytes manifest = LoadResourceBytes(kRT_MANIFEST, 1, kLANG_NEUTRAL);
    const auto file = posix::FindClassFile({reinterpret_cast<const char*>(manifest.data()), manifest.size()}, clsid);
    if (!file)
        return kREGDB_E_CLASSNOTREG;

    void* library = dlopen(LibraryPath(*file).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return kHRESULT_MOD_NOT_FOUND;
    {
        std::lock_guard guard(Libraries().lock);
        Libraries().handles.push_back(library);
    }
    auto getClassObject = reinterpret_cast<GetClassObjectFunction>(dlsym(library, "DllGetClassObject"));
    if (getClassObject == nullptr)
        return kCO_E_ERRORINDLL;

    IClassFactory* factory = nullptr;
    HRESULT result = getClassObject(clsid, kIID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (result < 0 || factory == nullptr)
        return result < 0 ? result : kE_NOINTERFACE;
    result = factory->CreateInstance(outer, iid, out);
    factory->Release();
    if (result < 0)
        *out = nullptr;
    return result;
}

} // namespace platform
