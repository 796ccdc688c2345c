// Texts that are not numbers, typed into every box a mode reads, in both modes and every
// case. Each ends the press with one message naming the box; Text12 stays as it was;
// the result boxes already written in the press keep their texts and the others are
// emptied; the next press with the good text is right again. In a box the mode never
// reads, the same texts change nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "press_fixture.hpp"

namespace wallcalc::robustness {
namespace {

struct BadText {
    const char* name;
    std::string text;
};

std::string repeated(std::string_view piece, std::size_t length) {
    std::string out;
    while (out.size() < length)
        out += piece;
    out.resize(length);
    return out;
}

const BadText kBadTexts[] = {
    {"Empty", ""},
    {"BlanksOnly", "   "},
    {"Letters", "abc"},
    {"CommaAsDecimalSeparator", "1,5"},
    {"TwoDecimalPoints", "1.2.3"},
    {"TwoMinusSigns", "--1"},
    {"PlusThenMinus", "+-1"},
    {"ExponentWithoutDigits", "1e"},
    {"BeyondDoubleRange", "1e999"},
    {"NegativeBeyondDoubleRange", "-1e999"},
    {"Infinity", "inf"},
    {"NotANumber", "nan"},
    {"Hexadecimal", "0x1A"},
    {"FullWidthDigits", "３５０"},
    {"UnitAfterNumber", "350mm"},
    {"BlankInsideNumber", "3 50"},
    {"TenThousandCharacterPaste", repeated("350 ", 10000)},
    {"TenThousandDigits", std::string(10000, '9')},
    {"ControlCharacters",
     "3\x01"
     "5\x1b"
     "0"},
    {"TabBeforeNumber", "\t350"},
    {"LineBreakAfterNumber", "350\r\n"},
    {"EmbeddedNul", std::string("35\0"
                                "0",
                                4)},
};

// How many result boxes a press has written when it converts the box. GB 50010-2002:
// Text6 and Text7 come before the spacing is read, Text19 before the crack-width limit.
// GB 50010-2010 takes h0 at the bars' diameter, so it reads both right after Text6.
std::size_t resultsWrittenBefore(Box box, Basis basis) {
    if (box != Box::Text10 && box != Box::Text8) return 0;
    if (basis == Basis::Gb2010) return 1;
    return box == Box::Text10 ? 2 : 3;
}

// The outputs a press that stops at `box` leaves: Text12 and the result boxes it had
// not written as `before` shows them, or emptied when it had written some.
Outputs outputsAfterStop(const Outputs& before, const Outputs& reference, Box box, Basis basis) {
    const std::size_t written = resultsWrittenBefore(box, basis);
    Outputs out = before;
    if (written == 0) return out;
    for (std::size_t i = 0; i < 6; ++i)
        out[i] = i < written ? reference[i] : "";
    return out;
}

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

class BadTextTest : public testing::TestWithParam<BadText> {};

// The press that meets the bad text: one message that names the box by its label and
// no other input box, readable and short whatever was typed.
void expectStopsNaming(TestWindow& window, Box box, const Outputs& reference, Basis basis) {
    const Outputs before = outputsOf(window);
    const PressResult& outcome = checkedPress(window);
    EXPECT_EQ(outcome.end, RunEnd::Stopped);
    ASSERT_EQ(window.messages().size(), 1u);
    const Message& m = window.messages().front();
    EXPECT_EQ(m.title, kMessageTitle);
    EXPECT_NE(m.text.find(boxLabel(box)), std::string::npos) << m.text;
    for (const InputBox& other : inputBoxes()) {
        if (other.box == box) continue;
        EXPECT_EQ(m.text.find(boxLabel(other.box)), std::string::npos) << m.text;
    }
    EXPECT_FALSE(hasControlCharacter(m.text)) << m.text;
    EXPECT_LT(m.text.size(), 200u);
    EXPECT_EQ(outputsOf(window), outputsAfterStop(before, reference, box, basis));
}

void expectRight(TestWindow& window, const Outputs& reference) {
    EXPECT_EQ(checkedPress(window).end, RunEnd::Completed);
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(outputsOf(window), reference);
}

TEST_P(BadTextTest, EndsThePressWithOneMessageNamingTheBox) {
    const BadText& bad = GetParam();
    for (const ModeAndCase setup : kSetups) {
        const Outputs reference = referenceOutputs(setup);
        for (const Box box : boxesRead(setup)) {
            SCOPED_TRACE(setupName(setup) + ", " + std::string(boxName(box)));
            TestWindow window = windowFor(setup);
            const std::string good = window.boxText(box);
            // On the first press Text12 still holds its hint; later it holds a text.
            window.type(box, bad.text);
            expectStopsNaming(window, box, reference, setup.basis);
            EXPECT_EQ(window.boxText(Box::Text12), kInitialReport);
            window.type(box, good);
            expectRight(window, reference);
            window.type(box, bad.text);
            expectStopsNaming(window, box, reference, setup.basis);
            window.type(box, good);
            expectRight(window, reference);
        }
    }
}

TEST_P(BadTextTest, ChangesNothingInABoxTheModeNeverReads) {
    const BadText& bad = GetParam();
    for (const ModeAndCase setup : kSetups) {
        SCOPED_TRACE(setupName(setup));
        TestWindow window = windowFor(setup);
        for (const Box box : boxesNeverRead(setup))
            window.type(box, bad.text);
        expectRight(window, referenceOutputs(setup));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBadText, BadTextTest, testing::ValuesIn(kBadTexts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wallcalc::robustness
