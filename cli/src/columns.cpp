#include "wallcalc/cli/columns.hpp"

#include <array>
#include <string>
#include <vector>

#include "wallcalc/cli/texts.hpp"
#include "wallcalc/engine/changes.hpp"

namespace wallcalc::cli {
namespace {

std::vector<Column> allColumns() {
    std::vector<Column> columns = {{ColumnKind::Name, kNameColumn, kNameLabel},
                                   {ColumnKind::Change, kModeKey, kModeLabel}};
    for (const ListInfo& list : lists())
        columns.push_back({ColumnKind::Change, list.key, bareLabel(list.label)});
    for (const InputBox& in : inputBoxes())
        columns.push_back({ColumnKind::Change, in.key, bareLabel(in.label)});
    for (const ProjectField& f : kProjectFields)
        columns.push_back({ColumnKind::Project, f.key, f.label, &f});
    return columns;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::array<std::string_view, 3> kBlanks = {" ", "\t", "　"};
    for (;;) {
        const std::size_t before = text.size();
        for (const std::string_view blank : kBlanks) {
            if (text.starts_with(blank)) text.remove_prefix(blank.size());
            if (text.ends_with(blank)) text.remove_suffix(blank.size());
        }
        if (text.size() == before) return text;
    }
}

// A label as a heading is compared: without blanks at its ends, without its colon, and
// with full-width parentheses as plain ones ("墙厚度h5（mm）" and "墙厚度h5(mm)" alike).
std::string headingForm(std::string_view text) {
    constexpr std::string_view kOpen = "（", kClose = "）";
    text = bareLabel(trimmed(text));
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with(kOpen) || rest.starts_with(kClose)) {
            out += rest.starts_with(kOpen) ? '(' : ')';
            i += kOpen.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

std::span<const Column> batchColumns() {
    static const std::vector<Column> columns = allColumns();
    return columns;
}

const Column* columnNamed(std::string_view heading) {
    const std::string form = headingForm(heading);
    for (const Column& c : batchColumns()) {
        if (form == c.key || form == headingForm(c.label)) return &c;
    }
    return nullptr;
}

}  // namespace wallcalc::cli
