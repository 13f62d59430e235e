#include "fasteners/required_thickness.h"

#include "fasteners/embedding_strength.h"
#include "fasteners/fastener_properties.h"
#include "fasteners/fastener_types.h"
#include "fasteners/penetration.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>

namespace {

const double kHalfPi = 1.5707963267948966;

bool proprietary_screw(int type)
{
    return (type >= FT_SPAX_S_TG && type <= FT_ASSY_VG_S) || type == FT_ASSY_USER || type == FT_SPAX_USER;
}
bool board_list(int m)
{
    return (m >= MAT_OSB && m <= MAT_KERTO_Q) || m == MAT_BEECH_BOARD || m == MAT_LVL ||
           (m >= MAT_IJOIST_JOIST && m <= MAT_SOLID_MEMBER);
}

// DIN EN 1995-1-1, 8.5.1.1 (8.30) for bolts; nails and the proprietary screws by their own rules:
// Yield moment M_y,k (Nmm); side = the rule of the side member (wood screws 60 d^2.6).
double yield_moment(int type, int variant, double d, double f_uk, int thread, int core, bool side)
{
    if (type == FT_SPAX_S_TG || type == FT_SPAX_T_TG || type == FT_SPAX_S_VG || type == FT_SPAX_USER) {
        if (variant) return cur_ec5_params ? 60.0 * std::pow(d, 2.6) : 0.0;
        return nail_yield_moment(d);
    }
    if (type == FT_ASSY_VG_Z || type == FT_ASSY_VG_S || type == FT_ASSY_USER)
        return variant ? screw_yield_moment_by_d_alt(d) : screw_yield_moment_by_d(d);
    if (type == FT_BOLT && thread && core) return 0.3 * f_uk * std::pow(thread_core_diameter(d), 2.6);
    if (type == FT_SIMPSON_CSA) return d < 4.1 ? 3500.0 : 5000.0;
    if (type >= FT_WOOD_SCREW_1A && type <= FT_WOOD_SCREW_3C && side) return 60.0 * std::pow(d, 2.6);
    return 0.3 * f_uk * std::pow(d, 2.6);
}

struct Strengths { double side, middle; };

Strengths strengths(double de, int type, int predrilled, double a_side, double a_middle, double t_side,
                    double t_middle, double rho_side, double rho_middle, int mat_side, int mat_middle, int sub_side,
                    int sub_middle, const UserEmbeddingLaw* law_side, const UserEmbeddingLaw* law_middle)
{
    Strengths s{0.0, 0.0};
    embedding_strength(&s.side, &s.middle, type, de, predrilled, a_side, a_middle, t_side, t_middle, rho_side,
                       rho_middle, mat_side, mat_middle, sub_side, sub_middle, law_side, law_middle);
    return s;
}


// DIN 1052, (220) / DIN EN 1995-1-1/NA, (NA.113):
// t_req = 2.3 (sqrt(beta / (1 + beta)) + 1) sqrt(M_y / (f_h d)) with f_h of the side member
// (side) or of the other member; connectors (25-28): max(3 x, 24).
double johansen_thickness(bool side, int type, int predrilled, int variant, double d, int thread, int core, double x,
                          double f_uk, double a_side, double a_middle, double t_side, double t_middle,
                          double rho_side, double rho_middle, int mat_side, int mat_middle, int sub_side,
                          int sub_middle, const UserEmbeddingLaw* law_side, const UserEmbeddingLaw* law_middle)
{
    if (type >= FT_RING_A1 && type <= FT_CONNECTOR_C10) return connector_min_thickness_side(x);
    const double My = yield_moment(type, variant, d, f_uk, thread, core, side);
    const double de = (type == FT_BOLT && !thread) ? d + 1.0 : d;
    Strengths s = strengths(de, type, predrilled, a_side, a_middle, t_side, t_middle, rho_side, rho_middle, mat_side,
                            mat_middle, sub_side, sub_middle, law_side, law_middle);
    const double beta = s.middle / s.side;
    return 2.3 * (std::sqrt(beta / (1.0 + beta)) + 1.0) * std::sqrt(My / ((side ? s.side : s.middle) * d));
}
} // namespace

