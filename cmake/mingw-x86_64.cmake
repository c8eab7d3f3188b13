# The same Windows code built for x86-64, so that it can run under a 64-bit
# Wine on hosts whose kernel does not execute 32-bit user code.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KESTOVA_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
