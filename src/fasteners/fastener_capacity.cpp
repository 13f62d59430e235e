#include "fasteners/fastener_capacity.h"

#include "fasteners/axial_capacity.h"
#include "fasteners/fastener_types.h"
#include "fasteners/material_access.h"
#include "fasteners/required_thickness.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool user_defined(int material, int grade) { return material == MAT_USER || material == MAT_FREE || grade == -999 ||
    grade == 14; }

int loading_kind(int material)
{
    switch (material) {
    case MAT_SOFTWOOD: case MAT_HARDWOOD: case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_GL75: return 7;
    case MAT_OSB: case MAT_PLASTERBOARD: case MAT_PLYWOOD: case MAT_KERTO_S: case MAT_KERTO_Q:
    case MAT_BEECH_BOARD: case MAT_LVL: case MAT_GLVL: return 1;
    case MAT_PARTICLEBOARD: case MAT_FIBREBOARD: case MAT_GYPSUM_FIBREBOARD: return 4;
    default: return 0;
    }
}

// f_c,90 of a member in N/mm2; 0 when the material library has none.
double member_fc90(int material, int grade, int service_class, double t, const UserMaterial& user, bool first)
{
    if (first && (grade == -999 || grade == 14)) return user.f_c90_k * 1000.0 * 0.001;
    double fc = 0.0;
    fastener_get_strength_c(material, grade, service_class, loading_kind(material), t, t, &fc);
    return fc * 0.001;
}

bool pin_type(int type)
{
    return type == FT_NAIL || type == FT_STAPLE || (type >= FT_WOOD_SCREW_1A && type <= FT_ASSY_VG_S) ||
        type == FT_ASSY_USER || type == FT_SPAX_USER ||
           (type >= FT_SPECIAL_NAIL_1A && type <= FT_SPECIAL_NAIL_3C) ||
               (type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_3F) || type == FT_SIMPSON_CNA ||
               type == FT_SIMPSON_CSA;
}

} // namespace

int fastener_capacity_from_record(ConnectionDescription c, FastenerResult* r)
{
    std::memset(r, 0, sizeof *r);
    connection_messages_clear();

    fastener_get_rho_k(c.material_1, c.grade_1, c.t1, &r->rho_k_1, &c.user_material);
    fastener_get_rho_k(c.material_2, c.grade_2, c.t2, &r->rho_k_2, &c.user_material);
    r->gamma_pin = 1.0;
    r->gamma_conn = 1.0;

    if (c.compute_kmod || c.kmod_given < 1e-7) {
        const bool plate1 = is_metal_plate_material(c.material_1), plate2 = is_metal_plate_material(c.material_2);
        if (!plate2)
            fastener_get_kmod(c.material_2, c.grade_2, c.service_class_2, c.load_duration, &r->kmod_2, &c.user_material);
        if (!plate1)
            fastener_get_kmod(c.material_1, c.grade_1, c.service_class_1, c.load_duration, &r->kmod_1, &c.user_material);
        if (plate1) r->kmod_1 = r->kmod_2;
        if (plate2) r->kmod_2 = r->kmod_1;
    } else {
        r->kmod_1 = r->kmod_2 = c.kmod_given;
    }

    const int type = c.fastener_type;
    const bool screw = (type >= FT_WOOD_SCREW_1A && type <= FT_ASSY_VG_S) || type == FT_ASSY_USER ||
        type == FT_SPAX_USER;
    if (!screw) c.axis_angle = 90.0;

    const bool pin = pin_type(type);
    const bool special = is_special_nail_type(type);
    const double sin_a = std::sin(c.axis_angle * kDegree);
    if (pin && c.d > 0.0 && c.length > 0.0) {
        simplified_thickness_check(type, c.f_u, c.shear_planes, c.d, c.length, c.axis_angle, c.predrilled, c.stainless,
                                   0, 0, c.t1, c.t2, r->rho_k_1, r->rho_k_2, c.material_1, c.material_2, c.grade_1,
                                   c.grade_2, &c.embedding_law_1, nullptr, &r->pointside_length,
                                   &r->shear_planes_used, nullptr, &r->t1_req, &r->t2_req);
        c.d_ef = c.d;
        c.d_head = std::max(c.d_head, c.d);
        if (c.shear_planes == 1) {
            const double q = std::min(r->pointside_length, c.t2);
            if (!special || q <= c.length)
                if (c.t1 + q < sin_a * c.length) c.length = (c.t1 + q) / sin_a;
        } else if (c.shear_planes == 2) {
            if (!special || c.t2 <= c.length)
                if (r->pointside_length < c.t1 / sin_a) c.length = c.length + r->pointside_length - c.t1 / sin_a;
        }
        c.thread_length = std::min(c.thread_length, c.length);
    }

    // Compression strength under a washer.
    const double fc1 = member_fc90(c.material_1, c.grade_1, c.service_class_1, c.t1, c.user_material, true);
    const double fc2 = user_defined(c.material_2, c.grade_2)
                           ? fc1   // no table value for a user-defined member 2: it takes member 1's
                           : member_fc90(c.material_2, c.grade_2, c.service_class_2, c.t2, c.user_material, false);
    double f_c90;
    if (is_metal_plate_material(c.material_1)) f_c90 = fc2;
    else if (c.shear_planes == 2) f_c90 = fc1;
    else f_c90 = std::min(fc1, fc2);

    double p = c.t2;
    if (pin) {
        p = 0.0;
        simplified_thickness_check(type, c.f_u, c.shear_planes, c.d, c.length, c.axis_angle, 0, c.stainless,
                                   c.thread_flag, 0, c.t1, c.t2, r->rho_k_1, r->rho_k_2, c.material_1, c.material_2,
                                   c.grade_1, c.grade_2, &c.embedding_law_1, nullptr, &p, nullptr, nullptr, nullptr,
                                   nullptr);
    }

    r->r_ax = cur_ec5_params ? axial_capacity_annex(c, p, f_c90, r) : axial_capacity_din(c, p, f_c90, r);
    if (c.kn_output) {
        r->r_ax *= 0.001;
        r->r_ax_d *= 0.001;
    }
    return 0;
}
