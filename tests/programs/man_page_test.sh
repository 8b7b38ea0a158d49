#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A manual page must render without a warning from man or groff.
# Usage: man_page_test.sh <page source>...
set -uo pipefail
failures=0
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  if [[ -n $warnings ]]; then
    echo "FAIL $page: $warnings" >&2
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
