#include "fasteners/axial_capacity.h"

#include "fasteners/axial_parameters.h"
#include "fasteners/fastener_properties.h"
#include "fasteners/fastener_types.h"
#include "fasteners/formula_constants.h"
#include "fasteners/material_access.h"
#include "materials/material_codes.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

const double kQuarterPi = 0.7853981633974483;  // pi / 4: area of a circle per d^2
const double kSteelE = 210000.0;               // modulus of elasticity of the screw steel (N/mm2)
// f_y pi / 4 of the core (N/mm2, times d1^2 gives N_pl,k): f_y 1000 of carbon steel, 500 of stainless.
const double kCarbonPlasticForce = 785.3981633975001;
const double kStainlessPlasticForce = 392.69908169875004;
const double kSecondMomentFactor = 0.04908738521234375;   // pi / 64: I = pi d1^4 / 64
// Buckling curve of the screws (EN 1993-1-1, 6.3.1.2, curve c): imperfection 0.49 above lambda 0.2.
const double kImperfection = 0.49;
const double kPlateauSlenderness = 0.2;
const double kAssyHardwoodCap = 590.0;   // rho_k of hardwood, Kerto and LVL on the head side, at most
const double kBeechCap = 730.0;          // rho_k of beech LVL on the head side, at most

double k_rho(double rho) { return std::pow(rho / 350.0, 0.8); }
bool timber(int m) { return (m >= MAT_SOFTWOOD && m <= MAT_GLULAM_DIN) || m == MAT_GL75 || m == MAT_SOLID_MEMBER; }
bool plate(int m) { return is_metal_plate_material(m); }
bool board(int m) { return is_board_or_engineered_material(m); }

double head_side_density_assy(int m, double rho1)
{
    if (m == MAT_GL75 || m == MAT_BEECH_BOARD) return std::min(rho1, kBeechCap);
    if (m == MAT_HARDWOOD || m == MAT_KERTO_S || m == MAT_KERTO_Q || m == MAT_LVL)
        return std::min(rho1, kAssyHardwoodCap);
    if (board(m)) return std::min(rho1, kBoardDensityCap);
    return rho1;
}

// Thread lengths of a user-defined screw on the point and the head side (approval's thread modes).
void user_thread_lengths(const UserScrew& s, double p, double t1, double sin_a, double* point, double* head)
{
    const double reach_p = p / sin_a;
    const double lp = s.thread_length, lh = s.head_thread_length;
    if (s.thread_mode == 1 || s.thread_mode == 3) {
        double h = std::min(lh, t1 / sin_a);
        double excess_h = lh - h;
        double pt = std::min(lp, reach_p) + excess_h;
        double excess_p = std::max(0.0, lp - reach_p);
        *point = pt;
        *head = h + excess_p;
    } else {
        *point = std::min(lp, reach_p);
        *head = std::max(0.0, lp - reach_p);
    }
}

void store_common(FastenerResult* r, double rho1, double rho2, double R, double R_d)
{
    r->rho_k_1 = rho1;
    r->rho_k_2 = rho2;
    r->r_ax_k = R;
    r->r_ax = R;
    r->r_ax_d = R_d;
    r->axial_factor_one = 1.0;
    r->axial_mode = 0;
}

// DIN EN 1995-1-1, 2.4.3 and 2.3.2.1(4): R_d = k_mod R_k / gamma_M with k_mod = sqrt(k_mod,1 k_mod,2)
double design_value(const ConnectionDescription& c, const FastenerResult* r, double R)
{
    double gm = std::max(c.gamma_m_1, c.gamma_m_2);
    if (gm <= 0.0) return 0.0;
    return std::sqrt(r->kmod_1 * r->kmod_2) * R / gm;
}

// ETA-12/0114 (SPAX) and ETA-11/0190 (ASSY): withdrawal and buckling of a screw in compression,
// kappa_c by EN 1993-1-1, 6.3.1.2
// Fills the buckling block; assy selects the in-place variant of the ASSY family.
void buckling_block(const ConnectionDescription& c, double p, FastenerResult* r, bool assy)
{
    ScrewBucklingBlock& b = r->buckling;
    const double a = c.axis_angle, ar = a * kDegree;
    double f_y = 1000.0, A_f = kCarbonPlasticForce;
    if (c.stainless) { f_y = 500.0; A_f = kStainlessPlasticForce; }
    const double g_m1 = cur_ec3_params ? cur_ec3_params->ec3_1.gamma_m1 : 1.1;
    const double l_ef = std::min(c.thread_length, p / std::sin(ar));
    double rho = 0.0;
    fastener_get_rho_k(c.material_1, c.grade_1, c.t1, &rho, &c.user_material);
    const double d = c.d, d1 = c.d_core;
    double f_ax;
    if (assy) f_ax = assy_withdrawal_by_d(d);
    else f_ax = spax_withdrawal_by_d(d);
    const double gm = std::max(c.gamma_m_1, c.gamma_m_2);
    const double f_ax_d = gm > 0.0 ? std::sqrt(r->kmod_1 * r->kmod_2) * f_ax / gm : 0.0;
    double R_k, R_d;
    if (assy) {
        R_k = f_ax * l_ef * d;
        R_d = l_ef * d * f_ax_d;
    } else {
        // ETA of the SPAX family: the density factor multiplies the withdrawal, the angle term divides it.
        const double D = kWithdrawalAngleFactor * std::cos(ar) * std::cos(ar) + std::sin(ar) * std::sin(ar);
        R_k = f_ax * l_ef * d * k_rho(rho) / D;
        R_d = l_ef * d * f_ax_d * k_rho(rho) / D;
    }
    const double N_pl_k = A_f * d1 * d1;
    const double N_pl_d = N_pl_k / g_m1;
    // Elastic foundation modulus c_h = rho/180 (alpha + 90)(0.19 + 0.012 d) for both families.
    const double c_h = rho / 180.0 * (a + 90.0) * (0.19 + 0.012 * d);
    const double I_s = d1 * d1 * d1 * d1 * kSecondMomentFactor;
    const double N_ki = std::sqrt(c_h * kSteelE * I_s);
    const double lam2 = N_pl_k / N_ki;
    const double lam = std::sqrt(lam2);
    const double k = 0.5 * (1.0 + kImperfection * (lam - kPlateauSlenderness) + lam2);
    double kappa = 1.0, Nb_k = N_pl_k, Nb_d = N_pl_d;
    if (lam2 > 0.04) {   // lambda above the plateau 0.2
        kappa = 1.0 / (k + std::sqrt(k * k - lam2));
        Nb_k = kappa * N_pl_k;
        Nb_d = kappa * N_pl_d;
    }
    b.kappa_c = kappa;
    b.lambda_k = lam;
    b.k_buckling = k;
    b.n_ki_k = N_ki;
    b.n_pl_k = N_pl_k;
    b.n_pl_d = N_pl_d;
    b.f_y = f_y;
    b.c_h = c_h;
    b.e_s = kSteelE;
    b.i_s = I_s;
    b.gamma_m1_used = g_m1;
    b.n_b_k = Nb_k;
    b.r_ax_k = R_k;
    b.n_b_d = Nb_d;
    b.r_ax_d = R_d;
    b.f_ax_k = f_ax;
    b.f_ax_d = f_ax_d;
    b.min_k = std::min(Nb_k, R_k);
    b.min_d = std::min(Nb_d, R_d);
    b.buckling_governs_k = Nb_k <= R_k ? 1 : 0;
    b.buckling_governs_d = Nb_d <= R_d ? 1 : 0;
}

