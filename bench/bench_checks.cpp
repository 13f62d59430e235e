// Cost of the calculation of a position against a reference loop that computes the same three
// checks (opening, bending, shear at the reduced section) inline in double and writes the same
// per-load rows. Every case runs at 1, 100, 1,000, 10,000 and 100,000 loads, each repetition is
// reported, and after the runs one line per case and count gives the ratio aggregate / reference.
#include "bench_setup.h"
#include "core/check_opening.h"
#include "core/tavo52_data.h"
#include "fasteners/fastener_tables.h"
#include "materials/timber_strengths.h"
#include "platform/env/vyk_env.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

enum Kind { kUnreinforced = 0, kRods = 1, kScrews = 2 };
const char* const kKindNames[] = {"unreinforced", "rods", "screws"};

NadEc5Block g_ec5;
NadEc3Block g_ec3;

// Loads with varying forces and classes, the same for every case of a given count.
QVector<LoadRow> make_loads(int n)
{
    return bench_loads(n, [](int) { return QStringLiteral("L"); });
}

// Glulam beam 160 x 600 with an opening of 200, as in a typical floor beam; the screws are the
// shipped cylinder-head table's 8 mm x 480 mm.
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
    d.d_schraube = 1;   // 8 mm
    d.l_schraube = 14;  // 480 mm
    d.n_sc = 2;
    d.rho_k = 410;
    d.lasten = make_loads(n);
}

// Per-load rows of the reference, kept between runs as the data object keeps its own.
struct ReferenceRows {
    std::vector<OpeningCheckRow> opening;
    std::vector<BendingCheckRow> bending;
    std::vector<ShearCheckRow> shear;
};

