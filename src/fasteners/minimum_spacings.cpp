#include "fasteners/minimum_spacings.h"

#include "fasteners/fastener_types.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>

namespace {

struct Angles {
    double deg;      // the given angle in degrees, not reduced
    double sin_s;    // signed sine of the given angle
    double cos_r;    // cos of the acute angle
    double sin_r;    // sin of the acute angle
};

Angles angles_of(double alpha)
{
    Angles a;
    a.deg = alpha * 57.29577951307855;   // 180 / pi
    a.sin_s = std::sin(alpha);
    // fmod first: a huge or infinite angle would never leave the loops below.
    double x = std::isfinite(alpha) ? std::fmod(alpha, kRoundedPi) : 0.0;
    while (x < 0.0) x += kRoundedPi;
    while (x > kRoundedPi) x -= kRoundedPi;
    const double ar = std::asin(std::fabs(std::sin(x)));
    a.cos_r = std::cos(ar);
    a.sin_r = std::sin(ar);
    return a;
}

using Six = double[6];

// DIN EN 1995-1-1, 8.5.1.1, Table 8.4 (DIN 1052 without a national-annex set): minimum spacings of bolts
void bolt_rule(bool ec5, double d, const Angles& a, Six v)
{
    if (ec5) {
        v[0] = (4.0 + a.cos_r) * d;
        if ((a.deg >= 90.0 && a.deg < 150.0) || (a.deg > 30.0 && a.deg < 60.0)) v[3] = (1.0 + 6.0 * a.sin_s) * d;
        else if (a.deg >= 210.0 && a.deg < 270.0) v[3] = (1.0 + 6.0 * a.sin_r) * d;
        else v[3] = 4.0 * d;
        v[4] = std::max(2.0 * d * (1.0 + a.sin_s), 3.0 * d);
    } else {
        v[0] = std::max((3.0 + 2.0 * a.cos_r) * d, 4.0 * d);
        const double x = 7.0 * d * a.sin_r;
        v[3] = x <= 3.0 * d ? 4.0 * d : x;
        v[4] = 3.0 * d;
    }
    v[1] = 4.0 * d;
    v[2] = std::max(7.0 * d, 80.0);
    v[5] = 3.0 * d;
}

// DIN EN 1995-1-1, 8.6, Table 8.5 (DIN 1052 without a national-annex set): minimum spacings of dowels
void dowel_rule(bool ec5, double d, const Angles& a, Six v)
{
    v[0] = (3.0 + 2.0 * a.cos_r) * d;
    v[1] = 3.0 * d;
    v[2] = std::max(7.0 * d, 80.0);
    if (ec5) {
        const double x = a.deg < 90.0 ? a.deg + 180.0 : a.deg;
        if ((x >= 90.0 && x < 150.0) || (x >= 210.0 && x < 270.0)) v[3] = std::max(7.0 * d * a.sin_r, 3.0 * d);
        else v[3] = 3.0 * d;
        v[4] = std::max(2.0 * d * (1.0 + a.sin_s), 3.0 * d);
    } else {
        v[3] = std::max(7.0 * d * a.sin_r, 3.0 * d);
        v[4] = 3.0 * d;
    }
    v[5] = 3.0 * d;
}

bool panel_list(int m)
{
    return (m >= MAT_IJOIST_JOIST && m <= MAT_SOLID_MEMBER) || (m >= MAT_OSB && m <= MAT_KERTO_Q) ||
        m == MAT_BEECH_BOARD || m == MAT_LVL;
}

// DIN EN 1995-1-1, 8.4, Table 8.3 (DIN 1052 without a national-annex set): minimum spacings of staples
void staple_rule(bool ec5, double d, const Angles& a, double theta, int material, Six v)
{
    const double th = theta * 180.0 / kPi;
    v[0] = th >= 30.0 ? (10.0 + 5.0 * a.cos_r) * d : (15.0 + 5.0 * a.cos_r) * d;
    v[2] = (15.0 + 5.0 * a.cos_r) * d;
    v[3] = 15.0 * d;
    if (ec5) {
        v[1] = 15.0 * d;
        v[4] = (15.0 + 5.0 * a.sin_r) * d;
        v[5] = 10.0 * d;
        if (panel_list(material)) { v[0] *= 0.85; v[1] *= 0.85; }
    } else {
        v[1] = th >= 30.0 ? (5.0 + 10.0 * std::sin(theta)) * d : 10.0 * d;
        v[4] = (10.0 + 5.0 * a.sin_r) * d;
        v[5] = 5.0 * d * (1.0 + std::sin(theta));
    }
}

bool nail_like(int type) { return type == FT_NAIL || is_special_nail_type(type); }

// DIN EN 1995-1-1, 8.3.1.2, Table 8.2 (DIN 1052 without a national-annex set): minimum spacings of
// nails and small screws
void nail_rule(bool ec5, int type, int predrilled, int splitting, int material, double rho, double d,
               const Angles& a, Six v)
{
    const bool screw = (type >= FT_WOOD_SCREW_1A && type <= FT_ASSY_VG_S) || type == FT_ASSY_USER ||
        type == FT_SPAX_USER;
    const bool pre = screw ? true : predrilled != 0;
    if (pre) {
        v[0] = ec5 ? (4.0 + a.cos_r) * d : (3.0 + 2.0 * a.cos_r) * d;
        v[1] = ec5 ? (3.0 + a.sin_r) * d : 3.0 * d;
        v[2] = (7.0 + 5.0 * a.cos_r) * d;
        v[3] = 7.0 * d;
        v[4] = d >= 5.0 ? (3.0 + 4.0 * a.sin_r) * d : (3.0 + 2.0 * a.sin_r) * d;
        v[5] = 3.0 * d;
    } else if (rho > 420.0) {
        v[0] = material == MAT_PLASTERBOARD ? 10.0 * d : (7.0 + 8.0 * a.cos_r) * d;
        v[1] = 7.0 * d;
        v[2] = (15.0 + 5.0 * a.cos_r) * d;
        v[3] = 15.0 * d;
        v[4] = d >= 5.0 ? (7.0 + 5.0 * a.sin_r) * d : (7.0 + 2.0 * a.sin_r) * d;
        const bool osb_or_particleboard = material == MAT_OSB || material == MAT_PARTICLEBOARD;
        v[5] = (osb_or_particleboard && cur_ec5_params && cur_ec5_params->country != 0) ? 3.0 * d : 7.0 * d;
    } else {
        v[1] = 5.0 * d;
        v[5] = 5.0 * d;
        if (d >= 5.0) {
            v[0] = (5.0 + 7.0 * a.cos_r) * d;
            v[2] = (10.0 + 5.0 * a.cos_r) * d;
            v[3] = 10.0 * d;
            v[4] = 5.0 * d * (1.0 + a.sin_r);
        } else {
            v[0] = 5.0 * d * (1.0 + a.cos_r);
            v[2] = ec5 ? (10.0 + 5.0 * a.cos_r) * d : (7.0 + 5.0 * a.cos_r) * d;
            v[3] = ec5 ? 10.0 * d : 7.0 * d;
            v[4] = (5.0 + 2.0 * a.sin_r) * d;
        }
    }
    if (splitting && !pre && nail_like(type)) v[4] = v[5] = (rho > 420.0 ? 14.0 : 10.0) * d;
    const bool plate = material == MAT_STEEL_PLATE || material == MAT_ALU_PLATE;
    if (!ec5) {
        if (!pre && nail_like(type) && plate) v[0] = std::max(5.0 * d, v[0] / 2.0);
    } else {
        if (plate && (!is_wood_screw_type(type) || d <= 6.0)) { v[0] *= 0.7; v[1] *= 0.7; }
        if (panel_list(material)) { v[0] *= 0.85; v[1] *= 0.85; }
    }
}

void lvl_nail_rule(int material, double d, const Angles& a, Six v)
{
    if (material == MAT_KERTO_S) {
        v[0] = d >= 5.0 ? (5.0 + 7.0 * a.cos_r) * d : 5.0 * d * (1.0 + a.cos_r);
        v[1] = 5.0 * d;
        v[2] = (10.0 + 5.0 * a.cos_r) * d;
        v[3] = 10.0 * d;
        v[4] = d >= 5.0 ? 5.0 * d * (1.0 + a.sin_r) : (5.0 + 2.0 * a.sin_r) * d;
        v[5] = 5.0 * d;
    } else {
        v[0] = (5.0 + 2.0 * a.cos_r) * d;
        v[1] = 5.0 * d;
        v[2] = (4.0 + 3.0 * a.cos_r) * d;
        v[3] = 5.0 * d;
        v[4] = (3.0 + 4.0 * a.sin_r) * d;
        v[5] = 3.0 * d;
    }
}

// LVL bolt and dowel rules: Kerto-S takes the same a1, a2 and a3,t for both (a3,c by the pin's
// own rule), the other LVL its own rows; the edge distances are shared.
void lvl_pin_rule(bool dowel, int material, double d, const Angles& a, Six v)
{
    if (material == MAT_KERTO_S) {
        v[0] = (4.0 + 3.0 * a.cos_r) * d;
        v[1] = 4.0 * d;
        v[2] = std::max(7.0 * d, 105.0);
        if (!dowel) {
            Six b;
            bolt_rule(true, d, a, b);
            v[3] = b[3];
        } else if ((a.deg > 30.0 && a.deg < 60.0) || (a.deg >= 90.0 && a.deg < 150.0) ||
                   (a.deg >= 210.0 && a.deg < 270.0)) {
            v[3] = std::max(v[2] * a.sin_r, 3.0 * d);
        } else {
            v[3] = 3.0 * d;
        }
    } else {
        v[0] = dowel ? (3.0 + a.cos_r) * d : 4.0 * d;
        v[1] = dowel ? 3.0 * d : 4.0 * d;
        v[2] = std::max(4.0 * d, 60.0);
        v[3] = dowel ? (3.0 + a.sin_r) * d : 4.0 * d;
    }
    v[4] = std::max(2.0 * d * (1.0 + a.sin_s), 3.0 * d);
    v[5] = 3.0 * d;
}

// DIN EN 1995-1-1, 8.9, Table 8.7 and 8.10, Table 8.8: minimum spacings of ring, shear-plate and
// toothed-plate connectors, at least those of their bolt
void connector_rule(bool ec5, int type, double dc, double db, const Angles& a, Six v)
{
    Six b;
    bolt_rule(ec5, db, a, b);
    double c[6];
    if (type == FT_RING_A1 || type == FT_CONNECTOR_B1 || type == FT_CONNECTOR_C10 || type == FT_CONNECTOR_C11) {
        c[0] = (1.2 + 0.8 * a.cos_r) * dc;
        c[2] = 2.0 * dc;
        c[3] = a.deg > 30.0 ? (0.4 + 1.6 * a.sin_r) * dc : 1.2 * dc;
    } else {
        c[0] = (1.2 + 0.3 * a.cos_r) * dc;
        c[2] = (type == FT_CONNECTOR_C5 && ec5) ? 2.0 * dc : 1.5 * dc;
        c[3] = a.deg > 30.0 ? (0.9 + 0.6 * a.sin_r) * dc : 1.2 * dc;
    }
    c[1] = 1.2 * dc;
    c[4] = (0.6 + 0.2 * a.sin_r) * dc;
    c[5] = 0.6 * dc;
    for (int i = 0; i < 6; ++i) v[i] = std::max(c[i], b[i]);
}

} // namespace

