#!/usr/bin/env bash
# Installs what is missing, builds the window (its target alone, Release, in build-window/)
# and starts it. The tests and benchmarks are built by scripts/test-all.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset window >/dev/null
cmake --build --preset window
exec build-window/app/wallcalc "$@"
