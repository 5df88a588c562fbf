# Runs the fuzzer for SECONDS on a fresh copy of the seed corpus in WORK, so
# that the committed corpus is never changed by a run. Any finding fails.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/artifacts")
file(COPY "${SEEDS}/" DESTINATION "${WORK}/corpus")
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SECONDS} -rss_limit_mb=2048 -timeout=30
          -dict=${DICTIONARY} -artifact_prefix=${WORK}/artifacts/ -print_final_stats=1
          "${WORK}/corpus"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the fuzzer found a problem (exit ${result}); inputs are in ${WORK}/artifacts")
endif()
