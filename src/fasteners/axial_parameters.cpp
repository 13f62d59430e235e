#include "fasteners/axial_parameters.h"

#include "fasteners/fastener_types.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>

namespace {

bool annex() { return cur_ec5_params != nullptr; }
bool annex_without_country() { return cur_ec5_params && cur_ec5_params->country == 0; }
double rho500sq(double rho) { double r = std::min(rho, kWithdrawalDensityCap); return r * r; }

// Head parameters of screws in boards (Z-9.1-449, Z-9.1-614, ETA-11/0190, ETA-12/0114):
// minimum board thicknesses, 8 N/mm2 for boards of 12 to 20 mm, no head below 1.8 d1.
double board_rules(double f, int material, double t, double d_h, double d1, bool with_core)
{
    if (is_board_or_engineered_material(material)) {
        if (t < 12.0) {
            switch (material) {
            case MAT_PLASTERBOARD: case MAT_GYPSUM_FIBREBOARD: case MAT_IJOIST_WALL: case MAT_IJOIST_JOIST:
            case MAT_BEECH_BOARD: f = 0.0; break;
            case MAT_PLYWOOD: case MAT_FIBREBOARD: if (t < 6.0) f = 0.0; break;
            case MAT_OSB: case MAT_PARTICLEBOARD: case MAT_KERTO_S: case MAT_KERTO_Q: case MAT_LVL:
            case MAT_SOLID_MEMBER: case MAT_GLVL: if (t < 8.0) f = 0.0; break;
            default: break;
            }
            if (f != 0.0 && t < 1.2 * d_h) f = 0.0;
        }
        if (t >= 11.999 && t <= 20.001) f = kMediumBoardHeadParameter;
    }
    if (with_core && d_h < 1.8 * d1) f = 0.0;
    return f;
}

double spax_by_d(double d)
{
    if (d < 6.0) return 14.0;
    if (d <= 8.001) return 12.0;
    if (d <= 10.001) return 11.5;
    if (d <= 12.001) return 11.0;
    return 10.0;
}

double assy_by_d(double d)
{
    if (d >= 2.99 && d <= 5.001) return 12.0;
    if (d >= 5.99 && d <= 7.001) return 11.5;
    if (d >= 7.99 && d <= 8.001) return 11.0;
    return 10.0;
}

double spax_countersunk(double d_h)
{
    if (d_h <= 16.001) return 27.0 - d_h;
    if (d_h <= 32.001) return 11.0 + 0.2 * (16.0 - d_h);
    return 0.0;
}

double spax_plate(double d_h)
{
    if (d_h <= 16.001) return 29.0 - d_h;
    if (d_h <= 22.001) return 13.0;
    if (d_h <= 32.001) return 16.0 + 0.5 * (16.0 - d_h);
    return 0.0;
}

} // namespace

// DIN EN 1995-1-1/NA, NA.8.3.2 (Table NA.15) and DIN 1052, 12.8: withdrawal parameter f_ax of nails
double nail_withdrawal_parameter(int type, double limit, int predrilled, int small_hole, double rho)
{
    const double r2 = rho500sq(rho);
    double f = 0.0;
    if (type == FT_NAIL) {
        f = (annex() ? 20e-6 : 18e-6) * r2;
    } else if (type == FT_STAPLE) {
        f = (annex() ? 20e-6 : 18e-6) * r2;
        if (limit > 20.0) f /= 3.0;
    } else if ((type >= FT_SPECIAL_NAIL_1A && type <= FT_SPECIAL_NAIL_1C) ||
        (type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_1F)) {
        f = (annex() && predrilled) ? 0.0 : 30e-6 * r2;
    } else if ((type >= FT_SPECIAL_NAIL_2A && type <= FT_SPECIAL_NAIL_2C) ||
        (type >= FT_SPECIAL_NAIL_2D && type <= FT_SPECIAL_NAIL_2F)) {
        f = (annex() && predrilled) ? 0.0 : 40e-6 * r2;
    } else if ((type >= FT_SPECIAL_NAIL_3A && type <= FT_SPECIAL_NAIL_3C) ||
        (type >= FT_SPECIAL_NAIL_3D && type <= FT_SPECIAL_NAIL_3F)) {
        f = annex_without_country() ? 0.0 : 50e-6 * r2;
    }
    if (small_hole && is_special_nail_type(type)) f *= 0.7;
    return f;
}

