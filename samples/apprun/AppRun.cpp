// A stand-in for the host product's application runner, for running the
// launcher without the host. Run reports what it received (the command line
// as UTF-8 and the show state) on standard output, or in the file that
// KESTOVA_APPRUN_OUTPUT names, logs one line at Info where the process has a
// logging library, and returns the number given as --exit=N.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "SampleLog.h"
#include "launcher/AppRun.h"
#include "platform/Utf8.h"

namespace {

std::string Utf8Of(const platform::WideChar* text, std::uint32_t length)
{
    std::string utf8;
    for (std::uint32_t i = 0; i < length; ++i) {
        char32_t c = static_cast<char16_t>(text[i]);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(text[++i]) - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        platform::AppendUtf8(utf8, c);
    }
    return utf8;
}

// The component belongs to the host, so unlike the launcher it may read its
// command line: --exit=N chooses Run's result.
int ExitCodeOf(const std::string& commandLine)
{
    const std::string option = "--exit=";
    const std::size_t at = commandLine.rfind(option);
    if (at == std::string::npos)
        return 0;
    return static_cast<int>(std::strtol(commandLine.c_str() + at + option.size(), nullptr, 10));
}

void Report(const std::string& text)
{
    const char* path = std::getenv("KESTOVA_APPRUN_OUTPUT");
    std::FILE* out = path != nullptr && *path != '\0' ? std::fopen(path, "wb") : stdout;
    if (out == nullptr)
        return;
    std::fwrite(text.data(), 1, text.size(), out);
    if (out != stdout)
        std::fclose(out);
    else
        std::fflush(out);
}

std::atomic<long> liveObjects{0};

class AppRun final : public IAppRun {
public:
    AppRun() { ++liveObjects; }

    platform::HRESULT KL_COM_CALL QueryInterface(const platform::GUID& iid, void** out) override
    {
        if (out == nullptr)
            return platform::kE_POINTER;
        if (platform::SameGuid(iid, platform::kIID_IUnknown) || platform::SameGuid(iid, IID_IAppRun)) {
            *out = static_cast<IAppRun*>(this);
            AddRef();
            return platform::kS_OK;
        }
        *out = nullptr;
        return platform::kE_NOINTERFACE;
    }

    platform::RefCount KL_COM_CALL AddRef() override { return ++references_; }

    platform::RefCount KL_COM_CALL Release() override
    {
        const platform::RefCount left = --references_;
        if (left == 0) {
            --liveObjects;
            delete this;
        }
        return left;
    }

    std::int32_t KL_COM_CALL Run(platform::BSTR commandLine, std::int32_t showState) override
    {
        const std::string text = Utf8Of(commandLine, platform::SysStringLen(commandLine));
        Report("commandLine=" + text + "\nshowState=" + std::to_string(showState) + "\n");
        LogRunCalled(text, showState);
        return ExitCodeOf(text);
    }

private:
    std::atomic<platform::RefCount> references_{1};
};

class Factory final : public platform::IClassFactory {
public:
    platform::HRESULT KL_COM_CALL QueryInterface(const platform::GUID& iid, void** out) override
    {
        if (out == nullptr)
            return platform::kE_POINTER;
        if (platform::SameGuid(iid, platform::kIID_IUnknown) || platform::SameGuid(iid, platform::kIID_IClassFactory)) {
            *out = static_cast<platform::IClassFactory*>(this);
            return platform::kS_OK;
        }
        *out = nullptr;
        return platform::kE_NOINTERFACE;
    }
    // The factory is a static object: references do not own it.
    platform::RefCount KL_COM_CALL AddRef() override { return 2; }
    platform::RefCount KL_COM_CALL Release() override { return 1; }

    platform::HRESULT KL_COM_CALL CreateInstance(platform::IUnknown* outer, const platform::GUID& iid,
                                                 void** out) override
    {
        if (out == nullptr)
            return platform::kE_POINTER;
        *out = nullptr;
        if (outer != nullptr)
            return platform::kCLASS_E_NOAGGREGATION;
        auto* object = new (std::nothrow) AppRun;
        if (object == nullptr)
            return platform::kE_OUTOFMEMORY;
        const platform::HRESULT result = object->QueryInterface(iid, out);
        object->Release();
        return result;
    }

    platform::HRESULT KL_COM_CALL LockServer(std::int32_t) override { return platform::kS_OK; }
};

Factory factory;

} // namespace

extern "C" platform::HRESULT KL_COM_CALL DllGetClassObject(const platform::GUID& clsid, const platform::GUID& iid,
                                                          void** out)
{
    if (out == nullptr)
        return platform::kE_POINTER;
    *out = nullptr;
    if (!platform::SameGuid(clsid, CLSID_AppRun))
        return platform::kCLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(iid, out);
}

extern "C" platform::HRESULT KL_COM_CALL DllCanUnloadNow()
{
    return liveObjects == 0 ? platform::kS_OK : platform::kS_FALSE;
}
