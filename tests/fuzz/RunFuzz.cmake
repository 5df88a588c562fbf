# Runs a fuzzer for SECONDS on a fresh copy of the seed corpus in WORK, so
# that the committed corpus is never changed by a run. OPTIONS holds further
# libFuzzer options, separated by spaces. Any finding fails.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/artifacts")
file(COPY "${SEEDS}/" DESTINATION "${WORK}/corpus")
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SECONDS} -rss_limit_mb=2048 -timeout=30
          -dict=${DICTIONARY} -artifact_prefix=${WORK}/artifacts/ -print_final_stats=1
          ${options} "${WORK}/corpus"
  RESULT_VARIABLE result
  OUTPUT_FILE "${WORK}/fuzz.log"
  ERROR_FILE "${WORK}/fuzz.log")
# The whole log stays in WORK; its end holds the totals or the finding.
# (Read as one string: its lines hold brackets, which break CMake lists.)
file(READ "${WORK}/fuzz.log" log)
string(LENGTH "${log}" length)
if(length GREATER 4000)
  math(EXPR start "${length} - 4000")
  string(SUBSTRING "${log}" ${start} -1 log)
endif()
message("${log}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the fuzzer found a problem (exit ${result}); inputs are in ${WORK}/artifacts")
endif()
