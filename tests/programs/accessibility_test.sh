#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs accessibility_check.py on its own X server, D-Bus session and
# accessibility bus, with a fresh data folder, so parallel runs share nothing.
# Usage: accessibility_test.sh <program> <application name> [steps...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
export HOME=$scratch
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# Qt's own objects outlive main; leak reports would hide the check's answer.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- /usr/bin/python3 "$here/accessibility_check.py" "$@"
