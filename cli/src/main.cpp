// wallcalc-cli: the calculation without a window.
//
//   wallcalc-cli --mode ordinary|civil-defence [--case A|B|C] [--concrete C30]
//                [--steel HRB335] [--h1 TEXT] … [--json] [--pdf FILE [--date YYYY-MM-DD]]
//   wallcalc-cli --session FILE|-
//   wallcalc-cli --batch walls.csv [--out results.csv] [--pdf-dir DIR [--date YYYY-MM-DD]]
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "batch_command.hpp"
#include "exit_status.hpp"
#include "sheet_writer.hpp"
#include "wallcalc/cli/headless_window.hpp"
#include "wallcalc/cli/session.hpp"

namespace {

using namespace wallcalc;
using cli::kCompleted;
using cli::kEndedEarly;
using cli::kUsage;

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
           " a window in which no option was clicked; --pdf writes the calculation sheet, --date\n"
           " is the date printed on it, today when left out)\n";
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

// Starts the sheet writer for --pdf or --pdf-dir; nothing, after saying why, when this
// build cannot write PDFs or --date is not a date.
std::unique_ptr<cli::SheetWriter> sheetWriter(const char* program,
                                              const std::map<std::string, std::string>& options) {
    const auto date = options.find("date");
    std::string why;
    auto writer = cli::openSheetWriter(program, date == options.end() ? "" : date->second, why);
    if (!writer) std::cerr << "wallcalc-cli: " << why << '\n';
    return writer;
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

    // The sheets' date goes with the sheets.
    if (options.count("date") && !options.count("pdf") && !options.count("pdf-dir")) {
        std::cerr << "wallcalc-cli: --date goes with --pdf or --pdf-dir\n";
        return kUsage;
    }

    if (options.count("batch")) {
        for (const auto& [key, value] : options) {
            if (key != "batch" && key != "out" && key != "pdf-dir" && key != "date") {
                std::cerr << "wallcalc-cli: --batch takes only --out, --pdf-dir and --date\n";
                return kUsage;
            }
        }
        std::unique_ptr<cli::SheetWriter> sheets;
        if (options.count("pdf-dir")) {
            sheets = sheetWriter(argv[0], options);
            if (!sheets) return kUsage;
        }
        return cli::runBatchCommand(options, sheets.get());
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
        bool list = false;
        for (const auto& l : cli::listKeys())
            list = list || l.key == key;
        const bool sheet = key == "pdf" || key == "date";
        if (!known && !list && !sheet) {
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
    for (const auto& l : cli::listKeys()) {
        if (auto it = options.find(std::string(l.key)); it != options.end()) {
            const auto position = l.byName(it->second);
            if (!position) {
                std::cerr << "wallcalc-cli: --" << l.key << ' ' << it->second
                          << " is not an item of its list\n";
                return kUsage;
            }
            window.select(l.list, *position);
        }
    }

    std::unique_ptr<cli::SheetWriter> sheet;
    if (options.count("pdf")) {
        sheet = sheetWriter(argv[0], options);
        if (!sheet) return kUsage;
    }

    const RunOutcome outcome = window.pressCompute();
    if (json) {
        std::cout << cli::pressJson(window, outcome) << '\n';
    } else {
        for (const auto& m : window.messages())
            std::cerr << m.title << ' ' << m.text << '\n';
        if (outcome.completed()) printResults(window);
    }
    if (!outcome.completed()) {
        if (sheet) std::cerr << "wallcalc-cli: no calculation sheet: the calculation ended early\n";
        return kEndedEarly;
    }
    if (sheet) {
        if (const auto failed = sheet->write(window, "", options.at("pdf"))) {
            std::cerr << "wallcalc-cli: " << *failed << '\n';
            return kEndedEarly;
        }
    }
    return kCompleted;
}
