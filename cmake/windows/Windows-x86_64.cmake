# 64-bit Windows: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/windows/Windows-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVD_MINGW_TRIPLE x86_64-w64-mingw32)
set(ORVD_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/Mingw.cmake)