double stop(FastenerResult* r, int code)
{
    if (code) r->message_code = code;
    return 0.0;
}

} // namespace

double screw_buckling_and_withdrawal(ConnectionDescription description, double p, FastenerResult* result)
{
    buckling_block(description, p, result, false);
    return 0.0;
}

namespace {

// Special nails of the load-bearing classes (16-24 and 34-42).
bool special_nail_classes(int type) { return (type >= FT_SPECIAL_NAIL_1A && type <= FT_SPECIAL_NAIL_3C) ||
    (type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_3F); }
// Special nails of the second series (34-42), whose head parameter on boards is fixed.
bool special_nail_second_series(int type) { return type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_3F; }
bool simpson_nail(int type) { return type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA; }
// A bolt, or one of the shear-plate connectors that are held by a bolt with a washer.
bool bolt_with_washer(int type)
{
    return type == FT_BOLT || type == FT_CONNECTOR_C1 || type == FT_CONNECTOR_C5 || type == FT_CONNECTOR_C10 ||
        type == FT_CONNECTOR_C2 || type == FT_CONNECTOR_C11;
}

// Boards under a nail head whose pull-through follows the board rules: fixed 400 N when thin.
bool nail_head_board(int m)
{
    return m == MAT_OSB || m == MAT_PLYWOOD || m == MAT_PARTICLEBOARD || m == MAT_KERTO_S || m == MAT_KERTO_Q;
}

// Boards too thin for a staple below 6 mm (8 mm for OSB).
bool staple_board_too_thin(int m, double t)
{
    if (m == MAT_PLYWOOD || m == MAT_FIBREBOARD || m == MAT_KERTO_S || m == MAT_KERTO_Q) return t < 6.0;
    return m == MAT_OSB && t < 8.0;
}

// f_head,k = 100e-6 rho_k^2 of the load-bearing class C at the board density 380: 14.44 N/mm2;
// two thirds of it for the reduced head.
const double kSpecialNailBoardHead = 14.44;
const double kSpecialNailBoardHeadReduced = 9.626666666666667;
// k_beta of the ASSY approval below 45 degrees: 0.3 + 0.7 alpha / 45 deg, alpha in radians:
// 0.7 / (pi / 4) = 0.891267681314555.
const double kAssyAngleSlope = 0.891267681314555;

// The values every rule of the annex reads.
struct AnnexInput {
    const ConnectionDescription& c;
    double p, f_c90;
    int type, m1, m2;
    bool annex_rules;
    double rho1, rho2;
    double ar, sin_a, cos_a;
    double d, d1, dk, l, lg, D, t1, t2;
    bool wood, spax, assy, special, simpson;
};

// The parts of the capacity as the families compute them.
struct AxialParts {
    double F_ax = 0.0, F_head = 0.0, F_t = 0.0, F_ax1 = 0.0;
    double f_ax = 0.0, f_head = 0.0, l_ef1 = 0.0, l_ef2 = 0.0;
    double R = 0.0;
    bool combined = false;   // capacity = min(point, max(head thread, head))
    bool pin = true;
};

// The rules that refuse the fastener before any value: a message code, or -1 to go on.
int annex_stop_code(const AnnexInput& in)
{
    const int type = in.type, m1 = in.m1, m2 = in.m2;
    const double d = in.d, t1 = in.t1, t2 = in.t2, p = in.p, angle = in.c.axis_angle;
    if (type == FT_NAIL && in.annex_rules && in.c.predrilled) return 148;
    if (in.wood && p < 6.0 * d) return 152;
    if (in.spax) {
        if ((m1 == MAT_PLYWOOD && t1 < 6.0) || (m2 == MAT_PLYWOOD && t2 < 6.0)) return 144;
        if ((board(m1) && t1 < 8.0) || (board(m2) && t2 < 8.0)) return 145;
        if (!plate(m1) && t1 < kScrewMemberThicknessFactor * d) return 146;
        if (t2 < kScrewMemberThicknessFactor * d) return 147;
        if (angle < 15.0 && (timber(m1) || timber(m2))) return 1014;
        if (angle < 30.0) return 1013;
    }
    if (in.assy) {
        if ((m1 == MAT_PLYWOOD || m2 == MAT_PLYWOOD) && (t1 < 6.0 || t2 < 6.0)) return 142;
        if ((board(m1) || board(m2)) && (t1 < 8.0 || t2 < 8.0)) return 143;
        if (!plate(m1) && t1 < kScrewMemberThicknessFactor * d) return 146;
        if (t2 < kScrewMemberThicknessFactor * d) return 147;
        if (angle < 30.0) return 1015;
    }
    if (type == FT_STAPLE && in.annex_rules) {
        if (p < 12.0 * d) return 151;
        if (staple_board_too_thin(m1, t1)) return 0;
    }
    if (type == FT_NAIL && p < 8.0 * d) return 149;
    return -1;
}

// Smooth nail (DIN EN 1995-1-1, 8.3.2): f_ax,k = 20e-6 rho_k^2 (18e-6 without an annex set),
// reduced linearly below a penetration of 12 d.
void annex_nail(const AnnexInput& in, FastenerResult* r, AxialParts& a)
{
    const double d = in.d, p = in.p;
    a.f_ax = std::pow(std::min(in.rho2, kWithdrawalDensityCap), 2) * (cur_ec5_params ? 20e-6 : 18e-6);
    a.f_head = nail_head_pullthrough_parameter(FT_NAIL, in.c.head_reduction_flag, in.rho1);
    a.F_ax = a.f_ax * d * p;
    a.F_head = a.f_head * in.dk * in.dk;
    if (p < 12.0 * d) {
        const double k = p / (4.0 * d) - 2.0;
        a.F_ax *= k;
        a.F_head *= k;
    }
    r->f_nail_withdrawal =
        nail_withdrawal_parameter(FT_NAIL, in.c.staple_limit, in.c.predrilled, in.c.small_hole_flag, in.rho2);
    a.l_ef2 = p;
}

// DIN EN 1995-1-1/NA, NCI to 8.3.2:
// Head parameter of a special nail in a board on the head side; *fixed set when the head carries
// the fixed capacity of a thin board instead.
double special_nail_board_head(const AnnexInput& in, bool* fixed)
{
    if (in.t1 <= 11.99) {
        *fixed = true;
        return 0.0;
    }
    if (in.t1 <= 19.99) return kMediumBoardHeadParameter;
    if (!special_nail_second_series(in.type))
        return nail_head_pullthrough_parameter(in.type, in.c.head_reduction_flag, kBoardDensityCap);
    if (cur_ec5_params && cur_ec5_params->country == 0) return 0.0;
    if (!cur_ec5_params || in.c.head_reduction_flag == 0) return kSpecialNailBoardHead;
    return kSpecialNailBoardHeadReduced;
}

// DIN EN 1995-1-1, 8.3.2 with the national annex:
// Profiled special nail: the class parameters, reduced linearly below a penetration of 8 d.
void annex_special_nail(const AnnexInput& in, FastenerResult* r, AxialParts& a)
{
    const double d = in.d, lef = std::min(a.l_ef2, in.p);
    a.f_ax = nail_withdrawal_parameter(in.type, in.c.staple_limit, in.c.predrilled, in.c.small_hole_flag, in.rho2);
    bool fixed = false;
    if (nail_head_board(in.m1)) a.f_head = special_nail_board_head(in, &fixed);
    else a.f_head = nail_head_pullthrough_parameter(in.type, in.c.head_reduction_flag, in.rho1);
    a.F_head = fixed ? kThinBoardHeadCapacity : a.f_head * in.dk * in.dk;
    a.F_ax = a.f_ax * lef * d;
    if (lef < 8.0 * d) a.F_ax = std::max(0.0, a.F_ax * (lef / (2.0 * d) - 3.0));
    r->f_nail_withdrawal = a.f_ax;
    a.l_ef2 = lef;
}

// Staple (DIN EN 1995-1-1, 8.4 with the annex): two legs; resin-coated legs at 30 degrees or more
// take 40e-6 rho_k^2, others the nail parameter and 0.7 of it below 30 degrees.
void annex_staple(const AnnexInput& in, FastenerResult* r, AxialParts& a)
{
    const ConnectionDescription& c = in.c;
    const double d = in.d, p = in.p;
    if (in.annex_rules) {
        a.f_head = nail_head_pullthrough_parameter(FT_STAPLE, c.head_reduction_flag, in.rho1);
        a.F_head = a.f_head * d * in.dk;
        if (c.resin_coated && c.fastener_angle_1 > 29.9 && c.fastener_angle_2 > 29.9) {
            a.f_ax = std::pow(std::min(in.rho2, kWithdrawalDensityCap), 2) * 40e-6;
            const double lef = std::min(in.lg, std::min(p, 20.0 * d));
            a.F_ax = 2.0 * a.f_ax * lef * d;
            if (lef < 8.0 * d) a.F_ax = std::max(0.0, a.F_ax * (lef / (2.0 * d) - 3.0));
        } else {
            a.f_ax = nail_withdrawal_parameter(FT_STAPLE, c.staple_limit, c.predrilled, c.small_hole_flag, in.rho2);
            a.F_ax = 2.0 * a.f_ax * std::min(20.0 * d, p) * d;
            if (c.fastener_angle_1 < 30.0 || c.fastener_angle_2 < 30.0) {
                a.F_ax *= 0.7;
                a.F_head *= 0.7;
            }
        }
        r->f_nail_withdrawal = nail_withdrawal_parameter(FT_STAPLE, c.staple_limit, c.predrilled, c.small_hole_flag, in.rho2);
    }
    if (c.staple_limit > 20.0) r->message_code = 1009;
}

// Nails of the Simpson approval: CNA f_ax = min((rho_k/320)^2 (10.92 - 0.0158 d - 0.0968 l),
// 0.0175 rho_k (1 + 1.5 d / l)) (1 / 320^2 = 9.765625e-6); CSA 15 N/mm2 from d 4.1, else 13.8.
void annex_simpson(const AnnexInput& in, AxialParts& a)
{
    const double d = in.d, ll = std::min(in.lg, in.p), rho = in.rho2;
    if (in.type == FT_SIMPSON_CNA)
        a.f_ax = std::min(rho * rho * (10.92 - 0.0158 * d - 0.0968 * ll) * 9.765625e-6,
                          0.0175 * rho * (1.0 + 1.5 * d / ll));
    else
        a.f_ax = d >= 4.1 ? 15.0 : 13.8;
    a.F_ax = a.f_ax * ll * d;
    a.F_head = 0.0;
    a.l_ef2 = ll;
}

// Wood screw (DIN EN 1995-1-1, 8.7.2): f_ax,k = 0.52 d^-0.5 l_ef^-0.1 rho_k^0.8 over
// 1.2 cos^2 + sin^2 of the axis angle; the head, or a washer bearing 3 f_c,90 on its ring.
// false when the angle term vanishes.
bool annex_wood_screw(const AnnexInput& in, FastenerResult* r, AxialParts& a)
{
    const double d = in.d, d1 = in.d1, dk = in.dk, D = in.D, t1 = in.t1;
    a.f_ax = 0.52 * std::pow(d, -0.5) * std::pow(a.l_ef2, -0.1) * std::pow(in.rho2, 0.8);
    const double A = kWithdrawalAngleFactor * in.cos_a * in.cos_a + in.sin_a * in.sin_a;
    if (std::fabs(A) < 1e-5) return false;
    const double ratio = d1 / d;
    if (ratio >= 0.6 && ratio <= 0.751 && d > 5.9 && d < 12.1) {
        const double kd = std::min(d / 8.0, 1.0);
        a.F_ax = a.f_ax * d * a.l_ef2 * kd / A;
        r->k_d = kd;
    } else {
        a.F_ax = a.f_ax * d * a.l_ef2 / A;
    }
    if (D <= dk) {
        a.f_head = screw_head_pullthrough_parameter(in.type, in.m1, in.rho1, t1, dk, 0);
        a.F_head = dk * dk * a.f_head;
    } else {
        const double Dp = plate(in.m1) ? std::min(kPlateWasherThicknessFactor * t1, kPlateWasherDiameterFactor * d) : D;
        a.F_head = kWasherBearingFactor * in.f_c90 * kQuarterPi * (Dp * Dp - (d + 1.0) * (d + 1.0));
    }
    return true;
}

// ETA-12/0114 with DIN EN 1995-1-1, 8.7.2:
// SPAX screws of their approval: withdrawal with the density factor (rho_k/350)^0.8 over the angle
// term, steel tension, the head (1.3 times where t1 >= 3 head diameters); the fully threaded screw
// also carries by its head-side thread and has its buckling block. false when the angle term vanishes.
bool annex_spax(const AnnexInput& in, FastenerResult* r, AxialParts& a)
{
    const ConnectionDescription& c = in.c;
    const int type = in.type, m1 = in.m1;
    const double d = in.d, d1 = in.d1, dk = in.dk, D = in.D, t1 = in.t1;
    a.f_ax = screw_withdrawal_parameter(type, 0, 0.0, in.rho2, d);
    const double A = in.sin_a * in.sin_a + kWithdrawalAngleFactor * in.cos_a * in.cos_a;
    if (std::fabs(A) < 1e-5) return false;
    double lp = a.l_ef2, lh = 0.0;
    if (type == FT_SPAX_USER) user_thread_lengths(c.spax_user, in.p, t1, in.sin_a, &lp, &lh);
    a.l_ef2 = lp;
    a.F_ax = a.f_ax * d * a.l_ef2 * k_rho(in.rho2) / A;
    a.F_t = c.stainless ? screw_axial_value_by_d_a(d) : screw_axial_value_by_d_b(d);
    const double dkp =
        type == FT_SPAX_T_TG ? std::min(dk, kHeadDiameterCap) : std::min(std::max(dk, D), kHeadDiameterCap);
    const double rho_h = board(m1) ? std::min(in.rho1, kBoardDensityCap) : in.rho1;
    if (type == FT_SPAX_USER) a.f_head = screw_head_parameter_b(type, c.spax_user.head_kind, dkp, d1, D, t1, m1);
    else a.f_head = screw_head_pullthrough_parameter(type, m1, rho_h, t1, dkp, dk < D ? 1 : 0);
    const double thick_factor = (t1 / dkp >= 3.0) ? 1.3 : 1.0;
    a.F_head = a.f_head * dkp * dkp * k_rho(rho_h) * thick_factor;
    if (board(m1) && t1 < 12.0) a.F_head = std::min(a.F_head, kThinBoardHeadCapacity);
    if (dk < 1.8 * d1) a.F_head = 0.0;
    if (type == FT_SPAX_S_VG || type == FT_SPAX_USER) {
        a.l_ef1 = type == FT_SPAX_S_VG ? in.lg - a.l_ef2 : lh;
        a.F_ax1 = a.f_ax * d * a.l_ef1 * k_rho(in.rho1) / A;
        a.combined = true;
    }
    if (type == FT_SPAX_S_VG) buckling_block(c, in.p, r, false);
    return true;
}

// ETA-11/0190 with DIN EN 1995-1-1, 8.7.2:
// ASSY screws of their approval: withdrawal with k_beta and the density factor on both threads,
// steel tension, the head; always with the buckling block.
void annex_assy(const AnnexInput& in, FastenerResult* r, AxialParts& a)
{
    const ConnectionDescription& c = in.c;
    const int type = in.type, m1 = in.m1;
    const double d = in.d, dk = in.dk, D = in.D, t1 = in.t1;
    a.f_ax = screw_withdrawal_parameter(type, 0, 0.0, in.rho2, d);
    const double kb = c.axis_angle >= 45.0 ? 1.0 : 0.3 + kAssyAngleSlope * in.ar;
    if (type == FT_ASSY_USER) {
        double lp, lh = 0.0;
        user_thread_lengths(c.assy_user, in.p, t1, in.sin_a, &lp, &lh);
        a.l_ef2 = lp;
        a.l_ef1 = lh;
    } else {
        // Head-side thread: the part of the thread (length l_g from the point) that lies in member 1.
        a.l_ef1 = std::min(in.lg + t1 - in.l, t1 - 10.0) / in.sin_a;
    }
    a.F_ax = a.f_ax * d * kb * a.l_ef2 * k_rho(in.rho2);
    const bool fully_threaded = type == FT_ASSY_VG_Z || type == FT_ASSY_VG_S ||
                                (type == FT_ASSY_USER && c.assy_user.thread_mode == 2);
    const int flag = fully_threaded ? 1 : 0;
    a.F_t = c.stainless ? screw_value_by_d_f(d) : screw_tensile_capacity_by_d(d, flag);
    a.F_ax1 = a.f_ax * d * kb * a.l_ef1 * k_rho(in.rho1);
    const double dkp = std::min(std::max(dk, D), kHeadDiameterCap);
    const double rho_h = head_side_density_assy(m1, in.rho1);
    a.f_head = screw_head_parameter(dk, D, in.d1, t1, m1);
    a.F_head = a.f_head * dkp * dkp * k_rho(rho_h);
    if (board(m1) && t1 < 12.0) a.F_head = std::min(a.F_head, kThinBoardHeadCapacity);
    buckling_block(c, in.p, r, true);
    a.combined = true;
}

// DIN EN 1995-1-1, 8.5.2(2), (3): washer bearing 3 f_c,90,k; a steel plate as washer up to 12 t and 4 d
// Bolt, or the bolt of a shear-plate connector: the washer bearing 3 f_c,90 on its ring (beside a
// plate the ring of min(12 t1, 4 d)), and for the bolt the steel tension 0.8 f_u on its shank.
void annex_washer(const AnnexInput& in, FastenerResult* r, AxialParts& a)
{
    const ConnectionDescription& c = in.c;
    const int type = in.type;
    const double d = in.d, D = in.D;
    a.pin = false;
    const double dh = type == FT_BOLT ? d : c.bolt_d;
    const double area_washer = kQuarterPi * (D * D - (dh + 1.0) * (dh + 1.0));
    double area = area_washer;
    if (type == FT_BOLT && (plate(in.m1) || plate(in.m2))) {
        const double Dp = std::min(kPlateWasherThicknessFactor * in.t1, kPlateWasherDiameterFactor * d);
        const double area_plate = kQuarterPi * (Dp * Dp - (dh + 1.0) * (dh + 1.0));
        area = c.shear_planes == 1 ? std::min(area_washer, area_plate) : area_plate;
    }
    const double F_w = kWasherBearingFactor * in.f_c90 * area;
    double R = F_w;
    if (type == FT_BOLT) {
        const double f = c.steel_grade >= 0 ? kBoltTensionFactor * fastener_steel_f_u(c.steel_grade) : c.f_u;
        a.F_t = d * d * kQuarterPi * f;
        R = std::min(F_w, a.F_t);
    }
    a.R = std::max(0.0, R);
    r->r_ax_head = F_w;
    r->r_ax_point = a.R;
}

// DIN EN 1995-1-1, 8.3.2 and 8.7.2:
// A pin's capacity from its parts: the point (steel tension at most), the head or on a plate the
// point again, the head-side thread where it counts, times the group factor n^-0.1.
void annex_pin_capacity(const AnnexInput& in, FastenerResult* r, AxialParts& a, double* group)
{
    const ConnectionDescription& c = in.c;
    double point = a.F_ax;
    if ((in.spax || in.assy) && a.F_t > 0.0) point = std::min(a.F_ax, a.F_t);
    if (plate(in.m1)) {
        a.R = point;
        a.F_head = point;
    } else if (a.combined) {
        a.R = std::min(point, std::max(a.F_ax1, a.F_head));
    } else {
        a.R = std::min(point, a.F_head);
    }
    if ((in.wood || in.spax || in.assy) && c.group_factor && c.fastener_count > 0)
        *group = std::pow(static_cast<double>(c.fastener_count), -0.1);
    a.R = std::max(0.0, a.R * *group);
    r->r_ax_point = point;
    r->r_ax_head = a.F_head;
}

} // namespace

