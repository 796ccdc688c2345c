#!/usr/bin/env python3
"""A session or a model batch that a program drives line by line: the answer to each line
comes before the next line is written, whether the lines arrive on standard input or
through a named pipe given as the file. (A file of lines is answered in large blocks; a
line not yet given must never hold back the answers before it.)

    lines_answered_at_once.py --cli build/cli/wallcalc-cli
"""
import argparse
import json
import os
import select
import subprocess
import sys
import tempfile

GOLDEN_MODEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "golden", "model",
                            "three_storeys.json")


def one_line(path):
    with open(path, encoding="utf-8") as f:
        return json.dumps(json.load(f), ensure_ascii=False)


# Each command with its lines and a key the answer to each line has.
COMMANDS = [
    ("session", "--session", lambda: [
        ('{"mode":"ordinary","case":"A"}', "completed"),
        ('{"h5":"abc"}', "completed"),
        ("not json", "error"),
        ('{"basis":"2010","h5":"350"}', "completed"),
    ]),
    ("model batch", "--model-batch", lambda: [
        (one_line(GOLDEN_MODEL), "analysis"),
        ("not json", "error"),
        (one_line(GOLDEN_MODEL), "analysis"),
    ]),
]
WAIT_SECONDS = 10


def answers_each_line(session, write, lines):
    """Writes the lines one at a time and reads each answer before the next line."""
    for line, key in lines:
        write(line + "\n")
        ready, _, _ = select.select([session.stdout], [], [], WAIT_SECONDS)
        if not ready:
            return f"no answer within {WAIT_SECONDS} s to {line}"
        answer = json.loads(session.stdout.readline())
        if key not in answer:
            return f"the answer to {line} has no {key}: {answer}"
    return None


def through_standard_input(cli, option, lines):
    session = subprocess.Popen([cli, option, "-"], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

    def write(text):
        session.stdin.write(text.encode("utf-8"))
        session.stdin.flush()

    try:
        return answers_each_line(session, write, lines)
    finally:
        session.stdin.close()
        session.wait(WAIT_SECONDS)


def through_a_named_pipe(cli, option, lines):
    with tempfile.TemporaryDirectory(prefix="wallcalc-session-") as folder:
        fifo = os.path.join(folder, "lines")
        os.mkfifo(fifo)
        session = subprocess.Popen([cli, option, fifo], stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL)
        with open(fifo, "w", encoding="utf-8") as pipe:

            def write(text):
                pipe.write(text)
                pipe.flush()

            failure = answers_each_line(session, write, lines)
        session.wait(WAIT_SECONDS)
        return failure


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    args = parser.parse_args()
    failed = False
    for command, option, lines in COMMANDS:
        for way_name, way in [("standard input", through_standard_input),
                              ("a named pipe", through_a_named_pipe)]:
            failure = way(args.cli, option, lines())
            print(f"{command} through {way_name}: "
                  f"{failure or 'every line answered before the next was written'}")
            failed = failed or failure is not None
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