// Head pull-through parameter f_head of nails, staples and special nails
double nail_head_pullthrough_parameter(int type, int reduction, double rho)
{
    const double r2 = rho500sq(rho);
    double f = 0.0;
    double k = 0.0;
    switch (type) {
    case FT_NAIL: case FT_STAPLE: f = (annex() ? 70e-6 : 60e-6) * r2; break;
    case FT_SPECIAL_NAIL_1A: case FT_SPECIAL_NAIL_2A: case FT_SPECIAL_NAIL_3A: k = 60e-6; break;
    case FT_SPECIAL_NAIL_1B: case FT_SPECIAL_NAIL_2B: case FT_SPECIAL_NAIL_3B: k = 80e-6; break;
    case FT_SPECIAL_NAIL_1C: case FT_SPECIAL_NAIL_2C: case FT_SPECIAL_NAIL_3C: k = 100e-6; break;
    case FT_SPECIAL_NAIL_1D: case FT_SPECIAL_NAIL_2D: case FT_SPECIAL_NAIL_3D: k = 120e-6; break;
    case FT_SPECIAL_NAIL_1E: case FT_SPECIAL_NAIL_2E: case FT_SPECIAL_NAIL_3E: k = 140e-6; break;
    case FT_SPECIAL_NAIL_1F: case FT_SPECIAL_NAIL_2F: case FT_SPECIAL_NAIL_3F: k = 160e-6; break;
    default: break;
    }
    if (k > 0.0) f = annex_without_country() ? 0.0 : k * r2;
    if (annex() && reduction) f *= 2.0 / 3.0;
    return f;
}

// Withdrawal parameter f_ax of wood screws and the proprietary screws
double screw_withdrawal_parameter(int type, int /*flag*/, double /*unused*/, double rho, double d)
{
    if (annex_without_country()) return 0.0;
    const double r2 = rho500sq(rho);
    if (type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_1C) return 60e-6 * r2;
    if (type >= FT_WOOD_SCREW_2A && type <= FT_WOOD_SCREW_2C) return 70e-6 * r2;
    if (type >= FT_WOOD_SCREW_3A && type <= FT_WOOD_SCREW_3C) return 80e-6 * r2;
    if (is_screw_type_group1(type)) return spax_by_d(d);
    if (is_screw_type_group2(type)) return annex() ? assy_by_d(d) : 80e-6 * r2;
    return 0.0;
}

// Head pull-through parameter of wood screws and SPAX screws 11 to 13
double screw_head_pullthrough_parameter(int type, int material, double rho, double t, double d_h, int washer)
{
    if (annex_without_country()) return 0.0;
    const double r2 = rho500sq(rho);
    switch (type) {
    case FT_WOOD_SCREW_1A: case FT_WOOD_SCREW_2A: case FT_WOOD_SCREW_3A: return 60e-6 * r2;
    case FT_WOOD_SCREW_1B: case FT_WOOD_SCREW_2B: case FT_WOOD_SCREW_3B: return 80e-6 * r2;
    case FT_WOOD_SCREW_1C: case FT_WOOD_SCREW_2C: case FT_WOOD_SCREW_3C: return 100e-6 * r2;
    case FT_SPAX_S_TG: case FT_SPAX_T_TG: case FT_SPAX_S_VG: {
        d_h = std::min(d_h, kHeadDiameterCap);
        double f;
        if (is_board_or_engineered_material(material) && t <= 20.0) {
            double r = std::min(rho, kBoardDensityCap);
            f = t < 12.0 ? 80e-6 * r * r : kMediumBoardHeadParameter;
        } else if (!washer && type != FT_SPAX_T_TG) {
            f = d_h <= 16.1 ? 27.0 - d_h : 11.0 + 0.2 * (16.0 - d_h);
        } else {
            f = d_h <= 16.1 ? 29.0 - d_h : (d_h <= 22.1 ? 13.0 : 16.0 + 0.5 * (16.0 - d_h));
        }
        return board_rules(f, material, t, d_h, 0.0, false);
    }
    default: return 0.0;
    }
}

