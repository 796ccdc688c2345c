#!/usr/bin/env python3
"""What scripts/run.sh builds: the window preset configured into a scratch folder, and
ninja's dry run of the build preset's targets. Fails unless it is a Release build of the
window and the libraries it links alone — no test, benchmark, fuzzer, command-line program
or web tool — and unless run.sh starts the program that build makes.

    window_build_test.py --root SOURCE_DIR
"""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--root", required=True)
    root = parser.parse_args().root
    with open(os.path.join(root, "CMakePresets.json"), encoding="utf-8") as f:
        presets = json.load(f)
    build = next(p for p in presets["buildPresets"] if p["name"] == "window")
    with open(os.path.join(root, "scripts/run.sh"), encoding="utf-8") as f:
        run_sh = f.read()
    failures = []
    for wanted in ("cmake --preset window", "cmake --build --preset window",
                   "exec build-window/app/wallcalc"):
        if wanted not in run_sh:
            failures.append(f"scripts/run.sh does not run “{wanted}”")

    scratch = tempfile.mkdtemp(prefix="wallcalc-window-build-")
    try:
        subprocess.run(["cmake", "--preset", build["configurePreset"], "-B", scratch],
                       cwd=root, check=True, stdout=subprocess.DEVNULL)
        with open(os.path.join(scratch, "CMakeCache.txt"), encoding="utf-8") as f:
            cache = f.read()
        if "CMAKE_BUILD_TYPE:STRING=Release" not in cache:
            failures.append("the window preset is not a Release build")
        dry = subprocess.run(["ninja", "-C", scratch, "-n", *build["targets"]], check=True,
                             stdout=subprocess.PIPE, text=True).stdout
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    objects = re.findall(r"Building CXX object (\S+)", dry)
    linked = re.findall(r"Linking CXX (?:executable|static library) (\S+)", dry)
    stray = [o for o in objects + linked
             if re.match(r"(tests|bench|fuzz|web)/", o) or "wallcalc-cli" in o]
    if stray:
        failures.append("run.sh would also build: " + ", ".join(stray[:10]))
    if "app/wallcalc" not in linked:
        failures.append("run.sh would not link app/wallcalc")
    print(f"run.sh builds {len(objects)} objects and links {', '.join(linked)}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
