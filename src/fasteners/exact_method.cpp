#include "fasteners/exact_method.h"

#include "fasteners/embedding_strength.h"
#include "fasteners/fastener_properties.h"
#include "fasteners/fastener_types.h"
#include "fasteners/material_access.h"
#include "fasteners/penetration.h"
#include "fasteners/rope_effect.h"
#include "fasteners/simplified_method.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>

namespace {
const double kSqrt2Minus1 = 0.41421356237309515;

bool pin_for_penetration(int type)
{
    return (type >= FT_NAIL && type <= FT_WOOD_SCREW_3C) ||
        (type >= FT_SPECIAL_NAIL_1A && type <= FT_SPECIAL_NAIL_3C) ||
        (type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_3F) || type == FT_SIMPSON_CNA ||
           type == FT_SIMPSON_CSA;
}

// DIN 1052 factor of an exact-method mode; with a national-annex set gamma_M of connections.
double mode_factor(int code)
{
    if (cur_ec5_params) return cur_ec5_params->gamma_m_connections;
    return failure_mode_gamma_m(code, 1);
}

struct Modes {
    double f[11];   // f[1]..f[10]
};

// DIN EN 1995-1-1, 8.2.2 (8.6): failure modes of a timber or panel joint in single shear
// Modes of the Johansen equations (8.6, 8.7); R the rope-effect share on the embedding modes.
void one_plane(Modes& m, double fh1, double beta, double t1, double t2, double d, double my, double k1, double k2,
               double R)
{
    const double q = t2 / t1;
    m.f[1] = fh1 * t1 * d - R;
    m.f[2] = beta * fh1 * t2 * d - R;
    m.f[3] = (fh1 * t1 * d / (1.0 + beta)) *
             (std::sqrt(beta + 2.0 * beta * beta * (1.0 + q + q * q) + beta * beta * beta * q * q) - beta * (1.0 + q));
    m.f[4] = k1 * (fh1 * t1 * d / (2.0 + beta)) *
             (std::sqrt(2.0 * beta * (1.0 + beta) + 4.0 * beta * (2.0 + beta) * my / (fh1 * d * t1 * t1)) - beta);
    m.f[5] = k1 * (fh1 * t2 * d / (1.0 + 2.0 * beta)) *
             (std::sqrt(2.0 * beta * beta * (1.0 + beta) + 4.0 * beta * (1.0 + 2.0 * beta) * my / (fh1 * d * t2 * t2)) -
              beta);
    m.f[6] = k2 * std::sqrt(2.0 * beta / (1.0 + beta)) * std::sqrt(2.0 * my * fh1 * d);
}

// DIN EN 1995-1-1, 8.2.2 (8.7): failure modes of a timber or panel joint in double shear
void two_planes(Modes& m, double fh1, double beta, double t1, double t2, double d, double my, double k1, double k2,
                double R)
{
    m.f[7] = fh1 * t1 * d - R;
    m.f[8] = 0.5 * beta * fh1 * t2 * d - R;
    m.f[9] = k1 * (fh1 * t1 * d / (2.0 + beta)) *
             (std::sqrt(2.0 * beta * (1.0 + beta) + 4.0 * beta * (2.0 + beta) * my / (fh1 * d * t1 * t1)) - beta);
    m.f[10] = k2 * std::sqrt(2.0 * beta / (1.0 + beta)) * std::sqrt(2.0 * my * fh1 * d);
}

// Geometry shared by both timber drivers: effective shear planes after the penetration check.
// Returns 1 or 2 (planes to design), or 0 (no capacity); t2 may be replaced by the usable length.
int timber_branch(int shear_planes, int type, double d, double l, double axis_angle, double t1, double* t2)
{
    int e = 0;
    double t2p = *t2;
    if (pin_for_penetration(type)) penetration_length_check(shear_planes, d, l, axis_angle, t1, *t2, &t2p, &e);
    if (shear_planes == 2) {
        if (e == 2) return 2;
        *t2 = t2p;
        return e == 0 ? 2 : 1;
    }
    if (shear_planes == 1) {
        *t2 = t2p;
        return 1;
    }
    if (e == 1) {
        *t2 = t2p;
        return 1;
    }
    return 0;
}

double ds26(double d) { return std::pow(d, 2.6); }
} // namespace

