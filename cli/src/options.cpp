#include "options.hpp"

#include <algorithm>
#include <cctype>

#include "wallcalc/cli/batch.hpp"
#include "wallcalc/cli/columns.hpp"
#include "wallcalc/cli/result_columns.hpp"
#include "wallcalc/cli/texts.hpp"
#include "wallcalc/engine/changes.hpp"
#include "wallcalc/engine/project.hpp"

namespace wallcalc::cli {
namespace {

constexpr std::size_t kHelpWidth = 100;

enum Group { kInputs, kProject, kFiles, kSessions, kBatches, kModels, kOther };

// The help's sections, in the order of Group.
constexpr std::string_view kSections[] = {
    "一次计算的输入（不给出的输入为窗口打开时的值）：",
    "计算书的标题栏（一次计算与批量计算；批量计算中各行同名的列优先）：",
    "计算书与墙体文件：",
    "会话：",
    "批量计算：",
    "墙体模型（多层、任意墙顶与墙底支承、两个水位，GB 50010-2010）：",
    "其他：",
};

struct OwnOption {
    std::string_view name;
    std::string_view argument;
    unsigned runs;
    Group group;
    std::string_view help;
};

constexpr OwnOption kOwnOptions[] = {
    {"json", "", kOnce | kModel, kFiles, "把结果写成一个JSON对象（与会话的回答相同）"},
    {"pdf", "文件", kOnce | kModel, kFiles, "写出计算书（PDF）；计算提前结束时不写"},
    {"date", "YYYY-MM-DD", kOnce | kBatch | kModel, kFiles, "计算书上的日期，缺省为今天"},
    {"open", "墙体文件", kOnce, kFiles, "从墙体文件开始；同时给出的其他选项覆盖文件中的值"},
    {"save", "墙体文件", kOnce, kFiles, "把生效的输入和标题栏写入墙体文件（与窗口保存的格式相同）"},
    {"session", "文件|-", kSession, kSessions,
     "每行一个JSON对象：窗口中改动的键和值，随后按一次“计算”；每行回答一个JSON对象"},
    {"batch", "CSV文件", kBatch, kBatches,
     "每行一个墙体，各在刚打开的窗口中计算；UTF-8或GB18030编码，逗号、分号或制表符分隔"},
    {"out", "文件", kBatch, kBatches, "结果写入此文件（完整写出或不写），缺省写到标准输出"},
    {"pdf-dir", "文件夹", kBatch, kBatches, "每个计算完成的行在此文件夹中写出一份计算书"},
    {"model", "墙体模型文件", kModel, kModels,
     "计算一个墙体模型（\"format\": \"wallcalc-model/1\"，UTF-8 "
     "JSON）：荷载、内力、各层截面设计与结论；"
     "与 --json、--pdf 同用"},
    {"model-batch", "文件|-", kModelBatch, kModels,
     "每行一个墙体模型的JSON对象（JSON Lines）；每行回答一行JSON（与 --model --json 相同），"
     "输入有误的行回答 {\"error\": …}"},
    {"help", "", kAnyRun, kOther, "显示本帮助"},
    {"version", "", kAnyRun, kOther, "显示版本"},
};

std::string joined(std::span<const std::string_view> names, std::string_view between) {
    std::string out;
    for (const auto name : names)
        out += (out.empty() ? "" : std::string(between)) + std::string(name);
    return out;
}

std::vector<Option> buildOptions() {
    std::vector<Option> options;
    const auto change = [&](std::string_view option, std::string_view key, std::string argument,
                            std::string help) {
        options.push_back({std::string(option), std::move(argument), std::move(help), kOnce,
                           OptionKind::Change, std::string(key), kInputs});
    };
    change(kModeKey, kModeKey, "值",
           std::string(kModeLabel) + "：" + joined(modeNames(), "、") +
               "；不给出时如同窗口中两个选项都未点选");
    const WindowModel opened;
    for (const ListInfo& list : lists()) {
        const std::string_view selected =
            listItem(list.list, opened.basis(), opened.selected(list.list));
        change(list.key, list.key, "项",
               std::string(bareLabel(list.label)) + "：" + listChoices(list) + "；缺省 " +
                   std::string(selected));
    }
    for (const InputBox& in : inputBoxes()) {
        change(in.option, in.key, "文本",
               std::string(bareLabel(in.label)) + "，缺省 " + opened.boxText(in.box));
    }
    for (const ProjectField& f : kProjectFields) {
        options.push_back({std::string(f.key), "文字", std::string(f.label), kOnce | kBatch,
                           OptionKind::Project, std::string(f.key), kProject});
    }
    for (const OwnOption& own : kOwnOptions) {
        options.push_back({std::string(own.name), std::string(own.argument), std::string(own.help),
                           own.runs, OptionKind::Own, std::string(own.name), own.group});
    }
    return options;
}

const Option* optionNamed(std::string_view name) {
    for (const Option& o : allOptions()) {
        if (o.name == name || (o.kind != OptionKind::Own && o.key == name)) return &o;
    }
    return nullptr;
}

std::string runName(unsigned run) {
    if (run == kSession) return "会话（--session）";
    if (run == kBatch) return "批量计算（--batch）";
    if (run == kModel) return "墙体模型（--model）";
    if (run == kModelBatch) return "墙体模型批量计算（--model-batch）";
    return "一次计算";
}

// Why an option does not go with the run, or nothing.
std::string misplaced(const CommandLine& line) {
    for (const GivenOption& g : line.given) {
        if ((g.option->runs & line.run) == 0) {
            std::string where;
            for (const unsigned run : {kOnce, kSession, kBatch, kModel, kModelBatch}) {
                if ((g.option->runs & run) != 0)
                    where += (where.empty() ? "" : "或") + runName(run);
            }
            return "选项 --" + g.option->name + " 不能用于" + runName(line.run) + "，只能用于" +
                   where;
        }
    }
    if (line.has("date") && !line.has("pdf") && !line.has("pdf-dir")) {
        return "选项 --date 是计算书上的日期，须与 --pdf 或 --pdf-dir 同用";
    }
    return {};
}

// The width of a text in a terminal's columns: a Chinese character takes two.
std::size_t columnsOf(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) ++width;
        if (c >= 0xC0) width += 2;
    }
    return width;
}

