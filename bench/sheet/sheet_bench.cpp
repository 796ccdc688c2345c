// Speed of calculation sheets: one sheet's PDF written in process, its layout alone, and
// the command line's batch of walls with a sheet for each, start-up included.
//
//   sheet_bench [Google Benchmark options]
//   sheet_bench --walls FILE ROWS     writes the batch of walls the benchmark runs
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "face_repertoire.hpp"
#include "pdf/pdf_objects.hpp"
#include "sheet_blocks.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/pdf_file.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"
#include "walls.hpp"

namespace {

using namespace wallcalc;

// The level the program writes its sheets' streams at (pdf_objects.cpp).
constexpr int kSheetsDeflateLevel = 6;

// The sheets measured: both modes, the three cases and both design bases.
struct SheetKind {
    const char* name;
    bool civilDefence;
    int loadCase;
    const char* h2;
    int basis;
};
constexpr SheetKind kKinds[] = {
    {"ordinary A", false, 0, "-1.35", 0},
    {"civil-defence B", true, 1, "-3.5", 0},
    {"ordinary C, GB 50010-2010", false, 2, "-7", 1},
};

sheet::CalculationSheet sheetOfKind(const SheetKind& kind) {
    WindowModel w;
    kind.civilDefence ? w.clickCivilDefence() : w.clickOrdinary();
    w.select(List::Combo3, kind.loadCase);
    w.select(List::Combo4, kind.basis);
    w.type(Box::Text2, kind.h2);
    if (kind.civilDefence) w.type(Box::Text20, "50");  // the civil-defence load
    sheet::CalculationSheet s = sheet::sheetOf(w.pressCompute());
    s.name = "W1";
    s.date = "2024-05-01";
    s.project = {"滨江花园二期", "W1 地下一层", "张工", "李工", "王工"};
    return s;
}

double fileBytes(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<double>(size);
}

// One sheet's PDF by the program's own writer, as the program writes it.
void BM_SheetPdf(benchmark::State& state) {
    const SheetKind& kind = kKinds[state.range(0)];
    state.SetLabel(kind.name);
    const sheet::CalculationSheet s = sheetOfKind(kind);
    QTemporaryDir dir;
    const std::string path = dir.filePath("sheet.pdf").toStdString();
    for (auto _ : state) {
        if (sheet::writeSheetPdf(s, path).failure) state.SkipWithError("the sheet was not written");
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["bytes"] = fileBytes(path);
}
BENCHMARK(BM_SheetPdf)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The same sheet by QPdfWriter, the sheets' writer before the program had its own (at the
// resolution it was used with), written whole and renamed into place as the program does.
void BM_SheetPdfQPdfWriter(benchmark::State& state) {
    const SheetKind& kind = kKinds[state.range(0)];
    state.SetLabel(kind.name);
    const sheet::CalculationSheet s = sheetOfKind(kind);
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    for (auto _ : state) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("no file");
        {
            QPdfWriter writer(&file);
            writer.setResolution(600);
            sheet::setUpSheetPage(writer);
            if (sheet::renderSheet(s, writer)) state.SkipWithError("the sheet was not drawn");
        }
        file.commit();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["bytes"] = fileBytes(path.toStdString());
}
BENCHMARK(BM_SheetPdfQPdfWriter)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The program's writer on a sheet whose glyphs no sheet before drew (a new hanzi in the
// wall's name each time), so that its face is cut and compressed anew, as for the first
// sheet of its kind in a batch; with the streams compressed at one of libdeflate's levels,
// to choose the level by.
void BM_SheetPdfNewGlyphs(benchmark::State& state) {
    sheet::CalculationSheet s = sheetOfKind(kKinds[0]);
    QTemporaryDir dir;
    const std::string path = dir.filePath("sheet.pdf").toStdString();
    std::vector<char32_t> hanzi;
    for (const char32_t c : sheet::sheetRepertoire()) {
        if (c >= 0x4E00) hanzi.push_back(c);
    }
    sheet::pdf::setDeflateLevel(static_cast<int>(state.range(0)));
    std::size_t next = static_cast<std::size_t>(state.range(0)) * 997;
    for (auto _ : state) {
        s.name = "W1 " + QString::fromUcs4(&hanzi[next++ % hanzi.size()], 1).toStdString();
        if (sheet::writeSheetPdf(s, path).failure) state.SkipWithError("the sheet was not written");
    }
    sheet::pdf::setDeflateLevel(kSheetsDeflateLevel);
    state.counters["bytes"] = fileBytes(path);
}
BENCHMARK(BM_SheetPdfNewGlyphs)
    ->Arg(1)
    ->Arg(3)
    ->Arg(5)
    ->Arg(6)
    ->Arg(9)
    ->Arg(12)
    ->Unit(benchmark::kMillisecond);

// The sheet's blocks for a page: every line measured and broken, nothing drawn.
void BM_SheetLayout(benchmark::State& state) {
    const sheet::CalculationSheet s = sheetOfKind(kKinds[0]);
    for (auto _ : state) {
        const sheet::SheetStyle style;
        benchmark::DoNotOptimize(sheet::sheetBlocks(s, style, 8000).size());
    }
}
BENCHMARK(BM_SheetLayout)->Unit(benchmark::kMillisecond);

double childCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The whole program, as an engineer runs it: `wallcalc-cli --batch walls.csv --out
// results.csv --pdf-dir sheets`. Wall time is the figure; "cpu_s" is the program's CPU time
// on every core.
void BM_CliBatchWithSheets(benchmark::State& state) {
    const auto rows = static_cast<std::size_t>(state.range(0));
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    std::ofstream(folder / "walls.csv", std::ios::binary) << bench::wallsCsv(rows);
    const std::string command = std::string(WALLCALC_CLI) + " --batch " +
                                (folder / "walls.csv").string() + " --out " +
                                (folder / "r.csv").string() + " --pdf-dir " +
                                (folder / "sheets").string() + " --date 2024-05-01 2>/dev/null";
    double cpu = 0;
    for (auto _ : state) {
        std::filesystem::remove_all(folder / "sheets");
        const double before = childCpuSeconds();
        // Rows that do not complete give a non-zero status; only a run that did not start
        // (no program, a file or command line not understood: 2) spoils the figure.
        const int status = std::system(command.c_str());
        if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
            state.SkipWithError("wallcalc-cli failed");
        cpu += childCpuSeconds() - before;
    }
    std::vector<double> sizes;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "sheets"))
        sizes.push_back(static_cast<double>(entry.file_size()));
    std::sort(sizes.begin(), sizes.end());
    state.counters["sheets"] = static_cast<double>(sizes.size());
    state.counters["median_bytes"] = sizes.empty() ? 0 : sizes[sizes.size() / 2];
    state.counters["cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    state.counters["cpu_ms_per_sheet"] = benchmark::Counter(cpu * 1000 / static_cast<double>(rows),
                                                            benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CliBatchWithSheets)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--walls") == 0) {
        std::ofstream out(argv[2], std::ios::binary);
        out << bench::wallsCsv(std::strtoul(argv[3], nullptr, 10));
        return out ? 0 : 1;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    sheet::prepareSheetFaces();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
