#include "fasteners/simplified_method.h"

#include "fasteners/embedding_strength.h"
#include "fasteners/fastener_types.h"
#include "fasteners/penetration.h"
#include "fasteners/formula_constants.h"
#include "materials/material_codes.h"

#include <algorithm>
#include <cmath>

namespace {
const double kRightAngle = 1.570796326795;

bool timber_code(int m) { return m == MAT_SOLID_MEMBER || (m >= MAT_SOFTWOOD && m <= MAT_GLULAM_DIN) || m == MAT_GL75; }

bool plywood_grade_7d(int grade) { return grade == 0 || grade == 1 || grade == 2 || grade == 14 || grade == -999; }

// Panel factor of the simplified method (DIN 1052 12.2.2); 0 for materials without one.
double panel_factor_of(int material, int grade)
{
    switch (material) {
    case MAT_PLASTERBOARD: return 1.1;
    case MAT_PLYWOOD: return plywood_grade_7d(grade) ? 0.9 : 0.8;
    case MAT_OSB: case MAT_PARTICLEBOARD: return 0.8;
    case MAT_FIBREBOARD: return 0.7;
    default: return 0.0;
    }
}

enum class Req2 { Position, Staple };

struct Scheme {
    int shear_planes;
    double d, l, f_u, t1, t2, rho1, rho2, alpha1, alpha2;
    int predrilled, mat1, mat2, grade1, grade2;
    int kind0;           // fastener kind of the evaluation at the force angles
    int kind90;          // fastener kind of the right-angle evaluation
    int predrilled90;    // pre-drilling flag of the right-angle evaluation
    Req2 req2;
    const UserEmbeddingLaw* law1;
    const UserEmbeddingLaw* law2;
    double my;           // yield moment of the capacity
    double my_req1;      // yield moments of the two required thicknesses
    double my_req2;
};

struct SchemeOut {
    double my, fh1, fh2, A;
    int position;
};

// DIN 1052, 12.5.2 / DIN EN 1995-1-1/NA, NA.8.2.4, simplified method:
// Steps shared by the nail and staple drivers: yield moment, embedding strengths, required
// thicknesses, penetration and the reduction factor A.
SchemeOut run_scheme(const Scheme& s)
{
    SchemeOut o{};
    const double d = s.d;
    o.my = s.my;
    embedding_strength(&o.fh1, &o.fh2, s.kind0, d, s.predrilled, s.alpha1, s.alpha2, s.t1, s.t2, s.rho1, s.rho2, s.mat1,
                       s.mat2, s.grade1, s.grade2, s.law1, s.law2);
    double f1_90 = 0.0, f2_90 = 0.0;
    embedding_strength(&f1_90, &f2_90, s.kind90, d, s.predrilled90, kRightAngle, kRightAngle, s.t1, s.t2, s.rho1,
                       s.rho2, s.mat1, s.mat2, s.grade1, s.grade2, s.law1, s.law2);
    const double b90 = f2_90 / f1_90;
    const bool plate1 = is_metal_plate_material(s.mat1);

    double usable = 0.0;
    int planes = 0;
    o.position = penetration_length_check(s.shear_planes, d, s.l, 90.0, s.t1, s.t2, &usable, &planes);
    const double p = usable;

    const double t_req1 =
        plate1 ? 0.1 : 2.3 * (std::sqrt(b90 / (1.0 + b90)) + 1.0) * std::sqrt(s.my_req1 / (f1_90 * d));
    double t_req2;
    const double root2 = std::sqrt(s.my_req2 / (f2_90 * d));
    if (s.req2 == Req2::Staple) {
        t_req2 = plate1 ? 4.6 * root2 : 1.15 * (4.0 / std::sqrt(1.0 + b90)) * root2;
    } else if (plate1) {
        const double D = s.mat1 == MAT_ALU_PLATE ? d * kAluPlateFactor : d;
        if (s.t1 + kPlateThicknessTolerance >= D) t_req2 = 10.0 * d;
        else if (0.5 * D >= s.t1 - kPlateThicknessTolerance) t_req2 = 9.0 * d;
        else {
            const double r = 2.0 * s.t1 / D - 1.0;
            t_req2 = (9.0 * (1.0 - r) + 10.0 * r) * d;
        }
    } else if (o.position == 1 || o.position == 2) {
        t_req2 = 1.15 * (2.0 / std::sqrt(1.0 + b90) + 2.0) * root2;
    } else {
        t_req2 = 1.15 * (4.0 / std::sqrt(1.0 + b90)) * root2;
    }

    double t_req1p = t_req1, A1 = 1.0;
    if (s.mat1 >= MAT_OSB && s.mat1 <= MAT_FIBREBOARD) {
        double n = 7.0;
        if (s.mat1 == MAT_PLASTERBOARD) n = 10.0;
        else if (s.mat1 == MAT_FIBREBOARD) n = 6.0;
        else if (s.mat1 == MAT_PLYWOOD) n = plywood_grade_7d(s.grade1) ? 7.0 : 6.0;
        t_req1p = std::max(t_req1, n * d);
    } else if (s.mat1 == MAT_GYPSUM_FIBREBOARD) {
        t_req1p = 7.0 * d;
    }
    if (!plate1 && t_req1p > s.t1) A1 = s.t1 / t_req1p;

    switch (o.position) {
    case 1: case 2: {
        const double A2 = t_req2 > p ? p / t_req2 : 1.0;
        o.A = p < 4.0 * d ? 0.0 : std::min(A1, A2);
        break;
    }
    case 0: o.A = 0.0; break;
    case 3: {
        const double A2 = t_req2 > s.t2 ? s.t2 / t_req2 : 1.0;
        if (p >= 4.0 * d) {
            const double A1p = (!plate1 && p < t_req1p) ? p / t_req1p : A1;
            o.A = std::min(A1p, A2);
        } else {
            o.A = std::min(A1, A2);
        }
        break;
    }
    default: o.A = 1.0; break;
    }
    return o;
}

// DIN EN 1995-1-1, 8.3.1.1 (8.14): M_y,Rk = 0.3 f_u d^2.6 of round nails
Scheme nail_scheme(int shear_planes, double d, double l, double f_u, double t1, double t2, double rho1, double rho2,
                   double alpha1, double alpha2, int predrilled, int mat1, int mat2, int grade1, int grade2,
                   int kind90, int predrilled90, Req2 req2, const UserEmbeddingLaw* law1,
                   const UserEmbeddingLaw* law2)
{
    const double my = 0.3 * f_u * std::pow(d, 2.6);
    return Scheme{shear_planes, d, l, f_u, t1, t2, rho1, rho2, alpha1, alpha2, predrilled, mat1, mat2, grade1,
                  grade2, FT_NAIL, kind90, predrilled90, req2, law1, law2, my, my, my};
}

void store(FastenerResult* r, const SchemeOut& o, double A, double f_u)
{
    if (!r) return;
    r->reduction_factor = A;
    r->f_u_used = f_u;
    r->m_y_k = o.my;
    r->f_h_1 = o.fh1;
    r->f_h_2 = o.fh2;
}

// A sqrt(2 beta / (1 + beta)) sqrt(2 M_y f_h,1 d) with beta = f_h,2 / f_h,1; reports beta and F_v,k.
double capacity_with_beta(const SchemeOut& o, double d, double f_u, FastenerResult* r)
{
    const double beta = o.fh2 / o.fh1;
    const double capacity = o.A * std::sqrt(2.0 * beta / (1.0 + beta)) * std::sqrt(2.0 * o.my * o.fh1 * d);
    store(r, o, o.A, f_u);
    if (r) {
        r->beta = beta;
        r->f_v_k = capacity;
    }
    return capacity;
}
} // namespace

