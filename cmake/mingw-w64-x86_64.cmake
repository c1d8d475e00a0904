# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model).
# Everything is linked statically so that Wine needs no runtime libraries, and
# the tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARNWICK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARNWICK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARNWICK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TARNWICK_MINGW}-windres)

# Libraries and headers come from the mingw-w64 sysroot only, never from the
# host (its zlib, for one, is an ELF library).
set(CMAKE_FIND_ROOT_PATH /usr/${TARNWICK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# libz.a, not the import library of zlib1.dll.
set(ZLIB_USE_STATIC_LIBS ON)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
