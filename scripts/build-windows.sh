#!/usr/bin/env bash
# Builds every Windows artefact of Kavro into build-windows/, cross-compiling
# with MinGW-w64 (installed when missing; run as root on a fresh machine):
#
#   build-windows/i686/plugin/kavro.dll      the module, 32-bit: what real hosts load
#   build-windows/x86_64/plugin/kavro.dll    the module, 64-bit
#   build-windows/x86_64/app/kavro.exe       the kavro command (host included), 64-bit
#   build-windows/x86_64/app/kavro_list_resources.exe
#
# Every program and DLL carries its C and C++ runtime inside. Needs what
# scripts/setup.sh installs besides (CMake, Ninja, llvm-rc, the header-only
# libraries).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$KAVRO_ROOT"

install_missing_packages build-windows.sh \
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64

# build_windows ARCH CMAKE-OPTION...: configures and builds one target.
build_windows() {
  local arch="$1"
  shift
  cmake -S . -B "build-windows/$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" \
    -DKAVRO_TESTS=OFF -DKAVRO_BENCHMARKS=OFF "$@"
  cmake --build "build-windows/$arch" -j2
}

# 32-bit: the module alone, as real hosts are 32-bit programs.
build_windows i686 -DKAVRO_HOST=OFF
# 64-bit: the module, the host and the command, which run under Wine here.
build_windows x86_64

echo "build-windows.sh: built"
for artefact in i686/plugin/kavro.dll x86_64/plugin/kavro.dll x86_64/app/kavro.exe \
  x86_64/app/kavro_list_resources.exe; do
  echo "  build-windows/$artefact"
done
