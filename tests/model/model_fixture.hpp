#pragma once
// Walls for the model's tests, and the pressure on them written out from the formulas of
// the loads, apart from the code under test.
#include <algorithm>
#include <vector>

#include "wallcalc/model/wall_model.hpp"

namespace wallcalc::model::testing_support {

// A wall with every required key given; storeys 300 mm thick, covers 50 and 30 mm.
inline WallModel wall(std::vector<double> slabs, double ground, double water) {
    WallModel m;
    m.ground = ground;
    m.water = water;
    m.slabs = std::move(slabs);
    m.storeys.assign(m.slabs.size() - 1, Storey{300, 50, 30, 0});
    m.concrete = "C30";
    m.steel = "HRB400";
    m.spacing = 150;
    m.mode = "ordinary";
    return m;
}

// The factors of one combination on the three kinds of load.
struct Factors {
    double permanent = 1, surcharge = 1, civilDefence = 0;
    bool quasiWater = false;  // the water at `waterQuasi` instead of `water`
};

// The pressure (kN/m2) at elevation y inside storey `storey`, from the formulas as the
// engineer writes them.
inline double pressureAt(const WallModel& m, double y, std::size_t storey, const Factors& f) {
    const double z = m.ground - y;
    const double level = std::min(f.quasiWater ? m.quasiWater() : m.water, m.ground);
    const double zw = m.ground - level;
    double earthWater = 0, surcharge = 0;
    if (z > 0) {
        const double sigma =
            m.gamma * std::min(z, zw) + (m.saturatedWeight() - m.gammaW) * std::max(0.0, z - zw);
        earthWater = m.K0 * sigma + m.gammaW * std::max(0.0, z - zw);
        surcharge = m.K0 * m.surcharge;
    }
    return f.permanent * earthWater + f.surcharge * surcharge +
           f.civilDefence * m.storeys[storey].qrf;
}

}  // namespace wallcalc::model::testing_support
