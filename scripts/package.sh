#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the programs with Debian's hardening flags, checks the desktop
# entries and the software-centre metadata, makes the Debian packages tavorin
# and quillmere in build/package/ and checks them with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
./setup.sh package
# One commit gives the same packages byte for byte: its time stamps the PDFs
# and the archives, and the flags map this folder's path away.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake --preset package -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build --preset package
desktop-file-validate packaging/*.desktop
appstreamcli validate --no-net packaging/*.metainfo.xml
rm -f build/package/*.deb
(cd build/package && cpack)
ls -l build/package/*.deb
lintian --fail-on error,warning --info build/package/*.deb
