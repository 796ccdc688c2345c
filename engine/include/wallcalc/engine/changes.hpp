#pragma once
// What an engineer changes in the window before a press, named by the keys that the
// command line (--h1 …), the session lines ("h1": …) and the batch files (column h1)
// share: the mode, the inputs (as typed) and the lists (an item by name or position).
// One reading of every key and value for every host, applied in the order an engineer
// works: the option click first (it resets the civil-defence load), then the basis (it
// decides the steel list's items), then the typing and the other lists.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "wallcalc/engine/window_model.hpp"

namespace wallcalc {

enum class KeyKind { Unknown, Mode, Input, List };
KeyKind keyKind(std::string_view key);
// The input or list a key names; null for any other key.
const InputBox* inputKeyed(std::string_view key);
const ListInfo* listKeyed(std::string_view key);

// The key of the civil-defence option and its two values (also accepted: the options'
// own captions "人防" and "非人防").
inline constexpr std::string_view kModeKey = "mode";
inline constexpr std::string_view kOrdinaryMode = "ordinary";
inline constexpr std::string_view kCivilDefenceMode = "civil-defence";
// The mode's name beside the window's labels, as a column heading and on the sheet.
inline constexpr std::string_view kModeLabel = "人防选择";
// Every value "mode" accepts, in the order a message lists them.
std::span<const std::string_view> modeNames();

enum class ChangeError {
    None,
    UnknownKey,  // no input, list or mode has this key
    BadMode,     // the mode is none of "ordinary", "civil-defence", "非人防", "人防"
    NotAnItem,   // the list has no such item in the basis in effect, nor is it a position
};

// A change that could not be made, with the key and value at fault.
struct ChangeFailure {
    ChangeError error = ChangeError::None;
    std::string key;
    std::string value;
};

class Changes {
  public:
    // Records one change; nothing is recorded when the key or the mode is not understood.
    // List items are read when the changes are applied, in the basis then in effect.
    ChangeError set(std::string_view key, std::string_view value);
    // Clicks, chooses the basis, types and selects into the window; when a list item is
    // not an item in the basis in effect, changes nothing and says which.
    ChangeFailure applyTo(WindowModel& window) const;

  private:
    std::optional<int> option_;  // Option1 index: 0 "人防", 1 "非人防"
    std::vector<std::pair<Box, std::string>> typed_;
    std::vector<std::pair<List, std::string>> selections_;
};

}  // namespace wallcalc
