kl_add_fuzzer(calendar_fuzzer SOURCES calendar_fuzzer.cpp LIBRARIES kl_calendar)
# The fuzzer reads the reference algorithm of the tests.
target_include_directories(calendar_fuzzer PRIVATE ${PROJECT_SOURCE_DIR}/tests)
# Undefined behaviour must end the run, not scroll past in the log.
set_tests_properties(calendar_fuzzer PROPERTIES ENVIRONMENT "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
