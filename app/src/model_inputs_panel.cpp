// The two-way panel's inputs on the wall model's page: a box that makes the wall a panel
// between side supports, the panel's width and the condition of each side, labelled from
// the panel's keys and read into the model's Panel through its field table.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "model_inputs.hpp"
#include "qt_text.hpp"
#include "wallcalc/model/model_fields.hpp"
#include "wallcalc/model/names.hpp"

namespace wallcalc::app {
namespace {

const model::ModelKey& panelKey(std::string_view key) {
    for (const model::ModelKey& k : model::kPanelKeys) {
        if (k.key == key) return k;
    }
    return model::kPanelKeys.front();
}

QString labelOf(const model::ModelKey& k) {
    return k.unit.empty() ? qs(k.label) : qs(k.label) + " (" + qs(k.unit) + ")";
}

std::string keyOf(std::string_view field) {
    return "panel." + std::string(field);
}

}  // namespace

void ModelInputs::buildPanel() {
    const auto& key = *std::find_if(model::kModelKeys.begin(), model::kModelKeys.end(),
                                    [](const model::ModelKey& k) { return k.key == "panel"; });
    auto* group = new QGroupBox(qs(key.label), this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    panelOn_ = new QCheckBox(QStringLiteral("双向板（墙板）"), group);
    panelOn_->setObjectName(QStringLiteral("panel"));
    panelOn_->setToolTip(
        QStringLiteral("墙在两侧支承（扶壁柱、框架柱或横墙）之间双向受力，"
                       "按整片墙板的薄板有限元分析"));
    connect(panelOn_, &QCheckBox::toggled, this, [this] {
        enablePanel();
        if (!showing_) emit edited();
    });
    form->addRow(panelOn_);
    for (const model::PanelNumberField& f : model::kPanelNumberFields) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(qs(keyOf(f.key)));
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!showing_) emit edited();
        });
        numbers_.emplace(keyOf(f.key), edit);
        form->addRow(labelOf(panelKey(f.key)), edit);
    }
    const auto names = model::edgeSupportNames();
    const auto labels = model::edgeSupportLabels();
    for (const model::PanelNameField& f : model::kPanelNameFields) {
        auto* combo = new QComboBox(group);
        combo->setObjectName(qs(keyOf(f.key)));
        for (std::size_t i = 0; i < names.size(); ++i)
            combo->addItem(qs(labels[i]), qs(names[i]));
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            if (!showing_) emit edited();
        });
        names_.emplace(keyOf(f.key), combo);
        form->addRow(labelOf(panelKey(f.key)), combo);
    }
    static_cast<QVBoxLayout*>(layout())->addWidget(group);
    enablePanel();
}

void ModelInputs::enablePanel() {
    const bool on = panelOn_->isChecked();
    for (const auto& f : model::kPanelNumberFields)
        numbers_.at(keyOf(f.key))->setEnabled(on);
    for (const auto& f : model::kPanelNameFields)
        names_.at(keyOf(f.key))->setEnabled(on);
}

void ModelInputs::showPanel(const std::optional<model::Panel>& panel) {
    const model::Panel shown = panel.value_or(model::Panel{});
    panelOn_->setChecked(panel.has_value());
    for (const auto& f : model::kPanelNumberFields)
        numbers_.at(keyOf(f.key))->setText(numberText(shown.*f.field));
    for (const auto& f : model::kPanelNameFields) {
        QComboBox* combo = names_.at(keyOf(f.key));
        // A side the file leaves unnamed or names wrongly shows no choice (and is marked).
        combo->setCurrentIndex(panel ? combo->findData(qs(shown.*f.field)) : 0);
    }
    enablePanel();
}

std::optional<model::Panel> ModelInputs::readPanel(InputsRead& out) const {
    if (!panelOn_->isChecked()) return std::nullopt;
    model::Panel p;
    for (const auto& f : model::kPanelNumberFields) {
        const QString text = numbers_.at(keyOf(f.key))->text();
        const CellNumber c = cellNumber(text);
        if (!c.empty && !c.value)
            out.notNumbers.push_back(notNumber(keyOf(f.key), panelKey(f.key).label, text));
        p.*f.field = c.value.value_or(model::kNotGiven);
    }
    for (const auto& f : model::kPanelNameFields)
        p.*f.field = names_.at(keyOf(f.key))->currentData().toString().toStdString();
    return p;
}

}  // namespace wallcalc::app
