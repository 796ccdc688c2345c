#include "model_results.hpp"

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <functional>

#include "qt_text.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc::app {
namespace {

using model::FaceCheck;
using model::FacePlace;
using model::StoreyDesign;

// What a cell shows, and whether what it shows satisfies the codes.
struct Cell {
    QString text;
    bool ok = true;
};
const QString kNone = QStringLiteral("—");

QString shown(double v) {
    return qs(report::shownText(v));
}

QString barsText(const std::optional<design::Bars>& b) {
    if (!b) return QStringLiteral("无可选钢筋");
    return QString::number(b->d) + "@" + qs(report::doubleText(b->spacing));
}

// A figure of a face: none where the face is not in tension there.
using FaceFigure = std::function<Cell(const FaceCheck&)>;
Cell faceMoment(const FaceCheck& f) {
    QString text = shown(f.governing().face.strength.M);
    if (f.wartime)
        text += f.wartimeGoverns ? QStringLiteral("（人防）") : QStringLiteral("（平时）");
    return {text, true};
}
Cell faceBars(const FaceCheck& f) {
    return {barsText(f.provided), f.ok()};
}
Cell faceCrack(const FaceCheck& f) {
    if (!f.crack) return {kNone, true};
    return {shown(f.crack->w), f.crackOk()};
}

// A storey's design, and with a two-way panel its plate results (characteristic).
struct StoreyShown {
    const StoreyDesign& design;
    const plate::StoreyResult* plate = nullptr;
};

struct ResultRow {
    QString key;      // as the model's answer names the figure
    QString heading;  // as the table shows it
    std::function<Cell(const StoreyShown&)> cell;
    bool panelOnly = false;  // a two-way panel's figure: hidden for a one-way wall
};

// The name of a face's place in the table's headings: the model's, shortened for a panel's
// horizontal bars (the side supports' on the water face, the span's on the inner face), so
// that the headings stay as narrow as the one-way wall's.
QString placeHeading(FacePlace place) {
    if (place == FacePlace::WaterSide) return QStringLiteral("侧边水平筋");
    if (place == FacePlace::InnerHorizontalSpan) return QStringLiteral("跨中水平筋");
    return qs(model::placeName(place));
}

ResultRow faceRow(FacePlace place, const char* key, const char* figure, const QString& heading,
                  FaceFigure of) {
    return {QLatin1String(key) + "." + QLatin1String(figure), placeHeading(place) + heading,
            [place, of](const StoreyShown& s) -> Cell {
                const auto& f = s.design.face(place);
                return f ? of(*f) : Cell{kNone, true};
            },
            !(place == FacePlace::WaterTop || place == FacePlace::InnerSpan ||
              place == FacePlace::WaterBottom)};
}

ResultRow shearRow(bool top, const char* figure, const QString& heading) {
    const char* key = top ? "shearTop" : "shearBottom";
    return {QLatin1String(key) + "." + QLatin1String(figure),
            (top ? QStringLiteral("墙顶") : QStringLiteral("墙底")) + heading,
            [top, vc = QLatin1String(figure) == QLatin1String("Vc")](const StoreyShown& s) {
                const model::ShearCheck& c = top ? s.design.shearTop : s.design.shearBottom;
                const design::Shear& v = c.governing().shear;
                return Cell{shown(vc ? v.Vc : v.V), c.ok()};
            }};
}

ResultRow sideShearRow(const char* figure, const QString& heading) {
    return {QStringLiteral("shearSide.") + QLatin1String(figure), QStringLiteral("侧边") + heading,
            [vc = QLatin1String(figure) == QLatin1String("Vc")](const StoreyShown& s) {
                if (!s.design.shearSide) return Cell{kNone, true};
                const design::Shear& v = s.design.shearSide->governing().shear;
                return Cell{shown(vc ? v.Vc : v.V), s.design.shearSide->ok()};
            },
            true};
}

// An edge's total reaction of the characteristic combination (kN).
ResultRow reactionRow(const char* edge, const QString& heading, double plate::EdgeReactions::*of) {
    return {QStringLiteral("reactions.") + QLatin1String(edge),
            heading + QStringLiteral("支承反力 (kN)"),
            [of](const StoreyShown& s) {
                return s.plate ? Cell{shown(s.plate->reactions.*of), true} : Cell{kNone, true};
            },
            true};
}

// A two-way panel's horizontal faces, its side shear and its edges' reactions.
void panelRows(std::vector<ResultRow>& out) {
    const std::pair<FacePlace, const char*> faces[] = {
        {FacePlace::WaterSide, "horizontalSupport"},
        {FacePlace::InnerHorizontalSpan, "horizontalSpan"}};
    for (const auto& [place, key] : faces) {
        out.push_back(faceRow(place, key, "M", QStringLiteral(" M (kN·m/m)"), faceMoment));
        out.push_back(faceRow(place, key, "bars", QStringLiteral(" 配筋"), faceBars));
        out.push_back(faceRow(place, key, "w", QStringLiteral(" 裂缝宽度w (mm)"), faceCrack));
    }
    out.push_back(sideShearRow("V", QStringLiteral("剪力V (kN/m)")));
    out.push_back(sideShearRow("Vc", QStringLiteral("受剪承载力Vc (kN/m)")));
    out.push_back(reactionRow("top", QStringLiteral("顶边"), &plate::EdgeReactions::top_kN));
    out.push_back(reactionRow("bottom", QStringLiteral("底边"), &plate::EdgeReactions::bottom_kN));
    out.push_back(reactionRow("left", QStringLiteral("左侧"), &plate::EdgeReactions::left_kN));
    out.push_back(reactionRow("right", QStringLiteral("右侧"), &plate::EdgeReactions::right_kN));
}

// The rows from the top of a storey down to its base.
const std::vector<ResultRow>& resultRows() {
    static const std::vector<ResultRow> rows = [] {
        std::vector<ResultRow> out;
        const std::pair<FacePlace, const char*> faces[] = {
            {FacePlace::WaterTop, "waterFaceTop"},
            {FacePlace::InnerSpan, "innerFace"},
            {FacePlace::WaterBottom, "waterFaceBottom"}};
        for (const auto& [place, key] : faces) {
            out.push_back(faceRow(place, key, "M", QStringLiteral(" M (kN·m/m)"), faceMoment));
            out.push_back(faceRow(place, key, "bars", QStringLiteral(" 配筋"), faceBars));
            out.push_back(faceRow(place, key, "w", QStringLiteral(" 裂缝宽度w (mm)"), faceCrack));
        }
        out.push_back(shearRow(true, "V", QStringLiteral("剪力V (kN/m)")));
        out.push_back(shearRow(true, "Vc", QStringLiteral("受剪承载力Vc (kN/m)")));
        out.push_back(shearRow(false, "V", QStringLiteral("剪力V (kN/m)")));
        out.push_back(shearRow(false, "Vc", QStringLiteral("受剪承载力Vc (kN/m)")));
        panelRows(out);
        out.push_back({QStringLiteral("horizontal.bars"), QStringLiteral("水平分布钢筋（每侧）"),
                       [](const StoreyShown& s) {
                           const auto& bars = s.design.horizontal().bars;
                           return Cell{barsText(bars), bars.has_value()};
                       }});
        out.push_back({QStringLiteral("verdict"), QStringLiteral("结论"), [](const StoreyShown& s) {
                           return Cell{qs(s.design.verdict.line()), s.design.verdict.ok()};
                       }});
        return out;
    }();
    return rows;
}

}  // namespace

