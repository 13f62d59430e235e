// Bending with axial force in the chords beside an opening, and shear in the reduced cross-section
// raised by the stress concentration factor of the opening (DIN EN 1995-1-1/NA, NCI NA.6.7).
#include "core/check_opening.h"
#include "core/tavo52_data.h"

#include "fasteners/opening_formulas.h"
#include "fasteners/partial_factors.h"
#include "materials/material_codes.h"
#include "materials/timber_strengths.h"

#include <algorithm>
#include <cmath>

namespace {

bool positive_finite(double x) { return x > 0.0 && std::isfinite(x); }

// κ_max takes a power in extended precision, several hundred ns, more than a hundred loads' shear
// checks. It depends on the geometry only, so a position recalculated after an edit of its loads
// reuses the value of its previous calculation.
// DIN EN 1995-1-1/NA, NCI NA.6.7 (NA.93): shear concentration factor κ_max at the opening.
double shear_kappa_max(double a, double h, double h_d)
{
    struct Last {
        bool valid = false;
        double a = 0, h = 0, h_d = 0, kappa_max = 0;
    };
    thread_local Last last;
    if (!(last.valid && last.a == a && last.h == h && last.h_d == h_d)) {
        last.kappa_max = durchbruch_kappa_max(a, h, h_d);
        last.a = a;
        last.h = h;
        last.h_d = h_d;
        last.valid = true;
    }
    return last.kappa_max;
}

// The loops below write every field of a load's row in each run; a new field must be written there.
static_assert(sizeof(BendingCheckRow) == 19 * sizeof(double), "bending row fields");
static_assert(sizeof(ShearCheckRow) == 9 * sizeof(double), "shear row fields");

// γ_M of a load-duration class: the accidental design situation's for classes 6 and 7.
double class_gamma_m(int kled, double gamma_normal, double gamma_accidental)
{
    return kled_is_accidental(kled) ? gamma_accidental : gamma_normal;
}

// One row per load in the order of the loads: make(kmod, kled) forms the values of a load class
// once per class (their gamma_m goes into the row), fill(load, row, values) writes the rest.
template <class Row, class Make, class Fill>
void check_rows(const QVector<LoadRow>& lasten, QVector<Row>& zeilen, Make&& make, Fill&& fill)
{
    using Values = decltype(make(0.0, 0));
    LoadClassValues<Values> classes;
    const int n = lasten.size();
    zeilen.resize(n);
    Row* rows = zeilen.data();
    const LoadRow* loads = lasten.constData();
    for (int i = 0; i < n; ++i) {
        const LoadRow& load = loads[i];
        Row& row = rows[i];
        const Values& values = classes.get(load.kled, load.kmod, make);
        row.gamma_m = values.gamma_m;
        fill(load, row, values);
    }
}

}  // namespace

int TAVO52_DATA::cal_Biegung()
{
    ++n_nachweise;
    if (biegung == 0) return 1;
    return check_bending_at_opening();
}

int TAVO52_DATA::cal_Schub()
{
    ++n_nachweise;
    if (schub == 0) return 1;
    return check_shear_reduced_section();
}

