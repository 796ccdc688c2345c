// The marks of the wall model's inputs: the cells that a problem names, coloured, with the
// problem's message as their tooltip.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>
#include <charconv>

#include "model_inputs.hpp"
#include "qt_text.hpp"

namespace wallcalc::app {
namespace {

// The marks of a cell: wrong (a problem with what is typed), or waiting to be filled.
const QColor kWrong(0xff, 0xcd, 0xd2);
const QColor kWaiting(0xff, 0xf3, 0xc4);

// "storeys[1].thickness" → 1 and "thickness"; "slabs[2]" → 2; none for other keys.
struct IndexedKey {
    std::string base;
    std::optional<int> at;
    std::string field;
};
IndexedKey indexedKey(const std::string& key) {
    const auto open = key.find('[');
    const auto close = key.find(']');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return {key, std::nullopt, {}};
    int at = 0;
    const char* first = key.data() + open + 1;
    const char* last = key.data() + close;
    if (std::from_chars(first, last, at).ptr != last) return {key, std::nullopt, {}};
    IndexedKey k{key.substr(0, open), at, {}};
    if (close + 2 <= key.size() && key[close + 1] == '.') k.field = key.substr(close + 2);
    return k;
}

}  // namespace

QWidget* ModelInputs::widgetFor(const std::string& key) const {
    if (const auto at = numbers_.find(key); at != numbers_.end()) return at->second;
    if (const auto at = names_.find(key); at != names_.end()) return at->second;
    // The panel as a whole (a mesh that does not settle): its box.
    if (key == "panel") return panelOn_;
    return nullptr;
}

void ModelInputs::mark(QWidget* widget, const QString& message, bool waiting) {
    widget->setToolTip(message);
    widget->setProperty("problem", message);
    const QString colour = (waiting ? kWaiting : kWrong).name();
    widget->setStyleSheet(QStringLiteral("%1 { background: %2; }")
                              .arg(QLatin1String(widget->metaObject()->className()), colour));
}

void ModelInputs::markCell(int row, int column, const QString& message, bool waiting) {
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) return;
    cell->setBackground(waiting ? kWaiting : kWrong);
    cell->setToolTip(message);
}

void ModelInputs::clearMarks() {
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!w->property("problem").isValid()) continue;
        w->setProperty("problem", QVariant());
        w->setToolTip({});
        w->setStyleSheet({});
    }
    for (int r = 0; r < storeys_->rowCount(); ++r) {
        for (int c = 0; c < storeys_->columnCount(); ++c) {
            if (QTableWidgetItem* cell = item(r, c);
                cell != nullptr && !cell->toolTip().isEmpty()) {
                cell->setBackground(QBrush());
                cell->setToolTip({});
            }
        }
    }
}

void ModelInputs::markProblems(const std::vector<model::Problem>& problems) {
    const QSignalBlocker quiet(storeys_);
    clearMarks();
    for (const model::Problem& p : problems) {
        const QString message = qs(p.message);
        const IndexedKey k = indexedKey(p.key);
        if (QWidget* w = widgetFor(p.key)) {
            const auto* edit = qobject_cast<QLineEdit*>(w);
            const auto* combo = qobject_cast<QComboBox*>(w);
            const bool empty = (edit != nullptr && edit->text().trimmed().isEmpty()) ||
                               (combo != nullptr && combo->currentIndex() < 0);
            mark(w, message, empty);
            continue;
        }
        const auto markIn = [&](int row, int column) {
            const QTableWidgetItem* cell = item(row, column);
            markCell(row, column, message, cell != nullptr && cell->text().trimmed().isEmpty());
        };
        if (k.base == "slabs" && k.at) {
            markIn(*k.at, kSlabColumn);
        } else if (k.base == "slabs") {
            for (int r = 0; r < storeys_->rowCount(); ++r)
                markIn(r, kSlabColumn);
        } else if (k.base == "storeys" && k.at) {
            for (std::size_t f = 0; f < model::kStoreyKeys.size(); ++f) {
                if (model::kStoreyKeys[f].key == k.field) markIn(*k.at, storeyColumn(f));
            }
        }
    }
}

}  // namespace wallcalc::app