// The three checks over every load, inline in double, with the position's values as the aggregate
// derived them (strengths, geometry, reinforcement capacities); returns the largest utilisation.
double reference_loop(const TAVO52_DATA& d, double f_t, double gamma_normal, double gamma_accidental, double gamma_m2,
                      double gamma_m2_accidental, ReferenceRows& out)
{
    const int n = d.lasten.size();
    out.opening.resize(size_t(n));
    out.bending.resize(size_t(n));
    out.shear.resize(size_t(n));
    const double h = d.h, h_ro = d.h_ro, h_ru = d.h_ru, b = d.b;
    const double h_d = h - h_ro - h_ru, h_d_eff = h_d * d.fak_hd;
    const double ftv_factor = h_d_eff / (4.0 * h) * (3.0 - h_d_eff * h_d_eff / (h * h));
    const double ftm_factor = 0.008 * 1000.0 / d.h_r;
    const double resist_factor = 0.001 * 0.5 * d.l_t90 * b * d.k_t90;
    // bending: net section of the two chords
    const double area = b * (h_ro + h_ru);
    const double z_s = (b * h_ru * (h - h_ru / 2.0) + b * h_ro * h_ro / 2.0) / area, z_u = h - z_s;
    const double i_nz = b * ((h_ro * h_ro * h_ro + h_ru * h_ru * h_ru) / 12.0 + h_ro * (z_s - h_ro / 2.0) * (z_s - h_ro / 2.0) +
                             h_ru * (z_u - h_ru / 2.0) * (z_u - h_ru / 2.0));
    const double w_no = i_nz / z_s, w_nu = i_nz / z_u, w_o = b * h_ro * h_ro / 6.0, w_u = b * h_ru * h_ru / 6.0;
    const double chord_o = 0.0005 * d.a * h_ro / (h_ro + h_ru), chord_u = 0.0005 * d.a * h_ru / (h_ro + h_ru);
    const double f_m = d.fmk, f_c = d.fc0k;
    // shear
    const double tau_factor = 1500.0 * d.kappa_max / d.a_ef;
    double eta_max = 0.0;
    for (int i = 0; i < n; ++i) {
        const LoadRow& l = d.lasten[i];
        const bool acc = l.kled == 6 || l.kled == 7;
        const double gamma = acc ? gamma_accidental : gamma_normal, kmod = l.kmod, factor = kmod / gamma;

        OpeningCheckRow& o = out.opening[size_t(i)];
        o = OpeningCheckRow();
        o.gamma_m = gamma;
        o.ft90d = d.ft90k * factor;
        o.rt90d = resist_factor * o.ft90d;
        o.v_l = std::fabs(l.v_l);
        o.m_l = std::fabs(l.m_l);
        o.v_r = std::fabs(l.v_r);
        o.m_r = std::fabs(l.m_r);
        o.ftv_l = ftv_factor * o.v_l;
        o.ftm_l = ftm_factor * o.m_l;
        o.ft90_l = o.ftv_l + o.ftm_l;
        o.ftv_r = ftv_factor * o.v_r;
        o.ftm_r = ftm_factor * o.m_r;
        o.ft90_r = o.ftv_r + o.ftm_r;
        if (d.verstaerkt == 0) {
            o.eta_l = o.ft90_l / o.rt90d;
            o.eta_r = o.ft90_r / o.rt90d;
        } else if (d.verst_typ == 1) {
            o.fk1d = d.fk1k * factor;
            o.rax_d_rod = 0.00314159265359 * o.fk1d * d.l_ad * d.d_r;
            o.gamma_m2 = acc ? gamma_m2_accidental : gamma_m2;
            o.rt_d_rod = d.ft_gs / (1000.0 * o.gamma_m2);
            o.eta_bond_l = o.ft90_l / (d.n_gs * o.rax_d_rod);
            o.eta_steel_l = o.ft90_l / (d.n_gs * o.rt_d_rod);
            o.eta_bond_r = o.ft90_r / (d.n_gs * o.rax_d_rod);
            o.eta_steel_r = o.ft90_r / (d.n_gs * o.rt_d_rod);
            o.eta_l = std::max(o.eta_bond_l, o.eta_steel_l);
            o.eta_r = std::max(o.eta_bond_r, o.eta_steel_r);
        } else {
            o.rax_d_screw = d.raxk * factor;
            o.eta_l = o.ft90_l / (d.n_sc * o.rax_d_screw);
            o.eta_r = o.ft90_r / (d.n_sc * o.rax_d_screw);
        }
        o.eta = std::max(o.eta_l, o.eta_r);

        BendingCheckRow& g = out.bending[size_t(i)];
        g = BendingCheckRow();
        g.gamma_m = gamma;
        g.ft0d = factor * f_t;
        g.fc0d = factor * f_c;
        g.fmd = factor * f_m;
        g.m = (l.m_l + l.m_r) / 2.0;
        g.v = std::fabs(l.v_l + l.v_r) / 2.0;
        g.n = (l.n_l + l.n_r) / 2.0;
        g.m_o = g.m < 0.0 ? -chord_o * g.v : chord_o * g.v;
        g.m_u = g.m < 0.0 ? -chord_u * g.v : chord_u * g.v;
        g.sigma_n = 1000.0 * g.n / area;
        g.sigma_m_o = -1e6 * g.m / w_no;
        g.sigma_m_u = 1e6 * g.m / w_nu;
        g.delta_sigma_o = -1e6 * g.m_o / w_o;
        g.delta_sigma_u = 1e6 * g.m_u / w_u;
        g.sigma_o = g.sigma_n + g.sigma_m_o + g.delta_sigma_o;
        g.sigma_u = g.sigma_n + g.sigma_m_u + g.delta_sigma_u;
        const double compression = (g.sigma_n / g.fc0d) * (g.sigma_n / g.fc0d), tension = g.sigma_n / g.ft0d;
        g.eta_o = std::fabs(g.sigma_m_o + g.delta_sigma_o) / g.fmd + (g.sigma_o < 0.0 ? compression : tension);
        g.eta_u = std::fabs(g.sigma_m_u + g.delta_sigma_u) / g.fmd + (g.sigma_u < 0.0 ? compression : tension);
        g.eta = std::max(g.eta_o, g.eta_u);

        ShearCheckRow& s = out.shear[size_t(i)];
        s = ShearCheckRow();
        s.gamma_m = gamma;
        s.fvd = kmod * d.fvk / gamma;
        s.v_l = std::fabs(l.v_l);
        s.v_r = std::fabs(l.v_r);
        s.tau_l = tau_factor * s.v_l;
        s.tau_r = tau_factor * s.v_r;
        s.eta_l = s.tau_l / s.fvd;
        s.eta_r = s.tau_r / s.fvd;
        s.eta = std::max(s.eta_l, s.eta_r);

        eta_max = std::max(eta_max, std::max(o.eta, std::max(g.eta, s.eta)));
    }
    return eta_max;
}

// Every field of every row of the reference equals the aggregate's, up to the rounding of a
// different order of operations (relative, or absolute near zero where a sum cancels).
template <class Row>
bool same_rows(const QVector<Row>& aggregate, const std::vector<Row>& reference)
{
    static_assert(sizeof(Row) % sizeof(double) == 0, "rows of doubles");
    if (size_t(aggregate.size()) != reference.size()) return false;
    const size_t fields = sizeof(Row) / sizeof(double);
    for (size_t i = 0; i < reference.size(); ++i) {
        const double* a = reinterpret_cast<const double*>(&aggregate[int(i)]);
        const double* r = reinterpret_cast<const double*>(&reference[i]);
        for (size_t k = 0; k < fields; ++k)
            if (!(a[k] == r[k] || std::fabs(a[k] - r[k]) <= 1e-9 * std::max({1.0, std::fabs(a[k]), std::fabs(r[k])})))
                return false;
    }
    return true;
}

