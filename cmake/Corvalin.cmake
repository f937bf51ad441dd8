# Shared build settings and helpers for every folder.

# The programs, the access library, the shipped database and the Windows tests
# that need them all sit in one folder, as they do when installed.
set(CORVALIN_BIN_DIR ${CMAKE_BINARY_DIR}/bin)

add_library(corvalin_options INTERFACE)
target_compile_options(corvalin_options INTERFACE -Wall -Wextra -Wno-unused-parameter)
target_include_directories(corvalin_options INTERFACE ${PROJECT_SOURCE_DIR})

if(WIN32)
  target_compile_definitions(corvalin_options INTERFACE
    UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Fully static: neither the programs nor the access library need a mingw DLL.
  target_link_options(corvalin_options INTERFACE -static -static-libgcc -static-libstdc++)
elseif(CORVALIN_SANITIZE)
  target_compile_options(corvalin_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(corvalin_options INTERFACE -fsanitize=address,undefined)
endif()

# The SQLite amalgamation for the Windows build, prepared by tools/setup.sh.
if(WIN32 AND NOT CORVALIN_SQLITE_DIR)
  set(_cache "$ENV{CORVALIN_CACHE}")
  if(NOT _cache)
    if(DEFINED ENV{XDG_CACHE_HOME})
      set(_cache "$ENV{XDG_CACHE_HOME}/corvalin")
    else()
      set(_cache "$ENV{HOME}/.cache/corvalin")
    endif()
  endif()
  if(EXISTS "${_cache}/sqlite-current")
    file(READ "${_cache}/sqlite-current" _dir)
    string(STRIP "${_dir}" _dir)
    set(CORVALIN_SQLITE_DIR "${_dir}" CACHE PATH "Folder holding sqlite3.c and sqlite3.h")
  else()
    message(FATAL_ERROR "No SQLite amalgamation: run tools/setup.sh first")
  endif()
endif()

# corvalin_use_small_blocks(target): the executable allocates through the
# program's own operator new (platform/win/small_blocks.h) in the Windows
# build; natively the C++ runtime's stays.
function(corvalin_use_small_blocks target)
  if(WIN32)
    target_link_libraries(${target} PRIVATE corvalin_small_blocks)
  endif()
endfunction()

# corvalin_add_test(NAME n SOURCES ... LIBS ... [GUI])
# One GoogleTest executable, one ctest entry; under the windows preset ctest
# runs it through Wine (the toolchain's emulator).
function(corvalin_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} gmock gtest_main corvalin_options)
  corvalin_use_small_blocks(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1)
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600 ENVIRONMENT "CORVALIN_TEST_DATA=${PROJECT_SOURCE_DIR}")
  if(WIN32)
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "CORVALIN_WINE_BUILD=${CMAKE_BINARY_DIR};CORVALIN_TEST_DATA=Z:${PROJECT_SOURCE_DIR}")
  endif()
endfunction()

# corvalin_add_benchmark(NAME n SOURCES ... LIBS ...): built, run by hand.
function(corvalin_add_benchmark)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(CORVALIN_BENCHMARKS)
    add_executable(${B_NAME} ${B_SOURCES})
    target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} corvalin_options)
    corvalin_use_small_blocks(${B_NAME})
  endif()
endfunction()
