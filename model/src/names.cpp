#include "wallcalc/model/names.hpp"

#include <algorithm>
#include <array>

namespace wallcalc::model {
namespace {

constexpr std::array<std::string_view, 3> kTop = {"pinned", "fixed", "free"};
constexpr std::array<std::string_view, 2> kBase = {"fixed", "pinned"};
constexpr std::array<std::string_view, 3> kEdge = {"fixed", "pinned", "free"};
constexpr std::array<std::string_view, 2> kModes = {"ordinary", "civil-defence"};
constexpr std::array<std::string_view, 13> kConcrete = {
    "C20", "C25", "C30", "C35", "C40", "C45", "C50", "C55", "C60", "C65", "C70", "C75", "C80"};
constexpr std::array<std::string_view, 5> kSteel = {"HPB300", "HRB335", "HRB400", "RRB400",
                                                    "HRB500"};

template <class Enum>
std::optional<Enum> named(std::span<const std::string_view> names, std::string_view name) {
    const auto at = positionOf(names, name);
    if (!at) return std::nullopt;
    return static_cast<Enum>(*at);
}

}  // namespace

std::span<const std::string_view> topSupportNames() {
    return kTop;
}
std::span<const std::string_view> baseSupportNames() {
    return kBase;
}
std::span<const std::string_view> edgeSupportNames() {
    return kEdge;
}
std::span<const std::string_view> modeNames() {
    return kModes;
}
std::span<const std::string_view> concreteGrades() {
    return kConcrete;
}
std::span<const std::string_view> steelGrades() {
    return kSteel;
}

std::optional<std::size_t> positionOf(std::span<const std::string_view> names,
                                      std::string_view name) {
    const auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) return std::nullopt;
    return static_cast<std::size_t>(it - names.begin());
}

std::optional<TopSupport> topSupportNamed(std::string_view name) {
    return named<TopSupport>(kTop, name);
}
std::optional<BaseSupport> baseSupportNamed(std::string_view name) {
    return named<BaseSupport>(kBase, name);
}
std::optional<EdgeSupport> edgeSupportNamed(std::string_view name) {
    return named<EdgeSupport>(kEdge, name);
}
std::optional<Mode> modeNamed(std::string_view name) {
    return named<Mode>(kModes, name);
}

}  // namespace wallcalc::model
