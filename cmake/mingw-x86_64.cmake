# Cross-compiling with Debian's mingw-w64: the 64-bit build of the program,
# which the end-to-end tests run under wine64 where the kernel can't run
# 32-bit code (the product itself is the 32-bit build).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(ORVANE_WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
