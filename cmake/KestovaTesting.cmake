# GoogleTest from the distribution's sources, built with the same compiler
# and flags as the code under test (sanitizers and cross builds included).
if(EXISTS /usr/src/googletest/CMakeLists.txt)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

# kl_add_test(NAME SOURCES file... [LIBRARIES lib...])
# One test program, registered with CTest as one test; on the Windows
# targets CTest runs it through the Wine wrapper. Run single cases with
#   ctest --preset P -R NAME   or   bin/NAME --gtest_filter=...
function(kl_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    if(NOT WIN32)
        # Programs that start the launcher write its log configuration into
        # the Documents folder: keep it inside the build, not in the user's.
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-home)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "HOME=${CMAKE_BINARY_DIR}/test-home;XDG_CONFIG_HOME=")
    endif()
endfunction()
