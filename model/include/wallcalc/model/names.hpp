#pragma once
// The names the wall model's keys accept, each list once: the supports of the wall and the
// mode. The concrete and steel grades are the section design's tables
// (wallcalc/design/materials.hpp), named as the command line names them.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace wallcalc::model {

// The wall's top: propped by the roof slab (pinned), built into it (fixed), or free (a
// cantilever wall with no roof slab).
enum class TopSupport : std::uint8_t { Pinned, Fixed, Free };
// The wall's base on the base slab.
enum class BaseSupport : std::uint8_t { Fixed, Pinned };
// A side of a two-way panel (a buttress, a column or a cross wall, or nothing).
enum class EdgeSupport : std::uint8_t { Fixed, Pinned, Free };
enum class Mode : std::uint8_t { Ordinary, CivilDefence };

// The names in the order a message lists them; the enum's value is the position.
std::span<const std::string_view> topSupportNames();   // pinned, fixed, free
std::span<const std::string_view> baseSupportNames();  // fixed, pinned
std::span<const std::string_view> edgeSupportNames();  // fixed, pinned, free
std::span<const std::string_view> modeNames();         // ordinary, civil-defence

// The same choices as the window and the sheets name them, in the same order: "铰接" …
std::span<const std::string_view> topSupportLabels();   // 铰接, 固定, 自由
std::span<const std::string_view> baseSupportLabels();  // 固定, 铰接
std::span<const std::string_view> edgeSupportLabels();  // 固定, 铰接, 自由
std::span<const std::string_view> modeLabels();         // 非人防, 人防

std::optional<TopSupport> topSupportNamed(std::string_view name);
std::optional<BaseSupport> baseSupportNamed(std::string_view name);
std::optional<EdgeSupport> edgeSupportNamed(std::string_view name);
std::optional<Mode> modeNamed(std::string_view name);
// The position of a name in a list, or none.
std::optional<std::size_t> positionOf(std::span<const std::string_view> names,
                                      std::string_view name);

}  // namespace wallcalc::model
