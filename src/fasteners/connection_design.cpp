#include "fasteners/connection_design.h"

#include "fasteners/axial_capacity.h"
#include "fasteners/catalogue_lookups.h"
#include "fasteners/connection_input_check.h"
#include "fasteners/connector_capacity.h"
#include "fasteners/exact_method.h"
#include "fasteners/fastener_types.h"
#include "fasteners/material_access.h"
#include "fasteners/minimum_spacings.h"
#include "fasteners/required_thickness.h"
#include "fasteners/rope_effect.h"
#include "fasteners/simplified_method.h"
#include "fasteners/slip_modulus.h"
#include "fasteners/strength_helpers.h"
#include "fasteners/timber_formulas.h"
#include "fasteners/formula_constants.h"
#include "materials/alu_grades.h"
#include "materials/material_codes.h"
#include "materials/timber_factors.h"
#include "materials/timber_strengths.h"
#include "national_annex/nad_ec5_block.h"
#include "national_annex/nad_ec6_ec9_blocks.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
// Pin fasteners along the edges of a sheet carry 1.2 times their capacity (DIN EN 1995-1-1, 9.2.4.2).
const double kSheetEdgeFactor = 1.2;
// Staples whose crown meets the grain at less than 30 degrees carry 0.7 of it (DIN EN 1995-1-1, 8.4).
const double kFlatStapleAngle = 30.0;
const double kFlatStapleFactor = 0.7;

bool plate(int m) { return is_metal_plate_material(m) != 0; }
bool screw(int type) { return (type >= FT_WOOD_SCREW_1A && type <= FT_ASSY_VG_S) || type == FT_ASSY_USER ||
    type == FT_SPAX_USER; }
bool user_material_grade(int grade) { return grade == -999 || grade == 14; }

// gamma_M2 of aluminium (EN 1999-1-1) from the current set's EC9 block; the recommended 1.25
// when no set is current.
double alu_gamma_m2() { return cur_ec9_params ? cur_ec9_params->gamma_m2 : 1.25; }

void plate_spacings(const ConnectionDescription& c, bool member1, double* s)
{
    double d0 = c.d;
    if (is_connector_type(c.fastener_type) && member1)
        d0 = c.fastener_type == FT_CONNECTOR_B1 ? connector_dim_by_key(FT_CONNECTOR_B1, c.table_row, "d3") : c.bolt_d;
    if (!c.fitted_hole || (c.fastener_type == FT_BOLT && c.bolt_hole_flag)) d0 += 1.0;
    s[0] = s[1] = 2.4 * d0;
    s[2] = s[3] = s[4] = s[5] = 1.2 * d0;
}

void member_spacings(const ConnectionDescription& c, FastenerResult* r, bool member1)
{
    const int mat = member1 ? c.material_1 : c.material_2;
    double* s = member1 ? r->spacing_1 : r->spacing_2;
    const double load_angle = (member1 ? c.load_angle_1 : c.load_angle_2) * kDegree;
    const double fastener_angle = (member1 ? c.fastener_angle_1 : c.fastener_angle_2) * kDegree;
    if (plate(mat) && (member1 || !is_connector_type(c.fastener_type))) {
        plate_spacings(c, member1, s);
        return;
    }
    const bool spax_timber = mat == MAT_SOLID_MEMBER || (mat >= MAT_SOFTWOOD && mat <= MAT_GLULAM_DIN) ||
        mat == MAT_GL75;
    if (c.fastener_type == FT_SPAX_USER && !c.predrilled && spax_timber &&
        (c.spax_user.spacing_variant == 1 || c.spax_user.spacing_variant == 2)) {
        user_spax_spacings(c.spax_user, c.predrilled, mat, load_angle, &s[0], &s[1], &s[2], &s[3], &s[4], &s[5]);
        return;
    }
    const int spacing_mat = (!member1 && plate(c.material_1)) ? MAT_STEEL_PLATE : mat;
    const double rho = member1 ? r->rho_k_1 : r->rho_k_2;
    const double d_b = is_connector_type(c.fastener_type) ? c.bolt_d : c.d;
    const int code = fastener_minimum_spacings(c.fastener_type, c.predrilled, c.fitted_hole, c.spacing_option_1,
                                               c.spacing_option_2, spacing_mat, rho, c.d, d_b, load_angle,
                                               fastener_angle, c.t1, c.t2, &s[0], &s[1], &s[2], &s[3], &s[4], &s[5]);
    (member1 ? r->spacing_code_1 : r->spacing_code_2) = code;
}

