// Writes the explanatory wall figure, the one layout the window and the calculation sheet
// paint, as an SVG file for the web page: wallcalc-figure-svg OUT.svg. The page's copy is
// made with it, and a test makes it again and compares, so that the page never shows an
// older drawing.
#include <cstdio>
#include <fstream>
#include <string>

#include "wallcalc/engine/window_layout.hpp"
#include "wallcalc/sheet/wall_figure_layout.hpp"

namespace {

// The page shows the file as an image, which does not take the page's fonts: the drawing
// names the page's own families, and a browser without them takes the next one that has
// the Chinese characters.
constexpr char kGeneric[] = "font-family=\"sans-serif\"";
constexpr char kFamilies[] =
    "font-family=\"WenQuanYi Micro Hei,Microsoft YaHei,SimSun,sans-serif\"";

std::string figureSvg() {
    std::string svg = wallcalc::sheet::svgText(wallcalc::sheet::wallFigure(nullptr));
    if (const auto at = svg.find(kGeneric); at != std::string::npos)
        svg.replace(at, sizeof kGeneric - 1, kFamilies);
    // The figure's name, as the window names it, for whoever reads the file alone.
    const std::string_view title = wallcalc::controlPlace("WallFigure")->caption;
    svg.insert(svg.find('\n') + 1, "<title>" + std::string(title) + "</title>\n");
    return svg;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wallcalc-figure-svg OUT.svg\n");
        return 2;
    }
    const std::string svg = figureSvg();
    std::ofstream out(argv[1], std::ios::binary);
    if (!(out << svg) || !out.flush()) {
        std::fprintf(stderr, "wallcalc-figure-svg: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
