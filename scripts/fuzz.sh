#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes each target for a while with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), two at a time at low priority.
#   scripts/fuzz.sh [seconds per target, default 600] [target ...]
# Work folders and logs go to $FUZZ_WORK (default /tmp/fuzz-work); an input
# that fails stays there as crash-*, to be kept in tests/fuzz/regressions/.
# Prints one line per target: runs, seconds, coverage, and the result.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
((${#targets[@]})) || targets=($(ls tests/fuzz/corpus))
work=${FUZZ_WORK:-/tmp/fuzz-work}
jobs=${FUZZ_JOBS:-2}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

run() {
  local t=$1 dir=$work/$1
  rm -rf "$dir" && mkdir -p "$dir/corpus" "$dir/data"
  cp tests/fuzz/corpus/"$t"/* "$dir/corpus/"
  local dict=()
  [[ -f tests/fuzz/dictionaries/$t.dict ]] && dict=(-dict="$PWD/tests/fuzz/dictionaries/$t.dict")
  # The data-file targets write and fsync a file per input: keep it in memory.
  (cd "$dir" && TMPDIR=/dev/shm nice -n 19 "$OLDPWD/build/fuzz/tests/fuzz/${t}_fuzzer" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -artifact_prefix="$dir/" "${dict[@]}" corpus 2>"$dir/log" >/dev/null) && rc=0 || rc=$?
  local runs cov
  runs=$(grep -oE 'Done [0-9]+ runs in [0-9]+ second' "$dir/log" | tail -1 || true)
  cov=$(grep -oE 'cov: [0-9]+' "$dir/log" | tail -1 || true)
  if ((rc == 0)); then
    echo "$t: ${runs:-?}s, ${cov:-cov ?}, nothing found"
  else
    echo "$t: FAILED (rc $rc) after $(grep -cE '^#' "$dir/log") status lines; see $dir/log and $dir/crash-*"
  fi
}

mkdir -p "$work"
running=0
for t in "${targets[@]}"; do
  run "$t" &
  running=$((running + 1))
  if ((running >= jobs)); then
    wait -n || true
    running=$((running - 1))
  fi
done
wait