// DIN EN 1995-1-1, 8.5.1.1 (8.30): M_y,Rk = 0.3 f_u,k d^2.6 of bolts and dowels (a threaded bolt by its
// core); nails and screws by their own rules
double exact_yield_moment(int type, double d, double f_u, int stainless, int thread_flag, double wood_screw_factor)
{
    if (type == FT_BOLT && thread_flag) return 0.3 * f_u * ds26(thread_core_diameter(d));
    if (is_screw_type_group2(type)) return stainless ? screw_yield_moment_by_d_alt(d) : screw_yield_moment_by_d(d);
    if (is_screw_type_group1(type)) {
        if (!stainless) return nail_yield_moment(d);
        return cur_ec5_params ? 60.0 * ds26(d) : 0.0;
    }
    if (type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C) return wood_screw_factor * f_u * ds26(d);
    if (type == FT_SIMPSON_CSA) return d < 4.1 ? 3500.0 : 5000.0;
    return 0.3 * f_u * ds26(d);
}

// DIN EN 1995-1-1, 8.2.2: characteristic capacity per shear plane of a timber or panel joint by the
// Johansen failure modes (DIN 1052 without a national-annex set)
int johansen_timber_characteristic(int method, int shear_planes, double d, double l, double axis_angle,
                                   int predrilled, int stainless, int fitted_hole, int thread_flag, int type,
                                   double alpha1, double alpha2, double t1, double t2, double rho1, double rho2,
                                   int mat1, int mat2, int grade1, int grade2, double f_u,
                                   const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2, FastenerResult* r)
{
    double fh1 = 0.0, fh2 = 0.0;
    const double d_e = (type == FT_BOLT && !fitted_hole) ? d + 1.0 : d;
    r->message_code = embedding_strength(&fh1, &fh2, type, d_e, predrilled, alpha1, alpha2, t1, t2, rho1, rho2, mat1,
                                         mat2, grade1, grade2, user1, user2);
    const double my = exact_yield_moment(type, d, f_u, stainless, thread_flag, 0.15);
    const int planes = timber_branch(shear_planes, type, d, l, axis_angle, t1, &t2);
    const double beta = fh2 / fh1;
    const bool divide = method != 2;
    const double k1 = (divide && cur_ec5_params) ? 1.05 : 1.0;
    const double k2 = (divide && cur_ec5_params) ? 1.15 : 1.0;
    const double R = r->rope_share;

    double capacity = 0.0;
    int code = 7;
    if (planes != 0) {
        Modes m{};
        int first, last;
        if (planes == 1) { one_plane(m, fh1, beta, t1, t2, d, my, k1, k2, R); first = 1; last = 6; }
        else { two_planes(m, fh1, beta, t1, t2, d, my, k1, k2, R); first = 7; last = 10; }
        double best = 0.0;
        for (int c = first; c <= last; ++c) {
            const double v = divide ? m.f[c] / mode_factor(c) : m.f[c];
            if (c == first || v < best) { best = v; code = c; }
        }
        capacity = divide ? best * mode_factor(code) : best;
    }
    if (type == FT_STAPLE && mat1 == MAT_GYPSUM_FIBREBOARD && d > 1.5) capacity *= 1.5 / d;
    store_shear_terms(r, f_u, my, fh1, fh2, 1.0, capacity);
    r->gamma_pin = divide ? failure_mode_gamma_m(code, method) : 1.0;
    r->failure_mode_k = code;
    r->beta = beta;
    return 0;
}

