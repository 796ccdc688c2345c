#pragma once
// Pages of a sheet drawn from its blocks: every page after the first under a running head
// (the title, the wall's name, the project and the date), the page number at the foot of
// every page, and above it the red band of a design that does not satisfy the codes. The
// calculation sheet of the press and the wall model's sheet are drawn by it alike.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "page_flow.hpp"
#include "sheet_style.hpp"
#include "wallcalc/engine/project.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

namespace wallcalc::sheet {

struct PageHead {
    std::string title;
    std::string name;  // the wall's name (a batch row), or empty
    std::string date;
    ProjectInfo project;
    bool satisfied = true;
};

using BlocksFor = std::function<std::vector<Block>(const SheetStyle& style, qreal width)>;

std::optional<std::string> renderPages(const PageHead& head, const BlocksFor& blocksFor,
                                       QPaintDevice& device, const NewPage& newPage);

}  // namespace wallcalc::sheet
