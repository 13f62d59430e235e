#include "fasteners/simplified_method.h"

#include "fasteners/embedding_strength.h"
#include "fasteners/exact_method.h"
#include "fasteners/fastener_properties.h"
#include "fasteners/fastener_types.h"
#include "fasteners/required_thickness.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>

namespace {
void raise(double* field, double v) { if (v > *field) *field = v; }

double johansen_simplified(double A, double fh1, double fh2, double my, double d, double* beta_out)
{
    const double beta = fh2 / fh1;
    if (beta_out) *beta_out = beta;
    return A * std::sqrt(2.0 * beta / (1.0 + beta)) * std::sqrt(2.0 * my * fh1 * d);
}

// DIN EN 1995-1-1, 8.5.1.1 (8.33) (DIN 1052, 12.5 without a set): k90 of the simplified
// steel-to-timber rule; 1 for small diameters under DIN 1052 and for dowels up to 8 mm.
double simplified_k90(int type, double d, int material)
{
    if (type == FT_DOWEL && d <= 8.0) return 1.0;
    return embedding_factor_k90(d, material);
}

// DIN EN 1995-1-1, 8.2.3(1): thin plate (t <= 0.5 d), thick plate (t >= d), linear between; the
// class-3 special nails and the Simpson nails count as on a thick plate
int classify(int type, int plate_material, double d, double t_s, double* e)
{
    const bool alu = plate_material == MAT_ALU_PLATE;
    const double U = alu ? kAluPlateFactor : 1.0, V = alu ? kAluThinPlateLimit : 2.0;
    if (type >= FT_SPECIAL_NAIL_3A && type <= FT_SPECIAL_NAIL_3C && t_s >= V) { *e = 1.0; return 2; }
    if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) { *e = -1.0; return 2; }
    const double E = U * d;
    if (t_s + kPlateThicknessTolerance >= E) { *e = 1.0; return 2; }
    if (0.5 * E >= t_s - kPlateThicknessTolerance) { *e = 0.0; return 0; }
    *e = 2.0 * t_s / E - 1.0;
    return 1;
}

struct PlateTerms {
    double my_req, my_cap, fh, fh0, fh_alpha, k90;
};

// DIN EN 1995-1-1, 8.5.1.1 (8.30) to (8.33): yield moment and embedding strength at the angle
PlateTerms plate_terms(int type, double d, double t, int predrilled, int stainless, int fitted, int thread_flag,
                       double alpha, double f_u, int material, int grade, double rho_k, const UserEmbeddingLaw* law)
{
    PlateTerms p{};
    p.my_req = exact_yield_moment(type, d, f_u, stainless, thread_flag, 0.3);
    p.my_cap = exact_yield_moment(type, d, f_u, stainless, thread_flag, 0.15);
    const double de = (type == FT_BOLT && !fitted) ? d + 1.0 : d;
    embedding_strength_single(&p.fh, de, type, predrilled, alpha, t, rho_k, material, grade, law);
    p.k90 = simplified_k90(type, d, material);
    p.fh0 = 0.082 * (1.0 - 0.01 * d) * rho_k;
    const double s = std::sin(alpha), c = std::cos(alpha);
    p.fh_alpha = p.fh0 / (p.k90 * s * s + c * c);
    return p;
}

void store_plate(FastenerResult* r, const PlateTerms& p, double f_u, double eta, double t_req, bool both)
{
    r->f_u_used = f_u;
    r->m_y_k = p.my_cap;
    r->reduction_factor = eta;
    r->k90_used = p.k90;
    r->f_h_0 = p.fh0;
    if (both) r->f_h_1 = p.fh_alpha;
    r->f_h_2 = p.fh_alpha;
    raise(&r->t1_req, t_req);
    raise(&r->t2_req, t_req);
}
} // namespace

