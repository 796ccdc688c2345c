#!/usr/bin/env python3
"""A two-storey wall panel between side supports (6 m wide, fixed on the left, pinned on the
right, pinned at the roof slab and fixed at the base), answered by the program and recorded:

- two_storey_panel.json: the wall under earth, water (two levels) and the surcharge;
- two_storey_panel_permanent.json: the same wall without the surcharge and with one water
  level, so that the design load is γ0·γG times the characteristic load and the
  quasi-permanent load equals it. The plate is linear and each combination is solved on the
  same mesh, so its design moments and edge shears are γ0·γG times the recorded
  characteristic ones, and its quasi-permanent moments equal them.

Checks:
- `wallcalc-cli --model X --json` answers exactly as X's .expected.json (every figure), and
  `wallcalc-cli --model X` writes the calculation text X.text.expected.txt records;
- the total load is the pressure integrated here from first principles times the width, and
  the recorded edge reactions of all storeys balance it; the vertical moment over the
  intermediate slab is the same from the storey above and below; a pinned edge carries no
  moment;
- every face and shear of the permanent wall designed again here from the recorded
  characteristic moments and reactions, with the section formulas of GB 50010-2010 (2015
  edition) written in independent_model.py (h0 = h − c − d/2, αs, ξ, As 6.2.10, ρmin 8.5.1,
  crack width 7.1.2, shear without stirrups 6.3.3): the horizontal bars lie inside the
  vertical bars of their face (cover c + d of the largest vertical bar of that face, 8 mm
  where it has none); the shear of an edge is its largest line reaction (recorded as
  edgeShears), which is not below its mean (the edge's total over its length).

    independent_panel.py --cli build/cli/wallcalc-cli [--update]
"""
import argparse
import json
import pathlib
import sys

from independent_model import (CONCRETE, NO_FORCE, SIZES, STEEL, Comparison, area, crack,
                               defaults, face, integrate, materials, pressure, run)

HERE = pathlib.Path(__file__).resolve().parent
WALLS = ("two_storey_panel", "two_storey_panel_permanent")
# Figures are recorded to three decimals: a value derived from a recorded moment carries its
# rounding (half a unit of the third decimal) times the factors applied to it.
RELATIVE = 2e-4


def close(cmp, where, got, mine):
    cmp.figures += 1
    if got is None or abs(got - mine) > 0.0005 + RELATIVE * abs(mine):
        cmp.faults.append(f"{cmp.name}: {where}: the program {got}, independently {mine:.6f}")


def total_load(m):
    """The characteristic pressure over the wall's height (kN per metre of width)."""
    p = pressure(m, "characteristic")
    breaks = [m["ground"], min(m["water"], m["ground"])]
    total = 0.0
    for i in range(len(m["storeys"])):
        top, bottom = m["slabs"][i], m["slabs"][i + 1]
        total += integrate(lambda x, i=i, top=top: p(top - x, i), 0, top - bottom,
                           [top - b for b in breaks])
    return total


def check_statics(cmp, m, answer):
    a = answer["analysis"]
    close(cmp, "totalLoad", a["totalLoad"], m["panel"]["width"] * total_load(m))
    reactions = sum(r for s in a["storeys"] for r in s["reactions"].values())
    cmp.figures += 1
    if abs(reactions - a["totalLoad"]) > 0.004:
        cmp.faults.append(f"{cmp.name}: the edge reactions sum to {reactions}, "
                          f"the load is {a['totalLoad']}")
    for i in range(len(a["storeys"]) - 1):
        above = a["storeys"][i]["vertical"]["bottom"]["M"]
        below = a["storeys"][i + 1]["vertical"]["top"]["M"]
        cmp.figures += 1
        if abs(above - below) > 0.005 * abs(below):
            cmp.faults.append(f"{cmp.name}: over slab {i + 1} the moment is {above} above and "
                              f"{below} below")
    # The largest line reaction of an edge is not below its mean (the total over the length).
    width = m["panel"]["width"]
    for i, s in enumerate(a["storeys"]):
        height = m["slabs"][i] - m["slabs"][i + 1]
        for edge, length in (("top", width), ("bottom", width), ("left", height), ("right", height)):
            cmp.figures += 1
            if s["edgeShears"][edge] < s["reactions"][edge] / length - 0.0005:
                cmp.faults.append(f"{cmp.name}: storeys[{i}] {edge}: the largest line reaction "
                                  f"{s['edgeShears'][edge]} is below the mean")
    pinned = [("right", s["horizontal"]["right"]) for s in a["storeys"]]
    pinned.append(("top", a["storeys"][0]["vertical"]["top"]))
    for edge, moment in pinned:
        cmp.same(f"pinned {edge} moment", moment["M"], 0.0)


