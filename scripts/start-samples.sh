#!/usr/bin/env bash
# Builds Selwarth and starts it on the bundled sample packages.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"
cd build/samples
exec ../bin/selwarth
