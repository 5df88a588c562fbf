find_package(benchmark)
if(NOT benchmark_FOUND)
  message(FATAL_ERROR "QUENDA_BENCH needs Google Benchmark (Debian package libbenchmark-dev)")
endif()
file(GLOB QUENDA_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
foreach(source ${QUENDA_BENCH_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE quenda_core benchmark::benchmark)
endforeach()
# The button detection's short quality run belongs to the test command: a
# few generated pages of each kind, failing below the quality bar.
add_test(NAME quality.buttons COMMAND button_quality --short)
set_tests_properties(quality.buttons PROPERTIES TIMEOUT 60)
