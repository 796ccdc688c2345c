// Numbers at the edges: elevations a million metres away, soil lighter than water,
// loads pulling the wall outwards, a load factor of 0, no effective depth, spacings
// and crack-width limits of zero, below zero and far too large, no moment at the base,
// and values beyond single and double precision. Every press ends, with a sound
// result or a message; no box and no line of the text holds nan or inf; and the next
// press with good inputs gives the right results again.
#include <gtest/gtest.h>

#include <array>

#include "press_fixture.hpp"

namespace wallcalc::robustness {
namespace {

using report::CrackSection;

struct Typed {
    Box box;
    std::string text;
};

struct ExtremeInput {
    const char* name;
    ModeAndCase setup;
    std::vector<Typed> typed;
    RunEnd ends;
    CrackSection section;                    // what section 3 holds, for a completed press
    std::vector<std::string_view> messages;  // a part of each message, in order
};

constexpr ModeAndCase kOrdinaryA{Mode::Ordinary, Case::A};
constexpr ModeAndCase kOrdinaryB{Mode::Ordinary, Case::B};
constexpr ModeAndCase kOrdinaryC{Mode::Ordinary, Case::C};
constexpr ModeAndCase kCivilA{Mode::CivilDefence, Case::A};
constexpr ModeAndCase kCivilB{Mode::CivilDefence, Case::B};
constexpr ModeAndCase kCivilC{Mode::CivilDefence, Case::C};

constexpr auto kCompleted = RunEnd::Completed;
constexpr auto kStopped = RunEnd::Stopped;
constexpr auto kChecked = CrackSection::Checked;
constexpr auto kCivil = CrackSection::CivilDefence;
constexpr auto kNoBar = CrackSection::NoBarFits;
constexpr auto kNotMet = CrackSection::LimitNotReached;
constexpr auto kNoTension = CrackSection::NoTension;
constexpr auto kAny = CrackSection::Checked;  // a press that stops writes no section 3

constexpr std::string_view kMomentTooLarge = "所受弯矩过大";
constexpr std::string_view kNoBarFits = "算不出来";
constexpr std::string_view kFiftyMillimetres = "选用50mm钢筋时裂缝宽度仍大于裂缝限值";
constexpr std::string_view kOutOfRange = "计算结果超出数值范围";

const ExtremeInput kExtremeInputs[] = {
    // Elevations
    {"ElevationsNearPlusAMillion",
     kOrdinaryA,
     {{Box::Text1, "1000000"},
      {Box::Text2, "999999"},
      {Box::Text3, "999998"},
      {Box::Text16, "999994"}},
     kCompleted,
     kChecked,
     {}},
    {"ElevationsNearMinusAMillion",
     kCivilB,
     {{Box::Text1, "-1000000"},
      {Box::Text3, "-1000001"},
      {Box::Text2, "-1000002"},
      {Box::Text16, "-1000005"}},
     kCompleted,
     kCivil,
     {}},
    {"SpanOfAMillionMetresOrdinary",
     kOrdinaryA,
     {{Box::Text1, "1e6"}, {Box::Text2, "0"}, {Box::Text3, "-1"}, {Box::Text16, "-1e6"}},
     kCompleted,
     kNoBar,
     {kMomentTooLarge, kNoBarFits}},
    {"SpanOfAMillionMetresCivilDefence",
     kCivilA,
     {{Box::Text1, "1e6"}, {Box::Text2, "0"}, {Box::Text3, "-1"}, {Box::Text16, "-1e6"}},
     kCompleted,
     kCivil,
     {kMomentTooLarge, kNoBarFits}},
    {"SpanOfAMillionMetresWaterWithinWall",
     kOrdinaryB,
     {{Box::Text1, "1e6"}, {Box::Text3, "0"}, {Box::Text2, "-1"}, {Box::Text16, "-1e6"}},
     kCompleted,
     kNoBar,
     {kMomentTooLarge, kNoBarFits}},
    {"SpanOfAMillionMetresWaterBelowBase",
     kCivilC,
     {{Box::Text1, "1e6"}, {Box::Text3, "0"}, {Box::Text16, "-1e6"}, {Box::Text2, "-1000001"}},
     kCompleted,
     kCivil,
     {kMomentTooLarge, kNoBarFits}},
    {"ElevationsBeyondDoubleRange",
     kOrdinaryA,
     {{Box::Text1, "1e308"}, {Box::Text2, "0"}, {Box::Text3, "-1e308"}, {Box::Text16, "-1.7e308"}},
     kStopped,
     kAny,
     {kOutOfRange}},
    {"SpanBeyondDoubleRange",
     kOrdinaryC,
     {{Box::Text1, "1e308"},
      {Box::Text3, "1e308"},
      {Box::Text16, "-1e308"},
      {Box::Text2, "-1.5e308"}},
     kStopped,
     kAny,
     {kOutOfRange}},

    // Soil, surcharge and civil-defence load
    {"SoilLighterThanWater", kOrdinaryA, {{Box::Text14, "5"}}, kCompleted, kChecked, {}},
    {"SoilWithoutWeight", kOrdinaryC, {{Box::Text14, "0"}}, kCompleted, kChecked, {}},
    {"NegativeSoilUnitWeight", kOrdinaryA, {{Box::Text14, "-100"}}, kCompleted, kNoTension, {}},
    {"NegativeSoilUnitWeightWaterWithinWall",
     kOrdinaryB,
     {{Box::Text14, "-100"}},
     kCompleted,
     kNoTension,
     {}},
    {"NegativeSoilUnitWeightCivilDefence",
     kCivilA,
     {{Box::Text14, "-100"}},
     kCompleted,
     kCivil,
     {}},
    {"NegativeSurcharge", kOrdinaryB, {{Box::Text15, "-10"}}, kCompleted, kChecked, {}},
    {"SurchargePullingTheWallOut",
     kOrdinaryC,
     {{Box::Text15, "-1000"}},
     kCompleted,
     kNoTension,
     {}},
    {"NegativeCivilDefenceLoad", kCivilA, {{Box::Text20, "-50"}}, kCompleted, kCivil, {}},
    {"CivilDefenceLoadPullingTheWallOut",
     kCivilB,
     {{Box::Text20, "-1000"}},
     kCompleted,
     kCivil,
     {}},

    // Load factor
    {"LoadFactorZero", kOrdinaryA, {{Box::Text5, "0"}}, kCompleted, kChecked, {}},
    {"LoadFactorZeroCivilDefence", kCivilC, {{Box::Text5, "0"}}, kCompleted, kCivil, {}},
    {"NegativeLoadFactor", kOrdinaryB, {{Box::Text5, "-1.35"}}, kCompleted, kChecked, {}},

    // Wall thickness and cover
    {"CoverEqualToWallThickness",
     kOrdinaryA,
     {{Box::Text13, "350"}},
     kStopped,
     kAny,
     {"有效高度h0=0，"}},
    {"CoverThickerThanWall", kCivilB, {{Box::Text13, "400"}}, kStopped, kAny, {"有效高度h0=-50，"}},
    {"WallThickerThanCoverByAHair",
     kOrdinaryA,
     {{Box::Text4, "50.000001"}, {Box::Text13, "50"}},
     kCompleted,
     kNotMet,
     {kMomentTooLarge, kFiftyMillimetres}},
    {"DepthBeyondDoubleRange",
     kOrdinaryA,
     {{Box::Text4, "1e308"}, {Box::Text13, "-1e308"}},
     kStopped,
     kAny,
     {"（h0）"}},
    {"NegativeDepthBeyondDoubleRange",
     kCivilC,
     {{Box::Text4, "-1e308"}, {Box::Text13, "1e308"}},
     kStopped,
     kAny,
     {"（h0）"}},

    // Bar spacing
    {"SpacingZero", kOrdinaryA, {{Box::Text10, "0"}}, kStopped, kAny, {"钢筋间距（mm）："}},
    {"SpacingZeroCivilDefence",
     kCivilA,
     {{Box::Text10, "0"}},
     kStopped,
     kAny,
     {"钢筋间距（mm）："}},
    {"NegativeSpacing", kOrdinaryB, {{Box::Text10, "-100"}}, kStopped, kAny, {"钢筋间距（mm）："}},
    {"SpacingOfAKilometre", kOrdinaryA, {{Box::Text10, "1e6"}}, kCompleted, kNoBar, {kNoBarFits}},
    {"SpacingOfAKilometreCivilDefence",
     kCivilC,
     {{Box::Text10, "1e6"}},
     kCompleted,
     kCivil,
     {kNoBarFits}},
    {"SpacingOfANanometre", kOrdinaryA, {{Box::Text10, "1e-9"}}, kCompleted, kChecked, {}},

    // Crack-width limit
    {"LimitZero", kOrdinaryA, {{Box::Text8, "0"}}, kStopped, kAny, {"裂缝限值（mm）："}},
    {"NegativeLimit", kOrdinaryC, {{Box::Text8, "-0.2"}}, kStopped, kAny, {"裂缝限值（mm）："}},
    {"LimitOfANanometre",
     kOrdinaryB,
     {{Box::Text8, "1e-9"}},
     kCompleted,
     kNotMet,
     {kFiftyMillimetres}},
    {"LimitOfAKilometre", kOrdinaryA, {{Box::Text8, "1e9"}}, kCompleted, kChecked, {}},
    {"LimitZeroIgnoredInCivilDefence", kCivilA, {{Box::Text8, "0"}}, kCompleted, kCivil, {}},

    // Moment at the base
    {"NoMomentWaterBelowBase",
     kOrdinaryC,
     {{Box::Text14, "0"}, {Box::Text15, "0"}},
     kCompleted,
     kNoTension,
     {}},
    {"NoMomentWaterAboveWall",
     kOrdinaryA,
     {{Box::Text1, "-2.45"}, {Box::Text2, "-2.45"}, {Box::Text14, "-10"}, {Box::Text15, "0"}},
     kCompleted,
     kNoTension,
     {}},
    {"NoMomentCivilDefence",
     kCivilC,
     {{Box::Text14, "0"}, {Box::Text15, "0"}},
     kCompleted,
     kCivil,
     {}},

    // Beyond single precision
    {"MomentBeyondSinglePrecision",
     kOrdinaryA,
     {{Box::Text1, "1e35"}, {Box::Text2, "0"}},
     kStopped,
     kAny,
     {"（MB12）"}},
    {"SurchargeBeyondSinglePrecision",
     kOrdinaryB,
     {{Box::Text15, "1e300"}},
     kStopped,
     kAny,
     {"（MB42）"}},
    {"DesignMomentBeyondSinglePrecision",
     kOrdinaryC,
     {{Box::Text5, "1e300"}},
     kStopped,
     kAny,
     {"（MB）"}},
    {"CivilDefenceLoadBeyondSinglePrecision",
     kCivilA,
     {{Box::Text20, "1e39"}},
     kStopped,
     kAny,
     {"人防荷载(kN/m2)："}},
    {"CivilDefenceMomentBeyondSinglePrecision",
     kCivilC,
     {{Box::Text20, "3e38"}},
     kStopped,
     kAny,
     {"（MB52）"}},

    // A long number
    {"TenThousandCharacterNumber",
     kOrdinaryA,
     {{Box::Text4, std::string(9997, '0') + "350"}},
     kCompleted,
     kChecked,
     {}},
};

class ExtremeInputTest : public testing::TestWithParam<ExtremeInput> {};

TEST_P(ExtremeInputTest, EndsSoundlyAndTheNextGoodPressIsRight) {
    const ExtremeInput& row = GetParam();
    const Outputs reference = referenceOutputs(row.setup);
    TestWindow window = windowFor(row.setup);
    ASSERT_EQ(checkedPress(window).end, RunEnd::Completed);

    std::vector<Typed> good;
    for (const Typed& t : row.typed) {
        good.push_back({t.box, window.boxText(t.box)});
        window.type(t.box, t.text);
    }
    const std::string textBefore = window.boxText(Box::Text12);
    EXPECT_EQ(checkedPress(window).end, row.ends);

    ASSERT_EQ(window.messages().size(), row.messages.size());
    for (std::size_t i = 0; i < row.messages.size(); ++i) {
        const std::string& text = window.messages()[i].text;
        EXPECT_NE(text.find(row.messages[i]), std::string::npos) << text;
        EXPECT_FALSE(fuzz::holdsNanOrInf(text)) << text;
    }
    const std::string& text = window.boxText(Box::Text12);
    if (row.ends == RunEnd::Completed) {
        EXPECT_EQ(fuzz::lineCountOf(text),
                  report::lineCount(row.setup.mode, row.setup.loadCase, row.section));
    } else {
        EXPECT_EQ(text, textBefore);
    }

    for (const Typed& t : good)
        window.type(t.box, t.text);
    EXPECT_EQ(checkedPress(window).end, RunEnd::Completed);
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(outputsOf(window), reference);
}

// Only differences of elevations enter the calculation. With elevations a million
// metres up or down (half metres, held exactly) every result box is the one of the
// same wall near zero: nothing is lost to the size of the numbers.
TEST(ElevationsAMillionMetresAway, GiveTheResultsOfTheSameWallNearZero) {
    const auto elevation = [](double metres) {
        std::string text = std::to_string(metres);
        return text.substr(0, text.find('.') + 2);  // one decimal: "-1000002.5"
    };
    for (const ModeAndCase setup : kSetups) {
        const double h2 = setup.loadCase == Case::A ? -1.5 : setup.loadCase == Case::B ? -3.5 : -7;
        std::array<std::string, 6> nearZero;
        for (const double shift : {0.0, 1e6, -1e6}) {
            SCOPED_TRACE(setupName(setup) + ", shifted by " + elevation(shift));
            TestWindow window = windowFor(setup);
            window.type(Box::Text1, elevation(-0.5 + shift));
            window.type(Box::Text2, elevation(h2 + shift));
            window.type(Box::Text3, elevation(-2.5 + shift));
            window.type(Box::Text16, elevation(-6.5 + shift));
            ASSERT_EQ(checkedPress(window).end, RunEnd::Completed);
            const Outputs outputs = outputsOf(window);
            for (std::size_t i = 0; i < nearZero.size(); ++i) {
                if (shift == 0) nearZero[i] = outputs[i];
                EXPECT_EQ(outputs[i], nearZero[i]) << boxName(kOutputBoxes[i]);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EdgesOfTheNumbers, ExtremeInputTest, testing::ValuesIn(kExtremeInputs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wallcalc::robustness
