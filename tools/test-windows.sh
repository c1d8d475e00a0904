#!/usr/bin/env bash
# Cross-builds the plain C++ core and its tests for 64-bit Windows and runs
# the tests under Wine in a fresh, throw-away Wine prefix.
#   tools/test-windows.sh [build folder]   (default build-windows)
# JOBS sets the build's parallel jobs (default: the number of cores).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build-windows}"
jobs="${JOBS:-$(nproc)}"

tools/setup-deps.sh windows

cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DTARNWICK_CORE_ONLY=ON -DTARNWICK_WERROR=ON >/dev/null
cmake --build "$build" -j "$jobs"

# A prefix of its own for every run: nothing from an earlier run or from the
# user's own ~/.wine can change what the tests see (the registry above all).
prefix="$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-wine.XXXXXX")"
cleanup() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  rm -rf "$prefix"
}
trap cleanup EXIT

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko: the prefix set-up would otherwise offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
wineserver -w

ctest --test-dir "$build" --output-on-failure --no-tests=error -j "$jobs"
