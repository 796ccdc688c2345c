#!/usr/bin/env python3
"""The wall model computed a second time, independently of the program, for the walls of
models.jsonl (one model a line):

- loads from first principles at any depth z below the ground: earth K0·σ′v with
  σ′v = γ·min(z, zw) + (γsat − γw)·max(0, z − zw), water γw·max(0, z − zw), surcharge K0·q;
  the four combinations; a water level above the ground taken at the ground;
- the continuous member by the slope-deflection (stiffness) method, one rotation per joint,
  fixed-end moments and span moments by Gauss integration of the point-load formulas
  (EI ∝ h³ of each storey); the largest span moment by golden-section search (M is concave
  where the load pushes one way);
- the design of GB 50010-2010 (2015 edition): h0 = h − c − d/2 at the bars' own diameter,
  αs, ξ, As (6.2.10), ξb (6.2.7), ρmin (8.5.1), the crack width of the bars placed (7.1.2),
  the shear of a slab without stirrups (6.3.3), horizontal bars; GB 50038-2005 dynamic
  strengths and minimum steel in civil-defence works, the larger steel put in.

Checks: `wallcalc-cli --model-batch models.jsonl` answers exactly as models.expected.jsonl
(the golden answers) and `--model three_storeys.json --json` exactly as its first line;
every figure of the golden answers agrees with the values here shown to three decimals
(within half a unit of the third decimal), every bar and null alike, and the verdict names
the checks that fail here. The calculation text of three_storeys.json stands, line by
line, as three_storeys.text.expected.txt records it.

    independent_model.py --cli build/cli/wallcalc-cli [--update]
"""
import argparse
import json
import math
import pathlib
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent

# GB 50010-2010 (2015 edition): fc (Table 4.1.4-1), α1 and β1 (6.2.6), ft (4.1.4-2), ftk
# (4.1.3-2), fcu,k; GB 50038-2005: the dynamic factor of the concrete (C55 and below) and
# the least steel of a member in civil-defence works (%).
CONCRETE = {
    "C25": dict(fc=11.9, a1=1.0, ft=1.27, ftk=1.78, b1=0.8, dyn=1.5, rho_civil=0.25, fcuk=25),
    "C30": dict(fc=14.3, a1=1.0, ft=1.43, ftk=2.01, b1=0.8, dyn=1.5, rho_civil=0.25, fcuk=30),
    "C35": dict(fc=16.7, a1=1.0, ft=1.57, ftk=2.20, b1=0.8, dyn=1.5, rho_civil=0.25, fcuk=35),
    "C40": dict(fc=19.1, a1=1.0, ft=1.71, ftk=2.39, b1=0.8, dyn=1.5, rho_civil=0.30, fcuk=40),
}
# fy (Table 4.2.3-1), Es (4.2.5), the dynamic factor (GB 50038-2005), plain bars.
STEEL = {
    "HPB300": dict(fy=270, Es=2.1e5, dyn=None, plain=True, grade=300),
    "HRB335": dict(fy=300, Es=2.0e5, dyn=1.35, plain=False, grade=335),
    "HRB400": dict(fy=360, Es=2.0e5, dyn=1.20, plain=False, grade=400),
}
SIZES = [8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32]
HORIZONTAL_SIZES = [8, 10, 12, 14, 16, 18, 20, 22, 25]
NO_FORCE = 1e-9

GAUSS = [(-0.9061798459386640, 0.2369268850561891), (-0.5384693101056831, 0.4786286704993665),
         (0.0, 0.5688888888888889), (0.5384693101056831, 0.4786286704993665),
         (0.9061798459386640, 0.2369268850561891)]


def integrate(f, a, b, breaks):
    """∫f over [a, b], exact for polynomials of degree ≤ 9 between the breaks."""
    if b <= a:
        return 0.0
    points = sorted({a, b, *[x for x in breaks if a < x < b]})
    total = 0.0
    for lo, hi in zip(points, points[1:]):
        half, mid = (hi - lo) / 2, (hi + lo) / 2
        total += sum(w * f(mid + half * t) for t, w in GAUSS) * half
    return total


# ---------------------------------------------------------------- loads

