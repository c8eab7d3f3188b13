# Fuzz targets of the file-system helpers: the path split, the multibyte
# scans, and the POSIX half's wildcard matcher.
set(fs_fuzz ${CMAKE_CURRENT_LIST_DIR}/fs)
kl_add_fuzzer(fuzz_split_path SOURCES ${fs_fuzz}/FuzzSplitPath.cpp LIBRARIES kl_fs)
kl_add_fuzzer(fuzz_reverse_find_char SOURCES ${fs_fuzz}/FuzzReverseFindChar.cpp LIBRARIES kl_fs)
kl_add_fuzzer(fuzz_cut_left SOURCES ${fs_fuzz}/FuzzCutLeft.cpp LIBRARIES kl_fs)
if(NOT WIN32)
    kl_add_fuzzer(fuzz_wildcard SOURCES ${fs_fuzz}/FuzzWildcard.cpp LIBRARIES kl_platform)
endif()
foreach(target fuzz_split_path fuzz_reverse_find_char fuzz_cut_left fuzz_wildcard)
    if(TARGET ${target})
        target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
    endif()
endforeach()
