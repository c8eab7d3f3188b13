// The thread's last-error code, as the Windows calls leave it.
#pragma once

#include <cstdint>

namespace platform {

inline constexpr std::uint32_t kERROR_SUCCESS = 0;
inline constexpr std::uint32_t kERROR_FILE_NOT_FOUND = 2;
inline constexpr std::uint32_t kERROR_PATH_NOT_FOUND = 3;
inline constexpr std::uint32_t kERROR_ACCESS_DENIED = 5;
inline constexpr std::uint32_t kERROR_INVALID_HANDLE = 6;
inline constexpr std::uint32_t kERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr std::uint32_t kERROR_NO_MORE_FILES = 18;
inline constexpr std::uint32_t kERROR_INVALID_PARAMETER = 87;
inline constexpr std::uint32_t kERROR_INVALID_NAME = 123;
inline constexpr std::uint32_t kERROR_MOD_NOT_FOUND = 126;
inline constexpr std::uint32_t kERROR_PROC_NOT_FOUND = 127;
inline constexpr std::uint32_t kERROR_ALREADY_EXISTS = 183;
inline constexpr std::uint32_t kERROR_FILENAME_EXCED_RANGE = 206;

std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

} // namespace platform