// DIN EN 1995-1-1, 8.2.2: the failure modes of a timber or panel joint with design values
int johansen_timber_design(double gamma1, double gamma2, double gamma_s, double kmod1, double kmod2, int,
                           int shear_planes, double d, double l, double axis_angle, int predrilled, int stainless,
                           int fitted_hole, int thread_flag, int type, double alpha1, double alpha2, double t1,
                           double t2, double rho1, double rho2, int mat1, int mat2, int grade1, int grade2,
                           double f_u, const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2, FastenerResult* r)
{
    double fh1 = 0.0, fh2 = 0.0;
    const double d_e = (type == FT_BOLT && !fitted_hole) ? d + 1.0 : d;
    embedding_strength(&fh1, &fh2, type, d_e, predrilled, alpha1, alpha2, t1, t2, rho1, rho2, mat1, mat2, grade1,
                       grade2, user1, user2);
    const double fh1d = fh1 * kmod1 / gamma1, fh2d = fh2 * kmod2 / gamma2;
    const double my = (type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C) ? 60.0 * ds26(d) / gamma_s
                                                : exact_yield_moment(type, d, f_u, stainless, thread_flag, 0.15) / gamma_s;
    r->m_y_d = my;
    r->f_u_used = f_u;
    r->f_h_1_d = fh1d;
    r->f_h_2_d = fh2d;
    if (std::fabs(fh1d) < 0.00001) {
        r->f_v_d = 0.0;
        return 0;
    }
    const int planes = timber_branch(shear_planes, type, d, l, axis_angle, t1, &t2);
    const double beta = fh2d / fh1d;
    double capacity = 0.0;
    int code = 7;
    Modes m{};
    if (planes == 2) {
        two_planes(m, fh1d, beta, t1, t2, d, my, 1.0, 1.0, 0.0);
        capacity = m.f[8]; code = 8;
        if (m.f[7] <= capacity) { capacity = m.f[7]; code = 7; }
        for (int c = 9; c <= 10; ++c)
            if (m.f[c] < capacity) { capacity = m.f[c]; code = c; }
    } else if (planes == 1) {
        one_plane(m, fh1d, beta, t1, t2, d, my, 1.0, 1.0, 0.0);
        capacity = m.f[2]; code = 2;
        if (m.f[1] <= capacity) { capacity = m.f[1]; code = 1; }
        for (int c = 3; c <= 6; ++c)
            if (m.f[c] < capacity) { capacity = m.f[c]; code = c; }
    }
    if (type == FT_STAPLE && mat1 == MAT_GYPSUM_FIBREBOARD && d > 1.5) capacity *= 1.5 / d;
    r->f_v_d = capacity;
    r->failure_mode_d = code;
    r->reduction_factor = 1.0;
    r->beta = beta;
    return 0;
}

