# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, which Qt needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELMARIN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELMARIN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELMARIN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KELMARIN_MINGW}-windres)

# Libraries and headers come from the MinGW sysroot only, never from the Linux host; the host's
# programs (Qt's moc, rcc and uic among them) stay usable.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KELMARIN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)


# One file to hand out: the C and C++ runtimes and winpthreads go into each executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