// DIN 1052 / DIN EN 1995-1-1/NA, simplified method: A sqrt(2 beta / (1 + beta)) sqrt(2 M_y f_h,1 d) of
// a dowel or bolt per shear plane
double dowel_bolt_capacity_simplified(int shear_planes, double d, int stainless, int fitted, int thread_flag,
                                      double t1, double t2, double rho2, double rho1, int mat1, int mat2, int grade1,
                                      int grade2, double f_u, double alpha1, double alpha2,
                                      const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2, FastenerResult* r)
{
    const double t_req1 = is_metal_plate_material(mat1)
                              ? 0.1
                              : required_side_thickness(FT_DOWEL, 0, stainless, d, fitted, thread_flag, alpha1, alpha2, 0.0,
                                                        f_u, t1, t2, rho1, rho2, mat1, mat2, grade1, grade2, user1,
                                                        user2);
    double t_req2;
    if (shear_planes == 1) {
        t_req2 = required_point_thickness(1, d, 0.0, 90.0, FT_DOWEL, 0, stainless, fitted, thread_flag, alpha1, alpha2, 0.0,
                                          f_u, t1, t2, rho1, rho2, mat1, mat2, grade1, grade2, user1, user2);
    } else {
        double f1 = 0.0, f2 = 0.0;
        embedding_strength(&f1, &f2, FT_DOWEL, d, 0, alpha1, alpha2, t1, t2, rho1, rho2, mat1, mat2, grade1, grade2, user1,
                           user2);
        const double b = f2 / f1;
        t_req2 = 1.15 * (4.0 / std::sqrt(1.0 + b)) * std::sqrt(0.3 * f_u * std::pow(d, 2.6) / (f2 * d));
    }
    const double my = 0.3 * f_u * std::pow(thread_flag ? thread_core_diameter(d) : d, 2.6);
    double fh1 = 0.0, fh2 = 0.0;
    r->message_code = embedding_strength(&fh1, &fh2, FT_DOWEL, fitted ? d : d + 1.0, 1, alpha1, alpha2, t1, t2, rho1, rho2,
                                         mat1, mat2, grade1, grade2, user1, user2);
    const double A = (t1 >= t_req1 && t2 >= t_req2) ? 1.0 : std::min(t2 / t_req2, t1 / t_req1);
    double beta;
    const double capacity = johansen_simplified(A, fh1, fh2, my, d, &beta);
    raise(&r->t1_req, t_req1);
    raise(&r->t2_req, t_req2);
    store_shear_terms(r, f_u, my, fh1, fh2, A, capacity);
    r->beta = beta;
    return capacity;
}

// DIN 1052 / DIN EN 1995-1-1/NA, simplified method: capacity of a proprietary screw per shear plane
double proprietary_screw_capacity_simplified(int shear_planes, int type, double d, double l, double axis_angle_deg,
                                             int predrilled, int stainless, int reserved, double t1, double t2,
                                             double rho1, double rho2, double alpha1, double alpha2, int mat1,
                                             int mat2, int grade1, int grade2, const UserEmbeddingLaw* user1,
                                             const UserEmbeddingLaw* user2, FastenerResult* r)
{
    double my = 0.0;
    if (is_screw_type_group1(type) || is_screw_type_group2(type)) my = exact_yield_moment(type, d, 0.0, stainless, 0, 0);
    double fh1 = 0.0, fh2 = 0.0;
    embedding_strength(&fh1, &fh2, type, d, predrilled, alpha1, alpha2, t1, t2, rho1, rho2, mat1, mat2, grade1, grade2,
                       user1, user2);
    double A = 1.0;
    simplified_thickness_check(type, 400.0, shear_planes, d, l, axis_angle_deg, predrilled, stainless, 0, reserved, t1,
                               t2, rho1, rho2, mat1, mat2, grade1, grade2, user1, user2, nullptr, nullptr, &A, nullptr,
                               nullptr);
    double beta;
    const double capacity = johansen_simplified(A, fh1, fh2, my, d, &beta);
    if (r) {
        store_shear_terms(r, 400.0, my, fh1, fh2, A, capacity);
        r->beta = beta;
    }
    return capacity;
}

// DIN EN 1995-1-1, 8.2.3(1): thickness class of a metal plate
int metal_plate_thickness_class(int type, int plate_material, double d, double t_s, double* factor_out)
{
    double e;
    const int cls = classify(type, plate_material, d, t_s, &e);
    if (factor_out) *factor_out = e;
    return cls;
}

// DIN 1052, 12.5.2 / DIN EN 1995-1-1/NA, NA.8.2.4, simplified method: dowel-type fastener through a
// thick steel plate
double thick_plate_dowel_capacity(int type, double d, double t, int predrilled, int stainless, int fitted,
                                  int thread_flag, double alpha, double f_u, int material, int grade, double rho_k,
                                  const UserEmbeddingLaw* law1, const UserEmbeddingLaw*, FastenerResult* r)
{
    const PlateTerms p = plate_terms(type, d, t, predrilled, stainless, fitted, thread_flag, alpha, f_u, material,
                                     grade, rho_k, law1);
    const double t_req = (type >= FT_RING_A1 &&
        type <= FT_CONNECTOR_C10) ? kConnectorMinThickness : 4.6 * std::sqrt(p.my_req / (d * p.fh));
    const double eta = t_req > t ? t / t_req : 1.0;
    const double R = eta * 1.4142135623730951 * std::sqrt(2.0 * p.my_cap * p.fh_alpha * d);
    store_plate(r, p, f_u, eta, t_req, true);
    return R;
}

