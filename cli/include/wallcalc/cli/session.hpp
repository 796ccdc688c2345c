#pragma once
// The command-line host's vocabulary: input keys, list choices by name, and the JSON
// object written for each press.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "wallcalc/cli/headless_window.hpp"

namespace wallcalc::cli {

// A box named on the command line (--h1), in a session line ("h1") or a CSV column.
struct BoxKey {
    std::string_view key;
    Box box;
};
// The inputs: h1 … qrf.
std::span<const BoxKey> inputKeys();
// The six result boxes in the order the window shows them: MBk, As, bars, crackAs,
// Wmax, crackBars.
std::span<const BoxKey> resultKeys();

// A grade or case by name ("C30", "HRB335" or "Ⅱ级(HRB335)", "B"); empty when unknown.
std::optional<int> concretePosition(std::string_view name);
std::optional<int> steelPosition(std::string_view name);
std::optional<int> casePosition(std::string_view name);

// A list named by its key ("concrete", "steel", "case"), and how its items are named.
struct ListKey {
    std::string_view key;
    List list;
    std::optional<int> (*byName)(std::string_view);
};
std::span<const ListKey> listKeys();

// The object written for a press: whether it completed, its messages, the six result
// boxes and the calculation text, exactly as the boxes hold them.
std::string pressJson(const HeadlessWindow& window, const RunOutcome& outcome);

// Applies one session line (what the user changes, then one press of "计算") and
// returns the JSON line to write, or {"error": …} when the line is not understood, in
// which case nothing is changed and nothing is pressed.
std::string sessionLine(HeadlessWindow& window, std::string_view line);

}  // namespace wallcalc::cli
