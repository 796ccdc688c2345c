#pragma once
// The window without a screen: its boxes with their defaults, the three lists, the
// civil-defence choice X and the calculation state, with the window's rules (opening,
// the two option clicks, "计算"). The Qt window holds one and mirrors it into its
// widgets; the command line, the batch, the fuzzers, the benchmarks and the tests drive
// the calculation through the same model, exactly as an engineer drives the window.
#include <array>
#include <optional>
#include <string>

#include "wallcalc/engine/host.hpp"
#include "wallcalc/engine/press.hpp"
#include "wallcalc/engine/project.hpp"

namespace wallcalc {

// What the engineer has typed and chosen: the inputs, the lists, the option and the
// project of the title block. Two of these tell whether anything changed in between.
struct WindowInputs {
    std::array<std::string, kInputCount> texts;
    std::array<int, kListCount> lists{};
    int X = kNoChoiceYet;
    ProjectInfo project;
    bool operator==(const WindowInputs&) const = default;
};

// Whoever shows the window: told of every box a press writes and every message it shows,
// in the order of the press, so that a screen follows the press as it runs.
class WindowView {
  public:
    virtual ~WindowView() = default;
    virtual void boxWritten(Box box, std::string_view text) = 0;
    // A modal message box with an OK button; returns when it is closed.
    virtual void showMessage(std::string_view title, std::string_view text) = 0;
};

class WindowModel : private Host {
  public:
    // The window as it opens.
    WindowModel() { open(); }

    // Opening: defaults in every box, the first item of every list, X = 20, the
    // civil-defence load "0" and disabled, neither option checked.
    void open();
    // Option1: index 0 "人防" (X = 0, the load enabled and reset to "0"), index 1
    // "非人防" (X = 1, the load disabled, its text kept).
    void clickOption(int index);
    void clickCivilDefence() { clickOption(0); }
    void clickOrdinary() { clickOption(1); }
    void type(Box box, std::string text) { boxes_[index(box)] = std::move(text); }
    // Chooses a list's item. Choosing the other basis keeps the steel grade where both
    // lists have it (HPB235 and HPB300 stand in the same place) and leaves the steel list
    // without a selection where the new list has no such grade (HRB500 in 2002).
    void select(List list, int position);

    // "计算": one run of the calculation, then the whole outcome as a value. A view, when
    // given, sees each box written and each message shown as the run goes.
    PressResult pressCompute(WindowView* view = nullptr);

    const std::string& boxText(Box box) const { return boxes_[index(box)]; }
    int selected(List list) const override { return lists_[index(list)]; }
    int X() const { return X_; }
    Basis basis() const;
    // The items the list shows: the steel list's are those of the basis.
    std::span<const std::string_view> items(List list) const { return listItems(list, basis()); }
    // Whether an input box takes typing: the civil-defence load only after "人防"; η only
    // in the 2002 basis, γG, γQ and ψq only in the 2010 basis; every other input always.
    bool enabled(Box box) const;
    // Whether the option button of `index` is checked.
    bool checked(int index) const;
    const CalcState& state() const { return state_; }

    // The project the sheet's title block names; kept with the wall, read by no press.
    const ProjectInfo& project() const { return project_; }
    void setProject(ProjectInfo project) { project_ = std::move(project); }

    WindowInputs inputs() const;
    // Whether the results shown belong to earlier inputs: something was typed, chosen or
    // clicked since the last press that completed (and not put back as it was).
    bool resultsStale() const;
    // Whether the wall differs from what was last saved or opened (markSaved), or from
    // the window as it opened.
    bool modified() const { return inputs() != saved_; }
    void markSaved() { saved_ = inputs(); }

  private:
    std::string_view text(Box box) const override { return boxes_[index(box)]; }
    void copyInputsTo(WindowInputs& in) const;
    void setText(Box box, std::string_view text) override;
    void showMessage(std::string_view title, std::string_view text) override;

    std::array<std::string, kBoxCount> boxes_;
    std::array<int, kListCount> lists_{};
    int X_ = kNoChoiceYet;
    CalcState state_;
    ProjectInfo project_;
    std::optional<WindowInputs> completed_;  // the inputs of the last completed press
    WindowInputs saved_;
    // During a press: where its messages go, and who watches.
    std::vector<Message>* messages_ = nullptr;
    WindowView* view_ = nullptr;
};

}  // namespace wallcalc