void BM_Aggregate(benchmark::State& state, int kind)
{
    const int n = int(state.range(0));
    TAVO52_DATA d;
    set_position(d, kind, n);
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.cal_nachweise());
        benchmark::DoNotOptimize(d.eta_max);
    }
    state.counters["loads"] = n;
}

void BM_Reference(benchmark::State& state, int kind)
{
    const int n = int(state.range(0));
    TAVO52_DATA d;
    set_position(d, kind, n);
    d.cal_nachweise();  // the position's values the reference starts from
    if (kind == kScrews && !(d.raxk > 0.0)) state.SkipWithError("no withdrawal capacity from the screw table");
    const double g0 = d.zeilen_durchbruch.isEmpty() ? 1.3 : d.zeilen_durchbruch[0].gamma_m;
    double g1 = g0;
    for (int i = 0; i < n; ++i)
        if (kled_is_accidental(d.lasten[i].kled)) g1 = d.zeilen_durchbruch[i].gamma_m;
    double f_m = 0, f_t = 0, f_c = 0, f_v = 0, f_c90 = 0, k_h = 1;
    get_strengths(d.holzart, d.holzguete, 1, 6, d.b, d.h, &f_m, &f_t, &f_c, &f_v, &f_c90, &k_h);
    f_t *= 0.001;
    ReferenceRows rows;
    const double m2 = g_ec3.ec3_1.gamma_m2, m2_acc = g_ec3.ec3_1.gamma_m2_accidental;
    for (auto _ : state) benchmark::DoNotOptimize(reference_loop(d, f_t, g0, g1, m2, m2_acc, rows));
    // The reference computes what the aggregate computes.
    if (std::fabs(reference_loop(d, f_t, g0, g1, m2, m2_acc, rows) - d.eta_max) > 1e-9 * std::max(1.0, d.eta_max))
        state.SkipWithError("the reference's largest utilisation differs from the aggregate's");
    else if (!same_rows(d.zeilen_durchbruch, rows.opening) || !same_rows(d.zeilen_biegung, rows.bending) ||
             !same_rows(d.zeilen_schub, rows.shear))
        state.SkipWithError("the reference's rows differ from the aggregate's");
    state.counters["loads"] = n;
}

const int kCounts[] = {1, 100, 1000, 10000, 100000};

void register_benchmarks()
{
    for (int kind : {kUnreinforced, kRods, kScrews}) {
        for (const char* what : {"BM_Reference/", "BM_Aggregate/"}) {
            const std::string name = std::string(what) + kKindNames[kind];
            auto* b = benchmark::RegisterBenchmark(name.c_str(), what[3] == 'R' ? BM_Reference : BM_Aggregate, kind);
            for (int n : kCounts) b->Arg(n);
            b->Repetitions(5)->ReportAggregatesOnly(false);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    make_blocks_current(g_ec5, g_ec3, 1);  // the German annex: the screws' withdrawal parameters apply
    // The screws case takes its capacities from the shipped table, as the program does.
    Set_CurOb_Privat_Datapath(TAVO_SOURCE_DATA_DIR "/PRIVATE");
    if (!read_ec5_assy_plus_vg_z()) std::fprintf(stderr, "the shipped screw table could not be read\n");
    register_benchmarks();
    // Reference and aggregate repetitions run in a shuffled order, so that a slow spell of the
    // machine falls on both rather than on one side of a ratio.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    argc = count;
    argv = args.data();
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TimesReporter reporter("loads");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nAggregate against the reference loop (CPU time per run, median of the repetitions):\n");
    std::printf("%-14s %8s %14s %14s %8s %12s\n", "case", "loads", "aggregate ns", "reference ns", "ratio", "ns per load");
    for (int kind : {kUnreinforced, kRods, kScrews})
        for (int n : kCounts) {
            const double a = reporter.median(std::string("BM_Aggregate/") + kKindNames[kind], n);
            const double r = reporter.median(std::string("BM_Reference/") + kKindNames[kind], n);
            if (a > 0 && r > 0)
                std::printf("%-14s %8d %14.1f %14.1f %8.2f %12.2f\n", kKindNames[kind], n, a, r, a / r, a / n);
        }
    benchmark::Shutdown();
    return 0;
}
