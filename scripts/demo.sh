#!/usr/bin/env bash
# Builds Kavro and lets the `kavro` command draw its demo document.
#
#   scripts/demo.sh [OUT.svg]     (default: kavro-demo.svg in the current folder)
set -euo pipefail

if (($# > 1)); then
  echo "usage: scripts/demo.sh [OUT.svg]" >&2
  exit 2
fi
out="$(realpath -m -- "${1:-kavro-demo.svg}")"

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bash "$KAVRO_ROOT/scripts/setup.sh"
build_release
"$KAVRO_ROOT/build/app/kavro" demo "$out"
echo "demo.sh: the demo picture is at $out"
