// Steps of the opening check that the checks share: the reinforcement design of an opening
// (DIN EN 1995-1-1/NA, NCI NA.6.8.4) and the guard that keeps an undefined value out of a
// utilisation.
#pragma once

#include <cmath>
#include <limits>

class TAVO52_DATA;
struct OpeningCheckRow;

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

// Utilisation of one edge of one load carried by the reinforcement; F_t90 in kN. Fills the
// reinforcement fields of the row for that edge.
double reinforcement_edge_eta(TAVO52_DATA& d, double ft90, double kmod, double gamma_m,
                              int kled, OpeningCheckRow& row, bool left_edge);

// 1 for the load-duration classes of accidental design situations (6, 7).
inline int kled_is_accidental(int kled) { return kled == 6 || kled == 7; }
