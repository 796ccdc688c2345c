#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [[ -x build/app/wallcalc ]]; then
  exec build/app/wallcalc "$@"
fi
exec build/cli/wallcalc-cli --mode ordinary "$@"
