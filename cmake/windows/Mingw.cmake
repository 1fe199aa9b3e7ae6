# Windows with Debian's mingw-w64, included by the toolchain file of each processor after it set
# ORVD_MINGW_TRIPLE and ORVD_WINE_ARCH. The -posix compilers, because GoogleTest needs std::mutex;
# everything linked statically, so a test program runs under Wine without the compiler's DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ORVD_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVD_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVD_MINGW_TRIPLE}-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)
set(CMAKE_FIND_ROOT_PATH /usr/${ORVD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Test programs run through Wine, which needs the prefix that scripts/windows/setup-wine.sh makes
# in the build tree; the runner fails a program that does not print its own success line.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../../scripts/windows/wine-test.sh ${CMAKE_BINARY_DIR}/wine ${ORVD_WINE_ARCH})
