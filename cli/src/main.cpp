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
#include "wallcalc/cli/session.hpp"
#include "wallcalc/engine/changes.hpp"

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
    for (const auto& in : inputBoxes())
        out << in.option << ' ';
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
    WindowModel window;
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

// The two result frames as the window shows them, then the calculation text.
void printResults(const PressResult& press) {
    int frame = -1;
    for (const auto& r : resultBoxesAsShown()) {
        if (r.frame != frame) std::cout << frameCaption(frame = r.frame) << '\n';
        std::cout << "  " << r.label << press.text(r.box) << '\n';
    }
    std::cout << '\n' << press.report() << '\n';
    if (press.checks) std::cout << '\n' << supplementaryText(press) << '\n';
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

    Changes changes;
    for (const auto& [key, value] : options) {
        if (key == "pdf" || key == "date") continue;  // the sheet's, not the window's
        const auto known = keyOfOption(key);
        switch (known ? changes.set(*known, value) : ChangeError::UnknownKey) {
            case ChangeError::None:
                break;
            case ChangeError::UnknownKey:
                std::cerr << "wallcalc-cli: unknown option --" << key << '\n';
                usage(std::cerr);
                return kUsage;
            case ChangeError::BadMode:
                std::cerr << "wallcalc-cli: --mode is ordinary or civil-defence\n";
                return kUsage;
            case ChangeError::NotAnItem:
                std::cerr << "wallcalc-cli: --" << key << ' ' << value
                          << " is not an item of its list\n";
                return kUsage;
        }
    }
    WindowModel window;
    if (const ChangeFailure failed = changes.applyTo(window); failed.error != ChangeError::None) {
        std::cerr << "wallcalc-cli: --" << failed.key << ' ' << failed.value
                  << " is not an item of its list\n";
        return kUsage;
    }

    std::unique_ptr<cli::SheetWriter> sheet;
    if (options.count("pdf")) {
        sheet = sheetWriter(argv[0], options);
        if (!sheet) return kUsage;
    }

    const PressResult press = window.pressCompute();
    if (json) {
        std::cout << cli::pressJson(press) << '\n';
    } else {
        for (const auto& m : press.messages)
            std::cerr << m.title << ' ' << m.text << '\n';
        if (press.completed()) printResults(press);
    }
    if (!press.completed()) {
        if (sheet) std::cerr << "wallcalc-cli: no calculation sheet: the calculation ended early\n";
        return kEndedEarly;
    }
    if (sheet) {
        if (const auto failed = sheet->write(press, "", options.at("pdf"))) {
            std::cerr << "wallcalc-cli: " << *failed << '\n';
            return kEndedEarly;
        }
    }
    return kCompleted;
}
