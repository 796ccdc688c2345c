#pragma once
// The sheet as a column of blocks (a title, a heading, a slice of a table row, one
// printed line of the calculation text) poured onto pages of fixed height.
#include <QRectF>
#include <functional>
#include <vector>

class QPainter;

namespace wallcalc::sheet {

// Where a block landed: it may need to close a border at the end of a page or open
// one at the top of the next.
struct BlockPlace {
    int page = 0;
    qreal top = 0;  // from the top of the page's content area
    bool firstOnPage = false;
    bool lastOnPage = false;
};

struct Block {
    qreal height = 0;
    qreal spaceBefore = 0;      // dropped at the top of a page
    bool keepWithNext = false;  // a heading with its first line, the slices of one row
    std::function<void(QPainter&, const QRectF& box, const BlockPlace& place)> paint;
};

// Lays the blocks out top to bottom. A block that does not fit goes to the next page,
// and so does a run of blocks kept together, unless the run is taller than a page, in
// which case it is broken where it must be. Page 0 may hold less than the others (it
// carries the title).
std::vector<BlockPlace> flowOntoPages(const std::vector<Block>& blocks, qreal firstPageHeight,
                                      qreal pageHeight);

}  // namespace wallcalc::sheet
