#pragma once
// A figure as a list of what to draw: paths (lines and filled outlines) and labels, in
// units of its own (a box `width` × `height`, y downwards). Laid out once in standard C++
// and drawn by thin painters: the window and the sheet through QPainter
// (figure_painting.hpp), the web page as SVG text (svgText).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wallcalc::sheet {

struct FigureColour {
    std::uint8_t r = 0, g = 0, b = 0;
};
struct FigurePoint {
    double x = 0, y = 0;
};

struct FigurePath {
    std::vector<FigurePoint> points;
    bool closed = false;
    std::optional<FigureColour> fill;
    std::optional<FigureColour> stroke = FigureColour{};
    double width = 1;  // of the stroke
    bool dashed = false;
};

enum class Anchor : std::uint8_t { Start, Middle, End };

struct FigureLabel {
    FigurePoint at;  // the baseline's point the anchor stands at
    std::string text;
    Anchor anchor = Anchor::Start;
    double size = 11;  // the text's height (em)
    FigureColour colour;
    bool bold = false;
};

struct FigureDrawing {
    double width = 0, height = 0;
    std::vector<FigurePath> paths;
    std::vector<FigureLabel> labels;
};

// The drawing as an SVG document of its own size (UTF-8).
std::string svgText(const FigureDrawing& drawing);

// The width a label takes, estimated for its layout: a Chinese character an em, the rest
// a little over half.
double labelWidth(std::string_view text, double size);

}  // namespace wallcalc::sheet
