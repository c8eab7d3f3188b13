// A component named like the host's that fails in the way KESTOVA_FAULT
// names: "factory" (the class factory refuses to create the object) or
// "interface" (the object does not answer IAppRun). Started by the launcher,
// each must end in the fatal-error box and -1, never in a crash.
#include <cstdlib>
#include <cstring>

#include "launcher/AppRun.h"

namespace {

bool FaultIs(const char* name)
{
    const char* fault = std::getenv("KESTOVA_FAULT");
    return fault != nullptr && std::strcmp(fault, name) == 0;
}

class Object final : public platform::IUnknown {
public:
    platform::HRESULT KL_COM_CALL QueryInterface(const platform::GUID& iid, void** out) override
    {
        *out = nullptr;
        if (!platform::SameGuid(iid, platform::kIID_IUnknown))
            return platform::kE_NOINTERFACE; // never IAppRun
        *out = this;
        AddRef();
        return platform::kS_OK;
    }
    platform::RefCount KL_COM_CALL AddRef() override { return ++references_; }
    platform::RefCount KL_COM_CALL Release() override
    {
        const platform::RefCount left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

private:
    platform::RefCount references_ = 1;
};

class Factory final : public platform::IClassFactory {
public:
    platform::HRESULT KL_COM_CALL QueryInterface(const platform::GUID& iid, void** out) override
    {
        *out = nullptr;
        if (!platform::SameGuid(iid, platform::kIID_IUnknown) && !platform::SameGuid(iid, platform::kIID_IClassFactory))
            return platform::kE_NOINTERFACE;
        *out = this;
        return platform::kS_OK;
    }
    platform::RefCount KL_COM_CALL AddRef() override { return 2; }
    platform::RefCount KL_COM_CALL Release() override { return 1; }
    platform::HRESULT KL_COM_CALL CreateInstance(platform::IUnknown*, const platform::GUID& iid, void** out) override
    {
        *out = nullptr;
        if (FaultIs("factory"))
            return static_cast<platform::HRESULT>(0x80004005u); // E_FAIL
        auto* object = new Object;
        const platform::HRESULT result = object->QueryInterface(iid, out);
        object->Release();
        return result;
    }
    platform::HRESULT KL_COM_CALL LockServer(std::int32_t) override { return platform::kS_OK; }
};

Factory factory;

} // namespace

extern "C" platform::HRESULT KL_COM_CALL DllGetClassObject(const platform::GUID&, const platform::GUID& iid,
                                                          void** out)
{
    return factory.QueryInterface(iid, out);
}

extern "C" platform::HRESULT KL_COM_CALL DllCanUnloadNow()
{
    return platform::kS_FALSE;
}
