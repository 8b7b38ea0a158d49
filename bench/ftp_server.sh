#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts pure-ftpd for the benchmarks on 127.0.0.1 at PORT, serving ROOT to
# one virtual user (bench / bench-secret), and prints its process id.
#   bench/ftp_server.sh ROOT PORT STATE_FOLDER
# Must run as root (pure-ftpd drops to the virtual user's uid for each
# session). Listings are allowed up to 2,000,000 names.
set -eu
root=$1 port=$2 state=$3
mkdir -p "$root" "$state"
chown -R nobody:nogroup "$root"
rm -f "$state/passwd" "$state/users.pdb"
printf 'bench-secret\nbench-secret\n' |
  pure-pw useradd bench -u nobody -g nogroup -d "$root" -f "$state/passwd" -m -F "$state/users.pdb" >/dev/null
pure-ftpd -l "puredb:$state/users.pdb" -S "127.0.0.1,$port" -E -A -u 100 -L 2000000:20 -c 20 -C 20 \
  -g "$state/pure-ftpd.pid" -B
for _ in 1 2 3 4 5 6 7 8 9 10; do
  [ -s "$state/pure-ftpd.pid" ] && break
  sleep 0.2
done
cat "$state/pure-ftpd.pid"
