#!/usr/bin/env python3
"""Golden session files: each NAME.jsonl holds session lines (one JSON object a line, what
the engineer changes before one press of 计算); NAME.expected.jsonl holds the answer of
`wallcalc-cli --session` to each line, in order. Lines starting with # are comments for
the reader and are not sent. The runner sends the lines through the program and compares
the answers with the expected ones; on a difference it names the line, the session line
and each field that differs (a calculation text line by line).

    run_golden.py --cli build/cli/wallcalc-cli tests/golden/ordinary.jsonl
    run_golden.py --cli build/cli/wallcalc-cli --update tests/golden/*.jsonl
"""
import argparse
import json
import pathlib
import subprocess
import sys


def session_lines(path):
    """The session lines of a golden file, with their line numbers; comments left out."""
    out = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if line.strip() and not line.lstrip().startswith("#"):
            out.append((number, line))
    return out


def answers(cli, lines):
    text = "".join(line + "\n" for _, line in lines)
    done = subprocess.run([cli, "--session", "-"], input=text.encode("utf-8"),
                          capture_output=True, check=False)
    if done.returncode != 0:
        sys.exit(f"{cli} --session exited with {done.returncode}: "
                 f"{done.stderr.decode('utf-8', 'replace')}")
    return done.stdout.decode("utf-8").splitlines()


def differences(expected, got, prefix=""):
    """Each field that differs, as 'field: expected → got'; texts line by line."""
    if isinstance(expected, dict) and isinstance(got, dict):
        out = []
        for key in list(expected) + [k for k in got if k not in expected]:
            out += differences(expected.get(key), got.get(key), f"{prefix}{key}.")
        return out
    if isinstance(expected, list) and isinstance(got, list) and len(expected) == len(got):
        out = []
        for i, (e, g) in enumerate(zip(expected, got)):
            out += differences(e, g, f"{prefix}{i}.")
        return out
    if expected == got:
        return []
    name = prefix.rstrip(".")
    if isinstance(expected, str) and isinstance(got, str) and "\r\n" in expected + got:
        e_lines, g_lines = expected.split("\r\n"), got.split("\r\n")
        out = [f"{name}: {len(e_lines)} lines expected, {len(g_lines)} written"]
        for i in range(max(len(e_lines), len(g_lines))):
            e = e_lines[i] if i < len(e_lines) else "(none)"
            g = g_lines[i] if i < len(g_lines) else "(none)"
            if e != g:
                out.append(f"  line {i + 1}: expected {e!r}\n           written  {g!r}")
        return out
    return [f"{name}: expected {json.dumps(expected, ensure_ascii=False)}, "
            f"written {json.dumps(got, ensure_ascii=False)}"]


def check(cli, path, update):
    lines = session_lines(path)
    got = answers(cli, lines)
    expected_path = path.with_name(path.name.replace(".jsonl", ".expected.jsonl"))
    if update:
        expected_path.write_text("".join(a + "\n" for a in got), encoding="utf-8")
        print(f"{expected_path}: {len(got)} answers written")
        return True
    expected = expected_path.read_text(encoding="utf-8").splitlines()
    ok = True
    if len(expected) != len(lines) or len(got) != len(lines):
        print(f"{path}: {len(lines)} session lines, {len(expected)} expected answers, "
              f"{len(got)} written")
        ok = False
    for (number, line), e, g in zip(lines, expected, got):
        if e == g:
            continue
        ok = False
        print(f"{path}:{number}: {line}")
        for d in differences(json.loads(e), json.loads(g)):
            print(f"  {d}")
    return ok


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", required=True, help="the wallcalc-cli program")
    parser.add_argument("--update", action="store_true",
                        help="write the answers as the expected ones (review the diff!)")
    parser.add_argument("files", nargs="+", type=pathlib.Path)
    args = parser.parse_args()
    results = [check(args.cli, f, args.update) for f in args.files
               if not f.name.endswith(".expected.jsonl")]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
