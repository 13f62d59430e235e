#include "fasteners/group_effects.h"

#include "fasteners/partial_factors.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
double mix_angle(double angle, double n_ef, double n) { return ((90.0 - angle) * n_ef + angle * n) / 90.0; }

// Effective contact length of an end contact with the overhang u (DIN EN 1995-1-1/NA 6.1.5).
double contact_length(double u, double l) { return u > 30.0 ? l + 60.0 : l + 30.0 + std::min(u, 30.0); }

// DIN EN 1995-1-1, 6.1.5(1): effective contact area, up to 30 mm added beside the contact
double effective_area(double u1, double u2, double l, double w, int n_s)
{
    double a = w * (contact_length(u2, l) + contact_length(u1, l));
    if (n_s >= 3) a += (n_s - 2) * w * 60.0;
    return a;
}

void governing(double t1, double t2, double t3, int* idx, double* o1, double* o2, double* o3)
{
    if (o1) *o1 = t1;
    if (o2) *o2 = t2;
    if (o3) *o3 = t3;
    if (idx) *idx = (t3 < t1 && t3 < t2) ? 2 : (t2 > t1 ? 0 : 1);
}
} // namespace

// DIN EN 1995-1-1, 8.5.1.1(4): effective number of bolts or dowels in a row parallel to the grain
double effective_fastener_count(double d, int n, double a1, double angle)
{
    if (n < 2) return n;
    double a = std::fabs(angle);
    if (a > 180.0) a = 360.0 - a;
    if (a > 90.0) a = 180.0 - a;
    const double k = cur_ec5_params ? 13.0 : 10.0;
    const double n_ef = std::min<double>(n, std::pow(n, 0.9) * std::pow(a1 / (k * d), 0.25));
    return mix_angle(a, n_ef, n);
}

// DIN EN 1995-1-1, 8.9: effective number n_ef = 2 + (1 - n / 20) (n - 2) of connectors in a row
// The formula of 8.9(4) falls below 2 beyond 20 connectors in a row; the count is held at 2 there.
double effective_connector_count(int n, double angle)
{
    if (n < 2) return n;
    const double n_c = std::max(2.0, 2.0 + (1.0 - n / 20.0) * (n - 2));
    if (cur_ec5_params) return n_c;
    return std::min(10.0, mix_angle(angle, n_c, n));
}

// DIN EN 1995-1-1, 8.3.1.1(8): effective number of nails in a row parallel to the grain
double effective_nail_count(double d, int predrilled, int n, double a1, double angle)
{
    if (n < 2) return n;
    double k;
    if (a1 > 14.0 * d) k = 1.0;
    else if (a1 >= 10.0 * d) k = 0.85 + 0.15 * (a1 - 10.0 * d) / (4.0 * d);
    else if (a1 >= 7.0 * d) k = 0.7 + 0.15 * (a1 - 7.0 * d) / (3.0 * d);
    else if (!predrilled) k = 0.7 * a1 / (7.0 * d);
    else if (a1 >= 4.0 * d) k = 0.5 + 0.2 * (a1 - 4.0 * d) / (3.0 * d);
    else k = 0.5 * a1 / (4.0 * d);
    return mix_angle(angle, std::pow(n, k), n);
}

double effective_count_by_type(int type, double d, int predrilled, int n, double a1, double angle)
{
    const bool nail = type == FT_NAIL || type == FT_STAPLE ||
        (type >= FT_SPECIAL_NAIL_1A && type <= FT_SPECIAL_NAIL_3C) ||
        (type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_3F) ||
                      type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA;
    const bool screw = (type >= FT_WOOD_SCREW_1A && type <= FT_ASSY_VG_S) || type == FT_ASSY_USER ||
        type == FT_SPAX_USER;
    if (nail || (screw && d <= 6.001)) return effective_nail_count(d, predrilled, n, a1, angle);
    if (screw || type == FT_DOWEL || type == FT_BOLT) return effective_fastener_count(d, n, a1, angle);
    if ((type >= FT_RING_A1 && type <= FT_CONNECTOR_C10) ||
        (type >= FT_CONNECTOR_B1 && type <= FT_CONNECTOR_C11)) return effective_connector_count(n, angle);
    return n;
}

double effective_count_by_thickness(double d, int n, double a1, double t, double angle)
{
    if (n < 2) return n;
    const double n_ef = std::min<double>(n, std::pow(n, 0.9) * std::pow(a1 * t / (50.0 * d * d), 0.25));
    return mix_angle(angle, n_ef, n);
}

