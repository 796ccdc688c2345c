// wallcalc-cli: the calculation without a window.
//
//   wallcalc-cli --mode ordinary|civil-defence [--case A|B|C] [--concrete C30]
//                [--steel HRB335] [--h1 TEXT] … [--json]
//   wallcalc-cli --session FILE|-
//   wallcalc-cli --batch walls.csv [--out results.csv]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "wallcalc/cli/batch.hpp"
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
           "       wallcalc-cli --batch walls.csv [--out results.csv]\n"
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

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

// Writes next to the target and renames, so that a failure leaves no half-written file.
bool writeFileAtomically(const std::string& path, const std::string& text, std::string& why) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())) ||
            !out.flush()) {
            why = "cannot write " + temporary;
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        why = "cannot write " + path + ": " + ec.message();
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

int runBatchFile(const std::map<std::string, std::string>& options) {
    std::string input;
    const std::string& path = options.at("batch");
    if (!readFile(path, input)) {
        std::cerr << "wallcalc-cli: cannot read " << path << '\n';
        return kUsage;
    }
    const auto progress = [](std::size_t done, std::size_t total) {
        if (total >= 1000 && (done % 1000 == 0 || done == total)) {
            std::cerr << "wallcalc-cli: " << done << " / " << total << " rows\n";
        }
    };
    const cli::BatchResult result = cli::runBatch(input, {}, progress);
    if (result.rows == 0 && !result.error.empty()) {
        std::cerr << "wallcalc-cli: " << path << ": " << result.error << '\n';
        return kUsage;
    }
    if (auto out = options.find("out"); out != options.end()) {
        std::string why;
        if (!writeFileAtomically(out->second, result.csv, why)) {
            std::cerr << "wallcalc-cli: " << why << '\n';
            return kEndedEarly;
        }
    } else {
        std::cout << result.csv;
    }
    std::cerr << "wallcalc-cli: " << result.rows << " rows: " << result.completed << " completed, "
              << result.ended << " ended early, " << result.bad << " not understood\n";
    if (!result.error.empty()) {
        std::cerr << "wallcalc-cli: " << path << ": " << result.error << '\n';
        return kEndedEarly;
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

    if (options.count("batch")) {
        for (const auto& [key, value] : options) {
            if (key != "batch" && key != "out") {
                std::cerr << "wallcalc-cli: --batch takes only --out\n";
                return kUsage;
            }
        }
        return runBatchFile(options);
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
