#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test; then builds the fuzz targets with clang and runs each
# briefly over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
# ccache, where installed, makes a rebuild after a small change quick.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-test -G Ninja -DSELWARTH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}"
cmake --build build-test -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j "$jobs" --timeout 600

scripts/fuzz.sh 20
