#include "fasteners/embedding_strength.h"

#include "fasteners/fastener_types.h"
#include "materials/material_codes.h"
#include "national_annex/nad_ec5_block.h"

#include <cmath>

// DIN EN 1995-1-1, (8.33): k90
double embedding_factor_k90(double d, int material)
{
    if (!cur_ec5_params && d <= 8.0) return 1.0;
    switch (material) {
    case MAT_SOFTWOOD: case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_SOLID_MEMBER: return 1.35 + 0.015 * d;
    case MAT_HARDWOOD: case MAT_GL75: return 0.9 + 0.015 * d;
    case MAT_KERTO_S: case MAT_KERTO_Q: case MAT_VENEER_LUMBER: case MAT_BEECH_BOARD: case MAT_LVL:
    case MAT_GLVL: case MAT_IJOIST_WALL: case MAT_IJOIST_JOIST: return 1.3 + 0.015 * d;
    default: return 0.0;
    }
}

// DIN EN 1995-1-1, (8.22)/(8.36): particleboard and OSB
double board_embedding_strength(double d, double t, int flag)
{
    return flag ? 50.0 * std::pow(d, -0.6) * std::pow(t, 0.2) : 65.0 * std::pow(d, -0.7) * std::pow(t, 0.1);
}

// DIN EN 1995-1-1, 8.3.1.3 (8.21): f_h,k = 30 d^-0.3 t^0.6 of nails in hardboard
double fibreboard_embedding_strength(double d, double t) { return 30.0 * std::pow(d, -0.3) * std::pow(t, 0.6); }
// DIN EN 1995-1-1/NA, NCI to 8.3.1.3: f_h,k = 3.9 d^-0.6 t^0.7 of nails in gypsum plasterboard
double plasterboard_embedding_strength(double d, double t) { return 3.9 * std::pow(d, -0.6) * std::pow(t, 0.7); }
double lvl_embedding_strength(double d) { return 37.0 * (1.0 - 0.01 * d); }
// DIN EN 1995-1-1, 8.5.1.1 (8.32): f_h,0,k = 0.082 (1 - 0.01 d) rho_k of bolts and dowels
double dowel_embedding_strength(double d, double rho_k) { return 0.082 * (1.0 - 0.01 * d) * rho_k; }

double embedding_strength_three_angles(double d, double rho_k, double a1, double a2, double a3)
{
    auto s2 = [](double a) { double s = std::sin(a); return s * s; };
    auto c2 = [](double a) { double c = std::cos(a); return c * c; };
    return 0.082 * rho_k * std::pow(d, -0.15) /
           (((0.5 + 0.024 * d) * s2(a1) + c2(a1)) * (1.2 * c2(a2) + s2(a2)) * (2.5 * c2(a3) + s2(a3)));
}

