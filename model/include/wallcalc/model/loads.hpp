#pragma once
// The lateral loads on the wall model, per metre of wall. At depth z below the ground (no
// load above it), with zw the depth of the water level of the combination:
//   earth      K0·σ′v,  σ′v = γ·min(z, zw) + (γsat − γw)·max(0, z − zw)   (permanent)
//   water      γw·max(0, z − zw)                                          (permanent)
//   surcharge  K0·q over the whole depth below the ground                 (variable)
//   civil-defence load qrf of each storey, uniform over that storey
// Each load is straight between the slabs, the ground and the two water levels, so each is
// held exactly as straight pieces over the depth x below the wall's top (x = 0 at slabs[0]).
#include <array>
#include <cstddef>
#include <cstdint>

#include "wallcalc/model/piecewise_load.hpp"
#include "wallcalc/model/wall_model.hpp"

namespace wallcalc::model {

// The soil and water of the model.
struct Soil {
    double K0 = 0;
    double gamma = 0;     // natural unit weight (kN/m3)
    double gammaSat = 0;  // saturated unit weight (kN/m3)
    double gammaW = 0;    // unit weight of water (kN/m3)

    // σ′v at depth z below the ground with the water at depth zw (kN/m2); 0 above the ground.
    double effectiveStress(double z, double zw) const;
    double earth(double z, double zw) const { return K0 * effectiveStress(z, zw); }
    double water(double z, double zw) const;
};
Soil soilOf(const WallModel& model);

// A water level as the loads take it.
struct WaterLevel {
    double typed = 0;            // the elevation given (m)
    double elevation = 0;        // the elevation used: the ground where the typed level is above it
    double depth = 0;            // zw, below the ground (m), ≥ 0
    bool takenAtGround = false;  // the typed level stood above the ground
};
WaterLevel waterLevel(double typed, double ground);

// The combinations of the model.
enum class Combination : std::uint8_t {
    Characteristic,  // earth + water at `water` + surcharge
    Design,          // γ0·(γG·(earth + water at `water`) + γQ·surcharge)
    QuasiPermanent,  // earth + water at `waterQuasi` + ψq·surcharge
    CivilDefence,    // 1.2·(earth + water at `water`) + 1.0·qrf of each storey
};
inline constexpr std::size_t kCombinationCount = 4;
constexpr std::size_t index(Combination c) {
    return static_cast<std::size_t>(c);
}

// GB 50038-2005, the civil-defence combination: the permanent loads with the factor 1.2 and
// the equivalent static load of the weapons with 1.0; the surcharge takes no part.
inline constexpr double kCivilDefencePermanentFactor = 1.2;
inline constexpr double kCivilDefenceLoadFactor = 1.0;

struct ModelLoads {
    // Depth of the ground below the wall's top (m); negative where the ground stands above
    // the top, positive where the top stands above the ground.
    double groundDepth = 0;
    WaterLevel water;                  // for strength
    WaterLevel waterQuasi;             // for the quasi-permanent combination
    PiecewiseLoad earthAndWater;       // permanent, the water at `water`
    PiecewiseLoad earthAndWaterQuasi;  // permanent, the water at `waterQuasi`
    PiecewiseLoad surcharge;           // variable
    PiecewiseLoad civilDefence;        // qrf of each storey
    std::array<PiecewiseLoad, kCombinationCount> combinations;

    const PiecewiseLoad& operator[](Combination c) const { return combinations[index(c)]; }
};

// The loads of a model without problems (see `problems`), all on the same pieces: one
// from each of the slabs, the ground and the two water levels (where inside the wall) to
// the next.
ModelLoads modelLoads(const WallModel& model);

}  // namespace wallcalc::model
