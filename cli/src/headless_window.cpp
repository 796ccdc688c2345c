#include "wallcalc/cli/headless_window.hpp"

namespace wallcalc {

HeadlessWindow::HeadlessWindow() {
    for (std::size_t i = 0; i < kBoxCount; ++i)
        boxes_[i] = boxDefault(static_cast<Box>(i));
    lists_.fill(0);
}

void HeadlessWindow::clickCivilDefence() {
    X_ = kCivilDefence;
    text20Enabled_ = true;
    boxes_[index(Box::Text20)] = "0";
}

void HeadlessWindow::clickOrdinary() {
    X_ = kOrdinary;
    text20Enabled_ = false;
}

}  // namespace wallcalc