double axial_capacity_annex(ConnectionDescription c, double p, double f_c90, FastenerResult* r)
{
    const int type = c.fastener_type;
    double rho1 = 0.0, rho2 = 0.0;
    fastener_get_rho_k(c.material_1, c.grade_1, c.t1, &rho1, &c.user_material);
    fastener_get_rho_k(c.material_2, c.grade_2, c.t2, &rho2, &c.user_material);
    const double ar = c.axis_angle * kDegree;
    const AnnexInput in{c, p, f_c90, type, c.material_1, c.material_2,
                        cur_ec5_params && cur_ec5_params->country != 0, rho1, rho2,
                        ar, std::sin(ar), std::cos(ar),
                        c.d, c.d_core, c.d_head, c.length, c.thread_length, c.washer_d, c.t1, c.t2,
                        is_wood_screw_type(type) != 0, is_screw_type_group1(type) != 0, is_screw_type_group2(type) != 0,
                        special_nail_classes(type), simpson_nail(type)};

    AxialParts a;
    const bool threaded = in.wood || in.spax || in.assy || in.special || in.simpson;
    a.l_ef2 = threaded ? std::min(in.lg, p / in.sin_a) : in.lg;
    const int stop_code = annex_stop_code(in);
    if (stop_code >= 0) return stop(r, stop_code);
    if (in.special && p < 6.0 * in.d) r->message_code = 150;
    if (type == FT_STAPLE && in.annex_rules) a.l_ef2 = std::min(in.lg, std::min(p, 20.0 * in.d));

    if (type == FT_NAIL) annex_nail(in, r, a);
    else if (in.special) annex_special_nail(in, r, a);
    else if (type == FT_STAPLE) annex_staple(in, r, a);
    else if (in.simpson) annex_simpson(in, a);
    else if (in.wood) { if (!annex_wood_screw(in, r, a)) return 0.0; }
    else if (in.spax) { if (!annex_spax(in, r, a)) return 0.0; }
    else if (in.assy) annex_assy(in, r, a);
    else if (bolt_with_washer(type)) annex_washer(in, r, a);
    else a.pin = false;   // ring connector, dowel, shear-plate connector: no axial capacity

    double group = 1.0;
    if (a.pin) annex_pin_capacity(in, r, a, &group);

    // Degenerate input (an axis along the grain, a zero length) must not end as a number that passes.
    if (!std::isfinite(a.R)) a.R = 0.0;
    for (double* v : {&r->r_ax_point, &r->r_ax_head, &a.F_ax1})
        if (!std::isfinite(*v)) *v = 0.0;
    r->f_head_used = a.f_head;
    r->f_head_used_2 = a.f_head;
    r->r_ax_head_thread = a.F_ax1;
    r->l_ef_head = a.l_ef1;
    r->l_ef_point = a.l_ef2;
    r->f_ax_used = a.f_ax;
    r->group_factor_used = group;
    store_common(r, rho1, rho2, a.R, design_value(c, r, a.R));
    return a.R;
}

