#include "platform/Resources.h"

#include <array>

#include "platform/posix/ResFile.h"

// The executable's compiled resources, linked in by its resource object.
extern "C" const std::byte kl_embedded_res_begin[];
extern "C" const std::byte kl_embedded_res_end[];

namespace platform {
namespace {

const std::vector<posix::ResEntry>& Entries()
{
    static const std::vector<posix::ResEntry> entries = posix::ParseResFile(
        {kl_embedded_res_begin, static_cast<std::size_t>(kl_embedded_res_end - kl_embedded_res_begin)});
    return entries;
}

// The languages of the Japanese system the program is made for, in the order
// its resource loader tries them.
constexpr std::array<std::uint16_t, 3> kLanguageOrder = {0x0411, 0x0000, 0x0409};

ResourceBytes BytesOf(const posix::ResEntry* entry)
{
    return entry != nullptr ? entry->data : ResourceBytes{};
}

} // namespace

ResourceBytes LoadResourceBytes(std::uint16_t type, std::uint16_t name, std::uint16_t language)
{
    return BytesOf(posix::FindResEntry(Entries(), type, name, language, kLanguageOrder));
}

ResourceBytes LoadResourceBytes(std::uint16_t type, std::uint16_t name)
{
    return BytesOf(posix::FindResEntry(Entries(), type, name, std::nullopt, kLanguageOrder));
}

} // namespace platform
