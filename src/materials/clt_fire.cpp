#include "materials/clt_fire.h"

#include <cstring>

#include "materials/formula_helpers.h"

namespace {

// Charring at an increased rate (a layer that has fallen off, or after the protection failed)
// counts up to this depth, beyond it the layer chars at beta (mm); DIN EN 1995-1-2, 3.4.3.
constexpr double kFastCharDepth = 25.0;
// Zero-strength layer d_0 of the effective charring depth d_ef = d_char + k_0 d_0 (mm); DIN EN 1995-1-2,
// 4.2.2.
constexpr double kZeroStrengthLayer = 7.0;

// Charring phases run layer by layer in fire order; a phase never runs past the
// fire duration t.
struct Charring {
    const CltLayup* layup;
    int side;
    int n;
    double beta;

    double thickness(int k) const
    {
        return layup->layers[side == 1 ? n - 1 - k : k].thickness;
    }
};

// DIN EN 1995-1-2, 3.4.2: charring depth d_char,n = beta_n t of an unprotected face, layer by layer
double char_unprotected(const Charring& c, double t)
{
    const double beta = c.beta;
    if (c.side != 0 && c.side != 1)
        return beta * t;
    double T = t, d = 0.0;
    for (int k = 0; k < c.n && T > 0.01; ++k) {
        const double L = c.thickness(k);
        // A layer that falls off exposes the next one, which chars at the doubled rate.
        const double r = (k == 0 || c.layup->charred_layers_stay) ? beta : 2.0 * beta;
        const double ch = r * T;
        if (L < ch && (ch <= kFastCharDepth || L <= kFastCharDepth)) {
            T -= L / r;
            d += L;
        } else if (ch > kFastCharDepth && L > kFastCharDepth) {
            T -= kFastCharDepth / r;
            if (L - kFastCharDepth < beta * T) {
                T -= (L - kFastCharDepth) / beta;
                d += L;
            } else {
                d += kFastCharDepth + beta * T;
                T = 0.0;
            }
        } else {
            d += ch;
            T = 0.0;
        }
    }
    return d;
}

// A layer, or what is left of it (L), charred at one rate from tau: true when the fire ends inside it
// (d takes the depth reached), else tau moves to when it is through and d takes L.
bool char_at_constant_rate(double L, double rate, double t, double* tau, double* d)
{
    const double f = rate * (t - *tau);
    if (f <= L) {
        *d += f;
        return true;
    }
    *tau += L / rate;
    *d += L;
    return false;
}

// How a layer charred by e at t_a comes out of the phases that follow the fast one.
enum class LayerEnd { ThroughAtRate, FireEnds, ThroughAtBeta };

// A layer of thickness L charred by e at t_a: charring goes on at r_fast (beta once e reaches the
// fast depth) by x up to that depth in all, then at beta by y. Moves tau to when the layer is
// through; the caller adds the depth, since it may have counted part of e already.
LayerEnd char_after_fast_phase(double L, double e, double t, double t_a, double beta, double r_fast,
                               double* tau, double* x_out, double* y_out)
{
    const double r = e >= kFastCharDepth ? beta : r_fast;
    double x = r * (t - t_a);
    const double room = kFastCharDepth - e > 0.0 ? kFastCharDepth - e : 0.0;
    if (x > room)
        x = room;
    *x_out = x;
    if (x > L - e) {
        *tau = t_a + (L - e) / r;
        return LayerEnd::ThroughAtRate;
    }
    *tau = t_a + x / r;
    const double y = beta * (t - *tau);
    *y_out = y;
    if (y <= L - e - x)
        return LayerEnd::FireEnds;
    *tau += (L - e - x) / beta;
    return LayerEnd::ThroughAtBeta;
}

// A layer charred by e at t_a that d does not hold yet: adds its depth; true when the fire ends
// inside it.
bool char_rest_of_layer(double L, double e, double t, double t_a, double beta, double r_fast, double* tau,
                        double* d)
{
    double x = 0.0, y = 0.0;
    if (char_after_fast_phase(L, e, t, t_a, beta, r_fast, tau, &x, &y) == LayerEnd::FireEnds) {
        *d += e + x + y;
        return true;
    }
    *d += L;
    return false;
}

// A layer of thickness L reached at tau after the fast phase: at most the fast depth at rate r,
// then beta. Moves tau to when the layer is through and adds its depth to d; true when the fire
// ends inside the layer.
bool char_layer_at_rate(double L, double r, double beta, double t, double* tau, double* d)
{
    double x = r * (t - *tau);
    if (x > kFastCharDepth)
        x = kFastCharDepth;
    if (x <= L) {
        *tau += x / r;
        const double y = beta * (t - *tau);
        if (y <= L - x) {
            *d += x + y;
            return true;
        }
        *tau += (L - x) / beta;
        *d += L;
    } else {
        *tau += L / r;
        *d += L;
    }
    return false;
}

// The fast phase of a layer reached at tau: e = rate (t_a - tau), cut so that d + e stays within
// the fast depth (t_a moves to where the cut falls).
double fast_phase_depth(double rate, double tau, double d, double* t_a)
{
    double e = rate * (*t_a - tau);
    if (d + e > kFastCharDepth) {
        e = kFastCharDepth - d > 0.0 ? kFastCharDepth - d : 0.0;
        *t_a = tau + e / rate;
    }
    return e;
}

// DIN EN 1995-1-2, 3.4.3: charring of an initially protected face.
// Protection that fails when charring starts: a fast phase at q*beta up to t_a or
// the fast depth, then beta (q = 2 for the code's rule, k_3 for the variant).
double char_protected_at_start(const Charring& c, double t, double start, double t_a, double q)
{
    const double beta = c.beta;
    const double fast = q * beta;
    double tau = start, d = 0.0;
    for (int k = 0; k < c.n && tau < t; ++k) {
        const double L = c.thickness(k);
        if (tau >= t_a || d >= kFastCharDepth) {
            if (char_layer_at_rate(L, d >= kFastCharDepth ? beta : fast, beta, t, &tau, &d))
                break;
            continue;
        }
        const double e = fast_phase_depth(fast, tau, d, &t_a);
        if (t < t_a) {  // the fire ends inside the fast phase
            if (char_at_constant_rate(L, fast, t, &tau, &d))
                break;
            continue;
        }
        if (e <= L) {
            if (char_rest_of_layer(L, e, t, t_a, beta, fast, &tau, &d))
                break;
        } else {
            tau += L / fast;
            d += L;
        }
    }
    return d;
}

// DIN EN 1995-1-2, 3.4.3: charring of an initially protected face.
// Protection that fails after charring starts: k_2*beta behind it until t_f, then
// k_3*beta up to t_a (the fast depth in all), then 2*beta / beta.
double char_protected_later(const Charring& c, double t, double t_f, double t_ch, double k_2,
                            double k_3, double t_a)
{
    const double beta = c.beta;
    const double slow = k_2 * beta, fast = k_3 * beta;
    double tau = t_ch, d = 0.0;
    for (int k = 0; k < c.n && tau < t; ++k) {
        const double L = c.thickness(k);
        if (tau < t_f) {
            if (t <= t_f) {  // the fire ends before the protection fails
                if (char_at_constant_rate(L, slow, t, &tau, &d))
                    break;
                continue;
            }
            const double ch = slow * (t_f - tau);
            if (ch > L) {
                tau += L / slow;
                d += L;
                continue;
            }
            d += ch;
            const double e = fast_phase_depth(fast, t_f, d, &t_a);
            if (t < t_a) {  // the rest of the layer from the failure on
                tau = t_f;
                if (char_at_constant_rate(L - ch, fast, t, &tau, &d))
                    break;
                continue;
            }
            if (e > L - ch) {
                tau = t_f + (L - ch) / fast;
                d += L - ch;
                continue;
            }
            // d holds ch already: the layer adds e and what follows it
            const double e2 = e + ch;
            double x = 0.0, y = 0.0;
            const LayerEnd end = char_after_fast_phase(L, e2, t, t_a, beta, 2.0 * beta, &tau, &x, &y);
            if (end == LayerEnd::FireEnds) {
                d += e + x + y;
                break;
            }
            d += end == LayerEnd::ThroughAtRate ? L - e2 + e : e + x + (L - e2 - x);
        } else if (tau < t_a) {
            const double e = fast_phase_depth(fast, tau, d, &t_a);
            if (t < t_a) {
                if (char_at_constant_rate(L, fast, t, &tau, &d))
                    break;
                continue;
            }
            if (e > L) {
                tau += L / fast;
                d += L;
                continue;
            }
            if (char_rest_of_layer(L, e, t, t_a, beta, 2.0 * beta, &tau, &d))
                break;
        } else if (char_layer_at_rate(L, 2.0 * beta, beta, t, &tau, &d)) {
            break;
        }
    }
    return d;
}

// DIN EN 1995-1-2, 3.4 and 4.2.2 (4.1): d_ef = d_char,n + k_0 d_0, k_0 from Table 4.1
double char_depth(const CltLayup* layup, int side, double t, double t_f, double t_ch, double k_2,
                  double k_3, bool variant)
{
    if (!layup)
        return 0.0;
    const Charring c{layup, side, clt_valid_layer_count(layup), layup->charring_rate};
    const bool is_protected = t_ch > 0.01;
    const double k_0 = ratio_factor_min20(is_protected ? 1 : 0, t, t_ch);
    const bool layered = side == 0 || side == 1;
    const double beta = c.beta;
    double d;
    if (!is_protected) {
        d = char_unprotected(c, t);
    } else if (t_ch < t_f - 0.001) {
        const double t_a = capped_spread_value(0, t_f, t_ch, kFastCharDepth, beta, k_2, k_3);
        // When more than 25 mm char behind the protection, t_a falls before t_f: the fast
        // phase then has no length instead of taking char back.
        d = layered ? char_protected_later(c, t, t_f, t_ch, k_2, k_3, t_a > t_f ? t_a : t_f)
                    : (k_2 * (t_f - t_ch) + k_3 * (t_a - t_f)) * beta;
    } else if (!variant) {
        const double t_a1 = t_ch + kFastCharDepth / (2.0 * beta);
        const double t_a2 = 2.0 * t_ch;
        d = layered ? char_protected_at_start(c, t, t_ch, t_a2 < t_a1 ? t_a2 : t_a1, 2.0)
                    : 2.0 * beta * (t_a1 - t_ch);
    } else {
        const double t_a = capped_spread_value(1, t_f, t_ch, kFastCharDepth, beta, k_2, k_3);
        if (layered) {
            d = char_protected_at_start(c, t, t_ch, t_a, k_3);
        } else {
            d = k_3 * beta * t_a;
            if (d > kFastCharDepth)
                d = kFastCharDepth;
        }
    }
    return d + kZeroStrengthLayer * k_0;
}

// Takes the charred depth still to place off one layer: the whole layer, or the rest of the depth.
void take_off_layer(double* L, double* rest)
{
    if (*rest > *L) {
        *rest -= *L;
        *L = 0.0;
    } else {
        *L -= *rest;
        *rest = 0.0;
    }
}

}  // namespace

