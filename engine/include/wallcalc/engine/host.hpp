#pragma once
// What a calculation run needs of the window, and nothing more: the window model supplies
// these four operations, and so does the window of the same inputs in which the
// supplementary design makes its second opinion.
#include <string>
#include <string_view>

#include "wallcalc/engine/controls.hpp"

namespace wallcalc {

class Host {
  public:
    virtual ~Host() = default;

    // The text of a text box, valid until the box is next written.
    virtual std::string_view text(Box box) const = 0;
    // The selected position of a list: 0 for the first item, anything else (-1) when
    // nothing is selected.
    virtual int selected(List list) const = 0;
    // Replaces the whole text of a text box.
    virtual void setText(Box box, std::string_view text) = 0;
    // Shows a modal message box with an OK button and returns when it is closed.
    virtual void showMessage(std::string_view title, std::string_view text) = 0;
};

}  // namespace wallcalc
