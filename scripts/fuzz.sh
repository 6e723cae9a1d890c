#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60) over a copy of its committed seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DSELWARTH_FUZZ=ON -DSELWARTH_TESTS=OFF \
  -DSELWARTH_BENCH=OFF -DSELWARTH_QT=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j "$(nproc)"

for target in build-fuzz/bin/fuzz_*; do
  [ -x "$target" ] || continue
  name=${target##*/fuzz_}
  work=build-fuzz/corpus/$name
  mkdir -p "$work"
  if [ -d "fuzz/corpus/$name" ]; then
    cp -n fuzz/corpus/"$name"/* "$work"/ 2>/dev/null || true
  fi
  echo "Fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$work" 2>&1 | tail -n 12
done
