#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60) over a copy of its committed seed corpus.
# A unit is given a minute before it counts as a hang: on a loaded machine
# ASan returning memory to the system has stalled a unit for over ten
# seconds. A second argument runs that many targets at once; each target's whole
# output is kept in build-fuzz/logs/<name>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=${2:-1}

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DSELWARTH_FUZZ=ON -DSELWARTH_TESTS=OFF \
  -DSELWARTH_BENCH=OFF -DSELWARTH_QT=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j "$(nproc)"
mkdir -p build-fuzz/logs

fuzz_one() {
  local target=$1 name=${1##*/fuzz_}
  local work=build-fuzz/corpus/$name
  mkdir -p "$work"
  if [ -d "fuzz/corpus/$name" ]; then
    cp -n fuzz/corpus/"$name"/* "$work"/ 2>/dev/null || true
  fi
  echo "Fuzzing $name for ${seconds}s"
  local status=0
  "$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
    "$work" >"build-fuzz/logs/$name.log" 2>&1 || status=$?
  echo "== $name (exit $status)"
  tail -n 12 "build-fuzz/logs/$name.log"
  return "$status"
}

failed=0
running=0
for target in build-fuzz/bin/fuzz_*; do
  [ -x "$target" ] || continue
  fuzz_one "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
