#include "line_wrapping.hpp"

#include <QTextBoundaryFinder>
#include <vector>

namespace wallcalc::sheet {
namespace {

// How good a place to break after a character is: after "=" the next step of the
// formula begins; after a blank, a comma or an operator a term ends.
enum class Break { Anywhere, Term, Step };

Break breakAfter(QStringView grapheme) {
    if (grapheme == u"=") return Break::Step;
    static const QString terms = QStringLiteral(" ,，*+/:：;；");
    if (grapheme.size() == 1 && terms.contains(grapheme.front())) return Break::Term;
    return Break::Anywhere;
}

struct Grapheme {
    qsizetype end;  // position in the line just after it
    qreal right;    // the line's advance up to and including it
    Break after;
};

std::vector<Grapheme> graphemes(const QString& line, const Advance& advance) {
    std::vector<Grapheme> out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
    qsizetype start = 0;
    qreal right = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        const QStringView g = QStringView(line).mid(start, end - start);
        right += advance(g);
        out.push_back({end, right, breakAfter(g)});
        start = end;
    }
    return out;
}

}  // namespace

QStringList wrapLine(const QString& line, qreal firstWidth, qreal nextWidth,
                     const Advance& advance) {
    const std::vector<Grapheme> marks = graphemes(line, advance);
    QStringList pieces;
    std::size_t first = 0;  // the first grapheme of the piece being laid
    qsizetype pieceStart = 0;
    qreal left = 0;  // the advance before the piece
    qreal room = firstWidth;
    while (first < marks.size() && marks.back().right - left > room) {
        // The last grapheme that still fits, and the best break at or before it. A break
        // in the first half of the room would leave a short piece; a lesser break further
        // on is taken then.
        std::size_t fits = first;
        while (fits + 1 < marks.size() && marks[fits + 1].right - left <= room)
            ++fits;
        std::size_t chosen = fits;
        for (Break kind : {Break::Step, Break::Term}) {
            std::size_t best = marks.size();
            for (std::size_t i = first; i <= fits; ++i) {
                if (marks[i].after == kind && marks[i].right - left >= room / 2) best = i;
            }
            if (best < marks.size()) {
                chosen = best;
                break;
            }
        }
        pieces << line.mid(pieceStart, marks[chosen].end - pieceStart);
        pieceStart = marks[chosen].end;
        left = marks[chosen].right;
        first = chosen + 1;
        room = nextWidth;
    }
    if (pieces.isEmpty() || pieceStart < line.size()) pieces << line.mid(pieceStart);
    return pieces;
}

}  // namespace wallcalc::sheet
