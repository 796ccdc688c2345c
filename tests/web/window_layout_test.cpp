// The window's layout table on its own: names once each, every box, list and result of
// the control tables placed and labelled, every control inside its frame and the window,
// no two controls of one frame on top of each other, and the growth rule: in a larger
// window the panels take the room without overlapping anything, the right column keeps
// the margin and its gap to Text12, and what a frame holds moves with it.
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

TEST(WindowLayout, PlacesEveryControlOnWholePixels) {
    // The window and the page place controls in pixels: a place of whole pixels puts a
    // control on the same pixel in both.
    for (const ControlPlace& c : windowLayout()) {
        SCOPED_TRACE(std::string(c.name));
        for (int edge : {c.rect.left, c.rect.top, c.rect.width, c.rect.height})
            EXPECT_EQ(edge % kTwipsPerPixel, 0);
    }
}

TEST(WindowLayout, GrowsEachEdgeByItsShareOfTheExtra) {
    struct Row {
        const char* name;
        Twips rect;
        Growth growth;
        int extraWidth, extraHeight;
        Twips expected;
    };
    const Row rows[] = {
        {"kept in place", {10, 20, 30, 40}, {}, 900, 700, {10, 20, 30, 40}},
        {"widened", {10, 20, 30, 40}, {0, 60, 0, 0}, 1000, 0, {10, 20, 630, 40}},
        {"moved right", {10, 20, 30, 40}, {60, 60, 0, 0}, 1000, 0, {610, 20, 30, 40}},
        {"moved down and taller", {10, 20, 30, 40}, {0, 0, 35, 100}, 0, 1000, {10, 370, 30, 690}},
        {"shares rounded down", {0, 0, 10, 10}, {0, 60, 35, 35}, 7, 7, {0, 2, 14, 10}},
        {"a smaller window moves nothing",
         {10, 20, 30, 40},
         {60, 100, 35, 100},
         -500,
         -1,
         {10, 20, 30, 40}},
        {"no overflow in a window of absurd size",
         {0, 0, 10, 10},
         {0, 100, 0, 100},
         2147483647,
         2147483647,
         {0, 0, 10 + (1 << 24), 10 + (1 << 24)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(grownBy(row.rect, row.growth, row.extraWidth, row.extraHeight), row.expected);
    }
}

// The controls standing on the window itself, as a window `extra` twips larger than the
// specified size places them.
std::vector<std::pair<const ControlPlace*, Twips>> grownWindow(int width, int height) {
    std::vector<std::pair<const ControlPlace*, Twips>> out;
    for (const ControlPlace& c : windowLayout()) {
        if (c.frame.empty()) out.emplace_back(&c, grownBy(c.rect, c.growth, width, height));
    }
    return out;
}

Twips grownPlace(std::string_view name, int width, int height) {
    const ControlPlace* c = controlPlace(name);
    return grownBy(c->rect, c->growth, width, height);
}

const std::pair<int, int> kExtras[] = {{0, 0},    {1, 1},        {7, 13},     {3000, 0},
                                       {0, 3000}, {15000, 9000}, {4321, 123}, {29, 9001}};

TEST(WindowLayout, GrowsWithoutOverlapAndWithinTheLargerWindow) {
    const Twips area = windowArea();
    for (const auto& [width, height] : kExtras) {
        SCOPED_TRACE(std::to_string(width) + " × " + std::to_string(height) + " twips more");
        const auto placed = grownWindow(width, height);
        const Twips larger{0, 0, area.width + width, area.height + height};
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_TRUE(inside(placed[i].second, larger)) << placed[i].first->name;
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                EXPECT_FALSE(overlap(placed[i].second, placed[j].second))
                    << placed[i].first->name << " and " << placed[j].first->name;
            }
        }
    }
}

TEST(WindowLayout, KeepsTheRightColumnBesideTextAndTheMarginBeyondIt) {
    const Twips area = windowArea();
    const Twips atSize = grownPlace("TextChecks", 0, 0);
    const int margin = area.width - (atSize.left + atSize.width);
    const int gap =
        atSize.left - (controlPlace("Text12")->rect.left + controlPlace("Text12")->rect.width);
    for (const auto& [width, height] : kExtras) {
        SCOPED_TRACE(std::to_string(width) + " × " + std::to_string(height) + " twips more");
        const Twips text = grownPlace("Text12", width, height);
        const Twips checks = grownPlace("TextChecks", width, height);
        EXPECT_EQ(area.width + width - (checks.left + checks.width), margin);
        EXPECT_EQ(checks.left - (text.left + text.width), gap);
        EXPECT_EQ(checks.top + checks.height, text.top + text.height) << "one bottom edge";
        EXPECT_EQ(area.height + height - (text.top + text.height), margin);
        for (const char* heading : {"Frame6", "Label_TextChecks"})
            EXPECT_EQ(grownPlace(heading, width, height).left, checks.left) << heading;
    }
}

TEST(WindowLayout, KeepsFramesAndWhatTheyHoldTheirSize) {
    // A control in a frame stands relative to the frame: a frame that grew would leave its
    // controls where they were, and a control that grew would leave its frame.
    for (const ControlPlace& c : windowLayout()) {
        SCOPED_TRACE(std::string(c.name));
        if (c.kind != ControlKind::Frame && c.frame.empty()) continue;
        EXPECT_EQ(c.growth.left, c.growth.right);
        EXPECT_EQ(c.growth.top, c.growth.bottom);
        if (!c.frame.empty()) {
            EXPECT_EQ(c.growth, Growth{});
        }
    }
}

}  // namespace
}  // namespace wallcalc