namespace {

// The values every rule of DIN 1052 reads.
struct DinInput {
    const ConnectionDescription& c;
    double f_c90;
    int type, m1;
    double sin_a, B;   // B = sin^2 + 4/3 cos^2 of the axis angle
    double d, dk, lg, D, t1, t2;
    bool wood, special;
    double l_ef;
};

struct DinParts {
    double R = 0.0, f_head = 0.0;
    bool steel = false;   // steel tension governs: design value 0.8 R
};

// DIN 1052, 12.8.1(9) and 12.8.3(1):
// The rules before any value: a message code to stop with, or -1 to go on; nails and staples deeper
// than 20 d count with 20 d (code 156).
int din_stop_code(const DinInput& in, double* p, FastenerResult* r)
{
    const int type = in.type;
    const double d = in.d;
    const bool nail_or_staple = type == FT_NAIL || type == FT_STAPLE;
    if (!cur_ec5_params) {
        if ((type == FT_NAIL || in.special) && in.c.predrilled) return 1007;
        if (type == FT_STAPLE && in.c.resin_coated == 0) return 153;
        if ((nail_or_staple || type == FT_SPECIAL_NAIL_1A || type == FT_SPECIAL_NAIL_1B ||
            type == FT_SPECIAL_NAIL_1C) && *p < 12.0 * d) return 154;
        if (type >= FT_SPECIAL_NAIL_2A && type <= FT_SPECIAL_NAIL_3C && *p < 8.0 * d) return 155;
        if (nail_or_staple && *p > 20.0 * d) {
            r->message_code = 156;
            *p = 20.0 * d;
        }
    } else if (in.wood) {
        if (*p < 6.0 * d) return 152;
        if (!plate(in.m1) && in.t1 < 12.0 * d) return 140;
        if (!plate(in.c.material_2) && in.t2 < 12.0 * d) return 141;
    }
    return -1;
}

// DIN 1052, 12.8.1 and 12.8.3:
// Nail, staple (two legs) or special nail: withdrawal against the head, whose parameter on boards
// depends on their thickness (board density 380 from 20 mm, 8 N/mm2 from 12 mm, else 400 N).
void din_nail(const DinInput& in, double p, double rho1, double rho2, FastenerResult* r, DinParts& out)
{
    const ConnectionDescription& c = in.c;
    const int type = in.type, m1 = in.m1;
    const double d = in.d, dk = in.dk, t1 = in.t1;
    const double ll = std::min(p, in.l_ef);
    const double f_ax = nail_withdrawal_parameter(type, c.staple_limit, c.predrilled, c.small_hole_flag, rho2);
    const double F_ax = f_ax * d * ll * (type == FT_STAPLE ? 2.0 : 1.0);
    const double A_h = type == FT_STAPLE ? d * dk : dk * dk;
    double F_head;
    if (m1 == MAT_PLYWOOD || m1 == MAT_PARTICLEBOARD || m1 == MAT_OSB) {
        if (t1 >= 20.0) {
            rho1 = kBoardDensityCap;
            r->rho_k_1 = kBoardDensityCap;
            out.f_head = nail_head_pullthrough_parameter(type, c.head_reduction_flag, rho1);
            F_head = out.f_head * A_h;
        } else if (t1 >= 12.0) {
            out.f_head = kMediumBoardHeadParameter;
            F_head = out.f_head * A_h;
        } else {
            F_head = kThinBoardHeadCapacity;
        }
    } else if (m1 == MAT_GYPSUM_FIBREBOARD) {
        out.f_head = 15.0;
        F_head = out.f_head * A_h;
    } else {
        out.f_head = nail_head_pullthrough_parameter(type, c.head_reduction_flag, rho1);
        F_head = out.f_head * A_h;
    }
    out.R = std::min(F_ax, F_head);
    r->f_nail_withdrawal = simpson_nail(type) ? out.f_head : f_ax;
}

// Wood screw: withdrawal over B against the head (none on a plate).
void din_wood_screw(const DinInput& in, double p, double rho1, double rho2, DinParts& out)
{
    const double d = in.d, dk = in.dk;
    const double f_ax = screw_withdrawal_parameter(in.type, in.c.predrilled, rho2, rho2, d);
    const double F_ax = d * std::min(p, in.l_ef) * f_ax / in.B;
    if (!plate(in.m1)) {
        out.f_head = screw_head_pullthrough_parameter(in.type, in.m1, rho1, in.t1, dk, d < in.D ? 1 : 0);
        out.R = std::min(F_ax, dk * dk * out.f_head);
    } else {
        out.R = F_ax;
    }
}

// Steel tension governs where it is lower; a member thinner than 1.2 d carries nothing.
void din_steel_and_thickness(const DinInput& in, double F_t, bool thickness_counts, DinParts& out)
{
    if (F_t < out.R) {
        out.R = F_t;
        out.steel = true;
    }
    if (thickness_counts && in.t1 < kScrewMemberThicknessFactor * in.d) {
        out.R = 0.0;
        out.steel = false;
    }
}

// ASSY screws 14 and 15: point thread against the head-side thread or the head (8e-5 rho^2 dk^2,
// 8 dk^2 at most in a board 12 to 20 mm), steel tension.
void din_assy(const DinInput& in, double p, double rho1, double rho2, FastenerResult* r, DinParts& out)
{
    const ConnectionDescription& c = in.c;
    const int type = in.type, m1 = in.m1;
    const double d = in.d, t1 = in.t1, B = in.B;
    const double F_t = c.stainless ? screw_value_by_d_f(d) : screw_tensile_capacity_by_d(d, 1);
    double dkp = type == FT_ASSY_VG_S ? in.dk : (in.D > 0.0 ? in.D : 0.0);
    dkp = std::min(dkp, cur_ec5_params ? kHeadDiameterCap : kDinHeadDiameterCap);
    double rho_h = rho1;
    if (board(m1)) {
        rho_h = kBoardDensityCap;
        r->rho_k_1 = kBoardDensityCap;
    }
    const double F_ax2 = (p / in.sin_a) * d * screw_withdrawal_parameter(type, c.predrilled, 0.0, rho2, d) / B;
    if (!plate(m1)) {
        double F_ax1 =
            (std::min(in.lg, t1) / in.sin_a) * d * screw_withdrawal_parameter(type, c.predrilled, 0.0, rho_h, d) / B;
        F_ax1 = std::max(F_ax1, rho_h * rho_h * dkp * dkp * 8e-5);
        if (board(m1) && t1 >= 12.0 && t1 <= 20.0) F_ax1 = std::min(F_ax1, 8.0 * dkp * dkp);
        out.R = std::min(F_ax2, F_ax1);
    } else {
        out.R = F_ax2;
    }
    din_steel_and_thickness(in, F_t, !plate(m1), out);
}

// SPAX screws 11, 12 and 13: withdrawal over B against the head (10 N/mm2, 8 in a board 12 to 20 mm,
// head diameter at most 35 mm); the fully threaded 13 also by its head-side thread.
void din_spax(const DinInput& in, double p, double rho2, DinParts& out)
{
    const ConnectionDescription& c = in.c;
    const int type = in.type, m1 = in.m1;
    const double d = in.d, t1 = in.t1, B = in.B;
    const double F_t = c.stainless ? screw_axial_value_by_d_a(d) : screw_axial_value_by_d_b(d);
    double f_ax = screw_withdrawal_parameter(type, 0, 0.0, rho2, d);
    if (type == FT_SPAX_S_VG && cur_ec5_params && cur_ec5_params->country == 0) f_ax = 0.0;
    const bool board_head = board(m1) && t1 >= 12.0 && t1 <= 20.0 && (type != FT_SPAX_S_VG || !cur_ec5_params);
    out.f_head = board_head ? 8.0 : 10.0;
    const double F_head = std::pow(std::min(in.dk, kDinHeadDiameterCap), 2) * out.f_head;
    if (type == FT_SPAX_S_VG) {
        const double F_ax2 = (p / in.sin_a) * d * f_ax / B;
        if (!plate(m1)) {
            const double F_ax1 = f_ax * (std::min(in.lg, t1) / in.sin_a) * d / B;
            out.R = std::min(F_ax2, std::max(F_ax1, F_head));
            din_steel_and_thickness(in, F_t, true, out);
        } else {
            out.R = std::min(F_ax2, F_t);
            out.steel = F_t < F_ax2;
        }
    } else {
        const double F_ax2 = in.l_ef * d * f_ax / B;
        out.R = plate(m1) ? F_ax2 : std::min(F_ax2, F_head);
        din_steel_and_thickness(in, F_t, !plate(m1), out);
    }
}

// Bolt, or the bolt of a shear-plate connector: washer bearing f_c,90 A_w and for the bolt the
// steel tension 0.8 f_u on the shank, which also governs beside a plate without a washer.
void din_washer(const DinInput& in, DinParts& out)
{
    const ConnectionDescription& c = in.c;
    const double d = in.d, D = in.D;
    const double dh = in.type == FT_BOLT ? d : c.bolt_d;
    double A_w = washer_bearing_area(dh, D);
    if (A_w <= 0.0) A_w = D * std::min(D + 60.0 - dh, 4.0 * dh);
    const double F_w = in.f_c90 * A_w;
    out.R = F_w;
    if (in.type == FT_BOLT) {
        const double f = c.steel_grade >= 0 ? kBoltTensionFactor * fastener_steel_f_u(c.steel_grade) : c.f_u;
        const double F_t = d * d * kQuarterPi * f;
        if (F_t < F_w || (plate(in.m1) && c.bolt_washer_flag == 0)) out.R = F_t;
    }
}

// Screws of both approvals flatter than 30 degrees carry nothing; staples below 30 degrees 0.7.
void din_angle_rules(const DinInput& in, FastenerResult* r, DinParts& out)
{
    const ConnectionDescription& c = in.c;
    if (c.axis_angle < 30.0) {
        if (is_screw_type_group1(in.type)) { r->message_code = 1013; out.R = 0.0; }
        else if (is_screw_type_group2(in.type)) { r->message_code = 1015; out.R = 0.0; }
    } else if (in.type == FT_STAPLE) {
        if (c.staple_limit > 20.0) r->message_code = 1009;
        if (std::min(c.fastener_angle_1, c.fastener_angle_2) < 30.0) {
            r->message_code = 1010;
            out.R *= 0.7;
        }
    }
}

} // namespace

