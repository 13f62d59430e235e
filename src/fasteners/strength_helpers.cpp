#include "fasteners/strength_helpers.h"

#include "materials/material_codes.h"
#include "materials/timber_strengths.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>

namespace {
// The strengths of get_strengths in N/mm2 (m, t, c, v); unknown combinations give 0.
struct Strengths { double m = 0, t = 0, c = 0, v = 0; };

Strengths strengths(int material, int grade, int service_class, int kind, double s1, double s2, double* k_h)
{
    Strengths s;
    get_strengths(material, grade, service_class, kind, s1, s2, &s.m, &s.t, &s.c, &s.v, nullptr, k_h);
    s.m *= 0.001; s.t *= 0.001; s.c *= 0.001; s.v *= 0.001;
    return s;
}

// DIN EN 1995-1-1/NA, NA.8.1.6: reduced tensile strength of members in symmetric tension connections,
// 2/3 (0.4 for staples, dowels and, where flagged, nails)
double strength_2_factor(int type, int flag)
{
    if (cur_ec5_params && cur_ec5_params->use_na816 == 0) return 1.0;
    const bool nail = type == FT_NAIL || (type >= FT_SPECIAL_NAIL_1A && type <= FT_SPECIAL_NAIL_3C) ||
        (type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_3F) || type == FT_SIMPSON_CNA ||
                      type == FT_SIMPSON_CSA;
    if (type == FT_STAPLE || type == FT_DOWEL || (flag && nail)) return 0.4;
    return 2.0 / 3.0;
}

double hole_d0(double d, int fitted) { return fitted ? d : d + 1.0; }

bool timber_for_user_screw(int material)
{
    return material == MAT_SOLID_MEMBER || (material >= MAT_SOFTWOOD && material <= MAT_GLULAM_DIN) ||
        material == MAT_GL75;
}

void put(double* p, double v) { if (p) *p = v; }
} // namespace

double section_reduction_factor(int mode, double x, double b, double h)
{
    const double g = h - 2.0 * x, l = b - 2.0 * x;
    double A, p;
    switch (mode) {
    case 0: A = l * g; p = 2.0 * (g + l); break;
    case 1: case 3: { const double e = h - x; A = l * e; p = l + 2.0 * e; break; }
    case 2: case 4: { const double k = b - x; A = k * g; p = g + 2.0 * k; break; }
    default: A = b * h; p = 0.0; break;
    }
    return A > 0.0 ? 1.0 - p / (225.0 * A) : 0.001;
}

double layer_depth(double a, double b, double c, double d, double e, double f)
{
    const double k = b < 20.0 ? 0.05 * b : 1.0;
    if (d <= 0.01) return (b < 20.0 ? 0.35 * b : 7.0) + a * b;
    double w;
    if (d < 20.0) w = 7.0 * k;
    else if (d > b) w = 7.0 * b / d;
    else w = 7.0;
    if (c - 0.001 > d) return w + a * (((d - c) * a * e + 25.0) / (a * f) + (c - d));
    return w + 25.0;
}

// DIN EN 1995-1-1, 2.4.1: design strength f_d = k_mod f_k / gamma_M (bending)
double design_strength_1(int material, int grade, int kind, double s1, double s2, double k_mod, double gamma_m,
                         double* k_h)
{
    return strengths(material, grade, 2, kind, s1, s2, k_h).m * k_mod / gamma_m;
}

// DIN EN 1995-1-1, 2.4.1: design strength f_d = k_mod f_k / gamma_M (tension)
double design_strength_2(int, int, int material, int grade, int kind, double s1, double s2, double k_mod,
                         double gamma_m, double* k_h)
{
    return strengths(material, grade, 2, kind, s1, s2, k_h).t * k_mod / gamma_m;
}

// DIN EN 1995-1-1, 2.4.1: design strength f_d = k_mod f_k / gamma_M (compression)
double design_strength_3(int material, int grade, int loading, int, double s, double k_mod, double gamma_m)
{
    return strengths(material, grade, loading, 6, s, s, nullptr).c * k_mod / gamma_m;
}

double design_shear_strength(int material, int grade, int kind, double s, double k_mod, double gamma_m)
{
    const double s4 = strengths(material, grade, 2, kind, s, s, nullptr).v;
    double f = s4;
    if (cur_ec5_params) {
        const bool glulam = material == MAT_GLULAM_EC || material == MAT_GLULAM_DIN || material == MAT_GL75;
        if (cur_ec5_params->country != 0) {
            if (material == MAT_SOFTWOOD) f = 4.0;
            else if (glulam) f = 3.5;
        } else if (material == MAT_SOFTWOOD || glulam) {
            f = 0.67 * s4;
        }
    }
    return f * k_mod / gamma_m;
}

// DIN EN 1995-1-1/NA, NA.8.1.6: reduced characteristic tensile strength
double characteristic_strength_2_factored(int type, int flag, int material, int grade, int kind, double s1, double s2,
                                          double* k_h)
{
    return strengths(material, grade, 2, kind, s1, s2, k_h).t * strength_2_factor(type, flag);
}

