// Read access to the running executable's own resources.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace platform {

inline constexpr std::uint16_t kRT_STRING = 6;
inline constexpr std::uint16_t kRT_MANIFEST = 24;
inline constexpr std::uint16_t kLANG_NEUTRAL = 0;

using ResourceBytes = std::span<const std::byte>;

// The resource of that type, numeric name and language; language 0 lets the
// lookup fall back to whatever language the resource has. Empty when absent.
ResourceBytes LoadResourceBytes(std::uint16_t type, std::uint16_t name, std::uint16_t language);

// The same lookup in the system's own language order.
ResourceBytes LoadResourceBytes(std::uint16_t type, std::uint16_t name);

} // namespace platform