double member_fc90(const ConnectionDescription& c, bool member1)
{
    if (member1 && user_material_grade(c.grade_1)) return c.user_material.f_c90_k * 1000.0 * 0.001;
    const int mat = member1 ? c.material_1 : c.material_2;
    return get_fc90k(mat, member1 ? c.grade_1 : c.grade_2, member1 ? c.service_class_1 : c.service_class_2, 1) * 0.001;
}

double axial_fc90(const ConnectionDescription& c)
{
    if (plate(c.material_1)) return member_fc90(c, false);
    const double f1 = member_fc90(c, true);
    if (c.fastener_type == FT_BOLT && c.shear_planes == 1 &&
        !plate(c.material_2)) return std::min(f1, member_fc90(c, false));
    return f1;
}

double pointside_length(const ConnectionDescription& c, const FastenerResult* r)
{
    if (!is_pin_fastener_type(c.fastener_type)) return c.t2;
    double p = c.t2;
    simplified_thickness_check(c.fastener_type, c.f_u, c.shear_planes, c.d, c.length, c.axis_angle, c.predrilled,
                               c.stainless, c.thread_flag, 0, c.t1, c.t2, r->rho_k_1, r->rho_k_2, c.material_1,
                               c.material_2, c.grade_1, c.grade_2, &c.embedding_law_1, nullptr, &p, nullptr, nullptr,
                               nullptr, nullptr);
    return p;
}

double axial(const ConnectionDescription& c, double p, double fc90, FastenerResult* r)
{
    return cur_ec5_params ? axial_capacity_annex(c, p, fc90, r) : axial_capacity_din(c, p, fc90, r);
}

double rope(const ConnectionDescription& c, double f_v, double p, double fc90, FastenerResult* r)
{
    if (c.rope_effect != 1) return 0.0;
    if (!rope_effect_applies(c.fastener_type, c.resin_coated, c.predrilled, c.fitted_hole, c.material_1, c.material_2,
                             c.shear_planes, r->failure_mode_k))
        return 0.0;
    return rope_effect_share(c, f_v, p, fc90, r);
}

double steel_f_u(const ConnectionDescription& c) { return c.steel_grade >= 0 ? fastener_steel_f_u(c.steel_grade) : c.f_u; }

// Bearing of an aluminium plate (EN 1999-1-1 8.5.5) against the capacity of the fastener.
void aluminium_bearing(const ConnectionDescription& c, int plate_member, FastenerResult* r)
{
    const int mat = plate_member == 1 ? c.material_1 : c.material_2;
    if (mat != MAT_ALU_PLATE) return;
    const int grade = plate_member == 1 ? c.grade_1 : c.grade_2;
    const double t = plate_member == 1 ? c.t1 : c.t2;
    r->alu_f_u = alu_grade_f_u(grade);
    r->alu_gamma_m = alu_gamma_m2();
    r->alu_bearing_k = c.d * t * alu_bearing_factor(c.d, c.fitted_hole, r->alu_f_u, &r->alu_factor_1, &r->alu_factor_2);
    r->alu_bearing_d = r->alu_bearing_k / r->alu_gamma_m;
    if (r->alu_bearing_k < r->f_v_k) {
        r->f_v_k = r->alu_bearing_k;
        r->failure_mode_k = FAILURE_MODE_ALU_BEARING;
        r->gamma_pin = r->alu_gamma_m;
    }
    if (r->alu_bearing_d < r->f_v_d) {
        r->f_v_d = r->alu_bearing_d;
        r->failure_mode_d = FAILURE_MODE_ALU_BEARING;
    }
}

double simplified_gamma(const FastenerResult* r)
{
    if (r->failure_mode_k == FAILURE_MODE_ALU_BEARING) return r->alu_gamma_m;
    return 1.1;
}