// DIN EN 1995-1-1 with its national annex (DIN 1052 without a set): minimum spacings a1, a2 and end
// and edge distances a3,t, a3,c, a4,t, a4,c of one fastener
int fastener_minimum_spacings(int type, int predrilled, int fitted, int /*reserved*/, int splitting, int material,
                              double rho_k, double d, double d_b, double alpha, double theta, double, double,
                              double* a1, double* a2, double* a3t, double* a3c, double* a4t, double* a4c)
{
    const bool ec5 = cur_ec5_params != nullptr;
    const Angles a = angles_of(alpha);
    const bool lvl = material == MAT_KERTO_S || material == MAT_KERTO_Q;
    const bool wood = type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C;
    const bool proprietary = (type >= FT_SPAX_S_TG && type <= FT_ASSY_VG_S) || type == FT_ASSY_USER ||
        type == FT_SPAX_USER;
    const bool connector = is_connector_type(type);
    double v[6] = {0, 0, 0, 0, 0, 0};
    int code = 0;
    enum { NAIL = 1, STAPLE, BOLT, DOWEL, CONN, LVL_NAIL, LVL_BOLT, LVL_DOWEL } rule = static_cast<decltype(rule)>(0);

    if (type == FT_SIMPSON_CSA && d > 4.1 && d < 5.1) d = 4.0;
    if (wood && d > 6.01) {
        rule = lvl ? LVL_BOLT : (fitted ? DOWEL : BOLT);
    } else if (lvl && !connector) {
        if (wood || ((type >= FT_SPAX_S_TG && type <= FT_ASSY_VG_S) && d <= 6.1) || nail_like(type)) rule = LVL_NAIL;
        else if (proprietary && d > 6.1) rule = LVL_BOLT;
        else if (type == FT_STAPLE) rule = STAPLE;
        else if (type == FT_DOWEL) rule = LVL_DOWEL;
        else if (type == FT_BOLT) rule = LVL_BOLT;
    } else if (connector) {
        rule = CONN;
    } else if (type == FT_STAPLE) {
        rule = STAPLE;
    } else if (type == FT_DOWEL) {
        rule = DOWEL;
    } else if (type == FT_BOLT) {
        rule = fitted ? DOWEL : BOLT;
    } else if (type == FT_NAIL || wood || proprietary || is_special_nail_type(type)) {
        rule = NAIL;
    }

    switch (rule) {
    case NAIL: nail_rule(ec5, type, predrilled, splitting, material, rho_k, d, a, v); code = ec5 ? 2 : 10; break;
    case LVL_NAIL: lvl_nail_rule(material, d, a, v); code = ec5 ? 2 : 10; break;
    case STAPLE: staple_rule(ec5, d, a, theta, material, v); code = ec5 ? 3 : 13; break;
    case BOLT: bolt_rule(ec5, d, a, v); code = ec5 ? 4 : 9; break;
    case LVL_BOLT: lvl_pin_rule(false, material, d, a, v); code = ec5 ? 4 : 9; break;
    case LVL_DOWEL: lvl_pin_rule(true, material, d, a, v); code = ec5 ? 4 : 9; break;
    case DOWEL: dowel_rule(ec5, d, a, v); code = ec5 ? 5 : 8; break;
    case CONN:
        connector_rule(ec5, type, d, d_b, a, v);
        if (type == FT_RING_A1 || type == FT_CONNECTOR_B1) code = ec5 ? 7 : 18;
        else if (type == FT_CONNECTOR_C1 || type == FT_CONNECTOR_C5 || type == FT_CONNECTOR_C2) code = ec5 ? 8 : 20;
        else code = ec5 ? 9 : 21;
        break;
    default: return 0;
    }
    double* out[6] = {a1, a2, a3t, a3c, a4t, a4c};
    for (int i = 0; i < 6; ++i)
        if (out[i]) *out[i] = v[i];
    return code;
}
