#pragma once
// The window without a screen: its boxes, lists, civil-defence option and calculation
// state as plain data, with the window's events (opening, the two option clicks,
// "计算"). The command-line host, the batch runs and the tests drive the engine
// through it exactly as an engineer drives the window.
#include <array>
#include <string>
#include <vector>

#include "wallcalc/engine/compute.hpp"

namespace wallcalc {

struct Message {
    std::string title;
    std::string text;
};

class HeadlessWindow final : public Host {
  public:
    // The window as it opens: defaults in every box, the first item of every list,
    // X = 20, the civil-defence load "0" and disabled, neither option checked.
    HeadlessWindow();

    void clickCivilDefence();  // option "人防": X = 0, load enabled and reset to "0"
    void clickOrdinary();      // option "非人防": X = 1, load disabled, its text kept
    void type(Box box, std::string text) { boxes_[index(box)] = std::move(text); }
    void select(List list, int position) { lists_[index(list)] = position; }
    RunOutcome pressCompute() { return COMPUTE(*this, X_, state_); }

    std::string text(Box box) const override { return boxes_[index(box)]; }
    const std::string& boxText(Box box) const { return boxes_[index(box)]; }
    int selected(List list) const override { return lists_[index(list)]; }
    void setText(Box box, std::string_view text) override { boxes_[index(box)] = text; }
    void showMessage(std::string_view title, std::string_view text) override {
        messages_.push_back({std::string(title), std::string(text)});
    }

    int X() const { return X_; }
    bool civilDefenceLoadEnabled() const { return text20Enabled_; }
    const CalcState& state() const { return state_; }
    const std::vector<Message>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }

  private:
    std::array<std::string, kBoxCount> boxes_;
    std::array<int, kListCount> lists_{};
    int X_ = kNoChoiceYet;
    bool text20Enabled_ = false;
    CalcState state_;
    std::vector<Message> messages_;
};

}  // namespace wallcalc
