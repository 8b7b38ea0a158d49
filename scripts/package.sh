#!/usr/bin/env bash
# Builds the release, checks the desktop entries and the software-centre
# metadata, and makes the Debian package holding both programs in build/release/.
set -euo pipefail
cd "$(dirname "$0")/.."
./setup.sh package
cmake --preset release
cmake --build --preset release
desktop-file-validate packaging/*.desktop
appstreamcli validate --no-net packaging/*.metainfo.xml
(cd build/release && cpack)
ls -l build/release/*.deb
