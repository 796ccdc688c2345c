#include "model_inputs.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "qt_text.hpp"
#include "wallcalc/design/materials.hpp"
#include "wallcalc/model/model_fields.hpp"
#include "wallcalc/model/wall_design.hpp"

namespace wallcalc::app {
namespace {

using model::KeyKind;
using model::KeyNeed;
using model::ModelKey;

// The group of the page a key of the model's table starts; the keys that follow it in the
// table stand in the same group.
struct GroupStart {
    std::string_view key;
    const char* title;
};
constexpr GroupStart kGroups[] = {
    {"ground", "地面与水位"}, {"top", "支承"}, {"gamma", "土与荷载"}, {"concrete", "材料与系数"}};

const ModelKey& modelKey(std::string_view key) {
    for (const ModelKey& k : model::kModelKeys) {
        if (k.key == key) return k;
    }
    return model::kModelKeys.front();
}

QString labelWithUnit(const ModelKey& k, const QString& separator) {
    return k.unit.empty() ? qs(k.label) : qs(k.label) + separator + "(" + qs(k.unit) + ")";
}

}  // namespace

CellNumber cellNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return {true, std::nullopt};
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return {};
    return {false, v};
}

// The problem of a cell whose text is not a number.
model::Problem notNumber(std::string key, std::string_view label, const QString& text) {
    std::string message = key + "（" + std::string(label) + "）“" + text.trimmed().toStdString() +
                          "”不是数值，请输入数值";
    return {std::move(key), std::move(message)};
}

namespace {

// The choices of a key that names one: what the model's JSON says, and what the page shows.
struct Choices {
    std::vector<std::string_view> names;
    std::vector<std::string_view> labels;
};
Choices choicesOf(std::string_view key) {
    const auto both = [](auto names, auto labels) {
        return Choices{{names.begin(), names.end()}, {labels.begin(), labels.end()}};
    };
    if (key == "top") return both(model::topSupportNames(), model::topSupportLabels());
    if (key == "base") return both(model::baseSupportNames(), model::baseSupportLabels());
    if (key == "mode") return both(model::modeNames(), model::modeLabels());
    Choices c;
    if (key == "concrete") {
        for (const auto& g : design::kConcreteGrades)
            c.names.push_back(g.name);
    } else if (key == "steel") {
        for (const auto& g : design::kSteelGrades)
            c.names.push_back(g.name);
    }
    c.labels = c.names;
    return c;
}

}  // namespace

QString numberText(double value) {
    return std::isfinite(value) ? QString::number(value, 'g', 15) : QString();
}

ModelInputs::ModelInputs(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ModelInputs"));
    auto* layout = new QVBoxLayout(this);
    buildStoreys();
    buildFields();
    buildPanel();
    buildTitle();
    layout->addStretch(1);
    model::WallModel empty;
    empty.storeys.resize(1);
    showModel(empty);
}

