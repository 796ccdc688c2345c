// The checks of a wall model before anything is computed: every number finite and within
// a range the calculation can carry, the slabs strictly decreasing, one storey object per
// storey, a wall thicker than twice either cover, the water no heavier than the saturated
// soil, every name one the program knows, and no mechanism. Each problem names its key as
// the model's JSON does and says what to change.
#include <cmath>

#include "wallcalc/design/materials.hpp"
#include "wallcalc/model/wall_model.hpp"
#include "wallcalc/report/number_text.hpp"

namespace wallcalc::model {
namespace {

// Numbers beyond this size are refused: with them the loads and moments stay far inside
// what a double holds (a pressure of 1e6·1e6·1e6 over spans of 1e6 m still does).
constexpr double kLargest = 1e6;

std::string_view labelIn(std::span<const ModelKey> keys, std::string_view key) {
    for (const ModelKey& k : keys) {
        if (k.key == key) return k.label;
    }
    return {};
}

// A key as the model's JSON names it: "ground", "slabs[2]", "storeys[1].thickness". Its
// text is made only for a problem, so that a model without problems costs no allocation.
struct Key {
    std::string_view base;
    std::optional<std::size_t> at{};
    std::string_view field{};

    Key(const char* name) : base(name) {}
    Key(std::string_view name, std::size_t i, std::string_view f = {})
        : base(name), at(i), field(f) {}
    std::string text() const {
        std::string out(base);
        if (at) out += "[" + std::to_string(*at) + "]";
        if (!field.empty()) out += "." + std::string(field);
        return out;
    }
};

std::string listed(std::span<const std::string_view> names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += i + 1 == names.size() ? " 或 " : "、";
        out += names[i];
    }
    return out;
}

class Checker {
  public:
    std::vector<Problem> found;

    // Adds the problem "key（label）…".
    void add(const Key& key, std::string_view label, std::string_view what) {
        std::string text = key.text();
        std::string message = text + "（" + std::string(label) + "）" + std::string(what);
        found.push_back({std::move(text), std::move(message)});
    }
    static std::string valued(double v, std::string_view unit) {
        return "=" + report::doubleText(v) + std::string(unit);
    }