def defaults(m):
    m = dict(m)
    for key, value in dict(gamma=18.0, gammaW=10.0, K0=0.5, surcharge=10.0, limit=0.2,
                           gammaG=1.3, gammaQ=1.5, psiq=0.5, gamma0=1.0, top="pinned",
                           base="fixed").items():
        m.setdefault(key, value)
    m.setdefault("gammaSat", m["gamma"])
    m.setdefault("waterQuasi", m["water"])
    return m


def pressure(m, combination):
    """p(y, storey) in kN/m² at elevation y for one combination."""
    ground = m["ground"]

    def earth_water(y, level):
        z = ground - y
        if z <= 0:
            return 0.0
        zw = ground - min(level, ground)
        sigma = m["gamma"] * min(z, zw) + (m["gammaSat"] - m["gammaW"]) * max(0.0, z - zw)
        return m["K0"] * sigma + m["gammaW"] * max(0.0, z - zw)

    def surcharge(y):
        return m["K0"] * m["surcharge"] if ground - y > 0 else 0.0

    def p(y, storey):
        if combination == "characteristic":
            return earth_water(y, m["water"]) + surcharge(y)
        if combination == "design":
            return m["gamma0"] * (m["gammaG"] * earth_water(y, m["water"]) +
                                  m["gammaQ"] * surcharge(y))
        if combination == "quasi":
            return earth_water(y, m["waterQuasi"]) + m["psiq"] * surcharge(y)
        return 1.2 * earth_water(y, m["water"]) + 1.0 * m["storeys"][storey]["qrf"]

    return p


# ---------------------------------------------------------------- the continuous member

def analyse(m, combination):
    """Support moments (inner face in tension positive), reactions (toward the earth
    positive), per span the largest inner-face moment and its depth, the shears at both
    ends (V = dM/dx, x downwards)."""
    slabs, n = m["slabs"], len(m["slabs"]) - 1
    p = pressure(m, combination)
    breaks_y = [m["ground"], min(m["water"], m["ground"]), min(m["waterQuasi"], m["ground"])]
    L = [slabs[i] - slabs[i + 1] for i in range(n)]
    EI = [m["storeys"][i]["thickness"] ** 3 for i in range(n)]

    def load(i):
        """The load of span i at x below its top, and the breaks of its pieces."""
        return (lambda x: p(slabs[i] - x, i)), [slabs[i] - y for y in breaks_y]

    # Fixed-end moments (clockwise on the member end positive): a point load P at a from
    # the top, b = L − a: −P·a·b²/L² at the top, +P·a²·b/L² at the bottom.
    fem = []
    for i in range(n):
        f, br = load(i)
        top = -integrate(lambda a: f(a) * a * (L[i] - a) ** 2, 0, L[i], br) / L[i] ** 2
        bottom = integrate(lambda a: f(a) * a * a * (L[i] - a), 0, L[i], br) / L[i] ** 2
        fem.append([top, bottom])
    free = m["top"] == "free"
    # Rotations of the joints; a fixed end has none. Slope deflection:
    #   M_top = FEM_top + (2EI/L)(2θt + θb),  M_bottom = FEM_bottom + (2EI/L)(θt + 2θb).
    unknown = [j for j in range(n + 1)
               if not (j == 0 and (m["top"] == "fixed" or free))
               and not (j == n and m["base"] == "fixed")]
    first = 1 if free else 0
    size = len(unknown)
    K = [[0.0] * size for _ in range(size)]
    rhs = [0.0] * size
    pos = {j: k for k, j in enumerate(unknown)}
    for i in range(first, n):
        k = 2 * EI[i] / L[i]
        for end, joint in ((0, i), (1, i + 1)):
            if joint not in pos:
                continue
            rhs[pos[joint]] -= fem[i][end]
            for other_end, other in ((0, i), (1, i + 1)):
                if other in pos:
                    K[pos[joint]][pos[other]] += k * (2 if other_end == end else 1)
    if free:
        # The cantilever's moment on joint 1: clockwise, ∫p·(L − s) ds.
        f, br = load(0)
        cantilever = integrate(lambda s: f(s) * (L[0] - s), 0, L[0], br)
        if 1 in pos:
            rhs[pos[1]] -= cantilever
    theta = solve(K, rhs)
    rot = [theta[pos[j]] if j in pos else 0.0 for j in range(n + 1)]

    ends = []  # inner-face moments at each span's top and bottom
    for i in range(n):
        if free and i == 0:
            ends.append([0.0, -cantilever])
            continue
        k = 2 * EI[i] / L[i]
        m_top = fem[i][0] + k * (2 * rot[i] + rot[i + 1])
        m_bottom = fem[i][1] + k * (rot[i] + 2 * rot[i + 1])
        ends.append([m_top, -m_bottom])

    spans = []
    for i in range(n):
        f, br = load(i)
        Mt, Mb = ends[i]
        R0 = integrate(lambda s: f(s) * (L[i] - s), 0, L[i], br) / L[i]

        def M(x, f=f, br=br, Mt=Mt, Mb=Mb, R0=R0, Li=L[i]):
            simple = R0 * x - integrate(lambda s: f(s) * (x - s), 0, x, br)
            return Mt * (1 - x / Li) + Mb * x / Li + simple

        total = integrate(f, 0, L[i], br)
        V_top = R0 + (Mb - Mt) / L[i]
        V_bottom = V_top - total
        if free and i == 0:
            V_top, V_bottom = 0.0, -total
        x = golden_max(M, 0, L[i])
        best = M(x)
        spans.append(dict(M_top=Mt, M_bottom=Mb, V_top=V_top, V_bottom=V_bottom,
                          max=(best, x) if best > NO_FORCE else None))
    reactions = [spans[0]["V_top"]]
    for j in range(1, n):
        reactions.append(spans[j]["V_top"] - spans[j - 1]["V_bottom"])
    reactions.append(-spans[n - 1]["V_bottom"])
    supports = [spans[0]["M_top"]] + [s["M_bottom"] for s in spans]
    return dict(supports=supports, reactions=reactions, spans=spans)


