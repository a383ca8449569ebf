#!/usr/bin/env bash
# Makes the screenshots of the help pages and the README with the project's screenshot tool,
# under a virtual display for the real window system's fonts and styles:
#
#   ./scripts/site-screenshots.sh [build-folder] [scale]
#
# A scale of 2 shows the program as a desktop scaled to 200% shows it (written to a folder of
# its own, to look at; the site keeps the 100% ones).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=${1:-$root/build}
scale=${2:-1}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target page_screenshots
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 $((1280 * scale))x$((1024 * scale))x24" \
  "$build/tests/page_screenshots" "$shots"
if [ "$scale" = 1 ]; then
  target=$root/site/zorvo-wizard/screenshots
else
  target=$build/screenshots-${scale}x
fi
mkdir -p "$target"
for shot in home inbox item-editor process action-editor project-editor contexts review-project \
            actions watcher reminders tools options someday reference; do
  cp "$shots/$shot.png" "$target/"
done
echo "screenshots in $target"
