// The window's own rules beside the calculation: which results are stale (they belong to
// inputs changed since the last completed press) and whether the wall is modified since
// it was opened or saved.
#include <gtest/gtest.h>

#include <functional>

#include "wallcalc/engine/window_model.hpp"

namespace {

using namespace wallcalc;
using Step = std::function<void(WindowModel&)>;

struct Sequence {
    const char* name;
    std::vector<Step> steps;
    bool stale;
    bool modified;
};

void press(WindowModel& w) {
    (void)w.pressCompute();
}
void ordinary(WindowModel& w) {
    w.clickOrdinary();
}
Step typing(Box box, std::string text) {
    return [box, text](WindowModel& w) { w.type(box, text); };
}
Step choosing(List list, int position) {
    return [list, position](WindowModel& w) { w.select(list, position); };
}
void saved(WindowModel& w) {
    w.markSaved();
}

const Sequence kSequences[] = {
    {"JustOpened", {}, false, false},
    {"AfterACompletedPress", {ordinary, press}, false, true},
    {"TypingAfterAPress", {ordinary, press, typing(Box::Text4, "500")}, true, true},
    {"TypingItBackAsItWas",
     {ordinary, press, typing(Box::Text4, "500"), typing(Box::Text4, "350")},
     false,
     true},
    {"ChoosingAfterAPress", {ordinary, press, choosing(List::Combo1, 3)}, true, true},
    {"ClickingTheOtherOption",
     {ordinary, press, [](WindowModel& w) { w.clickCivilDefence(); }},
     true,
     true},
    {"APressThatEndsEarlyKeepsThemStale",
     {ordinary, press, choosing(List::Combo3, 2), press},
     true,
     true},
    {"TheNextCompletedPress", {ordinary, press, typing(Box::Text4, "500"), press}, false, true},
    {"TypingBeforeAnyPress", {typing(Box::Text4, "500")}, false, true},
    {"SavedThenPressed", {ordinary, saved, press}, false, false},
    {"SavedThenTyped", {ordinary, saved, typing(Box::Text17, "25")}, false, true},
    {"ProjectChangedAfterAPress",
     {ordinary, press, saved,
      [](WindowModel& w) {
          w.setProject({"工程", "", "", "", ""});
      }},
     false,
     true},
    {"OpenedAgain",
     {ordinary, press, typing(Box::Text4, "500"), [](WindowModel& w) { w.open(); }},
     false,
     false},
};

class WindowState : public ::testing::TestWithParam<Sequence> {};

TEST_P(WindowState, AfterTheSteps) {
    WindowModel w;
    for (const Step& step : GetParam().steps)
        step(w);
    EXPECT_EQ(w.resultsStale(), GetParam().stale);
    EXPECT_EQ(w.modified(), GetParam().modified);
}

INSTANTIATE_TEST_SUITE_P(Rows, WindowState, ::testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