// DIN EN 1995-1-1: bending with axial tension or compression in the residual chords beside the
// opening, η = |σ_m| / f_m,d + σ_N / f_t,0,d or + (σ_N / f_c,0,d)².
int TAVO52_DATA::check_bending_at_opening()
{

    // Strengths for service class 1 along the grain (kN/m²), f_m and f_t,0 with the size factor.
    double f_m = 0, f_t = 0, f_c = 0, f_v = 0, f_c90 = 0;
    k_h = 1.0;
    get_strengths(holzart, holzguete, 1, 6, b, h, &f_m, &f_t, &f_c, &f_v, &f_c90, &k_h);
    if (is_glulam_material(holzart) && mit_kh == 0) f_m /= k_h;  // f_t,0 keeps the factor
    f_m *= 0.001;
    f_t *= 0.001;
    f_c *= 0.001;
    fmk = f_m;
    fc0k = f_c;
    eta_biegung = -1.0;

    // Net section: two chords, above (h_ro) and below (h_ru) the opening.
    flaeche_o = b * h_ro;
    flaeche_u = b * h_ru;
    const double area = flaeche_o + flaeche_u;
    z_s = (flaeche_u * (h - h_ru / 2.0) + flaeche_o * h_ro / 2.0) / area;
    z_o = z_s;
    z_u = h - z_s;
    i_nz = b * ((h_ro * h_ro * h_ro + h_ru * h_ru * h_ru) / 12.0 +
                h_ro * (z_s - h_ro / 2.0) * (z_s - h_ro / 2.0) +
                h_ru * (z_u - h_ru / 2.0) * (z_u - h_ru / 2.0));
    w_no = i_nz / z_s;
    w_nu = i_nz / z_u;
    w_o = b * h_ro * h_ro / 6.0;
    w_u = b * h_ru * h_ru / 6.0;

    const bool rectangular = typ_durchbruch != OPENING_CIRCULAR;
    const bool section_ok = positive_finite(area) && positive_finite(w_no) && positive_finite(w_nu) &&
                            (!rectangular || (positive_finite(w_o) && positive_finite(w_u)));
    const double gamma_normal = material_gamma_m(holzart, holzguete, 0);
    const double gamma_accidental = material_gamma_m(holzart, holzguete, 1);

    // Per load only k_mod / gamma_M changes the strengths; the section enters through its inverses.
    const double inv_area = 1.0 / area, inv_w_no = 1.0 / w_no, inv_w_nu = 1.0 / w_nu;
    const double inv_w_o = rectangular ? 1.0 / w_o : 0.0, inv_w_u = rectangular ? 1.0 / w_u : 0.0;
    constexpr double kHalfLengthInM = 0.0005;  // a / 2 in m: each chord carries V over half the opening
    const double chord_o = rectangular ? kHalfLengthInM * a * h_ro / (h_ro + h_ru) : 0.0;
    const double chord_u = rectangular ? kHalfLengthInM * a * h_ru / (h_ro + h_ru) : 0.0;
    const double inv_fm = 1.0 / f_m, inv_ft = 1.0 / f_t, inv_fc = 1.0 / f_c;

    // The design strengths of a load class, 1 / (k_mod / γ_M) and whether they can be checked.
    struct Strengths {
        double gamma_m, ft0d, fc0d, fmd, inv_factor;
        bool ok;
    };
    auto strengths_of = [&](double kmod, int kled) {
        Strengths s;
        s.gamma_m = class_gamma_m(kled, gamma_normal, gamma_accidental);
        const double factor = kmod / s.gamma_m;
        s.ft0d = factor * f_t;
        s.fc0d = factor * f_c;
        s.fmd = factor * f_m;
        // 1 / f_x,d = (gamma_M / k_mod) / f_x,k
        s.inv_factor = s.gamma_m / kmod;
        // A degenerate section or a strength that is not positive cannot be verified.
        s.ok = section_ok && positive_finite(s.fmd) && positive_finite(s.ft0d) && positive_finite(s.fc0d);
        return s;
    };

    // The loop writes every field of the row.
    check_rows(lasten, zeilen_biegung, strengths_of, [&](const LoadRow& load, BendingCheckRow& row, const Strengths& s) {
        row.ft0d = s.ft0d;
        row.fc0d = s.fc0d;
        row.fmd = s.fmd;
        row.m = (load.m_l + load.m_r) / 2.0;
        row.v = std::fabs(load.v_l + load.v_r) / 2.0;
        row.n = (load.n_l + load.n_r) / 2.0;
        // Rectangular: each chord carries V over half the opening length, shared by the chord
        // heights; the local moments take the sign of the global one. Circular: none.
        row.m_o = chord_o * row.v;
        row.m_u = chord_u * row.v;
        if (row.m < 0.0) {
            row.m_o = -row.m_o;
            row.m_u = -row.m_u;
        }
        row.sigma_n = 1000.0 * row.n * inv_area;
        row.sigma_m_o = -1e6 * row.m * inv_w_no;
        row.sigma_m_u = 1e6 * row.m * inv_w_nu;
        row.delta_sigma_o = -1e6 * row.m_o * inv_w_o;
        row.delta_sigma_u = 1e6 * row.m_u * inv_w_u;
        row.sigma_o = row.sigma_n + row.sigma_m_o + row.delta_sigma_o;
        row.sigma_u = row.sigma_n + row.sigma_m_u + row.delta_sigma_u;
        const double inv_factor = s.inv_factor;
        const double axial_c = row.sigma_n * inv_factor * inv_fc;
        const double compression = axial_c * axial_c;
        const double tension = row.sigma_n * inv_factor * inv_ft;
        const double inv_fmd = inv_factor * inv_fm;
        row.eta_o = std::fabs(row.sigma_m_o + row.delta_sigma_o) * inv_fmd + (row.sigma_o < 0.0 ? compression : tension);
        row.eta_u = std::fabs(row.sigma_m_u + row.delta_sigma_u) * inv_fmd + (row.sigma_u < 0.0 ? compression : tension);
        if (!s.ok) row.eta_o = row.eta_u = check_not_verifiable();
        // Axial compression may lower the tension edge's sum below 0; only non-finite values fail.
        if (!std::isfinite(row.eta_o)) row.eta_o = check_not_verifiable();
        if (!std::isfinite(row.eta_u)) row.eta_u = check_not_verifiable();
        row.eta = std::max(row.eta_o, row.eta_u);
        eta_biegung = std::max(eta_biegung, row.eta);
    });
    return 0;
}

