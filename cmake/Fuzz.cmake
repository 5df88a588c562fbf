# The fuzz targets. The main build uses g++, and libFuzzer comes with clang,
# so tests/fuzz is configured and built as a project of its own with
# clang++-14; each ctest entry then runs one target for QUENDA_FUZZ_SECONDS
# on a copy of its seed corpus (tools/fuzz.sh runs them all for longer).
include(ExternalProject)
find_program(QUENDA_CLANGXX NAMES clang++-14 clang++)
if(QUENDA_CLANGXX)
  execute_process(COMMAND ${QUENDA_CLANGXX} -print-resource-dir OUTPUT_VARIABLE clang_resources
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(NOT QUENDA_CLANGXX OR NOT EXISTS "${clang_resources}/lib/linux/libclang_rt.fuzzer-x86_64.a")
  message(FATAL_ERROR "QUENDA_FUZZ needs clang++ and its libFuzzer (Debian packages clang-14, libclang-rt-14-dev)")
endif()

set(QUENDA_FUZZ_BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(quenda_fuzz
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tests/fuzz
  BINARY_DIR ${QUENDA_FUZZ_BINARY_DIR}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${QUENDA_CLANGXX}
             -DCMAKE_BUILD_TYPE=RelWithDebInfo
             -DQUENDA_ROOT=${CMAKE_SOURCE_DIR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")

math(EXPR QUENDA_FUZZ_TIMEOUT "${QUENDA_FUZZ_SECONDS} + 300")

# quenda_fuzz_test(test-name binary seed-folder dictionary [libFuzzer options...])
function(quenda_fuzz_test name binary seeds dictionary)
  string(REPLACE ";" " " options "${ARGN}")
  add_test(NAME fuzz.${name}
    COMMAND ${CMAKE_COMMAND}
            -DFUZZER=${QUENDA_FUZZ_BINARY_DIR}/${binary}
            -DSEEDS=${seeds}
            -DDICTIONARY=${CMAKE_SOURCE_DIR}/tests/fuzz/${dictionary}
            -DWORK=${CMAKE_BINARY_DIR}/fuzz-run/${name}
            -DSECONDS=${QUENDA_FUZZ_SECONDS}
            "-DOPTIONS=${options}"
            -P ${CMAKE_SOURCE_DIR}/tests/fuzz/RunFuzz.cmake)
  # One at a time, each taking a core for the whole run: started first, they
  # run beside the GUI lanes instead of after them.
  set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT ${QUENDA_FUZZ_TIMEOUT} RESOURCE_LOCK fuzz COST 900)
endfunction()

set(QUENDA_SEEDS ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus)
# The reader starts from the project files the unit tests read as well.
quenda_fuzz_test(project_reader project_reader_fuzz ${CMAKE_SOURCE_DIR}/tests/data project.dict)
# A picture that makes the decoder ask for hundreds of megabytes is a finding:
# showing its page would freeze the editor for seconds.
quenda_fuzz_test(picture_load picture_load_fuzz ${QUENDA_SEEDS}/picture picture.dict -malloc_limit_mb=256)
# Whatever length the stream announces, no single allocation may come near it.
quenda_fuzz_test(transfer_worker transfer_worker_fuzz ${QUENDA_SEEDS}/transfer transfer.dict -malloc_limit_mb=64)
