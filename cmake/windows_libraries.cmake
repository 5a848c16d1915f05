# The libraries Debian ships for Linux only, built for Windows from Debian's own sources:
# CaDiCaL from its source package (scripts/deps.sh fetches it with apt-get source) and, for the
# tests, GoogleTest from /usr/src/googletest.

set(QUORVANE_CADICAL_SOURCE_DIR "${PROJECT_SOURCE_DIR}/.cache/cadical" CACHE PATH
    "CaDiCaL's unpacked Debian source package, the same version as Linux's libcadical-dev")
if(NOT EXISTS ${QUORVANE_CADICAL_SOURCE_DIR}/src/cadical.hpp)
    message(FATAL_ERROR "No CaDiCaL source in ${QUORVANE_CADICAL_SOURCE_DIR}: run scripts/deps.sh")
endif()
file(GLOB QUORVANE_CADICAL_SOURCES ${QUORVANE_CADICAL_SOURCE_DIR}/src/*.cpp)
# The solver's command-line front ends; the library is the rest.
list(FILTER QUORVANE_CADICAL_SOURCES EXCLUDE REGEX "/(cadical|mobical)\\.cpp$")
add_library(cadical STATIC ${QUORVANE_CADICAL_SOURCES})
target_include_directories(cadical SYSTEM INTERFACE ${QUORVANE_CADICAL_SOURCE_DIR}/src)
# No generated build header; the C library has no unlocked stream calls; no messages; the
# assertions off as in Debian's build.
target_compile_definitions(cadical PRIVATE NBUILD NUNLOCKED QUIET NDEBUG)
target_compile_options(cadical PRIVATE -w)
set_target_properties(cadical PROPERTIES COMPILE_WARNING_AS_ERROR OFF)

if(QUORVANE_TESTS)
    set(QUORVANE_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
        "GoogleTest's sources, as Debian's googletest package ships them")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(${QUORVANE_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # It names its targets GTest::gtest and so on, as the installed package does.
    set_target_properties(gtest gtest_main gmock gmock_main PROPERTIES
        COMPILE_WARNING_AS_ERROR OFF)
    # Every test program that takes GoogleTest's main also compiles the check that fails a test
    # in which the program's own code faulted (tests/support/fault_check.cpp): a fault in a window
    # procedure is swallowed by the system's message dispatch and would pass unseen.
    target_sources(gtest_main INTERFACE ${PROJECT_SOURCE_DIR}/tests/support/fault_check.cpp)
    target_link_libraries(gtest_main INTERFACE quorvane_fault_log)
endif()
