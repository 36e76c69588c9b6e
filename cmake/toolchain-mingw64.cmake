# Cross build of the Windows program with Debian's MinGW-w64 (x86_64).
#   cmake -S . -B build-win --toolchain cmake/toolchain-mingw64.cmake
# The POSIX-threads flavour of the compiler is used so the whole C++ library
# is available; everything is linked statically (see backends/win32).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FAUNARY_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FAUNARY_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FAUNARY_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${FAUNARY_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FAUNARY_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
