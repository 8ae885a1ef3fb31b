# Project-wide helpers: warnings, tests and fuzz targets.
include_guard(GLOBAL)

# Windows builds: a Unix path as the Windows program sees it under Wine (drive Z:).
function(orbalin_native_path out path)
  if(WIN32)
    string(REPLACE "/" "\\\\" p "${path}")
    set(${out} "Z:${p}" PARENT_SCOPE)
  else()
    set(${out} "${path}" PARENT_SCOPE)
  endif()
endfunction()

orbalin_native_path(ORBALIN_TEST_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
orbalin_native_path(ORBALIN_TEST_OUTPUT_DIR "${PROJECT_BINARY_DIR}/test-output")
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/test-output")

function(orbalin_warnings target)
  # -Winvalid-pch: a shared precompiled header that a target cannot use is said, not
  # silently parsed again.
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers
                                           $<$<BOOL:${WIN32}>:-Winvalid-pch>)
endfunction()

# Windows targets parse the platform headers (and tests GoogleTest's) once per build
# instead of once per source file: they are most of what every source file of theirs
# compiles. The switches that shape those headers are set for the whole target, since a
# source file can no longer set them before its first include. Call once GoogleTest's
# targets exist.
function(orbalin_precompiled_headers)
  if(NOT WIN32)
    return()
  endif()
  set(windows <windows.h> <commctrl.h> <ole2.h> <oleauto.h>
              <algorithm> <functional> <memory> <string> <unordered_map> <vector>)
  foreach(pch orbalin_pch orbalin_test_pch)
    add_library(${pch} OBJECT ${PROJECT_SOURCE_DIR}/cmake/pch.cpp)
    target_compile_definitions(${pch} PRIVATE NOMINMAX OEMRESOURCE)
    orbalin_warnings(${pch})
  endforeach()
  target_precompile_headers(orbalin_pch PRIVATE ${windows})
  target_link_libraries(orbalin_test_pch PRIVATE gtest gmock)
  target_precompile_headers(orbalin_test_pch PRIVATE ${windows} <gtest/gtest.h> <gmock/gmock.h>)
endfunction()

function(orbalin_windows_headers target)
  if(WIN32)
    target_compile_definitions(${target} PRIVATE NOMINMAX OEMRESOURCE)
    target_precompile_headers(${target} REUSE_FROM orbalin_pch)
  endif()
endfunction()

# Tests run where they can: natively, or in the x86_64 Windows build through the
# cross-compiling emulator (wine64). The i686 build only compiles and links them.
#   orbalin_test(NAME n SOURCES ... [LIBS ...] [LABELS ...] [WINDOWS_GUI])
function(orbalin_test)
  cmake_parse_arguments(T "WINDOWS_GUI" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  orbalin_warnings(${T_NAME})
  if(WIN32)
    target_compile_definitions(${T_NAME} PRIVATE NOMINMAX OEMRESOURCE)
    target_precompile_headers(${T_NAME} REUSE_FROM orbalin_test_pch)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} orbalin_gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE
    ORBALIN_TEST_SOURCE_DIR="${ORBALIN_TEST_SOURCE_DIR}"
    ORBALIN_TEST_OUTPUT_DIR="${ORBALIN_TEST_OUTPUT_DIR}")
  if(ORBALIN_RUN_TESTS)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set(labels ${T_LABELS})
    if(T_WINDOWS_GUI)
      list(APPEND labels gui)
      # Window tests share one X display and capture the screen: one at a time.
      set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK display)
    endif()
    if(labels)
      set_tests_properties(${T_NAME} PROPERTIES LABELS "${labels}")
    endif()
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600)
  endif()
endfunction()

# Coverage-guided fuzz targets: native clang builds only. CI runs each for a
# bounded time over the seed corpus directory given.
#   orbalin_fuzz(NAME n SOURCES ... [LIBS ...] [CORPUS dir] [SECONDS s])
function(orbalin_fuzz)
  cmake_parse_arguments(F "" "NAME;CORPUS;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT ORBALIN_FUZZ)
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS 30)
  endif()
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${F_NAME}-corpus)
  file(MAKE_DIRECTORY ${work})
  add_test(NAME ${F_NAME} COMMAND ${F_NAME} -max_total_time=${F_SECONDS} -timeout=10 -rss_limit_mb=2048
           ${work} ${F_CORPUS})
  set_tests_properties(${F_NAME} PROPERTIES LABELS fuzz TIMEOUT 900)
endfunction()
