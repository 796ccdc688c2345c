#!/usr/bin/env python3
"""Runs two programs and fails unless they print the same bytes: same_output.py A… -- B…"""
import subprocess
import sys


def main(argv):
    split = argv.index("--")
    outputs = [subprocess.run(cmd, check=True, stdout=subprocess.PIPE).stdout
               for cmd in (argv[:split], argv[split + 1:])]
    lines = [o.decode("utf-8", "replace").splitlines() for o in outputs]
    if outputs[0] == outputs[1]:
        print(f"same output: {len(lines[0])} lines")
        return 0
    for number, (a, b) in enumerate(zip(*lines), start=1):
        if a != b:
            print(f"line {number} differs:\n  native: {a}\n  wasm:   {b}")
            break
    else:
        print(f"lengths differ: {len(lines[0])} and {len(lines[1])} lines")
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