void setUpResultsTable(QTableWidget& table) {
    const auto& rows = resultRows();
    table.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        auto* heading = new QTableWidgetItem(rows[r].heading);
        heading->setData(Qt::UserRole, rows[r].key);
        table.setVerticalHeaderItem(static_cast<int>(r), heading);
    }
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table.horizontalHeader()->setStretchLastSection(true);
}

void showDesign(QTableWidget& table, const model::WallDesign& design,
                const model::PanelAnalysis* panel, bool stale) {
    const QColor grey = table.palette().color(QPalette::Disabled, QPalette::Text);
    const auto& rows = resultRows();
    const auto storeys = design.designed();
    table.setColumnCount(static_cast<int>(storeys.size()));
    for (std::size_t c = 0; c < storeys.size(); ++c) {
        table.setHorizontalHeaderItem(static_cast<int>(c),
                                      new QTableWidgetItem(qs(model::storeyName(c))));
        const plate::StoreyResult* plate =
            panel != nullptr ? &panel->characteristic().storeys.at(c) : nullptr;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const Cell cell = rows[r].cell({storeys[c], plate});
            auto* item = new QTableWidgetItem(cell.text);
            item->setTextAlignment(Qt::AlignCenter);
            const bool verdict = rows[r].key == QLatin1String("verdict");
            if (stale)
                item->setForeground(grey);
            else if (!cell.ok || verdict)
                item->setForeground(QColor::fromRgb(cell.ok ? kSatisfiedColour : kFailedColour));
            if (verdict) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table.setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    for (std::size_t r = 0; r < rows.size(); ++r)
        table.setRowHidden(static_cast<int>(r), rows[r].panelOnly && panel == nullptr);
    // Every figure shows whole: the table is never narrower than its headings and columns.
    // (The last column stretches: measured unstretched, it says what it needs.)
    table.horizontalHeader()->setStretchLastSection(false);
    table.resizeColumnsToContents();
    int width = table.verticalHeader()->sizeHint().width() + 2 * table.frameWidth() + 4;
    for (int c = 0; c < table.columnCount(); ++c)
        width += std::max(table.columnWidth(c), table.horizontalHeader()->sectionSizeHint(c));
    // A panel's rows are more than the page shows: the table scrolls, its bar beside them.
    if (panel != nullptr) width += table.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    table.horizontalHeader()->setStretchLastSection(true);
    table.setMinimumWidth(width);
}

}  // namespace wallcalc::app