def solve(A, b):
    """Gaussian elimination with partial pivoting."""
    n = len(b)
    A = [row[:] + [b[i]] for i, row in enumerate(A)]
    for c in range(n):
        r = max(range(c, n), key=lambda i: abs(A[i][c]))
        A[c], A[r] = A[r], A[c]
        for i in range(c + 1, n):
            f = A[i][c] / A[c][c]
            A[i] = [a - f * e for a, e in zip(A[i], A[c])]
    x = [0.0] * n
    for i in reversed(range(n)):
        x[i] = (A[i][n] - sum(A[i][j] * x[j] for j in range(i + 1, n))) / A[i][i]
    return x


def golden_max(f, a, b):
    g = (math.sqrt(5) - 1) / 2
    c, d = b - g * (b - a), a + g * (b - a)
    for _ in range(200):
        if f(c) >= f(d):
            b, d = d, c
            c = b - g * (b - a)
        else:
            a, c = c, d
            d = a + g * (b - a)
    return (a + b) / 2


# ---------------------------------------------------------------- the sections

def materials(m, wartime):
    c, s = CONCRETE[m["concrete"]], STEEL[m["steel"]]
    kc, ks = (c["dyn"], s["dyn"]) if wartime else (1.0, 1.0)
    eps_cu = min(0.0033, 0.0033 - (c["fcuk"] - 50) * 1e-5)  # 6.2.1
    fy = s["fy"] * ks
    return dict(a1fc=c["fc"] * c["a1"] * kc, ft=c["ft"] * kc, fy=fy, ftk=c["ftk"],
                Es=s["Es"], plain=s["plain"], xib=c["b1"] / (1 + fy / (s["Es"] * eps_cu)))


def area(d, spacing):
    return math.pi * d * d / 4 * 1000 / spacing


def flexure(M, h0, mat):
    alpha = M * 1e6 / (mat["a1fc"] * 1000 * h0 * h0)
    if alpha >= 0.5:
        return dict(alpha=alpha, xi=1.0, As=mat["a1fc"] * 1000 * h0 / mat["fy"], small=True)
    xi = 1 - math.sqrt(1 - 2 * alpha)
    return dict(alpha=alpha, xi=xi, As=mat["a1fc"] * 1000 * xi * h0 / mat["fy"], small=False)


