# Fuzz targets of the POSIX platform layer: everything in it that reads
# bytes it did not write itself.
if(NOT WIN32)
    kl_add_fuzzer(fuzz_command_line SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzCommandLine.cpp LIBRARIES kl_platform)
    kl_add_fuzzer(fuzz_res_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzResFile.cpp LIBRARIES kl_platform)
    kl_add_fuzzer(fuzz_manifest SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzManifest.cpp LIBRARIES kl_platform_com)
endif()
