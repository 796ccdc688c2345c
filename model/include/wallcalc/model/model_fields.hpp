#pragma once
// The members of WallModel and Storey by the keys of the model's tables, each key once:
// every host that maps its JSON or its cells to the model (the command line's files, the
// window's page) finds the member a key fills here.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "wallcalc/model/wall_model.hpp"

namespace wallcalc::model {

struct NumberField {
    std::string_view key;
    double WallModel::*field;
};
inline constexpr NumberField kNumberFields[] = {
    {"ground", &WallModel::ground},   {"water", &WallModel::water},
    {"gamma", &WallModel::gamma},     {"gammaW", &WallModel::gammaW},
    {"K0", &WallModel::K0},           {"surcharge", &WallModel::surcharge},
    {"spacing", &WallModel::spacing}, {"limit", &WallModel::limit},
    {"gammaG", &WallModel::gammaG},   {"gammaQ", &WallModel::gammaQ},
    {"psiq", &WallModel::psiq},       {"gamma0", &WallModel::gamma0},
};

// A number that, left out, takes the value of another key.
struct OptionalField {
    std::string_view key;
    std::optional<double> WallModel::*field;
};
inline constexpr OptionalField kOptionalFields[] = {{"waterQuasi", &WallModel::waterQuasi},
                                                    {"gammaSat", &WallModel::gammaSat}};

struct NameField {
    std::string_view key;
    std::string WallModel::*field;
};
inline constexpr NameField kNameFields[] = {{"top", &WallModel::top},
                                            {"base", &WallModel::base},
                                            {"concrete", &WallModel::concrete},
                                            {"steel", &WallModel::steel},
                                            {"mode", &WallModel::mode}};

struct StoreyField {
    std::string_view key;
    double Storey::*field;
};
inline constexpr StoreyField kStoreyFields[] = {{"thickness", &Storey::thickness},
                                                {"c1", &Storey::c1},
                                                {"c2", &Storey::c2},
                                                {"qrf", &Storey::qrf}};

// The members of Panel by the keys of `panel` (kPanelKeys).
struct PanelNumberField {
    std::string_view key;
    double Panel::*field;
};
inline constexpr PanelNumberField kPanelNumberFields[] = {{"width", &Panel::width}};

struct PanelNameField {
    std::string_view key;
    std::string Panel::*field;
};
inline constexpr PanelNameField kPanelNameFields[] = {{"left", &Panel::left},
                                                      {"right", &Panel::right}};

// The field of a key, or null.
template <class Field>
const Field* fieldNamed(std::span<const Field> fields, std::string_view key) {
    for (const Field& f : fields) {
        if (f.key == key) return &f;
    }
    return nullptr;
}

}  // namespace wallcalc::model
