#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on) and
# runs each for a while:
#
#   ./scripts/fuzz.sh [build-folder] [seconds-per-target] [targets...]
#
# The seed corpus is written by the program's own writers into <build>/corpus/seeds; each
# target first replays the seeds, the inputs kept in fuzz/regressions and what earlier runs
# found (<build>/corpus/<target>), then fuzzes for the given time, keeping new inputs in
# <build>/corpus/<target>. An input that breaks a target is saved in <build>/crashes and fails
# the run. For long runs beside other work: nice -n 19 ./scripts/fuzz.sh build-fuzz 3600
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ZORVO_CLANG=1 "$root/scripts/install-deps.sh"
build=${1:-$root/build-fuzz}
seconds=${2:-20}
shift 2 || shift $#
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(inbox contexts projects actions someday references settings)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DZORVO_FUZZ=ON -DZORVO_WERROR=ON \
  -DZORVO_BUILD_UI=OFF -DZORVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target zorvo_fuzz

corpus=$build/corpus
rm -rf "$corpus/seeds"
"$build/fuzz/fuzz_seed_corpus" "$corpus/seeds"
mkdir -p "$build/crashes"
# The fill pattern of new memory only slows the file buffers down; nothing here reads memory
# before writing it without the sanitizers noticing anyway.
export ASAN_OPTIONS=${ASAN_OPTIONS:-max_malloc_fill_size=0:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
total=0
for target in "${targets[@]}"; do
  mkdir -p "$corpus/$target"
  inputs=("$corpus/$target" "$corpus/seeds/$target")
  [ -d "$root/fuzz/regressions/$target" ] && inputs+=("$root/fuzz/regressions/$target")
  log=$build/fuzz-$target.log
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target-" "${inputs[@]}" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "FAILED: fuzz_$target broke on an input, kept in $build/crashes" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  total=$((total + runs))
  echo "fuzz_$target: $runs inputs in ${seconds}s, $(ls "$corpus/$target" | wc -l) kept"
done
echo "Done: $total inputs, nothing broke"