namespace {

struct Member { double angle, t, rho; int material, sub; };

double sin2(double a) { double s = std::sin(a); return s * s; }
double cos2(double a) { double c = std::cos(a); return c * c; }

bool uses_dowel_rule(int type, double d, int predrilled)
{
    if (type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C && d >= 8.0) predrilled = 1;
    bool screw = (type >= FT_WOOD_SCREW_1A && type <= FT_ASSY_VG_S) || type == FT_ASSY_USER || type == FT_SPAX_USER;
    if (d > 8.01 && predrilled && screw) return true;
    if (d > 6.01 && cur_ec5_params && type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C) return true;
    if (type >= FT_RING_A1 && type <= FT_CONNECTOR_C11) return true;
    return !((type >= FT_NAIL && type <= FT_SPECIAL_NAIL_3C) || (type >= FT_SPECIAL_NAIL_1D && type <= FT_SIMPSON_CSA));
}

// DIN EN 1995-1-1, 8.5.1.1 (8.31) to (8.33) and 8.5.1.2: embedding strength of bolts and dowels at an
// angle to the grain, and in panels
// Dowel rule of one member; the plate case is handled by the caller. k90_limit is 8 mm for the
// first and 8.00001 mm for the second member.
double dowel_rule(double d, const Member& m, double k90_limit, bool* replaced)
{
    auto k90_of = [&](int material) {
        if (!cur_ec5_params && d <= k90_limit) { *replaced = true; return 1.0; }
        return embedding_factor_k90(d, material);
    };
    switch (m.material) {
    case MAT_SOFTWOOD: case MAT_HARDWOOD: case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_GL75:
    case MAT_BEECH_BOARD: case MAT_LVL: case MAT_GLVL: case MAT_IJOIST_WALL: case MAT_IJOIST_JOIST: {
        double k90 = k90_of(m.material);
        return 0.082 * (1.0 - 0.01 * d) * m.rho / (k90 * sin2(m.angle) + cos2(m.angle));
    }
    case MAT_OSB: case MAT_PARTICLEBOARD: return 50.0 * std::pow(d, -0.6) * std::pow(m.t, 0.2);
    case MAT_PLYWOOD: return 0.11 * (1.0 - 0.01 * d) * m.rho;
    case MAT_GYPSUM_FIBREBOARD: return 7.0 * std::pow(d, -0.7) * std::pow(m.t, 0.9);
    case MAT_KERTO_S: case MAT_KERTO_Q: {
        double k90 = k90_of(m.material);
        return 37.0 * (1.0 - 0.01 * d) / (k90 * sin2(m.angle) + cos2(m.angle));
    }
    default: return 0.0;
    }
}

// DIN EN 1995-1-1, 8.3.1.1 (8.15), (8.16): f_h,k of nails in timber without and with pre-drilling
double g_rule(double d, double rho, int pre) { return pre ? 0.082 * rho * (1.0 - 0.01 * d) : 0.082 * rho * std::pow(d, -0.3); }

// DIN EN 1995-1-1, 8.3.1.1 and 8.3.1.3: embedding strength of nails in timber and in panels
// Nail rule of one member by its own row (different materials); rho1 is the first member's density.
double nail_rule(double d, int pre, const Member& m, double rho1, bool first, bool* replaced)
{
    switch (m.material) {
    case MAT_SOFTWOOD: case MAT_HARDWOOD: case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_GL75: {
        double f = g_rule(d, m.rho, pre);
        if (m.material == MAT_GL75 && m.sub == 1 && d > 7.9) f *= 0.8;
        return f;
    }
    case MAT_OSB: case MAT_PARTICLEBOARD: return board_embedding_strength(d, m.t, pre);
    case MAT_PLASTERBOARD: return 3.9 * std::pow(d, -0.6) * std::pow(m.t, 0.7);
    case MAT_PLYWOOD: return pre ? 0.11 * m.rho * (1.0 - 0.01 * d) : 0.11 * m.rho * std::pow(d, -0.3);
    case MAT_FIBREBOARD: return 30.0 * std::pow(d, -0.3) * std::pow(m.t, 0.6);
    case MAT_GYPSUM_FIBREBOARD: return 7.0 * std::pow(d, -0.7) * std::pow(m.t, 0.9);
    case MAT_KERTO_S: case MAT_KERTO_Q: {
        double k90 = (!cur_ec5_params && d <= 8.0) ? (*replaced = true, 1.0) : embedding_factor_k90(d, m.material);
        return 37.0 * (1.0 - 0.01 * d) / (k90 * sin2(m.angle) + cos2(m.angle));
    }
    case MAT_BEECH_BOARD: return g_rule(d, rho1, pre);
    case MAT_LVL: case MAT_GLVL: case MAT_IJOIST_WALL: case MAT_IJOIST_JOIST: {
        double f = g_rule(d, rho1, pre);
        if ((m.material == MAT_IJOIST_WALL || m.material == MAT_IJOIST_JOIST) && m.sub != 0 && m.t < 3.1) f /= 3.0;
        if (pre) f *= 0.8;
        (void)first;
        return f;
    }
    default: return 0.0;
    }
}

double user_law(const UserEmbeddingLaw* law, double d, double t, double rho)
{
    return law->c0 * std::pow(d, law->exp_d) * std::pow(t, law->exp_t) * std::pow(rho, law->exp_rho);
}

} // namespace

