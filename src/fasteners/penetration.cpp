#include "fasteners/penetration.h"

#include "fasteners/connection_records.h"
#include "fasteners/formula_constants.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>

namespace {
// Minimum penetration: d under the EC values without annex, 4 d otherwise (DIN EN 1995-1-1/NA, NA.8.3.1).
double p_min(double d) { return (cur_ec5_params && cur_ec5_params->country == 0) ? d : 4.0 * d; }
}

// Codes: 0 the point stays in the head-side member; 1/2 it ends in the second member (n = 1 / otherwise);
// 3 it ends in a third member (n = 2); 4 it leaves the last member.
int penetration_length_check(int n, double d, double length, double theta, double t1, double t2,
                             double* usable, int* planes)
{
    const double lp = length * std::sin(theta * kDegree);
    const double pmin = p_min(d);
    int result, pl;
    double u;
    if (t1 >= lp) {
        connection_message_add_2(84);
        result = 0; pl = 0; u = lp;
    } else {
        const double p = lp - t1;
        if (t2 >= p && t2 - p < lp) {
            connection_message_add_1(86);
            result = n == 1 ? 1 : 2;
            if (p < 4.0 * d) connection_message_add_1(8);
            pl = p < pmin ? 0 : 1;
            u = p;
        } else if (t2 >= p) {
            connection_message_add_1(85);
            result = 2;
            if (p >= pmin && p < 4.0 * d) connection_message_add_1(8);
            pl = p < pmin ? 0 : 1;
            u = p;
        } else if (n == 1) {
            result = 4; u = t2;
            pl = t2 < pmin ? 0 : 1;
            if (t2 >= pmin && t2 < 4.0 * d) connection_message_add_1(8);
        } else if (n == 2) {
            const double p3 = p - t2;
            if (p3 <= t1) {
                connection_message_add_1(87);
                if (p3 < 4.0 * d) connection_message_add_1(8);
                pl = p3 < pmin ? 1 : 2;
                result = 3; u = p3;
            } else {
                connection_message_add_2(88);
                u = t1;
                pl = t1 < pmin ? 1 : 2;
                if (t1 >= pmin && t1 < 4.0 * d) connection_message_add_1(8);
                result = 4;
            }
        } else {
            // Neither single nor double shear: the part beyond the second member, no plane.
            result = 0; pl = 0; u = p - t2;
        }
    }
    if (u < 8.0 * d && cur_ec5_params) connection_message_add_1(137);
    if (usable) *usable = u;
    if (planes) *planes = pl;
    return result;
}

namespace {
void side_count(double l, double t_near, double t2, double pmin, double* pen, int* count, double* p_out)
{
    double p = l - t_near;
    int c = 0;
    double q = 0.0;
    if (p >= pmin) ++c;
    if (p > 0.0) {
        q = p - t2;
        if (q >= pmin) ++c;
    }
    *pen = (p > 0.0 && q > 0.0) ? q : (p > 0.0 ? p : l);
    *count = c;
    *p_out = p;
}
}

bool nail_overlap_check(double t1, double t2, double t3, int both_sides, double length, double d)
{
    const double pmin = p_min(d);
    double pen1, pen3, p1, p3;
    int c1, c3;
    side_count(length, t1, t2, pmin, &pen1, &c1, &p1);
    side_count(length, t3, t2, pmin, &pen3, &c3, &p3);
    if (length <= t3) return false;
    if (p3 > 0.0 && c3 == 2 && c1 == 1) return false;
    if (c1 == 2 && (c3 == 1 || c3 == 2)) return false;
    if (both_sides && c1 == 1) return c3 == 1 && pen1 + pen3 < t2 + 1.0;
    if (!both_sides && c1 == 1 && c3 == 1 && t2 + 1.0 - pen1 > pmin) return t2 + 1.0 - pen3 > pmin;
    return false;
}

bool nail_overlap_check_angled(double t1, double t2, double t3, int both_sides,
                               double l1, double d1, double th1, double* pen1_out, int* count1_out, int* code1_out,
                               double l3, double d3, double th3, double* pen3_out, int* count3_out, int* code3_out)
{
    const double pmin1 = p_min(d1), pmin3 = p_min(d3);
    double pen1, pen3, p1, p3;
    int c1, c3;
    side_count(l1, t1, t2, pmin1, &pen1, &c1, &p1);
    side_count(l3, t3, t2, pmin3, &pen3, &c3, &p3);
    const double rad = kDegree;
    int code1 = t1 < l1 * std::sin(th1 * rad) ? 1 : 0;
    int code3 = 0;
    bool result = false;
    bool closing = true;
    if (l3 * std::sin(th3 * rad) <= t3) {
        result = false; code3 = 0;
    } else if (p3 > 0.0 && t3 < l3 * std::sin(th3 * rad) && c1 == 1 && c3 == 2) {
        code3 = 4; result = false; closing = false;
    } else {
        const bool b = p3 > 0.0 && c3 == 2;
        if (c1 == 2 && (c3 == 1 || b)) {
            code1 = 4; code3 = c3 == 1 ? 1 : 4; result = false;
        } else if (both_sides && c1 == 1) {
            if (c3 == 1) {
                result = pen1 + pen3 < t2 + 1.0;
                code1 = code3 = result ? 2 : 4;
            } else {
                code3 = 1; result = false;
            }
        } else if (!both_sides && c1 == 1 && c3 == 1) {
            if (t2 + 1.0 - pen1 <= pmin1) {
                code1 = code3 = 4; result = false;
            } else {
                result = t2 + 1.0 - pen3 > pmin3;
                code1 = code3 = result ? 2 : 4;
            }
        } else {
            result = false; code3 = 1;
        }
    }
    if (closing && c1 == 2) {
        if (t3 < pen1 + 1.0) code1 = 4;
        if (t1 < pen3 + 1.0) code3 = 4;
    }
    if (pen1_out) *pen1_out = pen1;
    if (count1_out) *count1_out = c1;
    if (code1_out) *code1_out = code1;
    if (pen3_out) *pen3_out = pen3;
    if (count3_out) *count3_out = c3;
    if (code3_out) *code3_out = code3;
    return result;
}

// DIN EN 1995-1-1, 8.9 and 8.10: member thickness t_req = 3 h_e of a side member and 5 h_e of a middle
// or point-side member at a connector (k1 = min(1, t1 / (3 h_e), t2 / (5 h_e))), at least 24 mm
double connector_min_thickness_side(double x) { return std::max(3.0 * x, kConnectorMinThickness); }
double connector_min_thickness_middle(double x) { return std::max(5.0 * x, kConnectorMinThickness); }
