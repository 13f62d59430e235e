#include "fasteners/beam_formulas.h"
#include "fasteners/formula_constants.h"

#include "national_annex/nad_current.h"

#include <algorithm>
#include <cmath>

namespace {

void span_coefficients(double L, double s, double* end_e, double* end_g, double* in_e, double* in_g)
{
    // Both truncations toward zero; a span count that is not a finite number of spans takes the last row.
    const double q = std::trunc(std::trunc(L) / s);
    const int r = (std::isfinite(q) && std::fabs(q) < 1e6) ? static_cast<int>(q) : 0;
    switch (r) {
    case 1: *end_e = 0.5; *end_g = 1.0 / 3.0; *in_e = 0.0; *in_g = 0.0; break;
    case 2: *end_e = 0.375; *end_g = 0.354166; *in_e = 1.25; *in_g = 0.625; break;
    case 3: *end_e = 0.4; *end_g = 0.3663; *in_e = 1.099; *in_g = 0.7992; break;
    case 4: *end_e = 0.392; *end_g = 0.37352; *in_e = 1.141; *in_g = 0.884; break;
    case 5: *end_e = 0.395; *end_g = 0.37765; *in_e = 1.132; *in_g = 0.934; break;
    case 6: *end_e = 0.4; *end_g = 0.38118; *in_e = 1.141; *in_g = 0.969; break;
    default: *end_e = 0.4; *end_g = 0.0546333 * r; *in_e = 1.141; *in_g = 0.1415882 * r; break;
    }
}

double varying_part(double w, double q1, double q2, double g)
{
    if (std::fabs(q1 - q2) < 0.00001) return 0.0;
    return 0.001 * w * (q2 - q1) * g;
}
} // namespace

double continuous_beam_end_reaction(double a, double L, double s, double d, double w, double f, double g, double q1,
                                    double q2)
{
    double e, gg, ie, ig;
    span_coefficients(L, s, &e, &gg, &ie, &ig);
    const double D = 0.001 * w;
    return (varying_part(w, q1, q2, gg) + e * q1 * D) * s + std::fabs(f) * a / L * d + g;
}

double continuous_beam_inner_reaction(double a, double L, double s, double d, double w, double f, double g, double q1,
                                      double q2)
{
    double e, gg, ie, ig;
    span_coefficients(L, s, &e, &gg, &ie, &ig);
    const double D = 0.001 * w;
    return (varying_part(w, q1, q2, ig) + ie * q1 * D) * s + std::fabs(f * a) / L * d + g;
}

double two_term_stress_ratio(double a, double b, double c, double d, double e, double f, double g)
{
    return (a * (c + 2.0) + b * (d + 2.0)) * e * g / (a * a * f);
}

double quotient_product(double a, double b, double c, double d, double e) { return e * b / (a * c * d); }

double cubic_term_ratio(double a, double b, double c, double d, double e)
{
    return (a + b * b * b / (a * a)) * 2.0 * e / (3.0 * c * d);
}

double shear_term_ratio(double a, double b, double c, double d, double e, double f, double g)
{
    return 2.0 * b * c * (5.0 / 6.0) * d / (a * e * f * g);
}

double ratio_polynomial(double a, double b)
{
    const double x = a / b;
    return 1.55743 - 1.763639 * x + 5.954181 * x * x - 11.35562 * std::pow(x, 3) + 10.29283 * std::pow(x, 4) -
           3.685897 * std::pow(x, 5);
}

// DIN EN 1995-1-1, 7.3.3: fundamental frequency f_1 = pi / (2 l^2) sqrt(EI / m) of a floor
double floor_natural_frequency(double l, double EI, double m) { return kPi / (2.0 * l * l) * std::sqrt(EI / m); }

double fourth_root_ratio(double a, double b, double c, double d) { return (a / b) * std::pow(c / d, 0.25); }

double inverse_fourth_power_root(double x) { return std::sqrt(1.0 + 1.0 / std::pow(x, 4)); }

double length_ratio_factor(double a, double b, double c)
{
    if (b > c) return (a / b) * (1.0 + c * (b - a) / (a * b));
    return 1.0;
}

// DIN EN 1995-1-1/NA: tension force perpendicular to the grain at a connection, (1 - 3 alpha^2 + 2 alpha^3) F
double connection_tension_force(double h, double a, double F, double* out_alpha)
{
    const double al = a / h;
    if (out_alpha) *out_alpha = al;
    return (1.0 - 3.0 * al * al + 2.0 * al * al * al) * F;
}

// DIN EN 1995-1-1/NA: tension force perpendicular to the grain at a notch, 1.3 V (1 - alpha)^2 (1 + 2 alpha)
double notch_tension_force(double h, double a, double V, double* out_alpha)
{
    const double al = a / h;
    if (out_alpha) *out_alpha = al;
    return 1.3 * V * (1.0 - al) * (1.0 - al) * (1.0 + 2.0 * al);
}

double notch_ratio_term(double h, double b, double c, double* out_e, double* out_delta)
{
    const double e = (h - c) / h;
    const double delta = (h - b - c) / (h - c);
    if (out_e) *out_e = e;
    if (out_delta) *out_delta = delta;
    return delta * (2.0 - e) * (1.0 + 2.0 * (1.0 - delta) * (1.0 - delta));
}

