#include "fasteners/slip_modulus.h"

#include "fasteners/catalogue_lookups.h"
#include "fasteners/fastener_types.h"
#include "materials/timber_factors.h"
#include "national_annex/nad_ec5_block.h"

#include <cmath>

namespace {
// Bolts of the connectors, by index in the bolt diameter list.
double connector_bolt_d(int index)
{
    static const double bolts[] = {6, 8, 10, 12, 16, 20, 24, 30};
    return (index >= 0 && index < 8) ? bolts[index] : 0.0;
}

bool nail_or_screw(int type)
{
    return type == FT_NAIL || (type >= FT_WOOD_SCREW_1A && type <= FT_SPECIAL_NAIL_3C) ||
        (type >= FT_SPECIAL_NAIL_1D && type <= FT_SIMPSON_CSA);
}
} // namespace

// DIN EN 1995-1-1 (DIN 1052 without a national-annex set): slip modulus K_ser of one fastener per shear
// plane
double slip_modulus_k_ser(int type, int predrilled, double d, int material_1, int grade_1, double thickness_1,
                          int material_2, int grade_2, double thickness_2, const UserMaterial* user)
{
    double rho1 = 0.0, rho2 = 0.0;
    get_rho_k(material_1, grade_1, thickness_1, &rho1, user);
    get_rho_k(material_2, grade_2, thickness_2, &rho2, user);
    const bool plate1 = is_metal_plate_material(material_1), plate2 = is_metal_plate_material(material_2);
    double rho = plate1 ? rho2 : (plate2 ? rho1 : std::sqrt(rho1 * rho2));
    const bool ec5 = cur_ec5_params != nullptr;
    if (ec5) rho *= 1.2;
    const double r15 = std::pow(rho, 1.5);
    double k;
    if (type == FT_DOWEL || type == FT_BOLT) {
        k = r15 * d / (ec5 ? 23.0 : 20.0);
    } else if (type == FT_STAPLE) {
        k = r15 * std::pow(d, 0.8) / (ec5 ? 40.0 : 30.0);
    } else if (nail_or_screw(type)) {
        k = predrilled ? r15 * d / (ec5 ? 23.0 : 20.0) : r15 * std::pow(d, 0.8) / (ec5 ? 30.0 : 25.0);
    } else if (type == FT_RING_A1 || type == FT_CONNECTOR_B1) {
        k = (ec5 ? 0.5 : 0.6) * rho * d;
    } else if (type == FT_CONNECTOR_C1 || type == FT_CONNECTOR_C5 || type == FT_CONNECTOR_C2) {
        k = (ec5 ? 0.375 : 0.3) * rho * d;
    } else if (type == FT_CONNECTOR_C10 || type == FT_CONNECTOR_C11) {
        k = (ec5 ? 0.5 : 0.45) * rho * d;
    } else {
        k = 0.0;
    }
    return (plate1 || plate2) ? 2.0 * k : k;
}

double fastener_hole_area(int type, double d, int row, int bolt_index, int predrilled, int fitted, double t)
{
    const bool ec5 = cur_ec5_params != nullptr;
    const double db = connector_bolt_d(bolt_index);
    if (type == FT_STAPLE) return d > 6.0 ? (ec5 ? 2.0 : 1.8) * d * t : 0.0;
    if (nail_or_screw(type)) return (predrilled || d > 6.0) ? (ec5 ? 1.0 : 0.9) * d * t : 0.0;
    if (type == FT_RING_A1 || type == FT_CONNECTOR_B1) {
        const double F = connector_dim_by_key(type, row, "F"), he = connector_dim_by_key(type, row, "he");
        return F + (t - he) * (fitted ? db : db + 1.0);
    }
    if (type == FT_CONNECTOR_C1 || type == FT_CONNECTOR_C5 || type == FT_CONNECTOR_C10 || type == FT_CONNECTOR_C2 ||
        type == FT_CONNECTOR_C11)
        return connector_dim_by_key(type, row, "F") + t * (fitted ? db : db + 1.0);
    if (type == FT_DOWEL) return d * t;
    if (type == FT_BOLT) return (fitted ? d : d + 1.0) * t;
    return 0.0;
}

double fastener_hole_area_by_row(int type, int row, int bolt_index, int predrilled, int fitted, double t,
                                 double* out_width)
{
    const double dn = fastener_diameter(type, row);
    double width = dn, area = 0.0;
    switch (type) {
    case FT_NAIL:
        width = dn - 1.0;
        area = (predrilled || dn > 7.0) ? 0.9 * t * (dn - 1.0) : 0.0;
        break;
    case FT_DOWEL: area = dn * t; break;
    case FT_BOLT: width = fitted ? dn : dn + 1.0; area = width * t; break;
    case FT_CONNECTOR_B1: width = connector_dim_by_key(FT_CONNECTOR_B1, row, "d3"); area = width * t; break;
    case FT_CONNECTOR_C2: case FT_CONNECTOR_C11: {
        const double db = connector_bolt_d(bolt_index);
        area = t * (db + 1.0);
        width = (dn + db + 1.0) / 2.0;
        break;
    }
    default: break;
    }
    if (out_width) *out_width = width;
    return area;
}