    // A finite number of a size the calculation can carry.
    bool number(const Key& key, std::string_view label, double v) {
        if (!std::isfinite(v)) {
            add(key, label, "没有有效的数值，请输入");
            return false;
        }
        if (std::fabs(v) > kLargest) {
            add(key, label, valued(v, "") + " 超出可计算的范围，绝对值应不大于1000000，请重新输入");
            return false;
        }
        return true;
    }
    bool positive(const Key& key, std::string_view label, std::string_view unit, double v) {
        if (!number(key, label, v)) return false;
        if (v > 0) return true;
        add(key, label, valued(v, unit) + " 应大于0，请重新输入");
        return false;
    }
    bool notNegative(const Key& key, std::string_view label, std::string_view unit, double v) {
        if (!number(key, label, v)) return false;
        if (v >= 0) return true;
        add(key, label, valued(v, unit) + " 不应小于0，请重新输入");
        return false;
    }
    void name(const Key& key, std::string_view label, std::string_view value,
              std::span<const std::string_view> names) {
        if (positionOf(names, value)) return;
        if (value.empty()) {
            add(key, label, "没有给出，应为 " + listed(names));
        } else {
            add(key, label, "“" + std::string(value) + "”不是可选的名称，应为 " + listed(names));
        }
    }
};

std::string_view label(std::string_view key) {
    return labelIn(kModelKeys, key);
}

// GB 50010-2010 4.1.2: reinforced concrete at least C20.
constexpr int kLeastReinforcedGrade = 20;

// The section design's grades the model takes, for a message: the concrete of reinforced
// concrete, and the steel (in civil-defence works those GB 50038-2005 gives a dynamic
// factor for).
std::vector<std::string_view> concreteNames() {
    std::vector<std::string_view> out;
    for (const design::ConcreteGrade& g : design::kConcreteGrades) {
        if (g.fcuk >= kLeastReinforcedGrade) out.push_back(g.name);
    }
    return out;
}
std::vector<std::string_view> steelNames(bool civilDefence) {
    std::vector<std::string_view> out;
    for (const design::SteelGrade& g : design::kSteelGrades) {
        if (!civilDefence || g.civilFactor != 0) out.push_back(g.name);
    }
    return out;
}

void checkLevels(Checker& c, const WallModel& m) {
    c.number("ground", label("ground"), m.ground);
    c.number("water", label("water"), m.water);
    if (m.waterQuasi) c.number("waterQuasi", label("waterQuasi"), *m.waterQuasi);
}

// Whether the slabs are usable for the checks that need them.
bool checkSlabs(Checker& c, const WallModel& m) {
    const std::size_t count = m.slabs.size();
    if (count < kMinStoreys + 1 || count > kMaxStoreys + 1) {
        c.add("slabs", label("slabs"),
              "有 " + std::to_string(count) + " 个标高；应自顶板至底板给出 2～6 个标高（1～5 层）");
        return false;
    }
    bool usable = true;
    for (std::size_t i = 0; i < count; ++i) {
        const Key key("slabs", i);
        if (!c.number(key, label("slabs"), m.slabs[i])) {
            usable = false;
            continue;
        }
        if (i == 0 || !std::isfinite(m.slabs[i - 1]) || m.slabs[i] < m.slabs[i - 1]) continue;
        c.add(key, label("slabs"),
              Checker::valued(m.slabs[i], "m") + " 不低于上一标高 " + Key("slabs", i - 1).text() +
                  Checker::valued(m.slabs[i - 1], "m") +
                  "；楼板顶标高应自顶板至底板严格递减，请重新输入");
        usable = false;
    }
    return usable;
}

void checkGround(Checker& c, const WallModel& m) {
    if (!std::isfinite(m.ground) || m.ground > m.slabs.back()) return;
    c.add("ground", label("ground"),
          Checker::valued(m.ground, "m") + " 不高于底板顶标高 " +
              Key("slabs", m.slabs.size() - 1).text() + Checker::valued(m.slabs.back(), "m") +
              "，墙外没有土；请检查标高");
}

// Whether a panel has a side that holds it (fixed or pinned).
bool heldAtASide(const WallModel& m) {
    if (!m.panel) return false;
    const auto held = [](const std::string& edge) {
        const auto s = edgeSupportNamed(edge);
        return s && *s != EdgeSupport::Free;
    };
    return held(m.panel->left) || held(m.panel->right);
}

void checkSupports(Checker& c, const WallModel& m, std::optional<std::size_t> storeys) {
    c.name("top", label("top"), m.top, topSupportNames());
    c.name("base", label("base"), m.base, baseSupportNames());
    // A wall free at its top stands on its base alone: pinned there, one storey turns about
    // it, unless a side of a two-way panel holds it (the plate finds what else would turn).
    if (storeys == 1 && topSupportNamed(m.top) == TopSupport::Free &&
        baseSupportNamed(m.base) == BaseSupport::Pinned && !heldAtASide(m)) {
        c.add("base", label("base"),
              m.panel ? "：单层墙墙顶与两侧边均自由（free）时墙底不能为铰接（pinned），"
                        "否则墙体为可变体系；请将墙底改为固定（fixed），或为墙顶或侧边设置支承"
                      : "：单层墙墙顶自由（free）时墙底不能为铰接（pinned），否则墙体为可变体系；"
                        "请将墙底改为固定（fixed），或为墙顶设置支承");
    }
}

void checkStorey(Checker& c, const Storey& s, std::size_t i) {
    const auto key = [i](std::string_view field) { return Key("storeys", i, field); };
    const auto lab = [](std::string_view field) { return labelIn(kStoreyKeys, field); };
    const bool thick = c.positive(key("thickness"), lab("thickness"), "mm", s.thickness);
    const bool c1 = c.positive(key("c1"), lab("c1"), "mm", s.c1);
    const bool c2 = c.positive(key("c2"), lab("c2"), "mm", s.c2);
    c.notNegative(key("qrf"), lab("qrf"), "kN/m2", s.qrf);
    if (!thick || !c1 || !c2) return;
    const bool waterFace = s.c1 >= s.c2;
    const double cover = waterFace ? s.c1 : s.c2;
    if (s.thickness > 2 * cover) return;
    const std::string_view name = waterFace ? "c1" : "c2";
    c.add(key("thickness"), lab("thickness"),
          Checker::valued(s.thickness, "mm") + " 不大于 2×" + std::string(name) + "=2×" +
              report::doubleText(cover) + "=" + report::doubleText(2 * cover) +
              "mm，放不下钢筋；请加大墙厚或减小保护层厚度");
}

void checkStoreys(Checker& c, const WallModel& m, std::optional<std::size_t> fromSlabs) {
    const std::size_t count = m.storeys.size();
    if (fromSlabs && count != *fromSlabs) {
        c.add("storeys", label("storeys"),
              "有 " + std::to_string(count) + " 层，而 slabs 的 " + std::to_string(*fromSlabs + 1) +
                  " 个标高围成 " + std::to_string(*fromSlabs) + " 层；两者应一致");
    } else if (!fromSlabs && (count < kMinStoreys || count > kMaxStoreys)) {
        c.add("storeys", label("storeys"), "有 " + std::to_string(count) + " 层；应为 1～5 层");
    }
    for (std::size_t i = 0; i < count && i < kMaxStoreys; ++i)
        checkStorey(c, m.storeys[i], i);
}

void checkSoil(Checker& c, const WallModel& m) {
    const bool gamma = c.positive("gamma", label("gamma"), "kN/m3", m.gamma);
    const bool sat =
        m.gammaSat ? c.positive("gammaSat", label("gammaSat"), "kN/m3", *m.gammaSat) : gamma;
    const bool water = c.positive("gammaW", label("gammaW"), "kN/m3", m.gammaW);
    if (sat && water && m.saturatedWeight() < m.gammaW) {
        const std::string given = m.gammaSat ? "" : "（未输入，取土的天然重度γ）";
        c.add("gammaSat", label("gammaSat"),
              Checker::valued(m.saturatedWeight(), "kN/m3") + given + " 小于水的重度γw" +
                  Checker::valued(m.gammaW, "kN/m3") + "，水下土的有效重度γsat−γw为负；请检查重度");
    }
    c.positive("K0", label("K0"), "", m.K0);
    c.notNegative("surcharge", label("surcharge"), "kN/m2", m.surcharge);
}

void checkDesignInputs(Checker& c, const WallModel& m) {
    const design::ConcreteGrade* concrete = design::concreteNamed(m.concrete);
    if (concrete == nullptr || concrete->fcuk < kLeastReinforcedGrade) {
        c.name("concrete", label("concrete"), m.concrete, concreteNames());
    }
    const design::SteelGrade* steel = design::steelNamed(m.steel);
    const bool civil = modeNamed(m.mode) == Mode::CivilDefence;
    if (steel == nullptr) {
        c.name("steel", label("steel"), m.steel, steelNames(false));
    } else if (civil && steel->civilFactor == 0) {
        c.add("steel", label("steel"),
              "“" + m.steel +
                  "”在人防工程中不可选用（GB 50038-2005没有给出它的材料强度综合调整"
                  "系数），应为 " +
                  listed(steelNames(true)));
    }
    c.positive("spacing", label("spacing"), "mm", m.spacing);
    c.positive("limit", label("limit"), "mm", m.limit);
    c.positive("gammaG", label("gammaG"), "", m.gammaG);
    c.positive("gammaQ", label("gammaQ"), "", m.gammaQ);
    if (c.notNegative("psiq", label("psiq"), "", m.psiq) && m.psiq > 1) {
        c.add("psiq", label("psiq"), Checker::valued(m.psiq, "") + " 应在0～1之间，请重新输入");
    }
    c.positive("gamma0", label("gamma0"), "", m.gamma0);
    c.name("mode", label("mode"), m.mode, modeNames());
}

void checkPanel(Checker& c, const Panel& p) {
    const auto lab = [](std::string_view field) { return labelIn(kPanelKeys, field); };
    c.positive("panel.width", lab("width"), "m", p.width);
    c.name("panel.left", lab("left"), p.left, edgeSupportNames());
    c.name("panel.right", lab("right"), p.right, edgeSupportNames());
}

}  // namespace

std::vector<Problem> problems(const WallModel& m) {
    Checker c;
    checkLevels(c, m);
    if (checkSlabs(c, m)) checkGround(c, m);
    // The number of storeys the slabs make, when their count is one the model takes.
    std::optional<std::size_t> storeys;
    if (m.slabs.size() >= kMinStoreys + 1 && m.slabs.size() <= kMaxStoreys + 1)
        storeys = m.slabs.size() - 1;
    checkSupports(c, m, storeys);
    checkStoreys(c, m, storeys);
    checkSoil(c, m);
    checkDesignInputs(c, m);
    if (m.panel) checkPanel(c, *m.panel);
    return std::move(c.found);
}

std::optional<Problem> firstProblem(const WallModel& m) {
    auto all = problems(m);
    if (all.empty()) return std::nullopt;
    return std::move(all.front());
}

TopSupport topSupportOf(const WallModel& m) {
    return topSupportNamed(m.top).value_or(TopSupport::Pinned);
}
BaseSupport baseSupportOf(const WallModel& m) {
    return baseSupportNamed(m.base).value_or(BaseSupport::Fixed);
}
Mode modeOf(const WallModel& m) {
    return modeNamed(m.mode).value_or(Mode::Ordinary);
}

}  // namespace wallcalc::model
