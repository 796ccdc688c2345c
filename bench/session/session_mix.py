#!/usr/bin/env python3
"""A random mix of session lines for timing `wallcalc-cli --session FILE > OUT`.

    session_mix.py [--lines 50000] [--seed 1] > mix.jsonl
    session_mix.py --summary OUT                 # what the answers in OUT hold
    session_mix.py --time build/cli/wallcalc-cli [--lines 200000] [--runs 5]
        # the mix file to file: `wallcalc-cli --session MIX > OUT`, lines a second of
        # wall time and of the program's CPU time (user + system), each run

The same seed gives the same file, byte for byte. The lines change what an engineer
changes between presses, in one window: the mode (by its key and by its Chinese name),
the basis, the case with a water level that fits it (now and then one that does not),
the grades by name and by position, one to three inputs with sound values, about one
line in eight every input afresh, odd texts in a box (blanks, exponents, full-width
signs, a text that is no number, NUL), and lines the session refuses (not JSON, an
unknown key, a value of the wrong kind, a grade the basis lacks). The walls range from
thin to thick, so that the mix holds presses that satisfy the codes, presses that
complete without satisfying them, and presses that end early with a message.
"""
import argparse
import collections
import json
import os
import random
import resource
import subprocess
import sys
import tempfile
import time

# Sound values of each input: low, high, decimals.
SOUND = {"h1": (-0.6, -0.3, 2), "h3": (-2.6, -2.3, 2), "h4": (-7.5, -6.0, 2),
         "qrf": (0, 120, 1), "h5": (220, 650, 0), "c1": (25, 60, 0), "c2": (15, 50, 0),
         "gamma": (15, 21, 1), "qfj": (0, 30, 1), "eta": (1.0, 1.5, 2),
         "spacing": (80, 250, 0), "limit": (0.1, 0.3, 2), "gammaG": (1.0, 1.35, 2),
         "gammaQ": (1.0, 1.5, 2), "psiq": (0.0, 1.0, 1), "gamma0": (0.9, 1.1, 1)}
# Values an engineer types most: the codes' cover and crack limit.
USUAL = {"c1": ["50", "50", "55", "60"], "limit": ["0.2", "0.2", "0.15"]}
INPUTS = list(SOUND)
# The ground water of each case between the elevations above.
WATER = {"A": (-1.4, -0.65), "B": (-4.4, -3.3), "C": (-9.5, -8.1)}
MODES = ["ordinary", "civil-defence", "人防", "非人防"]
CONCRETE = [f"C{g}" for g in range(15, 85, 5)]
STEEL = {"2002": ["Ⅰ级(HPB235)", "Ⅱ级(HRB335)", "Ⅲ级(HRB400)", "Ⅳ级(RRB400)"],
         "2010": ["HPB300", "HRB335", "HRB400", "RRB400", "HRB500"]}
ODD = ["", " ", "abc", "1,5", "0", "-0", "1e999", "1e-400", " 350.00 ", "350.", ".5",
       "＋3", "3 5", "1e", "--1", "0x10", "inf", "nan", "2.5E2", "1e-3", "-1", "1e308",
       "３５０", "35\u0000", "墙厚"]
REFUSED = ["", "not json", "[1,2]", '"text"', "{", '{"h1": 1}', '{"mode": 3}',
           '{"unknown": "1"}', '{"mode": "both"}', '{"case": "D"}', '{"concrete": true}',
           '{"steel": "HRB999"}', '{"basis": "2020"}', '{"concrete": 99}']


