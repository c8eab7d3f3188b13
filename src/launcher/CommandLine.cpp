#include "launcher/CommandLine.h"

#include "launcher/ComError.h"

platform::BSTR CommandLineToBstr(const char* commandLine)
{
    if (commandLine == nullptr)
        return nullptr;
    const int units = platform::MultiByteToWideChar(commandLine, -1, nullptr, 0);
    if (units <= 0)
        throw ComError(platform::kE_OUTOFMEMORY);
    // The BSTR's length leaves out the terminator the conversion counts.
    platform::BSTR text = platform::SysAllocStringLen(nullptr, static_cast<std::uint32_t>(units - 1));
    if (text == nullptr)
        throw ComError(platform::kE_OUTOFMEMORY);
    if (platform::MultiByteToWideChar(commandLine, -1, text, units) != units) {
        platform::SysFreeString(text);
        throw ComError(platform::kE_OUTOFMEMORY);
    }
    return text;
}
