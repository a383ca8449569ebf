#!/usr/bin/env bash
# An install into a staging folder holds what a desktop needs (the program, its menu entry, its
# icons, its description and its own copy of its web pages), the desktop's validators accept
# them, and the installed program starts headless and ends on SIGTERM:
#
#   check_install.sh <build folder>
set -euo pipefail
build=$1
id=example.vantrel_wizard.VantrelWizard
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR=$stage/root cmake --install "$build" --prefix /usr >/dev/null
root=$stage/root/usr
missing=0
for f in bin/zorvo-wizard \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg \
         share/vantrel-wizard/site/zorvo-wizard/help.html \
         share/vantrel-wizard/site/zorvo-wizard/index.html \
         share/vantrel-wizard/site/resource.html; do
  [ -s "$root/$f" ] || { echo "missing from the install: $f"; missing=1; }
done
for size in 16 22 24 32 48 64 128 256; do
  f=share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -s "$root/$f" ] || { echo "missing from the install: $f"; missing=1; }
done
[ $missing = 0 ]
grep -q "version $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")" \
  "$root/share/vantrel-wizard/site/zorvo-wizard/index.html"

desktop-file-validate "$root/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"

# The installed program, on a data folder of its own: it is up once it has written its first
# file (the default contexts), and SIGTERM ends it through its normal exit.
home=$stage/home
mkdir -p "$home"
XDG_DATA_HOME=$home QT_QPA_PLATFORM=offscreen "$root/bin/zorvo-wizard" &
pid=$!
for _ in $(seq 200); do
  [ -f "$home/morvane/Zorvo-Wizard/ZorvoCtx.dat" ] && break
  kill -0 $pid 2>/dev/null || { echo "the installed program ended by itself"; exit 1; }
  sleep 0.1
done
[ -f "$home/morvane/Zorvo-Wizard/ZorvoCtx.dat" ] || { echo "the installed program did not start"; exit 1; }
kill -TERM $pid
wait $pid
[ -f "$home/morvane/Zorvo-Wizard/morvane.ini" ] || { echo "the exit did not write the settings"; exit 1; }
echo "install checked: $(find "$root" -type f | wc -l) files"
