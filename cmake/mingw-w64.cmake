# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 toolchain
# (g++-mingw-w64-x86-64-posix): the posix thread model, which std::thread needs.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DWUZIQI_BUILD_GUI=OFF
# The programs are linked statically, so that a tournament machine needs no MinGW DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(WUZIQI_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${WUZIQI_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WUZIQI_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${WUZIQI_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WUZIQI_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows gives a program's main thread 1 MB of stack; the searches keep their move lists on
# the stack, so the engines ask for the 8 MB that Linux gives.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--stack,8388608")
