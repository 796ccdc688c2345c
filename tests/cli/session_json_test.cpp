// The session's JSON line, written by hand for speed, against the JSON library it must
// agree with byte for byte (dump(-1, ' ', false, replace) of an ordered object): every
// ASCII byte, UTF-8 of every length, and invalid UTF-8 the library replaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "json_writer.hpp"
#include "library_json.hpp"
#include "wallcalc/cli/session.hpp"
#include "wallcalc/engine/check_fields.hpp"

namespace wallcalc::cli_tests {
namespace {

using Json = nlohmann::ordered_json;

std::string everyAsciiByte() {
    std::string s;
    for (int b = 0; b < 0x80; ++b)
        s += static_cast<char>(b);
    return s;
}

struct Texts {
    const char* name;
    std::string text;
};

const Texts kTexts[] = {
    {"EveryAsciiByte", everyAsciiByte()},
    {"TwoThreeAndFourByteCharacters", "é钢筋𝄞\xF4\x8F\xBF\xBF"},
    {"LoneContinuationByte",
     "ab\x80"
     "cd"},
    {"TruncatedSequenceAtTheEnd", "钢\xE7\xAD"},
    {"TruncatedSequenceInTheMiddle",
     "a\xE7\xAD"
     "b\"c"},
    {"OverlongSlash",
     "\xC0\xAF"
     "x"},
    {"OverlongThreeBytes", "\xE0\x80\xAF"},
    {"Surrogate",
     "\xED\xA0\x80"
     "z"},
    {"AboveUnicode", "\xF4\x90\x80\x80"},
    {"InvalidLeadBytes", "\xF5\xFF\xFE"},
    {"EmptyText", ""},
};

class SessionJsonTest : public testing::TestWithParam<Texts> {};

TEST_P(SessionJsonTest, AgreesWithTheJsonLibraryInEveryPlace) {
    const std::string& text = GetParam().text;
    WindowModel window;
    window.clickOrdinary();
    PressResult press = window.pressCompute();
    press.messages.push_back({text, text});
    for (const Box box : {Box::Text6, Box::Text19, Box::Text18, Box::Text12}) {
        press.boxes[index(box)] = text;
        EXPECT_EQ(cli::pressJson(press), fuzz::libraryPressJson(press));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SessionJsonTest, testing::ValuesIn(kTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SessionJson, AgreesAfterEveryKindOfPress) {
    WindowModel window;
    const std::string lines[] = {
        R"({"case":"A"})",
        R"({"mode":"ordinary"})",
        R"({"mode":"civil-defence","qrf":"50"})",
        R"({"mode":"ordinary","h5":"a\tb\u0001"})",
        R"({"h5":"350","case":"C"})",
        R"({"case":-1})",
        R"({"case":"B","h2":"-3.5","spacing":"1e6"})",
        // The 2010 basis: its own groups of the supplementary design, a design that
        // satisfies, one whose bars are too small and one too thin for any bar.
        R"({"basis":"2010","case":"A","spacing":"200","concrete":"C30","steel":"HRB400"})",
        R"({"basis":"2010","h5":"400","c1":"30","spacing":"150","h4":"-7.5","qfj":"20"})",
        R"({"basis":"2010","mode":"civil-defence","qrf":"80","h5":"200"})",
        R"({"basis":"2010","mode":"ordinary","case":"B","h2":"-3.5","gamma0":"1.1"})",
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line);
        const auto answer = cli::sessionPress(window, line);
        ASSERT_TRUE(std::holds_alternative<PressResult>(answer));
        const PressResult& press = std::get<PressResult>(answer);
        EXPECT_EQ(cli::answerJson(answer), fuzz::libraryPressJson(press));
    }
}

// The "checks" object is written in one pass over the table, a group opened at its first
// value and closed where the next group begins: the values of each group must stand
// together in the table, or the library would gather what the pass writes twice.
TEST(SessionJson, EachGroupOfTheSupplementaryDesignStandsTogether) {
    std::vector<std::string_view> closed;
    std::string_view open;
    for (const CheckField& field : checkFields()) {
        if (field.group == open) continue;
        if (!open.empty()) closed.push_back(open);
        EXPECT_EQ(std::count(closed.begin(), closed.end(), field.group), 0)
            << "the group " << field.group << " stands in two places of the table";
        open = field.group;
    }
}

struct Number {
    const char* name;
    double value;
};

const Number kNumbers[] = {
    {"Zero", 0.0},
    {"NegativeZero", -0.0},
    {"WholeValue", 350.0},
    {"ThreeDecimals", 204.639},
    {"NotExactInBinary", 0.1},
    {"SmallestNormal", 2.2250738585072014e-308},
    {"SmallestSubnormal", 4.9406564584124654e-324},
    {"Largest", 1.7976931348623157e308},
    {"ExponentForm", 1e16},
    {"BelowOneThousandth", 1.25e-7},
    {"Negative", -0.0065},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN()},
    {"Infinity", std::numeric_limits<double>::infinity()},
    {"NegativeInfinity", -std::numeric_limits<double>::infinity()},
};

class JsonNumberTest : public testing::TestWithParam<Number> {};

// A number as the library writes it: the shortest digits that read back as the same
// double, and null for a value JSON cannot hold.
TEST_P(JsonNumberTest, AgreesWithTheJsonLibrary) {
    const double value = GetParam().value;
    std::string written;
    cli::appendJsonNumber(written, value);
    EXPECT_EQ(written, Json(value).dump(-1, ' ', false, Json::error_handler_t::replace));
}

INSTANTIATE_TEST_SUITE_P(Numbers, JsonNumberTest, testing::ValuesIn(kNumbers),
                         [](const auto& info) { return std::string(info.param.name); });

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The session fuzzer's seeds: every line answers with the bytes the JSON library writes.
TEST(SessionSeedCorpus, EveryLineAgreesWithTheJsonLibrary) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(WALLCALC_SESSION_SEED_CORPUS))
        files.push_back(entry.path());
    EXPECT_GE(files.size(), 5u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        WindowModel window;
        std::istringstream lines(bytesOf(file));
        for (std::string line; std::getline(lines, line);) {
            const auto answer = cli::sessionPress(window, line);
            if (const auto* press = std::get_if<PressResult>(&answer)) {
                EXPECT_EQ(cli::answerJson(answer), fuzz::libraryPressJson(*press)) << line;
            }
        }
    }
}

}  // namespace
}  // namespace wallcalc::cli_tests
