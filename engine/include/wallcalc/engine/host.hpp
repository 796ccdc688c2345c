#pragma once
// What a calculation run needs of the window, and nothing more. The Qt window and
// the command-line host both supply these four operations.
#include <string>
#include <string_view>

#include "wallcalc/engine/controls.hpp"

namespace wallcalc {

class Host {
  public:
    virtual ~Host() = default;

    // The text of a text box.
    virtual std::string text(Box box) const = 0;
    // The selected position of a list: 0 for the first item, anything else (-1) when
    // nothing is selected.
    virtual int selected(List list) const = 0;
    // Replaces the whole text of a text box.
    virtual void setText(Box box, std::string_view text) = 0;
    // Shows a modal message box with an OK button and returns when it is closed.
    virtual void showMessage(std::string_view title, std::string_view text) = 0;
};

}  // namespace wallcalc
