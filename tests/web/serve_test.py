#!/usr/bin/env python3
"""scripts/web.sh as a user starts it: the port it is given, and a port that is taken.

    serve_test.py --root SOURCE_DIR

web.sh builds before it serves; run where build-web is built (ctest --preset web), so that
its build has nothing left to do.
"""
import argparse
import os
import signal
import socket
import subprocess
import sys
import time
import unittest
import urllib.request

ROOT = None


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def web_sh(*args, timeout=60):
    return subprocess.run(["bash", os.path.join(ROOT, "scripts/web.sh"), *args], cwd=ROOT,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout,
                          text=True)


class Port(unittest.TestCase):
    def test_a_taken_port_is_said_in_one_line_before_any_build(self):
        with socket.socket() as taken:
            taken.bind(("127.0.0.1", 0))
            taken.listen()
            port = taken.getsockname()[1]
            start = time.monotonic()
            run = web_sh("--port", str(port))
            took = time.monotonic() - start
        self.assertNotEqual(run.returncode, 0)
        self.assertEqual(run.stdout, "")
        lines = run.stderr.splitlines()
        self.assertEqual(len(lines), 1, run.stderr)
        self.assertIn(str(port), lines[0])
        self.assertIn("已被占用", lines[0])
        self.assertIn("--port", lines[0])
        self.assertLess(took, 10, "said before building")

    def test_a_port_that_is_no_number_is_refused(self):
        for given in ("abc", "0", "65536", ""):
            with self.subTest(port=given):
                run = web_sh("--port", given)
                self.assertEqual(run.returncode, 2)
                self.assertEqual(len(run.stderr.splitlines()), 1, run.stderr)
                self.assertIn("--port", run.stderr)

    def test_serves_the_page_on_the_port_given_and_prints_its_url(self):
        port = free_port()
        server = subprocess.Popen(["bash", os.path.join(ROOT, "scripts/web.sh"), "--port", str(port)],
                                  cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                  text=True, start_new_session=True)
        try:
            url = f"http://127.0.0.1:{port}/"
            line = ""
            deadline = time.monotonic() + 600
            while url not in line and time.monotonic() < deadline:
                line = server.stdout.readline()
                if not line and server.poll() is not None:
                    self.fail(f"web.sh ended with status {server.returncode}")
            self.assertIn(url, line)
            with urllib.request.urlopen(url + "index.html", timeout=10) as page:
                self.assertIn("地下室外墙配筋计算", page.read().decode("utf-8"))
            with urllib.request.urlopen(url + "wallcalc.wasm", timeout=10) as module:
                self.assertEqual(module.headers["Content-Type"], "application/wasm")
                self.assertEqual(module.read(4), b"\0asm")
        finally:
            os.killpg(server.pid, signal.SIGINT)
            server.wait(timeout=10)


def main():
    global ROOT
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--root", required=True)
    ROOT = parser.parse_args().root
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(Port)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
