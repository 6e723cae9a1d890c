#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run
# Selwarth. Does nothing when everything is there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config python3
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-dejavu-core
  adwaita-qt6 # a dark style the verse window is tested under
  clang libclang-rt-14-dev
  imagemagick desktop-file-utils appstream mandoc dpkg-dev
  libsword-dev sword-text-kjv
  xvfb openbox weston qt6-wayland xdotool xclip x11-utils
  lintian
  dbus-bin dbus-daemon at-spi2-core python3-pyatspi
  verse # what the start-up benchmark compares qxp today with
)

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
