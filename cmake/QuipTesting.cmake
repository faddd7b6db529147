# quip_add_test(<name> LABEL <unit|gui|x11|wine> SOURCES ... [LIBS ...] [ENVIRONMENT ...]
#               [TIMEOUT seconds] [MAIN gtest|own] [LAYOUTS layout...])
# One executable, one ctest entry. MAIN gtest links GoogleTest's main; MAIN own expects
# the sources to bring a main (GUI tests create their QApplication there).
# LABEL wine: the executable is a Windows program of the mingw-w64 build, and the main build
# runs it under Wine once per X keyboard layout of LAYOUTS (default us), as <name>_<layout>.
set(QUIP_WIN32_BINARY_DIR ${CMAKE_BINARY_DIR}/win32-build CACHE INTERNAL "")
set(QUIP_WINE_DIR ${CMAKE_BINARY_DIR}/wine CACHE INTERNAL "")
function(quip_add_test name)
    cmake_parse_arguments(T "" "LABEL;TIMEOUT;MAIN" "SOURCES;LIBS;ENVIRONMENT;LAYOUTS" ${ARGN})
    if(QUIP_FUZZ_BUILD)
        return()
    endif()
    if(NOT T_LABEL)
        message(FATAL_ERROR "quip_add_test(${name}): LABEL is required")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set(wine_test FALSE)
    if(T_LABEL STREQUAL "wine")
        set(wine_test TRUE)
    endif()
    if(QUIP_WIN32_BUILD AND NOT wine_test)
        return()
    endif()
    if(wine_test AND NOT QUIP_WIN32_BUILD)
        _quip_run_under_wine(${name} "${T_LAYOUTS}" ${T_TIMEOUT} "${T_ENVIRONMENT}")
        return()
    endif()
    add_executable(${name} ${T_SOURCES})
    quip_warnings(${name})
    if(T_MAIN STREQUAL "own")
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock ${T_LIBS})
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock ${T_LIBS})
    endif()
    if(wine_test)
        return() # the main build runs it
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set(env ${T_ENVIRONMENT})
    if(T_LABEL STREQUAL "gui")
        list(APPEND env QT_QPA_PLATFORM=offscreen)
    endif()
    set_tests_properties(${name} PROPERTIES LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT})
    if(env)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
    endif()
endfunction()

# The ctest entries of a wine test, in the main build: the mingw-w64 build's executable,
# run in the Wine prefix that the wine_prefix fixture makes, one test at a time.
function(_quip_run_under_wine name layouts timeout environment)
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    if(NOT layouts)
        set(layouts us)
    endif()
    foreach(layout ${layouts})
        add_test(NAME ${name}_${layout}
                 COMMAND bash ${CMAKE_SOURCE_DIR}/tests/wine/run-in-wine.sh ${QUIP_WINE_DIR}
                         ${layout} ${QUIP_WIN32_BINARY_DIR}/${rel}/${name}.exe)
        set_tests_properties(${name}_${layout} PROPERTIES
            LABELS wine TIMEOUT ${timeout}
            FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine_prefix)
        if(environment)
            set_tests_properties(${name}_${layout} PROPERTIES ENVIRONMENT "${environment}")
        endif()
    endforeach()
endfunction()

# quip_add_benchmark(<name> SOURCES ... [LIBS ...]): built with everything, run by hand.
function(quip_add_benchmark name)
    cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
    if(QUIP_FUZZ_BUILD OR QUIP_WIN32_BUILD)
        return()
    endif()
    add_executable(${name} ${B_SOURCES})
    quip_warnings(${name})
    target_link_libraries(${name} PRIVATE benchmark::benchmark ${B_LIBS})
endfunction()

# quip_add_fuzzer(<name> SOURCES ... [LIBS ...] CORPUS <dir> [RUNS n] [MAX_LEN n])
# In the fuzz build (clang) this makes the libFuzzer executable; in the main build it
# registers a short, deterministic run of it on a scratch copy of the seed corpus.
set(QUIP_FUZZ_BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz-build CACHE INTERNAL "")
function(quip_add_fuzzer name)
    cmake_parse_arguments(F "" "CORPUS;RUNS;MAX_LEN" "SOURCES;LIBS" ${ARGN})
    if(NOT F_RUNS)
        set(F_RUNS 20000)
    endif()
    if(NOT F_MAX_LEN)
        set(F_MAX_LEN 4096)
    endif()
    if(QUIP_WIN32_BUILD)
        return()
    endif()
    if(QUIP_FUZZ_BUILD)
        add_executable(${name} ${F_SOURCES})
        quip_warnings(${name})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(${name} PRIVATE ${F_LIBS})
        return()
    endif()
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    add_test(NAME ${name}
             COMMAND ${CMAKE_COMMAND} -DFUZZER=${QUIP_FUZZ_BINARY_DIR}/${rel}/${name}
                     -DCORPUS=${F_CORPUS} -DRUNS=${F_RUNS} -DMAX_LEN=${F_MAX_LEN}
                     -DSCRATCH=${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus
                     -P ${CMAKE_SOURCE_DIR}/cmake/RunFuzzer.cmake)
    set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()
