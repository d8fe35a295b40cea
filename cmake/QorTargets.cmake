# Shared settings for every target of our own.

if(QOR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(QOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QOR_FUZZ needs clang (configure with CXX=clang++ CC=clang)")
  endif()
  # The same build runs the core tests under the sanitizers, so undefined behaviour must stop
  # them as it stops a fuzzer.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

set(QOR_TEST_OPTIMIZATION "-O1" CACHE STRING "Optimisation of the test programs' own code")

function(qor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(QOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# qor_library(name SOURCES ... DEPS ...): a static core library of our own.
function(qor_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  qor_warnings(${name})
endfunction()

# qor_test(name SOURCES ... DEPS ... [LABELS ...]): a GoogleTest program registered with ctest.
# Tests labelled "core" need no Qt and run again under the sanitizers.
# COST (optional): a higher number makes ctest start the program's tests earlier (long-running ones
# then share the cores with the rest instead of running last and alone).
function(qor_test name)
  cmake_parse_arguments(ARG "" "COST" "SOURCES;DEPS;LABELS" ${ARGN})
  if(NOT ARG_COST)
    set(ARG_COST 0)
  endif()
  if(NOT ARG_SOURCES)
    message(STATUS "${name}: no test sources yet")
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  qor_warnings(${name})
  target_compile_definitions(${name} PRIVATE QOR_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  # The tests' own code gains little from full optimisation but costs much of the build's time;
  # GoogleTest's headers are compiled once per program.
  target_compile_options(${name} PRIVATE ${QOR_TEST_OPTIMIZATION})
  # g++ 12 at -O1 reports out-of-bounds copies inside libstdc++'s strings where there are none.
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread>)
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <gmock/gmock.h> <string> <vector>)
  gtest_discover_tests(${name}
    PROPERTIES LABELS "${ARG_LABELS}" COST ${ARG_COST}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;QOR_MESSAGE_SCRIPT=none"
    DISCOVERY_TIMEOUT 60)
endfunction()

# qor_fuzzer(name SOURCES ... DEPS ...): a libFuzzer target, built only with QOR_FUZZ.
function(qor_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  if(NOT QOR_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_property(GLOBAL APPEND PROPERTY QOR_FUZZERS ${name})
endfunction()
