#!/usr/bin/env bash
# Builds the widget tests with ThreadSanitizer and runs them: the watcher's thread and the store
# loader's thread against the window, in the whole program inside the test.
#
#   ./scripts/test-threads.sh [build-folder]
#
# Qt comes from the system, built without ThreadSanitizer; tests/tsan/qt.supp says what that
# leaves out. Qt's GLib event loop is turned off (QT_NO_GLIB): GLib, not built with the
# sanitizer either, shares memory between Qt's threads behind locks the sanitizer cannot see.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=${1:-$root/build-tsan}
cmake -S "$root" -B "$build" -DZORVO_WERROR=ON -DZORVO_SANITIZE_THREAD=ON -DZORVO_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)" --target gui_tests
cd "$build"
export QT_NO_GLIB=1 QT_QPA_PLATFORM=offscreen
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/tests/tsan/qt.supp"
# Only the widget tests are built here; the other test programs, and the install test (which
# needs the whole build), are left out.
ctest --output-on-failure -j"$(nproc)" -E '_NOT_BUILT$|^InstallTest$'
