#include "wallcalc/engine/changes.hpp"

#include <array>

namespace wallcalc {
namespace {

// The values of "mode", by the option they click: 0 "人防", 1 "非人防".
struct ModeName {
    std::string_view name;
    int option;
};
constexpr ModeName kModeNames[] = {
    {kCivilDefenceMode, 0},
    {kOrdinaryMode, 1},
    {"人防", 0},
    {"非人防", 1},
};

constexpr auto kModeValues = [] {
    std::array<std::string_view, std::size(kModeNames)> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kModeNames[i].name;
    return names;
}();

}  // namespace

const InputBox* inputKeyed(std::string_view key) {
    for (const InputBox& in : inputBoxes()) {
        if (in.key == key) return &in;
    }
    return nullptr;
}

const ListInfo* listKeyed(std::string_view key) {
    for (const ListInfo& l : lists()) {
        if (l.key == key) return &l;
    }
    return nullptr;
}

std::span<const std::string_view> modeNames() {
    return kModeValues;
}

KeyKind keyKind(std::string_view key) {
    if (key == kModeKey) return KeyKind::Mode;
    if (inputKeyed(key) != nullptr) return KeyKind::Input;
    if (listKeyed(key) != nullptr) return KeyKind::List;
    return KeyKind::Unknown;
}

ChangeError Changes::set(std::string_view key, std::string_view value) {
    if (key == kModeKey) {
        for (const ModeName& m : kModeNames) {
            if (m.name == value) {
                option_ = m.option;
                return ChangeError::None;
            }
        }
        return ChangeError::BadMode;
    }
    if (const InputBox* in = inputKeyed(key)) {
        typed_.emplace_back(in->box, std::string(value));
        return ChangeError::None;
    }
    if (const ListInfo* l = listKeyed(key)) {
        selections_.emplace_back(l->list, std::string(value));
        return ChangeError::None;
    }
    return ChangeError::UnknownKey;
}

ChangeFailure Changes::applyTo(WindowModel& window) const {
    // Every item is read before anything changes: the basis first, since the steel list's
    // items are those of the basis in effect.
    Basis basis = window.basis();
    std::vector<std::pair<List, int>> positions;
    for (const bool basisFirst : {true, false}) {
        for (const auto& [list, text] : selections_) {
            if ((list == List::Combo4) != basisFirst) continue;
            const auto position = listPosition(list, basis, text);
            if (!position) {
                return {ChangeError::NotAnItem, std::string(listInfo(list).key), text};
            }
            if (list == List::Combo4) basis = static_cast<Basis>(*position);
            positions.emplace_back(list, *position);
        }
    }
    if (option_) window.clickOption(*option_);
    for (const auto& [list, position] : positions)
        window.select(list, position);
    for (const auto& [box, text] : typed_)
        window.type(box, text);
    return {};
}

}  // namespace wallcalc
