#include "wallcalc/engine/window_model.hpp"

#include "wallcalc/engine/compute.hpp"
#include "wallcalc/engine/verdict.hpp"

namespace wallcalc {

void WindowModel::open() {
    for (std::size_t i = 0; i < kBoxCount; ++i)
        boxes_[i] = boxDefault(static_cast<Box>(i));
    lists_.fill(0);
    X_ = kNoChoiceYet;
    project_ = {};
    completed_.reset();
    saved_ = inputs();
}

WindowInputs WindowModel::inputs() const {
    WindowInputs in;
    copyInputsTo(in);
    return in;
}

// Into texts that may already hold earlier inputs: their room is used again.
void WindowModel::copyInputsTo(WindowInputs& in) const {
    for (std::size_t i = 0; i < kInputCount; ++i)
        in.texts[i] = boxes_[index(inputBoxes()[i].box)];
    in.lists = lists_;
    in.X = X_;
    in.project = project_;
}

bool WindowModel::resultsStale() const {
    if (!completed_) return false;
    WindowInputs now = inputs();
    now.project = completed_->project;  // the title block is not an input of the press
    return now != *completed_;
}

void WindowModel::clickOption(int index) {
    if (index == 0) {
        // "人防": every click starts the civil-defence load again from "0".
        X_ = kCivilDefence;
        boxes_[wallcalc::index(Box::Text20)] = "0";
    } else if (index == 1) {
        // "非人防": the load is ignored; what was typed stays.
        X_ = kOrdinary;
    }
}

void WindowModel::select(List list, int position) {
    if (list == List::Combo4 && position != lists_[index(List::Combo4)]) {
        const auto from = basis();
        const int steel = lists_[index(List::Combo2)];
        lists_[index(list)] = position;
        if (listItem(List::Combo2, from, steel).empty() ||
            listItem(List::Combo2, basis(), steel).empty()) {
            lists_[index(List::Combo2)] = -1;
        }
        return;
    }
    lists_[index(list)] = position;
}

Basis WindowModel::basis() const {
    return lists_[index(List::Combo4)] == 1 ? Basis::Gb2010 : Basis::Gb2002;
}

bool WindowModel::enabled(Box box) const {
    const InputBox* in = inputIn(box);
    if (in == nullptr) return false;
    if (box == Box::Text20) return X_ == kCivilDefence;
    return readIn(*in, basis());
}

bool WindowModel::checked(int index) const {
    return (index == 0 && X_ == kCivilDefence) || (index == 1 && X_ == kOrdinary);
}

PressResult WindowModel::pressCompute(WindowView* view) {
    PressResult press;
    press.X = X_;
    press.lists = lists_;
    messages_ = &press.messages;
    view_ = view;
    press.end = COMPUTE(*this, X_, state_);
    messages_ = nullptr;
    view_ = nullptr;
    press.boxes = boxes_;
    press.state = state_;
    if (press.completed()) {
        if (!completed_) completed_.emplace();
        copyInputsTo(*completed_);
        makeSupplementaryDesign(press);
        judge(press);
    }
    return press;
}

void WindowModel::setText(Box box, std::string_view text) {
    boxes_[index(box)] = text;
    if (view_ != nullptr) view_->boxWritten(box, text);
}

void WindowModel::showMessage(std::string_view title, std::string_view text) {
    if (messages_ != nullptr) messages_->push_back({std::string(title), std::string(text)});
    if (view_ != nullptr) view_->showMessage(title, text);
}

}  // namespace wallcalc
