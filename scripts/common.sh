# shellcheck shell=bash
# Shared by the scripts in this folder; sourced, not run.

# The repository's root folder.
KAVRO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Configures and builds the release build in build/.
build_release() {
  cmake -S "$KAVRO_ROOT" -B "$KAVRO_ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$KAVRO_ROOT/build" -j2
}
