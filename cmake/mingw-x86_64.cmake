# Toolchain file: 64-bit Windows (x64) with MinGW-w64: the 64-bit module, the
# host and the kavro command, which run under Wine here.
#   cmake -S . -B build-windows/x86_64 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake ...
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KAVRO_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