namespace {
bool pin_uses_pointside(int type)
{
    return is_pin_fastener_type(type) || is_screw_type_group1(type) || is_screw_type_group2(type);
}

// DIN EN 1995-1-1, 8.2.3: failure modes of a steel-to-timber joint with the plate as member 1, thin
// (t <= 0.5 d), thick (t >= d) or linear between
// Shared body of both plate-as-member-1 drivers.
void plate_member1(const ConnectionDescription& c, FastenerResult* r, bool design)
{
    int type = c.fastener_type;
    double d = c.d;
    if (type == FT_CONNECTOR_C1 || type == FT_CONNECTOR_C5 || type == FT_CONNECTOR_C10 || type == FT_CONNECTOR_C2 ||
        type == FT_CONNECTOR_C11) {
        type = FT_BOLT;
        d = c.bolt_d;
    }
    double weight;
    const int cls = metal_plate_thickness_class(type, c.material_1, c.d_ef, c.t1, &weight);

    double f_u = c.f_u;
    if (type == FT_DOWEL || ((type == FT_BOLT || type == FT_RING_A1 || type == FT_CONNECTOR_B1) && c.steel_grade >= 0))
        f_u = fastener_steel_f_u(c.steel_grade);

    const bool wood_screw = type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C;
    double my, ms = 0.0;
    if (wood_screw) {
        const double fu = design ? 400.0 : f_u;
        my = 0.15 * fu * ds26(d);
        ms = 0.3 * fu * ds26(d);
    } else {
        my = exact_yield_moment(type, d, f_u, c.stainless, c.thread_flag, 0.15);
    }
    if (design) { my /= c.gamma_m_steel; ms /= c.gamma_m_steel; }

    double fh1 = 0.0, fh = 0.0;
    const double d_e = (type == FT_BOLT && !c.fitted_hole) ? d + 1.0 : d;
    const int msg = embedding_strength(&fh1, &fh, type, d_e, c.predrilled, 0.0, c.load_angle_2 * kDegree,
                                       c.t1, c.t2, 0.0, r->rho_k_2, MAT_STEEL_PLATE, c.material_2, -1, c.grade_2, nullptr, nullptr);
    if (design) fh = fh * r->kmod_2 / c.gamma_m_2;

    const bool divide = !design && c.method != 2;
    const double k = (divide && cur_ec5_params) ? 1.15 : 1.0;
    const double R = design ? 0.0 : r->rope_share;
    auto factor = [&](int code) { return divide ? mode_factor(code) : 1.0; };

    double capacity = 0.0, design_level = 0.0;
    int code = 19;
    if (c.shear_planes == 1) {
        double T = c.t2;
        if (pin_uses_pointside(type) && r->pointside_length < T) T = r->pointside_length;
        const double E = fh * T * d;
        const double f11 = kSqrt2Minus1 * E - R;
        const double f12 = k * std::sqrt(2.0 * my * fh * d);
        const double f13 = E - R;
        const double m14 = wood_screw ? ms : my;
        const double f14 = E * (std::sqrt(2.0 + 4.0 * m14 / (fh * d * T * T)) - 1.0);
        double f15;
        if (wood_screw) {
            const double ls = c.length - c.t1 - c.thread_length;
            const double mid = std::sqrt(2.0 * (ms + my) * fh * d);
            f15 = std::min(2.0 * std::sqrt(ms * fh * d), ls * fh * d + 2.0 * std::sqrt(my * fh * d));
            if (ls <= mid / (fh * d)) f15 = std::min(f15, mid);
            f15 *= k;
        } else {
            f15 = k * 2.0 * std::sqrt(my * fh * d);
        }
        // Thin part: 12 on a tie; thick part: 14 on a tie with 13, 15 only when strictly smaller.
        const double r11 = f11 / factor(11), r12 = f12 / factor(12);
        const int thin_code = r12 <= r11 ? 12 : 11;
        const double thin_red = thin_code == 12 ? r12 : r11;
        const double thin_val = thin_code == 12 ? f12 : f11;
        const double r13 = f13 / factor(13), r14 = f14 / factor(14), r15 = f15 / factor(15);
        int thick_code = r14 <= r13 ? 14 : 13;
        double thick_red = thick_code == 14 ? r14 : r13;
        double thick_val = thick_code == 14 ? f14 : f13;
        if (r15 < thick_red) { thick_code = 15; thick_red = r15; thick_val = f15; }
        if (cls == 0) { code = thin_code; capacity = thin_val; design_level = thin_red; }
        else if (cls == 2) { code = thick_code; capacity = thick_val; design_level = thick_red; }
        else {
            code = thick_code + 14;   // 13, 14, 15 -> 27, 28, 29
            capacity = (1.0 - weight) * thin_val + weight * thick_val;
            design_level = (1.0 - weight) * thin_red + weight * thick_red;
        }
    } else if (c.shear_planes == 2) {
        const double f19 = 0.5 * fh * c.t2 * d - R;
        const double f20 = k * std::sqrt(2.0 * my * fh * d);
        const double f22 = k * 2.0 * std::sqrt(my * fh * d);
        const double r19 = f19 / factor(19), r20 = f20 / factor(20), r21 = f19 / factor(21), r22 = f22 / factor(22);
        const int thin_code = r20 <= r19 ? 20 : 19;
        const int thick_code = r22 <= r21 ? 22 : 21;
        const double thin_red = thin_code == 20 ? r20 : r19, thin_val = thin_code == 20 ? f20 : f19;
        const double thick_red = thick_code == 22 ? r22 : r21, thick_val = thick_code == 22 ? f22 : f19;
        if (cls == 0) { code = thin_code; capacity = thin_val; design_level = thin_red; }
        else if (cls == 2) { code = thick_code; capacity = thick_val; design_level = thick_red; }
        else {
            const double tv = r19 < r20 ? f19 : f20, tr = r19 < r20 ? r19 : r20;
            code = thick_code + 2;   // 21, 22 -> 23, 24
            capacity = (1.0 - weight) * tv + weight * thick_val;
            design_level = (1.0 - weight) * tr + weight * thick_red;
        }
    }

    r->plate_class = cls;
    r->f_u_used = f_u;
    if (design) {
        r->f_v_d = capacity;
        r->failure_mode_d = code;
        r->m_y_d = my;
        r->f_h_2_d = fh;
    } else {
        r->f_v_k = capacity;
        r->f_v_d = design_level;
        r->gamma_pin = c.method == 2 ? 1.0 : failure_mode_gamma_m(code, c.method);
        r->failure_mode_k = code;
        r->m_y_k = my;
        r->f_h_2 = fh;
        r->message_code = msg;
    }
}

double member2_yield_moment(int type, double d, double f_u, int stainless, int thread_flag)
{
    return exact_yield_moment(type, d, f_u, stainless, thread_flag, 0.15);
}
} // namespace