// DIN 1052, 12.8: axial capacity of nails, staples, screws and bolts
double axial_capacity_din(ConnectionDescription c, double p, double f_c90, FastenerResult* r)
{
    const int type = c.fastener_type;
    const double ar = c.axis_angle * kDegree;
    const double sin_a = std::sin(ar), cos_a = std::cos(ar);
    const double B = sin_a * sin_a + 1.3333333333333333 * cos_a * cos_a;   // 4/3 cos^2
    if (std::fabs(B) < 1e-5) return 0.0;
    const bool wood = is_wood_screw_type(type) != 0, special = is_special_nail_type(type) != 0;
    const double lg = c.thread_length;
    const bool threaded = wood || type == FT_SPAX_S_TG || type == FT_SPAX_T_TG || special;
    const double l_ef = threaded ? std::min(lg, p / sin_a) : lg;
    const DinInput in{c, f_c90, type, c.material_1, sin_a, B, c.d, c.d_head, lg, c.washer_d, c.t1, c.t2,
                      wood, special, l_ef};
    const double rho1 = r->rho_k_1, rho2 = r->rho_k_2;

    const int stop_code = din_stop_code(in, &p, r);
    if (stop_code >= 0) return stop(r, stop_code);

    DinParts out;
    if (type == FT_NAIL || type == FT_STAPLE || special) din_nail(in, p, rho1, rho2, r, out);
    else if (wood) din_wood_screw(in, p, rho1, rho2, out);
    else if (type == FT_ASSY_VG_Z || type == FT_ASSY_VG_S) din_assy(in, p, rho1, rho2, r, out);
    else if (type == FT_SPAX_S_TG || type == FT_SPAX_T_TG || type == FT_SPAX_S_VG) din_spax(in, p, rho2, out);
    else if (bolt_with_washer(type)) din_washer(in, out);

    din_angle_rules(in, r, out);
    const double R = std::isfinite(out.R) ? std::max(0.0, out.R) : 0.0;
    r->f_head_used_2 = out.f_head;
    r->r_ax = R;
    r->r_ax_d = out.steel ? 0.8 * R : design_value(c, r, R);
    return R;
}

