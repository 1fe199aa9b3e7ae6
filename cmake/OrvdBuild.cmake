# Shared compile settings and the one-line test and benchmark helpers.

add_compile_options(-Wall -Wextra)

if(ORVD_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build: every library with libFuzzer's coverage and the sanitizers; the fuzz targets
# link libFuzzer itself (tests/fuzz).
if(ORVD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "ORVD_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Test data reach the tests as a compile definition, never as a relative path.
set(ORVD_TEST_DATA_DIR ${PROJECT_SOURCE_DIR}/tests/data)

# orvd_test(NAME name SOURCES a.cpp ... [LIBS lib ...])
# A GoogleTest program registered with CTest, headless.
function(orvd_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${T_NAME} PRIVATE ORVD_TEST_DATA_DIR="${ORVD_TEST_DATA_DIR}")
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# orvd_qt_test(NAME name SOURCES a.cpp ... [LIBS lib ...])
# A Qt Test program that opens real windows, run on the offscreen platform.
function(orvd_qt_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test)
    target_compile_definitions(${T_NAME} PRIVATE ORVD_TEST_DATA_DIR="${ORVD_TEST_DATA_DIR}")
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# orvd_benchmark(NAME name SOURCES a.cpp ... [LIBS lib ...])
# Built, never run by CTest: speed goals are met in benchmarks, not in timed tests.
function(orvd_benchmark)
    if(NOT ORVD_BENCHMARKS)
        return()
    endif()
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    find_package(benchmark REQUIRED)
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} benchmark::benchmark benchmark::benchmark_main)
    target_compile_definitions(${T_NAME} PRIVATE ORVD_TEST_DATA_DIR="${ORVD_TEST_DATA_DIR}")
endfunction()
