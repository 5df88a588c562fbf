find_package(GTest)
if(NOT GTest_FOUND)
  message(FATAL_ERROR "QUENDA_UNIT_TESTS and QUENDA_SANITIZERS need GoogleTest (Debian package libgtest-dev)")
endif()
include(GoogleTest)

# One unit test program, quenda_tests: tests/unit/<folder>/ tests the sources
# of <folder>/; support/ holds the tests' own helpers, tests/data/ the files
# more than one test reads. With QUENDA_SANITIZERS it runs under ASan+UBSan
# over a core built the same way (the CI build): the same cases, each its
# own ctest entry, and a memory or UB fault fails the case that made it.
add_executable(quenda_tests ${QUENDA_UNIT_TEST_SOURCES})
target_include_directories(quenda_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
target_compile_definitions(quenda_tests PRIVATE QUENDA_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
target_link_libraries(quenda_tests PRIVATE GTest::gtest GTest::gtest_main)
quenda_precompile(quenda_tests <gtest/gtest.h> ${QUENDA_STANDARD_HEADERS})

set(unit_test_environment)
if(QUENDA_SANITIZERS)
  set(sanitize -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  quenda_core_library(quenda_core_asan)
  # -O1 is what ASan's own documentation suggests; the tests' sources, table
  # upon table of expansions of GoogleTest's macros, take five times longer
  # to compile instrumented at -O2 than at -O0, and run as fast either way.
  # UBSan watches the core's code; on the tests' own it would add half again
  # to their compile for checks of GoogleTest's expansions.
  target_compile_options(quenda_core_asan PRIVATE ${sanitize} -O1 -g)
  target_link_options(quenda_core_asan PUBLIC ${sanitize})
  target_compile_options(quenda_tests PRIVATE -fsanitize=address -fno-omit-frame-pointer -O0 -g)
  target_link_libraries(quenda_tests PRIVATE quenda_core_asan)
  # ASan's own defaults (leaks detected, no abort) are what the tests want.
  set(unit_test_environment PROPERTIES ENVIRONMENT UBSAN_OPTIONS=print_stacktrace=1)
else()
  target_link_libraries(quenda_tests PRIVATE quenda_core)
endif()
gtest_discover_tests(quenda_tests DISCOVERY_TIMEOUT 60 ${unit_test_environment} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
