#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset: clang-14, ASan, UBSan) and fuzzes, from a
# copy of their seed corpora: the presses of the window (fuzz_presses) for the given
# number of seconds, then the command line's session lines (fuzz_session) and the wall
# model's JSON (fuzz_model) for a quarter of it each (at least 10 s). Exits non-zero on
# any finding (a crash, a sanitizer report, a broken invariant, a press that hangs, a run
# out of memory); the input that caused it is kept in build-fuzz/fuzz-run/<target>/findings/.
#
#   bash scripts/fuzz.sh 60                       # as CI runs it
#   bash scripts/fuzz.sh 7200 -runs=10000000      # options go to both targets
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
session_seconds=$((seconds / 4 > 10 ? seconds / 4 : 10))

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_presses fuzz_session fuzz_model

# run TARGET SEEDS DICTIONARY SECONDS [options]
run() {
  local target=$1 seeds=$2 dict=$3 time=$4
  shift 4
  local dir=build-fuzz/fuzz-run/$target
  rm -rf "$dir"
  mkdir -p "$dir/corpus" "$dir/findings"
  cp "$seeds"/* "$dir/corpus/"

  local status=0
  "build-fuzz/fuzz/$target" "$dir/corpus" \
    -dict="$dict" \
    -max_total_time="$time" \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -max_len=12000 \
    -artifact_prefix="$dir/findings/" \
    -print_final_stats=1 \
    "$@" >"$dir/log" 2>&1 || status=$?

  echo "$target: $(grep -E '^stat::number_of_executed_units' "$dir/log" | awk '{print $2}') executions"
  if [[ $status -ne 0 ]] || [[ -n "$(ls -A "$dir/findings")" ]]; then
    echo "$target: finding (exit status $status); the log is $dir/log:" >&2
    grep -E -A30 '==ERROR|invariant broken|== session line|runtime error|Test unit written' \
      "$dir/log" | head -80 >&2 || true
    ls -l "$dir/findings" >&2
    return 1
  fi
}

run fuzz_presses fuzz/corpus fuzz/presses.dict "$seconds" "$@"
run fuzz_session fuzz/session_corpus fuzz/session.dict "$session_seconds" "$@"
run fuzz_model fuzz/model_corpus fuzz/model.dict "$session_seconds" "$@"
echo "fuzz: no finding"
