#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package the build, the editor and the tests need, skipping what is
# already present. Safe to run repeatedly.
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config clang-format
  qt6-base-dev zlib1g-dev libx11-dev qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins
  libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  icoutils imagemagick libqt6svg6
  xvfb xauth x11-utils openbox xdotool fonts-dejavu-core gdb
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  help2man man-db dpkg-dev file desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
