#include "fasteners/connector_capacity.h"

#include "fasteners/timber_formulas.h"
#include "fasteners/penetration.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>
#include <cmath>

namespace {
// DIN EN 1995-1-1, (8.66): k_3 = min(1.75, rho_k / 350), 1/350 = 0.002857142857142857.
double ring_k3(double rho_k) { return std::min(1.75, rho_k * 0.002857142857142857); }

// DIN EN 1995-1-1, 8.10: k3 = min(1.5, rho_k / 350) of toothed-plate connectors
double toothed_k3(double rho_k)
{
    const double k3 = rho_k / 350.0;
    return cur_ec5_params ? std::min(1.5, k3) : k3;
}

void raise(double* field, double v) { if (v > *field) *field = v; }

// The factors a ring or shear-plate connector reports (no reduction of its own).
void store_angle_factors(FastenerResult* r, double k_alpha, double k1, double k3)
{
    r->reduction_factor = 1.0;
    r->k_alpha = k_alpha;
    r->k3 = k3;
    r->k1 = k1;
}

// DIN EN 1995-1-1, 8.10:
// Minimum loaded end distance a3,t and the end-distance factor k2 (8.10(4)) at the end distance
// the caller gives, or at that minimum when it gives none (end_distance <= 0).
void toothed_end_distance(int type, double dc, double d, double end_distance, double* a3t, double* k2)
{
    if (!cur_ec5_params) { *a3t = 0.0; *k2 = 1.0; return; }
    const bool c10 = type == FT_CONNECTOR_C10 || type == FT_CONNECTOR_C11;
    *a3t = std::max({7.0 * d, 80.0, (c10 ? 1.5 : 1.1) * dc});
    const double a = end_distance > 0.0 ? end_distance : *a3t;
    *k2 = std::min(1.0, a / ((c10 ? 2.0 : 1.5) * dc));
}

// DIN EN 1995-1-1, 8.9:
// Ring connector: minimum loaded end distance 1.5 dc, k2 = min(1, a3,t / (2 dc)) (8.9(4)).
void ring_end_distance(double dc, double end_distance, double* a3t, double* k2)
{
    if (!cur_ec5_params) { *a3t = 0.0; *k2 = 1.0; return; }
    *a3t = 1.5 * dc;
    const double a = end_distance > 0.0 ? end_distance : *a3t;
    *k2 = std::min(1.0, a / (2.0 * dc));
}

// DIN EN 1995-1-1, 8.10 (8.72), (8.73): basic capacity 18 d_c^1.5 of types C1 to C9, 25 d_c^1.5 of
// C10 and C11
double toothed_basic(int type, double dc)
{
    if (type == FT_CONNECTOR_C10 || type == FT_CONNECTOR_C11) return 25.0 * std::pow(dc, 1.5);
    if (type == FT_CONNECTOR_C1 || type == FT_CONNECTOR_C5 || type == FT_CONNECTOR_C2) return 18.0 * std::pow(dc, 1.5);
    return 0.0;
}

// DIN EN 1995-1-1, 8.10:
// k1 k2 k3 times the basic capacity of a toothed-plate connector (8.72); reports k1, k2, k3 and a3,t.
double toothed_capacity(int type, double dc, double d, double rho_k, double k1, double end_distance,
                        FastenerResult* r)
{
    double a3t, k2;
    toothed_end_distance(type, dc, d, end_distance, &a3t, &k2);
    const double k3 = toothed_k3(rho_k);
    if (r) {
        r->k3 = k3;
        r->k1 = k1;
        r->k2 = k2;
        r->a3t_used = a3t;
    }
    return k1 * k2 * k3 * toothed_basic(type, dc);
}
} // namespace

// DIN EN 1995-1-1, 8.9: characteristic capacity of a ring connector between two timber members
double ring_connector_capacity(double dc, double he, double alpha, double t1, double t2, double rho_k,
                               FastenerResult* r, double end_distance)
{
    const double t1_req = connector_min_thickness_side(he), t2_req = connector_min_thickness_middle(he);
    const double k1 = std::min({1.0, t1 / t1_req, t2 / t2_req});
    const double k_alpha = connector_angle_factor(dc, alpha);
    const double k3 = ring_k3(rho_k);
    double a3t, k2;
    ring_end_distance(dc, end_distance, &a3t, &k2);
    if (r) {
        store_angle_factors(r, k_alpha, k1, k3);
        r->k2 = k2;
        r->a3t_used = a3t;
        raise(&r->t1_req, t1_req);
        raise(&r->t2_req, t2_req);
    }
    // k2 limits the connector's own resistance, not the embedding of its depth (8.61).
    return k_alpha * k1 * k3 * std::min(k2 * 35.0 * std::pow(dc, 1.5), 31.5 * dc * he);
}

// The required timber thickness is max(5 he, 24) as for the ring connector (8.9(2)); a factor
// 0.1 in front of it would make k1 = 1 for any timber.
// DIN EN 1995-1-1, 8.9: characteristic capacity of a shear-plate connector from a metal plate into timber
double shear_plate_connector_capacity(double dc, double he, double alpha, double, double t2, double rho_k,
                                      FastenerResult* r)
{
    const double t2_req = connector_min_thickness_middle(he);
    const double k1 = std::min(1.0, t2 / t2_req);
    double f0 = 35.0 * std::pow(dc, 1.5);
    if (cur_ec5_params) f0 *= 1.1;
    const double fhe = 31.5 * dc * he;
    const double k_alpha = connector_angle_factor(dc, alpha);
    const double k3 = ring_k3(rho_k);
    if (r) {
        store_angle_factors(r, k_alpha, k1, k3);
        r->t2_req = t2_req;
    }
    return k3 * k_alpha * std::min(f0, fhe) * k1;
}

// DIN EN 1995-1-1, 8.10: characteristic capacity of a toothed-plate connector between two timber members
double toothed_plate_connector_capacity(int type, double dc, double d, double he, double t1, double t2, double rho_k,
                                        FastenerResult* r, double end_distance)
{
    const double t1_req = connector_min_thickness_side(he), t2_req = connector_min_thickness_middle(he);
    const double k1 = (t1 >= t1_req && t2 >= t2_req) ? 1.0 : std::min({1.0, t1 / t1_req, t2 / t2_req});
    if (r) {
        raise(&r->t1_req, t1_req);
        raise(&r->t2_req, t2_req);
    }
    return toothed_capacity(type, dc, d, rho_k, k1, end_distance, r);
}

// DIN EN 1995-1-1, 8.10: characteristic capacity of a toothed-plate connector from a metal plate into
// timber
double toothed_plate_connector_capacity_steel(int type, double dc, double d, double he, double t2, double rho_k,
                                              FastenerResult* r, double end_distance)
{
    const double t2_req = connector_min_thickness_middle(he);
    const double k1 = std::min(1.0, t2 / t2_req);
    if (r && t2_req < r->t2_req) r->t2_req = t2_req;
    return toothed_capacity(type, dc, d, rho_k, k1, end_distance, r);
}
