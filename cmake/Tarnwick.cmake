# Build helpers shared by every folder: test registration for native and Wine runs.

set(TARNWICK_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/wine/wine-run.sh)

macro(tarnwick_setup_gtest)
  if(WIN32)
    # GoogleTest for MinGW is built from Debian's sources.
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
    find_package(Threads REQUIRED)
  endif()
  include(GoogleTest)
endmacro()

# tarnwick_test(NAME SOURCES ... [LIBS ...] [NATIVE_ONLY] [WINDOWS_ONLY] [GUI] [TIMEOUT s] [LABELS ...]
#               [LOCKS ...])
# LOCKS names resources the test may not share with a parallel test (e.g. "tool-processes" for
# tests that start the converter's tools or count them).
# Portable tests build natively (each TEST a ctest entry) and, unless NATIVE_ONLY, also for
# Windows, where the whole executable is one ctest entry run under wine64 inside the test bench.
function(tarnwick_test name)
  cmake_parse_arguments(T "NATIVE_ONLY;WINDOWS_ONLY;GUI" "TIMEOUT" "SOURCES;LIBS;LABELS;LOCKS" ${ARGN})
  if(NOT TARNWICK_TESTS)
    return()
  endif()
  if(WIN32 AND T_NATIVE_ONLY)
    return()
  endif()
  if(NOT WIN32 AND T_WINDOWS_ONLY)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(WIN32)
    target_link_libraries(${name} PRIVATE gtest_main gtest)
    add_test(NAME ${name} COMMAND ${TARNWICK_WINE_RUN} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT ${T_TIMEOUT}
      LABELS "wine;${T_LABELS}")
    # Tests that show windows share the one desktop: one at a time.
    set(locks ${T_LOCKS})
    if(T_GUI)
      list(APPEND locks desktop)
    endif()
    if(locks)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${locks}")
    endif()
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main Threads::Threads)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "native;${T_LABELS}")
  endif()
endfunction()

# tarnwick_wine_script_test(NAME COMMAND ... [LOCKS ...]): a shell-driven end-to-end test inside the
# Wine bench; it holds the desktop and any LOCKS given.
function(tarnwick_wine_script_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "COMMAND;LABELS;LOCKS" ${ARGN})
  if(NOT WIN32 OR NOT TARNWICK_TESTS)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  add_test(NAME ${name} COMMAND ${T_COMMAND})
  set(locks desktop ${T_LOCKS})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT ${T_TIMEOUT}
    LABELS "wine;e2e;${T_LABELS}" RESOURCE_LOCK "${locks}"
    ENVIRONMENT "TARNWICK_BUILD=${CMAKE_BINARY_DIR};TARNWICK_SOURCE=${CMAKE_SOURCE_DIR}")
endfunction()
