#include "wallcalc/cli/sheet_file_names.hpp"

#include <algorithm>
#include <array>

namespace wallcalc::cli {
namespace {

// Long enough for any wall's name, short of every file system's limit of 255 bytes.
constexpr std::size_t kMaxBytes = 120;

std::string safeName(std::string_view name) {
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool refused = byte < 0x20 || byte == 0x7f ||
                             std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        out += refused ? '_' : c;
    }
    if (out.size() > kMaxBytes) {
        std::size_t cut = kMaxBytes;
        // Back to the start of a UTF-8 character.
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
            --cut;
        out.resize(cut);
    }
    const auto edge = [](char c) { return c == ' ' || c == '.'; };
    while (!out.empty() && edge(out.back()))
        out.pop_back();
    out.erase(out.begin(), std::find_if_not(out.begin(), out.end(), edge));
    return out;
}

std::string folded(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return s;
}

// Names Windows keeps for its devices, whatever the extension.
bool reservedOnWindows(const std::string& name) {
    static const std::array<std::string_view, 4> plain = {"con", "prn", "aux", "nul"};
    const std::string f = folded(name);
    if (std::find(plain.begin(), plain.end(), f) != plain.end()) return true;
    return f.size() == 4 && (f.starts_with("com") || f.starts_with("lpt")) && f[3] >= '1' &&
           f[3] <= '9';
}

}  // namespace

std::string SheetFileNames::next(std::size_t row, std::string_view name) {
    std::string base = safeName(name);
    if (base.empty()) base = std::to_string(row);
    if (reservedOnWindows(base)) base += '_';
    std::string candidate = base;
    while (used_.count(folded(candidate)))
        candidate += "_" + std::to_string(row);
    used_.insert(folded(candidate));
    return candidate + ".pdf";
}

}  // namespace wallcalc::cli