// Exact method between timber or panel members; returns the design driver's value.
int exact_timber(const ConnectionDescription& c, int type, double d, double f_u, FastenerResult* r)
{
    const double a1 = c.load_angle_1 * kDegree, a2 = c.load_angle_2 * kDegree;
    johansen_timber_characteristic(c.method, c.shear_planes, d, c.length, c.axis_angle, c.predrilled, c.stainless,
                                   c.fitted_hole, c.thread_flag, type, a1, a2, c.t1, c.t2, r->rho_k_1, r->rho_k_2,
                                   c.material_1, c.material_2, c.grade_1, c.grade_2, f_u, &c.embedding_law_1, nullptr,
                                   r);
    return johansen_timber_design(c.gamma_m_1, c.gamma_m_2, c.gamma_m_steel, r->kmod_1, r->kmod_2, c.method,
                                  c.shear_planes, d, c.length, c.axis_angle, c.predrilled, c.stainless, c.fitted_hole,
                                  c.thread_flag, type, a1, a2, c.t1, c.t2, r->rho_k_1, r->rho_k_2, c.material_1,
                                  c.material_2, c.grade_1, c.grade_2, f_u, &c.embedding_law_1, nullptr, r);
}

int exact_plate_member2(const ConnectionDescription& c, double f_u, FastenerResult* r)
{
    const double a1 = c.load_angle_1 * kDegree;
    johansen_plate_member2_characteristic(c.method, c.d, c.fastener_type, c.predrilled, c.stainless, c.thread_flag,
                                          c.fitted_hole, a1, c.t1, r->rho_k_1, c.material_1, c.grade_1, f_u, r);
    return johansen_plate_member2_design(c.gamma_m_1, c.gamma_m_2, c.gamma_m_steel, r->kmod_1, c.d, c.fastener_type,
                                         c.predrilled, c.stainless, c.thread_flag, c.fitted_hole, a1, c.t1,
                                         r->rho_k_1, c.material_1, c.grade_1, f_u, r);
}

int exact_plate_member1(ConnectionDescription c, double f_u, FastenerResult* r)
{
    c.f_u = f_u;
    johansen_plate_member1_characteristic(c, r);
    return johansen_plate_member1_design(c, r);
}

