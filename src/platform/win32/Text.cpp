#include "platform/Text.h"

#include <mbctype.h>
#include <windows.h>

namespace platform {

bool IsLeadByte(unsigned char byte)
{
    return _ismbblead(byte) != 0;
}

int MultiByteToWideChar(const char* text, int length, WideChar* out, int capacity)
{
    return ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, out, capacity);
}

int WideCharToMultiByte(const WideChar* text, int length, char* out, int capacity)
{
    return ::WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, out, capacity, nullptr, nullptr);
}

} // namespace platform
