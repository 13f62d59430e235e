#include "fasteners/rope_effect.h"

#include "fasteners/axial_capacity.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>

namespace {
double din_mode_factor(int code)
{
    switch (code) {
    case 4: case 5: case 9: case 14: case 17: case 28: return 1.2;
    case 6: case 10: case 12: case 15: case 18: case 20: case 22: case 24: case 26: case 29: return 1.1;
    default: return 1.3;
    }
}

// DIN EN 1995-1-1, 8.2.2: limit of the rope-effect share as a fraction of the lateral capacity (DIN 1052
// without a national-annex set)
double share_limit_fraction(int type, bool annex)
{
    if (type == FT_NAIL || type == FT_STAPLE) return annex ? 0.15 : 0.5;
    if ((type >= FT_WOOD_SCREW_1A && type <= FT_ASSY_VG_S) || type == FT_ASSY_USER || type == FT_SPAX_USER) return 1.0;
    if (type == FT_SIMPSON_CSA) return annex ? 0.4 : 0.5;
    if (type == FT_CONNECTOR_C1 || type == FT_CONNECTOR_C5 || type == FT_CONNECTOR_C10 || type == FT_CONNECTOR_C2 ||
        type == FT_CONNECTOR_C11 || type == FT_BOLT) return 0.25;
    return 0.5;
}
} // namespace

// Partial factor of a failure mode of DIN EN 1995-1-1 8.2.2 and 8.2.3 (DIN 1052 without a set)
double failure_mode_gamma_m(int code, int method)
{
    if (method == 2) return 1.0;
    if (cur_ec5_params) return cur_ec5_params->gamma_m_connections;
    if (code < 1 || code > 29) return -1.0;
    return din_mode_factor(code);
}

// DIN EN 1995-1-1, 8.2.2(2): rope-effect share F_ax,Rk / 4, at most a fraction of the Johansen part
double rope_effect_share(ConnectionDescription desc, double f_v, double axial_a, double axial_b, FastenerResult* r)
{
    if (!rope_effect_applies(desc.fastener_type, desc.resin_coated, desc.predrilled, desc.fitted_hole,
                             desc.material_1, desc.material_2, desc.shear_planes, r->failure_mode_k))
        return 0.0;
    const bool annex = cur_ec5_params != nullptr;
    const double limit = f_v * share_limit_fraction(desc.fastener_type, annex);
    const int type = desc.fastener_type;
    const double f_ax = annex ? axial_capacity_annex(desc, axial_a, axial_b, r)
                              : axial_capacity_din(desc, axial_a, axial_b, r);
    double share;
    if (type == FT_SIMPSON_CNA && annex) share = 0.6 * f_ax;
    else share = std::min(limit, f_ax / 4.0);
    r->rope_share = share;
    return share;
}
