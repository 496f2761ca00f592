# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (POSIX threads).
# Programs are linked statically, so they need no MinGW libraries beside them
# and run as they are under Wine or on Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# TINTWRIGHT_WINDOWS_QT: the Qt built for MinGW (scripts/build-qt-windows.sh),
# for the window; the libraries and packages of both are found there alone.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TINTWRIGHT_WINDOWS_QT})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TINTWRIGHT_WINDOWS_QT)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest runs the programs under Wine.
find_program(TINTWRIGHT_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TINTWRIGHT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TINTWRIGHT_WINE})
endif()
