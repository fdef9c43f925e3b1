# shellcheck shell=bash
# Shared by the scripts in this folder; sourced, not run.

# The repository's root folder.
KAVRO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Configures and builds the release build in build/.
build_release() {
  cmake -S "$KAVRO_ROOT" -B "$KAVRO_ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$KAVRO_ROOT/build" -j2
}

# install_missing_packages WHO PACKAGE...: asks dpkg about each Debian
# package and, only when some are missing, runs apt-get update once and
# installs them (as root; otherwise it names them and fails). WHO names the
# calling script in messages.
install_missing_packages() {
  local who="$1" package missing=()
  shift
  for package in "$@"; do
    dpkg -s "$package" 2>/dev/null | grep -q '^Status: install ok installed$' ||
      missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  if ((EUID != 0)); then
    echo "$who: missing packages: ${missing[*]}; run this script as root to install them" >&2
    return 1
  fi
  echo "$who: installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get update </dev/null &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
}
