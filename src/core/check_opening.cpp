// Tension perpendicular to the grain at an opening of a timber beam, for every load
// (DIN EN 1995-1-1/NA:2013-08, NCI NA.6.7; reinforced openings NCI NA.6.8.4).
#include "core/check_opening.h"
#include "core/tavo52_data.h"

#include "fasteners/opening_formulas.h"
#include "fasteners/partial_factors.h"
#include "materials/timber_strengths.h"

#include <algorithm>
#include <cmath>

namespace {

bool positive_finite(double x) { return x > 0.0 && std::isfinite(x); }

// What every load of the check reads, formed once per run.
struct OpeningTerms {
    OpeningShearTerms shear;          // F_t,V
    double h_r = 0;                   // F_t,M
    OpeningResistanceTerms resist;    // R_t90
    double ft90k = 0;
    double gamma_m[2] = {0, 0};       // γ_M of the beam; index 1: accidental
    bool gamma_ok[2] = {false, false};
};

// The values of a load class: γ_M, f_t90,d, R_t90,d and its inverse, and the reinforcement's
// design values (the reinforcement fields that reinforcement_load() writes). Every member is set by
// opening_class(); none is initialised before, so that a run's cache costs nothing to set up.
struct OpeningClass {
    double gamma_m, ft90d, rt90d, inv_rt90d;
    bool resist_ok, factors_ok;
    double fk1d, fk2d, rax_d_rod, gamma_m2, rt_d_rod, rax_d_screw, ftd;
};

// DIN EN 1995-1-1/NA, NCI NA.6.7 (resistance of the unreinforced edge) and NCI NA.6.8.4 (design values
// of the reinforcement) of one load-duration class.
OpeningClass opening_class(const OpeningTerms& t, const ReinforcementTerms& r, bool reinforced, double kmod, int kled)
{
    OpeningClass c;
    const int accidental = kled_is_accidental(kled);
    c.gamma_m = t.gamma_m[accidental];
    c.ft90d = t.ft90k * kmod / c.gamma_m;
    c.rt90d = 0.001 * durchbruch_Ft90_resist(t.resist, c.ft90d);  // N -> kN
    // A resistance of -1 (helper sentinel) or 0 is not verifiable, never a pass.
    c.resist_ok = positive_finite(c.rt90d);
    c.inv_rt90d = 1.0 / c.rt90d;
    // A partial factor or k_mod that is not a positive number leaves no resistance to check.
    c.factors_ok = t.gamma_ok[accidental] && positive_finite(kmod);
    OpeningCheckRow row;
    if (reinforced) reinforcement_load(r, kmod, c.gamma_m, kled, row);
    c.fk1d = row.fk1d;
    c.fk2d = row.fk2d;
    c.rax_d_rod = row.rax_d_rod;
    c.gamma_m2 = row.gamma_m2;
    c.rt_d_rod = row.rt_d_rod;
    c.rax_d_screw = row.rax_d_screw;
    c.ftd = row.ftd;
    return c;
}

// Every run writes each field of a load's row: the loop writes the class's values and the edges',
// the reinforcement writes its own or leaves them 0.
static_assert(sizeof(OpeningCheckRow) == 35 * sizeof(double), "a new row field must be written by the loop");
inline void start_row(const OpeningClass& c, OpeningCheckRow& row)
{
    row.gamma_m = c.gamma_m;
    row.ft90d = c.ft90d;
    row.rt90d = c.rt90d;
    row.fk1d = c.fk1d; row.fk2d = c.fk2d; row.rax_d_rod = c.rax_d_rod; row.gamma_m2 = c.gamma_m2;
    row.rt_d_rod = c.rt_d_rod; row.rax_d_screw = c.rax_d_screw; row.ftd = c.ftd;
    row.tau_ef_l = row.sigma_t_l = row.tau_ef_r = row.sigma_t_r = 0.0;
    row.eta_steel_l = row.eta_bond_l = row.eta_steel_r = row.eta_bond_r = 0.0;
    row.eta_tau_l = row.eta_tau_r = row.eta_sigma_l = row.eta_sigma_r = 0.0;
}

// DIN EN 1995-1-1/NA, NCI NA.6.7: F_t,V and F_t,M at both edges.
// The tension forces of both edges of loads [begin, end): extended-precision chains that do not
// depend on each other, formed together so that the processor overlaps them.
inline void edge_tensions(const OpeningTerms& t, const LoadRow* loads, OpeningCheckRow* rows, int begin, int end)
{
    for (int i = begin; i < end; ++i) {
        const LoadRow& load = loads[i];
        OpeningCheckRow& row = rows[i];
        row.v_l = std::fabs(load.v_l);
        row.m_l = std::fabs(load.m_l);
        row.v_r = std::fabs(load.v_r);
        row.m_r = std::fabs(load.m_r);
        row.ftv_l = durchbruch_FtV(t.shear, row.v_l);
        row.ftv_r = durchbruch_FtV(t.shear, row.v_r);
        row.ftm_l = durchbruch_FtM(1000.0 * row.m_l, t.h_r);  // kNm -> kNmm
        row.ftm_r = durchbruch_FtM(1000.0 * row.m_r, t.h_r);
    }
}

// DIN EN 1995-1-1/NA, NCI NA.6.7: F_t,90 = F_t,V + F_t,M.
// F_t90 of one edge from its parts; a negative or non-finite part (a helper's -1 for a beam or
// residual depth of 0.001 mm or less, a residual height above the beam) marks it undefined.
inline double edge_sum(double ftv, double ftm, bool* defined)
{
    const double ft90 = ftv + ftm;
    *defined = ftv >= 0.0 && ftm >= 0.0 && std::isfinite(ft90);
    return ft90;
}

// DIN EN 1995-1-1/NA, NCI NA.6.7 (F_t,90 / R_t,90,d) and NCI NA.6.8.4 (reinforcement) for every load.
// One row per load in the order of the loads; returns the largest utilisation. `reinforced`
// selects the reinforcement's utilisation of the edges. The loads go in blocks that stay in the
// first-level cache between the tension forces and the rest of the row.
template <bool reinforced>
double opening_rows(const OpeningTerms& t, const ReinforcementTerms& r, const LoadRow* loads,
                    OpeningCheckRow* rows, int n, double eta_max)
{
    constexpr int kBlock = 32;
    LoadClassValues<OpeningClass> classes;
    for (int begin = 0; begin < n; begin += kBlock) {
        const int end = std::min(n, begin + kBlock);
        edge_tensions(t, loads, rows, begin, end);
        for (int i = begin; i < end; ++i) {
            const LoadRow& load = loads[i];
            OpeningCheckRow& row = rows[i];
            const OpeningClass& c = classes.get(load.kled, load.kmod, [&](double kmod, int kled) {
                return opening_class(t, r, reinforced, kmod, kled);
            });
            start_row(c, row);

            bool def_l = false, def_r = false;
            row.ft90_l = edge_sum(row.ftv_l, row.ftm_l, &def_l);
            row.ft90_r = edge_sum(row.ftv_r, row.ftm_r, &def_r);
            if (!reinforced) {
                row.eta_l = c.resist_ok ? check_eta_or_fail(row.ft90_l * c.inv_rt90d) : check_not_verifiable();
                row.eta_r = c.resist_ok ? check_eta_or_fail(row.ft90_r * c.inv_rt90d) : check_not_verifiable();
            } else {
                row.eta_l = reinforcement_edge_eta(r, row.ft90_l, row, true);
                row.eta_r = reinforcement_edge_eta(r, row.ft90_r, row, false);
            }
            if (!def_l) row.eta_l = check_not_verifiable();
            if (!def_r) row.eta_r = check_not_verifiable();
            if (!c.factors_ok) row.eta_l = row.eta_r = check_not_verifiable();

            row.eta = std::max(row.eta_l, row.eta_r);
            eta_max = std::max(eta_max, row.eta);
        }
    }
    return eta_max;
}

}  // namespace

