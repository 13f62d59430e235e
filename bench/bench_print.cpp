// Cost of the printed calculation of a position: the output list alone (calculation, list and plot
// file) and the list with its PDF as the viewer renders it, for 1 to 10,000 loads. After the runs
// one line per count gives the cost against that of 100 loads, so that the growth shows in one run.
#include "bench_setup.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"
#include "platform/viewer/oli_viewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QPixmap>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

NadEc5Block g_ec5;
NadEc3Block g_ec3;

void set_current_blocks() { make_blocks_current(g_ec5, g_ec3, 1); }

// Glulam beam 160 x 600 with an opening of 300 and glued-in rods, the loads varying.
void set_position(TAVO52_DATA& d, int n)
{
    d.b = 160;
    d.h = 600;
    d.h_ro = 200;
    d.h_ru = 200;
    d.a = 300;
    d.holzart = 2;
    d.holzguete = 4;
    d.verstaerkt = 1;
    d.verst_typ = 1;
    d.d_r = 12;
    d.l_e = 600;
    d.n_gs = 2;
    d.a_3c = 60;
    d.lasten = bench_loads(n, [](int i) { return QString::fromUtf8("Lastfall %1 ständig+Schnee").arg(i + 1); });
}

void BM_OutputList(benchmark::State& state)
{
    TAVO52_DATA d;
    set_position(d, int(state.range(0)));
    int e = 0;
    for (auto _ : state) benchmark::DoNotOptimize(d.cal_Print(&e));
    if (e != 0) state.SkipWithError("the list could not be written");
    state.counters["loads"] = double(state.range(0));
}

void BM_OutputListAndPdf(benchmark::State& state)
{
    TAVO52_DATA d;
    set_position(d, int(state.range(0)));
    const std::string pdf = oliview::pdf_path_for(oli_path);
    int e = 0;
    for (auto _ : state) {
        d.cal_Print(&e);
        benchmark::DoNotOptimize(oliview::render_list_pdf(oli_path, pdf, component_id).ok);
    }
    if (e != 0) state.SkipWithError("the list could not be written");
    state.counters["loads"] = double(state.range(0));
    // Text draw calls of one render: whole cells keep them near the number of cells, not of characters.
    state.counters["draws"] = double(oliview::last_render_stats().text_draws);
    state.counters["pages"] = double(oliview::last_render_stats().pages);
}

// One run in a process of its own, for its peak resident memory: "list", "pdf" or "preview" of n
// loads. Prints the kind, the loads and the peak RSS in MB.
int rss_run(const std::string& kind, int n)
{
    TAVO52_DATA d;
    set_position(d, n);
    int e = 0;
    d.cal_Print(&e);
    if (e != 0) return 1;
    if (kind == "pdf") {
        if (!oliview::render_list_pdf(oli_path, oliview::pdf_path_for(oli_path), component_id).ok) return 1;
        // A copy of the PDF to look at: TAVO_SAMPLE_OUT=<file>.
        if (const char* keep = std::getenv("TAVO_SAMPLE_OUT")) std::rename(oliview::pdf_path_for(oli_path).c_str(), keep);
    } else if (kind == "preview") {
        QWidget* dialog = oliview::make_preview_dialog(oli_path, component_id);
        if (!dialog) return 1;
        dialog->show();
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
        if (const char* keep = std::getenv("TAVO_SAMPLE_OUT")) dialog->grab().save(QString::fromLocal8Bit(keep));
        delete dialog;
    }
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("%s %d loads: peak RSS %.1f MB\n", kind.c_str(), n, ru.ru_maxrss / 1024.0);
    return 0;
}

const int kCounts[] = {1, 100, 1000, 10000};

void register_benchmarks()
{
    for (int n : kCounts) {
        // The largest lists take seconds a run: three runs of those are enough.
        auto* list = benchmark::RegisterBenchmark("BM_OutputList", BM_OutputList)->Arg(n);
        auto* pdf = benchmark::RegisterBenchmark("BM_OutputListAndPdf", BM_OutputListAndPdf)->Arg(n);
        for (auto* b : {list, pdf}) {
            b->Unit(benchmark::kMillisecond)->UseRealTime();
            if (n >= 1000) b->Iterations(3);
        }
    }
}

void print_growth(const TimesReporter& t)
{
    std::printf("\nList and PDF against 100 loads (wall time per run):\n");
    std::printf("%8s %12s %12s %10s\n", "loads", "list ms", "list+pdf ms", "/100 loads");
    const double base = t.median("BM_OutputListAndPdf", 100);
    for (int n : kCounts) {
        const double list = t.median("BM_OutputList", n), pdf = t.median("BM_OutputListAndPdf", n);
        if (list > 0 && pdf > 0 && base > 0) std::printf("%8d %12.2f %12.2f %10.2f\n", n, list, pdf, pdf / base);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    set_current_blocks();

    // The position's files go to a folder of their own below the temp folder.
    char folder[] = "/tmp/bench_print_XXXXXX";
    if (!mkdtemp(folder)) return 1;
    component_id = "BENCH";
    oli_path = std::string(folder) + "/BENCH_01.oli";
    position_title = QStringLiteral("Position 1: Benchmark");

    // "--rss KIND N": one run for its peak memory instead of the timed runs.
    if (argc == 4 && std::string(argv[1]) == "--rss") {
        const int rc = rss_run(argv[2], std::atoi(argv[3]));
        for (const char* name : {"/BENCH_01.oli", "/BENCH_01.oli.pdf", "/BENCH01.SPF"})
            std::remove((std::string(folder) + name).c_str());
        rmdir(folder);
        return rc;
    }
    register_benchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TimesReporter reporter("loads");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    print_growth(reporter);
    benchmark::Shutdown();

    for (const char* name : {"/BENCH_01.oli", "/BENCH_01.oli.pdf", "/BENCH01.SPF"})
        std::remove((std::string(folder) + name).c_str());
    rmdir(folder);
    return 0;
}
