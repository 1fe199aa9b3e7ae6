# The Windows build (a mingw toolchain file of cmake/windows): the toolkit-free core, its tests and
# strveil with its host test. Debian has no Windows builds of the libraries, so libjpeg-turbo is
# built from its Debian source once per build tree and GoogleTest from Debian's sources.

set(ORVD_UI OFF CACHE BOOL "" FORCE)
set(ORVD_BENCHMARKS OFF CACHE BOOL "" FORCE)
set(ORVD_SANITIZE OFF CACHE BOOL "" FORCE)
set(ORVD_FUZZ OFF CACHE BOOL "" FORCE)

set(orvd_libjpeg ${CMAKE_BINARY_DIR}/libjpeg)
execute_process(
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows/build-libjpeg.sh ${orvd_libjpeg} ${CMAKE_TOOLCHAIN_FILE}
    RESULT_VARIABLE orvd_libjpeg_result)
if(NOT orvd_libjpeg_result EQUAL 0)
    message(FATAL_ERROR "libjpeg-turbo for Windows could not be built (see the line above)")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${orvd_libjpeg}/install)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