// DIN EN 1995-1-2, 4.2.2 (4.1): effective charring depth d_ef = d_char + k_0 d_0 of a cross-laminated timber
// panel
double clt_char_depth(const CltLayup* layup, int side, double t, double t_f, double t_ch,
                      double k_2, double k_3)
{
    return char_depth(layup, side, t, t_f, t_ch, k_2, k_3, false);
}

// DIN EN 1995-1-2, 4.2.2 (4.1): effective charring depth, the variant with k_3 in both protected cases
double clt_char_depth_k(const CltLayup* layup, int side, double t, double t_f, double t_ch,
                        double k_2, double k_3)
{
    return char_depth(layup, side, t, t_f, t_ch, k_2, k_3, true);
}

CltLayup* clt_residual_section(CltLayup* result, const CltLayup* layup, int from_y,
                               double char_bottom, double char_top)
{
    if (!result || !layup)
        return result;
    CltLayup work = *layup;
    const int n = clt_valid_layer_count(&work);
    double rest = char_top;
    for (int i = 0; i < n && rest > 0.0; ++i)
        take_off_layer(&work.layers[i].thickness, &rest);
    rest = char_bottom;
    for (int i = n - 1; i >= 0 && rest > 0.0; --i)
        take_off_layer(&work.layers[i].thickness, &rest);
    CltLayup out = work;
    std::memset(out.layers, 0, sizeof out.layers);
    int kept = 0;
    double total = 0.0;
    for (int i = 0; i < n; ++i) {
        if (work.layers[i].thickness > 0.0) {
            out.layers[kept++] = work.layers[i];
            total += work.layers[i].thickness;
        }
    }
    out.layer_count = kept;
    out.total_thickness = total;
    clt_compute_section(&out, from_y);
    clt_static_moments(&out, 0);
    clt_static_moments(&out, 1);
    out.plate_shear_sum = clt_plate_shear_sum(&out);
    out.thickness_x = clt_thickness_sum(&out, 0);
    out.thickness_y = clt_thickness_sum(&out, 1);
    out.total_thickness = out.thickness_x + out.thickness_y;
    out.shear_correction_x = clt_shear_correction(&out, 0);
    out.shear_correction_y = clt_shear_correction(&out, 1);
    *result = out;
    return result;
}
