#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what only the benchmarks need: the peer clients, a fast FTP server,
# and the tools run.sh uses. Idempotent. The server's package must not start a
# system service: a temporary policy-rc.d refuses every service start while
# apt runs, and run.sh starts its own instance on a high 127.0.0.1 port.
set -eu
packages="lftp pure-ftpd strace xvfb xauth xdotool"
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
policy=/usr/sbin/policy-rc.d
made_policy=no
if [ ! -e "$policy" ]; then
  printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null
  $sudo chmod 755 "$policy"
  made_policy=yes
fi
cleanup() { if [ "$made_policy" = yes ]; then $sudo rm -f "$policy"; fi; }
trap cleanup EXIT
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
# Should a service have come up anyway, stop it: nothing may listen on port 21.
for service in pure-ftpd pure-ftpd-mysql pure-ftpd-postgresql; do
  if [ -x "/etc/init.d/$service" ]; then $sudo "/etc/init.d/$service" stop >/dev/null 2>&1 || true; fi
done
