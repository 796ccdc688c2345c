#include "script_run.hpp"

#include "press_invariants.hpp"

namespace wallcalc::fuzz {

std::optional<ScriptFailure> runScript(const std::vector<Event>& events) {
    WindowModel window;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Event& e = events[i];
        switch (e.kind) {
            case Event::Kind::ClickOrdinary:
                window.clickOrdinary();
                break;
            case Event::Kind::ClickCivilDefence:
                window.clickCivilDefence();
                break;
            case Event::Kind::Type:
                window.type(e.box, e.text);
                break;
            case Event::Kind::Select:
                window.select(e.list, e.position);
                break;
            case Event::Kind::Press: {
                const PressRecord record = press(window);
                auto broken = violations(record);
                if (!broken.empty()) return ScriptFailure{i, std::move(broken)};
                break;
            }
        }
    }
    return std::nullopt;
}

}  // namespace wallcalc::fuzz