def crack(Mq, h, cover, d, spacing, mat):
    As = area(d, spacing)
    h0 = h - cover - d / 2
    rho = max(As / (0.5 * 1000 * h), 0.01)
    sigma = Mq * 1e6 / (0.87 * h0 * As)
    psi = min(max(1.1 - 0.65 * mat["ftk"] / (rho * sigma), 0.2), 1.0)
    cs = min(max(cover, 20), 65)
    deq = d / (0.7 if mat["plain"] else 1.0)
    return 1.9 * psi * sigma / mat["Es"] * (1.9 * cs + 0.08 * deq / rho)


def face(M, Mq, h, cover, spacing, limit, As_min, mat):
    """Strength bars with h0 at their own size, then the bars grown a size at a time until
    the quasi-permanent crack width holds."""
    d = SIZES[0]
    while True:
        f = flexure(M, h - cover - d / 2, mat)
        need = max(f["As"], As_min)
        fits = [s for s in SIZES if area(s, spacing) >= need]
        if not fits:
            f = flexure(M, h - cover - SIZES[-1] / 2, mat)
            return dict(f, As_min=As_min, placed=None, bars_ok=False)
        if fits[0] <= d:
            break
        d = fits[0]
    if Mq is not None:
        while crack(Mq, h, cover, d, spacing, mat) > limit and d != SIZES[-1]:
            d = SIZES[SIZES.index(d) + 1]
    return dict(f, As_min=As_min, placed=d, bars_ok=True)


def design(m, analyses):
    civil = m["mode"] == "civil-defence"
    peace, war = materials(m, False), materials(m, True) if civil else None
    c = CONCRETE[m["concrete"]]
    rho_peace = max(0.2, 45 * c["ft"] / STEEL[m["steel"]]["fy"])                    # 8.5.1
    rho_war = max(rho_peace, c["rho_civil"]) if civil else rho_peace
    spacing, limit, g0 = m["spacing"], m["limit"], m["gamma0"]
    failed, storeys = set(), []
    for i, st in enumerate(m["storeys"]):
        h, c1, c2 = st["thickness"], st["c1"], st["c2"]
        if h < 250:
            failed.add("thickness")
        if c1 < 50:
            failed.add("cover")

        def at(comb, place):
            s = analyses[comb]["spans"][i]
            if place == "top":
                return -s["M_top"]
            if place == "bottom":
                return -s["M_bottom"]
            return s["max"][0] if s["max"] else 0.0

        faces = {}
        for place in ("top", "bottom", "inner"):
            Md, Mq, Mc = at("design", place), at("quasi", place), g0 * at("civil", place)
            if not (Md > NO_FORCE or (civil and Mc > NO_FORCE)):
                faces[place] = None
                continue
            cover = c2 if place == "inner" else c1
            Mq = Mq if Mq > NO_FORCE else None
            p = face(Md, Mq, h, cover, spacing, limit, rho_peace / 100 * 1000 * h, peace)
            cases = [(p, peace)]
            gov = p
            if civil:
                w = face(Mc, None, h, cover, spacing, limit, rho_war / 100 * 1000 * h, war)
                cases.append((w, war))
                if p["placed"] and w["placed"]:
                    gov = w if area(w["placed"], spacing) > area(p["placed"], spacing) else p
                else:
                    gov = w if max(w["As"], w["As_min"]) > max(p["As"], p["As_min"]) else p
            placed = gov["placed"] if all(f["placed"] for f, _ in cases) else None
            width = crack(Mq, h, cover, placed, spacing, peace) if Mq and placed else None
            for f, mat in cases:
                if f["small"] or not f["bars_ok"]:
                    failed.add("strength" if place != "inner" else "span")
                elif f["xi"] > mat["xib"]:
                    failed.add("xi")
            if width is not None and width > limit:
                failed.add("crack" if place != "inner" else "span")
            faces[place] = dict(M=[Md, g0 * at("civil", place)][gov is not p], As=gov["As"],
                                AsMin=gov["As_min"], d=placed, w=width, xi=gov["xi"],
                                small=gov["small"])

        def shear(end):
            water = faces["top" if end == "top" else "bottom"]
            # h0 at the bars put in, or at the largest size where none fits.
            if water is not None:
                d, cover = water["d"] or SIZES[-1], c1
            elif faces["inner"] is not None:
                d, cover = faces["inner"]["d"] or SIZES[-1], c2
            else:
                d, cover = SIZES[0], c1
            h0 = h - cover - d / 2
            beta = (800 / min(max(h0, 800), 2000)) ** 0.25                              # 6.3.3
            key = "V_top" if end == "top" else "V_bottom"
            cases = [(abs(analyses["design"]["spans"][i][key]), peace)]
            if civil:
                cases.append((g0 * abs(analyses["civil"]["spans"][i][key]), war))
            out = [(V, 0.7 * beta * mat["ft"] * 1000 * h0 / 1000) for V, mat in cases]
            if any(V > Vc for V, Vc in out):
                failed.add("shear")
            return max(out, key=lambda vv: vv[0] / vv[1]) if civil else out[0]

        def horizontal(vertical):
            As = max(0.1 / 100 * 1000 * h, 0.15 * vertical)                            # 9.1.7
            s = min(spacing, 200)
            fits = [d for d in HORIZONTAL_SIZES if area(d, s) >= As]
            if not fits:
                failed.add("horizontal")
            return As, (f"{fits[0]}@{s:g}" if fits else None)

        def provided(place):
            f = faces[place]
            return area(f["d"], spacing) if f and f["d"] else 0.0

        water_h = horizontal(max(provided("top"), provided("bottom")))
        inner_h = horizontal(provided("inner"))
        storeys.append(dict(faces=faces, shear_top=shear("top"), shear_bottom=shear("bottom"),
                            horizontal=inner_h if inner_h[0] > water_h[0] else water_h))
    if limit > 0.2:
        failed.add("crackLimit")
    if c["fcuk"] < (25 if STEEL[m["steel"]]["grade"] >= 400 else 20):                  # 4.1.2
        failed.add("concrete")
    return storeys, failed