// Pin fasteners: nails, staples and screws. Returns a message code, or -1 to go on.
int design_pin(ConnectionDescription& c, FastenerResult* r, int* held)
{
    const int type = c.fastener_type;
    c.d_ef = c.d;
    if (type == FT_STAPLE) c.f_u = std::max(c.f_u, 800.0);
    if (!(c.d > 0.0) || !(c.length > 0.0)) return -1;

    double p = 0.0;
    int planes = 0;
    const int position = simplified_thickness_check(
        type, c.f_u, c.shear_planes, c.d, c.length, c.axis_angle, c.predrilled, c.stainless, c.thread_flag, 0, c.t1,
        c.t2, r->rho_k_1, r->rho_k_2, c.material_1, c.material_2, c.grade_1, c.grade_2, &c.embedding_law_1, nullptr,
        &p, &planes, nullptr, &r->t1_req, &r->t2_req);
    r->pointside_length = p;
    r->shear_planes_used = planes;
    if (c.shear_planes == 2) {
        if (planes == 1) return p < 4.0 * c.d ? 8 : 7;
        if (planes < 1) return 7;
    } else if (planes == 0 && p < 4.0 * c.d) {
        return 8;
    }
    if (position == 0) return 6;
    c.d_head = std::max(c.d_head, c.d);

    const double sin_t = std::sin(c.axis_angle * kDegree), l = c.length;
    const bool special = is_special_nail_type(type) != 0;
    if (c.shear_planes == 2) {
        if (p < c.t1 / sin_t && !(special && c.t2 > l)) c.length = l + p - c.t1 / sin_t;
    } else {
        const double t2p = std::min(c.t2, p);
        if (c.t1 + t2p < l * sin_t && !(special && t2p > l)) c.length = (c.t1 + t2p) / sin_t;
    }
    c.thread_length = std::min(c.thread_length, c.length);

    const bool p1 = plate(c.material_1), p2 = plate(c.material_2);
    const double a1 = c.load_angle_1 * kDegree, a2 = c.load_angle_2 * kDegree;
    int plate_member = 0;
    if (c.method == 1 || c.method == 2) {
        if (type == FT_STAPLE) {
            *held = exact_timber(c, type, c.d, c.f_u, r);
            r->f_v_k *= 2.0;
            r->f_v_d *= 2.0;
        } else if (p2) {
            *held = exact_plate_member2(c, steel_f_u(c), r);
            plate_member = 2;
        } else if (p1) {
            *held = exact_plate_member1(c, c.f_u, r);
            plate_member = 1;
        } else {
            *held = exact_timber(c, type, c.d, c.f_u, r);
        }
    } else {
        double v;
        if (c.material_1 == MAT_GYPSUM_FIBREBOARD) {
            v = type == FT_STAPLE ? gypsum_fibreboard_staple_capacity(c.d, c.length, c.f_u, 0, c.t1, c.t2, r->rho_k_1,
                                                              r->rho_k_2, c.material_1, c.material_2, c.grade_1,
                                                              c.grade_2, r)
                          : gypsum_fibreboard_nail_capacity(c.d, c.length, c.f_u, c.predrilled, 0, c.t1, c.t2,
                                                            r->rho_k_1, r->rho_k_2, c.material_1, c.material_2,
                                                            c.grade_1, c.grade_2, r);
        } else if (p1) {
            v = plate_member1_pin_capacity(type, c.shear_planes, c.d, c.length, c.axis_angle, c.t2, c.predrilled,
                                           c.stainless, c.t1, a2, c.f_u, c.material_1, c.material_2, c.grade_1,
                                           c.grade_2, r->rho_k_2, r);
            plate_member = 1;
        } else if (p2) {
            v = thick_plate_dowel_capacity(type, c.d, c.t1, c.predrilled, c.stainless, c.fitted_hole, c.thread_flag,
                                           a1, steel_f_u(c), c.material_1, c.grade_1, r->rho_k_1, &c.embedding_law_1,
                                           nullptr, r);
            plate_member = 2;
        } else if (type == FT_STAPLE) {
            v = staple_capacity_simplified(c.shear_planes, c.d, c.length, c.f_u, 0, c.t1, c.t2, r->rho_k_1, r->rho_k_2,
                                           c.material_1, c.material_2, c.grade_1, c.grade_2, &c.embedding_law_1,
                                           nullptr, r);
        } else if (is_wood_screw_type(type)) {
            v = wood_screw_capacity_simplified(c.shear_planes, c.d, c.length, c.f_u, c.predrilled, 0, 0, c.t1, c.t2,
                                               r->rho_k_1, r->rho_k_2, a1, a2, c.material_1, c.material_2, c.grade_1,
                                               c.grade_2, &c.embedding_law_1, nullptr, r);
        } else if (is_nail_type(type)) {
            const bool b1 = is_board_or_engineered_material(c.material_1) != 0;
            const bool b2 = is_board_or_engineered_material(c.material_2) != 0;
            if (b1 != b2)
                v = panel_nail_capacity(c.shear_planes, c.d, c.length, c.f_u, c.predrilled, 0, 0, c.t1, c.t2,
                                        r->rho_k_1, r->rho_k_2, a1, a2, c.material_1, c.material_2, c.grade_1,
                                        c.grade_2, &c.embedding_law_1, nullptr, r);
            else
                v = nail_shear_plane_capacity(c.shear_planes, c.d, c.length, c.f_u, c.predrilled, 0, c.t1, c.t2,
                                              r->rho_k_1, r->rho_k_2, a1, a2, c.material_1, c.material_2, c.grade_1,
                                              c.grade_2, &c.embedding_law_1, nullptr, r);
        } else {
            v = proprietary_screw_capacity_simplified(c.shear_planes, type, c.d, c.length, c.axis_angle, c.predrilled,
                                                      c.stainless, 0, c.t1, c.t2, r->rho_k_1, r->rho_k_2, a1, a2,
                                                      c.material_1, c.material_2, c.grade_1, c.grade_2,
                                                      &c.embedding_law_1, nullptr, r);
        }
        r->f_v_k = v;
    }
    if (plate_member) aluminium_bearing(c, plate_member, r);
    if (c.method == 0) r->gamma_pin = simplified_gamma(r);
    if (*held > 0) return *held;
    return -1;
}

