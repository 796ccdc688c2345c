#pragma once
// The window of the web page without its screen: one window model (with the project of
// the title block) and the last press that completed, with every answer as the JSON text
// the page reads. The page's script only mirrors what these answers say.
#include <optional>
#include <string>
#include <string_view>

#include "wallcalc/engine/project.hpp"
#include "wallcalc/engine/window_model.hpp"

namespace wallcalc::web {

// What the page is built from: the window's controls with their places, labels,
// defaults, lists, results, captions, the help text and the title block's fields.
std::string describeWindow();
// The controls that grow, placed in a window larger than the specified size (pixels).
std::string grownPlaces(int extraWidth, int extraHeight);

class WebWindow {
  public:
    // The boxes' texts, the lists' positions, the basis (by its place in the basis list:
    // the lists' items are those of the basis), X, which boxes take typing, which option
    // is checked, the project, whether the results are stale and the wall modified.
    std::string state() const;
    // False when no box or list has that name.
    bool type(std::string_view box, std::string text);
    bool select(std::string_view list, int position);
    void clickOption(int index) { window_.clickOption(index); }
    // One press of "计算"; the outcome stays until the next press.
    const PressResult& press();
    const PressResult& lastPress() const { return lastPress_; }
    // One session line on this window, answered as wallcalc-cli --session answers it: the
    // page's lines are one session, counted from the first the page was given.
    std::string session(std::string_view line);

    void setProject(std::string_view key, std::string value);
    // The wall file of what the window holds (the wall then counts as saved), and opening
    // one: {"ok": true}, or {"error": why} and nothing changed.
    std::string wallFile();
    std::string openWall(std::string_view text);
    // The calculation sheet of the last press that completed, with today's date as the
    // page gives it: the title block with the codes of the design, the inputs, the
    // material strengths, the results, the calculation text and the supplementary design;
    // {} before one.
    std::string sheet(std::string_view date) const;

  private:
    void remember(const PressResult& press);

    WindowModel window_;
    std::size_t sessionLines_ = 0;
    PressResult lastPress_;
    std::optional<PressResult> lastCompleted_;
};

}  // namespace wallcalc::web