void ModelInputs::buildStoreys() {
    auto* group = new QGroupBox(qs(modelKey("storeys").label), this);
    auto* box = new QVBoxLayout(group);
    storeys_ = new QTableWidget(group);
    storeys_->setObjectName(QStringLiteral("StoreyTable"));
    storeys_->setColumnCount(static_cast<int>(model::kStoreyKeys.size()) + 1);
    QStringList headings{labelWithUnit(modelKey("slabs"), QStringLiteral("\n"))};
    for (const ModelKey& k : model::kStoreyKeys)
        headings << labelWithUnit(k, QStringLiteral("\n"));
    storeys_->setHorizontalHeaderLabels(headings);
    storeys_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    storeys_->horizontalHeader()->setDefaultAlignment(
        Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    storeys_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The headings wrap onto up to four lines; every row shows, none scrolls.
    storeys_->horizontalHeader()->setMinimumHeight(fontMetrics().lineSpacing() * 4 + 6);
    storeys_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    storeys_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(storeys_, &QTableWidget::itemChanged, this, [this] {
        if (!showing_) emit edited();
    });
    box->addWidget(storeys_);

    auto* buttons = new QHBoxLayout;
    addStorey_ = new QPushButton(QStringLiteral("增加一层"), group);
    addStorey_->setObjectName(QStringLiteral("AddStorey"));
    removeStorey_ = new QPushButton(QStringLiteral("删除最下一层"), group);
    removeStorey_->setObjectName(QStringLiteral("RemoveStorey"));
    connect(addStorey_, &QPushButton::clicked, this, &ModelInputs::addStorey);
    connect(removeStorey_, &QPushButton::clicked, this, &ModelInputs::removeStorey);
    buttons->addWidget(addStorey_);
    buttons->addWidget(removeStorey_);
    buttons->addStretch(1);
    box->addLayout(buttons);
    static_cast<QVBoxLayout*>(layout())->addWidget(group);
}

// One field for every number and name of the model's table, in its order, in the groups
// that its keys start.
void ModelInputs::buildFields() {
    QFormLayout* form = nullptr;
    for (const ModelKey& k : model::kModelKeys) {
        for (const GroupStart& g : kGroups) {
            if (g.key != k.key) continue;
            auto* group = new QGroupBox(QString::fromUtf8(g.title), this);
            form = new QFormLayout(group);
            form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
            static_cast<QVBoxLayout*>(layout())->addWidget(group);
        }
        if (form == nullptr || (k.kind != KeyKind::Number && k.kind != KeyKind::Name)) continue;
        QWidget* field = nullptr;
        if (k.kind == KeyKind::Number) {
            auto* edit = new QLineEdit(this);
            if (k.need == KeyNeed::Default) edit->setPlaceholderText(numberText(k.number));
            if (k.need == KeyNeed::SameAs)
                edit->setPlaceholderText(QStringLiteral("同") + qs(modelKey(k.sameAs).label));
            connect(edit, &QLineEdit::textChanged, this, [this] {
                if (!showing_) emit edited();
            });
            numbers_.emplace(std::string(k.key), edit);
            field = edit;
        } else {
            auto* combo = new QComboBox(this);
            const Choices choices = choicesOf(k.key);
            for (std::size_t i = 0; i < choices.names.size(); ++i)
                combo->addItem(qs(choices.labels[i]), qs(choices.names[i]));
            connect(combo, &QComboBox::currentIndexChanged, this, [this] {
                if (!showing_) emit edited();
            });
            names_.emplace(std::string(k.key), combo);
            field = combo;
        }
        field->setObjectName(qs(k.key));
        form->addRow(labelWithUnit(k, QStringLiteral(" ")), field);
    }
}

void ModelInputs::buildTitle() {
    auto* group = new QGroupBox(qs(modelKey("project").label), this);
    auto* form = new QFormLayout(group);
    for (const model::TitleField& f : model::kTitleFields) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QStringLiteral("project.") + qs(f.key));
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!showing_) emit edited();
        });
        title_.push_back(edit);
        form->addRow(qs(f.label), edit);
    }
    static_cast<QVBoxLayout*>(layout())->addWidget(group);
}

QTableWidgetItem* ModelInputs::item(int row, int column) const {
    return storeys_->item(row, column);
}

void ModelInputs::setCell(int row, int column, const QString& text) {
    QTableWidgetItem* cell = storeys_->item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        storeys_->setItem(row, column, cell);
    }
    cell->setText(text);
}

void ModelInputs::fitStoreyTable() {
    storeys_->resizeRowsToContents();
    int height = storeys_->horizontalHeader()->minimumHeight() + 2 * storeys_->frameWidth();
    for (int r = 0; r < storeys_->rowCount(); ++r)
        height += storeys_->rowHeight(r);
    storeys_->setFixedHeight(height);
}

int ModelInputs::storeyCount() const {
    return storeys_->rowCount() - 1;
}

void ModelInputs::showModel(const model::WallModel& m) {
    showing_ = true;
    // As many rows as the storeys or the slabs call for, so that a file whose two lists
    // disagree shows every value it holds (and the cells that the other list lacks).
    const std::size_t wanted = std::max(m.storeyCount(), m.slabs.empty() ? 0 : m.slabs.size() - 1);
    const int n = static_cast<int>(std::clamp(wanted, model::kMinStoreys, model::kMaxStoreys));
    storeys_->setRowCount(n + 1);
    QStringList rows;
    for (int i = 0; i < n; ++i)
        rows << qs(model::storeyName(static_cast<std::size_t>(i)));
    rows << QStringLiteral("底板");
    storeys_->setVerticalHeaderLabels(rows);
    for (int r = 0; r <= n; ++r) {
        const auto i = static_cast<std::size_t>(r);
        setCell(r, kSlabColumn, i < m.slabs.size() ? numberText(m.slabs[i]) : QString());
        const model::Storey s = i < m.storeys.size() ? m.storeys[i] : model::Storey{};
        for (std::size_t f = 0; f < std::size(model::kStoreyFields); ++f) {
            setCell(r, storeyColumn(f),
                    r < n ? numberText(s.*model::kStoreyFields[f].field) : QString());
            // The base slab's row holds its elevation only.
            if (r == n)
                item(r, storeyColumn(f))->setFlags(Qt::NoItemFlags);
            else
                item(r, storeyColumn(f))
                    ->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        }
    }
    for (const auto& f : model::kNumberFields) {
        const ModelKey& k = modelKey(f.key);
        const double v = m.*f.field;
        // A default shows as the field's placeholder, as long as it is the default.
        const bool shownByDefault = k.need == KeyNeed::Default && v == k.number;
        numbers_.at(std::string(f.key))->setText(shownByDefault ? QString() : numberText(v));
    }
    for (const auto& f : model::kOptionalFields) {
        const auto& v = m.*f.field;
        numbers_.at(std::string(f.key))->setText(v ? numberText(*v) : QString());
    }
    for (const auto& f : model::kNameFields) {
        QComboBox* combo = names_.at(std::string(f.key));
        combo->setCurrentIndex(combo->findData(qs(m.*f.field)));
    }
    for (std::size_t i = 0; i < model::kTitleFields.size(); ++i)
        title_[i]->setText(qs(m.project.*model::kTitleFields[i].field));
    showPanel(m.panel);
    fitStoreyTable();
    showStoreyButtons();
    showing_ = false;
}

