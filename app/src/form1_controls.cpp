#include "form1_controls.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "form1_geometry.hpp"
#include "twips.hpp"
#include "wallcalc/engine/window_layout.hpp"

namespace wallcalc::app {
namespace {

using geometry::kMargin;
constexpr int kLabelGap = 30;  // between a label's right end and its box

// Where a text box sits, and where its label starts (left, and the row's top is the
// box's own). Boxes inside a frame are placed relative to the frame.
struct BoxPlace {
    Box box;
    QRect rect;  // twips
    int labelLeft;
    bool twoLineLabel = false;
};

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label of two lines breaks before its unit: "土容重" over "(kN/m3)：".
QString labelText(std::string_view label, bool twoLines) {
    QString text = qs(label);
    if (twoLines) {
        const qsizetype unit = text.indexOf(QLatin1Char('('));
        if (unit > 0) text.insert(unit, QLatin1Char('\n'));
    }
    return text;
}

QLabel* addLabel(QWidget& parent, const QString& text, const QRect& rectTwips,
                 const QString& forName) {
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QStringLiteral("Label_") + forName);
    label->setGeometry(twips(rectTwips.x(), rectTwips.y(), rectTwips.width(), rectTwips.height()));
    label->setAlignment(Qt::AlignLeft |
                        (text.contains(QLatin1Char('\n')) ? Qt::AlignTop : Qt::AlignVCenter));
    return label;
}

QLineEdit* addBox(QWidget& parent, const BoxPlace& place) {
    const QString name = qs(boxName(place.box));
    auto* edit = new QLineEdit(&parent);
    edit->setObjectName(name);
    edit->setGeometry(
        twips(place.rect.x(), place.rect.y(), place.rect.width(), place.rect.height()));
    const QString label = labelText(boxLabel(place.box), place.twoLineLabel);
    // A two-line label's unit line is as wide as its room; the full-width colon at its
    // end keeps it clear of the box.
    const int labelHeight = place.twoLineLabel ? 480 : place.rect.height();
    const int gap = place.twoLineLabel ? 0 : kLabelGap;
    QLabel* l = addLabel(
        parent, label,
        QRect(place.labelLeft, place.rect.y(), place.rect.x() - place.labelLeft - gap, labelHeight),
        name);
    l->setBuddy(edit);
    edit->setAccessibleName(qs(boxLabel(place.box)));
    return edit;
}

QGroupBox* addFrame(QWidget& parent, const char* name, std::string_view caption,
                    const QRect& rectTwips) {
    auto* frame = new QGroupBox(qs(caption), &parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(twips(rectTwips.x(), rectTwips.y(), rectTwips.width(), rectTwips.height()));
    return frame;
}

QPushButton* addButton(QWidget& parent, const char* name, std::string_view caption, int left) {
    auto* button = new QPushButton(qs(caption), &parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(twips(left, 10560, 855, 495));
    button->setAutoDefault(true);  // Enter presses the focused button, as Space does
    return button;
}

void placeBoxes(Form1Controls& c, QWidget& parent, std::initializer_list<BoxPlace> places,
                bool readOnly = false) {
    for (const BoxPlace& place : places) {
        QLineEdit* edit = addBox(parent, place);
        edit->setReadOnly(readOnly);
        // A result box is selected and copied with the mouse; Tab goes past it, from one
        // input to the next.
        if (readOnly) edit->setFocusPolicy(Qt::ClickFocus);
        c.boxes[index(place.box)] = edit;
    }
}

void buildLists(Form1Controls& c, QWidget& client) {
    // 1695 twips rather than 1455, so that "Ⅰ级(HPB235)" shows whole beside the
    // drop-down arrow.
    constexpr int width = 1695;
    constexpr int tops[] = {600, 1080, 1560};
    for (std::size_t i = 0; i < std::size(tops); ++i) {
        const auto list = static_cast<List>(i);
        auto* combo = new QComboBox(&client);
        combo->setObjectName(qs(listName(list)));
        combo->setGeometry(twips(1560, tops[i], width, 315));
        combo->setAccessibleName(qs(listLabel(list)));
        addLabel(client, qs(listLabel(list)),
                 QRect(kMargin, tops[i], 1560 - kMargin - kLabelGap, 315), combo->objectName())
            ->setBuddy(combo);
        c.lists[i] = combo;
    }
}

void buildCivilDefence(Form1Controls& c, QWidget& client) {
    QGroupBox* frame5 = addFrame(client, "Frame5", "人防", QRect(2640, 2040, 1095, 1695));
    const char* names[] = {"Option1_0", "Option1_1"};
    const char* captions[] = {"人防", "非人防"};
    // "非人防" is 915 twips wide rather than 855: a Qt radio button needs the room for
    // the focus frame around its caption.
    const QRect places[] = {QRect(120, 240, 735, 255), QRect(120, 1320, 915, 255)};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(qs(captions[i]), frame5);
        option->setObjectName(QLatin1String(names[i]));
        option->setGeometry(
            twips(places[i].x(), places[i].y(), places[i].width(), places[i].height()));
        c.Option1[static_cast<std::size_t>(i)] = option;
    }
    // The load's label stands above its box, over two lines, between "人防" and the box:
    // from 495 to 960 twips, so that it overlaps neither.
    auto* load = new QLineEdit(frame5);
    load->setObjectName(QStringLiteral("Text20"));
    load->setGeometry(twips(120, 960, 855, 285));
    load->setAccessibleName(qs(boxLabel(Box::Text20)));
    addLabel(*frame5, labelText(boxLabel(Box::Text20), true), QRect(120, 495, 855, 465),
             QStringLiteral("Text20"))
        ->setBuddy(load);
    c.boxes[index(Box::Text20)] = load;
}

void buildInputs(Form1Controls& c, QWidget& client) {
    QGroupBox* frame1 = addFrame(client, "Frame1", "标高：", QRect(240, 2040, 2175, 1695));
    placeBoxes(c, *frame1,
               {{Box::Text1, QRect(960, 240, 855, 285), 120},
                {Box::Text2, QRect(960, 600, 855, 285), 120},
                {Box::Text3, QRect(960, 960, 855, 285), 120},
                {Box::Text16, QRect(960, 1320, 855, 285), 120}});
    buildCivilDefence(c, client);
    // Text14 starts 120 twips right of 960 so that its two-line label "(kN/m3)：" is not
    // cut; its right edge stays where it was.
    placeBoxes(c, client,
               {{Box::Text4, QRect(2640, 3960, 1095, 285), kMargin},
                {Box::Text13, QRect(2640, 4320, 1095, 285), kMargin},
                {Box::Text17, QRect(2640, 4680, 1095, 285), kMargin},
                {Box::Text14, QRect(1080, 5040, 615, 405), kMargin, true},
                {Box::Text15, QRect(2640, 5040, 1095, 405), 1800, true},
                {Box::Text5, QRect(1920, 5760, 855, 285), kMargin},
                {Box::Text10, QRect(1920, 6240, 855, 285), kMargin},
                {Box::Text8, QRect(1920, 6720, 855, 285), kMargin}});
}

void buildResults(Form1Controls& c, QWidget& client) {
    // The result frames (2775 twips rather than 2655) and boxes (900 rather than 735) are
    // wide enough for a steel area such as 3463.606 within the borders of a Qt text box.
    // Each frame holds its three boxes at tops 360, 720 and 1080.
    constexpr int frameWidth = 2775;
    constexpr int boxWidth = 900;
    const char* names[] = {"Frame2", "Frame3"};
    const int tops[] = {7200, 8880};
    QGroupBox* frames[2] = {};
    for (int f = 0; f < 2; ++f) {
        frames[f] =
            addFrame(client, names[f], frameCaption(f), QRect(240, tops[f], frameWidth, 1455));
    }
    for (const ResultBox& r : resultBoxes()) {
        const BoxPlace place{r.box, QRect(1800, 360 * (r.row + 1), boxWidth, 285), 120};
        placeBoxes(c, *frames[r.frame], {place}, true);
    }
}

// The design basis and the partial factors of the 2010 basis, where the window layout
// places them: a frame at the top of the column right of Text12.
QRect twipsRect(const Twips& t) {
    return QRect(t.left, t.top, t.width, t.height);
}

void buildBasis(Form1Controls& c, QWidget& client) {
    const ControlPlace* frame = controlPlace("Frame6");
    QGroupBox* frame6 = addFrame(client, "Frame6", frame->caption, twipsRect(frame->rect));
    c.basisFrame = frame6;
    const ControlPlace* list = controlPlace("Combo4");
    auto* combo = new QComboBox(frame6);
    combo->setObjectName(QStringLiteral("Combo4"));
    const QRect r = twipsRect(list->rect);
    combo->setGeometry(twips(r.x(), r.y(), r.width(), r.height()));
    combo->setAccessibleName(qs(listLabel(List::Combo4)));
    const QRect l = twipsRect(controlPlace("Label_Combo4")->rect);
    addLabel(*frame6, qs(listLabel(List::Combo4)), l, combo->objectName())->setBuddy(combo);
    c.lists[index(List::Combo4)] = combo;
    for (const Box box : {Box::Text21, Box::Text22, Box::Text23}) {
        const QRect place = twipsRect(controlPlace(boxName(box))->rect);
        placeBoxes(c, *frame6,
                   {{box, place, controlPlace("Label_" + std::string(boxName(box)))->rect.left}});
    }
}

// Tab follows the screen: the lists, the elevations, the civil-defence group, the
// column of inputs, the buttons, and last the calculation text and the supplementary
// design. The result boxes take no Tab stop.
void setTabOrder(const Form1Controls& c) {
    const Box inputs[] = {Box::Text1, Box::Text2, Box::Text3, Box::Text16};
    const Box below[] = {Box::Text4,  Box::Text13, Box::Text17, Box::Text14,
                         Box::Text15, Box::Text5,  Box::Text10, Box::Text8};
    std::vector<QWidget*> chain(c.lists.begin(), c.lists.end());
    for (Box b : inputs)
        chain.push_back(c.boxes[index(b)]);
    chain.push_back(c.Option1[0]);
    chain.push_back(c.boxes[index(Box::Text20)]);
    chain.push_back(c.Option1[1]);
    for (Box b : below)
        chain.push_back(c.boxes[index(b)]);
    chain.insert(chain.end(), {c.Command1, c.Command2, c.Command3, c.Text12});
    // The column right of Text12: the design basis, then the supplementary design.
    chain.push_back(c.lists[index(List::Combo4)]);
    for (Box b : {Box::Text21, Box::Text22, Box::Text23})
        chain.push_back(c.boxes[index(b)]);
    chain.push_back(c.TextChecks);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace

QSize clientSize() {
    return twipsSize(geometry::kPageWidth, geometry::kPageHeight);
}

Form1Controls buildControls(QWidget& client) {
    Form1Controls c;
    buildLists(c, client);
    buildInputs(c, client);
    buildBasis(c, client);
    buildResults(c, client);
    buildPanels(c, client);
    c.Command1 = addButton(client, "Command1", "计算", 240);
    c.Command2 = addButton(client, "Command2", "帮助", 1200);
    c.Command3 = addButton(client, "Command3", "退出", 2160);
    setTabOrder(c);
    placePanels(c, clientSize());
    return c;
}

}  // namespace wallcalc::app
