#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit and window
# tests, the same tests under AddressSanitizer and UBSan, and a one-minute fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --workflow --preset default
cmake --workflow --preset sanitize
if [[ -f fuzz/CMakeLists.txt ]]; then
  bash scripts/fuzz.sh 60
fi
echo "all tests passed"
