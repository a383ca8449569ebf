#!/usr/bin/env bash
# Builds the program and starts it. On a machine without a display, run it inside a virtual
# one: xvfb-run -a ./scripts/run.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=$root/build
cmake -S "$root" -B "$build"
cmake --build "$build" -j"$(nproc)" --target zorvo-wizard
exec "$build/zorvo-wizard"
