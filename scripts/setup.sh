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

is_installed() {
  dpkg -s "$1" 2>/dev/null | grep -q '^Status: install ok installed$'
}

missing=()
for package in "${packages[@]}"; do
  is_installed "$package" || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if ((EUID != 0)); then
  echo "setup.sh: missing packages: ${missing[*]}; run this script as root to install them" >&2
  exit 1
fi

echo "setup.sh: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update </dev/null
apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
