#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built packages in a fresh minimal Debian bookworm chroot and
# runs what needs no display there: --version, --help and the manual pages.
# Needs root (debootstrap) and the packages from scripts/package.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=${CHROOT:-/tmp/bookworm-chroot}
if [[ ! -x $root/usr/bin/apt-get ]]; then
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
fi
cp build/package/*.deb "$root/tmp/"
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
chroot "$root" /bin/sh -ec '
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq man-db ./tmp/tavorin_*.deb ./tmp/quillmere_*.deb >/dev/null
  /usr/games/tavorin --version
  quillmere --version
  tavorin --help | head -3
  man -P cat 6 tavorin | head -5
  man -P cat 1 quillmere | grep -A3 FILES
  env -u DISPLAY quillmere || echo "quillmere without a display: exit $?"
  dpkg -L tavorin quillmere | grep -c /
'
