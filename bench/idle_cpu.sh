#!/usr/bin/env bash
# The program's CPU time over 60 seconds idle, with a running action and the watcher shown,
# on a virtual display. Target: under 1% of one core.
#   bench/idle_cpu.sh [path/to/zorvo-wizard]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/zorvo-wizard}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
folder=$home/morvane/Zorvo-Wizard
mkdir -p "$folder"
# One action, running: little-endian count 1, the record, the identifier counter.
python3 - "$folder/ZorvoAct.dat" <<'PY'
import struct, sys
ints = lambda *v: b"".join(struct.pack("<i", x) for x in v)
text = lambda s: ints(len(s)) + s.encode()
rec = ints(1, 0, 0, 0, 0, 0, 0x20000, 0, 0, 0) + text("Write the quarterly report") + text("")
rec += ints(0x10000) + ints(0, 0) + struct.pack("<4d", 0, 0, 0, 0) + text("")
rec += ints(0, 0, 0, 0) + text("") + ints(0, 0, 0) + ints(0, 0) + struct.pack("<2d", 0, 0)
rec += ints(0, 0, 0, 0, 0) + text("") + struct.pack("<2d", 46000, 46000) + ints(*[0] * 10)
rec += b"".join(text("") for _ in range(10))
open(sys.argv[1], "wb").write(ints(1) + rec + ints(1))
PY
XDG_DATA_HOME=$home xvfb-run -a "$program" &
runner=$!
pid=""
for _ in $(seq 1 100); do
  pid=$(pgrep -n -f "^$program$" || true)
  [ -n "$pid" ] && break
  sleep 0.1
done
[ -n "$pid" ] || { echo "the program did not start"; exit 1; }
sleep 5  # start-up is not idle time
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep 60
after=$(ticks)
kill -TERM "$pid"
wait "$runner" || true
python3 -c "
used = ($after - $before) / $hz
print(f'CPU time over 60 s idle: {used:.2f} s = {100 * used / 60:.2f}% of one core (target under 1%)')"
