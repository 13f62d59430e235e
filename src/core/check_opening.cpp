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

// F_t,V + F_t,M of one edge (kN); a negative or non-finite part (a helper's -1 for a beam or
// residual depth of 0.001 mm or less, a residual height above the beam) marks it undefined.
double edge_tension(double V, double M, double h_d_eff, double h, double h_r, double* ftv, double* ftm,
                    bool* defined)
{
    *ftv = durchbruch_FtV(V, h_d_eff, h);
    *ftm = durchbruch_FtM(1000.0 * M, h_r);  // kNm -> kNmm
    const double ft90 = *ftv + *ftm;
    *defined = *ftv >= 0.0 && *ftm >= 0.0 && std::isfinite(ft90);
    return ft90;
}

}  // namespace

int TAVO52_DATA::cal_Durchbruch()
{
    ++n_nachweise;

    const double h_d = h - h_ro - h_ru;
    lad_zu_kurz = 0;
    fak_hd = typ_durchbruch == 1 ? 0.7 : 1.0;  // circular: 0.7 h_d in F_t,V
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

    // γ_M depends on the load only through the accidental flag.
    const double gamma_normal = material_gamma_m(holzart, holzguete, 0);
    const double gamma_accidental = material_gamma_m(holzart, holzguete, 1);
    const double h_d_eff = h_d * fak_hd;

    // One row per load in the order of the loads; the vector keeps its storage between runs.
    const int n = lasten.size();
    zeilen_durchbruch.resize(n);
    OpeningCheckRow* rows = zeilen_durchbruch.data();
    const LoadRow* loads = lasten.constData();
    for (int i = 0; i < n; ++i) {
        const LoadRow& load = loads[i];
        OpeningCheckRow& row = rows[i];
        row = OpeningCheckRow();  // every run starts the load's row from zero
        const double kmod = load.kmod;
        row.gamma_m = kled_is_accidental(load.kled) ? gamma_accidental : gamma_normal;
        row.ft90d = ft90k * kmod / row.gamma_m;
        row.rt90d = 0.001 * durchbruch_Ft90_resist(l_t90, b, k_t90, row.ft90d);  // N -> kN

        bool def_l = false, def_r = false;
        row.v_l = std::fabs(load.v_l);
        row.m_l = std::fabs(load.m_l);
        row.ft90_l = edge_tension(row.v_l, row.m_l, h_d_eff, h, h_r, &row.ftv_l, &row.ftm_l, &def_l);
        row.v_r = std::fabs(load.v_r);
        row.m_r = std::fabs(load.m_r);
        row.ft90_r = edge_tension(row.v_r, row.m_r, h_d_eff, h, h_r, &row.ftv_r, &row.ftm_r, &def_r);

        if (!verstaerkt) {
            // A resistance of -1 (helper sentinel) or 0 is not verifiable, never a pass.
            const bool resist_ok = row.rt90d > 0.0 && std::isfinite(row.rt90d);
            const double inv_r = 1.0 / row.rt90d;
            row.eta_l = resist_ok ? check_eta_or_fail(row.ft90_l * inv_r) : check_not_verifiable();
            row.eta_r = resist_ok ? check_eta_or_fail(row.ft90_r * inv_r) : check_not_verifiable();
        } else if (verst_typ >= 0 && verst_typ <= 2) {
            row.eta_l = reinforcement_edge_eta(*this, row.ft90_l, kmod, row.gamma_m, load.kled, row, true);
            row.eta_r = reinforcement_edge_eta(*this, row.ft90_r, kmod, row.gamma_m, load.kled, row, false);
        }
        if (!def_l) row.eta_l = check_not_verifiable();
        if (!def_r) row.eta_r = check_not_verifiable();
        // A partial factor or k_mod that is not a positive number leaves no resistance to check.
        const bool factors_ok = row.gamma_m > 0.0 && std::isfinite(row.gamma_m) && kmod > 0.0 &&
                                std::isfinite(kmod);
        if (!factors_ok) row.eta_l = row.eta_r = check_not_verifiable();

        row.eta = std::max(row.eta_l, row.eta_r);
        eta_durchbruch = std::max(eta_durchbruch, row.eta);
    }
    // Without loads nothing was checked: the error word says so instead of an empty pass.
    if (n == 0) return CHECK_ERR_NO_LOADS;
    return 0;
}