InputsRead ModelInputs::read() const {
    InputsRead out;
    model::WallModel& m = out.model;
    // The number of a cell, or kNotGiven (with a problem where its text is not a number).
    const auto number = [&out](const QString& text, const std::string& key,
                               std::string_view label) -> std::optional<double> {
        const CellNumber c = cellNumber(text);
        if (!c.empty && !c.value) out.notNumbers.push_back(notNumber(key, label, text));
        return c.value;
    };
    const int n = storeyCount();
    for (int r = 0; r <= n; ++r) {
        const std::string key = "slabs[" + std::to_string(r) + "]";
        m.slabs.push_back(number(item(r, kSlabColumn)->text(), key, modelKey("slabs").label)
                              .value_or(model::kNotGiven));
        if (r == n) break;
        model::Storey s;
        for (std::size_t f = 0; f < std::size(model::kStoreyFields); ++f) {
            const ModelKey& k = model::kStoreyKeys[f];
            const std::string fieldKey = "storeys[" + std::to_string(r) + "]." + std::string(k.key);
            const auto v = number(item(r, storeyColumn(f))->text(), fieldKey, k.label);
            const double given = k.need == KeyNeed::Default ? k.number : model::kNotGiven;
            s.*model::kStoreyFields[f].field = v.value_or(given);
        }
        m.storeys.push_back(s);
    }
    for (const auto& f : model::kNumberFields) {
        const ModelKey& k = modelKey(f.key);
        const auto v = number(numbers_.at(std::string(f.key))->text(), std::string(k.key), k.label);
        m.*f.field = v.value_or(k.need == KeyNeed::Default ? k.number : model::kNotGiven);
    }
    for (const auto& f : model::kOptionalFields) {
        const ModelKey& k = modelKey(f.key);
        m.*f.field = number(numbers_.at(std::string(f.key))->text(), std::string(k.key), k.label);
    }
    for (const auto& f : model::kNameFields)
        m.*f.field = names_.at(std::string(f.key))->currentData().toString().toStdString();
    for (std::size_t i = 0; i < model::kTitleFields.size(); ++i)
        m.project.*model::kTitleFields[i].field = title_[i]->text().toStdString();
    m.panel = readPanel(out);
    return out;
}

void ModelInputs::showStoreyButtons() {
    const auto n = static_cast<std::size_t>(storeyCount());
    addStorey_->setEnabled(n < model::kMaxStoreys);
    removeStorey_->setEnabled(n > model::kMinStoreys);
}

void ModelInputs::addStorey() {
    const int n = storeyCount();
    if (static_cast<std::size_t>(n) >= model::kMaxStoreys) return;
    showing_ = true;
    // The new storey's top is the old base slab; the base goes down by the lowest storey's
    // height where both elevations are numbers.
    const CellNumber top = cellNumber(item(n - 1, kSlabColumn)->text());
    const CellNumber base = cellNumber(item(n, kSlabColumn)->text());
    storeys_->insertRow(n);
    setCell(n, kSlabColumn, item(n + 1, kSlabColumn)->text());
    for (std::size_t f = 0; f < std::size(model::kStoreyFields); ++f) {
        setCell(n, storeyColumn(f), item(n - 1, storeyColumn(f))->text());
        item(n, storeyColumn(f))->setFlags(item(n - 1, storeyColumn(f))->flags());
    }
    setCell(
        n + 1, kSlabColumn,
        top.value && base.value ? numberText(*base.value - (*top.value - *base.value)) : QString());
    showing_ = false;
    QStringList rows;
    for (int i = 0; i <= n; ++i)
        rows << qs(model::storeyName(static_cast<std::size_t>(i)));
    storeys_->setVerticalHeaderLabels(rows << QStringLiteral("底板"));
    fitStoreyTable();
    showStoreyButtons();
    emit edited();
}

void ModelInputs::removeStorey() {
    const int n = storeyCount();
    if (static_cast<std::size_t>(n) <= model::kMinStoreys) return;
    showing_ = true;
    // The base slab rises to the top of the storey taken away.
    setCell(n, kSlabColumn, item(n - 1, kSlabColumn)->text());
    storeys_->removeRow(n - 1);
    showing_ = false;
    storeys_->setVerticalHeaderItem(n - 1, new QTableWidgetItem(QStringLiteral("底板")));
    fitStoreyTable();
    showStoreyButtons();
    emit edited();
}

}  // namespace wallcalc::app
