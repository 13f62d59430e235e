#include "materials/clt_fire.h"

#include <cstring>

#include "materials/formula_helpers.h"

namespace {

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
        if (L < ch && (ch <= 25.0 || L <= 25.0)) {
            T -= L / r;
            d += L;
        } else if (ch > 25.0 && L > 25.0) {
            T -= 25.0 / r;
            if (L - 25.0 < beta * T) {
                T -= (L - 25.0) / beta;
                d += L;
            } else {
                d += 25.0 + beta * T;
                T = 0.0;
            }
        } else {
            d += ch;
            T = 0.0;
        }
    }
    return d;
}

// A layer of thickness L charred by e at t_a: charring goes on at r_fast (beta once e reaches
// 25 mm) up to 25 mm in all, then at beta. Adds the layer's depth to d and moves tau to when the
// layer is through; true when the fire ends inside the layer.
bool char_after_fast_phase(double L, double e, double t, double t_a, double beta, double r_fast,
                           double* tau, double* d)
{
    const double r = e >= 25.0 ? beta : r_fast;
    double x = r * (t - t_a);
    const double room = 25.0 - e > 0.0 ? 25.0 - e : 0.0;
    if (x > room)
        x = room;
    if (x > L - e) {
        *tau = t_a + (L - e) / r;
        *d += L;
        return false;
    }
    *tau = t_a + x / r;
    const double y = beta * (t - *tau);
    if (y <= L - e - x) {
        *d += e + x + y;
        return true;
    }
    *tau += (L - e - x) / beta;
    *d += L;
    return false;
}

// Protection that fails when charring starts: a fast phase at q*beta up to t_a or
// 25 mm, then beta (q = 2 for the code's rule, k_3 for the variant).
double char_protected_at_start(const Charring& c, double t, double start, double t_a, double q)
{
    const double beta = c.beta;
    const double fast = q * beta;
    double tau = start, d = 0.0;
    for (int k = 0; k < c.n && tau < t; ++k) {
        const double L = c.thickness(k);
        if (tau >= t_a || d >= 25.0) {
            const double r = d >= 25.0 ? beta : fast;
            double x = r * (t - tau);
            if (x > 25.0)
                x = 25.0;
            if (x <= L) {
                tau += x / r;
                const double y = beta * (t - tau);
                if (y <= L - x) {
                    d += x + y;
                    break;
                }
                tau += (L - x) / beta;
                d += L;
            } else {
                tau += L / r;
                d += L;
            }
            continue;
        }
        double e = fast * (t_a - tau);
        if (d + e > 25.0) {
            e = 25.0 - d > 0.0 ? 25.0 - d : 0.0;
            t_a = tau + e / fast;
        }
        if (t < t_a) {  // the fire ends inside the fast phase
            const double f = fast * (t - tau);
            if (f <= L) {
                d += f;
                break;
            }
            tau += L / fast;
            d += L;
            continue;
        }
        if (e <= L) {
            if (char_after_fast_phase(L, e, t, t_a, beta, fast, &tau, &d))
                break;
        } else {
            tau += L / fast;
            d += L;
        }
    }
    return d;
}

