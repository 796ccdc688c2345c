#include "page_flow.hpp"

namespace wallcalc::sheet {

std::vector<BlockPlace> flowOntoPages(const std::vector<Block>& blocks, qreal firstPageHeight,
                                      qreal pageHeight) {
    std::vector<BlockPlace> places(blocks.size());
    int page = 0;
    qreal y = 0;
    const auto room = [&] { return page == 0 ? firstPageHeight : pageHeight; };
    const auto newPage = [&] {
        ++page;
        y = 0;
    };

    std::size_t i = 0;
    while (i < blocks.size()) {
        // The run that starts here: this block and every block it keeps with.
        std::size_t last = i;
        while (blocks[last].keepWithNext && last + 1 < blocks.size())
            ++last;
        qreal run = blocks[i].height;
        for (std::size_t k = i + 1; k <= last; ++k)
            run += blocks[k].spaceBefore + blocks[k].height;
        if (y > 0 && y + blocks[i].spaceBefore + run > room() && run <= pageHeight) newPage();

        for (std::size_t k = i; k <= last; ++k) {
            qreal space = y > 0 ? blocks[k].spaceBefore : 0;
            if (y > 0 && y + space + blocks[k].height > room()) {
                newPage();
                space = 0;
            }
            places[k].page = page;
            places[k].top = y + space;
            y += space + blocks[k].height;
        }
        i = last + 1;
    }

    for (std::size_t k = 0; k < places.size(); ++k) {
        places[k].firstOnPage = k == 0 || places[k - 1].page != places[k].page;
        places[k].lastOnPage = k + 1 == places.size() || places[k + 1].page != places[k].page;
    }
    return places;
}

}  // namespace wallcalc::sheet
