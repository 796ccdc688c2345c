#!/usr/bin/env bash
# The web edition: installs what is missing, builds the WebAssembly module and its page
# into build-web/site and serves them on http://127.0.0.1:8080 (Ctrl+C stops the server).
#   bash scripts/web.sh           build and serve
#   bash scripts/web.sh --build   build only
#   bash scripts/web.sh --test    build, then test the page in headless Chromium against the
#                                 native command line (built first in build/ if missing)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# Emscripten's tools need Debian's node modules (acorn) whichever node is installed.
export NODE_PATH=/usr/share/nodejs
cmake --preset web >/dev/null
cmake --build --preset web

case "${1:-}" in
  --build)
    exit 0
    ;;
  --test)
    cmake --preset default >/dev/null
    cmake --build --preset default --target wallcalc-cli number_texts
    exec ctest --preset web
    ;;
  "")
    ;;
  *)
    echo "usage: bash scripts/web.sh [--build|--test]" >&2
    exit 2
    ;;
esac

echo "serving build-web/site on http://127.0.0.1:8080 (Ctrl+C stops)"
cd build-web/site
exec python3 -m http.server 8080 --bind 127.0.0.1
