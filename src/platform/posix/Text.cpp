// Code page 932 on POSIX, as the Japanese Windows the launcher targets has it.
#include "platform/Text.h"

#include <cstring>

#include "platform/posix/Iconv.h"

namespace platform {
namespace {

constexpr char kAnsiCharset[] = "CP932";
constexpr char kWideCharset[] = "UTF-16LE";
// What Windows puts for what code page 932 cannot express, either way.
constexpr char kAnsiDefault[] = "?";
constexpr char kWideDefault[] = "\xFB\x30"; // U+30FB in UTF-16LE

std::size_t LengthOf(const char* text, int length)
{
    return length < 0 ? std::strlen(text) + 1 : static_cast<std::size_t>(length);
}

std::size_t LengthOf(const WideChar* text, int length)
{
    if (length >= 0)
        return static_cast<std::size_t>(length);
    std::size_t units = 0;
    while (text[units] != 0)
        ++units;
    return units + 1;
}

template <typename Unit>
int CopyOut(const std::string& bytes, Unit* out, int capacity)
{
    const std::size_t units = bytes.size() / sizeof(Unit);
    if (units > static_cast<std::size_t>(0x7FFFFFFF))
        return 0;
    if (capacity == 0)
        return static_cast<int>(units);
    if (out == nullptr || static_cast<std::size_t>(capacity) < units)
        return 0;
    std::memcpy(out, bytes.data(), bytes.size());
    return static_cast<int>(units);
}

} // namespace

bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

int MultiByteToWideChar(const char* text, int length, WideChar* out, int capacity)
{
    if (text == nullptr || length == 0 || capacity < 0)
        return 0;
    const std::string wide = posix::ConvertCharset(kAnsiCharset, kWideCharset,
                                                   {text, LengthOf(text, length)}, 1, kWideDefault);
    return CopyOut(wide, out, capacity);
}

int WideCharToMultiByte(const WideChar* text, int length, char* out, int capacity)
{
    if (text == nullptr || length == 0 || capacity < 0)
        return 0;
    const std::size_t units = LengthOf(text, length);
    const std::string ansi = posix::ConvertCharset(
        kWideCharset, kAnsiCharset, {reinterpret_cast<const char*>(text), units * sizeof(WideChar)},
        sizeof(WideChar), kAnsiDefault);
    return CopyOut(ansi, out, capacity);
}

} // namespace platform