// ETA-03/0050 (Z-9.1-434 without a national-annex set): nail in a gypsum fibreboard
double gypsum_fibreboard_nail_capacity(double d, double l, double f_u, int predrilled, int, double t1, double t2,
                                       double rho1, double rho2, int mat1, int mat2, int grade1, int grade2,
                                       FastenerResult* r)
{
    const Scheme s = nail_scheme(1, d, l, f_u, t1, t2, rho1, rho2, 0.0, 0.0, predrilled, mat1, mat2, grade1, grade2, FT_NAIL,
                   predrilled, Req2::Position, nullptr, nullptr);
    const SchemeOut o = run_scheme(s);
    double A = o.A;
    if (t1 < 7.0 * d) A *= t1 / (7.0 * d);
    if (t1 <= 12.5 && d > 2.5) A *= 2.5 / d;
    store(r, o, A, f_u);
    return 0.7 * A * std::sqrt(2.0 * o.my * o.fh1 * d);
}

// ETA-03/0050 (Z-9.1-434 without a national-annex set): staple in a gypsum fibreboard
double gypsum_fibreboard_staple_capacity(double d, double l, double f_u, int, double t1, double t2, double rho1,
                                         double rho2, int mat1, int mat2, int grade1, int grade2, FastenerResult* r)
{
    const Scheme s = nail_scheme(1, d, l, f_u, t1, t2, rho1, rho2, 0.0, 0.0, 0, mat1, mat2, grade1, grade2, FT_STAPLE, 0, Req2::Staple,
                   nullptr, nullptr);
    const SchemeOut o = run_scheme(s);
    double A = o.A;
    if (t1 < 7.0 * d) A *= t1 / (7.0 * d);
    store(r, o, A, f_u);
    return 1.4 * A * std::sqrt(2.0 * o.my * o.fh1 * d);
}

