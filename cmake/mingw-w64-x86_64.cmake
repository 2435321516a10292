# Cross-compiles for 64-bit Windows with mingw-w64 (Debian's
# g++-mingw-w64-x86-64-posix) and runs the results under Wine:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model: under the win32 one std::thread and std::mutex,
# which GoogleTest needs, are missing.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Statically linked: a Windows machine has no libstdc++-6.dll or
# libwinpthread-1.dll, and without them the program exits without a word.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest runs the programs through Wine. Debian's wine64 package installs
# no wine command in PATH, only /usr/lib/wine/wine64.
find_program(IOB_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(IOB_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${IOB_WINE})
endif()
