# The project-reader fuzzer. The main build uses g++, and libFuzzer comes with
# clang, so tests/fuzz is configured and built as a project of its own with
# clang++-14; the ctest entry then runs it for QUENDA_FUZZ_SECONDS.
include(ExternalProject)
find_program(QUENDA_CLANGXX NAMES clang++-14 clang++ REQUIRED)

set(QUENDA_FUZZ_BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(quenda_fuzz
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tests/fuzz
  BINARY_DIR ${QUENDA_FUZZ_BINARY_DIR}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${QUENDA_CLANGXX}
             -DCMAKE_BUILD_TYPE=RelWithDebInfo
             -DQUENDA_ROOT=${CMAKE_SOURCE_DIR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")

add_test(NAME fuzz.project_reader
  COMMAND ${CMAKE_COMMAND}
          -DFUZZER=${QUENDA_FUZZ_BINARY_DIR}/project_reader_fuzz
          -DSEEDS=${CMAKE_SOURCE_DIR}/tests/fuzz/corpus
          -DDICTIONARY=${CMAKE_SOURCE_DIR}/tests/fuzz/project.dict
          -DWORK=${CMAKE_BINARY_DIR}/fuzz-run
          -DSECONDS=${QUENDA_FUZZ_SECONDS}
          -P ${CMAKE_SOURCE_DIR}/tests/fuzz/RunFuzz.cmake)
math(EXPR QUENDA_FUZZ_TIMEOUT "${QUENDA_FUZZ_SECONDS} + 300")
set_tests_properties(fuzz.project_reader PROPERTIES TIMEOUT ${QUENDA_FUZZ_TIMEOUT})
