#!/usr/bin/env bash
# Installs what building, testing and running Kavro needs on a Debian 12
# machine. Run as root. Packages already installed are left alone, so on a
# ready machine this does nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++                      # compiler and build tools
  googletest libgtest-dev libgmock-dev       # tests
  libbenchmark-dev                           # benchmarks
  nlohmann-json3-dev libcli11-dev            # JSON output, command line
  libxml2-dev                                # reads the SVG output back in tests
  llvm                                       # llvm-rc: compiles the module's resources
  binutils                                   # objcopy: puts the resources into the module
  clang-format                               # format check
  python3                                    # icon and cursor generator, its check
  librsvg2-bin                               # rsvg-convert: pictures of the demo output
)

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages setup.sh "${packages[@]}"
