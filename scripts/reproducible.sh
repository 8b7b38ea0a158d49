#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the packages of one commit twice, in two folders of different paths,
# and compares them byte for byte. Usage: scripts/reproducible.sh [commit]
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse "${1:-HEAD}")
work=$(mktemp -d /tmp/reproducible.XXXXXX)
trap 'git worktree remove --force "$work/a" 2>/dev/null || true; git worktree remove --force "$work/second-build" 2>/dev/null || true; rm -rf "$work"' EXIT
for tree in a second-build; do
  git worktree add --detach "$work/$tree" "$commit" >/dev/null
  (cd "$work/$tree" && ./scripts/package.sh >"$work/$tree.log" 2>&1) || { tail -30 "$work/$tree.log"; exit 1; }
done
status=0
for deb in "$work"/a/build/package/*.deb; do
  other="$work/second-build/build/package/$(basename "$deb")"
  if cmp -s "$deb" "$other"; then
    echo "identical: $(basename "$deb") $(sha256sum <"$deb" | cut -c1-16)"
  else
    echo "DIFFERENT: $(basename "$deb")"
    status=1
  fi
done
exit $status