// ETA of the ASSY family: head pull-through parameter
double screw_head_parameter(double d_h, double D, double d1, double t, int material)
{
    double f = (D <= 0.0 && d_h <= 19.0) ? 13.0 : 10.0;
    return board_rules(f, material, t, d_h, d1, true);
}

// ETA of the SPAX family: head pull-through parameter (countersunk or plate head)
double screw_head_parameter_b(int type, int head_kind, double d_h, double d1, double D, double t, int material)
{
    bool countersunk = (D <= 1.0 && (type == FT_SPAX_S_TG || type == FT_SPAX_S_VG)) ||
                       (D <= 1.0 && type == FT_SPAX_USER && (head_kind == 1 || head_kind == 2 || head_kind == 4));
    if (D > 32.0) countersunk = false;
    double f = countersunk ? spax_countersunk(d_h) : spax_plate(d_h);
    return board_rules(f, material, t, d_h, d1, true);
}

// Bearing area under a washer: three times the net area with an annex set, DIN 1052 Table 15 without
double washer_bearing_area(double d, double D)
{
    if (annex()) return 0.75 * kRoundedPi * (D * D - (d + 2.0) * (d + 2.0));
    struct Band { double lo, hi, area; };
    static const Band t[] = {{21, 23, 390}, {27, 29, 664}, {33, 35, 1020}, {43, 45, 1550},
                             {55, 57, 2670}, {71, 73, 4270}, {84, 86, 6080}, {104, 106, 9430}};
    for (const Band& b : t)
        if (D >= b.lo && D <= b.hi) return b.area;
    return D * (std::min(4.0 * d - D, 60.0) + D * 0.7853981633975) - (d + 2.0) * (d + 2.0) * 0.7853981633975;
}

// DIN EN 1995-1-1, Table 8.1: k_ef of nails in a row
double nail_row_factor_kef(double d, double a1, int predrilled)
{
    if (a1 > 14.0 * d) return 1.0;
    if (a1 >= 10.0 * d) return 0.85 + 0.15 * (a1 - 10.0 * d) / (4.0 * d);
    if (a1 >= 7.0 * d) return 0.7 + 0.15 * (a1 - 7.0 * d) / (3.0 * d);
    if (predrilled) {
        if (a1 >= 4.0 * d) return 0.5 + 0.2 * (a1 - 4.0 * d) / (3.0 * d);
        return 0.5 * a1 / (4.0 * d);
    }
    return 0.7 * a1 / (7.0 * d);
}

double assy_withdrawal_by_d(double d) { return assy_by_d(d); }
double spax_withdrawal_by_d(double d) { return spax_by_d(d); }

double screw_head_parameter_nowasher(double d_h)
{
    d_h = std::min(d_h, kHeadDiameterCap);
    return d_h > 19.0 ? 10.0 : 13.0;
}

double screw_head_parameter_c(int type, int head_kind, double d_h, double d1, double /*D*/, double t, int material, int flag)
{
    d_h = std::min(d_h, kHeadDiameterCap);
    bool countersunk = flag == 0 && ((type == FT_SPAX_S_TG || type == FT_SPAX_S_VG) ||
                                     (type == FT_SPAX_USER && (head_kind == 1 || head_kind == 2 || head_kind == 4)));
    double f = countersunk ? spax_countersunk(d_h) : spax_plate(d_h);
    return board_rules(f, material, t, d_h, d1, true);
}

// DIN EN 1995-1-1, 8.5.2(2): contact area of a washer, pi / 4 (D^2 - (d + 1)^2)
double washer_ring_area(double d, double D) { return 0.7853981633975 * (D * D - (d + 1.0) * (d + 1.0)); }

// DIN EN 1995-1-1, 8.5.2(3): contact area of a steel plate as washer, diameter at most 12 t and 4 d
double plate_washer_area(double d, double t)
{
    double o = std::min(kPlateWasherDiameterFactor * d, kPlateWasherThicknessFactor * t);
    return 0.7853981633975 * (o * o - (d + 1.0) * (d + 1.0));
}
