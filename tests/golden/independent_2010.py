#!/usr/bin/env python3
"""The GB 50010-2010 basis computed a second time, independently of the program: the earth,
water and surcharge pressure at each depth from first principles (K0 = 0.5, γw = 10, the
soil below the water with γ − 10), the moment at the fixed base of the propped strip by
Gauss integration of its influence line, then the design as GB 50010-2010 (2015 edition)
writes it, every value unrounded: h0 = h5 − c1 − d/2 at the bars' own diameter, α1·fc,
ξb, the minimum steel, the crack width of the bars chosen (αcr 1.9, ρte ≥ 0.01, ψ within
0.2 … 1, cs within 20 … 65, deq = d/ν), the shear 0.7·βh·ft·b·h0. Each wall is sent to
`wallcalc-cli --json`; its six boxes must read as the values here shown to three decimals,
its unrounded shear and span steel must agree to 1e-9, and its verdict must name the checks
that fail here.

    independent_2010.py --cli build/cli/wallcalc-cli
"""
import argparse
import json
import math
import subprocess
import sys
from decimal import ROUND_HALF_UP, Decimal

# GB 50010-2010 (2015 edition): fc (Table 4.1.4-1), α1 and β1 (6.2.6), ft (4.1.4-2), ftk
# (4.1.3-2); GB 50038-2005: the civil-defence factor and minimum steel of the grade.
CONCRETE = {
    "C15": (7.2, 1.0, 0.91, 1.27, 0.8, 1.5, 0.25, 15),
    "C20": (9.6, 1.0, 1.1, 1.54, 0.8, 1.5, 0.25, 20),
    "C25": (11.9, 1.0, 1.27, 1.78, 0.8, 1.5, 0.25, 25),
    "C30": (14.3, 1.0, 1.43, 2.01, 0.8, 1.5, 0.25, 30),
    "C40": (19.1, 1.0, 1.71, 2.39, 0.8, 1.5, 0.30, 40),
}
# fy (Table 4.2.3-1), Es (4.2.5), plain bars, the civil-defence factor, the grade number.
STEEL = {
    "HPB300": (270, 2.1e5, True, None, 300),
    "HRB335": (300, 2.0e5, False, 1.35, 335),
    "HRB400": (360, 2.0e5, False, 1.2, 400),
}
PRESS_BARS = [12, 14, 16, 18, 20, 22, 25]
DEFAULTS = dict(h1=-0.45, h2=-1.35, h3=-2.45, h4=-6.3, h5=350, c1=50, c2=30, gamma=18, qfj=10,
                gammaG=1.3, gammaQ=1.5, psiq=0.5, gamma0=1.0, spacing=100, limit=0.2, qrf=0)

GAUSS = [(-0.9061798459386640, 0.2369268850561891), (-0.5384693101056831, 0.4786286704993665),
         (0.0, 0.5688888888888889), (0.5384693101056831, 0.4786286704993665),
         (0.9061798459386640, 0.2369268850561891)]


def integrate(f, a, b, breaks):
    """∫f over [a, b], exact for polynomials of degree ≤ 9 on each piece between breaks."""
    points = sorted({a, b, *[x for x in breaks if a < x < b]})
    total = 0.0
    for lo, hi in zip(points, points[1:]):
        half, mid = (hi - lo) / 2, (hi + lo) / 2
        total += sum(w * f(mid + half * t) for t, w in GAUSS) * half
    return total


def pressures(w, L):
    """Earth and water, surcharge and blast pressure (kN/m on the strip) at depth x below
    the top of the wall."""
    top_depth = w["h1"] - w["h3"]            # below the ground
    water_depth = max(0.0, w["h1"] - w["h2"])  # the water level below the ground

    def earth_water(x):
        z = top_depth + x
        effective = w["gamma"] * min(z, water_depth) + (w["gamma"] - 10) * max(0.0, z - water_depth)
        return 0.5 * effective + 10 * max(0.0, z - water_depth)

    return earth_water, lambda x: 0.5 * w["qfj"], lambda x: w["qrf"], water_depth - top_depth


def propped_strip(p, L, breaks):
    """Base moment (earth face in tension), top reaction, base shear, largest span moment of
    a strip pinned at its top and fixed at its base."""
    MB = integrate(lambda x: p(x) * x * (L * L - x * x) / (2 * L * L), 0, L, breaks)
    R = (integrate(lambda x: p(x) * (L - x), 0, L, breaks) - MB) / L
    VB = integrate(p, 0, L, breaks) - R

    def M(x):
        return R * x - integrate(lambda t: (x - t) * p(t), 0, x, breaks)

    # The largest span moment: a fine search, then golden sections around the best.
    xs = [L * i / 2000 for i in range(2001)]
    best = max(xs, key=M)
    lo, hi = max(0.0, best - L / 2000), min(L, best + L / 2000)
    for _ in range(100):
        m1, m2 = lo + (hi - lo) * 0.382, lo + (hi - lo) * 0.618
        lo, hi = (lo, m2) if M(m1) > M(m2) else (m1, hi)
    return MB, R, VB, max(0.0, M((lo + hi) / 2))