// DIN EN 1995-1-1/NA, NCI NA.6.7: tension perpendicular to the grain F_t,90 = F_t,V + F_t,M at the
// opening for every load; a reinforced opening by NCI NA.6.8.4.
int TAVO52_DATA::cal_Durchbruch()
{
    ++n_nachweise;

    const double h_d = h - h_ro - h_ru;
    lad_zu_kurz = 0;
    fak_hd = typ_durchbruch == OPENING_CIRCULAR ? 0.7 : 1.0;  // circular: 0.7 h_d in F_t,V
    ft90k = get_ft90k(holzart, holzguete);
    h_r = durchbruch_hr(typ_durchbruch, h_ro, h_ru, h_d);
    eta_durchbruch = -1.0;
    l_t90 = durchbruch_lt90(typ_durchbruch, h_d, h);  // full h_d, also for a circle
    k_t90 = durchbruch_kt90(h);
    fk2k = 0.75;

    if (verstaerkt) {
        const int rc = reinforcement_prepare(*this);
        if (rc != 0) return rc;
    }

    OpeningTerms t;
    t.shear = durchbruch_FtV_terms(h_d * fak_hd, h);
    t.h_r = h_r;
    t.resist = durchbruch_Ft90_resist_terms(l_t90, b, k_t90);
    t.ft90k = ft90k;
    // γ_M depends on the load only through the accidental flag.
    for (int accidental = 0; accidental < 2; ++accidental) {
        t.gamma_m[accidental] = material_gamma_m(holzart, holzguete, accidental);
        t.gamma_ok[accidental] = positive_finite(t.gamma_m[accidental]);
    }

    // The vector keeps its storage between runs.
    const int n = lasten.size();
    zeilen_durchbruch.resize(n);
    if (!verstaerkt) {
        eta_durchbruch = opening_rows<false>(t, ReinforcementTerms(), lasten.constData(), zeilen_durchbruch.data(), n,
                                             eta_durchbruch);
    } else {
        eta_durchbruch = opening_rows<true>(t, reinforcement_terms(*this), lasten.constData(), zeilen_durchbruch.data(),
                                            n, eta_durchbruch);
    }
    // Without loads nothing was checked: the error word says so instead of an empty pass.
    if (n == 0) return CHECK_ERR_NO_LOADS;
    return 0;
}
