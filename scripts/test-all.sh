#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit and window
# tests, the same tests under AddressSanitizer and UBSan, the web edition in headless
# Chromium, and a one-minute fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --workflow --preset default
cmake --workflow --preset sanitize
bash scripts/web.sh --test
if [[ -f fuzz/CMakeLists.txt ]]; then
  bash scripts/fuzz.sh 60
fi
echo "all tests passed"
