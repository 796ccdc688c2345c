#pragma once
// The engine's texts, UTF-8, as the window's Qt strings.
#include <QString>
#include <string_view>

namespace wallcalc::app {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace wallcalc::app
