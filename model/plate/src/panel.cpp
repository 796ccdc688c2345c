#include <array>
#include <cmath>
#include <string>

#include "wallcalc/plate/panel.hpp"

namespace wallcalc::plate {

namespace {

constexpr std::array<std::pair<Edge, std::string_view>, 3> kEdgeNames = {
    {{Edge::fixed, "fixed"}, {Edge::pinned, "pinned"}, {Edge::free, "free"}}};

constexpr std::size_t kMostStoreys = 5;

bool positive(double v) {
    return std::isfinite(v) && v > 0;
}

std::string quoted(std::string_view key) {
    return "“" + std::string(key) + "”";
}

std::optional<PanelInputError> refuse(std::string key, std::string what) {
    std::string message = quoted(key) + what;
    return PanelInputError{std::move(key), std::move(message)};
}

std::optional<PanelInputError> checkStoreys(const Panel& panel) {
    const std::size_t n = panel.storeys.size();
    if (n < 1 || n > kMostStoreys)
        return refuse("storeys", "应有1至5层（现为" + std::to_string(n) + "层）");
    for (std::size_t i = 0; i < n; ++i) {
        const std::string number = std::to_string(i + 1);
        if (!positive(panel.storeys[i].height_m))
            return refuse("slabs", "：第" + number + "层的层高应大于0（楼板标高自上而下递减）");
        if (!positive(panel.storeys[i].thickness_mm))
            return refuse("storeys[" + std::to_string(i) + "].thickness", "应为大于0的墙厚（mm）");
    }
    return std::nullopt;
}

std::optional<PanelInputError> checkLoad(const Panel& panel) {
    for (std::size_t i = 0; i < panel.load.size(); ++i) {
        const LoadPiece& p = panel.load[i];
        const bool finite = std::isfinite(p.topDepth_m) && std::isfinite(p.bottomDepth_m) &&
                            std::isfinite(p.topPressure_kPa) && std::isfinite(p.bottomPressure_kPa);
        if (!finite || !(p.bottomDepth_m >= p.topDepth_m))
            return refuse("load", "：第" + std::to_string(i + 1) +
                                      "段荷载的深度与压力应为有限数，且下端不高于上端");
    }
    return std::nullopt;
}

// Rigid motions w = a + b·x + c·z are held by a fixed edge, or by two distinct pinned lines
// (sides, top, base or intermediate slabs); one pinned line alone leaves the panel to turn
// about it.
bool heldAgainstRigidMotion(const Panel& panel) {
    const std::array<Edge, 4> edges = {panel.left, panel.right, panel.top, panel.base};
    int lines = static_cast<int>(panel.storeys.size()) - 1;
    for (Edge e : edges) {
        if (e == Edge::fixed) return true;
        if (e == Edge::pinned) ++lines;
    }
    return lines >= 2;
}

}  // namespace

std::string_view edgeName(Edge edge) {
    for (const auto& [e, name] : kEdgeNames)
        if (e == edge) return name;
    return {};
}

std::optional<Edge> edgeNamed(std::string_view name) {
    for (const auto& [e, n] : kEdgeNames)
        if (n == name) return e;
    return std::nullopt;
}

std::optional<PanelInputError> checkPanel(const Panel& panel) {
    if (!positive(panel.width_m))
        return refuse("panel.width", "应为大于0的数（墙板两侧支承之间的宽度，m）");
    if (auto problem = checkStoreys(panel)) return problem;
    if (panel.base == Edge::free)
        return refuse("base", "应为\"fixed\"（固定）或\"pinned\"（铰接）");
    if (!(panel.poisson >= 0 && panel.poisson < 0.5))
        return refuse("poisson", "应在0（含）与0.5之间");
    if (!positive(panel.elasticModulus_kPa))
        return refuse("elasticModulus", "应为大于0的弹性模量（kN/m²）");
    if (auto problem = checkLoad(panel)) return problem;
    if (!heldAgainstRigidMotion(panel))
        return refuse("panel.left",
                      "、" + quoted("panel.right") +
                          "：两侧自由、顶部自由且底部铰接的单层墙板可绕底边转动（机构）；"
                          "应将一侧或顶部改为铰接或固定，或将底部改为固定");
    return std::nullopt;
}

}  // namespace wallcalc::plate
