// Sections 2 and 3 of the calculation text: the steel design, the bars, the crack
// width and the closing notes.
#include "line_tables.hpp"

namespace wallcalc::report::tables {
namespace {

constexpr LoadLine kDesign[] = {
    {"2.计算配筋： ", kSame},
    {"αs=MB*10^6/(Fc*1000*h0^2)={MB}*10^6/({Fc}*1000*{h0}^2)={alfas}", kSame},
    {"ζ=1-(1-2*αs)^0.5=1-(1-2*{alfas})^0.5={kese}", kSame},
    {"As=Fc*1000*h0*ζ/Fy={Fc}*1000*{h0}*{kese}/{Fy}={Text7}(mm2)", kSame},
    {"满足强度控制要求时每延米所需钢筋面积为：{Text7}(mm2)", kSame},
    {"满足强度控制要求时选用钢筋为：{d}@ {ss}  (mm)", kSame},
};

// GB 50010-2010 (2015 edition), every value carried unrounded and shown to three decimals:
// h0 at the diameter of the strength bars (h5 − c1 − d/2, taken again until the bars no
// longer change), 6.2.10 with α1, ξ against ξb (6.2.7), and the bars chosen for the larger
// of the strength area and the minimum steel (8.5.1; civil-defence works also the grade's
// minimum of GB 50038-2005).
constexpr LoadLine kDesign2010[] = {
    {"2.计算配筋： ", kSame},
    {"h0=h5-c1-d/2={h5}-{c1}-{dh0}/2={h0} (mm)（d为按强度选用的钢筋直径）", kSame},
    {"αs=M*10^6/(α1*fc*1000*h0^2)={MB}*10^6/({alpha1}*{fc}*1000*{h0}^2)={alfas}", kSame},
    {"ξ=1-(1-2*αs)^0.5=1-(1-2*{alfas})^0.5={kese}", kSame},
    {"As=α1*fc*1000*h0*ξ/fy={alpha1}*{fc}*1000*{h0}*{kese}/{Fy}={Text7}(mm2)", kSame},
    {"ξb=β1/(1+fy/(Es*εcu))={beta1}/(1+{Fy}/({Es}*{epsCu}))={xib}", kSame},
    {"ξ={kese}≤ξb={xib}，满足", kSame},
    {"As,min=max(0.2%,45*ft/fy%)*1000*h5=max(0.2%,45*{Ft}/{fyo}%)*1000*{h5}={Asmin}(mm2)",
     "As,min=max(0.2%,45*ft/fy%,人防ρmin)*1000*h5=max(0.2%,45*{Ft}/{fyo}%,{civilMin}%)*1000*{h5}"
     "={Asmin}(mm2)"},
    {"满足强度控制要求时每延米所需钢筋面积为：{Text7}(mm2){compare}As,min={Asmin}(mm2)，"
     "按{governs}选用钢筋",
     kSame},
    {"满足强度控制要求时选用钢筋为：{d}@ {ss}  (mm)", kSame},
};

constexpr std::string_view kCrackHeading[] = {"3.计算裂缝："};
constexpr std::string_view kCrackHeading2010[] = {"3.计算裂缝：{passNote}"};

// GB 50010-2010 (2015 edition) 7.1.2 and 7.1.4 for the bars of the last pass, h0 at their
// own diameter; a bound that replaces a quotient is written after it.
constexpr std::string_view kCrackPass2010[] = {
    "h0=h5-c1-d/2={h5}-{c1}-{deq}/2={crackH0} (mm)",
    "As=π/4*d^2*1000/s=π/4*{deq}^2*1000/{ss}={Aas}(mm2)",
    "ρte=As/(0.5*1000*h5)={Aas}/(0.5*1000*{h5})={Rte}{RteBound}",
    "σsq=Mq*10^6/(0.87*h0*As)={Mq}*10^6/(0.87*{crackH0}*{Aas})={Csk}(N/mm2)",
    "ψ=1.1-0.65*ftk/(ρte*σsq)=1.1-0.65*{Ftk}/({RteUsed}*{Csk})={Fai}{FaiBound}",
    "cs=c1={c1}(mm){csBound}，deq=d/ν={deq}/{nu}={deqe}(mm)",
    "Wmax=1.9*ψ*σsq/Es*(1.9*cs+0.08*deq/ρte)="
    "1.9*{FaiUsed}*{Csk}/{Es}*(1.9*{cs}+0.08*{deqe}/{RteUsed})={W}(mm)",
    "Wmax={W}(mm){Wcompare}{Wmax}(mm)",
};

constexpr std::string_view kCrackPass[] = {
    "ρte = As/(0.5*1000*h5)={Aas} /(0.5*1000* {h5} )= {Rte}",
    "σsk = MBk*10^6/(0.87*h0*As)={MBk}*10^6/(0.87*{h0}*{Aas})={Csk}(N/mm2)",
    "ψ = 1.1-0.65*Ftk/(ρte*σsk)=1.1-0.65*{Ftk}/({Rte}*{Csk})={Fai}",
    "Wmax = 2.1*ψ*σsk/(2*10^5)*(1.9*c1+0.08*deq/ρte)="
    "2.1*{Fai}*{Csk}/(2*10^5)*(1.9*{c1}+0.08*{deq}/{Rte})={W}(mm)",
};

constexpr std::string_view kCrackResult[] = {
    "满足裂缝控制要求时每延米所需钢筋面积为：{Text9}(mm2)",
    "满足裂缝控制要求时选用钢筋为：{deq}@ {ss}  (mm)",
};

// The crack loop stops at 50 mm bars, the largest made; these two lines take the
// place of the two result lines so that nothing claims the limit is met.
constexpr std::string_view kCrackNotMet[] = {
    "选用{deq}@ {ss}  (mm)时裂缝宽度仍大于裂缝限值{Wmax}(mm)的1.05倍，不满足裂缝控制要求",
    "请增加外墙厚度或减小钢筋间距后重新计算",
};

constexpr std::string_view kCrackNotMet2010[] = {
    "选用{deq}@ {ss}  (mm)时裂缝宽度仍大于裂缝限值{Wmax}(mm)，不满足裂缝控制要求",
    "请增加外墙厚度或减小钢筋间距后重新计算",
};

constexpr std::string_view kCrackNoTension[] = {
    "MBk={MBk}(kNm)，不大于0，迎水面钢筋不受拉，不计算裂缝宽度",
};

constexpr std::string_view kCrackNoTension2010[] = {
    "Mq={Mq}(kNm)，不大于0，迎水面钢筋不受拉，不计算裂缝宽度",
};

constexpr std::string_view kCrackNotes[] = {
    "",
    "说明：",
    "    为节约成本，裂缝计算允许误差为5%",
    "    如果按裂缝控制要求计算出来的钢筋为 19@100，",
    "    则实际所配钢筋为 18@200+20@200（依次类推）",
};

// The 2010 check has no tolerance: the note on it is left out.
constexpr std::string_view kCrackNotes2010[] = {
    "",
    "说明：",
    "    如果按裂缝控制要求计算出来的钢筋为 19@100，",
    "    则实际所配钢筋为 18@200+20@200（依次类推）",
};

constexpr std::string_view kCivilDefenceClosing[] = {"3.人防工程不计算裂缝。"};

template <std::size_t N2002, std::size_t N2010>
std::span<const std::string_view> byBasis(Basis basis, const std::string_view (&gb2002)[N2002],
                                          const std::string_view (&gb2010)[N2010]) {
    if (basis == Basis::Gb2010) return gb2010;
    return gb2002;
}

constexpr std::string_view kNoBarClosing[] = {
    "3.所需钢筋超出可选钢筋（最大25mm），未计算裂缝。",
};

}  // namespace

std::span<const LoadLine> designLines(Basis basis) {
    if (basis == Basis::Gb2010) return kDesign2010;
    return kDesign;
}
std::span<const std::string_view> crackHeading(Basis basis) {
    return byBasis(basis, kCrackHeading, kCrackHeading2010);
}
std::span<const std::string_view> crackPass(Basis basis) {
    return byBasis(basis, kCrackPass, kCrackPass2010);
}
std::span<const std::string_view> crackResult() {
    return kCrackResult;
}
std::span<const std::string_view> crackNotMet(Basis basis) {
    return byBasis(basis, kCrackNotMet, kCrackNotMet2010);
}
std::span<const std::string_view> crackNoTension(Basis basis) {
    return byBasis(basis, kCrackNoTension, kCrackNoTension2010);
}
std::span<const std::string_view> crackNotes(Basis basis) {
    return byBasis(basis, kCrackNotes, kCrackNotes2010);
}
std::span<const std::string_view> civilDefenceClosing() {
    return kCivilDefenceClosing;
}
std::span<const std::string_view> noBarClosing() {
    return kNoBarClosing;
}

}  // namespace wallcalc::report::tables