def flexure(M, h0, a1fc, fy):
    alpha_s = M * 1e6 / (a1fc * 1000 * h0 * h0)
    xi = 1 - math.sqrt(1 - 2 * alpha_s) if alpha_s < 0.5 else 1.0
    return alpha_s, xi, a1fc * 1000 * xi * h0 / fy


def area(d, s):
    return math.pi / 4 * d * d * 1000 / s


def crack_width(Mq, h5, c, d, s, ftk, Es, plain):
    As = area(d, s)
    h0 = h5 - c - d / 2
    rho = max(As / (0.5 * 1000 * h5), 0.01)
    sigma = Mq * 1e6 / (0.87 * h0 * As)
    psi = min(max(1.1 - 0.65 * ftk / (rho * sigma), 0.2), 1.0)
    cs = min(max(c, 20), 65)
    deq = d / (0.7 if plain else 1.0)
    return 1.9 * psi * sigma / Es * (1.9 * cs + 0.08 * deq / rho), As


def design(w):
    """The six boxes, the span steel, the shear and the checks that fail."""
    fc, a1, ft, ftk, beta1, cfac, cmin, fcuk = CONCRETE[w["concrete"]]
    fy0, Es, plain, sfac, grade = STEEL[w["steel"]]
    civil = w["mode"] == "civil-defence"
    fcw, ftw, fyw = (fc * cfac, ft * cfac, fy0 * sfac) if civil else (fc, ft, fy0)
    a1fc = fc * a1 * (cfac if civil else 1.0)
    L = w["h3"] - w["h4"]
    ew, q, blast, water_x = pressures(w, L)
    breaks = [water_x]
    MG, _, VG, MAG = propped_strip(ew, L, breaks)
    MQ, _, VQ, MAQ = propped_strip(q, L, breaks)
    MC, _, VC, MAC = propped_strip(blast, L, breaks)
    g0 = w["gamma0"]
    if civil:
        M, Mq = g0 * (1.2 * MG + MC), None
        V = g0 * (1.2 * VG + VC)
        dp = lambda x: 1.2 * ew(x) + blast(x)
    else:
        M, Mq = g0 * (w["gammaG"] * MG + w["gammaQ"] * MQ), MG + w["psiq"] * MQ
        V = g0 * (w["gammaG"] * VG + w["gammaQ"] * VQ)
        dp = lambda x: w["gammaG"] * ew(x) + w["gammaQ"] * q(x)
    MBk = MG + MQ + (MC if civil else 0)
    As_min = max(0.2, 45 * ft / fy0, cmin if civil else 0) / 100 * 1000 * w["h5"]

    # h0 at the bars' own diameter: from the smallest bar until the bars no longer change.
    d, bars = PRESS_BARS[0], None
    for _ in PRESS_BARS:
        alpha_s, xi, As = flexure(M, w["h5"] - w["c1"] - d / 2, a1fc, fyw)
        fits = [b for b in PRESS_BARS if area(b, w["spacing"]) >= max(As, As_min)]
        if not fits:
            alpha_s, xi, As = flexure(M, w["h5"] - w["c1"] - PRESS_BARS[-1] / 2, a1fc, fyw)
            bars = None
            break
        bars = fits[0]
        if bars <= d:
            break
        d = bars
    failed = set()
    if alpha_s >= 0.5 or bars is None:
        failed.add("strength")
    boxes = [MBk, As, bars if bars else "太大了"]
    xib = beta1 / (1 + fyw / (Es * min(0.0033, 0.0033 - (fcuk - 50) * 1e-5)))
    if not civil and bars:
        dq = bars
        while True:
            wmax, Ac = crack_width(Mq, w["h5"], w["c1"], dq, w["spacing"], ftk, Es, plain)
            if wmax <= w["limit"] or dq >= 50:
                break
            dq += 1
        boxes += [Ac, wmax, dq] if wmax <= w["limit"] else [" ", " ", " "]
        if wmax > w["limit"]:
            failed.add("crack")
    else:
        boxes += [" ", " ", " "]

    # The shear at the base, h0 at the strength bars' diameter.
    h0 = w["h5"] - w["c1"] - (bars or PRESS_BARS[-1]) / 2
    beta_h = (800 / min(max(h0, 800), 2000)) ** 0.25
    Vc = 0.7 * beta_h * ftw * 1000 * h0 / 1000
    if V > Vc:
        failed.add("shear")
    # The span: the inner face (cover c2) under the design combination's largest moment.
    _, _, _, MA = propped_strip(dp, L, breaks)
    MAd = g0 * MA
    d2 = PRESS_BARS[0]
    for _ in PRESS_BARS:
        _, _, span_As = flexure(MAd, w["h5"] - w["c2"] - d2 / 2, a1fc, fyw)
        fits = [b for b in PRESS_BARS if area(b, w["spacing"]) >= max(span_As, As_min)]
        if not fits or fits[0] <= d2:
            break
        d2 = fits[0]
    if w["h5"] < 250:
        failed.add("thickness")
    if w["c1"] < 50:
        failed.add("cover")
    if not civil and w["limit"] > 0.2:
        failed.add("crackLimit")
    if fcuk < (25 if grade >= 400 else 20):
        failed.add("concrete")
    if xi > xib:
        return None  # over-reinforced: the press stops
    return boxes, span_As, V, Vc, failed