// DIN 1052, (220) / DIN EN 1995-1-1/NA, (NA.113): t_req of the side member
double required_side_thickness(int type, int predrilled, int variant, double d, int thread, int core,
                               double a_side, double a_middle, double x, double f_uk, double t_side, double t_middle,
                               double rho_side, double rho_middle, int mat_side, int mat_middle, int sub_side,
                               int sub_middle, const UserEmbeddingLaw* law_side, const UserEmbeddingLaw* law_middle)
{
    double t = johansen_thickness(true, type, predrilled, variant, d, thread, core, x, f_uk, a_side, a_middle, t_side,
                                  t_middle, rho_side, rho_middle, mat_side, mat_middle, sub_side, sub_middle, law_side,
                                  law_middle);
    if (board_list(mat_side) && proprietary_screw(type)) t = std::max(t, kScrewMemberThicknessFactor * d);
    return t;
}

// DIN 1052, (221) / NA (NA.114): t_req of the middle or point-side member
double required_point_thickness(int n, double d, double length, double theta, int type, int predrilled, int variant,
                                int thread, int core, double a_side, double a_middle, double x, double f_uk,
                                double t_side, double t_middle, double rho_side, double rho_middle, int mat_side,
                                int mat_middle, int sub_side, int sub_middle, const UserEmbeddingLaw* law_side,
                                const UserEmbeddingLaw* law_middle)
{
    if (type >= FT_RING_A1 && type <= FT_CONNECTOR_C10) return connector_min_thickness_middle(x);
    const double My = yield_moment(type, variant, d, f_uk, thread, core, false);
    if (type == FT_SIMPSON_CSA || (type == FT_BOLT && !thread)) {
        const double de = type == FT_BOLT ? d + 1.0 : d;
        Strengths s = strengths(de, type, predrilled, a_side, a_middle, t_side, t_middle, rho_side, rho_middle,
                                mat_side, mat_middle, sub_side, sub_middle, law_side, law_middle);
        const double beta = s.middle / s.side;
        return 1.15 * 4.0 / std::sqrt(beta + 1.0) * std::sqrt(My / (d * s.middle));
    }
    Strengths s = strengths(d, type, predrilled, a_side, a_middle, t_side, t_middle, rho_side, rho_middle, mat_side,
                            mat_middle, sub_side, sub_middle, law_side, law_middle);
    const double beta = s.middle / s.side;
    const double M = std::sqrt(beta + 1.0);
    const double root = std::sqrt(My / (d * s.middle));
    if (type != FT_NAIL) return 1.15 * 4.0 / M * root;
    // The nail's own penetration check notes its codes once; this classification must not add any.
    const int saved1 = connection_messages_1_count, saved2 = connection_messages_2_count;
    const int pos = penetration_length_check(n, d, length, theta, t_side, t_middle, nullptr, nullptr);
    connection_messages_1_count = saved1;
    connection_messages_2_count = saved2;
    if (pos == 1 || pos == 2) return 1.15 * (2.0 / M + 2.0) * root;
    return 4.6 / M * root;
}

