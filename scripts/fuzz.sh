#!/usr/bin/env bash
# Builds the libFuzzer target (fuzz preset: clang-14, ASan, UBSan) and fuzzes the
# engine for the given number of seconds, starting from a copy of the seed corpus.
# Exits non-zero on any finding (a crash, a sanitizer report, a broken invariant, a
# press that hangs or a run out of memory); the input that caused it is kept in
# build-fuzz/fuzz-run/findings/.
#
#   bash scripts/fuzz.sh 60            # one minute, as CI runs it
#   bash scripts/fuzz.sh 3600 -runs=10000000
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_presses

run=build-fuzz/fuzz-run
rm -rf "$run"
mkdir -p "$run/corpus" "$run/findings"
cp fuzz/corpus/* "$run/corpus/"

status=0
build-fuzz/fuzz/fuzz_presses "$run/corpus" \
  -dict=fuzz/presses.dict \
  -max_total_time="$seconds" \
  -timeout=10 \
  -rss_limit_mb=2048 \
  -max_len=12000 \
  -artifact_prefix="$run/findings/" \
  -print_final_stats=1 \
  "$@" >"$run/log" 2>&1 || status=$?

grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$run/log" || true
if [[ $status -ne 0 ]] || [[ -n "$(ls -A "$run/findings")" ]]; then
  echo "fuzz: finding (exit status $status); the log is $run/log:" >&2
  grep -E -A30 '==ERROR|invariant broken|runtime error|Test unit written' "$run/log" | head -80 >&2 || true
  ls -l "$run/findings" >&2
  exit 1
fi
echo "fuzz: no finding in ${seconds}s"
