#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts the one named
# (tavorin by default).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-tavorin}
./setup.sh
cmake --preset release
cmake --build --preset release --target "$program"
exec "./build/release/game/$program"