// DIN 1052, 12.5.2 / DIN EN 1995-1-1/NA, NA.8.2.4, simplified method: nail in a panel
double panel_nail_capacity(int shear_planes, double d, double l, double f_u, int predrilled, int, int, double t1,
                           double t2, double rho1, double rho2, double alpha1, double alpha2, int mat1, int mat2,
                           int grade1, int grade2, const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2,
                           FastenerResult* r)
{
    const Scheme s = nail_scheme(shear_planes, d, l, f_u, t1, t2, rho1, rho2, alpha1, alpha2, predrilled, mat1, mat2, grade1,
                   grade2, FT_NAIL, predrilled, Req2::Position, user1, user2);
    const SchemeOut o = run_scheme(s);
    double G, fh;
    if (is_board_or_engineered_material(mat2)) {
        G = panel_factor_of(mat2, grade2);
        fh = o.fh2;
    } else {
        G = panel_factor_of(mat1, grade1);
        fh = o.fh1;
    }
    store(r, o, o.A, f_u);
    if (r) r->panel_factor = G;
    return o.A * G * std::sqrt(2.0 * o.my * fh * d);
}

// DIN 1052 / DIN EN 1995-1-1/NA, simplified method: capacity of a staple per shear plane
double staple_capacity_simplified(int shear_planes, double d, double l, double f_u, int, double t1, double t2,
                                  double rho1, double rho2, int mat1, int mat2, int grade1, int grade2,
                                  const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2, FastenerResult* r)
{
    const Scheme s = nail_scheme(shear_planes, d, l, f_u, t1, t2, rho1, rho2, 0.0, 0.0, 0, mat1, mat2, grade1, grade2, FT_STAPLE, 0,
                   Req2::Staple, user1, user2);
    const SchemeOut o = run_scheme(s);
    const double A = o.A;
    const double U = std::sqrt(2.0 * o.my * o.fh1 * d);
    const double G1 = panel_factor_of(mat1, grade1);
    double capacity;
    if (mat1 == MAT_SOFTWOOD && mat2 == MAT_SOFTWOOD) {
        capacity = 2.0 * A * U;
    } else if (timber_code(mat1)) {
        const double beta = o.fh2 / o.fh1;
        capacity = 2.0 * A * U * std::sqrt(2.0 * beta / (1.0 + beta));
    } else if (mat1 >= MAT_OSB && mat1 <= MAT_FIBREBOARD) {
        capacity = A * U * 2.0 * G1;
    } else {
        capacity = 0.0;
    }
    store(r, o, A, f_u);
    if (r) r->panel_factor = G1;
    return capacity;
}

// DIN 1052 / DIN EN 1995-1-1/NA, simplified method: A k sqrt(2 M_y f_h,1 d) of a nail per shear plane
double nail_capacity_simplified(int shear_planes, double d, double l, double f_u, int predrilled, int, int, double t1,
                                double t2, double rho1, double rho2, int mat1, int mat2, int grade1, int grade2,
                                const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2, FastenerResult* r)
{
    const Scheme s = nail_scheme(shear_planes, d, l, f_u, t1, t2, rho1, rho2, 0.0, 0.0, predrilled, mat1, mat2, grade1, grade2, FT_NAIL,
                   0, Req2::Position, user1, user2);
    return capacity_with_beta(run_scheme(s), d, f_u, r);
}

// DIN 1052 / DIN EN 1995-1-1/NA, simplified method: capacity of a wood screw per shear plane
double wood_screw_capacity_simplified(int shear_planes, double d, double l, double f_u, int predrilled, int, int,
                                      double t1, double t2, double rho1, double rho2, double alpha1, double alpha2,
                                      int mat1, int mat2, int grade1, int grade2, const UserEmbeddingLaw* user1,
                                      const UserEmbeddingLaw* user2, FastenerResult* r)
{
    const double d26 = std::pow(d, 2.6);
    // Capacity with 0.15 f_u d^2.6, member 1 against 60 d^2.6, member 2 against 0.3 f_u d^2.6.
    const Scheme s{shear_planes, d, l, f_u, t1, t2, rho1, rho2, alpha1, alpha2, predrilled, mat1, mat2, grade1,
                   grade2, 2, 2, predrilled, Req2::Staple, user1, user2, 0.15 * f_u * d26, 60.0 * d26,
                   0.3 * f_u * d26};
    return capacity_with_beta(run_scheme(s), d, f_u, r);
}