def redesign(cmp, m, answer):
    """The permanent wall's faces and shears from its recorded characteristic figures."""
    factor = m["gamma0"] * m["gammaG"]
    peace = materials(m, False)
    ft, fy = CONCRETE[m["concrete"]]["ft"], STEEL[m["steel"]]["fy"]
    rho = max(0.2, 45 * ft / fy)                                                     # 8.5.1
    spacing = m["spacing"]
    for i, (k, got) in enumerate(zip(answer["analysis"]["storeys"], answer["design"]["storeys"])):
        st = m["storeys"][i]
        h, c1, c2 = st["thickness"], st["c1"], st["c2"]
        v, hz = k["vertical"], k["horizontal"]

        def water(moment):
            return -moment["M"] if moment else 0.0

        def inner(moment):
            return moment["M"] if moment else 0.0

        def design_face(key, Mk, cover):
            where = f"storeys[{i}].{key}"
            if not Mk > NO_FORCE:
                cmp.same(where, got[key], None)
                return None
            Md = factor * Mk
            f = face(Md, Mk, h, cover, spacing, m["limit"], rho / 100 * 1000 * h, peace)
            g = got[key]
            close(cmp, f"{where}.M", g["M"], Md)
            close(cmp, f"{where}.As", g["As"], f["As"])
            close(cmp, f"{where}.AsMin", g["AsMin"], f["As_min"])
            close(cmp, f"{where}.xi", g["xi"], f["xi"])
            cmp.same(f"{where}.bars", g["bars"], f"{f['placed']}@{spacing:g}")
            close(cmp, f"{where}.AsProvided", g["AsProvided"], area(f["placed"], spacing))
            close(cmp, f"{where}.w", g["w"], crack(Mk, h, cover, f["placed"], spacing, peace))
            return dict(d=f["placed"], cover=cover)

        top = design_face("waterFaceTop", water(v["top"]), c1)
        bottom = design_face("waterFaceBottom", water(v["bottom"]), c1)
        span = design_face("innerFace", inner(v["span"]), c2)
        d_water = max([SIZES[0]] + [f["d"] for f in (top, bottom) if f])
        d_inner = span["d"] if span else SIZES[0]
        side_moment = max(water(hz["left"]), water(hz["right"]))
        side = design_face("horizontalSupport", side_moment, c1 + d_water)
        field = design_face("horizontalSpan", inner(hz["span"]), c2 + d_inner)

        def shear(key, line_reaction, support, fallback_cover):
            bars = support or span_of(key)
            d, cover = (bars["d"], bars["cover"]) if bars else (SIZES[0], fallback_cover)
            h0 = h - cover - d / 2
            beta = (800 / min(max(h0, 800), 2000)) ** 0.25                               # 6.3.3
            close(cmp, f"storeys[{i}].{key}.V", got[key]["V"], factor * line_reaction)
            close(cmp, f"storeys[{i}].{key}.Vc", got[key]["Vc"], 0.7 * beta * ft * h0)

        def span_of(key):
            return field if key == "shearSide" else span

        v = k["edgeShears"]
        shear("shearTop", v["top"], top, c1)
        shear("shearBottom", v["bottom"], bottom, c1)
        shear("shearSide", max(v["left"], v["right"]), side, c1 + d_water)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--update", action="store_true",
                        help="write the program's answers as the recorded ones (review the diff!)")
    args = parser.parse_args()
    faults, figures = [], 0
    for name in WALLS:
        model_path, expected_path = HERE / f"{name}.json", HERE / f"{name}.expected.json"
        status, out, err = run(args.cli, ["--model", str(model_path), "--json"])
        if status != 0:
            faults.append(f"{name}: exit {status}, 0 expected: {err.strip()}")
            continue
        answer = json.loads(out)
        text_path = HERE / f"{name}.text.expected.txt"
        text_status, text, _ = run(args.cli, ["--model", str(model_path)])
        if args.update:
            expected_path.write_text(json.dumps(answer, indent=1, ensure_ascii=False) + "\n",
                                     encoding="utf-8")
            text_path.write_text(text, encoding="utf-8")
            print(f"{expected_path}, {text_path.name} written")
            continue
        if answer != json.loads(expected_path.read_text("utf-8")):
            faults.append(f"{name}: the answer differs from {expected_path.name}")
        recorded = text_path.read_text("utf-8").splitlines()
        for number, (e, g) in enumerate(zip(recorded, text.splitlines()), 1):
            if e != g:
                faults.append(f"{text_path.name}:{number}: recorded {e!r}, written {g!r}")
                break
        if text_status != 0 or len(recorded) != len(text.splitlines()):
            faults.append(f"{name}: text exit {text_status}, {len(text.splitlines())} lines "
                          f"for {len(recorded)} recorded")
        m = defaults(json.loads(model_path.read_text("utf-8")))
        cmp = Comparison(name)
        check_statics(cmp, m, answer)
        if name.endswith("_permanent"):
            redesign(cmp, m, answer)
        faults += cmp.faults
        figures += cmp.figures
    for fault in faults:
        print(fault)
    print(f"{len(WALLS)} panels, {figures} figures compared, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
