# GoogleTest built from Debian's sources (package googletest), for a build that cannot use
# the host's prebuilt libraries. It brings the target names of find_package(GTest) itself.
set(QUIP_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's source tree")
if(NOT EXISTS ${QUIP_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${QUIP_GOOGLETEST_SOURCE_DIR}")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUIP_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
