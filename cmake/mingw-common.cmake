# Shared by the MinGW-w64 toolchain files: cross-compiles for Windows with
# Debian's MinGW-w64 compilers (the posix threading variant, which
# std::thread and friends need). KAVRO_MINGW_TRIPLET names the target.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KAVRO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KAVRO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KAVRO_MINGW_TRIPLET}-windres)

# Libraries, headers and package files come from the MinGW tree only, never
# from the build machine's /usr; programs (llvm-rc, python3) from the build
# machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KAVRO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program and DLL carries its C and C++ runtime inside, so that none
# needs a MinGW DLL beside it.
set(KAVRO_MINGW_STATIC_RUNTIME "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT ${KAVRO_MINGW_STATIC_RUNTIME})
set(CMAKE_SHARED_LINKER_FLAGS_INIT ${KAVRO_MINGW_STATIC_RUNTIME})
set(CMAKE_MODULE_LINKER_FLAGS_INIT ${KAVRO_MINGW_STATIC_RUNTIME})
