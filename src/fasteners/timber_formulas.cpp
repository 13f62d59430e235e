#include "fasteners/timber_formulas.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"

#include <algorithm>
#include <cmath>

// DIN EN 1995-1-1, 8.9: angle factor of ring and shear-plate connectors, k_90 = 1.3 + 0.001 d_c
double connector_angle_factor(double d_c, double alpha)
{
    const double a = alpha * kDegree;
    const double s = std::sin(a), c = std::cos(a);
    return 1.0 / ((1.3 + 0.001 * d_c) * s * s + c * c);
}

// DIN EN 1995-1-1, 6.3.3 (6.31): critical bending stress pi sqrt(E I_z G I_tor) / (l_ef W_y)
double critical_bending_stress(double a, double b, double c, double d) { return a * std::sqrt(b * c) / d; }

// DIN EN 1995-1-1, 6.3.2 (6.29): straightness factor beta_c
double buckling_beta_c(int material) { return (material == MAT_SOFTWOOD || material == MAT_HARDWOOD) ? 0.2 : 0.1; }

// DIN EN 1995-1-1, 6.3.2 (6.21): relative slenderness lambda_rel
double relative_slenderness(double lambda, double f_c0k, double e_005)
{
    return lambda * 0.3183098861837697 * std::sqrt(f_c0k / e_005);
}

// DIN EN 1995-1-1, 6.3.2 (6.27): instability factor k
double buckling_instability_k(double beta_c, double lambda_rel)
{
    return 0.5 * (1.0 + beta_c * (lambda_rel - 0.3) + lambda_rel * lambda_rel);
}

// DIN EN 1995-1-1, 6.3.2 (6.25): buckling factor k_c
double buckling_k_c_of_k(double k, double lambda_rel)
{
    return std::min(1.0, 1.0 / (k + std::sqrt(k * k - lambda_rel * lambda_rel)));
}

// DIN EN 1995-1-1, 6.3.3 (6.30): relative slenderness for bending
double relative_slenderness_bending(double f_mk, double sigma_crit)
{
    if (std::fabs(sigma_crit) <= 1e-17) return 0.0;
    return std::sqrt(f_mk / sigma_crit);
}

// DIN EN 1995-1-1, 8.3.1.2 (8.18): minimum timber thickness max(7 d, (13 d - 30) rho_k / 400)
double min_timber_thickness(double d, double rho_k) { return std::max(7.0 * d, (13.0 * d - 30.0) * rho_k * 0.0025); }

// DIN EN 1995-1-1, 8.3.1.2 (8.19): minimum thickness of timber sensitive to splitting,
// max(14 d, (13 d - 30) rho_k / 200)
double min_timber_thickness_splitting(double d, double rho_k)
{
    return std::max(14.0 * d, (13.0 * d - 30.0) * rho_k * 0.005);
}

double plasterboard_step_value(double x, int material)
{
    if (material != MAT_PLASTERBOARD) return 800.0;
    if (x >= 1.0 && x <= 1.25) return 950.0;
    if (x > 1.25 && x <= 1.6) return 680.0;
    return 0.0;
}
