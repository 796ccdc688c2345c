// The fuzzer's script reader: every byte string is a script, and a written script line
// reads back as the same event.
#include <gtest/gtest.h>

#include "press_script.hpp"

namespace wallcalc::fuzz {
namespace {

using Kind = Event::Kind;

std::vector<Kind> kindsOf(const std::vector<Event>& events) {
    std::vector<Kind> kinds;
    for (const auto& e : events)
        kinds.push_back(e.kind);
    return kinds;
}

struct ScriptKinds {
    const char* name;
    std::string_view script;
    std::size_t maxPresses;
    std::vector<Kind> kinds;
};

const ScriptKinds kScripts[] = {
    {"EmptyScriptPressesOnce", "", 16, {Kind::Press}},
    {"EventsInOrder",
     "O\nT4=350\nL3=2\nP\nC\nP\n",
     16,
     {Kind::ClickOrdinary, Kind::Type, Kind::Select, Kind::Press, Kind::ClickCivilDefence,
      Kind::Press}},
    {"PressAddedAfterTheLastEvent",
     "O\nP\nT4=1",
     16,
     {Kind::ClickOrdinary, Kind::Press, Kind::Type, Kind::Press}},
    {"UnknownLinesSkipped",
     "X\nT0=1\nT25=1\nT=1\nL5=0\nL1=abc\nL2=99999999999\nTx=1\n",
     16,
     {Kind::Press}},
    {"PressesCapped", "P\nO\nP\nP\nP\n", 2, {Kind::Press, Kind::ClickOrdinary, Kind::Press}},
};

class ScriptKindsTest : public testing::TestWithParam<ScriptKinds> {};

TEST_P(ScriptKindsTest, ReadsTheEvents) {
    const auto& row = GetParam();
    EXPECT_EQ(kindsOf(parseScript(row.script, row.maxPresses)), row.kinds);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptKindsTest, testing::ValuesIn(kScripts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TypeEvent, ReadsTheBoxAndTheTextWithEscapedBytes) {
    const auto events = parseScript("T16=3\\x005\\x0A0=\\xZZ\\x4", 16);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].box, Box::Text16);
    EXPECT_EQ(events[0].text, std::string("3\0"
                                          "5\n0=\\xZZ\\x4",
                                          13));
}

TEST(SelectEvent, ReadsAnyPositionOfTheList) {
    const auto events = parseScript("L2=-2147483648", 16);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].list, List::Combo2);
    EXPECT_EQ(events[0].position, -2147483648);
}

TEST(ScriptLine, ReadsBackAsTheSameEvent) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    Event type;
    type.kind = Kind::Type;
    type.box = Box::Text20;
    type.text = everyByte;
    Event select;
    select.kind = Kind::Select;
    select.list = List::Combo3;
    select.position = -7;

    for (const Event& e : {type, select}) {
        const auto events = parseScript(scriptLine(e), 16);
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[0].kind, e.kind);
        EXPECT_EQ(events[0].box, e.box);
        EXPECT_EQ(events[0].text, e.text);
        EXPECT_EQ(events[0].list, e.list);
        EXPECT_EQ(events[0].position, e.position);
    }
}

}  // namespace
}  // namespace wallcalc::fuzz
