// 一、荷载: the soil and water, the two water levels, and the pressures at every point
// where the loads bend or jump (the slabs, the ground and the water levels), each
// combination formula by formula.
#include <cmath>

#include "text_parts.hpp"
#include "wallcalc/model/loads.hpp"

namespace wallcalc::model::text {
namespace {

void waterLine(Lines& t, const WallModel& m, const WaterLevel& w, std::string_view name,
               std::string_view zw) {
    // The texts the line names are made first: the list below only points at them.
    const std::string typedLevel = typed(w.typed), ground = typed(m.ground);
    const std::string groundTerm = term(m.ground), levelTerm = term(w.elevation);
    const std::initializer_list<Named> v = {{"name", name},           {"level", typedLevel},
                                            {"ground", ground},       {"gt", groundTerm},
                                            {"lt", levelTerm},        {"zw", zw},
                                            {"depth", shown(w.depth)}};
    if (w.takenAtGround) {
        t.line("{name}标高{level}(m)高于室外地面标高{ground}(m)，按地面取用：{zw}=0(m)", v);
    } else {
        t.line("{name}标高{level}(m)：{zw}=地面标高-水位标高={gt}-{lt}={depth}(m)", v);
    }
}

// The earth and water at depth z below the ground with the water at depth zw.
struct Pressures {
    double z = 0, zw = 0;
    double sigma = 0, earth = 0, water = 0;
};
Pressures pressuresAt(const Soil& soil, double z, double zw) {
    return {z, zw, soil.effectiveStress(z, zw), soil.earth(z, zw), soil.water(z, zw)};
}

// "e=K0*σ′v=0.5*(18*3.6+(20-10)*0)=32.4，pw=10*0=0".
std::string earthWaterText(const WallModel& m, const Pressures& p, std::string_view e,
                           std::string_view pw) {
    std::string out;
    const double above = std::min(p.z, p.zw), below = std::max(0.0, p.z - p.zw);
    report::appendFilled(out,
                         "{e}=K0*(γ*{a}+(γsat-γw)*{b})={K0}*({g}*{a}+({gs}-{gw})*{b})={ev}，"
                         "{pw}=γw*{b}={gw}*{b}={pwv}",
                         {{"e", e},
                          {"pw", pw},
                          {"a", shown(above)},
                          {"b", shown(below)},
                          {"K0", m.K0},
                          {"g", m.gamma},
                          {"gs", m.saturatedWeight()},
                          {"gw", m.gammaW},
                          {"ev", shown(p.earth)},
                          {"pwv", shown(p.water)}});
    return out;
}

// The four combinations at one side of a break: `below` the side under it.
struct Side {
    double qs = 0;   // K0·q, 0 above the ground
    double qrf = 0;  // of the storey on that side
};

void combinationLines(Lines& t, const WallModel& m, const Pressures& d, const Pressures& q,
                      const Side& s, bool civil, std::string_view side) {
    const double ew = d.earth + d.water;
    const std::initializer_list<Named> v = {
        {"side", side},
        {"e", shown(d.earth)},
        {"pw", shown(d.water)},
        {"eq", shown(q.earth)},
        {"pwq", shown(q.water)},
        {"qs", shown(s.qs)},
        {"g0", m.gamma0},
        {"gG", m.gammaG},
        {"gQ", m.gammaQ},
        {"psi", m.psiq},
        {"qrf", s.qrf},
        {"pk", shown(ew + s.qs)},
        {"pd", shown(m.gamma0 * (m.gammaG * ew + m.gammaQ * s.qs))},
        {"pq", shown(q.earth + q.water + m.psiq * s.qs)},
        {"prf", shown(kCivilDefencePermanentFactor * ew + kCivilDefenceLoadFactor * s.qrf)}};
    t.line(
        "  {side}pk={e}+{pw}+{qs}={pk}，pd={g0}*({gG}*({e}+{pw})+{gQ}*{qs})={pd}，"
        "pq={eq}+{pwq}+{psi}*{qs}={pq}",
        v);
    if (civil) t.line("  {side}prf=1.2*({e}+{pw})+1.0*{qrf}={prf}", v);
}

// The storey a depth x below the top lies in, from above (`below` false) or from below.
std::size_t storeyAt(const WallModel& m, double x, bool below) {
    std::size_t i = 0;
    const auto slabDepth = [&](std::size_t j) { return m.slabs[0] - m.slabs[j]; };
    while (i + 1 < m.storeyCount() && (below ? x >= slabDepth(i + 1) : x > slabDepth(i + 1)))
        ++i;
    return i;
}

void breakLines(Lines& t, const WallModel& m, const ModelLoads& loads, double x, bool first,
                bool last, bool civil) {
    const Soil soil = soilOf(m);
    const double z = x - loads.groundDepth;
    const std::initializer_list<Named> v = {{"y", shown(m.slabs[0] - x)}, {"z", shown(z)}};
    if (z < 0) {
        t.line("标高{y}(m)：在室外地面以上，无荷载", v);
        return;
    }
    const Pressures d = pressuresAt(soil, z, loads.water.depth);
    const Pressures q = pressuresAt(soil, z, loads.waterQuasi.depth);
    t.line("标高{y}(m)，z={z}(m)：" + earthWaterText(m, d, "e", "pw") + "；" +
               earthWaterText(m, q, "e′", "pw′") + " (kN/m2)",
           v);
    const double qs = m.K0 * m.surcharge;
    const Side above{z > 0 ? qs : 0.0, m.storeys[storeyAt(m, x, false)].qrf};
    const Side below{qs, m.storeys[storeyAt(m, x, true)].qrf};
    const bool jumps = above.qs != below.qs || (civil && above.qrf != below.qrf);
    if (!first && (jumps || last)) combinationLines(t, m, d, q, above, civil, jumps ? "上：" : "");
    if (!last) combinationLines(t, m, d, q, below, civil, jumps && !first ? "下：" : "");
}

}  // namespace

void loadLines(Lines& t, const WallModel& m, const ModelLoads& loads) {
    const bool civil = modeOf(m) == Mode::CivilDefence;
    t.line("一、荷载（每米墙长，z为室外地面以下深度）");
    t.line("K0={K0}，γ={g}(kN/m3)，γsat={gs}(kN/m3)，γw={gw}(kN/m3)，地面附加荷载q={q}(kN/m2)",
           {{"K0", m.K0},
            {"g", m.gamma},
            {"gs", m.saturatedWeight()},
            {"gw", m.gammaW},
            {"q", m.surcharge}});
    if (loads.groundDepth > 0) {
        t.line("墙顶标高{top}(m)高出室外地面标高{g}(m)，地面以上无土、水与附加荷载",
               {{"top", m.slabs[0]}, {"g", m.ground}});
    }
    waterLine(t, m, loads.water, "设计水位", "zw");
    waterLine(t, m, loads.waterQuasi, "准永久组合水位", "zw′");
    t.line(
        "土压力e=K0*σ′v，σ′v=γ*min(z,zw)+(γsat-γw)*max(0,z-zw)；水压力pw=γw*max(0,z-zw)；"
        "附加荷载qs=K0*q={K0}*{q}={qs}(kN/m2)（可变荷载）；e′、pw′按准永久组合水位zw′",
        {{"K0", m.K0}, {"q", m.surcharge}, {"qs", shown(m.K0 * m.surcharge)}});
    t.line(
        "标准组合pk=e+pw+qs；基本组合pd=γ0*(γG*(e+pw)+γQ*qs)；准永久组合pq=e′+pw′+ψq*qs"
        "（γG={gG}，γQ={gQ}，ψq={psi}，γ0={g0}，GB 55001-2021）",
        {{"gG", m.gammaG}, {"gQ", m.gammaQ}, {"psi", m.psiq}, {"g0", m.gamma0}});
    if (civil) {
        t.line(
            "人防组合prf=1.2*(e+pw)+1.0*qrf（GB 50038-2005，qrf为本层人防等效静荷载，"
            "附加荷载不参与）");
    }
    t.line("各荷载折点（楼板、室外地面与水位处），荷载单位（kN/m2），每米墙长即（kN/m）：");
    const auto pieces = loads[Combination::Characteristic].pieces();
    for (std::size_t k = 0; k <= pieces.size(); ++k) {
        const double x = k < pieces.size() ? pieces[k].x0 : pieces.back().x1;
        breakLines(t, m, loads, x, k == 0, k == pieces.size(), civil);
    }
}

}  // namespace wallcalc::model::text