// DIN EN 1995-1-1, 7.3.3: the relation between the floor deflection a and the velocity exponent b
double vibration_b_from_a(double a)
{
    if (a >= 0.499 && a < 1.0) return 150.0 + 60.0 * (0.5 - a);
    if (a >= 0.999 && a < 2.0) return 120.0 + 40.0 * (1.0 - a);
    if (a >= 1.999 && a < 4.001) return 80.0 + 15.0 * (2.0 - a);
    return -1.0;
}

double stepped_ratio_factor(double a, double b)
{
    const double x = a / b;
    double k;
    if (x < 0.1) k = 0.06;
    else if (x < 0.2) k = 0.09;
    else if (x < 0.3) k = 0.07;
    else if (x < 0.4) k = 0.17;
    else if (x < 0.5) k = 0.18;
    else if (x < 0.6) k = 0.31;
    else if (x < 0.7) k = 0.5;
    else if (x < 0.8) k = 1.0;
    else if (x < 0.9) k = 2.5;
    else k = 6.0;
    return 0.912 + k * x;
}

// DIN EN 1995-1-1, (6.62): notch factor k_v
double notch_factor_k_v(double k_n, double i, double h, double alpha, double x)
{
    const double sh = std::sqrt(h);
    const double v = k_n * (1.0 + 1.1 * std::pow(i, 1.5) / sh) /
                     (sh * (std::sqrt(alpha * (1.0 - alpha)) + 0.8 * (x / h) * std::sqrt(1.0 / alpha - alpha * alpha)));
    return std::min(1.0, v);
}

// DIN EN 1995-1-1, (6.39): k_m,alpha of a tapered beam, tension at the tapered edge
double taper_factor_k_m_alpha_tension(double f_m, double f_v, double f_t90, double t)
{
    const double p = 4.0 / 3.0 * f_m * t / f_v, q = f_m * t * t / f_t90;
    return std::min(1.0, 1.0 / std::sqrt(1.0 + p * p + q * q));
}

// DIN EN 1995-1-1, (6.40): k_m,alpha of a tapered beam, compression at the tapered edge
double taper_factor_k_m_alpha_compression(double f_m, double f_v, double f_c90, double t)
{
    const double p = 2.0 / 3.0 * f_m * t / f_v, q = f_m * t * t / f_c90;
    return 1.0 / std::sqrt(1.0 + p * p + q * q);
}

double angle_strength_interaction(double alpha, double a, double b, double c)
{
    if (!(a > 0.0 && b > 0.0 && c > 0.0)) return 0.0;
    const double s = std::sin(alpha), co = std::cos(alpha);
    const double p = a * s * s / (2.0 * b), q = a * s * co / (2.0 * c);
    return a / std::sqrt(p * p + q * q + std::pow(co, 4));
}

double angle_interaction_factor(double a, double b, double c, double alpha)
{
    if (std::fabs(b) < 1e-8 || std::fabs(c) < 1e-8) return 1e-7;
    const double s = std::sin(alpha), co = std::cos(alpha);
    return 1.0 / (co * (co + s * a / c) + (a / b) * s * s);
}

// DIN EN 1995-1-1, 6.3.3, with the national annex's factor for glued-laminated timber: k_crit of
// lateral-torsional buckling
double lateral_buckling_k_crit(int glulam, double b, double h, double f_mk, double l_ef, double E_005, double G_005)
{
    const double w = 0.01 * b, t = 0.01 * h;
    const double s = std::min(w, t), L = std::max(w, t);
    if (!(s > 0.0)) return 0.0;
    const double i_z = L * s * s * s / 12.0;
    const double W = s * L * L / 6.0;
    const double r = std::min(L / s, 1000.0);
    static const double rs[] = {1, 1.25, 1.5, 2, 3, 4, 6, 10, 1000};
    static const double as[] = {0.14, 0.171, 0.196, 0.229, 0.263, 0.281, 0.299, 0.313, 0.333};
    double alpha = 0.333;
    for (int k = 0; k + 1 < 9; ++k) {
        if (rs[k + 1] > r) {
            alpha = as[k] + (as[k + 1] - as[k]) * (r - rs[k]) / (rs[k + 1] - rs[k]);
            break;
        }
    }
    if (glulam) {
        const NadEc5Block* ec5 = nad_part_ec5();
        if (ec5) alpha *= ec5->ltb_factor;
    }
    const double i_tor = alpha * L * s * s * s;
    const double lam2 = W * f_mk * l_ef / (kPi * std::sqrt(E_005 * i_z * G_005 * i_tor));
    // DIN EN 1995-1-1, (6.34), on lambda_rel,m^2: 1 up to 0.75^2, 1.56 - 0.75 lambda up to 1.4^2.
    if (lam2 <= 0.5625) return 1.0;
    if (lam2 <= 1.9599999999999997) return 1.56 - 0.75 * std::sqrt(lam2);
    return 1.0 / lam2;
}
