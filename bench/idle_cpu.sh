#!/usr/bin/env bash
# The program's CPU time over 60 seconds idle with a running action, on a virtual display: once
# on the Home page with the watcher shown (target under 1% of one core), once with the Actions
# page shown, whose running row counts every second (target under 0.2% of one core).
#   bench/idle_cpu.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}

# Runs a program on a data folder of its own with one running action, waits out its start-up,
# and prints its CPU time over 60 seconds.
measure() {
  local what=$1 target=$2
  shift 2
  local home
  home=$(mktemp -d)
  local folder=$home/morvane/Zorvo-Wizard
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
  XDG_DATA_HOME=$home xvfb-run -a "$@" &
  local runner=$! pid=""
  for _ in $(seq 1 100); do
    pid=$(pgrep -n -f "^$*$" || true)
    [ -n "$pid" ] && break
    sleep 0.1
  done
  [ -n "$pid" ] || { echo "$1 did not start"; rm -rf "$home"; return 1; }
  sleep 5  # start-up is not idle time
  # CPU time of every thread in nanoseconds (the clock ticks of /proc/<pid>/stat are too coarse
  # for the few milliseconds a second that idle costs).
  cpu_ns() { cat /proc/"$pid"/task/*/schedstat | awk '{sum += $1} END {printf "%d", sum}'; }
  local before after
  before=$(cpu_ns)
  sleep 60
  after=$(cpu_ns)
  kill -TERM "$pid"
  wait "$runner" || true
  rm -rf "$home"
  python3 -c "
used = ($after - $before) / 1e9
print(f'$what: CPU time over 60 s idle: {used:.3f} s = {100 * used / 60:.3f}% of one core '
      f'(target under $target%)')"
}

measure "Home page and watcher" 1 "$build/zorvo-wizard"
measure "Actions page, running row counting" 0.2 "$build/bench/idle_page" 1004
