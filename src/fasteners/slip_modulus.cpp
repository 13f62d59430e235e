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
    return type == 0 || (type >= 2 && type <= 24) || (type >= 34 && type <= 46);
}
} // namespace

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
    if (type == 29 || type == 30) {
        k = r15 * d / (ec5 ? 23.0 : 20.0);
    } else if (type == 1) {
        k = r15 * std::pow(d, 0.8) / (ec5 ? 40.0 : 30.0);
    } else if (nail_or_screw(type)) {
        k = predrilled ? r15 * d / (ec5 ? 23.0 : 20.0) : r15 * std::pow(d, 0.8) / (ec5 ? 30.0 : 25.0);
    } else if (type == 25 || type == 31) {
        k = (ec5 ? 0.5 : 0.6) * rho * d;
    } else if (type == 26 || type == 27 || type == 32) {
        k = (ec5 ? 0.375 : 0.3) * rho * d;
    } else if (type == 28 || type == 33) {
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
    if (type == 1) return d > 6.0 ? (ec5 ? 2.0 : 1.8) * d * t : 0.0;
    if (nail_or_screw(type)) return (predrilled || d > 6.0) ? (ec5 ? 1.0 : 0.9) * d * t : 0.0;
    if (type == 25 || type == 31) {
        const double F = connector_dim_by_key(type, row, "F"), he = connector_dim_by_key(type, row, "he");
        return F + (t - he) * (fitted ? db : db + 1.0);
    }
    if (type == 26 || type == 27 || type == 28 || type == 32 || type == 33)
        return connector_dim_by_key(type, row, "F") + t * (fitted ? db : db + 1.0);
    if (type == 29) return d * t;
    if (type == 30) return (fitted ? d : d + 1.0) * t;
    return 0.0;
}

double fastener_hole_area_by_row(int type, int row, int bolt_index, int predrilled, int fitted, double t,
                                 double* out_width)
{
    const double dn = fastener_diameter(type, row);
    double width = dn, area = 0.0;
    switch (type) {
    case 0:
        width = dn - 1.0;
        area = (predrilled || dn > 7.0) ? 0.9 * t * (dn - 1.0) : 0.0;
        break;
    case 29: area = dn * t; break;
    case 30: width = fitted ? dn : dn + 1.0; area = width * t; break;
    case 31: width = connector_dim_by_key(31, row, "d3"); area = width * t; break;
    case 32: case 33: {
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
