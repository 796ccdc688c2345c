#pragma once
// Writing the supplementary design's text: numbered sections, lines with named places.
#include <initializer_list>
#include <string>
#include <string_view>

#include "wallcalc/engine/press.hpp"
#include "wallcalc/report/filled_line.hpp"
#include "wallcalc/report/typeset.hpp"

namespace wallcalc::detail {

// The supplementary design's lines: written as plain text, or typeset for the sheet from
// the same forms and values (report/typeset.hpp).
class Text {
  public:
    explicit Text(const PressResult& press, const report::Notation* typeset = nullptr)
        : press_(press), notation_(typeset) {}

    void line(std::string_view form, std::initializer_list<report::Named> values = {}) {
        if (notation_ != nullptr) {
            report::appendTypeset(typeset, form, values, *notation_);
            return;
        }
        if (!out.empty()) out += "\r\n";
        report::appendFilled(out, form, values);
    }
    // The next section's heading: its number and its title.
    void heading(std::string_view title) {
        line("{n}.{title}", {{"n", static_cast<long long>(++section_)}, {"title", title}});
    }
    std::string_view typed(Input in) const { return press_.text(inputBox(in).box); }

    std::string out;
    report::TypesetText typeset;

  private:
    const PressResult& press_;
    const report::Notation* notation_;
    int section_ = 0;
};

// The 2010 basis's sections after the member forces (checks_text_2010.cpp).
void sections2010(Text& t, const Checks& c, const PressResult& press);

}  // namespace wallcalc::detail
