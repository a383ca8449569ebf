#!/usr/bin/env bash
# Cross-builds the core and its tests for Windows with MinGW-w64, runs the tests under Wine, and
# checks that the Windows build writes the same store files as the native one:
#
#   ./scripts/test-windows.sh [build-folder]
#
# Wine keeps its Windows installation (the prefix) inside the build folder, so the user's own
# ~/.wine is neither needed nor touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ZORVO_WINDOWS=1 "$root/scripts/install-deps.sh"
build=$(mkdir -p "${1:-$root/build-windows}" && cd "${1:-$root/build-windows}" && pwd)

# No .NET or HTML engine: nothing here needs them, and Wine would try to install them.
export WINEPREFIX=$build/wine-prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
SECONDS=0
step() { echo "== $1 (${SECONDS}s so far)"; }

step "Cross-building for Windows"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DZORVO_WINEPREFIX="$WINEPREFIX" -DZORVO_WERROR=ON -DZORVO_BUILD_UI=OFF -DZORVO_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)"

# A persistent server keeps Wine's own background programs (services, the desktop) running from
# the first start to the last test. Started by a test instead, they would inherit its output and
# keep CTest waiting for it; and each test would pay for starting them again.
step "Starting Wine (the first start sets up the prefix)"
mkdir -p "$WINEPREFIX"
wineserver -k 2>/dev/null || true  # one left by an interrupted run would refuse to share
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot -u </dev/null >"$build/wineboot.log" 2>&1

step "Running the tests under Wine"
(cd "$build" && ctest --output-on-failure -j"$(nproc)")

step "Comparing store files written by the native and the Windows build"
native=$build/native
cmake -S "$root" -B "$native" -DZORVO_WERROR=ON -DZORVO_BUILD_UI=OFF -DZORVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$native" -j"$(nproc)" --target store_sample
samples=$build/store-samples
rm -rf "$samples"
mkdir -p "$samples/native" "$samples/windows"
"$native/tests/windows/store_sample" "$samples/native"
(cd "$samples/windows" && wine "$build/tests/windows/store_sample.exe" .)
count=$(find "$samples/native" -type f | wc -l)
if [ "$count" -ne 6 ] || ! diff -r "$samples/native" "$samples/windows"; then
  echo "FAILED: the Windows build writes other store files than the native build" >&2
  exit 1
fi
step "Done: the $count store files are byte-identical"
