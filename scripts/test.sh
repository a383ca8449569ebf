#!/usr/bin/env bash
# Builds everything and runs every test: ./scripts/test.sh [build-folder] [extra cmake options]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=${1:-$root/build}
shift || true
cmake -S "$root" -B "$build" -DZORVO_WERROR=ON "$@"
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
