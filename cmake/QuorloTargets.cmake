# Test and dependency helpers shared by every folder.

set(QUORLO_SCRIPTS ${CMAKE_SOURCE_DIR}/scripts)
set(QUORLO_FIXTURES ${CMAKE_BINARY_DIR}/fixtures)

# GoogleTest: Debian's package natively; built from Debian's sources for MinGW.
if(WIN32)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
elseif(NOT QUORLO_FUZZ)
  find_package(GTest REQUIRED)
endif()

# quorlo_unit_test(name SOURCES ... [LIBS ...])
# A native GoogleTest executable for the portable core. Fixtures are found
# through QUORLO_FIXTURES in the environment.
function(quorlo_unit_test name)
  if(WIN32 OR QUORLO_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  add_dependencies(${name} fixtures)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QUORLO_FIXTURES=${QUORLO_FIXTURES};QUORLO_SOURCE=${CMAKE_SOURCE_DIR};QUORLO_BINARY=${CMAKE_BINARY_DIR}")
endfunction()

# quorlo_wine_test(name SOURCES ... [LIBS ...] [VERSIONS win95 ...] [TIMEOUT s])
# A Windows GoogleTest executable run under Wine, once per Windows version,
# each run in a fresh copy of that version's Wine machine. The test sees
# QUORLO_TEST_VERSION and, as Unix paths mapped by Wine, QUORLO_FIXTURES and
# QUORLO_BINARY.
function(quorlo_wine_test name)
  if(NOT WIN32 OR CMAKE_SIZEOF_VOID_P EQUAL 4)
    return()
  endif()
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;VERSIONS" ${ARGN})
  if(NOT T_VERSIONS)
    set(T_VERSIONS winxp)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  add_dependencies(${name} fixtures)
  foreach(version ${T_VERSIONS})
    add_test(NAME ${name}.${version}
      COMMAND ${QUORLO_SCRIPTS}/wine-test ${version} ${QUORLO_FIXTURES} $<TARGET_FILE:${name}>)
    set_tests_properties(${name}.${version} PROPERTIES
      TIMEOUT ${T_TIMEOUT}
      LABELS wine
      ENVIRONMENT "QUORLO_BINARY=${CMAKE_BINARY_DIR};QUORLO_SOURCE=${CMAKE_SOURCE_DIR}")
  endforeach()
endfunction()
