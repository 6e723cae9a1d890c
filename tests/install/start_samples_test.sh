#!/bin/sh
# scripts/start-samples.sh with stand-ins for apt-get and cmake: it installs only what building
# and running need, builds named targets, and starts the launcher of the tree it installed.
set -eu
root=$(mktemp -d) && trap 'rm -rf "$root"' EXIT && cp -r "$1/scripts" "$root/" && mkdir "$root/stubs" && cd "$root/stubs"
export log="$root/log"
printf '#!/bin/sh\nexit 1\n' >dpkg-query && printf '#!/bin/sh\nexec "$@"\n' >sudo
printf '#!/bin/sh\necho "$0 $*" >>"$log"\n' >apt-get
printf '#!/bin/sh\necho "cmake $*" >>"$log"\n[ "$1" != --install ] || { mkdir -p "$4/bin"; cp "%s/apt-get" "$4/bin/selwarth"; }\n' "$PWD" >cmake
chmod +x ./* && PATH=$PWD:$PATH "$root/scripts/start-samples.sh" --an-argument
grep -q "apt-get install .*qt6-base-dev" "$log" && ! grep -Eq "apt-get install .*(clang|weston|lintian|verse)" "$log" &&
  grep -q "cmake --build build --target .*selwarth .*qxp" "$log" && grep -q "/build/try-out/bin/selwarth --an-argument" "$log" || { cat "$log"; exit 1; }
