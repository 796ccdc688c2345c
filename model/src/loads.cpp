#include "wallcalc/model/loads.hpp"

#include <algorithm>
#include <cmath>

namespace wallcalc::model {
namespace {

// The depths that end the pieces: the supports, and the ground and the two water levels
// where they fall inside the wall; sorted, each once.
struct Breaks {
    std::array<double, kMaxStoreys + 4> at{};
    std::size_t count = 0;

    void add(double x) {
        if (count < at.size()) at[count++] = x;
    }
    void addInside(double x, double height) {
        if (x > 0 && x < height) add(x);
    }
    void sortUnique() {
        std::sort(at.begin(), at.begin() + static_cast<std::ptrdiff_t>(count));
        count = static_cast<std::size_t>(
            std::unique(at.begin(), at.begin() + static_cast<std::ptrdiff_t>(count)) - at.begin());
    }
};

void append(PiecewiseLoad& load, double x0, double x1, double p0, double p1) {
    // The pieces come from at most kMaxStoreys + 4 breaks, well within the capacity.
    (void)load.add({x0, x1, p0, p1});
}

Breaks breaksOf(const WallModel& m, const ModelLoads& loads) {
    Breaks breaks;
    const double top = m.slabs[0];
    const double height = top - m.slabs.back();
    for (const double slab : m.slabs)
        breaks.add(top - slab);
    breaks.addInside(loads.groundDepth, height);
    breaks.addInside(top - loads.water.elevation, height);
    breaks.addInside(top - loads.waterQuasi.elevation, height);
    breaks.sortUnique();
    return breaks;
}

}  // namespace

double Soil::effectiveStress(double z, double zw) const {
    if (!(z > 0)) return 0;
    return gamma * std::min(z, zw) + (gammaSat - gammaW) * std::max(0.0, z - zw);
}

double Soil::water(double z, double zw) const {
    return gammaW * std::max(0.0, z - zw);
}

Soil soilOf(const WallModel& m) {
    return {m.K0, m.gamma, m.saturatedWeight(), m.gammaW};
}

WaterLevel waterLevel(double typed, double ground) {
    WaterLevel w;
    w.typed = typed;
    w.takenAtGround = typed > ground;
    w.elevation = w.takenAtGround ? ground : typed;
    w.depth = ground - w.elevation;
    return w;
}

ModelLoads modelLoads(const WallModel& m) {
    ModelLoads out;
    const Soil soil = soilOf(m);
    const std::size_t n = m.storeyCount();
    // Nothing to load on a model whose storeys and slabs do not fit (see `problems`).
    if (n < kMinStoreys || n > kMaxStoreys || m.slabs.size() != n + 1) return out;
    const double top = m.slabs[0];
    out.groundDepth = top - m.ground;
    out.water = waterLevel(m.water, m.ground);
    out.waterQuasi = waterLevel(m.quasiWater(), m.ground);

    const Breaks breaks = breaksOf(m, out);
    const double xg = out.groundDepth;

    const double zw = out.water.depth, zq = out.waterQuasi.depth;
    const double g0 = m.gamma0, gG = m.gammaG, gQ = m.gammaQ, psi = m.psiq;
    std::size_t storey = 0;
    for (std::size_t k = 0; k + 1 < breaks.count; ++k) {
        const double x0 = breaks.at[k], x1 = breaks.at[k + 1];
        const double zMid = 0.5 * (x0 + x1) - xg;
        while (storey + 1 < n && x0 >= top - m.slabs[storey + 1])
            ++storey;
        const double z0 = x0 - xg, z1 = x1 - xg;
        const double e0 = soil.earth(z0, zw) + soil.water(z0, zw);
        const double e1 = soil.earth(z1, zw) + soil.water(z1, zw);
        const double q0 = soil.earth(z0, zq) + soil.water(z0, zq);
        const double q1 = soil.earth(z1, zq) + soil.water(z1, zq);
        // The surcharge starts at the ground: a jump where the wall's top stands above it.
        const double s = zMid > 0 ? m.K0 * m.surcharge : 0;
        const double r = m.storeys[storey].qrf;

        append(out.earthAndWater, x0, x1, e0, e1);
        append(out.earthAndWaterQuasi, x0, x1, q0, q1);
        append(out.surcharge, x0, x1, s, s);
        append(out.civilDefence, x0, x1, r, r);
        auto& c = out.combinations;
        append(c[index(Combination::Characteristic)], x0, x1, e0 + s, e1 + s);
        append(c[index(Combination::Design)], x0, x1, g0 * (gG * e0 + gQ * s),
               g0 * (gG * e1 + gQ * s));
        append(c[index(Combination::QuasiPermanent)], x0, x1, q0 + psi * s, q1 + psi * s);
        append(c[index(Combination::CivilDefence)], x0, x1,
               kCivilDefencePermanentFactor * e0 + kCivilDefenceLoadFactor * r,
               kCivilDefencePermanentFactor * e1 + kCivilDefenceLoadFactor * r);
    }
    return out;
}

}  // namespace wallcalc::model
