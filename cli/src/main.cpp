// wallcalc-cli: the calculation without a window.
//
//   wallcalc-cli --mode ordinary|civil-defence [--case A|B|C] [--concrete C30]
//                [--steel HRB335] [--h1 TEXT] … [--json]
//   wallcalc-cli --session FILE|-
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "wallcalc/cli/headless_window.hpp"
#include "wallcalc/cli/session.hpp"

namespace {

using namespace wallcalc;

constexpr int kCompleted = 0;
constexpr int kEndedEarly = 1;
constexpr int kUsage = 2;

void usage(std::ostream& out) {
    out << "usage: wallcalc-cli --mode ordinary|civil-defence [--case A|B|C] [--concrete "
           "C15..C80]\n"
           "                    [--steel HPB235|HRB335|HRB400|RRB400] [--INPUT TEXT]... [--json]\n"
           "       wallcalc-cli --session FILE|-\n"
           "INPUT: ";
    for (const auto& k : cli::inputKeys())
        out << k.key << ' ';
    out << "\n(an input left out keeps the window's default; without --mode the run is that of\n"
           " a window in which no option was clicked)\n";
}

int runSession(const std::string& path) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            std::cerr << "wallcalc-cli: cannot open " << path << '\n';
            return kUsage;
        }
        in = &file;
    }
    HeadlessWindow window;
    std::string line;
    while (std::getline(*in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string out = cli::sessionLine(window, line);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    return kCompleted;
}

void printResults(const HeadlessWindow& w) {
    auto row = [&](Box box) { std::cout << "  " << boxLabel(box) << w.boxText(box) << '\n'; };
    std::cout << "配筋计算结果：\n";
    row(Box::Text6);
    row(Box::Text7);
    row(Box::Text19);
    std::cout << "裂缝控制：\n";
    row(Box::Text9);
    row(Box::Text18);
    row(Box::Text11);
    std::cout << '\n' << w.boxText(Box::Text12) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::map<std::string, std::string> options;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            usage(std::cout);
            return kCompleted;
        }
        if (a == "--json") {
            json = true;
            continue;
        }
        if (a.rfind("--", 0) != 0 || i + 1 >= args.size()) {
            std::cerr << "wallcalc-cli: unexpected argument " << a << '\n';
            usage(std::cerr);
            return kUsage;
        }
        options[a.substr(2)] = args[++i];
    }

    if (auto session = options.find("session"); session != options.end()) {
        if (options.size() != 1 || json) {
            std::cerr << "wallcalc-cli: --session takes no other option\n";
            return kUsage;
        }
        return runSession(session->second);
    }

    HeadlessWindow window;
    for (const auto& [key, value] : options) {
        bool known = key == "mode";
        if (key == "mode") {
            if (value == "ordinary") {
                window.clickOrdinary();
            } else if (value == "civil-defence") {
                window.clickCivilDefence();
            } else {
                std::cerr << "wallcalc-cli: --mode is ordinary or civil-defence\n";
                return kUsage;
            }
        }
        for (const auto& k : cli::inputKeys())
            known = known || k.key == key;
        const bool list = key == "case" || key == "concrete" || key == "steel";
        if (!known && !list) {
            std::cerr << "wallcalc-cli: unknown option --" << key << '\n';
            usage(std::cerr);
            return kUsage;
        }
    }
    // The option click comes first (it resets the civil-defence load), then the typing.
    for (const auto& [key, value] : options) {
        for (const auto& k : cli::inputKeys()) {
            if (k.key == key) window.type(k.box, value);
        }
    }
    const struct {
        const char* key;
        List list;
        std::optional<int> (*byName)(std::string_view);
    } lists[] = {{"concrete", List::Combo1, cli::concretePosition},
                 {"steel", List::Combo2, cli::steelPosition},
                 {"case", List::Combo3, cli::casePosition}};
    for (const auto& l : lists) {
        if (auto it = options.find(l.key); it != options.end()) {
            const auto position = l.byName(it->second);
            if (!position) {
                std::cerr << "wallcalc-cli: --" << l.key << ' ' << it->second
                          << " is not an item of its list\n";
                return kUsage;
            }
            window.select(l.list, *position);
        }
    }

    const RunOutcome outcome = window.pressCompute();
    if (json) {
        std::cout << cli::pressJson(window, outcome) << '\n';
    } else {
        for (const auto& m : window.messages())
            std::cerr << m.title << ' ' << m.text << '\n';
        if (outcome.completed()) printResults(window);
    }
    return outcome.completed() ? kCompleted : kEndedEarly;
}
