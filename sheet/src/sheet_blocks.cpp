// The title, the headings, the figure and the lines of text of the sheet.
#include "sheet_blocks.hpp"

#include <QPainter>
#include <memory>

#include "line_wrapping.hpp"
#include "set_lines.hpp"
#include "text_painting.hpp"
#include "wallcalc/sheet/wall_figure_drawing.hpp"

namespace wallcalc::sheet {
namespace {

// Where the baseline of a line of `font` falls in a block of `height`.
qreal baselineIn(const SheetStyle& style, const QFont& font, qreal height) {
    const QFontMetricsF fm = style.metrics(font);
    return (height - fm.height()) / 2 + fm.ascent();
}

// One line of text as a block: at the left, centred or at the right of the box.
Block lineBlock(const QString& text, const QFont& font, const SheetStyle& style,
                Qt::Alignment align, qreal indent = 0) {
    Block b;
    b.height = style.lineHeight(font);
    const qreal baseline = baselineIn(style, font, b.height);
    // The whole line is measured only where it is placed by its width.
    const qreal width = align & (Qt::AlignHCenter | Qt::AlignRight) ? style.advance(font, text) : 0;
    b.paint = [=](QPainter& p, const QRectF& box, const BlockPlace&) {
        qreal x = box.left() + indent;
        if (align & Qt::AlignHCenter) x = box.center().x() - width / 2;
        if (align & Qt::AlignRight) x = box.right() - width;
        p.save();
        p.setFont(font);
        p.setPen(Qt::black);
        paintText(p, QPointF(x, box.top() + baseline), text);
        p.restore();
    };
    return b;
}

// A line of text broken to the width, continuations indented; the pieces of one line
// stay together where they can.
std::vector<Block> wrappedLines(const QString& text, const QFont& font, const SheetStyle& style,
                                qreal width, qreal indent) {
    const Advance advance = style.measure(font);
    // A little room to spare: a run of glyphs may set a hair wider than their sum.
    const qreal room = width * 0.985;
    const QStringList pieces = wrapLine(text, room, room - indent, advance);
    std::vector<Block> blocks;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        Block b = lineBlock(pieces[i], font, style, Qt::AlignLeft, i == 0 ? 0 : indent);
        b.keepWithNext = i + 1 < pieces.size();
        blocks.push_back(std::move(b));
    }
    return blocks;
}

}  // namespace

std::vector<Block> titleBlocks(const CalculationSheet& sheet, const SheetStyle& style,
                               qreal width) {
    std::vector<Block> blocks;
    Block title = lineBlock(qs(sheet.title), style.title, style, Qt::AlignHCenter);
    title.height *= 1.2;
    blocks.push_back(std::move(title));
    if (!sheet.name.empty()) {
        for (Block& b : wrappedLines(QStringLiteral("名称：") + qs(sheet.name), style.body, style,
                                     width, style.mm(8))) {
            blocks.push_back(std::move(b));
        }
    }
    return blocks;
}

Block headingBlock(const QString& text, const SheetStyle& style) {
    Block b = lineBlock(text, style.heading, style, Qt::AlignLeft);
    b.spaceBefore = style.mm(4);
    b.keepWithNext = true;
    return b;
}

Block figureBlock(const SheetFigure& figure, const SheetStyle& style, qreal width) {
    Block b;
    b.height = style.mm(80);
    const qreal figureWidth = b.height * kFigureWidth / kFigureHeight;
    const QFont font = style.body;  // the figure sets its own sizes in this face
    b.paint = [=](QPainter& p, const QRectF& box, const BlockPlace&) {
        const QRectF target(box.left() + (width - figureWidth) / 2, box.top(), figureWidth,
                            box.height());
        p.save();
        p.setFont(font);
        paintWallFigure(p, target, figure);
        p.restore();
    };
    return b;
}

std::vector<Block> textBlocks(const std::vector<std::string>& lines, const SheetStyle& style,
                              qreal width) {
    std::vector<Block> blocks;
    for (const std::string& line : lines) {
        const QString text = qs(line);
        for (Block& b : wrappedLines(text, style.body, style, width, style.mm(8)))
            blocks.push_back(std::move(b));
        // A line that ends in a colon ("(2)水下土压力：", "说明：") introduces the lines
        // after it and is not left alone at the foot of a page.
        if (text.trimmed().endsWith(QStringLiteral("："))) blocks.back().keepWithNext = true;
    }
    return blocks;
}

namespace {

// Whether a typeset line ends in a full-width colon ("(2)水下土压力：", "说明：").
bool introduces(const report::TypesetLine& line) {
    for (auto item = line.items.rbegin(); item != line.items.rend(); ++item) {
        const auto* run = std::get_if<report::Run>(&*item);
        if (run == nullptr) return false;
        std::string_view text = run->text;
        while (text.ends_with(' '))
            text.remove_suffix(1);
        if (!text.empty()) return text.ends_with("：");
    }
    return false;
}

// The faces are shared by the blocks of a section rather than copied into each.
Block setBlock(SetLine line, const std::shared_ptr<const SetFonts>& fonts, const SheetStyle& style,
               qreal indent) {
    Block b;
    const qreal extra = line.tall ? tallExtra(*fonts) : 0;
    b.height = style.lineHeight(fonts->body) + extra;
    const qreal baseline = baselineIn(style, fonts->body, b.height - extra) + extra / 2;
    b.paint = [line = std::move(line), fonts, baseline, indent](QPainter& p, const QRectF& box,
                                                                const BlockPlace&) {
        p.save();
        p.setPen(Qt::black);
        paintSetLine(p, QPointF(box.left() + indent, box.top() + baseline), line, *fonts);
        p.restore();
    };
    return b;
}

}  // namespace

std::vector<Block> typesetBlocks(const report::TypesetText& lines, const SheetStyle& style,
                                 qreal width) {
    const auto fonts = std::make_shared<const SetFonts>(style);
    const qreal indent = style.mm(8);
    // A little room to spare, as for plain lines.
    const qreal room = width * 0.985;
    std::vector<Block> blocks;
    for (const report::TypesetLine& line : lines) {
        std::vector<SetLine> pieces = setLine(line, *fonts, room, room - indent);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            Block b = setBlock(std::move(pieces[i]), fonts, style, i == 0 ? 0 : indent);
            b.keepWithNext = i + 1 < pieces.size();
            blocks.push_back(std::move(b));
        }
        if (introduces(line)) blocks.back().keepWithNext = true;
    }
    return blocks;
}

}  // namespace wallcalc::sheet
