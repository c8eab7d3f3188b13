#include <cstdlib>
#include <cstring>
#include <string>

#include "launcher/AppRun.h"
#include "launcher/Recorder.h"

namespace {

class RecordingAppRun final : public IAppRun {
public:
    platform::HRESULT KL_COM_CALL QueryInterface(const platform::GUID&, void** out) override
    {
        TheRecorder().calls.push_back("QueryInterface");
        *out = nullptr;
        return platform::kE_NOINTERFACE;
    }
    platform::RefCount KL_COM_CALL AddRef() override
    {
        TheRecorder().calls.push_back("AddRef");
        return 2;
    }
    platform::RefCount KL_COM_CALL Release() override
    {
        TheRecorder().calls.push_back("Release");
        return 0;
    }
    std::int32_t KL_COM_CALL Run(platform::BSTR commandLine, std::int32_t showState) override
    {
        Recorder& recorder = TheRecorder();
        recorder.calls.push_back("Run");
        recorder.runText.assign(commandLine, platform::SysStringLen(commandLine));
        recorder.runShowState = showState;
        return recorder.runResult;
    }
};

RecordingAppRun appRun;

} // namespace

namespace platform {

HRESULT CoInitialize()
{
    TheRecorder().calls.push_back("CoInitialize");
    return TheRecorder().initializeResult;
}

HRESULT CoInitializeEx(std::uint32_t)
{
    TheRecorder().calls.push_back("CoInitializeEx");
    return TheRecorder().initializeResult;
}

void CoUninitialize()
{
    TheRecorder().calls.push_back("CoUninitialize");
}

HRESULT CoCreateInstance(const GUID& clsid, IUnknown* outer, std::uint32_t context, const GUID& iid, void** out)
{
    Recorder& recorder = TheRecorder();
    recorder.calls.push_back("CoCreateInstance");
    recorder.createdClass = clsid;
    recorder.requestedInterface = iid;
    recorder.createContext = context;
    recorder.createOuter = outer;
    // A failing creation leaves junk behind, as some servers do.
    *out = recorder.createResult < 0 ? reinterpret_cast<void*>(0x1234) : static_cast<IAppRun*>(&appRun);
    return recorder.createResult;
}

// Same layout as the real thing: byte length before the first unit.
BSTR SysAllocStringLen(const WideChar* text, std::uint32_t length)
{
    TheRecorder().calls.push_back("SysAllocStringLen");
    auto* block = static_cast<unsigned char*>(std::calloc(1, 4 + (length + 1) * sizeof(WideChar)));
    const std::uint32_t bytes = length * sizeof(WideChar);
    std::memcpy(block, &bytes, 4);
    auto* units = reinterpret_cast<WideChar*>(block + 4);
    if (text != nullptr)
        std::memcpy(units, text, bytes);
    return units;
}

void SysFreeString(BSTR text)
{
    TheRecorder().calls.push_back("SysFreeString");
    if (text != nullptr)
        std::free(reinterpret_cast<unsigned char*>(text) - 4);
}

std::uint32_t SysStringLen(BSTR text)
{
    std::uint32_t bytes = 0;
    if (text != nullptr)
        std::memcpy(&bytes, reinterpret_cast<unsigned char*>(text) - 4, 4);
    return bytes / sizeof(WideChar);
}

} // namespace platform
