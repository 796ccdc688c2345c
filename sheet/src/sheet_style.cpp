#include "sheet_style.hpp"

#include <QFontDatabase>
#include <QHash>
#include <QRawFont>
#include <cmath>
#include <map>
#include <memory>
#include <unordered_map>
#include <utility>

#include "compact_face.hpp"
#include "face_repertoire.hpp"
#include "pdf/pdf_faces.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

namespace wallcalc::sheet {
namespace {

// What one face has measured on this thread: numbers only, so that nothing of Qt's is
// left to outlive the application when the thread ends.
struct Measured {
    std::unordered_map<char16_t, qreal> units;  // texts of one UTF-16 code unit
    QHash<QString, qreal> texts;                // the rest
};

// More texts than a thousand sheets' labels and characters: the names of a long batch are
// let go rather than kept for ever.
constexpr qsizetype kMostTextsKept = 50000;

Measured& measuredIn(const QFont& font) {
    thread_local std::map<std::pair<int, bool>, Measured> measured;
    return measured[{font.pixelSize(), font.bold()}];
}

qreal measured(Measured& m, const QFont& font, QStringView text) {
    if (text.size() == 1) {
        const auto [at, added] = m.units.try_emplace(text.front().unicode(), 0);
        if (added) at->second = QFontMetricsF(font).horizontalAdvance(text.toString());
        return at->second;
    }
    const QString key = text.toString();
    if (const auto at = m.texts.constFind(key); at != m.texts.cend()) return *at;
    if (m.texts.size() >= kMostTextsKept) m.texts.clear();
    return *m.texts.insert(key, QFontMetricsF(font).horizontalAdvance(key));
}

// The compact copy of the installed face, added to the application's faces: its family
// and its bytes, or nothing when it could not be made.
std::pair<QString, QByteArray> registeredCompactCopy(const QString& installed) {
    const QString family = installed + QStringLiteral(" wallcalc");
    QByteArray face = compactFace(QRawFont::fromFont(QFont(installed)), sheetRepertoire(), family);
    if (face.isEmpty()) return {};
    const int id = QFontDatabase::addApplicationFontFromData(face);
    if (!QFontDatabase::applicationFontFamilies(id).contains(family)) return {};
    return {family, std::move(face)};
}

// The sheet's face (WenQuanYi Micro Hei) and the faces installed with the program for the
// characters it lacks (fonts-hanazono: HanaMinA for the Basic Multilingual Plane and CJK
// Extension A, HanaMinB for Extensions B to F), each with what the PDF writer reads.
struct SheetFaceSet {
    QStringList families;
    std::unique_ptr<pdf::Faces> faces;
};

void addInstalled(SheetFaceSet& set, std::vector<std::unique_ptr<pdf::Face>>& faces,
                  const QString& family, bool fallback) {
    set.families << family;
    const auto [file, index] = pdf::installedFile(family);
    if (file.isEmpty()) return;
    if (auto face = pdf::Face::fromFile(family, file, index, fallback))
        faces.push_back(std::move(face));
}

const SheetFaceSet& sheetFaceSet() {
    static const SheetFaceSet set = [] {
        SheetFaceSet out;
        std::vector<std::unique_ptr<pdf::Face>> faces;
        const QString installed = QStringLiteral("WenQuanYi Micro Hei");
        if (QFontDatabase::hasFamily(installed)) {
            const auto [compact, bytes] = registeredCompactCopy(installed);
            if (!compact.isEmpty()) {
                out.families << compact;
                if (auto face = pdf::Face::fromBytes(compact, bytes, false))
                    faces.push_back(std::move(face));
            }
            addInstalled(out, faces, installed, false);
        } else {
            addInstalled(out, faces, QFont().family(), false);
        }
        for (const QString& fallback : {QStringLiteral("HanaMinA"), QStringLiteral("HanaMinB")}) {
            if (QFontDatabase::hasFamily(fallback)) addInstalled(out, faces, fallback, true);
        }
        out.faces = std::make_unique<pdf::Faces>(std::move(faces));
        return out;
    }();
    return set;
}

}  // namespace

QStringList sheetFamilies() {
    return sheetFaceSet().families;
}

const pdf::Faces& sheetFaces() {
    return *sheetFaceSet().faces;
}

void prepareSheetFaces() {
    sheetFaceSet();
}

QFont sheetFont(qreal points, bool bold) {
    QFont font;
    font.setFamilies(sheetFamilies());
    // In the sheet's units rather than in points, so that no device's resolution enters
    // the measures.
    font.setPixelSize(static_cast<int>(std::lround(points * kSheetDpi / 72)));
    font.setBold(bold);
    // Outlines exactly as designed: the same advances at every size.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

SheetStyle::SheetStyle()
    : title(sheetFont(18, true)),
      heading(sheetFont(12, true)),
      body(sheetFont(10)),
      small(sheetFont(8.5)) {}

qreal SheetStyle::lineHeight(const QFont& font) {
    return metrics(font).height() * 1.3;
}

qreal SheetStyle::advance(const QFont& font, QStringView text) {
    return measured(measuredIn(font), font, text);
}

Advance SheetStyle::measure(const QFont& font) {
    Measured* m = &measuredIn(font);
    return [m, font](QStringView text) { return measured(*m, font, text); };
}

}  // namespace wallcalc::sheet