namespace {

// Panel minimum of a side member of material 4 to 9 (t1_req stands for the others): 1.2 d for the
// proprietary screws, else 7 d, 6 d for plywood of the thinner kinds and fibreboard, 10 d for
// plasterboard; the computed value stands where it is larger.
double side_thickness_with_panel_minimum(int type, int material1, int sub1, double d, double t1_req)
{
    if (material1 >= MAT_OSB && material1 <= MAT_FIBREBOARD) {
        double minimum;
        if (proprietary_screw(type)) minimum = kScrewMemberThicknessFactor * d;
        else if (material1 == MAT_PLYWOOD && !(sub1 == 0 || sub1 == 1 || sub1 == 2 || sub1 == 14 || sub1 == -999))
            minimum = 6.0 * d;
        else if (material1 == MAT_FIBREBOARD) minimum = 6.0 * d;
        else if (material1 == MAT_PLASTERBOARD) minimum = 10.0 * d;
        else minimum = 7.0 * d;
        return std::isnan(t1_req) ? minimum : std::max(minimum, t1_req);
    }
    if (material1 == MAT_GYPSUM_FIBREBOARD) return 7.0 * d;
    return t1_req;
}

// DIN EN 1995-1-1, 8.2.3(1): thin and thick plate, linear between
// Point-side thickness factor k of a nail behind a plate of thickness t1 (dd the nail diameter,
// scaled for aluminium): 10 from a plate as thick as the nail, 9 up to half of it, linear between.
double plate_point_thickness_factor(double t1, double dd)
{
    if (t1 + kPlateThicknessTolerance >= dd) return 10.0;
    if (t1 - kPlateThicknessTolerance <= dd / 2.0) return 9.0;
    return 9.0 + (2.0 * t1 / dd - 1.0);
}

// Reduction factor of the simplified method by the position code of the point; code 3 with a
// short usable length counts the whole second member instead (u becomes t2).
double thin_member_factor(int pos, double d, double t2, double t1_req, double t2_req, double z, double* u)
{
    switch (pos) {
    case 1: case 2:
        if (*u >= 4.0 * d) return t2_req > *u ? std::min(z, *u / t2_req) : std::min(z, 1.0);
        return 0.0;
    case 3: {
        if (*u < 4.0 * d) *u = t2;
        else if (*u < t1_req) z = *u / t1_req;
        const double a = t2_req > t2 ? t2 / t2_req : 1.0;
        return std::min(z, a);
    }
    case 4: return 1.0;
    default: return 0.0;
    }
}

}  // namespace

int simplified_thickness_check(int type, double f_uk, int n, double d, double length, double theta, int predrilled,
                               int variant, int thread, int /*reserved*/, double t1, double t2, double rho1,
                               double rho2, int material1, int material2, int sub1, int sub2,
                               const UserEmbeddingLaw* law1, const UserEmbeddingLaw* law2, double* usable_out,
                               int* planes_out, double* factor_out, double* t1_req_out, double* t2_req_out)
{
    const bool handled =
        (type >= FT_NAIL && type <= FT_SPECIAL_NAIL_3C) || (type >= FT_SPECIAL_NAIL_1D && type <= FT_SIMPSON_CSA);
    if (!handled) return 0;
    double u = 0.0;
    int planes = 0;
    const int pos = penetration_length_check(n, d, length, theta, t1, t2, &u, &planes);
    if (planes_out) *planes_out = planes;

    double t1_req, t2_req, z;
    if (!is_metal_plate_material(material1)) {
        t1_req = required_side_thickness(type, predrilled, variant, d, thread, 1, kHalfPi, kHalfPi, 0.0, f_uk, t1, t2,
                                         rho1, rho2, material1, material2, sub1, sub2, law1, law2);
        t2_req = required_point_thickness(n, d, length, theta, type, predrilled, variant, thread, 1, kHalfPi, kHalfPi,
                                          0.0, f_uk, t1, t2, rho1, rho2, material1, material2, sub1, sub2, law1, law2);
        t1_req = side_thickness_with_panel_minimum(type, material1, sub1, d, t1_req);
        z = t1 < t1_req ? t1 / t1_req : 1.0;
    } else {
        t1_req = 0.1;
        z = 1.0;
        if (is_nail_type(type)) {
            const bool alu = material1 == MAT_ALU_PLATE;
            const double plate_min = alu ? kAluThinPlateLimit : 2.0;
            const double dd = alu ? d * kAluPlateFactor : d;
            if (type >= FT_SPECIAL_NAIL_3A && type <= FT_SPECIAL_NAIL_3C && t1 >= plate_min) t2_req = 10.0 * d;
            else if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) t2_req = 8.0 * d;
            else t2_req = plate_point_thickness_factor(t1, dd) * d;
        } else {
            double My;
            if (type == FT_SPAX_S_TG || type == FT_SPAX_T_TG || type == FT_SPAX_S_VG || type == FT_SPAX_USER)
                My = yield_moment(type, variant, d, f_uk, 0, 0, false);
            else if (type == FT_ASSY_VG_Z || type == FT_ASSY_VG_S || type == FT_ASSY_USER)
                My = variant ? screw_yield_moment_by_d_alt(d) : screw_yield_moment_by_d(d);
            else My = 0.3 * f_uk * std::pow(d, 2.6);
            double fh2 = 0.0;
            embedding_strength(nullptr, &fh2, type, d, predrilled, kHalfPi, kHalfPi, t2, t2, rho2, rho2, material2,
                               material2, sub2, sub2, law2, law2);
            t2_req = 4.6 * std::sqrt(My / (d * fh2));
        }
    }

    const double factor = thin_member_factor(pos, d, t2, t1_req, t2_req, z, &u);
    if (usable_out) *usable_out = u;
    if (factor_out) *factor_out = factor;
    if (t1_req_out) *t1_req_out = t1_req;
    if (t2_req_out) *t2_req_out = t2_req;
    return pos;
}

