#pragma once
// wallcalc-cli's options: one table of the program's own options, and one option for the
// mode, every list, every input and every field of the sheet's title block, made from the
// engine's tables, so that a new input of the window is a new option at once.
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "wallcalc/engine/project.hpp"

namespace wallcalc::cli {

// The three kinds of run; an option names the kinds that take it.
enum Run : unsigned {
    kOnce = 1,
    kSession = 2,
    kBatch = 4,
    kModel = 8,        // --model: one wall model from its file
    kModelBatch = 16,  // --model-batch: a JSON Lines file of wall models
    kAnyRun = 31
};

enum class OptionKind {
    Own,      // the program's own: --json, --pdf, --batch …
    Change,   // what an engineer changes in the window: --mode, --concrete, --h1 …
    Project,  // a field of the sheet's title block: --project, --designer …
};

struct Option {
    std::string name;      // without "--": "pdf-dir", "h5", "gamma-g"
    std::string argument;  // what it takes, for the help: "文件"; empty for a switch
    std::string help;
    unsigned runs;
    OptionKind kind;
    std::string key;  // the change key or the project field's key
    int group;        // the help's section
};

std::span<const Option> allOptions();

// One option as given on the command line, in the order given.
struct GivenOption {
    const Option* option;
    std::string value;  // empty for a switch
};

struct CommandLine {
    std::vector<GivenOption> given;
    unsigned run = kOnce;  // --session, --batch, --model and --model-batch decide
    // The value of an option of the program's own, or null when it is not given.
    const std::string* value(std::string_view name) const;
    bool has(std::string_view name) const { return value(name) != nullptr; }
};

// The command line, or why it is not understood (in Chinese).
std::variant<CommandLine, std::string> parseCommandLine(const std::vector<std::string>& args);

// The title block with the fields given as options (--project …) written over `base`.
ProjectInfo projectWithOptions(const CommandLine& line, ProjectInfo base);

void printHelp(std::ostream& out);

}  // namespace wallcalc::cli
