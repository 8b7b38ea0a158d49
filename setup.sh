#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, the assets and the tests need.
# Quick no-op when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-qpa-plugins qt6-charts-dev libqt6opengl6-dev
  libcurl4-openssl-dev libssl-dev libxcb1-dev
  googletest libgtest-dev libgmock-dev
  python3-pyftpdlib python3-openssl python3-pyatspi dbus at-spi2-core
  xvfb xauth xdotool imagemagick poppler-utils man-db
  fonts-liberation2 fontconfig
)
# `./setup.sh package` adds what building and checking the Debian package needs.
if [[ "${1:-}" == package ]]; then
  packages+=(dpkg-dev desktop-file-utils appstream lintian debootstrap)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
