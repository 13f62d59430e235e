#include "fasteners/opening_formulas.h"

#include <algorithm>
#include <cmath>

namespace {
bool too_small(double x) { return opening_length_too_small(x); }
}

// DIN EN 1995-1-1/NA, NCI NA.11.2: characteristic bond strength f_k1,k of glued-in rods
double glued_rod_fk1k(double l_ad)
{
    long double l = l_ad;
    if (l <= 250.0L) return 4.0;
    if (l <= 500.0L) return static_cast<double>(5.25L - 0.005L * l);
    if (l < 1000.0L) return static_cast<double>(3.5L - 0.0015L * l);
    return 2.0;
}

// NA.6.7 (NA.91): length l_t,90 over which tension perpendicular to grain acts
double durchbruch_lt90(int shape, double h_d, double h)
{
    long double hd = h_d, hh = h;
    if (shape == OPENING_RECTANGULAR) return static_cast<double>(0.5L * (hd + hh));
    if (shape == OPENING_CIRCULAR) return static_cast<double>(0.353L * hd + 0.5L * hh);
    return -1.0;
}

// NA.6.7: governing residual depth h_r beside the opening
double durchbruch_hr(int shape, double h_ro, double h_ru, double h_d)
{
    long double m = std::min<long double>(h_ro, h_ru);
    if (shape == OPENING_RECTANGULAR) return static_cast<double>(m);
    if (shape == OPENING_CIRCULAR) return static_cast<double>(m + 0.15L * h_d);
    return -1.0;
}

// NA.6.7 (NA.92): k_t,90 = min(1, (450/h)^0.5)
double durchbruch_kt90(double h)
{
    if (too_small(h)) return -1.0;
    long double q = 450.0L / static_cast<long double>(h);
    if (q <= 1.0L) return static_cast<double>(std::sqrt(q));
    return 1.0;
}

// NA.6.7 (NA.93): shear concentration factor kappa_max = 1.84 (1 + a/h) (h_d/h)^0.2
double durchbruch_kappa_max(double a, double h, double h_d)
{
    if (too_small(h)) return 1.0;
    long double hh = h;
    return static_cast<double>(1.84L * (1.0L + a / hh) * std::pow(static_cast<long double>(h_d) / hh, 0.2L));
}
