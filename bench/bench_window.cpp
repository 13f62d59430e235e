// Cost of the main window's work with many loads, each against the work it cannot avoid, measured
// side by side in one run:
//  - importing N internal-force rows (tools, result file, table) against the tools' exchange alone
//    plus one calculation and one repaint of the window with N loads;
//  - one edit of a dimension with automatic calculation on (rules, side view, calculation, results
//    shown and painted) against the calculation alone, and the same edit across a geometry rule.
// After the runs one line per case and count gives the ratios the goals are stated in.
#include "../tests/core/import_fixture.h"
#include "bench_setup.h"
#include "core/import_forces.h"
#include "core/position_file.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "gui/main_window.h"
#include "gui/main_window_import.h"
#include "platform/os/calllog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QSpinBox>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string g_root;  // scratch environment: EXEC, TEMP, DATA, DRAM and the position's files

void write(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The environment's folders with the stand-in tools, as the program finds them when started.
void make_environment()
{
    char folder[] = "/tmp/bench_window_XXXXXX";
    if (!mkdtemp(folder)) std::exit(1);
    g_root = folder;
    for (const char* sub : {"EXEC", "TEMP", "DATA/BAUTEILE", "DATA/PRIVATE", "DRAM"})
        fs::create_directories(g_root + "/" + sub);
    for (const char* tool : {"VYOSelct", "Trobavex"})
        fs::copy_file(std::string(TAVO_SOURCE_DATA_DIR) + "/EXEC/" + tool, g_root + "/EXEC/" + tool);
    for (const char* key : {"EXEC", "TEMP", "DATA", "DRAM"}) setenv(key, (g_root + "/" + key).c_str(), 1);
    component_id = "BENCH";
    inp_path = g_root + "/BENCH_01.inp";
    nad_path = g_root + "/BENCH_01.nad";
    ini_path = g_root + "/BENCH_01.ini";
    oli_path = g_root + "/BENCH_01.oli";
    fonts_path = g_root + "/DRAM/tavo52_fonts";
    position_title = QStringLiteral("Position 1: Benchmark");
}

// n pairs of combinations (left edge, then right edge) with varying forces and markers.
std::vector<importfix::Row> combinations(int n)
{
    std::vector<importfix::Row> rows;
    rows.reserve(size_t(2 * n));
    for (int k = 0; k < n; ++k)
        rows.push_back(importfix::row(5.0 + 0.001 * k, 2.0 + 0.002 * k, 0, 0, k % 7 == 0, 0.9, "LK " + std::to_string(k)));
    for (int k = 0; k < n; ++k) rows.push_back(importfix::row(0, 0, 4.0 + 0.001 * k, 1.5 + 0.003 * k, 0, 0.9, "r"));
    return rows;
}

void write_component(int n)
{
    write(g_root + "/DATA/BAUTEILE/BALKEN.EX2",
          importfix::component_export(importfix::two_cuts(7005, 12.0, 24.0), {n, n}, combinations(n)));
}

// Glulam GL30h 120 x 240 inside the geometry limits, unreinforced, automatic calculation on.
void write_position(int loads)
{
    TAVO52_DATA d;
    d.holzart = 2;
    d.holzguete = 5;
    d.nkl = 1;
    d.b = 120;
    d.h = 240;
    d.h_ro = 102;
    d.h_ru = 102;
    d.a = 90;
    d.verstaerkt = 0;
    d.cal_auto = 1;
    d.biegung = 1;
    d.schub = 1;
    for (int i = 0; i < loads; ++i) {
        LoadRow r;
        r.name = QStringLiteral("LF %1").arg(i + 1);
        r.v_l = 3.0 + 0.001 * i;
        r.v_r = -2.0 - 0.001 * i;
        r.m_l = 1.0 + 0.0005 * i;
        r.m_r = 0.8;
        r.kled = i % 9;
        d.lasten.append(r);
    }
    write(inp_path, position_data_text(d));
}

std::unique_ptr<MainWindow> open_window(int loads)
{
    write_position(loads);
    auto w = std::make_unique<MainWindow>();
    w->show();
    QCoreApplication::processEvents();
    return w;
}

void BM_Import(benchmark::State& state)
{
    const int n = int(state.range(0));
    write_component(n);
    auto w = open_window(0);
    w->cb_import_sni->setChecked(true);
    w->cb_import_mat->setChecked(false);
    w->cb_import_geo->setChecked(false);
    for (auto _ : state) {
        state.PauseTiming();
        w->loads_model()->removeRows(0, w->loads_model()->rowCount());
        last_component = nullptr;
        QCoreApplication::processEvents();
        state.ResumeTiming();
        run_force_import(*w);
        QCoreApplication::processEvents();  // the queued repaints
    }
    if (w->loads_model()->rowCount() != n) state.SkipWithError("rows missing after the import");
    state.counters["rows"] = n;
}

// What an import cannot avoid: the tools' exchange with the reading of their result file.
void BM_ToolExchange(benchmark::State& state)
{
    const int n = int(state.range(0));
    write_component(n);
    static const char* const names[2] = {"linker Rand", "rechter Rand"};
    for (auto _ : state) {
        last_component = nullptr;
        if (Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, names) != 2 * n)
            state.SkipWithError("the tools delivered no rows");
        clear_imported_forces();
    }
    state.counters["rows"] = n;
}

