#include "report_values.hpp"

#include "wallcalc/engine/controls.hpp"

namespace wallcalc::detail {
namespace {

report::Value diameterValue(const Diameter& d) {
    if (const int* mm = std::get_if<int>(&d)) return static_cast<long long>(*mm);
    return std::string_view(std::get<std::string>(d));
}

}  // namespace

report::Values reportValues(const CalcState& s, const std::string& text7,
                            const std::string& text9) {
    using report::Slot;
    report::Values v;
    // Inputs, exactly as typed.
    for (const InputBox& in : inputBoxes()) {
        if (in.field != nullptr) v.set(in.slot, std::string_view(s.*in.field));
    }
    // Unrounded double-precision values.
    v.set(Slot::L, s.L);
    v.set(Slot::a, s.a);
    v.set(Slot::b, s.b);
    v.set(Slot::q11, s.q11);
    v.set(Slot::q12, s.q12);
    v.set(Slot::q21, s.q21);
    v.set(Slot::q22, s.q22);
    v.set(Slot::q31, s.q31);
    v.set(Slot::q32, s.q32);
    v.set(Slot::q42, s.q42);
    v.set(Slot::q13, s.q13);
    v.set(Slot::h0, s.h0);
    v.set(Slot::Fc, s.Fc.value_or(0));
    v.set(Slot::Ftk, s.Ftk.value_or(0));
    if (s.Fy) {
        if (const int* whole = std::get_if<int>(&*s.Fy)) {
            v.set(Slot::Fy, static_cast<long long>(*whole));
        } else {
            v.set(Slot::Fy, std::get<double>(*s.Fy));
        }
    }
    // Single-precision values: the civil-defence load and the three-decimal results.
    v.set(Slot::q52, s.q52);
    v.set(Slot::Qrf, s.RFHZ);
    v.set(Slot::MB11, s.MB11);
    v.set(Slot::MB12, s.MB12);
    v.set(Slot::MB21, s.MB21);
    v.set(Slot::MB22, s.MB22);
    v.set(Slot::MB31, s.MB31);
    v.set(Slot::MB32, s.MB32);
    v.set(Slot::MB42, s.MB42);
    v.set(Slot::MB13, s.MB13);
    v.set(Slot::MB52, s.MB52);
    v.set(Slot::MBk, s.MBk);
    v.set(Slot::MB, s.MB);
    v.set(Slot::alfas, s.alfas);
    v.set(Slot::kese, s.kese);
    v.set(Slot::Aas, s.Aas);
    v.set(Slot::Rte, s.Rte);
    v.set(Slot::Csk, s.Csk);
    v.set(Slot::Fai, s.Fai);
    v.set(Slot::W, s.W);
    // The 2010 basis: moments of the partial factors, ξb, minimum steel, crack width.
    v.set(Slot::MG, s.MG);
    v.set(Slot::MQ, s.MQ);
    v.set(Slot::Mq, s.Mq);
    v.set(Slot::beta1, s.beta1);
    v.set(Slot::epsCu, s.epsCu);
    v.set(Slot::Es, s.Es);
    v.set(Slot::xib, s.xib);
    v.set(Slot::Ft, s.Ft.value_or(0));
    v.set(Slot::fyo, static_cast<long long>(s.fyOrdinary));
    v.set(Slot::civilMin, s.civilMin);
    v.set(Slot::Asmin, s.Asmin);
    const bool strengthGoverns = !(s.Aas < s.Asmin);
    v.set(Slot::compare, std::string_view(strengthGoverns ? "≥" : "<"));
    v.set(Slot::governs, std::string_view(strengthGoverns ? "As" : "As,min"));
    v.set(Slot::cs, s.cs);
    v.set(Slot::nu, s.nu);
    if (const int* deq = std::get_if<int>(&s.deq)) v.set(Slot::deqe, *deq / s.nu);
    // Texts read back from the result boxes, and the bar diameters.
    v.set(Slot::Text7, std::string_view(text7));
    v.set(Slot::Text9, std::string_view(text9));
    v.set(Slot::d, diameterValue(s.d));
    v.set(Slot::deq, diameterValue(s.deq));
    return v;
}

}  // namespace wallcalc::detail