// Writes `text` from column `indent` on, broken after a Chinese comma or an enumeration
// mark so that no line is wider than the help.
void printWrapped(std::ostream& out, std::string_view text, std::size_t indent) {
    constexpr std::string_view kBreaks[] = {"、", "，", "；"};
    std::size_t width = indent;
    while (!text.empty()) {
        std::size_t end = text.size();  // the piece up to and with the next break mark
        for (const std::string_view b : kBreaks) {
            if (const auto at = text.find(b); at != std::string_view::npos) {
                end = std::min(end, at + b.size());
            }
        }
        const std::string_view piece = text.substr(0, end);
        if (width > indent && width + columnsOf(piece) > kHelpWidth) {
            out << '\n' << std::string(indent, ' ');
            width = indent;
        }
        out << piece;
        width += columnsOf(piece);
        text.remove_prefix(end);
    }
    out << '\n';
}

}  // namespace

std::span<const Option> allOptions() {
    static const std::vector<Option> options = buildOptions();
    return options;
}

const std::string* CommandLine::value(std::string_view name) const {
    for (const GivenOption& g : given) {
        if (g.option->kind == OptionKind::Own && g.option->name == name) return &g.value;
    }
    return nullptr;
}

std::variant<CommandLine, std::string> parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "-h") arg = "--help";
        if (!arg.starts_with("--")) {
            return "多余的参数" + inQuotes(arg) + "；选项以 -- 开头，如 --h1 -0.45";
        }
        std::string_view name = arg.substr(2);
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            value = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        const Option* option = optionNamed(name);
        if (option == nullptr) {
            return "未知的选项" + inQuotes("--" + std::string(name)) +
                   "；全部选项见 wallcalc-cli --help";
        }
        if (option->argument.empty() && value) return "选项 --" + option->name + " 不带值";
        if (!option->argument.empty() && !value) {
            if (i + 1 >= args.size()) {
                return "选项 --" + option->name + " 后缺少" + option->argument;
            }
            value = args[++i];
        }
        for (const GivenOption& g : line.given) {
            if (g.option == option) return "选项 --" + option->name + " 给出了两次";
        }
        line.given.push_back({option, value.value_or("")});
        if (option->name == "session") line.run = kSession;
        if (option->name == "batch") line.run = kBatch;
        if (option->name == "model") line.run = kModel;
        if (option->name == "model-batch") line.run = kModelBatch;
    }
    if (line.has("help") || line.has("version")) return line;
    if (std::string why = misplaced(line); !why.empty()) return why;
    return line;
}

