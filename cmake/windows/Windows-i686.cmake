# 32-bit Windows, the build that ships: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/windows/Windows-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORVD_MINGW_TRIPLE i686-w64-mingw32)
set(ORVD_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/Mingw.cmake)