// Protection that fails after charring starts: k_2*beta behind it until t_f, then
// k_3*beta up to t_a (25 mm in all), then 2*beta / beta.
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
                const double f = slow * (t - tau);
                if (f <= L) {
                    d += f;
                    break;
                }
                tau += L / slow;
                d += L;
                continue;
            }
            const double ch = slow * (t_f - tau);
            if (ch > L) {
                tau += L / slow;
                d += L;
                continue;
            }
            d += ch;
            double e = fast * (t_a - t_f);
            if (d + e > 25.0) {
                e = 25.0 - d > 0.0 ? 25.0 - d : 0.0;
                t_a = t_f + e / fast;
            }
            if (t < t_a) {
                const double f = fast * (t - t_f);
                if (f <= L - ch) {
                    d += f;
                    break;
                }
                tau = t_f + (L - ch) / fast;
                d += L - ch;
                continue;
            }
            if (e > L - ch) {
                tau = t_f + (L - ch) / fast;
                d += L - ch;
                continue;
            }
            const double e2 = e + ch;
            const double r = e2 >= 25.0 ? beta : 2.0 * beta;
            double x = r * (t - t_a);
            const double room = 25.0 - e2 > 0.0 ? 25.0 - e2 : 0.0;
            if (x > room)
                x = room;
            if (x > L - e2) {
                tau = t_a + (L - e2) / r;
                d += L - e2 + e;
            } else {
                tau = t_a + x / r;
                const double y = beta * (t - tau);
                if (y <= L - e2 - x) {
                    d += e + x + y;
                    break;
                }
                tau += (L - e2 - x) / beta;
                d += e + x + (L - e2 - x);
            }
        } else if (tau < t_a) {
            double e = fast * (t_a - tau);
            if (d + e > 25.0) {
                e = 25.0 - d > 0.0 ? 25.0 - d : 0.0;
                t_a = tau + e / fast;
            }
            if (t < t_a) {
                const double f = fast * (t - tau);
                if (f <= L) {
                    d += f;
                    break;
                }
                tau += L / fast;
                d += L;
                continue;
            }
            if (e > L) {
                tau += L / fast;
                d += L;
                continue;
            }
            if (char_after_fast_phase(L, e, t, t_a, beta, 2.0 * beta, &tau, &d))
                break;
        } else {
            double x = 2.0 * beta * (t - tau);
            if (x > 25.0)
                x = 25.0;
            if (x <= L) {
                tau += x / (2.0 * beta);
                const double y = beta * (t - tau);
                if (y <= L - x) {
                    d += x + y;
                    break;
                }
                tau += (L - x) / beta;
                d += L;
            } else {
                tau += L / (2.0 * beta);
                d += L;
            }
        }
    }
    return d;
}

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
        const double t_a = capped_spread_value(0, t_f, t_ch, 25.0, beta, k_2, k_3);
        // When more than 25 mm char behind the protection, t_a falls before t_f: the fast
        // phase then has no length instead of taking char back.
        d = layered ? char_protected_later(c, t, t_f, t_ch, k_2, k_3, t_a > t_f ? t_a : t_f)
                    : (k_2 * (t_f - t_ch) + k_3 * (t_a - t_f)) * beta;
    } else if (!variant) {
        const double t_a1 = t_ch + 25.0 / (2.0 * beta);
        const double t_a2 = 2.0 * t_ch;
        d = layered ? char_protected_at_start(c, t, t_ch, t_a2 < t_a1 ? t_a2 : t_a1, 2.0)
                    : 2.0 * beta * (t_a1 - t_ch);
    } else {
        const double t_a = capped_spread_value(1, t_f, t_ch, 25.0, beta, k_2, k_3);
        if (layered) {
            d = char_protected_at_start(c, t, t_ch, t_a, k_3);
        } else {
            d = k_3 * beta * t_a;
            if (d > 25.0)
                d = 25.0;
        }
    }
    return d + 7.0 * k_0;
}

}  // namespace

double clt_char_depth(const CltLayup* layup, int side, double t, double t_f, double t_ch,
                      double k_2, double k_3)
{
    return char_depth(layup, side, t, t_f, t_ch, k_2, k_3, false);
}

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
    for (int i = 0; i < n && rest > 0.0; ++i) {
        double& L = work.layers[i].thickness;
        if (rest > L) {
            rest -= L;
            L = 0.0;
        } else {
            L -= rest;
            rest = 0.0;
        }
    }
    rest = char_bottom;
    for (int i = n - 1; i >= 0 && rest > 0.0; --i) {
        double& L = work.layers[i].thickness;
        if (rest > L) {
            rest -= L;
            L = 0.0;
        } else {
            L -= rest;
            rest = 0.0;
        }
    }
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
