#include "fasteners/axial_capacity.h"

#include "fasteners/axial_parameters.h"
#include "fasteners/fastener_properties.h"
#include "fasteners/fastener_types.h"
#include "fasteners/material_access.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

const double kDeg = 0.017453292519944444;
const double kQuarterPi = 0.7853981633974483;

double k_rho(double rho) { return std::pow(rho / 350.0, 0.8); }
bool timber(int m) { return (m >= 0 && m <= 3) || m == 17 || m == -10; }
bool plate(int m) { return is_metal_plate_material(m); }
bool board(int m) { return is_board_or_engineered_material(m); }

double head_side_density_assy(int m, double rho1)
{
    if (m == 17 || m == 18) return std::min(rho1, 730.0);
    if (m == 1 || m == 10 || m == 11 || m == 19) return std::min(rho1, 590.0);
    if (board(m)) return std::min(rho1, 380.0);
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

double design_value(const ConnectionDescription& c, const FastenerResult* r, double R)
{
    double gm = std::max(c.gamma_m_1, c.gamma_m_2);
    if (gm <= 0.0) return 0.0;
    return std::sqrt(r->kmod_1 * r->kmod_2) * R / gm;
}

// Fills the buckling block; assy selects the in-place variant of the ASSY family.
void buckling_block(const ConnectionDescription& c, double p, FastenerResult* r, bool assy)
{
    ScrewBucklingBlock& b = r->buckling;
    const double a = c.axis_angle, ar = a * kDeg;
    double f_y = 1000.0, A_f = 785.3981633975001;
    if (c.stainless) { f_y = 500.0; A_f = 392.69908169875004; }
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
        const double D = 1.2 * std::cos(ar) * std::cos(ar) + std::sin(ar) * std::sin(ar);
        R_k = f_ax * l_ef * d * k_rho(rho) / D;
        R_d = l_ef * d * f_ax_d * k_rho(rho) / D;
    }
    const double N_pl_k = A_f * d1 * d1;
    const double N_pl_d = N_pl_k / g_m1;
    // Elastic foundation modulus c_h = rho/180 (alpha + 90)(0.19 + 0.012 d) for both families.
    const double c_h = rho / 180.0 * (a + 90.0) * (0.19 + 0.012 * d);
    const double I_s = d1 * d1 * d1 * d1 * 0.04908738521234375;
    const double N_ki = std::sqrt(c_h * 210000.0 * I_s);
    const double lam2 = N_pl_k / N_ki;
    const double lam = std::sqrt(lam2);
    const double k = 0.5 * (1.0 + 0.49 * (lam - 0.2) + lam2);
    double kappa = 1.0, Nb_k = N_pl_k, Nb_d = N_pl_d;
    if (lam2 > 0.04) {
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
    b.e_s = 210000.0;
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

double axial_capacity_annex(ConnectionDescription c, double p, double f_c90, FastenerResult* r)
{
    const int type = c.fastener_type;
    const bool annex_rules = cur_ec5_params && cur_ec5_params->country != 0;
    double rho1 = 0.0, rho2 = 0.0;
    fastener_get_rho_k(c.material_1, c.grade_1, c.t1, &rho1, &c.user_material);
    fastener_get_rho_k(c.material_2, c.grade_2, c.t2, &rho2, &c.user_material);

    const double ar = c.axis_angle * kDeg;
    const double sin_a = std::sin(ar), cos_a = std::cos(ar);
    const double d = c.d, d1 = c.d_core, dk = c.d_head, l = c.length, lg = c.thread_length, D = c.washer_d;
    const double t1 = c.t1, t2 = c.t2;
    const int m1 = c.material_1, m2 = c.material_2;

    const bool wood = is_wood_screw_type(type);
    const bool spax = is_screw_type_group1(type);
    const bool assy = is_screw_type_group2(type);
    const bool special = (type >= 16 && type <= 24) || (type >= 34 && type <= 42);
    const bool simpson = type == 45 || type == 46;
    double l_ef2 = (wood || spax || assy || special || simpson) ? std::min(lg, p / sin_a) : lg;

    // Early stops.
    if (type == 0 && annex_rules && c.predrilled) return stop(r, 148);
    if (wood && p < 6.0 * d) return stop(r, 152);
    if (spax) {
        if ((m1 == 6 && t1 < 6.0) || (m2 == 6 && t2 < 6.0)) return stop(r, 144);
        if ((board(m1) && t1 < 8.0) || (board(m2) && t2 < 8.0)) return stop(r, 145);
        if (!plate(m1) && t1 < 1.2 * d) return stop(r, 146);
        if (t2 < 1.2 * d) return stop(r, 147);
        if (c.axis_angle < 15.0 && (timber(m1) || timber(m2))) return stop(r, 1014);
        if (c.axis_angle < 30.0) return stop(r, 1013);
    }
    if (assy) {
        if ((m1 == 6 || m2 == 6) && (t1 < 6.0 || t2 < 6.0)) return stop(r, 142);
        if ((board(m1) || board(m2)) && (t1 < 8.0 || t2 < 8.0)) return stop(r, 143);
        if (!plate(m1) && t1 < 1.2 * d) return stop(r, 146);
        if (t2 < 1.2 * d) return stop(r, 147);
        if (c.axis_angle < 30.0) return stop(r, 1015);
    }
    if (type == 1 && annex_rules) {
        if (p < 12.0 * d) return stop(r, 151);
        if (((m1 == 6 || m1 == 8 || m1 == 10 || m1 == 11) && t1 < 6.0) || (m1 == 4 && t1 < 8.0)) return stop(r, 0);
    }
    if (type == 0 && p < 8.0 * d) return stop(r, 149);
    if (special && p < 6.0 * d) r->message_code = 150;
    if (type == 1 && annex_rules) l_ef2 = std::min(lg, std::min(p, 20.0 * d));

    double F_ax = 0.0, F_head = 0.0, F_t = 0.0, F_ax1 = 0.0;
    double f_ax = 0.0, f_head = 0.0, l_ef1 = 0.0, group = 1.0;
    double R = 0.0;
    bool combined = false;     // capacity = min(point, max(head thread, head))
    bool pin = true;

    if (type == 0) {
        f_ax = std::pow(std::min(rho2, 500.0), 2) * (cur_ec5_params ? 20e-6 : 18e-6);
        f_head = nail_head_pullthrough_parameter(0, c.head_reduction_flag, rho1);
        F_ax = f_ax * d * p;
        F_head = f_head * dk * dk;
        if (p < 12.0 * d) {
            const double k = p / (4.0 * d) - 2.0;
            F_ax *= k;
            F_head *= k;
        }
        r->f_nail_withdrawal = nail_withdrawal_parameter(0, c.staple_limit, c.predrilled, c.small_hole_flag, rho2);
        l_ef2 = p;
    } else if (special) {
        const double lef = std::min(l_ef2, p);
        f_ax = nail_withdrawal_parameter(type, c.staple_limit, c.predrilled, c.small_hole_flag, rho2);
        bool fixed = false;
        if (m1 == 4 || m1 == 6 || m1 == 7 || m1 == 10 || m1 == 11) {
            if (t1 <= 11.99) { F_head = 400.0; fixed = true; }
            else if (t1 <= 19.99) f_head = 8.0;
            else if (type >= 34 && type <= 42) {
                if (!cur_ec5_params || c.head_reduction_flag == 0) f_head = 14.44;
                else f_head = 9.626666666666667;
                if (cur_ec5_params && cur_ec5_params->country == 0) f_head = 0.0;
            } else {
                f_head = nail_head_pullthrough_parameter(type, c.head_reduction_flag, 380.0);
            }
        } else {
            f_head = nail_head_pullthrough_parameter(type, c.head_reduction_flag, rho1);
        }
        if (!fixed) F_head = f_head * dk * dk;
        F_ax = f_ax * lef * d;
        if (lef < 8.0 * d) F_ax = std::max(0.0, F_ax * (lef / (2.0 * d) - 3.0));
        r->f_nail_withdrawal = f_ax;
        l_ef2 = lef;
    } else if (type == 1) {
        if (annex_rules) {
            f_head = nail_head_pullthrough_parameter(1, c.head_reduction_flag, rho1);
            F_head = f_head * d * dk;
            if (c.resin_coated && c.fastener_angle_1 > 29.9 && c.fastener_angle_2 > 29.9) {
                f_ax = std::pow(std::min(rho2, 500.0), 2) * 40e-6;
                const double lef = std::min(lg, std::min(p, 20.0 * d));
                F_ax = 2.0 * f_ax * lef * d;
                if (lef < 8.0 * d) F_ax = std::max(0.0, F_ax * (lef / (2.0 * d) - 3.0));
            } else {
                f_ax = nail_withdrawal_parameter(1, c.staple_limit, c.predrilled, c.small_hole_flag, rho2);
                const double ll = std::min(20.0 * d, p);
                F_ax = 2.0 * f_ax * ll * d;
                if (c.fastener_angle_1 < 30.0 || c.fastener_angle_2 < 30.0) {
                    F_ax *= 0.7;
                    F_head *= 0.7;
                }
            }
            r->f_nail_withdrawal = nail_withdrawal_parameter(1, c.staple_limit, c.predrilled, c.small_hole_flag, rho2);
        }
        if (c.staple_limit > 20.0) r->message_code = 1009;
    } else if (simpson) {
        const double ll = std::min(lg, p);
        if (type == 45)
            f_ax = std::min(rho2 * rho2 * (10.92 - 0.0158 * d - 0.0968 * ll) * 9.765625e-6,
                            0.0175 * rho2 * (1.0 + 1.5 * d / ll));
        else
            f_ax = d >= 4.1 ? 15.0 : 13.8;
        F_ax = f_ax * ll * d;
        F_head = 0.0;
        l_ef2 = ll;
    } else if (wood) {
        f_ax = 0.52 * std::pow(d, -0.5) * std::pow(l_ef2, -0.1) * std::pow(rho2, 0.8);
        const double A = 1.2 * cos_a * cos_a + sin_a * sin_a;
        if (std::fabs(A) < 1e-5) return 0.0;
        const double ratio = d1 / d;
        if (ratio >= 0.6 && ratio <= 0.751 && d > 5.9 && d < 12.1) {
            const double kd = std::min(d / 8.0, 1.0);
            F_ax = f_ax * d * l_ef2 * kd / A;
            r->k_d = kd;
        } else {
            F_ax = f_ax * d * l_ef2 / A;
        }
        if (D <= dk) {
            f_head = screw_head_pullthrough_parameter(type, m1, rho1, t1, dk, 0);
            F_head = dk * dk * f_head;
        } else {
            const double Dp = plate(m1) ? std::min(12.0 * t1, 4.0 * d) : D;
            F_head = 3.0 * f_c90 * kQuarterPi * (Dp * Dp - (d + 1.0) * (d + 1.0));
        }
    } else if (spax) {
        f_ax = screw_withdrawal_parameter(type, 0, 0.0, rho2, d);
        const double A = sin_a * sin_a + 1.2 * cos_a * cos_a;
        if (std::fabs(A) < 1e-5) return 0.0;
        double lp = l_ef2, lh = 0.0;
        if (type == 44) user_thread_lengths(c.spax_user, p, t1, sin_a, &lp, &lh);
        l_ef2 = lp;
        F_ax = f_ax * d * l_ef2 * k_rho(rho2) / A;
        F_t = c.stainless ? screw_axial_value_by_d_a(d) : screw_axial_value_by_d_b(d);
        double dkp = type == 12 ? std::min(dk, 32.0) : std::min(std::max(dk, D), 32.0);
        const double rho_h = board(m1) ? std::min(rho1, 380.0) : rho1;
        if (type == 44) f_head = screw_head_parameter_b(type, c.spax_user.head_kind, dkp, d1, D, t1, m1);
        else f_head = screw_head_pullthrough_parameter(type, m1, rho_h, t1, dkp, dk < D ? 1 : 0);
        const double cfac = (t1 / dkp >= 3.0) ? 1.3 : 1.0;
        F_head = f_head * dkp * dkp * k_rho(rho_h) * cfac;
        if (board(m1) && t1 < 12.0) F_head = std::min(F_head, 400.0);
        if (dk < 1.8 * d1) F_head = 0.0;
        if (type == 13) {
            l_ef1 = lg - l_ef2;
            F_ax1 = f_ax * d * l_ef1 * k_rho(rho1) / A;
            combined = true;
        } else if (type == 44) {
            l_ef1 = lh;
            F_ax1 = f_ax * d * l_ef1 * k_rho(rho1) / A;
            combined = true;
        }
        if (type == 13) buckling_block(c, p, r, false);
    } else if (assy) {
        f_ax = screw_withdrawal_parameter(type, 0, 0.0, rho2, d);
        const double kb = c.axis_angle >= 45.0 ? 1.0 : 0.3 + 0.891267681314555 * ar;
        double lh = 0.0;
        if (type == 43) {
            double lp;
            user_thread_lengths(c.assy_user, p, t1, sin_a, &lp, &lh);
            l_ef2 = lp;
            l_ef1 = lh;
        } else {
            // Head-side thread: the part of the thread (length l_g from the point) that lies in member 1.
            l_ef1 = std::min(lg + t1 - l, t1 - 10.0) / sin_a;
        }
        F_ax = f_ax * d * kb * l_ef2 * k_rho(rho2);
        const int flag = (type == 14 || type == 15 || (type == 43 && c.assy_user.thread_mode == 2)) ? 1 : 0;
        F_t = c.stainless ? screw_value_by_d_f(d) : screw_tensile_capacity_by_d(d, flag);
        F_ax1 = f_ax * d * kb * l_ef1 * k_rho(rho1);
        const double dkp = std::min(std::max(dk, D), 32.0);
        const double rho_h = head_side_density_assy(m1, rho1);
        f_head = screw_head_parameter(dk, D, d1, t1, m1);
        F_head = f_head * dkp * dkp * k_rho(rho_h);
        if (board(m1) && t1 < 12.0) F_head = std::min(F_head, 400.0);
        buckling_block(c, p, r, true);
        combined = true;
    } else if (type == 30 || type == 26 || type == 27 || type == 28 || type == 32 || type == 33) {
        pin = false;
        const double dh = type == 30 ? d : c.bolt_d;
        const double area_washer = kQuarterPi * (D * D - (dh + 1.0) * (dh + 1.0));
        double area = area_washer;
        if (type == 30 && (plate(m1) || plate(m2))) {
            const double Dp = std::min(12.0 * t1, 4.0 * d);
            const double area_plate = kQuarterPi * (Dp * Dp - (dh + 1.0) * (dh + 1.0));
            area = c.shear_planes == 1 ? std::min(area_washer, area_plate) : area_plate;
        }
        const double F_w = 3.0 * f_c90 * area;
        if (type == 30) {
            const double f = c.steel_grade >= 0 ? 0.8 * fastener_steel_f_u(c.steel_grade) : c.f_u;
            F_t = d * d * kQuarterPi * f;
            R = std::min(F_w, F_t);
        } else {
            R = F_w;
        }
        R = std::max(0.0, R);
        r->r_ax_head = F_w;
        r->r_ax_point = R;
    } else {
        pin = false;   // ring connector, dowel, shear-plate connector: no axial capacity
        R = 0.0;
    }

    double point = F_ax;
    if (pin) {
        if ((spax || assy) && F_t > 0.0) point = std::min(F_ax, F_t);
        if (plate(m1)) {
            R = point;
            F_head = point;
        } else if (combined) {
            R = std::min(point, std::max(F_ax1, F_head));
        } else {
            R = std::min(point, F_head);
        }
        if ((wood || spax || assy) && c.group_factor && c.fastener_count > 0)
            group = std::pow(static_cast<double>(c.fastener_count), -0.1);
        R = std::max(0.0, R * group);
        r->r_ax_point = point;
        r->r_ax_head = F_head;
    }

    // Degenerate input (an axis along the grain, a zero length) must not end as a number that passes.
    if (!std::isfinite(R)) R = 0.0;
    for (double* v : {&r->r_ax_point, &r->r_ax_head, &F_ax1})
        if (!std::isfinite(*v)) *v = 0.0;
    r->f_head_used = f_head;
    r->f_head_used_2 = f_head;
    r->r_ax_head_thread = F_ax1;
    r->l_ef_head = l_ef1;
    r->l_ef_point = l_ef2;
    r->f_ax_used = f_ax;
    r->group_factor_used = group;
    store_common(r, rho1, rho2, R, design_value(c, r, R));
    return R;
}

double axial_capacity_din(ConnectionDescription c, double p, double f_c90, FastenerResult* r)
{
    const int type = c.fastener_type;
    const double ar = c.axis_angle * kDeg;
    const double sin_a = std::sin(ar), cos_a = std::cos(ar);
    const double B = sin_a * sin_a + 1.3333333333333333 * cos_a * cos_a;
    if (std::fabs(B) < 1e-5) return 0.0;
    const double d = c.d, dk = c.d_head, lg = c.thread_length, D = c.washer_d, t1 = c.t1, t2 = c.t2;
    const int m1 = c.material_1, m2 = c.material_2;
    double rho1 = r->rho_k_1, rho2 = r->rho_k_2;

    const bool wood = is_wood_screw_type(type);
    const bool special = is_special_nail_type(type);
    double l_ef = (wood || type == 11 || type == 12 || special) ? std::min(lg, p / sin_a) : lg;

    if (!cur_ec5_params) {
        if ((type == 0 || special) && c.predrilled) return stop(r, 1007);
        if (type == 1 && c.resin_coated == 0) return stop(r, 153);
        if ((type == 0 || type == 1 || type == 16 || type == 17 || type == 18) && p < 12.0 * d) return stop(r, 154);
        if (type >= 19 && type <= 24 && p < 8.0 * d) return stop(r, 155);
        if ((type == 0 || type == 1) && p > 20.0 * d) {
            r->message_code = 156;
            p = 20.0 * d;
        }
    } else if (wood) {
        if (p < 6.0 * d) return stop(r, 152);
        if (!plate(m1) && t1 < 12.0 * d) return stop(r, 140);
        if (!plate(m2) && t2 < 12.0 * d) return stop(r, 141);
    }

    double R = 0.0, f_head = 0.0;
    bool steel = false;
    if (type == 0 || type == 1 || special) {
        const double ll = std::min(p, l_ef);
        const double f_ax = nail_withdrawal_parameter(type, c.staple_limit, c.predrilled, c.small_hole_flag, rho2);
        double F_ax = f_ax * d * ll * (type == 1 ? 2.0 : 1.0);
        const double A_h = type == 1 ? d * dk : dk * dk;
        double F_head;
        if (m1 == 6 || m1 == 7 || m1 == 4) {
            if (t1 >= 20.0) {
                rho1 = 380.0;
                r->rho_k_1 = 380.0;
                f_head = nail_head_pullthrough_parameter(type, c.head_reduction_flag, rho1);
                F_head = f_head * A_h;
            } else if (t1 >= 12.0) {
                f_head = 8.0;
                F_head = f_head * A_h;
            } else {
                F_head = 400.0;
            }
        } else if (m1 == 9) {
            f_head = 15.0;
            F_head = f_head * A_h;
        } else {
            f_head = nail_head_pullthrough_parameter(type, c.head_reduction_flag, rho1);
            F_head = f_head * A_h;
        }
        R = std::min(F_ax, F_head);
        r->f_nail_withdrawal = (type == 45 || type == 46) ? f_head : f_ax;
    } else if (wood) {
        const double f_ax = screw_withdrawal_parameter(type, c.predrilled, rho2, rho2, d);
        const double ll = std::min(p, l_ef);
        const double F_ax = d * ll * f_ax / B;
        if (!plate(m1)) {
            f_head = screw_head_pullthrough_parameter(type, m1, rho1, t1, dk, d < D ? 1 : 0);
            R = std::min(F_ax, dk * dk * f_head);
        } else {
            R = F_ax;
        }
    } else if (type == 14 || type == 15) {
        const double F_t = c.stainless ? screw_value_by_d_f(d) : screw_tensile_capacity_by_d(d, 1);
        double dkp = type == 15 ? dk : (D > 0.0 ? D : 0.0);
        dkp = std::min(dkp, cur_ec5_params ? 32.0 : 35.0);
        double rho_h = rho1;
        if (board(m1)) {
            rho_h = 380.0;
            r->rho_k_1 = 380.0;
        }
        const double F_ax2 = (p / sin_a) * d * screw_withdrawal_parameter(type, c.predrilled, 0.0, rho2, d) / B;
        if (!plate(m1)) {
            double F_ax1 = (std::min(lg, t1) / sin_a) * d * screw_withdrawal_parameter(type, c.predrilled, 0.0, rho_h, d) / B;
            F_ax1 = std::max(F_ax1, rho_h * rho_h * dkp * dkp * 8e-5);
            if (board(m1) && t1 >= 12.0 && t1 <= 20.0) F_ax1 = std::min(F_ax1, 8.0 * dkp * dkp);
            R = std::min(F_ax2, F_ax1);
        } else {
            R = F_ax2;
        }
        if (F_t < R) { R = F_t; steel = true; }
        if (!plate(m1) && t1 < 1.2 * d) { R = 0.0; steel = false; }
    } else if (type == 11 || type == 12 || type == 13) {
        const double F_t = c.stainless ? screw_axial_value_by_d_a(d) : screw_axial_value_by_d_b(d);
        double f_ax = screw_withdrawal_parameter(type, 0, 0.0, rho2, d);
        if (type == 13 && cur_ec5_params && cur_ec5_params->country == 0) f_ax = 0.0;
        const double head_board = (board(m1) && t1 >= 12.0 && t1 <= 20.0 && (type != 13 || !cur_ec5_params)) ? 8.0 : 10.0;
        f_head = head_board;
        if (type == 13) {
            const double F_ax2 = (p / sin_a) * d * f_ax / B;
            if (!plate(m1)) {
                const double F_ax1 = f_ax * (std::min(lg, t1) / sin_a) * d / B;
                const double head = std::max(F_ax1, std::pow(std::min(dk, 35.0), 2) * f_head);
                R = std::min(F_ax2, head);
                if (F_t < R) { R = F_t; steel = true; }
                if (t1 < 1.2 * d) { R = 0.0; steel = false; }
            } else {
                R = std::min(F_ax2, F_t);
                steel = F_t < F_ax2;
            }
        } else {
            const double F_ax2 = l_ef * d * f_ax / B;
            if (!plate(m1)) R = std::min(F_ax2, std::pow(std::min(dk, 35.0), 2) * f_head);
            else R = F_ax2;
            if (F_t < R) { R = F_t; steel = true; }
            if (!plate(m1) && t1 < 1.2 * d) { R = 0.0; steel = false; }
        }
    } else if (type == 30 || type == 26 || type == 27 || type == 28 || type == 32 || type == 33) {
        const double dh = type == 30 ? d : c.bolt_d;
        double A_w = washer_bearing_area(dh, D);
        if (A_w <= 0.0) A_w = D * std::min(D + 60.0 - dh, 4.0 * dh);
        const double F_w = f_c90 * A_w;
        if (type == 30) {
            const double f = c.steel_grade >= 0 ? 0.8 * fastener_steel_f_u(c.steel_grade) : c.f_u;
            const double F_t = d * d * kQuarterPi * f;
            if (F_t < F_w) R = F_t;
            else if (plate(m1) && c.bolt_washer_flag == 0) R = F_t;
            else R = F_w;
        } else {
            R = F_w;
        }
    }

    if (c.axis_angle < 30.0) {
        if (is_screw_type_group1(type)) { r->message_code = 1013; R = 0.0; }
        else if (is_screw_type_group2(type)) { r->message_code = 1015; R = 0.0; }
    } else if (type == 1) {
        if (c.staple_limit > 20.0) r->message_code = 1009;
        if (std::min(c.fastener_angle_1, c.fastener_angle_2) < 30.0) {
            r->message_code = 1010;
            R *= 0.7;
        }
    }
    R = std::isfinite(R) ? std::max(0.0, R) : 0.0;
    (void)m2;
    r->f_head_used_2 = f_head;
    r->r_ax = R;
    r->r_ax_d = steel ? 0.8 * R : design_value(c, r, R);
    return R;
}

int rope_effect_applies(int type, int resin_coated, int predrilled, int /*fitted_hole*/, int m1, int m2,
                        int /*shear_planes*/, int /*failure_mode*/)
{
    if (((m1 == 10 || m1 == 11) && m2 == 12) || (m1 == 12 && (m2 == 10 || m2 == 11))) return 0;
    if (m1 == 5) return 0;
    if (type == 1) return resin_coated ? 1 : 0;
    if (type == 25 || type == 29 || type == 31) return 0;
    if ((type >= 2 && type <= 15) || type == 43 || type == 44 || (type >= 26 && type <= 28) || type == 32 ||
        type == 33 || type == 30)
        return 1;
    if (type == 0 || is_special_nail_type(type)) {
        if (predrilled) return 0;
        if (cur_ec5_params) return 1;
        if (m1 == 9) return 1;
        if (type >= 22 && type <= 24 && (is_board_or_engineered_material(m1) || is_metal_plate_material(m1))) return 1;
    }
    return 0;
}