// Dowels and bolts, and the bolt of a toothed-plate connector (type 30 with bolt_d).
void design_dowel_or_bolt(ConnectionDescription& c, int type, double d, FastenerResult* r, int* held,
                          bool connector_bolt)
{
    const bool p1 = plate(c.material_1), p2 = plate(c.material_2) && !connector_bolt;
    const double a1 = c.load_angle_1 * kDegree, a2 = c.load_angle_2 * kDegree;
    const double f_u = steel_f_u(c);
    const int fitted = (type == FT_DOWEL && !connector_bolt) ? 1 : c.fitted_hole;
    int plate_member = 0;
    if (c.method == 1 || c.method == 2) {
        if (p1) { exact_plate_member1(c, f_u, r); plate_member = 1; }
        else if (p2) { exact_plate_member2(c, f_u, r); plate_member = 2; }
        else *held = exact_timber(c, type, d, f_u, r);
    } else {
        double v;
        if (p1) {
            v = plate_member1_dowel_capacity(type, c.shear_planes, d, c.d_ef, c.t2, c.predrilled, c.stainless,
                                             c.fitted_hole, c.thread_flag, c.t1, a2, f_u, c.material_1, c.material_2,
                                             c.grade_1, c.grade_2, r->rho_k_2, r);
            plate_member = 1;
        } else if (p2) {
            v = thick_plate_dowel_capacity(type, d, c.t1, c.predrilled, c.stainless, c.fitted_hole, c.thread_flag, a1,
                                           f_u, c.material_1, c.grade_1, r->rho_k_1, &c.embedding_law_1, nullptr, r);
            plate_member = 2;
        } else {
            v = dowel_bolt_capacity_simplified(c.shear_planes, d, c.stainless, fitted, c.thread_flag, c.t1, c.t2,
                                               r->rho_k_2, r->rho_k_1, c.material_1, c.material_2, c.grade_1,
                                               c.grade_2, f_u, a1, a2, &c.embedding_law_1, nullptr, r);
        }
        r->f_v_k = v;
    }
    if (plate_member && !connector_bolt) aluminium_bearing(c, plate_member, r);
    if (c.method == 0) r->gamma_pin = simplified_gamma(r);
}

void design_connector(ConnectionDescription& c, FastenerResult* r, int* held)
{
    const int type = c.fastener_type;
    const double he = connector_dim_by_key(type, c.table_row, "he");
    if (type == FT_RING_A1) {
        r->gamma_conn = c.gamma_m_1;
        const double k1 = connector_angle_factor(c.d, c.load_angle_1), k2 = connector_angle_factor(c.d, c.load_angle_2);
        const double angle = k1 < k2 ? c.load_angle_1 : c.load_angle_2;
        r->f_conn_k = ring_connector_capacity(c.d, he, angle, c.t1, c.t2, std::min(r->rho_k_1, r->rho_k_2), r,
                                          c.end_distance);
        return;
    }
    if (type == FT_CONNECTOR_B1) {
        r->gamma_conn = c.gamma_m_1;
        r->f_conn_k = shear_plate_connector_capacity(c.d, he, c.load_angle_2, c.t1, c.t2, r->rho_k_2, r);
        return;
    }
    r->gamma_conn = std::max(c.gamma_m_1, c.gamma_m_2);
    const double dc = fastener_diameter(type, c.table_row);
    const bool p1 = plate(c.material_1);
    const double rho = p1 ? r->rho_k_2 : std::min(r->rho_k_1, r->rho_k_2);
    design_dowel_or_bolt(c, 30, c.bolt_d, r, held, true);
    r->f_conn_k = p1 ? toothed_plate_connector_capacity_steel(type, dc, c.bolt_d, he, c.t2, rho, r, c.end_distance)
                     : toothed_plate_connector_capacity(type, dc, c.bolt_d, he, c.t1, c.t2, rho, r, c.end_distance);
}
} // namespace

