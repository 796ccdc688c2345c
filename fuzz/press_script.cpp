#include "press_script.hpp"

#include <charconv>
#include <optional>

namespace wallcalc::fuzz {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            const int high = hexDigit(text[i + 2]);
            const int low = hexDigit(text[i + 3]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 3;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// "<n>=<rest>": the number before '=' and what follows it.
bool numberedLine(std::string_view line, int& n, std::string_view& rest) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    const auto res = std::from_chars(line.data(), line.data() + eq, n);
    if (res.ec != std::errc{} || res.ptr != line.data() + eq) return false;
    rest = line.substr(eq + 1);
    return true;
}

std::optional<Event> parseLine(std::string_view line) {
    if (line.empty()) return std::nullopt;
    Event e;
    const char op = line.front();
    line.remove_prefix(1);
    switch (op) {
        case 'O':
            e.kind = Event::Kind::ClickOrdinary;
            return e;
        case 'C':
            e.kind = Event::Kind::ClickCivilDefence;
            return e;
        case 'P':
            e.kind = Event::Kind::Press;
            return e;
        case 'T': {
            int n = 0;
            std::string_view text;
            if (!numberedLine(line, n, text) || n < 1 || n > static_cast<int>(kBoxCount)) break;
            e.kind = Event::Kind::Type;
            e.box = boxNumber(n);
            e.text = unescape(text);
            return e;
        }
        case 'L': {
            int n = 0, position = 0;
            std::string_view rest;
            if (!numberedLine(line, n, rest) || n < 1 || n > static_cast<int>(kListCount)) break;
            const auto res = std::from_chars(rest.data(), rest.data() + rest.size(), position);
            if (res.ec != std::errc{}) break;
            e.kind = Event::Kind::Select;
            e.list = static_cast<List>(n - 1);
            e.position = position;
            return e;
        }
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::vector<Event> parseScript(std::string_view script, std::size_t maxPresses) {
    std::vector<Event> events;
    std::size_t presses = 0;
    while (!script.empty() && presses < maxPresses) {
        const auto end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        auto event = parseLine(line);
        if (!event) continue;
        if (event->kind == Event::Kind::Press) ++presses;
        events.push_back(std::move(*event));
    }
    if (events.empty() || events.back().kind != Event::Kind::Press) {
        events.push_back(Event{});
    }
    return events;
}

std::string scriptLine(const Event& e) {
    switch (e.kind) {
        case Event::Kind::ClickOrdinary:
            return "O";
        case Event::Kind::ClickCivilDefence:
            return "C";
        case Event::Kind::Press:
            return "P";
        case Event::Kind::Select:
            return "L" + std::to_string(index(e.list) + 1) + "=" + std::to_string(e.position);
        case Event::Kind::Type:
            break;
    }
    std::string line = "T" + std::to_string(index(e.box) + 1) + "=";
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : e.text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '\\') {
            line += "\\x";
            line += kHex[byte >> 4];
            line += kHex[byte & 0xF];
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace wallcalc::fuzz