// DIN EN 1995-1-1, 8.2.3: steel-to-timber joint with the plate as member 1, characteristic values
int johansen_plate_member1_characteristic(ConnectionDescription desc, FastenerResult* result)
{
    plate_member1(desc, result, false);
    return 0;
}

// DIN EN 1995-1-1, 8.2.3: steel-to-timber joint with the plate as member 1, design values
int johansen_plate_member1_design(ConnectionDescription desc, FastenerResult* result)
{
    plate_member1(desc, result, true);
    return 0;
}

// DIN EN 1995-1-1, 8.2.3: steel-to-timber joint with the plate as member 2, characteristic values
int johansen_plate_member2_characteristic(int method, double d, int type, int predrilled, int stainless,
                                          int thread_flag, int fitted_hole, double angle, double t1, double rho1,
                                          int mat1, int grade1, double f_u, FastenerResult* r)
{
    const double d_e = (type == FT_BOLT && !fitted_hole) ? d + 1.0 : d;
    const double my = member2_yield_moment(type, d, f_u, stainless, thread_flag);
    double fh = 0.0, fh2 = 0.0;
    r->message_code = embedding_strength(&fh, &fh2, type, d_e, predrilled, angle, 0.0, t1, 0.0, rho1, 0.0, mat1, 12,
                                         grade1, -1, nullptr, nullptr);
    const bool divide = method != 2;
    const double k = (divide && cur_ec5_params) ? 1.15 : 1.0;
    const double R = r->rope_share;
    const double E = fh * t1 * d;
    const double f[3] = {E - R, E * (std::sqrt(2.0 + 4.0 * my / (fh * d * t1 * t1)) - 1.0),
                         k * 2.0 * std::sqrt(my * fh * d)};
    auto factor = [&](int code) { return divide ? mode_factor(code) : 1.0; };
    int code = 16;
    double best = f[0] / factor(16);
    for (int c = 17; c <= 18; ++c) {
        const double v = f[c - 16] / factor(c);
        if (v < best) { best = v; code = c; }
    }
    r->f_v_k = best * factor(code);
    r->f_v_d = best;
    r->gamma_pin = divide ? failure_mode_gamma_m(code, method) : 1.0;
    r->failure_mode_k = code;
    r->m_y_k = my;
    r->f_u_used = f_u;
    r->f_h_1 = fh;
    return 0;
}

// Wood screws take 60 d^2.6 / gamma_M,steel here as in the other design drivers; a zero yield
// moment would rule every screwed plate joint out.
// DIN EN 1995-1-1, 8.2.3: steel-to-timber joint with the plate as member 2, design values
int johansen_plate_member2_design(double gamma1, double, double gamma_s, double kmod1, double d, int type,
                                  int predrilled, int stainless, int thread_flag, int fitted_hole, double angle,
                                  double t1, double rho1, int mat1, int grade1, double f_u, FastenerResult* r)
{
    const double d_e = (type == FT_BOLT && !fitted_hole) ? d + 1.0 : d;
    const double my = ((type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C) ? 60.0 * ds26(d)
                                                 : member2_yield_moment(type, d, f_u, stainless, thread_flag)) /
                      gamma_s;
    double fh = 0.0, fh2 = 0.0;
    embedding_strength(&fh, &fh2, type, d_e, predrilled, angle, 0.0, t1, 0.0, rho1, 0.0, mat1, -1, grade1, -1, nullptr,
                       nullptr);
    fh = fh * kmod1 / gamma1;
    const double E = fh * t1 * d;
    const double f16 = E, f17 = E * (std::sqrt(2.0 + 4.0 * my / (fh * d * t1 * t1)) - 1.0);
    const double f18 = 2.0 * std::sqrt(my * fh * d);
    const double m = std::min(f16, f17);
    int code = 16;
    if (f18 < m) code = 18;
    else if (f16 > f17) code = 17;
    if (r) {
        r->f_v_d = std::min(m, f18);
        r->failure_mode_d = code;
        r->m_y_d = my;
        r->f_u_used = f_u;
        r->f_h_1_d = fh;
    }
    return 0;
}
