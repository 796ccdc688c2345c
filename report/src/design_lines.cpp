// Sections 2 and 3 of the calculation text: the steel design, the bars, the crack
// width and the closing notes.
#include "line_tables.hpp"

namespace wallcalc::report::tables {
namespace {

constexpr std::string_view kDesign[] = {
    "2.计算配筋： ",
    "αs=MB*10^6/(Fc*1000*h0^2)={MB}*10^6/({Fc}*1000*{h0}^2)={alfas}",
    "ζ=1-(1-2*αs)^0.5=1-(1-2*{alfas})^0.5={kese}",
    "As=Fc*1000*h0*ζ/Fy={Fc}*1000*{h0}*{kese}/{Fy}={Text7}(mm2)",
    "满足强度控制要求时每延米所需钢筋面积为：{Text7}(mm2)",
    "满足强度控制要求时选用钢筋为：{d}@ {ss}  (mm)",
};

constexpr std::string_view kCrackHeading[] = {"3.计算裂缝："};

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

constexpr std::string_view kCrackNoTension[] = {
    "MBk={MBk}(kNm)，不大于0，迎水面钢筋不受拉，不计算裂缝宽度",
};

constexpr std::string_view kCrackNotes[] = {
    "",
    "说明：",
    "    为节约成本，裂缝计算允许误差为5%",
    "    如果按裂缝控制要求计算出来的钢筋为 19@100，",
    "    则实际所配钢筋为 18@200+20@200（依次类推）",
};

constexpr std::string_view kCivilDefenceClosing[] = {"3.人防工程不计算裂缝。"};

constexpr std::string_view kNoBarClosing[] = {
    "3.所需钢筋超出可选钢筋（最大25mm），未计算裂缝。",
};

}  // namespace

std::span<const std::string_view> designLines() {
    return kDesign;
}
std::span<const std::string_view> crackHeading() {
    return kCrackHeading;
}
std::span<const std::string_view> crackPass() {
    return kCrackPass;
}
std::span<const std::string_view> crackResult() {
    return kCrackResult;
}
std::span<const std::string_view> crackNotMet() {
    return kCrackNotMet;
}
std::span<const std::string_view> crackNoTension() {
    return kCrackNoTension;
}
std::span<const std::string_view> crackNotes() {
    return kCrackNotes;
}
std::span<const std::string_view> civilDefenceClosing() {
    return kCivilDefenceClosing;
}
std::span<const std::string_view> noBarClosing() {
    return kNoBarClosing;
}

}  // namespace wallcalc::report::tables
