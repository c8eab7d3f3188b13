#include "platform/Resources.h"

#include <windows.h>

namespace platform {
namespace {

ResourceBytes BytesOf(HRSRC found)
{
    if (found == nullptr)
        return {};
    HGLOBAL loaded = ::LoadResource(nullptr, found);
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (data == nullptr)
        return {};
    return {static_cast<const std::byte*>(data), ::SizeofResource(nullptr, found)};
}

} // namespace

ResourceBytes LoadResourceBytes(std::uint16_t type, std::uint16_t name, std::uint16_t language)
{
    return BytesOf(::FindResourceExW(nullptr, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(name), language));
}

ResourceBytes LoadResourceBytes(std::uint16_t type, std::uint16_t name)
{
    return BytesOf(::FindResourceW(nullptr, MAKEINTRESOURCEW(name), MAKEINTRESOURCEW(type)));
}

} // namespace platform