// DIN EN 1995-1-1 (DIN 1052 without a national-annex set): embedding strengths f_h,1 and f_h,2 of both
// members of a joint
int embedding_strength(double* out1, double* out2, int type, double d, int predrilled,
                       double angle1, double angle2, double t1, double t2, double rho1, double rho2,
                       int material1, int material2, int sub1, int sub2,
                       const UserEmbeddingLaw* law1, const UserEmbeddingLaw* law2)
{
    if (type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C && d >= 8.0) predrilled = 1;
    const Member m1{angle1, t1, rho1, material1, sub1};
    const Member m2{angle2, t2, rho2, material2, sub2};
    bool replaced = false;
    double f1 = 0.0, f2 = 0.0;
    const bool plate1 = is_metal_plate_material(material1), plate2 = is_metal_plate_material(material2);

    if (uses_dowel_rule(type, d, predrilled)) {
        double v1 = plate1 ? 0.0 : dowel_rule(d, m1, 8.0, &replaced);
        double v2 = plate2 ? 0.0 : dowel_rule(d, m2, 8.00001, &replaced);
        f1 = plate1 ? v2 : v1;
        f2 = plate2 ? v1 : v2;
    } else {
        const int pre = predrilled;
        auto solid = [](int m) { return m == MAT_SOFTWOOD || m == MAT_HARDWOOD || m == MAT_SOLID_MEMBER; };
        if (solid(material1) && solid(material2)) {
            f1 = f2 = g_rule(d, std::min(rho1, rho2), pre);
        } else if (material1 == material2) {
            switch (material1) {
            case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_BEECH_BOARD: f1 = f2 = g_rule(d, rho1, pre); break;
            case MAT_OSB: case MAT_PARTICLEBOARD:
                f1 = board_embedding_strength(d, t1, pre);
                f2 = board_embedding_strength(d, t2, pre);
                break;
            case MAT_PLASTERBOARD:
                f1 = 3.9 * std::pow(d, -0.6) * std::pow(t1, 0.7);
                f2 = 3.9 * std::pow(d, -0.6) * std::pow(t2, 0.7);
                break;
            case MAT_PLYWOOD: f1 = f2 = pre ? 0.11 * rho2 * (1.0 - 0.01 * d) : 0.11 * rho2 * std::pow(d, -0.3); break;
            case MAT_FIBREBOARD:
                f1 = 30.0 * std::pow(d, -0.3) * std::pow(t1, 0.6);
                f2 = 30.0 * std::pow(d, -0.3) * std::pow(t2, 0.6);
                break;
            case MAT_GYPSUM_FIBREBOARD:
                f1 = 7.0 * std::pow(d, -0.7) * std::pow(t1, 0.9);
                f2 = 7.0 * std::pow(d, -0.7) * std::pow(t2, 0.9);
                break;
            case MAT_KERTO_S: case MAT_KERTO_Q: {
                double k90 = (!cur_ec5_params && d <= 8.0) ? (replaced = true, 1.0) : embedding_factor_k90(d, material1);
                f1 = 37.0 * (1.0 - 0.01 * d) / (cos2(angle1) + k90 * sin2(angle1));
                f2 = 37.0 * (1.0 - 0.01 * d) / (k90 * sin2(angle2) + cos2(angle2));
                break;
            }
            case MAT_GL75: f1 = f2 = g_rule(d, rho1, pre) * ((sub1 == 1 && d > 7.9) ? 0.8 : 1.0); break;
            case MAT_LVL: case MAT_GLVL: case MAT_IJOIST_WALL: case MAT_IJOIST_JOIST: {
                f1 = g_rule(d, rho1, pre);
                f2 = f1;
                if ((material1 == MAT_IJOIST_WALL || material1 == MAT_IJOIST_JOIST) && sub1 != 0 && t1 < 3.1) f1 /= 3.0;
                if (pre) f1 *= 0.8;
                if ((material1 == MAT_IJOIST_WALL || material1 == MAT_IJOIST_JOIST) && sub2 != 0 && t2 < 3.1) f2 /= 3.0;
                break;
            }
            default: f1 = f2 = 0.0; break;
            }
        } else {
            f2 = plate2 ? 0.0 : nail_rule(d, pre, m2, rho1, false, &replaced);
            f1 = plate1 ? f2 : nail_rule(d, pre, m1, rho1, true, &replaced);
        }
    }

    if (material1 == MAT_USER && law1 && law1->valid) f1 = user_law(law1, d, t1, rho1);
    // The second member's law takes its own density.
    if (material2 == MAT_USER && law2 && law2->valid) f2 = user_law(law2, d, t2, rho2);

    int code = 0;
    if (f2 <= 0.001 && !plate2) code = 159;
    else if (f1 <= 0.001 && !plate1) code = 158;
    else if (replaced) code = 1008;
    if (out1) *out1 = f1;
    if (out2) *out2 = f2;
    return code;
}

// DIN EN 1995-1-1, 8.3.1 and 8.5.1 (DIN 1052 without a national-annex set): embedding strength of
// one member
int embedding_strength_single(double* out, double d, int type, int predrilled, double angle, double t,
                              double rho, int material, int sub, const UserEmbeddingLaw* law)
{
    if (type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C && d >= 8.0) predrilled = 1;
    const Member m{angle, t, rho, material, sub};
    bool replaced = false;
    double f = 0.0;
    const bool plate = is_metal_plate_material(material);
    if (plate) {
        f = 0.0;
    } else if (uses_dowel_rule(type, d, predrilled)) {
        f = dowel_rule(d, m, 8.0, &replaced);
    } else if (material >= MAT_SOFTWOOD && material <= MAT_GLULAM_DIN) {
        f = g_rule(d, rho, predrilled);
    } else if (material == MAT_SOLID_MEMBER) {
        f = g_rule(d, rho, predrilled);
    } else {
        f = nail_rule(d, predrilled, m, rho, true, &replaced);
    }
    if (material == MAT_USER && law && law->valid) f = user_law(law, d, t, rho);
    if (out) *out = f;
    if (plate) return 0;
    if (f <= 0.001) return 158;
    return replaced ? 1008 : 0;
}
