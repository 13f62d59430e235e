#include "fasteners/connection_input_check.h"

#include "fasteners/catalogue_lookups.h"
#include "fasteners/fastener_types.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"
#include "materials/timber_factors.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>

namespace {
bool solid(int m) { return m == MAT_SOFTWOOD || m == MAT_HARDWOOD || m == MAT_SOLID_MEMBER; }
bool timber(int m) { return solid(m) || m == MAT_GLULAM_EC || m == MAT_GLULAM_DIN || m == MAT_GL75; }
bool plate(int m) { return is_metal_plate_material(m); }
bool board(int m) { return is_board_or_engineered_material(m) != 0; }
bool thin_board(int m) { return is_nonveneer_board_material(m) != 0; }
bool either(const ConnectionDescription& c, int m) { return c.material_1 == m || c.material_2 == m; }

int spax_rules(const ConnectionDescription& c)
{
    const int m1 = c.material_1, m2 = c.material_2;
    const double d = c.d, t1 = c.t1, t2 = c.t2;
    const bool np = !c.predrilled;
    if (thin_board(m2)) return 64;
    if (thin_board(m1) && t1 < kScrewMemberThicknessFactor * d) return 65;
    if (((m1 == MAT_PLYWOOD || m1 == MAT_FIBREBOARD) && t1 < 6.0) ||
        (m1 == MAT_GYPSUM_FIBREBOARD && t1 < 6.0)) return 65;
    if ((m1 == MAT_OSB || m1 == MAT_PARTICLEBOARD) && t1 < 8.0) return 65;
    if (!plate(m1) && !board(m1) && t1 < 12.0) return 65;
    if (either(c, MAT_PLASTERBOARD)) return 27;
    if (either(c, MAT_GYPSUM_FIBREBOARD)) return 28;
    if (board(m1) && c.washer_d < c.d_head && d > 11.9) return 34;
    const double t_min = kScrewMemberThicknessFactor * d;
    if ((board(m1) && t1 < t_min) || (board(m2) && t2 < t_min)) return 33;
    if (c.fastener_type == FT_SPAX_S_VG && np) {
        if (!plate(m1) && !board(m1) && t1 < 30.0) return 36;
        if (!plate(m2) && !board(m1) && t2 < 30.0) return 39;
        if (!plate(m1) && t1 < 80.0 && d >= 12.0) return 38;
        if (!plate(m1) && !board(m1) && t1 < 40.0 && d >= 10.0) return 37;
        if (!plate(m2) && t2 < 80.0 && d >= 12.0) return 41;
        if (!board(m1) && !plate(m2) && t2 < 40.0 && d >= 10.0) return 40;
    }
    if (np && either(c, MAT_HARDWOOD)) return 63;
    if (np && d >= 8.0 && (timber(m1) || timber(m2)) && c.spruce_fir_pine == 0) return 58;
    if (c.shear_planes == 2 && plate(m1)) return 10;
    if (d < 3.0) return 4;
    if (c.length < 10.0) return 5;
    return 0;
}

int assy_thickness(double t, double d, int big, int mid, int small, int least, double small_limit)
{
    if (t < 80.0 && d >= 12.0) return big;
    if (t < 40.0 && d >= 10.0) return mid;
    if (t < 30.0 && d > small_limit) return small;
    if (t < 24.0) return least;
    return 0;
}

int assy_rules(const ConnectionDescription& c)
{
    const int m1 = c.material_1, m2 = c.material_2;
    const double d = c.d;
    if (either(c, MAT_PLASTERBOARD)) return 29;
    if (either(c, MAT_GYPSUM_FIBREBOARD)) return 31;
    if (c.fastener_type == FT_ASSY_VG_Z && plate(m1)) return 32;
    if (board(m1) && c.t1 < kScrewMemberThicknessFactor * d) return 35;
    if (!plate(m1) && !thin_board(m1))
        if (int code = assy_thickness(c.t1, d, 51, 50, 49, 47, 7.99)) return code;
    if (!plate(m2) && !thin_board(m2))
        if (int code = assy_thickness(c.t2, d, 55, 54, 53, 48, 7.9)) return code;
    auto counts = [](int m) {
        return cur_ec5_params ? timber(m)
                              : (m == MAT_SOFTWOOD || m == MAT_HARDWOOD || m == MAT_GLULAM_DIN || m == MAT_SOLID_MEMBER);
    };
    if (d >= 8.0 && !c.predrilled && c.spruce_fir_pine == 0 && (counts(m1) || counts(m2))) return 57;
    if (cur_ec5_params && thin_board(m2)) return 30;
    if (!c.stainless) {
        if (d > 4.0 && (c.service_class_1 == 3 || c.service_class_2 == 3)) return 59;
        if (d < 4.001 && (c.service_class_1 != 1 || c.service_class_2 != 1)) return 60;
    }
    if (c.shear_planes == 2 && plate(m1)) return 10;
    if (d < 3.0) return 4;
    if (c.length < 20.0) return 5;
    return 0;
}

int connector_rules(const ConnectionDescription& c, double rho1, double rho2)
{
    const int type = c.fastener_type, m1 = c.material_1, m2 = c.material_2;
    const bool toothed = type == FT_CONNECTOR_C1 || type == FT_CONNECTOR_C5 || type == FT_CONNECTOR_C10 ||
        type == FT_CONNECTOR_C2 || type == FT_CONNECTOR_C11;
    if (!cur_ec5_params) {
        if ((type == FT_CONNECTOR_C1 || type == FT_CONNECTOR_C5 || type == FT_CONNECTOR_C10) && either(c, MAT_HARDWOOD)) return 97;
        if (rho2 >= 500.0 || (!plate(m1) && rho1 >= 500.0)) return 44;
        if (!timber(m1) && !timber(m2)) return 45;
    }
    if ((!cur_ec5_params || cur_ec5_params->country != 0) && (type == FT_RING_A1 || type == FT_CONNECTOR_B1) &&
        (c.service_class_1 == 3 || c.service_class_2 == 3))
        return 81;
    if (toothed) {
        const double he = connector_dim_by_key(type, c.table_row, "he");
        const bool single = c.shear_planes != 2;
        if (plate(m1) || plate(m2)) {
            const double t = plate(m1) ? c.t2 : c.t1;
            if (single && t < 2.25 * he) return 25;
            if (!single && t < 3.75 * he) return 26;
        } else if (single) {
            if (c.t1 < 2.25 * he || c.t2 < 2.25 * he || c.t1 < 3.0 * he) return 25;
        } else {
            if (c.t1 < 3.0 * he) return 25;
            if (c.t2 < 3.75 * he) return 26;
        }
    }
    return 0;
}

// Thickness against splitting of nailed solid timber (DIN EN 1995-1-1/NA 8.3.1.2(6), (7)).
double splitting_thickness(double d, double rho, int option_2)
{
    if (option_2) return std::max(7.0 * d, (13.0 * d - 30.0) * rho / 400.0);
    return std::max(14.0 * d, (13.0 * d - 30.0) * rho / 200.0);
}
} // namespace