// DIN EN 1995-1-1 with its national annex: shear stress κ_max · 1.5 V / (k_cr b h_ef) in the residual
// section beside the opening against f_v,d.
int TAVO52_DATA::check_shear_reduced_section()
{

    double f_m = 0, f_t = 0, f_c = 0, f_v = 0, f_c90 = 0, kh_local = 1.0;
    get_strengths(holzart, holzguete, 1, 6, b, h, &f_m, &f_t, &f_c, &f_v, &f_c90, &kh_local);
    f_v *= 0.001;
    k_cr = get_fvk_kcr(holzart, holzguete, b, h);

    eta_schub = -1.0;
    h_ef = h_ro + h_ru;
    fvk = f_v;
    a_ef = k_cr * h_ef * b;
    const double h_d = h - h_ro - h_ru;
    kappa_max = shear_kappa_max(a, h, h_d);

    // The helper's 1 for h <= 0.001 hides a beam without depth; such a section is not verifiable.
    const bool section_ok = h > 0.001 && positive_finite(a_ef) && positive_finite(kappa_max);
    const bool circular = typ_durchbruch == OPENING_CIRCULAR;
    const double gamma_normal = material_gamma_m(holzart, holzguete, 0);
    const double gamma_accidental = material_gamma_m(holzart, holzguete, 1);

    constexpr double kPeakShear = 1500.0;  // 1.5 V/A of a rectangle, kN -> N
    const double tau_factor = kPeakShear * kappa_max / a_ef;  // raised by kappa_max
    const double tau_factor_circle = kPeakShear * (schub_kappa_kreis == 1 ? kappa_max : 1.0) / a_ef;

    // f_v,d of a load class, its inverse and whether it can be checked.
    struct Strength {
        double gamma_m, fvd, inv_fvd;
        bool ok;
    };
    auto strength_of = [&](double kmod, int kled) {
        Strength s;
        s.gamma_m = class_gamma_m(kled, gamma_normal, gamma_accidental);
        s.fvd = kmod * fvk / s.gamma_m;
        s.inv_fvd = 1.0 / s.fvd;
        s.ok = section_ok && positive_finite(s.fvd);
        return s;
    };

    // The loop writes every field of the row.
    check_rows(lasten, zeilen_schub, strength_of, [&](const LoadRow& load, ShearCheckRow& row, const Strength& s) {
        row.fvd = s.fvd;
        const bool ok = s.ok;
        if (!circular) {
            row.v_l = std::fabs(load.v_l);
            row.v_r = std::fabs(load.v_r);
            row.tau_l = tau_factor * row.v_l;
            row.tau_r = tau_factor * row.v_r;
            row.eta_l = ok ? check_eta_or_fail(row.tau_l * s.inv_fvd) : check_not_verifiable();
            row.eta_r = ok ? check_eta_or_fail(row.tau_r * s.inv_fvd) : check_not_verifiable();
            row.eta = std::max(row.eta_l, row.eta_r);
        } else {
            // At the centre of the circle; kappa_max only when the switch asks for it.
            row.v_l = row.v_r = std::fabs(load.v_l + load.v_r) / 2.0;
            row.tau_l = row.tau_r = tau_factor_circle * row.v_l;
            row.eta = row.eta_r = ok ? check_eta_or_fail(row.tau_l / row.fvd) : check_not_verifiable();
            row.eta_l = 0.0;
        }
        eta_schub = std::max(eta_schub, row.eta);
    });
    return 0;
}