// DIN EN 1995-1-1, 8.7.2: effective number n_ef = n^0.9 of axially loaded screws
double effective_count_power(int n) { return std::pow(n, 0.9); }

double three_way_capacity(double a, double b, double c, double d, double e, double f, int* out_index,
                          double* out_1, double* out_2, double* out_3)
{
    const double t1 = a / e, t2 = b * c * d, t3 = 20.0 * b * c * c * d / f;
    governing(t1, t2, t3, out_index, out_1, out_2, out_3);
    return std::min({t1, t2, t3});
}

double three_way_capacity_reduced(double a, double b, double c, double d, double e, double f, double g, double h,
                                  double l, double m, int* out_index, double* out_1, double* out_2, double* out_3)
{
    const double omega = (cur_ec5_params && l < m / 2.0) ? l / (m / 2.0) : 1.0;
    const double t1 = omega * a * e / g, t2 = std::min(c, b) * d * e * f, t3 = 35.0 * b * d * d * e * f / h;
    governing(t1, t2, t3, out_index, out_1, out_2, out_3);
    return std::min({t1, t2, t3});
}

double percent_ratio(double a, double b, double c, double* out)
{
    const double p = std::fabs(a) / b * 100.0;
    if (out) *out = p;
    return p / c;
}

// DIN EN 1995-1-1, 6.1.5: bearing capacity k_c,90 f_c,90 A_ef at a support
double support_bearing_force(int material, double f, double l1, double h, double u1, double u2, double l, double w,
                             int n_s)
{
    return f * bearing_factor_k_c90(material, l1, h) * effective_area(u1, u2, l, w, n_s);
}

double support_bearing_capacity(int material, double l1, double h, double u1, double u2, double l, double w, int n_s,
                                double p, double q, double r, double f, double* out)
{
    const double a_ef = effective_area(u1, u2, l, w, n_s);
    const double i = r * p / (r * q + a_ef * f * bearing_factor_k_c90(material, l1, h));
    if (out) *out = i;
    return i / r;
}

double support_bearing_share(int material, double l1, double h, double u1, double u2, double l, double w, int n_s,
                             double p, double q, double f)
{
    if (cur_ec5_params) return 1.0;
    const double r = f * bearing_factor_k_c90(material, l1, h) * effective_area(u1, u2, l, w, n_s);
    return r / (r + p * q);
}

// DIN EN 1995-1-1, 6.1.5(1): effective contact areas, up to 30 mm added beside the contact
void bearing_effective_areas(double u1, double u2, double l, double l_i, double w, double* out_1, double* out_2,
                             double* out_3)
{
    if (out_1) *out_1 = w * contact_length(u1, l);
    if (out_2) *out_2 = w * contact_length(u2, l);
    if (out_3) *out_3 = w * (l_i + 60.0);
}

double half_length_reduction(double a, double b, int flag)
{
    if (cur_ec5_params || a <= b / 2.0) return 1.0;
    return flag ? 0.67 : 0.75;
}

// DIN EN 1995-1-1, 8.3.1.1: nails from both sides may overlap in the middle member by at least 4 d
int distance_check_4d_sum(double d, double b, double c, double e) { return c - b + e >= 4.0 * d ? 1 : 0; }
int distance_check_4d(double a, double d, double c) { return a - c >= 4.0 * d ? 1 : 0; }

// EN 1090-2, Table 11: normal round hole, clearance 1 mm up to M14, 2 mm to M24, 3 mm above
double bolt_hole_diameter(double d)
{
    if (d < 15.99) return d + 1.0;
    if (d < 24.001) return d + 2.0;
    return d + 3.0;
}

int default_screw_record(int type, UserScrew* s)
{
    s->flag = 1;
    if (type != FT_ASSY_USER && type != FT_SPAX_USER) return 0;
    std::memset(s->name, 0, sizeof s->name);
    std::memset(s->name, ' ', 26);
    std::memcpy(s->name, type == FT_ASSY_USER ? "Assy" : "Spax", 4);
    s->head_kind = type == FT_ASSY_USER ? 6 : 1;
    s->family = type == FT_ASSY_USER ? 1 : 3;
    s->valid = 1;
    s->thread_mode = 2;
    s->spacing_variant = 0;
    s->stainless = 0;
    s->has_washer = 0;
    s->d = 8.0;
    s->d_head = 10.0;
    s->d_core = 5.0;
    s->length = 100.0;
    s->head_thread_length = 20.0;
    s->thread_length = 20.0;
    s->washer_d = 28.0;
    s->axis_angle = 90.0;
    return 1;
}
