#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for Selwarth. Does nothing
# when everything is there.
#
#   scripts/install-deps.sh build   what building and running the program
#                                   and its tools need (scripts/start-samples.sh)
#   scripts/install-deps.sh         that, and what the tests, the fuzz
#                                   targets and the benchmarks need
#                                   (scripts/test-all.sh)
set -euo pipefail

build_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libicu-dev # where a line of Chinese or Japanese may break, which characters join the one before
  fonts-dejavu-core # Latin, Greek with its accents, Cyrillic, Hebrew with its points
  fonts-wqy-microhei # Chinese and Japanese (5 MB; fonts-noto-cjk takes 90)
  libxcb1-dev # the window manager's borders in the screen's pixels
  libdbus-1-dev # the largest message a peer on the session bus may send
  qt6-wayland # the program's windows on a Wayland desktop
  libsword-dev sword-text-kjv # the passages' text in the concordance window
  zlib1g-dev # the blocks of a compressed devotional (zLD), which we read ourselves
  qt6-l10n-tools qt6-tools-dev # lupdate, lrelease and their CMake package: the interface's catalogs
  qt6-translations-l10n # Qt's own catalogs, for its buttons in the interface's language
)
test_packages=(
  python3
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  adwaita-qt6 # a dark style the verse window is tested under
  clang libclang-rt-14-dev
  imagemagick desktop-file-utils appstream mandoc dpkg-dev
  xvfb openbox weston xdotool xclip x11-utils
  wmctrl # a window's close asked of the window manager, as its title bar's button does
  lintian
  dbus-bin dbus-daemon at-spi2-core python3-pyatspi orca
  xiphos libglib2.0-bin # the links' peer, and gdbus that asks it where it shows
  python3-dbus python3-gi # a scripted peer on the session bus
  python3-dbusmock dunst # the reminder's notification servers: a recording one and a real one
  faketime # the reminder at a time of day of the test's choosing
  systemd # systemd-analyze, which reads the reminder's timer and service as systemd will
  verse # what the start-up benchmark compares qxp today with
  diatheke # what the reading view's benchmark compares the passages' first reading with
  sword-text-web sword-text-sparv # Bibles beside the KJV: the reader's Bible chosen by language, book names in Spanish
  libsword-utils # imp2vs and imp2ld: the small Bibles and devotionals the tests build
)

case ${1-all} in
build) packages=("${build_packages[@]}") ;;
all) packages=("${build_packages[@]}" "${test_packages[@]}") ;;
*)
  echo "usage: $0 [build|all]" >&2
  exit 2
  ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
