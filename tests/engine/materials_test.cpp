#include <gtest/gtest.h>

#include "wallcalc/engine/materials.hpp"
#include "wallcalc/report/number_text.hpp"

namespace {

using namespace wallcalc;
using report::doubleText;

TEST(Materials, ConcreteStrengthsAsTheTextWritesThem) {
    const char* ordinary[] = {"7.2",  "9.6",    "11.9",  "14.3",   "16.7",   "19.1",  "21.1",
                              "23.1", "25.047", "26.95", "28.809", "30.528", "32.11", "33.746"};
    const char* civil[] = {"10.8",  "14.4",    "17.85", "21.45",   "25.05",   "28.65",  "31.65",
                           "34.65", "37.5705", "37.73", "40.3326", "42.7392", "44.954", "47.2444"};
    const char* ftk[] = {"1.27", "1.54", "1.78", "2.01", "2.2",  "2.39", "2.51",
                         "2.64", "2.74", "2.85", "2.93", "2.99", "3.05", "3.11"};
    for (int i = 0; i < 14; ++i) {
        SCOPED_TRACE(i);
        const auto o = concreteStrengths(i, Mode::Ordinary);
        const auto d = concreteStrengths(i, Mode::CivilDefence);
        ASSERT_TRUE(o && d);
        EXPECT_EQ(doubleText(o->Fc), ordinary[i]);
        EXPECT_EQ(doubleText(d->Fc), civil[i]);
        // Tensile strengths are not raised for civil-defence works.
        EXPECT_EQ(doubleText(o->Ftk), ftk[i]);
        EXPECT_EQ(d->Ftk, o->Ftk);
        EXPECT_EQ(d->Ft, o->Ft);
    }
    EXPECT_EQ(doubleText(concreteStrengths(13, Mode::Ordinary)->Ft), "2.22");
}

TEST(Materials, SteelIsWholeInOrdinaryWorksAndRaisedForCivilDefence) {
    // RRB400 designs with its design strength 360, as HRB400 does.
    const int ordinary[] = {210, 300, 360, 360};
    const char* civil[] = {"315", "405", "432", "432"};
    for (int i = 0; i < 4; ++i) {
        const auto o = steelStrength(i, Mode::Ordinary);
        const auto d = steelStrength(i, Mode::CivilDefence);
        ASSERT_TRUE(o && d);
        ASSERT_TRUE(std::holds_alternative<int>(*o));
        EXPECT_EQ(std::get<int>(*o), ordinary[i]);
        ASSERT_TRUE(std::holds_alternative<double>(*d));
        EXPECT_EQ(doubleText(std::get<double>(*d)), civil[i]);
    }
}

TEST(Materials, PositionsOutsideTheTablesFindNothing) {
    for (int position : {-1, 14, 99}) {
        EXPECT_FALSE(concreteStrengths(position, Mode::Ordinary));
    }
    for (int position : {-1, 4})
        EXPECT_FALSE(steelStrength(position, Mode::CivilDefence));
}

}  // namespace
