// Lateral loads on a one-metre strip and their moments at the fixed base B.
//
// Earth pressure coefficient 0.5; below the water table the soil counts with γ − 10
// and the water with 10 kN/m3; the surcharge acts as 0.5·Qfj, the civil-defence load
// with its full value, both uniform over the span. Moments at B of a wall propped at
// the top: q·L²/8 for a uniform load, q·L²/15 for a load growing to the base, and the
// partial-height formulas of case B. Each moment is rounded to three decimals at once,
// and only the rounded moment is summed. Products run left to right as written.
#include "loads.hpp"

#include <cmath>
#include <span>
#include <utility>

#include "wallcalc/engine/rounding.hpp"

namespace wallcalc::detail {
namespace {

using report::Case;

inline constexpr std::string_view kElevationMessage = "输入标高与实际情况不符，请重新输入";

// An elevation test: "lhs − rhs" compared with 0; the first test that holds rejects.
enum class Holds { Below, Above, NotAbove };  // < 0, > 0, <= 0
struct ElevationTest {
    Input lhs;
    Input rhs;
    Holds rejectWhen;
};

constexpr ElevationTest kTestsA[] = {{Input::h2, Input::h3, Holds::Below},
                                     {Input::h2, Input::h1, Holds::Above},
                                     {Input::h3, Input::h1, Holds::Above},
                                     {Input::h3, Input::h4, Holds::NotAbove}};
constexpr ElevationTest kTestsB[] = {{Input::h2, Input::h3, Holds::Above},
                                     {Input::h2, Input::h4, Holds::Below},
                                     {Input::h3, Input::h1, Holds::Above},
                                     {Input::h3, Input::h4, Holds::NotAbove}};
constexpr ElevationTest kTestsC[] = {{Input::h2, Input::h4, Holds::Above},
                                     {Input::h3, Input::h1, Holds::Above},
                                     {Input::h3, Input::h4, Holds::NotAbove}};

std::span<const ElevationTest> elevationTests(Case c) {
    switch (c) {
        case Case::A:
            return kTestsA;
        case Case::B:
            return kTestsB;
        case Case::C:
            return kTestsC;
    }
    return {};
}

// Each elevation is converted when a test first needs it, so a test that rejects
// comes before a bad text in a box no test has reached yet.
Step checkElevations(Run& r) {
    for (const auto& test : elevationTests(r.loadCase)) {
        double lhs = 0, rhs = 0;
        if (auto stop = r.number(test.lhs, lhs)) return stop;
        if (auto stop = r.number(test.rhs, rhs)) return stop;
        const double difference = lhs - rhs;
        const bool holds = test.rejectWhen == Holds::Below   ? difference < 0
                           : test.rejectWhen == Holds::Above ? difference > 0
                                                             : !(difference > 0);
        if (holds) return Stop{std::string(kElevationMessage)};
    }
    return std::nullopt;
}

// A moment at the base: rounded to three decimals for the 2002 basis, kept as computed for
// the 2010 one.
Step moment(Run& r, double value, std::string_view name, float& rounded, double& exact) {
    exact = value;
    return r.round(value, name, rounded);
}

struct Elevations {
    double h1 = 0, h2 = 0, h3 = 0, h4 = 0;
};

// All four are converted once the tests have passed.
Elevations elevations(Run& r) {
    Elevations e;
    (void)r.number(Input::h1, e.h1);
    (void)r.number(Input::h2, e.h2);
    (void)r.number(Input::h3, e.h3);
    (void)r.number(Input::h4, e.h4);
    return e;
}

Step caseA(Run& r, float& earth) {
    CalcState& s = r.s;
    const Elevations e = elevations(r);
    const double L = s.L;
    double g = 0, qfj = 0;
    if (auto stop = r.number(Input::TRZ, g)) return stop;

    // earth above the water table, uniform
    s.q12 = 0.5 * (e.h1 - e.h2) * g;
    if (auto stop = moment(r, 0.125 * s.q12 * L * L, "MB12", s.MB12, s.exact.MB12)) return stop;
    // submerged earth between the water table and the top of the wall, uniform
    s.q22 = 0.5 * (g - 10) * (e.h2 - e.h3);
    if (auto stop = moment(r, 0.125 * s.q22 * L * L, "MB22", s.MB22, s.exact.MB22)) return stop;
    // submerged earth along the wall, growing to the base
    s.q21 = 0.5 * (g - 10) * (e.h3 - e.h4);
    if (auto stop = moment(r, s.q21 * L * L / 15, "MB21", s.MB21, s.exact.MB21)) return stop;
    // water between the water table and the top of the wall, uniform
    s.q32 = 10 * (e.h2 - e.h3);
    if (auto stop = moment(r, 0.125 * s.q32 * L * L, "MB32", s.MB32, s.exact.MB32)) return stop;
    // water along the wall, growing to the base
    s.q31 = (e.h3 - e.h4) * 10;
    if (auto stop = moment(r, s.q31 * L * L / 15, "MB31", s.MB31, s.exact.MB31)) return stop;
    // surcharge
    if (auto stop = r.number(Input::FJHZ, qfj)) return stop;
    s.q42 = 0.5 * qfj;
    if (auto stop = moment(r, 0.125 * s.q42 * L * L, "MB42", s.MB42, s.exact.MB42)) return stop;

    earth = s.MB12 + s.MB22 + s.MB21 + s.MB32 + s.MB31;
    const auto& x = s.exact;
    s.exact.earth = x.MB12 + x.MB22 + x.MB21 + x.MB32 + x.MB31;
    return std::nullopt;
}

Step caseB(Run& r, float& earth) {
    CalcState& s = r.s;
    const Elevations e = elevations(r);
    const double L = s.L;
    double g = 0, qfj = 0;
    if (auto stop = r.number(Input::TRZ, g)) return stop;

    // earth above the top of the wall, uniform
    s.q12 = 0.5 * (e.h1 - e.h3) * g;
    if (auto stop = moment(r, 0.125 * s.q12 * L * L, "MB12", s.MB12, s.exact.MB12)) return stop;
    // dry earth along the upper part a of the wall
    s.q11 = 0.5 * (e.h3 - e.h2) * g;
    s.a = e.h3 - e.h2;
    s.b = e.h2 - e.h4;
    const double a = s.a, b = s.b;
    if (auto stop = moment(r, s.q11 * (a * a) * (1 - 0.6 * ((a / L) * (a / L))) / 6, "MB11", s.MB11,
                           s.exact.MB11)) {
        return stop;
    }
    // submerged earth along the lower part b
    s.q21 = 0.5 * (g - 10) * (e.h2 - e.h4);
    const double lower = 4 - 3 * b / L + 0.6 * (b / L) * (b / L);
    if (auto stop = moment(r, s.q21 * (b * b) * lower / 24, "MB21", s.MB21, s.exact.MB21))
        return stop;
    // the dry layer a still weighs on the soil below the water level: 0.5·γ·a, uniform
    // over the lower part b (the fixed-end moment of a uniform load over the lower length
    // of a propped member)
    s.q13 = 0.5 * g * s.a;
    const double rest = 2 - b / L;
    if (auto stop = moment(r, 0.125 * s.q13 * b * b * rest * rest, "MB13", s.MB13, s.exact.MB13))
        return stop;
    // water along the lower part b
    s.q32 = 10 * (e.h2 - e.h4);
    if (auto stop = moment(r, 1.0 / 24 * s.q32 * b * b * lower, "MB32", s.MB32, s.exact.MB32))
        return stop;
    // surcharge
    if (auto stop = r.number(Input::FJHZ, qfj)) return stop;
    s.q42 = 0.5 * qfj;
    if (auto stop = moment(r, 0.125 * s.q42 * L * L, "MB42", s.MB42, s.exact.MB42)) return stop;

    earth = s.MB12 + s.MB11 + s.MB21 + s.MB13 + s.MB32;
    const auto& x = s.exact;
    s.exact.earth = x.MB12 + x.MB11 + x.MB21 + x.MB13 + x.MB32;
    return std::nullopt;
}

Step caseC(Run& r, float& earth) {
    CalcState& s = r.s;
    const Elevations e = elevations(r);
    const double L = s.L;
    double g = 0, qfj = 0;
    if (auto stop = r.number(Input::TRZ, g)) return stop;

    // earth above the top of the wall, uniform
    s.q12 = 0.5 * g * (e.h1 - e.h3);
    if (auto stop = moment(r, 0.125 * s.q12 * L * L, "MB12", s.MB12, s.exact.MB12)) return stop;
    // earth along the wall, growing to the base
    s.q11 = 0.5 * g * (e.h3 - e.h4);
    if (auto stop = moment(r, s.q11 * L * L / 15, "MB11", s.MB11, s.exact.MB11)) return stop;
    // surcharge (labelled q22 and MB22 in the text)
    if (auto stop = r.number(Input::FJHZ, qfj)) return stop;
    s.q42 = 0.5 * qfj;
    if (auto stop = moment(r, 0.125 * s.q42 * L * L, "MB42", s.MB42, s.exact.MB42)) return stop;

    earth = s.MB12 + s.MB11;
    s.exact.earth = s.exact.MB12 + s.exact.MB11;
    return std::nullopt;
}

// The civil-defence load, uniform over the span.
Step civilDefenceTerm(Run& r) {
    CalcState& s = r.s;
    s.q52 = s.RFHZ;
    return moment(r, 0.125 * s.q52 * s.L * s.L, "MB52", s.MB52, s.exact.MB52);
}

// GB 50010-2002: MBk is the sum of every term, the surcharge and the civil-defence load
// last; MB = η·MBk is formed from the single-precision sum before the sum is rounded.
Step baseMoment2002(Run& r, float earth) {
    CalcState& s = r.s;
    float sum = earth + s.MB42;
    if (r.mode == Mode::CivilDefence) sum = sum + s.MB52;
    double eta = 0;
    if (auto stop = r.number(Input::fxxs, eta)) return stop;
    const auto mb = toSingle(eta * static_cast<double>(sum));
    if (!mb || !std::isfinite(sum)) return Stop{outOfRangeMessage("MB")};
    s.MB = *mb;
    if (auto stop = r.round(sum, "MBk", s.MBk)) return stop;
    return r.round(s.MB, "MB", s.MB);
}

// GB 50010-2010 with GB 55001-2021: the earth and water moments MG and the surcharge MQ
// take their own partial factors and the importance factor, M = γ0·(γG·MG + γQ·MQ), and the
// crack width is taken under Mq = MG + ψq·MQ. Civil-defence works (GB 50038-2005):
// M = γ0·(1.2·MG + 1.0·MC), the surcharge taking no part. Every moment carried unrounded.
Step baseMoment2010(Run& r) {
    CalcState& s = r.s;
    CalcState::Code2010& m = s.code2010;
    double gamma0 = 0;
    if (auto stop = r.number(Input::gamma0, gamma0)) return stop;
    m.gamma0 = gamma0;
    m.MG = s.exact.earth;
    m.MQ = s.exact.MB42;
    m.MC = r.mode == Mode::CivilDefence ? s.exact.MB52 : 0;
    m.MBk = m.MG + m.MQ + m.MC;
    double combined = 0;  // the factored combination before γ0, as the shear takes it too
    if (r.mode == Mode::CivilDefence) {
        combined = 1.2 * m.MG + 1.0 * m.MC;
        m.Mq = 0;
    } else {
        double gammaG = 0, gammaQ = 0, psiq = 0;
        if (auto stop = r.number(Input::gammaG, gammaG)) return stop;
        if (auto stop = r.number(Input::gammaQ, gammaQ)) return stop;
        if (auto stop = r.number(Input::psiq, psiq)) return stop;
        combined = gammaG * m.MG + gammaQ * m.MQ;
        m.Mq = m.MG + psiq * m.MQ;
    }
    m.M = gamma0 * combined;
    // The section design carries each moment on in N·mm (×10^6) and its text rounds it to
    // thousandths: a moment that does not hold there is beyond the calculation's range,
    // where the design and its shear would show nan or inf (also under a γ0 of 0).
    for (const auto& [value, name] :
         {std::pair{m.MBk, "MBk"}, {m.M, "M"}, {combined, "M"}, {m.Mq, "Mq"}}) {
        if (!std::isfinite(value * 1e6)) return Stop{outOfRangeMessage(name)};
    }
    return std::nullopt;
}

}  // namespace

Step caseProcedure(Run& r) {
    if (auto stop = checkElevations(r)) return stop;
    float earth = 0;
    Step stop;
    switch (r.loadCase) {
        case Case::A:
            stop = caseA(r, earth);
            break;
        case Case::B:
            stop = caseB(r, earth);
            break;
        case Case::C:
            stop = caseC(r, earth);
            break;
    }
    if (stop) return stop;
    if (r.mode == Mode::CivilDefence) {
        if (auto s = civilDefenceTerm(r)) return s;
    }
    return r.basis == Basis::Gb2010 ? baseMoment2010(r) : baseMoment2002(r, earth);
}

}  // namespace wallcalc::detail