class Engineer:
    """What the lines change, knowing the basis in effect and which boxes hold a text that
    is no number (set right again on one of the next lines, as an engineer corrects it)."""

    def __init__(self, rng):
        self.rng = rng
        self.basis = "2002"
        self.odd = set()

    def number_text(self, key):
        rng = self.rng
        if rng.random() < 0.04:
            self.odd.add(key)
            return rng.choice(ODD)
        self.odd.discard(key)
        if key in USUAL and rng.random() < 0.7:
            return rng.choice(USUAL[key])
        low, high, decimals = SOUND[key]
        text = f"{rng.uniform(low, high):.{decimals}f}"
        return text + "0" * rng.randint(0, 1) if "." in text else text

    def line(self):
        rng = self.rng
        if rng.random() < 0.04:
            return rng.choice(REFUSED)
        out = {}
        if rng.random() < 0.3:
            out["mode"] = rng.choice(MODES)
        if rng.random() < 0.2:
            basis = rng.choice(["2002", "2010"])
            out["basis"] = rng.choice([basis, ["2002", "2010"].index(basis)])
            self.basis = basis
        chosen = INPUTS if rng.random() < 0.12 else rng.sample(INPUTS, rng.randint(1, 3))
        if self.odd and rng.random() < 0.7:
            chosen = sorted(set(chosen) | self.odd)
        for key in chosen:
            out[key] = self.number_text(key)
        if rng.random() < 0.4:
            case = rng.choice("ABC")
            out["case"] = rng.choice([case, "情况" + case, "ABC".index(case)])
            # A water level that does not fit the case now and then: the press stops.
            fits = rng.random() < 0.95
            out["h2"] = f"{rng.uniform(*WATER[case if fits else rng.choice('ABC')]):.2f}"
        if rng.random() < 0.25:
            out["concrete"] = rng.choice(CONCRETE[1:] + [CONCRETE[0], rng.randint(0, 13)])
        if rng.random() < 0.25:
            # Now and then a grade of the other basis, which the session refuses.
            basis = self.basis if rng.random() < 0.95 else rng.choice(list(STEEL))
            out["steel"] = rng.choice(STEEL[basis] + [rng.randint(0, 3)])
        return json.dumps(out, ensure_ascii=rng.random() < 0.5)


def summary(path):
    """Counts of the answers: refused lines, presses that ended early, completed ones and
    their verdicts, and the mean answer's size."""
    counts = collections.Counter()
    size = 0
    with open(path, "rb") as f:
        for raw in f:
            size += len(raw)
            answer = json.loads(raw)
            if "error" in answer:
                counts["refused"] += 1
                continue
            counts[f"basis {answer['basis']}"] += 1
            if not answer["completed"]:
                counts["ended early" if answer["messages"] else "no press (no mode or case)"] += 1
                continue
            counts["completed"] += 1
            counts["satisfied" if answer["verdict"]["ok"] else "not satisfied"] += 1
    total = sum(counts[k] for k in ("refused", "basis 2002", "basis 2010"))
    for key, count in sorted(counts.items()):
        print(f"{key}: {count} ({100 * count / total:.1f} %)")
    print(f"lines: {total}, mean answer {size / total:.0f} bytes")


def mix(lines, seed):
    """The session file's bytes: the first line chooses a mode and a case, as an engineer
    starts."""
    rng = random.Random(seed)
    out = [json.dumps({"mode": "ordinary", "case": "A"})]
    engineer = Engineer(rng)
    out += [engineer.line() for _ in range(lines - 1)]
    return ("\n".join(out) + "\n").encode("utf-8")


def time_runs(cli, lines, seed, runs):
    """Runs the program on the mix, file to file, and says each run's figures."""
    with tempfile.TemporaryDirectory(prefix="session-mix-") as folder:
        path = os.path.join(folder, "mix.jsonl")
        with open(path, "wb") as f:
            f.write(mix(lines, seed))
        out_path = os.path.join(folder, "answers.jsonl")
        for run in range(1, runs + 1):
            before = resource.getrusage(resource.RUSAGE_CHILDREN)
            start = time.perf_counter()
            with open(out_path, "wb") as out:
                subprocess.run([cli, "--session", path], stdout=out, check=True)
            wall = time.perf_counter() - start
            after = resource.getrusage(resource.RUSAGE_CHILDREN)
            cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
            load = os.getloadavg()[0]
            print(f"run {run}: {lines} lines, {wall:.2f} s wall ({lines / wall:,.0f} lines/s), "
                  f"{cpu:.2f} s CPU ({lines / cpu:,.0f} lines/s), load average {load:.1f}")
        summary(out_path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lines", type=int, default=50000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--summary", metavar="OUT")
    parser.add_argument("--time", metavar="CLI")
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    if args.summary:
        summary(args.summary)
    elif args.time:
        time_runs(args.time, args.lines, args.seed, args.runs)
    else:
        sys.stdout.buffer.write(mix(args.lines, args.seed))


if __name__ == "__main__":
    main()
