// File names of a batch's calculation sheets: from the "name" cell, safe on every desktop,
// never the same twice in one batch.
#include <gtest/gtest.h>

#include "wallcalc/cli/sheet_file_names.hpp"

namespace {

using wallcalc::cli::SheetFileNames;

struct NameRow {
    const char* check;
    std::size_t row;
    std::string name;
    std::string file;
};

class OneSheetName : public testing::TestWithParam<NameRow> {};

TEST_P(OneSheetName, IsSafeOnEveryDesktop) {
    SheetFileNames names;
    EXPECT_EQ(names.next(GetParam().row, GetParam().name), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OneSheetName,
    testing::Values(NameRow{"NameAsGiven", 3, "外墙W1", "外墙W1.pdf"},
                    NameRow{"EmptyNameIsTheRowNumber", 17, "", "17.pdf"},
                    NameRow{"BlanksAndDotsOnlyIsTheRowNumber", 4, " . ", "4.pdf"},
                    NameRow{"NoFolders", 1, "../B2/W1", "_B2_W1.pdf"},
                    NameRow{"NoCharactersWindowsRefuses", 1, "a:b*c?\"d\"<e>|f\\g",
                            "a_b_c__d__e__f_g.pdf"},
                    NameRow{"NoLineBreaksOrTabs", 1, "W\r\n1\t", "W__1_.pdf"},
                    NameRow{"NoLeadingOrTrailingDotsAndBlanks", 1, " .W1. ", "W1.pdf"},
                    NameRow{"WindowsDeviceNames", 1, "con", "con_.pdf"},
                    NameRow{"WindowsDeviceNamesWithDigits", 1, "LPT1", "LPT1_.pdf"}),
    [](const auto& info) { return std::string(info.param.check); });

TEST(SheetNames, LongNameIsCutAtTheStartOfAUtf8Character) {
    SheetFileNames names;
    std::string name = std::string(119, 'a');
    for (int i = 0; i < 10; ++i)
        name += "墙";  // three bytes each
    const std::string file = names.next(1, name);
    EXPECT_EQ(file, std::string(119, 'a') + ".pdf") << "120 bytes would split the first 墙";
    std::string fits = std::string(117, 'a') + "墙" + "墙";
    EXPECT_EQ(SheetFileNames().next(1, fits), std::string(117, 'a') + "墙.pdf");
}

TEST(SheetNames, ANameGivenTwiceGetsItsRowNumber) {
    SheetFileNames names;
    EXPECT_EQ(names.next(1, "W1"), "W1.pdf");
    EXPECT_EQ(names.next(2, "W1"), "W1_2.pdf");
    EXPECT_EQ(names.next(3, "w1"), "w1_3.pdf") << "Windows does not tell case apart";
    EXPECT_EQ(names.next(4, ""), "4.pdf");
    EXPECT_EQ(names.next(5, "4"), "4_5.pdf") << "a name that is another row's number";
    EXPECT_EQ(names.next(6, "W1_2"), "W1_2_6.pdf") << "a name that is a renamed one";
    EXPECT_EQ(names.next(7, "a/b"), "a_b.pdf");
    EXPECT_EQ(names.next(8, "a:b"), "a_b_8.pdf") << "names that become the same";
}

}  // namespace