double required_side_thickness_plate(double d, int type, int predrilled, int variant, int thread, int core,
                                     double a_side, double a_middle, double x, double f_uk, double t_side,
                                     double t_middle, double rho_side, double rho_middle, int mat_side, int mat_middle,
                                     int sub_side, int sub_middle, const UserEmbeddingLaw* law_side,
                                     const UserEmbeddingLaw* law_middle)
{
    if (is_metal_plate_material(mat_side)) return 0.1;
    return required_side_thickness(type, predrilled, variant, d, thread, core, a_side, a_middle, x, f_uk, t_side,
                                   t_middle, rho_side, rho_middle, mat_side, mat_middle, sub_side, sub_middle, law_side,
                                   law_middle);
}

// DIN 1052, (220) / DIN EN 1995-1-1/NA, (NA.113) for the second member: t_req with its own f_h
double required_second_thickness(double d, int type, int predrilled, int variant, int thread, int core,
                                 double a_side, double a_middle, double x, double f_uk, double t_side, double t_middle,
                                 double rho_side, double rho_middle, int mat_side, int mat_middle, int sub_side,
                                 int sub_middle, const UserEmbeddingLaw* law_side, const UserEmbeddingLaw* law_middle)
{
    double t = johansen_thickness(false, type, predrilled, variant, d, thread, core, x, f_uk, a_side, a_middle, t_side,
                                  t_middle, rho_side, rho_middle, mat_side, mat_middle, sub_side, sub_middle, law_side,
                                  law_middle);
    if (proprietary_screw(type) && (board_list(mat_side) || board_list(mat_middle))) t = std::max(t, kScrewMemberThicknessFactor * d);
    return t;
}

namespace {
double equal_members_root(double d, int type, int predrilled, int variant, int thread, int core, double angle,
                          double f_uk, double t, double rho, int material, int sub, const UserEmbeddingLaw* law1,
                          const UserEmbeddingLaw* law2)
{
    const double My = yield_moment(type, variant, d, f_uk, thread, core, false);
    const double de = (type == FT_BOLT && !thread) ? d + 1.0 : d;
    double fh = 0.0;
    embedding_strength(&fh, nullptr, type, de, predrilled, angle, angle, t, t, rho, rho, material, material, sub, sub,
                       law1, law2);
    return std::sqrt(My / (d * fh));
}
}

