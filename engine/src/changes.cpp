#include "wallcalc/engine/changes.hpp"

namespace wallcalc {
namespace {

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

}  // namespace

KeyKind keyKind(std::string_view key) {
    if (key == kModeKey) return KeyKind::Mode;
    if (inputKeyed(key) != nullptr) return KeyKind::Input;
    if (listKeyed(key) != nullptr) return KeyKind::List;
    return KeyKind::Unknown;
}

ChangeError Changes::set(std::string_view key, std::string_view value) {
    if (key == kModeKey) {
        if (value == kCivilDefenceMode) {
            option_ = 0;
        } else if (value == kOrdinaryMode) {
            option_ = 1;
        } else {
            return ChangeError::BadMode;
        }
        return ChangeError::None;
    }
    if (const InputBox* in = inputKeyed(key)) {
        typed_.emplace_back(in->box, std::string(value));
        return ChangeError::None;
    }
    if (const ListInfo* l = listKeyed(key)) {
        const auto position = listPosition(l->list, value);
        if (!position) return ChangeError::NotAnItem;
        selections_.emplace_back(l->list, *position);
        return ChangeError::None;
    }
    return ChangeError::UnknownKey;
}

void Changes::applyTo(WindowModel& window) const {
    if (option_) window.clickOption(*option_);
    for (const auto& [box, text] : typed_)
        window.type(box, text);
    for (const auto& [list, position] : selections_)
        window.select(list, position);
}

}  // namespace wallcalc
