# Toolchain file: 32-bit Windows (x86) with MinGW-w64, the target of the
# module that real hosts load.
#   cmake -S . -B build-windows/i686 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake ...
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KAVRO_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# A 32-bit Windows caller only promises a 4-byte aligned stack; without this
# GCC assumes 16 bytes and may spill SSE registers with aligned moves.
set(CMAKE_C_FLAGS_INIT "-mincoming-stack-boundary=2")
set(CMAKE_CXX_FLAGS_INIT "-mincoming-stack-boundary=2")