double middle_thickness_equal_members(double d, int type, int predrilled, int variant, int thread, int core,
                                      double angle, double x, double f_uk, double t, double rho, int material, int sub,
                                      const UserEmbeddingLaw* law1, const UserEmbeddingLaw* law2)
{
    if (type >= FT_RING_A1 && type <= FT_CONNECTOR_C10) return connector_min_thickness_middle(x);
    return kMiddleMemberThicknessFactor *
           equal_members_root(d, type, predrilled, variant, thread, core, angle, f_uk, t, rho, material, sub, law1, law2);
}

double side_thickness_equal_members(double d, int type, int predrilled, int variant, int thread, int core,
                                    double angle, double x, double f_uk, double t, double rho, int material, int sub,
                                    const UserEmbeddingLaw* law1, const UserEmbeddingLaw* law2)
{
    if (type >= FT_RING_A1 && type <= FT_CONNECTOR_C10) return connector_min_thickness_middle(x);
    return kSideMemberThicknessFactor *
           equal_members_root(d, type, predrilled, variant, thread, core, angle, f_uk, t, rho, material, sub, law1, law2);
}

// DIN 1052, 12.5.2 / NA.8.2.4: F_v,Rk = factor * sqrt(2 M_y f_h,1 d) of a smooth nail
double nail_shear_plane_capacity(int n, double d, double length, double f_uk, int predrilled, int /*reserved*/,
                                 double t1, double t2, double rho1, double rho2, double alpha1, double alpha2,
                                 int material1, int material2, int sub1, int sub2, const UserEmbeddingLaw* law1,
                                 const UserEmbeddingLaw* law2, FastenerResult* r)
{
    const double My = 0.3 * f_uk * std::pow(d, 2.6);
    double fh1 = 0.0, fh2 = 0.0, f1_90 = 0.0, f2_90 = 0.0;
    r->message_code = embedding_strength(&fh1, &fh2, FT_NAIL, d, predrilled, alpha1, alpha2, t1, t2, rho1, rho2, material1,
                                         material2, sub1, sub2, law1, law2);
    embedding_strength(&f1_90, &f2_90, FT_NAIL, d, predrilled, kHalfPi, kHalfPi, t1, t2, rho1, rho2, material1, material2,
                       sub1, sub2, law1, law2);
    const bool plate1 = is_metal_plate_material(material1);
    const double beta = f2_90 / f1_90;
    double t1_req = plate1 ? 0.1 : 2.3 * (std::sqrt(beta / (1.0 + beta)) + 1.0) * std::sqrt(My / (f1_90 * d));
    double u = 0.0;
    const int pos = penetration_length_check(n, d, length, 90.0, t1, t2, &u, nullptr);
    double t2_req;
    if (plate1) {
        const bool alu = material1 == MAT_ALU_PLATE;
        const double dd = alu ? d * kAluPlateFactor : d;
        t2_req = plate_point_thickness_factor(t1, dd) * d;
    } else {
        const double M = std::sqrt(beta + 1.0);
        const double root = std::sqrt(My / (d * f2_90));
        t2_req = (pos == 1 || pos == 2) ? 1.15 * (2.0 / M + 2.0) * root : 4.6 / M * root;
    }
    double z = 1.0;
    if (!plate1) {
        t1_req = side_thickness_with_panel_minimum(FT_NAIL, material1, sub1, d, t1_req);
        z = t1 < t1_req ? t1 / t1_req : 1.0;
    }
    const double factor = thin_member_factor(pos, d, t2, t1_req, t2_req, z, &u);
    if (pos == 4) r->message_code = 11;
    else if (pos < 1 || pos > 3) r->message_code = 6;
    const double capacity = factor * std::sqrt(2.0 * My * fh1 * d);
    store_shear_terms(r, f_uk, My, fh1, fh2, factor, capacity);
    r->t1_req = t1_req;
    r->t2_req = t2_req;
    return capacity;
}
