#pragma once
// The wall model: a basement exterior wall of one to five storeys, running continuous over
// its intermediate slabs, as the engineer describes it. One plain value holds every input
// under the key its file, the window's page and the web page name it by; a host maps its
// JSON (or its cells) to this value, and `problems` says what is wrong with it, key by key,
// before anything is computed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "wallcalc/model/names.hpp"

namespace wallcalc::model {

inline constexpr std::size_t kMinStoreys = 1;
inline constexpr std::size_t kMaxStoreys = 5;

// What a key holds.
enum class KeyKind : std::uint8_t {
    Number,      // a number in the unit given
    Name,        // one of a list of names
    Elevations,  // a list of numbers (m)
    Storeys,     // a list of storey objects
    Object,      // an object of its own keys (the title block, the panel)
};

// Whether a key may be left out, and what it then holds.
enum class KeyNeed : std::uint8_t {
    Required,  // must be given
    Default,   // takes `number` or `name`
    SameAs,    // takes the value of the key `sameAs`
    Optional,  // absent means none
};

struct ModelKey {
    std::string_view key;    // as the model's JSON names it: "gammaSat"
    std::string_view label;  // as the window and the messages name it: "土的饱和重度γsat"
    std::string_view unit;   // "kN/m3"; empty for a factor, a name or a list
    KeyKind kind;
    KeyNeed need;
    double number = 0;          // the default of a number
    std::string_view name{};    // the default of a name
    std::string_view sameAs{};  // the key whose value it takes
};

// The keys of the model, in the order the window lists them and the messages go.
// γG 1.3 and γQ 1.5: the partial factors of GB 55001-2021; γ0 1.0: safety class 二级
// (GB 55001-2021: 1.1 一级, 1.0 二级, 0.9 三级).
inline constexpr std::array kModelKeys = std::to_array<ModelKey>({
    {"ground", "室外地面标高", "m", KeyKind::Number, KeyNeed::Required},
    {"water", "设计水位标高", "m", KeyKind::Number, KeyNeed::Required},
    {"waterQuasi", "准永久组合水位标高", "m", KeyKind::Number, KeyNeed::SameAs, 0, {}, "water"},
    {"slabs", "楼板顶标高", "m", KeyKind::Elevations, KeyNeed::Required},
    {"top", "墙顶支承", "", KeyKind::Name, KeyNeed::Default, 0, "pinned"},
    {"base", "墙底支承", "", KeyKind::Name, KeyNeed::Default, 0, "fixed"},
    {"storeys", "各层墙体", "", KeyKind::Storeys, KeyNeed::Required},
    {"gamma", "土的天然重度γ", "kN/m3", KeyKind::Number, KeyNeed::Default, 18},
    {"gammaSat", "土的饱和重度γsat", "kN/m3", KeyKind::Number, KeyNeed::SameAs, 0, {}, "gamma"},
    {"gammaW", "水的重度γw", "kN/m3", KeyKind::Number, KeyNeed::Default, 10},
    {"K0", "静止土压力系数K0", "", KeyKind::Number, KeyNeed::Default, 0.5},
    {"surcharge", "地面附加荷载q", "kN/m2", KeyKind::Number, KeyNeed::Default, 10},
    {"concrete", "混凝土强度等级", "", KeyKind::Name, KeyNeed::Required},
    {"steel", "钢筋牌号", "", KeyKind::Name, KeyNeed::Required},
    {"spacing", "钢筋间距", "mm", KeyKind::Number, KeyNeed::Required},
    {"limit", "裂缝宽度限值", "mm", KeyKind::Number, KeyNeed::Default, 0.2},
    {"gammaG", "永久荷载分项系数γG", "", KeyKind::Number, KeyNeed::Default, 1.3},
    {"gammaQ", "可变荷载分项系数γQ", "", KeyKind::Number, KeyNeed::Default, 1.5},
    {"psiq", "附加荷载准永久值系数ψq", "", KeyKind::Number, KeyNeed::Default, 0.5},
    {"gamma0", "结构重要性系数γ0", "", KeyKind::Number, KeyNeed::Default, 1.0},
    {"mode", "人防选择", "", KeyKind::Name, KeyNeed::Required},
    {"project", "计算书信息", "", KeyKind::Object, KeyNeed::Optional},
    {"panel", "双向板墙板", "", KeyKind::Object, KeyNeed::Optional},
});

// The keys of each object of `storeys`.
inline constexpr std::array kStoreyKeys = std::to_array<ModelKey>({
    {"thickness", "墙厚", "mm", KeyKind::Number, KeyNeed::Required},
    {"c1", "迎水面保护层厚度c1", "mm", KeyKind::Number, KeyNeed::Required},
    {"c2", "背水面保护层厚度c2", "mm", KeyKind::Number, KeyNeed::Required},
    // 0 where the storey is not a civil-defence storey.
    {"qrf", "人防等效静荷载qrf", "kN/m2", KeyKind::Number, KeyNeed::Default, 0},
});

// The keys of `panel` (all required once the panel is given).
inline constexpr std::array kPanelKeys = std::to_array<ModelKey>({
    {"width", "墙板水平跨度", "m", KeyKind::Number, KeyNeed::Required},
    {"left", "左侧支承", "", KeyKind::Name, KeyNeed::Required},
    {"right", "右侧支承", "", KeyKind::Name, KeyNeed::Required},
});

namespace detail {
consteval const ModelKey& keyed(std::span<const ModelKey> keys, std::string_view key) {
    for (const ModelKey& k : keys) {
        if (k.key == key) return k;
    }
    throw "no such key";  // reached only at compile time: a misspelt key does not compile
}
}  // namespace detail

// The default of a key of the table, at compile time.
consteval double defaultNumber(std::string_view key) {
    return detail::keyed(kModelKeys, key).number;
}
consteval std::string_view defaultName(std::string_view key) {
    return detail::keyed(kModelKeys, key).name;
}
consteval double defaultStoreyNumber(std::string_view key) {
    return detail::keyed(kStoreyKeys, key).number;
}

// A number the engineer has not given yet.
inline constexpr double kNotGiven = std::numeric_limits<double>::quiet_NaN();

struct Storey {
    double thickness = kNotGiven;             // mm
    double c1 = kNotGiven;                    // cover of the water (earth) face, mm
    double c2 = kNotGiven;                    // cover of the inner face, mm
    double qrf = defaultStoreyNumber("qrf");  // civil-defence load, kN/m2
    bool operator==(const Storey&) const = default;
};

// A two-way panel between side supports; read and checked here, analysed by the plate.
struct Panel {
    double width = kNotGiven;  // horizontal span between the side supports, m
    std::string left;          // an edge support name: "fixed", "pinned" or "free"
    std::string right;
    bool operator==(const Panel&) const = default;
};

// The title block of the model's calculation sheet; read by no calculation.
struct TitleBlock {
    std::string project;   // 工程名称
    std::string wall;      // 墙体编号/部位
    std::string designer;  // 设计
    std::string checker;   // 校对
    std::string reviewer;  // 审核
    bool operator==(const TitleBlock&) const = default;
};

struct TitleField {
    std::string_view key;
    std::string_view label;
    std::string TitleBlock::*field;
};
inline constexpr std::array<TitleField, 5> kTitleFields = {{
    {"project", "工程名称", &TitleBlock::project},
    {"wall", "墙体编号/部位", &TitleBlock::wall},
    {"designer", "设计", &TitleBlock::designer},
    {"checker", "校对", &TitleBlock::checker},
    {"reviewer", "审核", &TitleBlock::reviewer},
}};

// Elevations in m (the ground, the water levels, the slabs), as on the drawings.
struct WallModel {
    double ground = kNotGiven;
    double water = kNotGiven;                 // the design water level for strength
    std::optional<double> waterQuasi;         // the level for the quasi-permanent combination
    std::vector<double> slabs;                // top of each slab, roof slab first, n + 1 values
    std::string top{defaultName("top")};      // "pinned", "fixed" or "free"
    std::string base{defaultName("base")};    // "fixed" or "pinned"
    std::vector<Storey> storeys;              // storey i spans from slabs[i] to slabs[i + 1]
    double gamma = defaultNumber("gamma");    // kN/m3
    std::optional<double> gammaSat;           // kN/m3
    double gammaW = defaultNumber("gammaW");  // kN/m3
    double K0 = defaultNumber("K0");
    double surcharge = defaultNumber("surcharge");  // kN/m2
    std::string concrete;                           // "C30"
    std::string steel;                              // "HRB400"
    double spacing = kNotGiven;                     // mm
    double limit = defaultNumber("limit");          // mm
    double gammaG = defaultNumber("gammaG");
    double gammaQ = defaultNumber("gammaQ");
    double psiq = defaultNumber("psiq");
    double gamma0 = defaultNumber("gamma0");
    std::string mode;  // "ordinary" or "civil-defence"
    TitleBlock project;
    std::optional<Panel> panel;

    std::size_t storeyCount() const { return storeys.size(); }
    double quasiWater() const { return waterQuasi.value_or(water); }
    double saturatedWeight() const { return gammaSat.value_or(gamma); }
    bool operator==(const WallModel&) const = default;
};

// What is wrong with one input: the key as the model's JSON names it ("slabs[2]",
// "storeys[1].thickness") and what to change, in the engineer's words.
struct Problem {
    std::string key;
    std::string message;
    bool operator==(const Problem&) const = default;
};

// Every problem of the model, in the order of its keys; none when it can be analysed.
std::vector<Problem> problems(const WallModel& model);
std::optional<Problem> firstProblem(const WallModel& model);

// The supports and the mode of a model without problems.
TopSupport topSupportOf(const WallModel& model);
BaseSupport baseSupportOf(const WallModel& model);
Mode modeOf(const WallModel& model);

}  // namespace wallcalc::model
