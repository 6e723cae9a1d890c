#!/usr/bin/env bash
# Builds Selwarth and its tools, installs them into build/try-out, and starts
# the program there through its launcher, as the menu entry of an installed
# Selwarth does. Arguments go to the program.
#
# The launcher runs the program in the user's data folder,
# ~/.local/share/selwarth (XDG_DATA_HOME), as an installed Selwarth does: on
# the first start it copies the sample packages and pictures there and gives
# them a readable font and a comfortable window; later it copies only a
# sample never offered before, and never overwrites a file.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake -S . -B build -G Ninja -DSELWARTH_TESTS=OFF -DSELWARTH_BENCH=OFF
# What the installed tree holds: the programs, the samples, the icons and the
# change log (the man pages are made when installing).
cmake --build build --target selwarth qxp selwarth-concordance samples icons changelog
cmake --install build --prefix "$PWD/build/try-out" >/dev/null
exec build/try-out/bin/selwarth "$@"
