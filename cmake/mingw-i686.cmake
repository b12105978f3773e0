# Cross-compiling the 32-bit program with Debian's mingw-w64; its tests run
# under Wine's 32-bit loader, where the kernel can run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORVANE_MINGW_TRIPLE i686-w64-mingw32)
set(ORVANE_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
