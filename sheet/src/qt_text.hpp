#pragma once
// The calculation's texts (UTF-8) as Qt holds them.
#include <QString>
#include <string_view>

namespace wallcalc::sheet {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace wallcalc::sheet
