// Where Form1's controls stand on a page of any size: the layout table's places at the
// specified size, moved and widened beyond it by the table's growth rule, so that the
// figure, the calculation text and the supplementary design take the room and every other
// control keeps its place.
#include <QWidget>

#include "form1_controls.hpp"

namespace wallcalc::app {

void placeControls(const Form1Controls& c, QSize size) {
    const QSize extra = size - clientSize();
    for (const auto& [place, widget] : c.placed) {
        const Twips at = pixelPlace(*place, extra.width(), extra.height());
        widget->setGeometry(at.left, at.top, at.width, at.height);
    }
}

}  // namespace wallcalc::app
