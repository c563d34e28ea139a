# Runs one fuzzer for a short while over its seed corpus, as a test. New inputs go to a fresh
# folder of the build tree, listed first, so the committed seeds never change; an input that
# fails is saved in the work folder and named in the output.
# Usage: cmake -DFUZZER=<exe> -DSEED_DIR=<dir> -DWORK_DIR=<dir> -DSECONDS=<n> -P SmokeRun.cmake
file(REMOVE_RECURSE ${WORK_DIR}/corpus)
file(MAKE_DIRECTORY ${WORK_DIR}/corpus)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -rss_limit_mb=2048 -max_len=65536 -timeout=30
          -print_final_stats=1 -artifact_prefix=${WORK_DIR}/ ${WORK_DIR}/corpus ${SEED_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); any failing input is in ${WORK_DIR}")
endif()
