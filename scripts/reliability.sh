#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long reliability runs, whose figures tests/RELIABILITY.md reports:
#   1. every fuzz target for FUZZ_SECONDS (default 600) with libFuzzer,
#      AddressSanitizer and UndefinedBehaviorSanitizer (clang);
#   2. each data file's writer killed 1000 times at random moments;
#   3. the hostile and failing FTP servers, a row per scenario;
#   4. a game session of 100,000 deals.
# The quick versions of 2 to 4 and a replay of the fuzz corpus run in CI
# (ctest); this command alone runs the long ones. Logs go to
# $RELIABILITY_LOGS (default /tmp/reliability).
set -euo pipefail
cd "$(dirname "$0")/.."
logs=${RELIABILITY_LOGS:-/tmp/reliability}
fuzz_seconds=${FUZZ_SECONDS:-600}
mkdir -p "$logs"

# The fuzzers need clang and its libFuzzer runtime, which CI does not.
./setup.sh
for p in clang libclang-rt-14-dev; do
  if [[ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" != "install ok installed" ]]; then
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get install -y -qq --no-install-recommends "$p"
  fi
done

# The programs' code with the sanitizers, as CI builds it.
cmake --preset asan >/dev/null
cmake --build --preset asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
bin=build/asan/tests

echo "== fuzzing, ${fuzz_seconds} s a target"
FUZZ_WORK="$logs/fuzz" scripts/fuzz.sh "$fuzz_seconds" | tee "$logs/fuzz.txt"

echo "== crash safety, 1000 kills a file"
for file in user.dat statistics.dat user.db filters.db; do
  "$bin/reliability/crash_safety" "$file" 1000 "$bin/reliability/data_file_writer"
done | tee "$logs/crash_safety.txt"

echo "== hostile and failing servers"
RELIABILITY_ROWS=1 QT_QPA_PLATFORM=offscreen "$bin/transfer/remote/quillmere_hostile_tests" >"$logs/hostile.log" 2>&1 || {
  grep -E 'FAILED|Failure' "$logs/hostile.log"
  exit 1
}
grep '^|' "$logs/hostile.log" | tee "$logs/hostile.txt"

echo "== a session of 100,000 deals"
"$bin/reliability/long_session" 100000 1 | tee "$logs/long_session.txt"

if grep -q FAILED "$logs/fuzz.txt"; then
  echo "a fuzz target failed: see $logs/fuzz" >&2
  exit 1
fi
echo "all long runs passed; figures in $logs"
