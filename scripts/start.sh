#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the programs and starts the one named
# (tavorin by default, or quillmere).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-tavorin}
./setup.sh
cmake --preset release
cmake --build --preset release --target "$program"
case "$program" in
  tavorin) exec ./build/release/game/tavorin ;;
  quillmere) exec ./build/release/transfer/local/quillmere ;;
  *) echo "usage: $0 [tavorin|quillmere]" >&2; exit 2 ;;
esac
