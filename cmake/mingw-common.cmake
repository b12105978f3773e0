# Shared by the two mingw-w64 toolchain files: set ORVANE_MINGW_TRIPLE,
# CMAKE_SYSTEM_PROCESSOR and ORVANE_WINE_LOADER (the loader name under
# /usr/lib/wine that runs this build's tests) before including it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ORVANE_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${ORVANE_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${ORVANE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The loader itself, not the "wine" wrapper: the wrapper prefers the 32-bit
# loader whenever it is installed, even where the kernel cannot run it.
find_program(WINE_EXECUTABLE NAMES ${ORVANE_WINE_LOADER} PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(WINE_EXECUTABLE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_EXECUTABLE})
endif()