# ---------------------------------------------------------------- comparison

class Comparison:
    def __init__(self, name):
        self.name, self.faults, self.figures = name, [], 0

    def number(self, where, got, mine):
        self.figures += 1
        if got is None or abs(got - mine) > 0.0005 + 1e-9 * abs(mine):
            self.faults.append(f"{self.name}: {where}: the program {got}, independently {mine:.6f}")

    def same(self, where, got, mine):
        self.figures += 1
        if got != mine:
            self.faults.append(f"{self.name}: {where}: the program {got!r}, independently {mine!r}")


def compare(name, model, answer):
    m = defaults(model)
    cmp = Comparison(name)
    analyses = {c: analyse(m, c) for c in ("characteristic", "design", "quasi", "civil")}
    k = analyses["characteristic"]
    total = sum(integrate(lambda x, i=i: pressure(m, "characteristic")(m["slabs"][i] - x, i), 0,
                          m["slabs"][i] - m["slabs"][i + 1],
                          [m["slabs"][i] - m["ground"], m["slabs"][i] - min(m["water"], m["ground"])])
                for i in range(len(m["storeys"])))
    if abs(sum(k["reactions"]) - total) > 1e-9 * total:
        cmp.faults.append(f"{name}: the reactions here do not balance the load")
    for j, s in enumerate(answer["analysis"]["supports"]):
        cmp.same(f"supports[{j}].elevation", s["elevation"], m["slabs"][j])
        cmp.number(f"supports[{j}].moment", s["moment"], k["supports"][j])
        cmp.number(f"supports[{j}].reaction", s["reaction"], k["reactions"][j])
    for i, s in enumerate(answer["analysis"]["spans"]):
        mine = k["spans"][i]["max"]
        if mine is None:
            cmp.same(f"spans[{i}].maxMoment", s["maxMoment"], None)
        else:
            cmp.number(f"spans[{i}].maxMoment", s["maxMoment"], mine[0])
            cmp.number(f"spans[{i}].depth", s["depth"], mine[1])
    storeys, failed = design(m, analyses)
    spacing = m["spacing"]
    for i, (got, mine) in enumerate(zip(answer["design"]["storeys"], storeys)):
        for key, place in (("waterFaceTop", "top"), ("waterFaceBottom", "bottom"),
                           ("innerFace", "inner")):
            g, f = got[key], mine["faces"][place]
            where = f"storeys[{i}].{key}"
            if f is None or g is None:
                cmp.same(where, g is None, f is None)
                continue
            cmp.number(f"{where}.M", g["M"], f["M"])
            cmp.number(f"{where}.AsMin", g["AsMin"], f["AsMin"])
            # A section that cannot carry its moment (αs ≥ 0.5) has no As and no ξ.
            for field in ("As", "xi"):
                if f["small"]:
                    cmp.same(f"{where}.{field}", g[field], None)
                else:
                    cmp.number(f"{where}.{field}", g[field], f[field])
            cmp.same(f"{where}.bars", g["bars"], f"{f['d']}@{spacing:g}" if f["d"] else None)
            if f["d"]:
                cmp.number(f"{where}.AsProvided", g["AsProvided"], area(f["d"], spacing))
            if f["w"] is None:
                cmp.same(f"{where}.w", g["w"], None)
            else:
                cmp.number(f"{where}.w", g["w"], f["w"])
        for key in ("shearTop", "shearBottom"):
            V, Vc = mine["shear_top" if key == "shearTop" else "shear_bottom"]
            cmp.number(f"storeys[{i}].{key}.V", got[key]["V"], V)
            cmp.number(f"storeys[{i}].{key}.Vc", got[key]["Vc"], Vc)
        As, bars = mine["horizontal"]
        cmp.number(f"storeys[{i}].horizontal.As", got["horizontal"]["As"], As)
        cmp.same(f"storeys[{i}].horizontal.bars", got["horizontal"]["bars"], bars)
    verdict = answer["verdict"]
    cmp.same("verdict.ok", verdict["ok"], not failed)
    cmp.same("verdict.failed", sorted({f["check"] for f in verdict["failed"]}), sorted(failed))
    return cmp