namespace {
// DIN 1052, 12.5.2 / DIN EN 1995-1-1/NA, NA.8.2.4, simplified method: dowel-type fastener through a
// thin steel plate
double thin_plate_dowel(int type, int shear_planes, double d, double t, int predrilled, int stainless, int fitted,
                        int thread_flag, double alpha, double f_u, int material, int grade, double rho_k,
                        FastenerResult* r)
{
    const PlateTerms p = plate_terms(type, d, t, predrilled, stainless, fitted, thread_flag, alpha, f_u, material,
                                     grade, rho_k, nullptr);
    double t_req;
    if (shear_planes == 2)
        t_req = middle_thickness_equal_members(d, type, predrilled, stainless, fitted, thread_flag, alpha, 0.0, f_u, t,
                                               rho_k, material, grade, nullptr, nullptr);
    else if (type >= FT_RING_A1 && type <= FT_CONNECTOR_C10) t_req = kConnectorMinThickness;
    else t_req = kSideMemberThicknessFactor * std::sqrt(p.my_req / (d * p.fh));
    const double eta = std::min(1.0, t / t_req);
    store_plate(r, p, f_u, eta, t_req, false);
    return eta * std::sqrt(2.0 * p.my_cap * p.fh_alpha * d);
}
} // namespace

// DIN 1052, 12.5.2 / DIN EN 1995-1-1/NA, NA.8.2.4, simplified method: steel plate as member 1
double plate_member1_dowel_capacity(int type, int shear_planes, double d, double d_class, double t, int predrilled,
                                    int stainless, int fitted, int thread_flag, double t_s, double alpha, double f_u,
                                    int plate_material, int material, int, int grade, double rho_k, FastenerResult* r)
{
    double e;
    const int cls = classify(type, plate_material, d_class, t_s, &e);
    double R;
    if (cls == 2) {
        R = thick_plate_dowel_capacity(type, d, t, predrilled, stainless, fitted, thread_flag, alpha, f_u, material,
                                       grade, rho_k, nullptr, nullptr, r);
    } else if (cls == 0) {
        R = thin_plate_dowel(type, shear_planes, d, t, predrilled, stainless, fitted, thread_flag, alpha, f_u, material,
                             grade, rho_k, r);
    } else {
        const double thin = thin_plate_dowel(type, shear_planes, d, t, predrilled, stainless, fitted, thread_flag, alpha,
                                             f_u, material, grade, rho_k, r);
        const double thick = thick_plate_dowel_capacity(type, d, t, predrilled, stainless, fitted, thread_flag, alpha,
                                                        f_u, material, grade, rho_k, nullptr, nullptr, r);
        R = (1.0 - e) * thin + e * thick;
    }
    r->plate_class = cls;
    r->plate_interpolation = e;
    r->f_v_k = R;
    return R;
}

// DIN 1052, 12.5.2 / DIN EN 1995-1-1/NA, NA.8.2.4, simplified method: nail or screw through a steel
// plate as member 1
double plate_member1_pin_capacity(int type, int shear_planes, double d, double l, double axis_angle_deg, double t,
                                  int predrilled, int stainless, double t_s, double alpha, double f_u,
                                  int plate_material, int material, int plate_grade, int grade, double rho_k,
                                  FastenerResult* r)
{
    double e;
    const int cls = classify(type, plate_material, d, t_s, &e);
    double c_req, c_p;
    if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) { c_req = 8.0; c_p = 0.6000000000000001; }
    else if (cls == 2) { c_req = 10.0; c_p = 1.4; }
    else if (cls == 0) { c_req = 9.0; c_p = 1.0; }
    else { c_p = 1.0 - e + 1.4 * e; c_req = 9.0 * (1.0 - e) + 10.0 * e; }
    const double my = exact_yield_moment(type, d, f_u, stainless, 0, 0.15);
    double reduction = 1.0;
    simplified_thickness_check(type, 600.0, shear_planes, d, l, axis_angle_deg, predrilled, stainless, 0, 0, t_s, t,
                               0.0, rho_k, MAT_STEEL_PLATE, material, plate_grade, grade, nullptr, nullptr, nullptr, nullptr,
                               &reduction, nullptr, nullptr);
    double f_plate = 0.0, fh = 0.0;
    embedding_strength(&f_plate, &fh, type, d, predrilled, 0.0, alpha, t_s, t, 0.0, rho_k, MAT_STEEL_PLATE, material, -1, grade,
                       nullptr, nullptr);
    const double R = reduction * c_p * std::sqrt(2.0 * my * fh * d);
    r->f_v_k = R;
    r->plate_class = cls;
    r->f_u_used = f_u;
    r->m_y_k = my;
    r->reduction_factor = reduction;
    r->plate_factor = c_p;
    r->f_h_2 = fh;
    r->plate_interpolation = e;
    r->t2_req = c_req * d;
    return R;
}
