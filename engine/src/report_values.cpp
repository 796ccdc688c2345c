#include "report_values.hpp"

#include "wallcalc/engine/controls.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc::detail {
namespace {

report::Value diameterValue(const Diameter& d) {
    if (const int* mm = std::get_if<int>(&d)) return static_cast<long long>(*mm);
    return std::string_view(std::get<std::string>(d));
}

void setInputsAndLoads(report::Values& v, const CalcState& s) {
    using report::Slot;
    for (const InputBox& in : inputBoxes()) {
        if (in.field != nullptr) v.set(in.slot, std::string_view(s.*in.field));
    }
    for (const auto& [slot, value] : {std::pair{Slot::L, s.L},
                                      {Slot::a, s.a},
                                      {Slot::b, s.b},
                                      {Slot::q11, s.q11},
                                      {Slot::q12, s.q12},
                                      {Slot::q21, s.q21},
                                      {Slot::q22, s.q22},
                                      {Slot::q31, s.q31},
                                      {Slot::q32, s.q32},
                                      {Slot::q42, s.q42},
                                      {Slot::q13, s.q13}}) {
        v.set(slot, value);
    }
    v.set(Slot::q52, s.q52);
    v.set(Slot::Qrf, s.RFHZ);
}

// "<0.01，取ρte=0.01" where the bound replaced the quotient, else nothing.
std::string boundText(const design::Bounded& b, std::string_view name, std::string_view unit) {
    if (!b.bounded()) return {};
    const std::string bound = report::doubleText(b.used);
    return std::string(b.belowLower() ? "<" : ">") + bound + "，取" + std::string(name) + "=" +
           bound + std::string(unit);
}

}  // namespace

report::Values reportValues2010(CalcState& s, const std::string& text7, const std::string& text9) {
    using report::shown;
    using report::Slot;
    report::Values v;
    setInputsAndLoads(v, s);
    const auto& x = s.exact;
    CalcState::Code2010& c = s.code2010;
    for (const auto& [slot, value] : {std::pair{Slot::MB11, x.MB11},
                                      {Slot::MB12, x.MB12},
                                      {Slot::MB13, x.MB13},
                                      {Slot::MB21, x.MB21},
                                      {Slot::MB22, x.MB22},
                                      {Slot::MB31, x.MB31},
                                      {Slot::MB32, x.MB32},
                                      {Slot::MB42, x.MB42},
                                      {Slot::MB52, x.MB52},
                                      {Slot::MG, c.MG},
                                      {Slot::MQ, c.MQ},
                                      {Slot::MBk, c.MBk},
                                      {Slot::MB, c.M},
                                      {Slot::Mq, c.Mq}}) {
        v.set(slot, shown(value));
    }
    const design::Materials& m = c.materials;
    const design::FaceDesign& f = c.base;
    v.set(Slot::alpha1, m.concrete->alpha1);
    v.set(Slot::fc, m.fc());
    if (m.civilDefence()) {
        v.set(Slot::Fy, m.fy());
    } else {
        v.set(Slot::Fy, static_cast<long long>(m.steel->fy));
    }
    v.set(Slot::dh0,
          static_cast<long long>(f.strengthBars ? f.strengthBars->d : design::kLargestPressSize));
    v.set(Slot::h0, shown(f.strength.h0));
    v.set(Slot::alfas, shown(f.strength.alphaS));
    v.set(Slot::kese, shown(f.strength.xi));
    v.set(Slot::beta1, m.concrete->beta1);
    v.set(Slot::epsCu, m.concrete->epsCu());
    v.set(Slot::Es, m.steel->Es);
    v.set(Slot::xib, shown(c.xiB));
    v.set(Slot::Ft, m.concrete->ft);
    v.set(Slot::fyo, static_cast<long long>(m.steel->fy));
    v.set(Slot::civilMin, m.concrete->civilMinimumSteel);
    v.set(Slot::Asmin, shown(f.AsMin));
    v.set(Slot::compare, std::string_view(f.minimumGoverns ? "<" : "≥"));
    v.set(Slot::governs, std::string_view(f.minimumGoverns ? "As,min" : "As"));
    v.set(Slot::Text7, std::string_view(text7));
    v.set(Slot::Text9, std::string_view(text9));
    v.set(Slot::d, diameterValue(s.d));
    v.set(Slot::deq, diameterValue(s.deq));
    if (f.crack) {
        const design::CrackWidth& k = *f.crack;
        v.set(Slot::crackH0, shown(k.h0));
        v.set(Slot::Aas, shown(k.As));
        v.set(Slot::Rte, shown(k.rhoTe.value));
        v.set(Slot::RteUsed, shown(k.rhoTe.used));
        v.set(Slot::Csk, shown(k.sigma));
        v.set(Slot::Ftk, m.concrete->ftk);
        v.set(Slot::Fai, shown(k.psi.value));
        v.set(Slot::FaiUsed, shown(k.psi.used));
        v.set(Slot::cs, k.cs.used);
        v.set(Slot::nu, k.nu);
        v.set(Slot::deqe, shown(k.deq));
        v.set(Slot::W, shown(k.w));
        v.set(Slot::Wcompare, std::string_view(f.crackMet ? "≤" : ">"));
        c.rteBound = boundText(k.rhoTe, "ρte", "");
        c.psiBound = boundText(k.psi, "ψ", "");
        c.csBound = boundText(k.cs, "cs", "(mm)");
        c.passNote.clear();
        if (f.crackPasses > 1) {
            c.passNote = "（按强度选用的" + std::to_string(f.strengthBars->d) +
                         "mm钢筋裂缝宽度大于裂缝限值，钢筋直径逐级加大1mm，以下为最后一次）";
        }
        v.set(Slot::RteBound, std::string_view(c.rteBound));
        v.set(Slot::FaiBound, std::string_view(c.psiBound));
        v.set(Slot::csBound, std::string_view(c.csBound));
        v.set(Slot::passNote, std::string_view(c.passNote));
    }
    return v;
}

report::Values reportValues(const CalcState& s, const std::string& text7,
                            const std::string& text9) {
    using report::Slot;
    report::Values v;
    // Inputs exactly as typed; the loads unrounded in double precision, the civil-defence
    // load in single precision.
    setInputsAndLoads(v, s);
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
    // Single-precision values: the three-decimal results.
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
    // Texts read back from the result boxes, and the bar diameters.
    v.set(Slot::Text7, std::string_view(text7));
    v.set(Slot::Text9, std::string_view(text9));
    v.set(Slot::d, diameterValue(s.d));
    v.set(Slot::deq, diameterValue(s.deq));
    return v;
}

}  // namespace wallcalc::detail
