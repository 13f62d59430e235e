#include "fasteners/partial_factors.h"

#include "fasteners/material_access.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"
#include "national_annex/nad_ec5_block.h"
#include "national_annex/nad_ec6_ec9_blocks.h"

#include <algorithm>
#include <cmath>

// DIN EN 1995-1-1/NA, Table NA.2: partial factors of the material properties
double material_gamma_m(int material, int sub_kind, int accidental)
{
    const NadEc5Block* p = cur_ec5_params;
    if (accidental) return p ? p->gamma_m_accidental : 1.0;
    if (!p) return 1.3;
    switch (material) {
    case MAT_SOFTWOOD: case MAT_HARDWOOD: return p->gamma_m_solid;
    case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_KERTO_S: case MAT_KERTO_Q: case MAT_GL75:
    case MAT_BEECH_BOARD: case MAT_LVL: case MAT_GLVL: case MAT_IJOIST_WALL: case MAT_IJOIST_JOIST:
        return p->gamma_m_glulam;
    case MAT_OSB: case MAT_PLYWOOD: return p->gamma_m_lvl_plywood_osb;
    case MAT_PLASTERBOARD: case MAT_GYPSUM_FIBREBOARD: return p->gamma_m_plasterboard;
    case MAT_PARTICLEBOARD: return p->gamma_m_particleboard;
    case MAT_FIBREBOARD:
        if (sub_kind == 0) return p->gamma_m_hard_fibreboard;
        if (sub_kind == 1) return p->gamma_m_medium_fibreboard;
        return p->gamma_m_soft_fibreboard;
    case MAT_STEEL_PLATE: return p->gamma_m_steel_in_connections;
    case MAT_ALU_PLATE:
        // Aluminium plate: gamma_M1 of the EC9 block; without one the factor is unknown (0).
        return cur_ec9_params ? cur_ec9_params->gamma_m1 : 0.0;
    case 20: return 1.3;
    default: return 0.0;
    }
}

// DIN EN 1995-1-1, 3.2(3) and 3.3(3): size factors k_h
double size_factor_k_h(int material, int grade, double h)
{
    double rho_k = 0.0;
    fastener_get_rho_k(material, grade, h, &rho_k, nullptr);
    if ((material == MAT_SOFTWOOD || material == MAT_HARDWOOD ||
        material == MAT_SOLID_MEMBER) && rho_k <= 700.0 && h > 1.0 && h <= 150.0)
        return std::min(std::pow(150.0 / h, 0.2), 1.3);
    if ((material == MAT_GLULAM_EC || material == MAT_GLULAM_DIN || material == MAT_GL75) && h > 1.0 && h <= 600.0)
        return std::min(std::pow(600.0 / h, 0.1), 1.1);
    return 1.0;
}

double size_factor_k_h_600(double h)
{
    if (h > 1.0 && h <= 600.0) return std::min(std::pow(600.0 / h, 0.14), 1.1);
    return 1.0;
}

// DIN EN 1995-1-1, 6.3.2: instability factor k_c
double buckling_factor_k_c(double E_005, double f_c0k, double beta_c, double l_ef, double h,
                           double* out_i, double* out_lambda, double* out_lambda_rel, double* out_k)
{
    double i = 0.289 * h;
    if (out_i) *out_i = i;
    double lambda = l_ef / i;
    if (out_lambda) *out_lambda = lambda;
    double lambda_rel = lambda / kPi * std::sqrt(f_c0k / E_005);
    if (out_lambda_rel) *out_lambda_rel = lambda_rel;
    double k = 0.5 * (1.0 + beta_c * (lambda_rel - 0.3) + lambda_rel * lambda_rel);
    if (out_k) *out_k = k;
    return std::min(1.0, 1.0 / (k + std::sqrt(k * k - lambda_rel * lambda_rel)));
}

// DIN EN 1995-1-1, 6.3.2 (6.29): straightness factor beta_c of the material, then k_c
double buckling_factor_k_c_material(int material, int grade, double l_ef, double h, double b,
                                    double* out_i, double* out_lambda, double* out_lambda_rel, double* out_k)
{
    int kind, direction;
    double beta_c;
    switch (material) {
    case MAT_SOFTWOOD: case MAT_HARDWOOD: kind = 6; direction = 6; beta_c = 0.2; break;
    case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_GL75: kind = 6; direction = 6; beta_c = 0.1; break;
    case MAT_OSB: case MAT_PLYWOOD: case MAT_BEECH_BOARD: case MAT_LVL: case MAT_GLVL:
        kind = 2;
        direction = 5;
        beta_c = 0.1;
        break;
    case MAT_PLASTERBOARD: case MAT_PARTICLEBOARD: case MAT_FIBREBOARD: kind = 5; direction = 5; beta_c = 0.1; break;
    default:
        // No modulus and no strength for this material: no buckling factor can be formed.
        if (out_i) *out_i = 0.289 * h;
        return 0.0;
    }
    double E05 = 0.0, fc = 0.0;
    fastener_get_E_05(material, grade, kind, b, &E05);
    fastener_get_strength_c(material, grade, 2, direction, b, h, &fc);
    if (E05 <= 0.0 || fc <= 0.0) return 0.0;
    return buckling_factor_k_c(E05 * 0.001, fc * 0.001, beta_c, l_ef, h, out_i, out_lambda, out_lambda_rel, out_k);
}