int rope_effect_applies(int type, int resin_coated, int predrilled, int /*fitted_hole*/, int m1, int m2,
                        int /*shear_planes*/, int /*failure_mode*/)
{
    if (((m1 == MAT_KERTO_S || m1 == MAT_KERTO_Q) && m2 == MAT_STEEL_PLATE) ||
        (m1 == MAT_STEEL_PLATE && (m2 == MAT_KERTO_S || m2 == MAT_KERTO_Q))) return 0;
    if (m1 == MAT_PLASTERBOARD) return 0;
    if (type == FT_STAPLE) return resin_coated ? 1 : 0;
    if (type == FT_RING_A1 || type == FT_DOWEL || type == FT_CONNECTOR_B1) return 0;
    if ((type >= FT_WOOD_SCREW_1A && type <= FT_ASSY_VG_S) || type == FT_ASSY_USER || type == FT_SPAX_USER ||
        (type >= FT_CONNECTOR_C1 && type <= FT_CONNECTOR_C10) || type == FT_CONNECTOR_C2 ||
        type == FT_CONNECTOR_C11 || type == FT_BOLT)
        return 1;
    if (type == FT_NAIL || is_special_nail_type(type)) {
        if (predrilled) return 0;
        if (cur_ec5_params) return 1;
        if (m1 == MAT_GYPSUM_FIBREBOARD) return 1;
        if (type >= FT_SPECIAL_NAIL_3A && type <= FT_SPECIAL_NAIL_3C && (is_board_or_engineered_material(m1) ||
            is_metal_plate_material(m1))) return 1;
    }
    return 0;
}