def shown(value):
    """Half up to three decimals, as the program shows a value of the 2010 basis."""
    if isinstance(value, str):
        return value
    if isinstance(value, int):
        return str(value)
    text = str(Decimal(f"{value:.15g}").quantize(Decimal("0.001"), rounding=ROUND_HALF_UP))
    return text.rstrip("0").rstrip(".") if "." in text else text


WALLS = [
    ("the defaults, C15 HPB300", {}),
    ("C30 HRB400", {"concrete": "C30", "steel": "HRB400"}),
    ("case B, water at -3.5", {"concrete": "C30", "steel": "HRB400", "case": "B", "h2": -3.5}),
    ("case C, water below the base", {"concrete": "C25", "steel": "HRB335", "case": "C",
                                     "h2": -7}),
    ("civil-defence, Qrf 50", {"concrete": "C30", "steel": "HRB400", "mode": "civil-defence",
                               "qrf": 50}),
    ("the issue's example: 25@150 is short of 3281", {
        "concrete": "C20", "steel": "HRB335", "h5": 400, "c1": 30, "spacing": 150, "h4": -7.5,
        "qfj": 20}),
    ("safety class 一级: γ0 1.1", {"concrete": "C30", "steel": "HRB400", "gamma0": 1.1}),
    ("a thick wall whose minimum steel governs", {"concrete": "C30", "steel": "HRB400",
                                                  "h5": 600, "gamma": 10, "qfj": 0}),
    ("C25 HRB335, c1 30: ρte = 0.01149, which three decimals would make 0.011", {
        "concrete": "C25", "steel": "HRB335", "c1": 30}),
    ("a thin cover the crack width needs bars grown for", {
        "concrete": "C30", "steel": "HRB335", "c1": 15, "spacing": 200, "h5": 300}),
]


def session_line(w):
    line = {"basis": "2010", "mode": w["mode"], "case": w["case"], "concrete": w["concrete"],
            "steel": w["steel"]}
    for key in DEFAULTS:
        if key in w:
            line[key] = repr(w[key]) if isinstance(w[key], float) else str(w[key])
    return line


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli", required=True)
    cli = ap.parse_args().cli
    problems = 0
    for name, change in WALLS:
        w = {**DEFAULTS, "mode": "ordinary", "case": "A", "concrete": "C15", "steel": "HPB300",
             **change}
        expected = design(w)
        line = json.dumps(session_line(w), ensure_ascii=False)
        out = subprocess.run([cli, "--session", "-"], input=(line + "\n").encode(),
                             capture_output=True, check=True).stdout.decode()
        got = json.loads(out)
        if expected is None:
            if got["completed"]:
                print(f"{name}: over-reinforced here, yet the press completed")
                problems += 1
            continue
        boxes, span_As, V, Vc, failed = expected
        keys = ["MBk", "As", "bars", "crackAs", "Wmax", "crackBars"]
        results = got["results"] or {}
        for key, value in zip(keys, boxes):
            if results.get(key) != shown(value):
                print(f"{name}: {key} {results.get(key)!r}, independently {shown(value)!r}")
                problems += 1
        checks = got["checks"]
        for what, mine, theirs in [("V", V, checks["shear"]["design"]),
                                   ("Vc", Vc, checks["shear"]["capacity"]),
                                   ("span As", span_As, checks["span"]["As"])]:
            if abs(mine - theirs) > 1e-9 * max(1.0, abs(mine)):
                print(f"{name}: {what} {theirs!r}, independently {mine!r}")
                problems += 1
        named = {f["check"] for f in got["verdict"]["failed"]}
        if named != failed:
            print(f"{name}: verdict names {sorted(named)}, independently {sorted(failed)}")
            problems += 1
    print(f"{len(WALLS)} walls, {problems} differences")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