int connection_design_main(ConnectionDescription c, FastenerResult* r)
{
    apply_assy_user_screw(&c);
    apply_spax_user_screw(&c);
    if (int code = connection_input_check(c)) return code;

    std::memset(r, 0, sizeof *r);
    connection_messages_clear();
    get_rho_k(c.material_1, c.grade_1, c.t1, &r->rho_k_1, &c.user_material);
    get_rho_k(c.material_2, c.grade_2, c.t2, &r->rho_k_2, &c.user_material);
    const int type = c.fastener_type;
    if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) {
        c.method = 1;
        c.f_u = 600.0;
    }
    member_spacings(c, r, true);
    member_spacings(c, r, false);
    r->k_ser = slip_modulus_k_ser(type, c.predrilled, c.d, c.material_1, c.grade_1, c.t1, c.material_2, c.grade_2,
                                  c.t2, &c.user_material);
    r->gamma_pin = 1.0;
    r->gamma_conn = 1.0;

    const bool p1 = plate(c.material_1), p2 = plate(c.material_2);
    if (c.compute_kmod || c.kmod_given < 1e-7) {
        if (!p1) get_kmod(c.material_1, c.grade_1, c.service_class_1, c.load_duration, &r->kmod_1, &c.user_material);
        if (!p2) get_kmod(c.material_2, c.grade_2, c.service_class_2, c.load_duration, &r->kmod_2, &c.user_material);
        if (p1) r->kmod_1 = r->kmod_2;
        if (p2) r->kmod_2 = r->kmod_1;
    } else {
        r->kmod_1 = r->kmod_2 = c.kmod_given;
    }
    if (!screw(type)) c.axis_angle = 90.0;
    const double alpha_min = std::min(c.fastener_angle_1, c.fastener_angle_2);

    // First pass: the drivers find the axial capacity and a rope-effect share in the result.
    double fc90 = axial_fc90(c);
    double p = pointside_length(c, r);
    r->r_ax = axial(c, p, fc90, r);
    r->rope_share = rope(c, r->r_ax, p, fc90, r);

    int held = 0;
    const bool pin = is_pin_fastener_type(type) != 0;
    if (pin) {
        const int code = design_pin(c, r, &held);
        if (code >= 0) return code;
    } else if (type == FT_DOWEL || type == FT_BOLT) {
        c.d_ef = c.d;
        r->shear_planes_used = c.shear_planes == 2 ? 2 : 1;
        design_dowel_or_bolt(c, type, c.d, r, &held, false);
    } else if (is_connector_type(type)) {
        r->shear_planes_used = c.shear_planes == 2 ? 2 : 1;
        design_connector(c, r, &held);
    }
    if (held > 0) return held;

    if (pin && (c.edge_flag_1 || c.edge_flag_2) && c.material_1 != MAT_GYPSUM_FIBREBOARD) {
        r->f_v_k *= kSheetEdgeFactor;
        r->f_v_d *= kSheetEdgeFactor;
    }

    // Second pass with the lengths the dispatch adjusted.
    fc90 = axial_fc90(c);
    p = pointside_length(c, r);
    const bool staple_flat = type == FT_STAPLE && alpha_min < kFlatStapleAngle;
    if (staple_flat) {
        r->f_v_k *= kFlatStapleFactor;
        r->f_v_d *= kFlatStapleFactor;
    }
    r->r_ax = axial(c, p, fc90, r);
    r->rope_share = rope(c, r->f_v_k, p, fc90, r);
    if (staple_flat) r->rope_share *= kFlatStapleFactor;

    r->f_v_k += r->rope_share;
    r->f_total_k = r->f_v_k + r->f_conn_k;
    const double k = std::sqrt(r->kmod_1 * r->kmod_2);
    if (c.method == 2) r->f_v_d += r->rope_share * k / r->gamma_pin;
    else r->f_v_d = r->gamma_pin > 0.0 ? r->f_v_k * k / r->gamma_pin : r->f_v_d * k;
    r->f_conn_d = r->f_conn_k * k / r->gamma_conn;
    r->f_total_d = r->f_v_d + r->f_conn_d;

    if (c.kn_output) {
        double* fields[] = {&r->f_v_k, &r->f_v_d, &r->f_conn_k, &r->f_conn_d, &r->f_total_k,
                            &r->f_total_d, &r->r_ax, &r->r_ax_d, &r->rope_share};
        for (double* f : fields) *f *= 0.001;
    }
    return held;
}
