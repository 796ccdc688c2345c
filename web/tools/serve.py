#!/usr/bin/env python3
"""Serves the web edition's folder on http://127.0.0.1:PORT until Ctrl+C.

    serve.py --dir build-web/site --port 8080     serve, printing the URL first
    serve.py --port 8080 --check                  only say whether the port is free

A port that is taken (or cannot be had) is said in one line on standard error, with the
option that picks another, and the exit status is 1; nothing else is printed.
"""
import argparse
import errno
import functools
import http.server
import sys


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    # The module's type, whatever the system's table of types says.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def port_problem(port, error):
    taken = error.errno == errno.EADDRINUSE
    reason = "已被占用" if taken else f"无法使用（{error.strerror or error}）"
    return (f"web.sh：端口 {port} {reason}；请用 --port 指定另一个端口，"
            f"如 bash scripts/web.sh --port {port + 1 if port < 65535 else 8081}")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--dir", default=".")
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--check", action="store_true", help="only check that the port is free")
    args = parser.parse_args()
    handler = functools.partial(QuietHandler, directory=args.dir)
    try:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port), handler)
    except OSError as error:
        print(port_problem(args.port, error), file=sys.stderr)
        return 1
    if args.check:
        server.server_close()
        return 0
    print(f"serving {args.dir} on http://127.0.0.1:{args.port}/ (Ctrl+C stops)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