// Reading the result file alone.
void BM_ReadResultFile(benchmark::State& state)
{
    const int n = int(state.range(0));
    const std::string path = g_root + "/TEMP/bench.res";
    write(path, importfix::result_file(2, importfix::two_cuts(7005, 12.0, 24.0), {n, n}, combinations(n)));
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        if (read_beam_cut_results(f, 2) != 2 * n) state.SkipWithError("the result file was not read");
        std::fclose(f);
        clear_imported_forces();
    }
    state.counters["rows"] = n;
}

// The calculation of the position with N loads, as the window's data object holds them.
void BM_Calculation(benchmark::State& state)
{
    const int n = int(state.range(0));
    auto w = open_window(n);
    w->maske2data();
    for (auto _ : state) benchmark::DoNotOptimize(data_object.cal_nachweise());
    state.counters["rows"] = n;
}

// One full repaint of the window showing N loads.
void BM_Repaint(benchmark::State& state)
{
    const int n = int(state.range(0));
    auto w = open_window(n);
    for (auto _ : state) w->repaint();
    state.counters["rows"] = n;
}

// One edit of a dimension, as the arrow key gives it, until the results are painted: h_ro between
// 102 and 103 mm keeps every geometry rule (h = 240: h_d = 36 or 35 <= 0.15 h = 36), so each edit
// calculates once and repaints what the new results change.
void BM_Edit(benchmark::State& state)
{
    const int n = int(state.range(0));
    auto w = open_window(n);
    int h = w->ed_Balken_hro->value();
    const int before = w->calculations_run();
    for (auto _ : state) {
        h = h == 102 ? 103 : 102;
        w->ed_Balken_hro->setValue(h);
        QCoreApplication::processEvents();
    }
    if (w->calculations_run() - before != int(state.iterations())) state.SkipWithError("not one calculation an edit");
    state.counters["rows"] = n;
}

// The same arrow key across a rule: h_ro = 101 mm gives h_d = 37 > 36, so every other edit breaks
// the rule and the next one keeps it again. No calculation then; the rule's label changes colour, the
// results turn grey and the status line that names the broken rule comes and goes.
void BM_EditAcrossRule(benchmark::State& state)
{
    const int n = int(state.range(0));
    auto w = open_window(n);
    int h = w->ed_Balken_hro->value();
    for (auto _ : state) {
        h = h == 102 ? 101 : 102;
        w->ed_Balken_hro->setValue(h);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = n;
}

const int kImportRows[] = {100, 1000, 10000};
const int kEditLoads[] = {100, 1000, 10000};

void register_benchmarks()
{
    for (int n : kImportRows) {
        // A run waits about a second for the tools: one iteration a repetition, five repetitions, all shown.
        const int reps = 5;
        for (auto* b : {benchmark::RegisterBenchmark("BM_Import", BM_Import), benchmark::RegisterBenchmark("BM_ToolExchange", BM_ToolExchange)})
            b->Arg(n)->Iterations(1)->Repetitions(reps)->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("BM_ReadResultFile", BM_ReadResultFile)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    for (int n : kEditLoads) {
        benchmark::RegisterBenchmark("BM_Calculation", BM_Calculation)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("BM_Repaint", BM_Repaint)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("BM_Edit", BM_Edit)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("BM_EditAcrossRule", BM_EditAcrossRule)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
}

void print_ratios(const TimesReporter& t)
{
    // The tools' own wait is their exchange less the reading; what the import adds beyond that wait
    // is measured against reading, calculating and painting once. Wall time carries the tools' jitter
    // of tens of milliseconds; the window's thread's CPU time does not, the tools being processes.
    std::printf("\nImport against the tools' exchange, the result file, one calculation and one repaint (ms):\n");
    std::printf("%6s %5s %9s %9s %7s %6s %6s %8s %8s\n", "rows", "time", "import", "tools", "read", "calc", "paint",
                "excess", "/budget");
    for (int n : kImportRows) {
        for (bool cpu : {false, true}) {
            const auto m = [&](const char* name) { return cpu ? t.cpu_median(name, n) : t.median(name, n); };
            const double imp = m("BM_Import"), tools = m("BM_ToolExchange"), read = m("BM_ReadResultFile");
            const double calc = std::max(0.0, m("BM_Calculation")), paint = std::max(0.0, m("BM_Repaint"));
            if (imp < 0 || tools < 0 || read < 0) continue;
            const double excess = imp - (tools - read);
            std::printf("%6d %5s %9.1f %9.1f %7.2f %6.2f %6.2f %8.2f %8.2f\n", n, cpu ? "cpu" : "wall", imp, tools, read,
                        calc, paint, excess, excess / (read + calc + paint));
        }
    }
    std::printf("\nOne dimension edit against the calculation alone (ms); across a rule: no calculation:\n");
    std::printf("%8s %10s %10s %8s %12s\n", "loads", "edit", "calc", "ratio", "across rule");
    for (int n : kEditLoads) {
        const double edit = t.median("BM_Edit", n), calc = t.median("BM_Calculation", n);
        const double across = t.median("BM_EditAcrossRule", n);
        if (edit > 0 && calc > 0) std::printf("%8d %10.3f %10.3f %8.2f %12.3f\n", n, edit, calc, edit / calc, across);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    make_environment();
    register_benchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TimesReporter reporter("rows");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    print_ratios(reporter);
    benchmark::Shutdown();
    fs::remove_all(g_root);
    return 0;
}
