#include "wallcalc/engine/crack.hpp"

#include "per_thread.hpp"
#include "wallcalc/engine/rounding.hpp"

namespace wallcalc {

PassResult crackPass(const CrackInputs& c, float Aas, int deq) {
    PassResult out;
    CrackPass& p = out.pass;

    const auto rte = SSWR(Aas / (0.5 * 1000 * c.h5));
    if (!rte) return {p, "ρte"};
    p.Rte = *rte < 0.01 ? 0.01f : *rte;

    const auto csk = SSWR(c.MBk * 1e6 / (0.87 * c.h0 * Aas));
    if (!csk) return {p, "σsk"};
    p.Csk = *csk;

    const auto fai =
        SSWR(1.1 - 0.65 * c.Ftk / (static_cast<double>(p.Rte) * static_cast<double>(p.Csk)));
    if (!fai) return {p, "ψ"};
    p.Fai = *fai;
    if (p.Fai < 0.2) p.Fai = 0.2f;
    if (p.Fai > 1) p.Fai = 1;

    const auto w =
        SSWR(c.alphaCr * p.Fai * p.Csk / c.Es * (1.9 * c.c1 + 0.08 * (deq / c.nu) / p.Rte));
    if (!w) return {p, "Wmax"};
    p.W = *w;
    return out;
}

std::optional<float> barArea(int deq, double spacing) {
    return SSWR(3.14159265 / 4 * deq * deq * 1000 / spacing);
}

namespace {

CrackCheck checkFrom(const CrackInputs& section, float strengthAas, int strengthDiameter) {
    CrackCheck out;
    out.deq = strengthDiameter;
    out.Aas = strengthAas;
    // The area of whole deq bars at the spacing; false when it is out of range.
    const auto takeBarArea = [&] {
        const auto area = barArea(out.deq, section.spacing);
        if (!area) {
            out.end = CrackEnd::OutOfRange;
            out.outOfRange = "As";
            return false;
        }
        out.Aas = *area;
        return true;
    };
    if (!(out.Aas > 0) && !takeBarArea()) return out;

    while (true) {
        ++out.passes;
        const PassResult pass = crackPass(section, out.Aas, out.deq);
        if (!pass.outOfRange.empty()) {
            out.end = CrackEnd::OutOfRange;
            out.outOfRange = pass.outOfRange;
            return out;
        }
        out.last = pass.pass;
        if (!(out.last.W - section.tolerance * section.limit > 0)) {
            out.end = CrackEnd::Met;
            return out;
        }
        if (out.deq >= kLargestBar) {
            out.end = CrackEnd::NotMet;
            return out;
        }
        ++out.deq;
        if (!takeBarArea()) return out;
    }
}

}  // namespace

// Equal inputs give the same check: those that could differ only in the sign of a zero
// (the cover, ftk) give the same widths either way, and the others are positive.
CrackCheck crackCheck(const CrackInputs& section, float strengthAas, int strengthDiameter) {
    return detail::madeOnce<checkFrom>(section, strengthAas, strengthDiameter);
}

}  // namespace wallcalc
