// The worked examples of the calculation, end to end through the window's boxes.
#include "wallcalc/report/number_text.hpp"
#include "window_fixture.hpp"

namespace {

using namespace wallcalc;
using testing_support::Window;
using Results = std::vector<std::string>;
using report::singleText;

class WorkedExample : public Window {};

TEST_F(WorkedExample, OrdinaryDefaults) {
    w.clickOrdinary();
    ASSERT_TRUE(press().completed());
    EXPECT_TRUE(last.messages.empty());
    EXPECT_EQ(results(), (Results{"106.067", "2602.286", "20", "3463.606", "0.165", "21"}));
    const auto all = lines();
    ASSERT_EQ(all.size(), 39u);
    EXPECT_EQ(all.front(), "1.荷载计算：");
    EXPECT_EQ(all.back(), "    则实际所配钢筋为 18@200+20@200（依次类推）");
    EXPECT_NE(box(Box::Text12).back(), '\n');
    EXPECT_EQ(line(3), "q12=0.5*γ*(h1- h2)=0.5*18*(-0.45- -1.35)=8.1 (kN/m)");
    EXPECT_EQ(line(4), "MB12 =1/8*q12*L^2=1/8x8.1*3.85^2=15.008 (kNm)");
    EXPECT_EQ(line(18),
              "MBk =MB12+MB22+MB21+MB32+MB31+MB42="
              "15.008+8.152+15.218+20.381+38.044+9.264=106.067 (kNm)");
    EXPECT_EQ(line(19), "MB =η * MBk=1.35*106.067=143.19 (kNm)");
    EXPECT_EQ(line(22), "αs=MB*10^6/(Fc*1000*h0^2)=143.19*10^6/(7.2*1000*300^2)=0.221");
    EXPECT_EQ(line(23), "ζ=1-(1-2*αs)^0.5=1-(1-2*0.221)^0.5=0.253");
    EXPECT_EQ(line(24), "As=Fc*1000*h0*ζ/Fy=7.2*1000*300*0.253/210=2602.286(mm2)");
    EXPECT_EQ(line(25), "满足强度控制要求时每延米所需钢筋面积为：2602.286(mm2)");
    EXPECT_EQ(line(26), "满足强度控制要求时选用钢筋为：20@ 100  (mm)");
    EXPECT_EQ(line(29), "ρte = As/(0.5*1000*h5)=3463.606 /(0.5*1000* 350 )= 0.02");
    EXPECT_EQ(line(34), "满足裂缝控制要求时选用钢筋为：21@ 100  (mm)");
    const CalcState& s = w.state();
    EXPECT_EQ(s.L, -2.45 - -6.3) << "the span is used unrounded";
    EXPECT_EQ(singleText(s.MB), "143.19");
}

struct MomentRow {
    const char* name;
    int mode;  // X
    int loadCase;
    const char* h2;
    const char* qrf;
    const char* MBk;
    const char* MB;
};

class BaseMoment : public Window, public ::testing::WithParamInterface<MomentRow> {};

TEST_P(BaseMoment, OfEachModeAndCase) {
    const auto& r = GetParam();
    if (r.mode == kOrdinary)
        w.clickOrdinary();
    else
        w.clickCivilDefence();
    w.type(Box::Text2, r.h2);
    w.type(Box::Text20, r.qrf);
    w.select(List::Combo3, r.loadCase);
    ASSERT_TRUE(press().completed()) << (last.messages.empty() ? "" : last.messages[0].text);
    EXPECT_EQ(box(Box::Text6), r.MBk);
    EXPECT_EQ(singleText(w.state().MB), r.MB);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BaseMoment,
    testing::Values(MomentRow{"OrdinaryA", kOrdinary, 0, "-1.35", "0", "106.067", "143.19"},
                    MomentRow{"OrdinaryB", kOrdinary, 1, "-3.5", "0", "86.621", "116.938"},
                    MomentRow{"OrdinaryC", kOrdinary, 2, "-7", "0", "76.855", "103.754"},
                    MomentRow{"CivilA", kCivilDefence, 0, "-1.35", "50", "198.708", "268.256"},
                    MomentRow{"CivilB", kCivilDefence, 1, "-3.45", "50", "179.662", "242.544"},
                    MomentRow{"CivilC", kCivilDefence, 2, "-7", "50", "169.496", "228.82"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorkedExample, OrdinaryCaseBTerms) {
    w.type(Box::Text2, "-3.5");
    ASSERT_TRUE(pressOrdinary(List::Combo3, 1).completed());
    const CalcState& s = w.state();
    EXPECT_EQ(report::doubleText(s.a), "1.05");
    EXPECT_EQ(report::doubleText(s.b), "2.8");
    EXPECT_EQ(report::doubleText(s.q13), "9.45");
    const float moments[] = {s.MB12, s.MB11, s.MB21, s.MB13, s.MB32, s.MB42};
    const char* expected[] = {"33.351", "1.659", "7.813", "15.001", "19.533", "9.264"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(singleText(moments[i]), expected[i]);
    EXPECT_EQ(line(6), "a=h3- h2=-2.45- -3.5=1.05");
    EXPECT_EQ(line(12), "q13 =0.5*γ*a=0.5*18*1.05=9.45 (kN/m)");
    EXPECT_EQ(line(13), "MB13 =1/8*q13*b^2*(2-b/L)^2=1/8*9.45*2.8^2*(2-2.8/3.85)^2=15.001 (kNm)");
    EXPECT_EQ(lines().size(), 41u);
}

TEST_F(WorkedExample, OrdinaryCaseCTerms) {
    w.type(Box::Text2, "-7");
    ASSERT_TRUE(pressOrdinary(List::Combo3, 2).completed());
    const CalcState& s = w.state();
    EXPECT_EQ(report::doubleText(s.q12), "18");
    EXPECT_EQ(report::doubleText(s.q11), "34.65");
    EXPECT_EQ(singleText(s.MB11), "34.24");
    EXPECT_EQ(lines().size(), 31u);
    EXPECT_EQ(line(8), "q22 =0.5*Qfj=0.5*10=5 (kN/m)");
}

TEST_F(WorkedExample, CivilDefenceDefaults) {
    w.clickCivilDefence();
    ASSERT_TRUE(press().completed());
    EXPECT_EQ(results(), (Results{"106.067", "1645.714", "16", " ", " ", " "}));
    EXPECT_EQ(lines().size(), 31u);
    EXPECT_EQ(line(19), "q52=Qrf=0(kN/m)");
    EXPECT_EQ(line(22 + 3), "αs=MB*10^6/(Fc*1000*h0^2)=143.19*10^6/(10.8*1000*300^2)=0.147");
    EXPECT_EQ(line(27), "As=Fc*1000*h0*ζ/Fy=10.8*1000*300*0.16/315=1645.714(mm2)");
    EXPECT_EQ(lines().back(), "3.人防工程不计算裂缝。");
    EXPECT_EQ(box(Box::Text12).find("说明："), std::string::npos);
}

TEST_F(WorkedExample, CivilDefenceLoadLines) {
    w.clickCivilDefence();
    w.type(Box::Text20, "50");
    ASSERT_TRUE(press().completed());
    EXPECT_EQ(line(3), "q12=0.5*γ*(h1- h2)=0.5*18*(-0.45- -1.35)=8.1 (kN/m)");
    EXPECT_EQ(line(19), "q52=Qrf=50(kN/m)");
    EXPECT_EQ(line(20), "MB52=1/8*q52*L^2=1/8*50*3.85^2=92.641(kNm)");
    EXPECT_EQ(line(21),
              "MBk =MB12+MB22+MB21+MB32+MB31+MB42+MB52="
              "15.008+8.152+15.218+20.381+38.044+9.264+92.641=198.708 (kNm)");
    EXPECT_EQ(line(22), "MB =η * MBk=1.35*198.708=268.256 (kNm)");
}

TEST_F(WorkedExample, CivilDefenceCaseBMeetsTheOtherCasesAtItsLimits) {
    w.clickCivilDefence();
    w.select(List::Combo3, 1);
    w.type(Box::Text2, "-6.3");  // the water table at the base: a = L, b = 0
    ASSERT_TRUE(press().completed());
    EXPECT_EQ(singleText(w.state().MB11), "34.24");
    EXPECT_EQ(singleText(w.state().MB21), "0");
    EXPECT_EQ(singleText(w.state().MB32), "0");
    w.type(Box::Text2, "-2.45");  // at the top of the wall: a = 0, b = L
    ASSERT_TRUE(press().completed());
    EXPECT_EQ(singleText(w.state().MB11), "0");
    EXPECT_EQ(singleText(w.state().MB21), "15.218");
    EXPECT_EQ(singleText(w.state().MB32), "38.044");
    EXPECT_EQ(line(6), "a=h3- h2=-2.45--2.45=0");
}

}  // namespace
