#include "press_fixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace wallcalc::robustness {

std::string setupName(ModeAndCase setup) {
    std::string name = setup.basis == Basis::Gb2010 ? "2010 " : "";
    name += setup.mode == Mode::Ordinary ? "ordinary case " : "civil-defence case ";
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
    if (setup.basis == Basis::Gb2010) {
        window.select(List::Combo4, 1);
        if (setup.mode == Mode::CivilDefence) window.select(List::Combo2, 2);  // HRB400
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

// The 2002 basis reads η (Text5); the 2010 basis reads γ0 (Text24) and, in ordinary works,
// γG, γQ and ψq (Text21 … Text23); civil-defence works take fixed load factors. Only ordinary works
// read the crack-width limit (Text8), only civil-defence works the blast load (Text20); the press
// never reads c2 (Text17).
std::vector<Box> boxesRead(ModeAndCase setup) {
    std::vector<Box> boxes = {Box::Text1,  Box::Text2,  Box::Text3,  Box::Text16, Box::Text4,
                              Box::Text13, Box::Text14, Box::Text15, Box::Text10};
    const bool ordinary = setup.mode == Mode::Ordinary;
    if (setup.basis == Basis::Gb2002) boxes.push_back(Box::Text5);
    if (setup.basis == Basis::Gb2010) boxes.push_back(Box::Text24);
    if (setup.basis == Basis::Gb2010 && ordinary) {
        for (const Box factor : {Box::Text21, Box::Text22, Box::Text23})
            boxes.push_back(factor);
    }
    boxes.push_back(ordinary ? Box::Text8 : Box::Text20);
    return boxes;
}

std::vector<Box> boxesNeverRead(ModeAndCase setup) {
    const std::vector<Box> read = boxesRead(setup);
    std::vector<Box> never;
    for (const InputBox& in : inputBoxes()) {
        if (std::find(read.begin(), read.end(), in.box) == read.end()) never.push_back(in.box);
    }
    return never;
}

const PressResult& checkedPress(TestWindow& window) {
    fuzz::PressRecord record = fuzz::press(window);
    for (const auto& broken : fuzz::violations(record))
        ADD_FAILURE() << broken;
    window.last = std::move(record.result);
    return window.last;
}

}  // namespace wallcalc::robustness
