// The window's layout table on its own: names once each, every box, list and result of
// the control tables placed and labelled, every control inside its frame and the window,
// and no two controls of one frame on top of each other.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "wallcalc/engine/controls.hpp"
#include "wallcalc/engine/window_layout.hpp"

namespace wallcalc {
namespace {

bool inside(const Twips& inner, const Twips& outer) {
    return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= outer.width &&
           inner.top + inner.height <= outer.height;
}

bool overlap(const Twips& a, const Twips& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(WindowLayout, NamesEachControlOnce) {
    std::set<std::string_view> names;
    for (const ControlPlace& c : windowLayout())
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
}

TEST(WindowLayout, PlacesAndLabelsEveryBoxListAndResult) {
    std::vector<std::string_view> labelled;
    for (const InputBox& in : inputBoxes())
        labelled.push_back(boxName(in.box));
    for (const ResultBox& r : resultBoxes())
        labelled.push_back(boxName(r.box));
    for (const ListInfo& l : lists())
        labelled.push_back(l.name);
    for (std::string_view name : labelled) {
        SCOPED_TRACE(std::string(name));
        EXPECT_NE(controlPlace(name), nullptr);
        const ControlPlace* label = controlPlace("Label_" + std::string(name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->buddy, name);
        EXPECT_EQ(label->frame, controlPlace(name)->frame) << "a label stands beside its box";
    }
    EXPECT_NE(controlPlace("Text12"), nullptr);
}

TEST(WindowLayout, SetsTwoLineLabelsWithTheirUnitOnTheSecondLine) {
    struct Row {
        const char* label;
        std::array<std::string_view, 2> lines;
    };
    const Row rows[] = {
        {"Label_Text14", {"土容重", "(kN/m3)："}},   {"Label_Text15", {"附加荷载", "(kN/m2)："}},
        {"Label_Text20", {"人防荷载", "(kN/m2)："}}, {"Label_Text4", {"墙厚度h5（mm）：", ""}},
        {"Label_Combo2", {"钢筋种类：", ""}},        {"Text4", {"", ""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const ControlPlace* place = controlPlace(row.label);
        ASSERT_NE(place, nullptr);
        EXPECT_EQ(labelLines(*place), row.lines);
    }
}

TEST(WindowLayout, KeepsEveryControlInsideItsFrameAndTheWindow) {
    for (const ControlPlace& c : windowLayout()) {
        SCOPED_TRACE(std::string(c.name));
        if (c.frame.empty()) {
            EXPECT_TRUE(inside(c.rect, windowArea()));
            continue;
        }
        const ControlPlace* frame = controlPlace(c.frame);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->kind, ControlKind::Frame);
        EXPECT_TRUE(inside(c.rect, frame->rect));
        EXPECT_LT(frame - windowLayout().data(), &c - windowLayout().data())
            << "a frame comes before what it holds";
    }
}

TEST(WindowLayout, OverlapsNoOtherControlOfItsFrame) {
    const auto layout = windowLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        for (std::size_t j = i + 1; j < layout.size(); ++j) {
            if (layout[i].frame != layout[j].frame) continue;
            EXPECT_FALSE(overlap(layout[i].rect, layout[j].rect))
                << layout[i].name << " and " << layout[j].name;
        }
    }
}

}  // namespace
}  // namespace wallcalc
