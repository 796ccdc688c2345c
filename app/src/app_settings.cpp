#include "app_settings.hpp"
#include "qt_text.hpp"

namespace wallcalc::app {
namespace {

const QString kBasisKey = QStringLiteral("basis");

}  // namespace

QSettings appSettings() {
    return QSettings(QSettings::UserScope, QStringLiteral("wallcalc"), QStringLiteral("wallcalc"));
}

// Kept as the keys name the basis ("2002", "2010"), as a wall file and a session line do.
Basis rememberedBasis() {
    const QString kept = appSettings().value(kBasisKey).toString();
    for (std::size_t i = 0; i < kBasisCount; ++i) {
        const auto basis = static_cast<Basis>(i);
        if (kept == qs(basisKey(basis))) return basis;
    }
    return Basis::Gb2002;
}

void rememberBasis(Basis basis) {
    QSettings settings = appSettings();
    settings.setValue(kBasisKey, qs(basisKey(basis)));
}

}  // namespace wallcalc::app
