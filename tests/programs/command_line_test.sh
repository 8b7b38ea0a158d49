#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a built program the way a shell user would: answers that must come
# before any window, and the refusal without a display.
# Usage: command_line_test.sh <program binary> <name it gives in --version>
set -uo pipefail
program=$1
name=$2
failures=0

# No display anywhere, so that an answer that opened a window would fail.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE)
# Each row: name | arguments | extra environment | exit code | stream | text it must hold
cases=(
  "help|--help||0|out|--version"
  "short help|-h||0|out|Usage:"
  "version|--version||0|out|$name 0.1"
  "unknown option|--bogus||2|err|Unknown option 'bogus'."
  "stray argument|extra||2|err|Unexpected argument 'extra'."
  "no display|||1|err|cannot open the display; set DISPLAY or run under a desktop"
  "display no server answers||DISPLAY=:97|1|err|cannot open the display; set DISPLAY or run under a desktop"
  "xcb asked for, no server||QT_QPA_PLATFORM=xcb|1|err|cannot open the display; set DISPLAY or run under a desktop"
)
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
for row in "${cases[@]}"; do
  IFS='|' read -r title args extra code stream text <<<"$row"
  # shellcheck disable=SC2086  # the arguments and environment are single words
  "${headless[@]}" $extra "$program" $args >"$out" 2>"$err"
  got=$?
  [[ $stream == out ]] && seen=$(cat "$out") || seen=$(cat "$err")
  if [[ $got -ne $code ]] || [[ $seen != *"$text"* ]]; then
    echo "FAIL $title: exit $got (want $code); std$stream: $seen" >&2
    failures=$((failures + 1))
  fi
  # The refusal is one line, not Qt's abort report.
  if [[ $code -eq 1 ]] && [[ $(wc -l <"$err") -ne 1 ]]; then
    echo "FAIL $title: more than one line on stderr: $(cat "$err")" >&2
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