void section_add_layer(double* I, double* z, double* S, double* A, double a, double b, double c, double d)
{
    double I0 = I ? *I : 0.0, z0 = z ? *z : 0.0, S0 = S ? *S : 0.0, A0 = A ? *A : 0.0;
    double m = c * (d - 1.0);
    double A1 = A0 + m;
    double S1 = S0 + m * (a + b) / 2.0;
    double z1 = S1 / A1;
    double I1 = I0 + m * (a * a + a * b + b * b) / 3.0 - A1 * z1 * z1;
    if (A) I1 += A0 * z0 * z0;
    if (I) *I = I1;
    if (z) *z = z1;
    if (S) *S = S1;
    if (A) *A = A1;
}

// DIN EN 1995-1-1/NA, 6.1.5: k_c,90
double bearing_factor_k_c90(int material, double l, double h)
{
    if (material == MAT_SOFTWOOD && l >= 2.0 * h) return 1.25;
    if ((material == MAT_GLULAM_EC || material == MAT_GLULAM_DIN || material == MAT_GL75) && l >= 2.0 * h) return 1.5;
    if (material == MAT_LVL && l >= 2.0 * h && h < 80.0) return 1.25;
    return 1.0;
}

double washer_outer_diameter(double d, int series)
{
    struct Band { double lo; bool lo_closed; double hi; bool hi_closed; double value; };
    static const Band s0[] = {
        {0.1, true, 4.5, false, 20}, {5, true, 7, false, 22}, {7, true, 9, false, 28},
        {9, true, 11, false, 34}, {11, true, 13, true, 44}, {13, false, 15, true, 50},
        {15, false, 17, true, 56}, {19, true, 21, false, 72}, {23, true, 25, true, 85},
        {29, true, 31, true, 105}};
    static const Band s1[] = {{5, true, 7, false, 22}, {7, true, 9, false, 28}, {9, true, 11, false, 33}, {11, true, 13, true, 42}};
    static const Band s2[] = {{5, true, 7, false, 22}, {7, true, 9, false, 25}, {9, true, 11, false, 30}};
    static const Band s3[] = {{5, true, 7, false, 18}, {7, true, 9, false, 25}, {9, true, 11, false, 32}, {11, true, 13, true, 40}};
    const Band* bands;
    size_t n;
    switch (series) {
    case 0: bands = s0; n = sizeof s0 / sizeof *s0; break;
    case 1: bands = s1; n = sizeof s1 / sizeof *s1; break;
    case 2: bands = s2; n = sizeof s2 / sizeof *s2; break;
    case 3: bands = s3; n = sizeof s3 / sizeof *s3; break;
    default: return -1.0;
    }
    for (size_t i = 0; i < n; ++i) {
        const Band& b = bands[i];
        bool above = b.lo_closed ? d >= b.lo : d > b.lo;
        bool below = b.hi_closed ? d <= b.hi : d < b.hi;
        if (above && below) return b.value;
    }
    return -1.0;
}

int strength_direction_index(int material, double angle)
{
    switch (material) {
    case MAT_PARTICLEBOARD: case MAT_FIBREBOARD: case MAT_GYPSUM_FIBREBOARD: case MAT_KERTO_S:
    case MAT_KERTO_Q: case MAT_BEECH_BOARD: case MAT_LVL: case MAT_GLVL: return 5;
    case MAT_SOFTWOOD: case MAT_HARDWOOD: case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_GL75:
        return (angle > -1.0 && angle < 1.0) ? 6 : 7;
    case MAT_OSB: case MAT_PLASTERBOARD: case MAT_PLYWOOD: return (angle > -1.0 && angle < 1.0) ? 2 : 3;
    default: return -1;
    }
}

// DIN EN 1995-1-2, Table 2.1: k_fi
double fire_factor_k_fi(int material)
{
    if (material == MAT_SOFTWOOD || material == MAT_HARDWOOD) return 1.25;
    if (material >= MAT_GLULAM_EC && material <= MAT_KERTO_Q) return 1.15;
    if (material == MAT_GL75 || material == MAT_BEECH_BOARD || material == MAT_LVL ||
        (material >= MAT_IJOIST_JOIST && material <= MAT_GLVL)) return 1.1;
    return 1.0;
}
