#include "press_fixture.hpp"

#include <gtest/gtest.h>

namespace wallcalc::robustness {

std::string setupName(ModeAndCase setup) {
    std::string name = setup.mode == Mode::Ordinary ? "ordinary case " : "civil-defence case ";
    name += "ABC"[static_cast<int>(setup.loadCase)];
    return name;
}

TestWindow windowFor(ModeAndCase setup) {
    TestWindow window;
    if (setup.mode == Mode::Ordinary) {
        window.clickOrdinary();
    } else {
        window.clickCivilDefence();
    }
    window.select(List::Combo3, static_cast<int>(setup.loadCase));
    if (setup.loadCase == Case::B) window.type(Box::Text2, "-3.5");
    if (setup.loadCase == Case::C) window.type(Box::Text2, "-7");
    return window;
}

Outputs outputsOf(const WindowModel& window) {
    Outputs out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = window.boxText(kOutputBoxes[i]);
    return out;
}

Outputs referenceOutputs(ModeAndCase setup) {
    TestWindow window = windowFor(setup);
    (void)window.pressCompute();
    return outputsOf(window);
}

std::vector<Box> boxesRead(Mode mode) {
    std::vector<Box> boxes = {Box::Text1, Box::Text2,  Box::Text3,  Box::Text16, Box::Text4,
                              Box::Text5, Box::Text13, Box::Text14, Box::Text15, Box::Text10};
    boxes.push_back(mode == Mode::Ordinary ? Box::Text8 : Box::Text20);
    return boxes;
}

std::vector<Box> boxesNeverRead(Mode mode) {
    return {Box::Text17, mode == Mode::Ordinary ? Box::Text20 : Box::Text8};
}

const PressResult& checkedPress(TestWindow& window) {
    fuzz::PressRecord record = fuzz::press(window);
    for (const auto& broken : fuzz::violations(record))
        ADD_FAILURE() << broken;
    window.last = std::move(record.result);
    return window.last;
}

}  // namespace wallcalc::robustness
