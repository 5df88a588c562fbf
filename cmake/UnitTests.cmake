find_package(GTest)
if(NOT GTest_FOUND)
  message(FATAL_ERROR "QUENDA_UNIT_TESTS and QUENDA_SANITIZERS need GoogleTest (Debian package libgtest-dev)")
endif()
include(GoogleTest)

# tests/unit/<folder>/ tests the sources of <folder>/; support/ holds the
# tests' own helpers, tests/data/ the files more than one test reads.
function(quenda_unit_test_program target)
  add_executable(${target} ${QUENDA_UNIT_TEST_SOURCES})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
  target_compile_definitions(${target} PRIVATE QUENDA_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
endfunction()

if(QUENDA_UNIT_TESTS)
  quenda_unit_test_program(quenda_tests)
  target_link_libraries(quenda_tests PRIVATE quenda_core GTest::gtest GTest::gtest_main)
  gtest_discover_tests(quenda_tests DISCOVERY_TIMEOUT 60 PROPERTIES RESOURCE_LOCK ""
                       WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

if(QUENDA_SANITIZERS)
  # The same core and tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
  set(QUENDA_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  quenda_core_library(quenda_core_asan)
  target_compile_options(quenda_core_asan PRIVATE ${QUENDA_SANITIZE_FLAGS})
  target_link_options(quenda_core_asan PUBLIC ${QUENDA_SANITIZE_FLAGS})
  quenda_unit_test_program(quenda_tests_asan)
  target_compile_options(quenda_tests_asan PRIVATE ${QUENDA_SANITIZE_FLAGS})
  target_link_libraries(quenda_tests_asan PRIVATE quenda_core_asan GTest::gtest GTest::gtest_main)
  # One ctest entry: the whole sanitized suite must run clean.
  add_test(NAME sanitizers.unit_tests COMMAND quenda_tests_asan --gtest_brief=1)
  set_tests_properties(sanitizers.unit_tests PROPERTIES
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR} TIMEOUT 900)
endif()
