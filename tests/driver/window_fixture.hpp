#pragma once
// A window opened fresh for each test, with helpers to read the outcome of a press.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wallcalc/engine/window_model.hpp"

namespace wallcalc::testing_support {

inline std::vector<std::string> reportLines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find("\r\n", start);
        out.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return out;
        start = end + 2;
    }
}

class Window : public ::testing::Test {
  protected:
    WindowModel w;
    PressResult last;  // the last press

    const PressResult& press() { return last = w.pressCompute(); }
    const PressResult& pressOrdinary(List list = List::Combo3, int position = 0) {
        w.clickOrdinary();
        w.select(list, position);
        return press();
    }
    const std::string& box(Box b) const { return w.boxText(b); }
    std::vector<std::string> lines() const { return reportLines(box(Box::Text12)); }
    std::string line(std::size_t n) const { return lines().at(n - 1); }  // 1-based

    // The six result boxes, in the order the window shows them.
    std::vector<std::string> results() const {
        return {box(Box::Text6), box(Box::Text7),  box(Box::Text19),
                box(Box::Text9), box(Box::Text11), box(Box::Text18)};
    }
    std::vector<std::string> allBoxes() const {
        std::vector<std::string> all;
        for (std::size_t i = 0; i < kBoxCount; ++i)
            all.push_back(box(static_cast<Box>(i)));
        return all;
    }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const auto& m : last.messages) {
            EXPECT_EQ(m.title, "友情提示:");
            out.push_back(m.text);
        }
        return out;
    }
};

}  // namespace wallcalc::testing_support
