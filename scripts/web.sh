#!/usr/bin/env bash
# The web edition: installs what is missing, builds the WebAssembly module and its page
# into build-web/site and serves them on http://127.0.0.1:8080 (Ctrl+C stops the server).
#   bash scripts/web.sh                 build and serve
#   bash scripts/web.sh --port 8091     build and serve on another port
#   bash scripts/web.sh --build         build only
#   bash scripts/web.sh --single-file   build build-web/wallcalc.html: the whole program in
#                                       one file that opens from disk, no server needed
#   bash scripts/web.sh --test          build, then test the page in headless Chromium against
#                                       the native command line (built first in build/ if missing)
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: bash scripts/web.sh [--port N | --build | --single-file | --test]" >&2
}

action=serve
port=8080
while (($# > 0)); do
  case "$1" in
    --build | --test | --single-file) action=${1#--} ;;
    --port | --port=*)
      if [[ $1 == --port ]]; then
        port=${2:-}
        shift || true
      else
        port=${1#--port=}
      fi
      if ! [[ $port =~ ^[0-9]+$ ]] || ((port < 1 || port > 65535)); then
        echo "web.sh：--port 应为 1 到 65535 之间的端口号，而不是“${port}”" >&2
        exit 2
      fi
      ;;
    -h | --help)
      usage
      exit 0
      ;;
    *)
      usage
      exit 2
      ;;
  esac
  shift
done

# A port that is taken is said at once, before minutes of building.
if [[ $action == serve ]]; then
  python3 web/tools/serve.py --port "$port" --check || exit 1
fi

bash scripts/install-deps.sh
# Emscripten's tools need Debian's node modules (acorn) whichever node is installed.
export NODE_PATH=/usr/share/nodejs
cmake --preset web >/dev/null

case "$action" in
  build)
    exec cmake --build --preset web
    ;;
  single-file)
    cmake --build --preset web --target wallcalc_one_file
    echo "build-web/wallcalc.html: the whole program in one file; send it to anyone, it opens from disk"
    exit 0
    ;;
  test)
    cmake --build --preset web
    cmake --preset default >/dev/null
    cmake --build --preset default --target wallcalc-cli number_texts
    exec ctest --preset web
    ;;
esac

cmake --build --preset web
exec python3 web/tools/serve.py --dir build-web/site --port "$port"
