# Runs one libFuzzer target briefly and deterministically on a scratch copy of its seeds,
# so that the corpus in the repository is never rewritten.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(GLOB seeds ${CORPUS}/*)
if(seeds)
    file(COPY ${seeds} DESTINATION ${SCRATCH})
endif()
execute_process(COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=${MAX_LEN}
                        -rss_limit_mb=2048 -timeout=10 ${SCRATCH}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed with ${rc}")
endif()
