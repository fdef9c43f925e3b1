#!/usr/bin/env bash
# Checks the Windows build in build-windows/ (scripts/build-windows.sh) against
# the Linux release build in build/ (or $KAVRO_LINUX_BUILD):
#
#  - both module DLLs as files (scripts/check-windows-dll.py): machine, DLL
#    flag, PluginMain the only export, no MinGW runtime DLL imported, and every
#    resource as the host expects it and byte for byte as llvm-rc compiled it.
#    The 32-bit DLL is checked as a file only: the kernel of the machines we
#    build on runs no 32-bit programs;
#  - under Wine (Debian's wine64, installed when missing; its 64-bit loader is
#    called directly): the Windows host lists the 64-bit DLL's resources, read
#    through the Windows resource functions, exactly as the Linux host lists
#    the ones it reads from kavro.so;
#  - `kavro.exe run SCRIPT --json` writes the very dump, byte for byte, and
#    exits with the same code as the Linux `kavro run` for every script in
#    scripts/windows-parity/ and the demo gallery.
#
# Goes on after a failed check; exits non-zero when any failed, and the last
# line says which.
set -uo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$KAVRO_ROOT" || exit 1

linux_build="${KAVRO_LINUX_BUILD:-build}"
windows_build=build-windows
out="$windows_build/checks"
wine=/usr/lib/wine/wine64

failed=()
# check NAME COMMAND...: runs one check, noting its failure.
check() {
  local name="$1"
  shift
  echo "--> $name"
  if "$@"; then
    return 0
  fi
  failed+=("$name")
  return 1
}

check_dlls() {
  local arch machine status=0
  for arch in i686 x86_64; do
    machine=$([[ $arch == i686 ]] && echo i386 || echo amd64)
    python3 scripts/check-windows-dll.py "$windows_build/$arch/plugin/kavro.dll" \
      --machine "$machine" --res "$windows_build/$arch/plugin/resources/kavro.res" || status=1
  done
  return "$status"
}

# The file check must see a wrong machine: a 64-bit DLL is no 32-bit module.
check_dll_check_fails() {
  local report
  if report="$(python3 scripts/check-windows-dll.py "$windows_build/x86_64/plugin/kavro.dll" \
    --machine i386)"; then
    echo "check-windows-dll.py accepted the 64-bit DLL as a 32-bit one" >&2
    return 1
  fi
  grep -q "machine 0x8664, expected i386" <<<"$report" || {
    echo "check-windows-dll.py failed for another reason: $report" >&2
    return 1
  }
}

export WINEPREFIX="$KAVRO_ROOT/$windows_build/wine-prefix" WINEDEBUG=-all
# No Mono or Gecko: the prefix needs neither, and asking for them only slows
# its creation down.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Installs Wine when missing and makes sure it runs the Windows kavro. The
# first start creates the Wine prefix, which takes a while.
start_wine() {
  install_missing_packages test-windows.sh wine64 || return 1
  if [[ ! -x $wine ]]; then
    echo "test-windows.sh: Wine cannot start: $wine is missing" >&2
    return 1
  fi
  local output
  if ! output="$("$wine" "$windows_build/x86_64/app/kavro.exe" --help 2>&1)"; then
    echo "test-windows.sh: Wine cannot start kavro.exe: $(tail -n 1 <<<"$output")" >&2
    return 1
  fi
}

check_resource_listing() {
  "$linux_build/app/kavro_list_resources" "$linux_build/plugin/kavro.so" \
    >"$out/resources.linux.txt" || return 1
  # Windows programs end their lines with CR LF on standard output.
  "$wine" "$windows_build/x86_64/app/kavro_list_resources.exe" \
    "$windows_build/x86_64/plugin/kavro.dll" | tr -d '\r' >"$out/resources.windows.txt" ||
    return 1
  if [[ ! -s "$out/resources.linux.txt" ]]; then
    echo "the Linux host listed no resources" >&2
    return 1
  fi
  diff -u "$out/resources.linux.txt" "$out/resources.windows.txt"
}

# check_same_run SCRIPT: plays the script on both builds; same exit code and
# the same dump, byte for byte. Paths are relative: the Windows command line
# takes an argument starting with a slash for an option.
check_same_run() {
  local script="$1" name linux_code windows_code
  name="$(basename "$script" .json)"
  "$linux_build/app/kavro" run "$script" --module "$linux_build/plugin/kavro.so" \
    --json "$out/$name.linux.json" >/dev/null 2>"$out/$name.linux.err"
  linux_code=$?
  "$wine" "$windows_build/x86_64/app/kavro.exe" run "$script" \
    --module "$windows_build/x86_64/plugin/kavro.dll" \
    --json "$out/$name.windows.json" >/dev/null 2>"$out/$name.windows.err"
  windows_code=$?
  if ((linux_code != windows_code)); then
    echo "$script: exit code $linux_code on Linux, $windows_code on Windows" \
      "($out/$name.*.err)" >&2
    return 1
  fi
  if [[ ! -f "$out/$name.linux.json" ]]; then
    echo "$script: the Linux run wrote no dump (exit code $linux_code, $out/$name.linux.err)" >&2
    return 1
  fi
  cmp "$out/$name.linux.json" "$out/$name.windows.json"
}

# Without --module, kavro.exe loads the DLL beside it and finds its sixteen
# tools.
check_default_module() {
  local listing
  listing="$("$wine" "$windows_build/x86_64/app/kavro.exe" info | tr -d '\r')" || return 1
  if [[ "$(grep -c '^  [0-9]*: "' <<<"$listing")" != 16 ]]; then
    echo "kavro.exe info without --module did not list sixteen tools:" >&2
    tail -n 5 <<<"$listing" >&2
    return 1
  fi
}

# A file that is no DLL is refused with one line and exit code 2, as on Linux.
check_bad_module_refused() {
  local script=scripts/windows-parity/session.json code lines
  "$wine" "$windows_build/x86_64/app/kavro.exe" run "$script" --module "$script" \
    >/dev/null 2>"$out/bad-module.err"
  code=$?
  lines=$(tr -d '\r' <"$out/bad-module.err" | wc -l)
  if ((code != 2 || lines != 1)) || ! grep -q "^kavro: cannot load the module: " "$out/bad-module.err"; then
    echo "kavro.exe given a script as its module: exit code $code, $lines line(s):" >&2
    cat "$out/bad-module.err" >&2
    return 1
  fi
}

if [[ ! -x "$linux_build/app/kavro" || ! -x "$linux_build/app/kavro_list_resources" ]]; then
  echo "test-windows.sh: FAILED: no Linux build in $linux_build to compare with" \
    "(build it first: scripts/test.sh does)"
  exit 1
fi
rm -rf "$out"
mkdir -p "$out"

check "DLL files" check_dlls
check "DLL check rejects a wrong machine" check_dll_check_fails
if check "Wine start" start_wine; then
  check "resources read through Windows" check_resource_listing
  check "kavro.exe loads the DLL beside it" check_default_module
  check "a file that is no module is refused" check_bad_module_refused
  for script in scripts/windows-parity/*.json app/demo_gallery.json; do
    check "same run on Windows: $script" check_same_run "$script"
  done
  /usr/lib/wine/wineserver -k 2>/dev/null
fi

if ((${#failed[@]} > 0)); then
  summary="$(printf '%s, ' "${failed[@]}")"
  echo "test-windows.sh: FAILED: ${summary%, }"
  exit 1
fi
echo "test-windows.sh: OK: DLL files, resources and runs under Wine match the Linux build"