// DIN EN 1995-1-1, 2.4.1: design strength f_d = k_mod f_k / gamma_M of the reduced tension value
double design_strength_2_factored(int type, int flag, int material, int grade, int kind, double s1, double s2,
                                  double* k_h, double k_mod, double gamma_m)
{
    return characteristic_strength_2_factored(type, flag, material, grade, kind, s1, s2, k_h) * k_mod / gamma_m;
}

double unit_factor() { return 1.0; }

// DIN EN 1995-1-1, 6.1.7(2) with the national annex: crack factor k_cr for shear
double crack_factor(int material, double f_vk)
{
    const NadEc5Block* b = cur_ec5_params;
    if (!b) return 1.0;
    if (b->kcr_mode == 2) {
        if (material == MAT_SOFTWOOD) return 2.0 / f_vk;
        if (material == MAT_HARDWOOD) return 0.67;
        if (material == MAT_GLULAM_EC || material == MAT_GLULAM_DIN || material == MAT_GL75) return 2.5 / f_vk;
        return 1.0;
    }
    if ((material >= MAT_SOFTWOOD && material <= MAT_GLULAM_DIN) || material == MAT_GL75 ||
        material == MAT_SOLID_MEMBER) return b->kcr_solid_glulam;
    return b->kcr_other;
}

// EN 1999-1-1, 8.5 (the minima of EN 1993-1-8, Table 3.3): end and edge distances and spacings of bolts in
// aluminium
void alu_bolt_min_distances(double d, int fitted, double* p1, double* e1, double* e2, double* p2)
{
    const double d0 = hole_d0(d, fitted);
    put(p1, 2.2 * d0);
    put(e1, 1.2 * d0);
    put(e2, 1.2 * d0);
    put(p2, 2.4 * d0);
}

// EN 1999-1-1, 8.5 (the rule of EN 1993-1-8, Table 3.4): alpha_b of bolts in bearing
// The bearing factors at the minimum distances e1 = e2 = 1.2 d0, p1 = 2.2 d0, p2 = 2.4 d0.
double alu_bearing_alpha(double d, int fitted)
{
    const double d0 = hole_d0(d, fitted);
    return std::min(2.2 * d0 / (3.0 * d0) - 0.25, 1.2 * d0 / (3.0 * d0));
}

// EN 1999-1-1, 8.5 (the rule of EN 1993-1-8, Table 3.4): k1 of bolts in bearing
double alu_bearing_k1(double d, int fitted)
{
    const double d0 = hole_d0(d, fitted);
    return std::min(1.4 * 2.4 * d0 / d0 - 1.7, 2.5);
}

// EN 1999-1-1, 8.5 (the rule of EN 1993-1-8, Table 3.4): k1 alpha_b f_u of bolts in bearing
double alu_bearing_factor(double d, int fitted, double f_u, double* k1, double* alpha_b)
{
    const double d0 = hole_d0(d, fitted);
    const double k = std::min({2.8 * 1.2 * d0 / d0 - 1.7, 1.4 * 2.4 * d0 / d0 - 1.7, 2.5});
    const double a = alu_bearing_alpha(d, fitted);
    put(k1, k);
    put(alpha_b, a);
    return k * a * f_u;
}

// EN 1999-1-1, 8.5 (the rule of EN 1993-1-8, Table 3.4): bearing capacity F_b = k1 alpha_b f_u d t of a bolt
// in aluminium
double alu_bearing_capacity(double d, double f_u, int fitted, double t, double, double* k1, double* alpha_b)
{
    return alu_bearing_factor(d, fitted, f_u, k1, alpha_b) * d * t;
}

// ETA-12/0114 (SPAX screws): minimum spacings of screws in timber without pre-drilling
int user_spax_spacings(UserScrew s, int predrilled, int material, double alpha, double* a1, double* a2, double* a3t,
                       double* a3c, double* a4t, double* a4c)
{
    if (predrilled || !timber_for_user_screw(material) || (s.spacing_variant != 1 && s.spacing_variant != 2)) return 0;
    const double d = s.d, sn = std::sin(alpha);
    put(a1, 5.0 * d);
    put(a2, (3.0 + std::fabs(sn)) * d);
    put(a3t, 12.0 * d);
    put(a3c, 12.0 * d);
    put(a4t, (3.0 + (d < 4.01 ? 2.0 : 4.0) * sn) * d);
    put(a4c, 3.0 * d);
    return 1;
}

// ETA-11/0190 (ASSY screws): minimum spacings of screws in timber without pre-drilling
int user_assy_spacings(UserScrew s, int predrilled, int material, double alpha, double* a1, double* a2, double* a3t,
                       double* a3c, double* a4t, double* a4c)
{
    if (predrilled || !timber_for_user_screw(material) || (s.spacing_variant != 2 && s.spacing_variant != 3)) return 0;
    const double d = s.d, sn = std::sin(alpha);
    put(a1, 5.0 * d);
    put(a2, 2.5 * d);
    put(a3t, 12.0 * d);
    put(a3c, 5.0 * d);
    put(a4t, (3.0 + (d < 4.01 ? 2.0 : 4.0) * sn) * d);
    put(a4c, 3.0 * d);
    return 1;
}