ProjectInfo projectWithOptions(const CommandLine& line, ProjectInfo base) {
    for (const GivenOption& g : line.given) {
        if (g.option->kind != OptionKind::Project) continue;
        for (const ProjectField& f : kProjectFields) {
            if (f.key == g.option->key) base.*(f.field) = g.value;
        }
    }
    return base;
}

void printHelp(std::ostream& out) {
    out << "wallcalc-cli：地下室外墙配筋计算，不用窗口。\n\n"
           "用法：\n"
           "  wallcalc-cli [输入…] [--json] [--pdf 文件] [--open 墙体文件] [--save 墙体文件]\n"
           "  wallcalc-cli --session 文件|-\n"
           "  wallcalc-cli --batch 墙体.csv [--out 结果.csv] [--pdf-dir 文件夹]\n"
           "  wallcalc-cli --model 墙体模型.json [--json] [--pdf 文件]\n"
           "  wallcalc-cli --model-batch 模型.jsonl|-\n"
           "选项的值可紧跟其后，也可写成 --h1=-0.45。\n";
    std::size_t width = 0;
    for (const Option& o : allOptions())
        width = std::max(width, columnsOf(o.name) + columnsOf(o.argument));
    for (int group = kInputs; group <= kOther; ++group) {
        out << '\n' << kSections[group] << '\n';
        for (const Option& o : allOptions()) {
            if (o.group != group) continue;
            const std::string head = "--" + o.name + (o.argument.empty() ? "" : " " + o.argument);
            out << "  " << head << std::string(width + 4 - columnsOf(head), ' ');
            printWrapped(out, o.help, width + 6);
        }
    }
    out << "\n批量计算的列名（键或窗口上的标签，不带冒号；缺少的列与空单元格取窗口的缺省值）：\n";
    std::string lineOut = " ";
    for (const Column& c : batchColumns()) {
        const std::string entry = " " + std::string(c.key) + "=" + std::string(c.label);
        if (columnsOf(lineOut + entry) > kHelpWidth) {
            out << lineOut << '\n';
            lineOut = " ";
        }
        lineOut += entry;
    }
    out << lineOut << '\n';
    out << "\n结果的列：输入的各列（表头照原样）；";
    for (const auto& column : resultColumns())
        out << column << ' ';
    out << "\n  " << kStatusColumn << "（" << kRowCompleted << " / " << kRowEnded << " / "
        << kRowNotUnderstood << "）、" << kMessagesColumn << "，\n有 --pdf-dir 时另有 "
        << kSheetColumn
        << "（计算书的文件名，或未写出的原因）。\n"
           "\n退出状态：0 计算完成且满足规范；1 计算提前结束，或有输出未能写出；2 "
           "命令行或输入文件无法识别（墙体模型：输入有误，消息中指明键）；3 "
           "计算完成但设计不满足规范要求。\n";
}

}  // namespace wallcalc::cli
