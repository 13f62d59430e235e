// Steps of the opening check that the checks share: the reinforcement design of an opening
// (DIN EN 1995-1-1/NA, NCI NA.6.8.4) and the guard that keeps an undefined value out of a
// utilisation.
#pragma once

#include "core/tavo52_data.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

// Bit 0 of the opening check's error word: the position holds no load.
enum { CHECK_ERR_NO_LOADS = 1 };

// A utilisation that cannot be verified: a formula helper's -1, a non-positive resistance or a
// non-finite value. Such a load fails its check, it never passes.
inline double check_not_verifiable() { return std::numeric_limits<double>::infinity(); }
// The utilisation as it stands when it is a finite number >= 0, otherwise check_not_verifiable().
inline double check_eta_or_fail(double eta)
{
    return (std::isfinite(eta) && eta >= 0.0) ? eta : check_not_verifiable();
}

// Stress area A_s (mm²) of one glued-in rod of diameter d_r and steel grade code `fest_gs`
// (1044: reinforcing bar, full section; otherwise the thread's stress area, ISO 898-1).
double rod_stress_area(double d_r, int fest_gs);

// Lengths of a rod or screw of length l in the residual sections above (l_ad_o) and below
// (l_ad_u) an opening, inserted from the top (from_bottom 0) or from the bottom (1).
void embedded_lengths(int typ_durchbruch, double h, double h_ro, double h_ru, double l,
                      int from_bottom, double* l_ad_o, double* l_ad_u);

// Once per opening check before the loads: rods (verst_typ 1) and screws (verst_typ 2).
// Returns the screw design's result (0); plates need no preparation.
int reinforcement_prepare(TAVO52_DATA& d);

// 1 for the load-duration classes of accidental design situations (6, 7).
inline int kled_is_accidental(int kled) { return kled == 6 || kled == 7; }
// 1 for the load-duration class "kurz/sehr kurz" (5), whose k_mod the national-annex set gives.
inline int kled_is_short_very_short(int kled) { return kled == 5; }

// Values of a load that depend on it only through its load-duration class and k_mod: γ_M, the
// design strengths and resistances. A position's loads fall into a few classes, so a check forms
// them once per class and run instead of once per load; a load whose k_mod is not its class's
// last one (a typed k_mod, class 8) forms them anew. One cache serves one run of one check.
template <class Values>
class LoadClassValues {
public:
    // make(kmod, kled) forms the values; it runs again only for a class or k_mod not seen last.
    template <class Make>
    const Values& get(int kled, double kmod, Make&& make)
    {
        if (kled < 0 || kled >= kClasses) {
            other_ = make(kmod, kled);
            return other_;
        }
        Slot& s = slots_[kled];
        std::uint64_t bits;
        std::memcpy(&bits, &kmod, sizeof bits);  // the exact k_mod, -0 and NaN included
        if (!s.valid || s.kmod_bits != bits) {
            s.values = make(kmod, kled);
            s.kmod_bits = bits;
            s.valid = true;
        }
        return s.values;
    }

private:
    static constexpr int kClasses = 9;  // load-duration classes 0 to 8
    struct Slot {
        bool valid = false;
        std::uint64_t kmod_bits = 0;
        Values values;
    };
    Slot slots_[kClasses];
    Values other_;
};

// What the utilisation of the reinforcement reads for every load, formed once per opening check
// after reinforcement_prepare(): the kind (verst_typ) and its load-independent values.
struct ReinforcementTerms {
    int kind = -1;  // REINFORCEMENT_*; another kind leaves the edges' utilisation at 0
    // plates: f_t,k of the plates, f_k2,k of the glue line, a_r h_1 and a_r t_r (mm²)
    double ftk = 0, fk2k = 0, glue_area = 0, plate_area = 0;
    // rods: f_k1,k, l_ad, d_r, their count, and γ_M2 and R_t,d of one rod per design situation
    // (index 1: accidental)
    double fk1k = 0, l_ad = 0, d_r = 0, rods = 0;
    double gamma_m2[2] = {0, 0}, rt_d_rod[2] = {0, 0};
    // screws: R_ax,k of one screw (kN) and their count
    double raxk = 0, screws = 0;
};

ReinforcementTerms reinforcement_terms(const TAVO52_DATA& d);

