#!/usr/bin/env python3
"""Every source file of every target is compiled with the program's options (the
interface target wallcalc::options): reads the build's compile_commands.json and fails,
naming the files, when a compile command lacks one of the options given.

    options_everywhere.py build/compile_commands.json -ffp-contract=off -Wall -Wextra
"""
import json
import shlex
import sys


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    with open(argv[0], encoding="utf-8") as f:
        commands = json.load(f)
    wanted = argv[1:]
    missing = []
    for entry in commands:
        words = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
        lacking = [option for option in wanted if option not in words]
        if lacking:
            missing.append(f"{entry['file']}: {' '.join(lacking)}")
    if not commands:
        print("no compile commands")
        return 1
    if missing:
        print(f"{len(missing)} of {len(commands)} files compiled without the program's options:")
        print("\n".join(missing[:40]))
        return 1
    print(f"{len(commands)} files, each compiled with {' '.join(wanted)}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
