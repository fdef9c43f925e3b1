#!/usr/bin/env bash
# Runs every check of the project: builds it twice, the release build in
# build/ and a build with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-san/, runs all tests of both, builds the Windows DLLs and programs in
# build-windows/ and checks them against the release build (under Wine where
# they can run), and checks the formatting of the C and C++ sources. Exits
# non-zero when any step fails; the last line says which.
set -uo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$KAVRO_ROOT" || exit 1

failed=()
# step NAME COMMAND...: runs one step, noting its failure.
step() {
  local name="$1"
  shift
  echo "==> test.sh: $name"
  if "$@"; then
    return 0
  fi
  failed+=("$name")
  return 1
}

run_tests() {
  ctest --test-dir "$1" --output-on-failure --no-tests=error
}

build_sanitized() {
  cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKAVRO_SANITIZE=ON &&
    cmake --build build-san -j2
}

# The Windows checks compare with the release build in build/.
windows_build_and_tests() {
  bash scripts/build-windows.sh && bash scripts/test-windows.sh
}

# Every tracked C and C++ file must be as clang-format leaves it (a tracked
# file deleted in the working tree is left out).
check_format() {
  local file files=()
  while IFS= read -r -d '' file; do
    [[ -f "$file" ]] && files+=("$file")
  done < <(git ls-files -z -- '*.h' '*.cpp' '*.c')
  if ((${#files[@]} == 0)); then
    echo "no C or C++ files are tracked" >&2
    return 1
  fi
  clang-format --dry-run --Werror -- "${files[@]}"
}

if ! step "setup" bash scripts/setup.sh; then
  echo "test.sh: FAILED: setup"
  exit 1
fi

step "release build" build_release && step "release tests" run_tests build

export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
step "sanitizer build" build_sanitized && step "sanitizer tests" run_tests build-san

step "windows build and tests" windows_build_and_tests

step "format check" check_format

if ((${#failed[@]} > 0)); then
  summary="$(printf '%s, ' "${failed[@]}")"
  echo "test.sh: FAILED: ${summary%, }"
  exit 1
fi
echo "test.sh: OK: release tests, sanitizer tests, Windows build and tests and format check all passed"
