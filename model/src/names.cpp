#include "wallcalc/model/names.hpp"

#include <algorithm>
#include <array>

namespace wallcalc::model {
namespace {

constexpr std::array<std::string_view, 3> kTop = {"pinned", "fixed", "free"};
constexpr std::array<std::string_view, 2> kBase = {"fixed", "pinned"};
constexpr std::array<std::string_view, 3> kEdge = {"fixed", "pinned", "free"};
constexpr std::array<std::string_view, 2> kModes = {"ordinary", "civil-defence"};
constexpr std::array<std::string_view, 3> kTopLabels = {"铰接", "固定", "自由"};
constexpr std::array<std::string_view, 2> kBaseLabels = {"固定", "铰接"};
constexpr std::array<std::string_view, 3> kEdgeLabels = {"固定", "铰接", "自由"};
constexpr std::array<std::string_view, 2> kModeLabels = {"非人防", "人防"};

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

std::span<const std::string_view> topSupportLabels() {
    return kTopLabels;
}
std::span<const std::string_view> baseSupportLabels() {
    return kBaseLabels;
}
std::span<const std::string_view> edgeSupportLabels() {
    return kEdgeLabels;
}
std::span<const std::string_view> modeLabels() {
    return kModeLabels;
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