// DIN EN 1995-1-1/NA, NCI NA.6.8.4: design values of the reinforcement, X_d = k_mod X_k / γ_M.
// The reinforcement's design strengths and capacities for a load's k_mod, γ_M and class, written
// into the row before its edges (plates f_t,d and f_k2,d; rods f_k1,d, R_ax,d, γ_M2 and R_t,d;
// screws R_ax,d). They are the same for every load of a class.
inline void reinforcement_load(const ReinforcementTerms& t, double kmod, double gamma_m, int kled,
                               OpeningCheckRow& row)
{
    switch (t.kind) {
    case REINFORCEMENT_PLATES:
        row.ftd = t.ftk * kmod / gamma_m;
        row.fk2d = t.fk2k * kmod / gamma_m;
        break;
    case REINFORCEMENT_RODS: {
        const int accidental = kled_is_accidental(kled);
        row.fk1d = t.fk1k * kmod / gamma_m;
        row.rax_d_rod = 0.00314159265359 * row.fk1d * t.l_ad * t.d_r;  // π d l_ad f_k1,d, kN
        row.gamma_m2 = t.gamma_m2[accidental];
        row.rt_d_rod = t.rt_d_rod[accidental];
        break;
    }
    case REINFORCEMENT_SCREWS:
        row.rax_d_screw = t.raxk * kmod / gamma_m;
        break;
    default:
        break;
    }
}

// DIN EN 1995-1-1/NA, NCI NA.6.8.4: F_t,90 carried by the plates (τ_ef, σ_t), the rods (bond and
// steel) or the screws (R_ax,d).
// Utilisation of one edge of one load carried by the reinforcement; F_t90 in kN. Fills the
// reinforcement fields of the row for that edge.
inline double reinforcement_edge_eta(const ReinforcementTerms& t, double F, OpeningCheckRow& row, bool left)
{
    switch (t.kind) {
    case REINFORCEMENT_PLATES: {  // glued-on plates, one on each face: 500 = 1000 N/kN / 2 plates
        const double tau = 500.0 * F / t.glue_area;
        const double sigma = 500.0 * F / t.plate_area;
        double eta_tau = tau / row.fk2d;
        double eta_sigma = 2.0 * sigma / row.ftd;
        if (!(row.ftd > 0.0) || !(row.fk2d > 0.0) || !(t.glue_area > 0.0) || !(t.plate_area > 0.0)) {
            eta_tau = eta_sigma = check_not_verifiable();
        }
        eta_tau = check_eta_or_fail(eta_tau);
        eta_sigma = check_eta_or_fail(eta_sigma);
        if (left) {
            row.tau_ef_l = tau; row.sigma_t_l = sigma;
            row.eta_tau_l = eta_tau; row.eta_sigma_l = eta_sigma;
        } else {
            row.tau_ef_r = tau; row.sigma_t_r = sigma;
            row.eta_tau_r = eta_tau; row.eta_sigma_r = eta_sigma;
        }
        return std::max(eta_tau, eta_sigma);
    }
    case REINFORCEMENT_RODS: {  // glued-in rods
        const double n = t.rods;
        double eta_bond = F / (n * row.rax_d_rod);
        double eta_steel = F / (n * row.rt_d_rod);
        if (!(n * row.rax_d_rod > 0.0)) eta_bond = check_not_verifiable();
        if (!(n * row.rt_d_rod > 0.0)) eta_steel = check_not_verifiable();
        eta_bond = check_eta_or_fail(eta_bond);
        eta_steel = check_eta_or_fail(eta_steel);
        if (left) { row.eta_bond_l = eta_bond; row.eta_steel_l = eta_steel; }
        else { row.eta_bond_r = eta_bond; row.eta_steel_r = eta_steel; }
        return std::max(eta_bond, eta_steel);
    }
    case REINFORCEMENT_SCREWS: {  // fully threaded screws
        if (!(row.rax_d_screw > 1e-10)) return 2.0;  // no capacity: failed, as the rule prints it
        const double n = t.screws;
        if (!(n > 0.0)) return check_not_verifiable();
        return check_eta_or_fail(F / (n * row.rax_d_screw));
    }
    default:
        return 0.0;
    }
}
