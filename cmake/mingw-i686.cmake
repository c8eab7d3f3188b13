# Cross toolchain for the product: 32-bit Windows, mingw-w64 with POSIX threads
# (GoogleTest needs std::mutex, which the win32-thread variant lacks).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KESTOVA_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
