#include "wallcalc/sheet/figure_drawing_list.hpp"

#include <cstdio>

namespace wallcalc::sheet {
namespace {

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

std::string colour(const FigureColour& c) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

// Text as SVG holds it: the five characters XML reserves escaped.
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

void appendPath(std::string& out, const FigurePath& p) {
    if (p.points.empty()) return;
    out += "<path d=\"";
    for (std::size_t i = 0; i < p.points.size(); ++i) {
        out += (i == 0 ? "M" : " L") + number(p.points[i].x) + " " + number(p.points[i].y);
    }
    if (p.closed) out += " Z";
    out += "\" fill=\"" + (p.fill ? colour(*p.fill) : std::string("none")) + "\"";
    if (p.stroke) {
        out += " stroke=\"" + colour(*p.stroke) + "\" stroke-width=\"" + number(p.width) + "\"";
        if (p.dashed) out += " stroke-dasharray=\"6 4\"";
    }
    out += "/>\n";
}

void appendLabel(std::string& out, const FigureLabel& l) {
    constexpr const char* kAnchors[] = {"start", "middle", "end"};
    out += "<text x=\"" + number(l.at.x) + "\" y=\"" + number(l.at.y) + "\" font-size=\"" +
           number(l.size) + "\" text-anchor=\"" + kAnchors[static_cast<int>(l.anchor)] +
           "\" fill=\"" + colour(l.colour) + "\"" + (l.bold ? " font-weight=\"bold\"" : "") + ">" +
           escaped(l.text) + "</text>\n";
}

}  // namespace

std::string svgText(const FigureDrawing& d) {
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(d.width) +
                      "\" height=\"" + number(d.height) + "\" viewBox=\"0 0 " + number(d.width) +
                      " " + number(d.height) + "\" font-family=\"sans-serif\">\n";
    for (const FigurePath& p : d.paths)
        appendPath(out, p);
    for (const FigureLabel& l : d.labels)
        appendLabel(out, l);
    out += "</svg>\n";
    return out;
}

double labelWidth(std::string_view text, double size) {
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) width += 0.56 * size;
        if (c >= 0xE0) width += size;  // a character of three bytes: Chinese
        if (c >= 0xC0 && c < 0xE0) width += 0.6 * size;
    }
    return width;
}

}  // namespace wallcalc::sheet