int connection_input_check(ConnectionDescription c)
{
    double rho1 = 0.0, rho2 = 0.0;
    get_rho_k(c.material_1, c.grade_1, c.t1, &rho1, &c.user_material);
    get_rho_k(c.material_2, c.grade_2, c.t2, &rho2, &c.user_material);
    const int type = c.fastener_type, m1 = c.material_1, m2 = c.material_2;
    const bool special = is_special_nail_type(type) != 0;

    if (type == FT_GLUED || type == FT_NONE) return 0;
    if (c.f_u < 10.0 && (type == FT_STAPLE || (type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C) ||
        special)) return 82;
    if (!cur_ec5_params && solid(m1) && c.t1 < 24.0) return 21;
    if (plate(m1) && plate(m2)) return 12;
    if (is_screw_type_group1(type)) {
        if (int code = spax_rules(c)) return code;
    } else if (is_screw_type_group2(type)) {
        if (int code = assy_rules(c)) return code;
    } else if (is_connector_type(type)) {
        if (int code = connector_rules(c, rho1, rho2)) return code;
    }
    if (special && cur_ec5_params && cur_ec5_params->country == 0) return 89;

    int code = 0;
    if (type == FT_NAIL || type == FT_STAPLE || special) {
        const bool np = !c.predrilled;
        const int option = c.spacing_option_2;
        const bool single = c.shear_planes == 1;
        const bool m1_fails = solid(m1) && c.t1 < splitting_thickness(c.d, rho1, option) && np;
        if (solid(m2)) {
            const bool m2_fails = c.t2 < splitting_thickness(c.d, rho2, option) && np;
            if (m2_fails) code = option ? (single ? 19 : 20) : (single ? 15 : 16);
            else if (m1_fails) code = option ? 18 : 14;
        } else {
            if (!solid(m1)) return 0;
            if (m1_fails) code = option ? 18 : 14;
        }
    }
    if (cur_ec5_params) return code;
    if (solid(m1) && c.t1 < 24.0) return 21;
    if (solid(m2) && c.t2 < 24.0) return 24;
    return code;
}

double predrill_diameter(int material, double d)
{
    static const double sizes[] = {4, 4.5, 5, 6, 7, 8, 10, 12, 14};
    static const double hardwood[] = {3, 3.5, 3.5, 4, 5, 6, 7, 8, 9};
    static const double other[] = {2.5, 2.5, 3, 4, 4, 5, 6, 7, 8};
    for (int i = 0; i < 9; ++i)
        if (std::fabs(d - sizes[i]) <= 0.1) return material == MAT_HARDWOOD ? hardwood[i] : other[i];
    return -1.0;
}

namespace {
void apply_user_screw(ConnectionDescription* c, const UserScrew& s)
{
    c->stainless = s.stainless;
    c->washer_d = s.has_washer ? s.washer_d : -1.0;
    c->d = s.d;
    c->d_core = s.d_core;
    c->d_head = s.d_head;
    c->length = s.length;
    c->axis_angle = s.axis_angle;
    c->thread_length = s.thread_length;
}
} // namespace

ConnectionDescription* apply_assy_user_screw(ConnectionDescription* c)
{
    if (c->fastener_type == FT_ASSY_USER) apply_user_screw(c, c->assy_user);
    return c;
}

ConnectionDescription* apply_spax_user_screw(ConnectionDescription* c)
{
    if (c->fastener_type == FT_SPAX_USER) apply_user_screw(c, c->spax_user);
    return c;
}