def run(cli, args, stdin=None):
    done = subprocess.run([cli, *args], input=stdin, capture_output=True, check=False)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--update", action="store_true",
                        help="write the program's answers as the golden ones (review the diff!)")
    args = parser.parse_args()
    models_path, expected_path = HERE / "models.jsonl", HERE / "models.expected.jsonl"
    models = [(n, line) for n, line in enumerate(models_path.read_text("utf-8").splitlines(), 1)
              if line.strip() and not line.startswith("#")]
    status, out, err = run(args.cli, ["--model-batch", "-"],
                           "".join(line + "\n" for _, line in models).encode("utf-8"))
    got = out.splitlines()
    text_path = HERE / "three_storeys.text.expected.txt"
    text_status, text, _ = run(args.cli, ["--model", str(HERE / "three_storeys.json")])
    if args.update:
        expected_path.write_text(out, encoding="utf-8")
        text_path.write_text(text, encoding="utf-8")
        print(f"{expected_path}: {len(got)} answers written; {text_path}")
        return 0
    expected = expected_path.read_text("utf-8").splitlines()
    faults = []
    if got != expected:
        faults.append(f"--model-batch answers differ from {expected_path.name} "
                      f"(exit {status}, {err.strip()})")
    # The last two models do not satisfy the codes on purpose: exit 3.
    if status != 3:
        faults.append(f"--model-batch exited {status}, 3 expected (the last models fail)")
    status, out, err = run(args.cli, ["--model", str(HERE / "three_storeys.json"), "--json"])
    if status != 0 or out.strip() != expected[0]:
        faults.append(f"--model three_storeys.json --json: exit {status}, answer differs from "
                      f"the first golden line {err.strip()}")
    # The calculation text of the three storeys, line by line as recorded.
    recorded = text_path.read_text("utf-8").splitlines()
    for number, (e, g) in enumerate(zip(recorded, text.splitlines()), 1):
        if e != g:
            faults.append(f"{text_path.name}:{number}: recorded {e!r}, written {g!r}")
            break
    if text_status != 0 or len(recorded) != len(text.splitlines()):
        faults.append(f"--model three_storeys.json: exit {text_status}, "
                      f"{len(text.splitlines())} lines for {len(recorded)} recorded")
    figures = 0
    for (number, line), answer in zip(models, expected):
        cmp = compare(f"models.jsonl:{number}", json.loads(line), json.loads(answer))
        faults += cmp.faults
        figures += cmp.figures
    for fault in faults:
        print(fault)
    print(f"{len(models)} models, {figures} figures compared, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
