// Cost of the calculation of a position against a bare loop of the NCI NA.6.7 formulas over the
// same loads. After the runs one line per case gives the ratio aggregate / bare loop and the
// cost per load, so that the factor and the growth with the number of loads show in one run.
#include "bench_setup.h"
#include "core/tavo52_data.h"
#include "fasteners/opening_formulas.h"
#include "fasteners/partial_factors.h"
#include "materials/timber_strengths.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

enum Kind { kUnreinforced = 0, kRods = 1, kScrews = 2 };
const char* const kKindNames[] = {"unreinforced", "rods", "screws"};

NadEc5Block g_ec5;
NadEc3Block g_ec3;

void set_current_blocks() { make_blocks_current(g_ec5, g_ec3, 0); }

// Loads with varying forces and classes, the same for every case of a given count.
QVector<LoadRow> make_loads(int n)
{
    return bench_loads(n, [](int) { return QStringLiteral("L"); });
}

// Glulam beam 160 x 600 with an opening of 200, as in a typical floor beam.
void set_position(TAVO52_DATA& d, int kind, int n)
{
    d.typ_durchbruch = 0;
    d.b = 160;
    d.h = 600;
    d.h_ro = 200;
    d.h_ru = 200;
    d.a = 300;
    d.holzart = 2;
    d.holzguete = 4;
    d.nkl = 1;
    d.biegung = 1;
    d.schub = 1;
    d.verstaerkt = kind != kUnreinforced;
    d.verst_typ = kind;
    d.d_r = 12;
    d.l_e = 600;
    d.n_gs = 2;
    d.fest_gs = 23;
    d.typ_schraube = 14;
    d.d_schraube = 99;  // outside any table: the screw data below stay
    d.sc_d = 8;
    d.sc_d1 = 5.3;
    d.sc_dk = 10;
    d.sc_l = 500;
    d.sc_lef = 490;
    d.n_sc = 2;
    d.lasten = make_loads(n);
}

// The NA.6.7 formulas alone: geometry once, then per load and edge F_t,V + F_t,M against R_t,90,d.
double bare_formula_loop(const TAVO52_DATA& d)
{
    const double h_d = d.h - d.h_ro - d.h_ru;
    const double fak = d.typ_durchbruch == 1 ? 0.7 : 1.0;
    const double h_r = durchbruch_hr(d.typ_durchbruch, d.h_ro, d.h_ru, h_d);
    const double l_t90 = durchbruch_lt90(d.typ_durchbruch, h_d, d.h);
    const double k_t90 = durchbruch_kt90(d.h);
    const double ft90k = get_ft90k(d.holzart, d.holzguete);
    const double g0 = material_gamma_m(d.holzart, d.holzguete, 0);
    const double g1 = material_gamma_m(d.holzart, d.holzguete, 1);
    double eta_max = -1.0;
    for (const LoadRow& l : d.lasten) {
        const double gamma = (l.kled == 6 || l.kled == 7) ? g1 : g0;
        const double r = 0.001 * durchbruch_Ft90_resist(l_t90, d.b, k_t90, ft90k * l.kmod / gamma);
        const double fl = durchbruch_FtV(std::fabs(l.v_l), h_d * fak, d.h) + durchbruch_FtM(1000.0 * std::fabs(l.m_l), h_r);
        const double fr = durchbruch_FtV(std::fabs(l.v_r), h_d * fak, d.h) + durchbruch_FtM(1000.0 * std::fabs(l.m_r), h_r);
        eta_max = std::max(eta_max, std::max(fl, fr) / r);
    }
    return eta_max;
}

void BM_Aggregate(benchmark::State& state, int kind)
{
    const int n = static_cast<int>(state.range(0));
    TAVO52_DATA d;
    set_position(d, kind, n);
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.cal_nachweise());
        benchmark::DoNotOptimize(d.eta_max);
    }
    state.SetComplexityN(n);
    state.counters["kind"] = kind;
    state.counters["loads"] = n;
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_BareFormulas(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TAVO52_DATA d;
    set_position(d, kUnreinforced, n);
    for (auto _ : state) benchmark::DoNotOptimize(bare_formula_loop(d));
    state.SetComplexityN(n);
    state.counters["kind"] = -1;
    state.counters["loads"] = n;
    state.SetItemsProcessed(state.iterations() * n);
}

const int kCounts[] = {1, 100, 10000, 100000};

void count_args(benchmark::internal::Benchmark* b)
{
    for (int n : kCounts) b->Args({n});
}

// One family per case, so that each gets its own fit of the growth with the number of loads.
void register_benchmarks()
{
    benchmark::RegisterBenchmark("BM_BareFormulas", BM_BareFormulas)->Apply(count_args)->Complexity(benchmark::oN);
    for (int kind : {kUnreinforced, kRods, kScrews}) {
        const std::string name = std::string("BM_Aggregate/") + kKindNames[kind];
        benchmark::RegisterBenchmark(name.c_str(), BM_Aggregate, kind)->Apply(count_args)->Complexity(benchmark::oN);
    }
}

// Console output as usual, and the CPU time per iteration of every case kept for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
            const auto kind = r.counters.find("kind");
            const auto loads = r.counters.find("loads");
            if (kind == r.counters.end() || loads == r.counters.end()) continue;
            times_[{static_cast<int>(kind->second.value), static_cast<int>(loads->second.value)}] =
                r.GetAdjustedCPUTime();
        }
    }
    void print_ratios() const
    {
        std::printf("\nAggregate check against the bare NA.6.7 formula loop (CPU time per run):\n");
        std::printf("%-14s %8s %14s %14s %8s %12s\n", "case", "loads", "aggregate ns", "bare loop ns", "ratio",
                    "ns per load");
        for (int kind : {kUnreinforced, kRods, kScrews}) {
            for (int n : kCounts) {
                const auto a = times_.find({kind, n});
                const auto b = times_.find({-1, n});
                if (a == times_.end() || b == times_.end()) continue;
                std::printf("%-14s %8d %14.1f %14.1f %8.2f %12.2f\n", kKindNames[kind], n, a->second, b->second,
                            a->second / b->second, a->second / n);
            }
        }
    }

private:
    std::map<std::pair<int, int>, double> times_;
};

}  // namespace

int main(int argc, char** argv)
{
    set_current_blocks();
    register_benchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratios();
    benchmark::Shutdown();
    return 0;
}
