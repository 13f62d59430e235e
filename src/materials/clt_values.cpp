#include "materials/clt_values.h"

#include <cmath>
#include <limits>

#include "materials/timber_strengths.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kPi = 3.14159265358979323846;

double min3(double a, double b, double c)
{
    double m = a < b ? a : b;
    return m < c ? m : c;
}

// G of a layer for bending in direction d: its own G along d, the rolling shear modulus across.
double g_for(const CltLayup* l, const CltLayer& L, int d)
{
    return L.direction == d ? L.g_mean : clt_rolling_shear_modulus_of(l, &L);
}

// t = thickness of both directions, t_min = the smaller direction sum.
void direction_sums(const CltLayup* l, double* t_min, double* t)
{
    const double tx = clt_thickness_sum(l, 0);
    const double ty = clt_thickness_sum(l, 1);
    *t = tx + ty;
    *t_min = tx < ty ? tx : ty;
}

enum MeanKind { MEAN_FC0, MEAN_FT0, MEAN_E };

double weighted_mean(const CltLayup* l, int d, int service_class, MeanKind kind)
{
    const int n = clt_valid_layer_count(l);
    double sum = 0.0, st = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = l->layers[i];
        if (L.direction != d)
            continue;
        double v = 0.0;
        if (kind == MEAN_E) {
            get_E_G_moduli(L.material, L.grade, 6, L.thickness, &v, nullptr, nullptr, nullptr);
        } else {
            double ft = 0.0, fc = 0.0;
            get_strengths(L.material, L.grade, service_class, 6, 1.0, 1.0, nullptr, &ft, &fc,
                          nullptr, nullptr, nullptr);
            v = kind == MEAN_FC0 ? fc : ft;
        }
        sum += L.thickness * v;
        st += L.thickness;
    }
    return st != 0.0 ? sum / st : kNaN;
}

}  // namespace

double clt_in_plane_inertia(const CltLayup* layup, int d, double h)
{
    if (!layup)
        return 0.0;
    return h * h * h / 12.0 * clt_thickness_sum(layup, d);
}

double clt_inertia(const CltLayup* layup, int d)
{
    const int n = clt_valid_layer_count(layup);
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        if (L.direction == d)
            s += L.thickness * (L.thickness * L.thickness / 12.0 + L.offset * L.offset);
    }
    return s;
}

double clt_bending_stiffness(const CltLayup* layup, int d)
{
    const int n = clt_valid_layer_count(layup);
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        if (L.direction != d)
            continue;
        const double t = L.thickness / 1000.0, z = L.offset / 1000.0;
        s += (t * t / 12.0 + z * z) * t * L.e_mean;
    }
    return s;
}

double clt_transformed_inertia(const CltLayup* layup, int d)
{
    const int n = clt_valid_layer_count(layup);
    double s = 0.0, e_ref = 0.0;
    bool have_ref = false;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        if (L.direction != d)
            continue;
        if (!have_ref) {
            e_ref = L.e_mean;
            have_ref = true;
        }
        const double t = L.thickness / 1000.0, z = L.offset / 1000.0;
        s += (t * t / 12.0 + z * z) * t * L.e_mean / e_ref;
    }
    return s;
}

double clt_axial_stiffness(const CltLayup* layup, int d)
{
    const int n = clt_valid_layer_count(layup);
    double s = 0.0;
    for (int i = 0; i < n; ++i)
        if (layup->layers[i].direction == d)
            s += layup->layers[i].e_mean * layup->layers[i].thickness;
    return s;
}

double clt_shear_stiffness_sum(const CltLayup* layup, int d)
{
    const int n = clt_valid_layer_count(layup);
    double s = 0.0;
    for (int i = 0; i < n; ++i)
        s += layup->layers[i].thickness * g_for(layup, layup->layers[i], d);
    return s;
}

double clt_torsional_stiffness(const CltLayup* layup)
{
    const int n = clt_valid_layer_count(layup);
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        const double t = L.thickness;
        s += L.g_mean * (t * t * t / 6.0 + 2.0 * t * L.offset * L.offset);
    }
    return s;
}

double clt_scaled_thickness(const CltLayup* layup)
{
    const int n = clt_valid_layer_count(layup);
    double s = 0.0;
    for (int i = 0; i < n; ++i)
        s += layup->layers[i].thickness;
    return 500.0 * s;
}

double clt_shear_stiffness(const CltLayup* layup, int d)
{
    const int n = clt_valid_layer_count(layup);
    if (n == 0)
        return 0.0;
    // a: distance between the centres of the outer layers (m).
    double a = 0.5 * (layup->layers[0].thickness + layup->layers[n - 1].thickness);
    for (int i = 1; i < n - 1; ++i)
        a += layup->layers[i].thickness;
    a /= 1000.0;
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        const double w = (i == 0 || i == n - 1) ? 0.5 : 1.0;
        s += w * layup->layers[i].thickness / 1000.0 / g_for(layup, layup->layers[i], d);
    }
    return a * a / s;
}

// DIN EN 1995-1-1, Annex B (gamma method): effective bending stiffness with the cross layers' rolling
// shear as the flexible joint
double clt_effective_bending_stiffness(const CltLayup* layup, int d, double x)
{
    const int n = clt_valid_layer_count(layup);
    if (n < 3)
        return 0.0;
    const CltLayer* L = layup->layers;
    double B0 = 0.0, B1 = 0.0;
    for (int i = 0; i < n; ++i) {
        if (L[i].direction != d)
            continue;
        const double t = L[i].thickness / 1000.0, z = L[i].offset / 1000.0;
        B0 += L[i].e_mean * t * t * t / 12.0;
        B1 += L[i].e_mean * t * z * z;
    }
    double s = 0.0, f = 0.0;
    if (L[0].direction == d) {
        for (int i = 0; i < n; ++i) {
            const double w = (i == 0 || i == n - 1) ? 0.5 : 1.0;
            s += w * L[i].thickness / 1000.0 / g_for(layup, L[i], d);
        }
        f = layup->total_thickness * 0.001 - (L[0].thickness + L[n - 1].thickness) * 0.0005;
    } else {
        for (int i = 1; i < n - 1; ++i) {
            const double w = (i == 1 || i == n - 2) ? 0.5 : 1.0;
            s += w * L[i].thickness / 1000.0 / g_for(layup, L[i], d);
        }
        f = (layup->total_thickness - L[0].thickness) * 0.001 -
            (L[1].thickness + L[n - 2].thickness) * 0.0005 - L[n - 1].thickness * 0.001;
    }
    if (f < 0.00001)
        return B0;
    return B0 + B1 / (1.0 + kPi * kPi * B1 * s / (0.1 * (x * f) * (x * f)));
}

double clt_shear_flexibility_factor(const CltLayup* layup, int d, double length)
{
    const int n = clt_valid_layer_count(layup);
    if (n == 0)
        return kNaN;
    double EI = 0.0, GA = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        const double t = L.thickness;
        if (L.direction == d)
            EI += L.e_mean * (t * t * t / 12.0 + t * L.offset * L.offset);
        GA += t * g_for(layup, L, d);
    }
    const double kappa = d == 0 ? layup->shear_correction_x : layup->shear_correction_y;
    return std::sqrt(1.0 + kPi * kPi * EI / (kappa * GA * length * length));
}

double clt_mean_fc0(const CltLayup* layup, int d, int service_class)
{
    return weighted_mean(layup, d, service_class, MEAN_FC0);
}

double clt_mean_ft0(const CltLayup* layup, int d, int service_class)
{
    return weighted_mean(layup, d, service_class, MEAN_FT0);
}

double clt_mean_e(const CltLayup* layup, int d)
{
    return weighted_mean(layup, d, 0, MEAN_E);
}

double clt_mean_e_or_minus_one(const CltLayup* layup, int d)
{
    if (!layup)
        return 0.0;
    const double e = clt_mean_e(layup, d);
    return std::isnan(e) ? -1.0 : e;
}

double clt_mean_g(const CltLayup* layup, int d)
{
    const int n = clt_valid_layer_count(layup);
    double sum = 0.0, st = 0.0;
    for (int i = 0; i < n; ++i) {
        sum += layup->layers[i].thickness * g_for(layup, layup->layers[i], d);
        st += layup->layers[i].thickness;
    }
    return st != 0.0 ? sum / st : kNaN;
}

namespace {
// The crossing factor is capped at 3.5 and at 8 t_min / t.
constexpr double kCrossingFactorCap = 3.5;
constexpr double kCrossingThicknessFactor = 8.0;
}  // namespace

double clt_crossing_factor_args(int n, double t_min, double t, double a, double b)
{
    const double m = a > b ? a : b;
    return min3(kCrossingFactorCap, kCrossingThicknessFactor * t_min / t, (n - 1) * (5.0 / 12.0) * (a * a + b * b) / (t * m));
}

double clt_crossing_factor(CltLayup layup)
{
    double t_min = 0.0, t = 0.0;
    direction_sums(&layup, &t_min, &t);
    return clt_crossing_factor_args(clt_valid_layer_count(&layup), t_min, t,
                                    layup.lamella_widths[0], layup.lamella_widths[1]);
}

double clt_crossing_factor_width_args(double t_min, double t, double c)
{
    return min3(kCrossingFactorCap, c / (3.0 * t), kCrossingThicknessFactor * t_min / t);
}

double clt_crossing_factor_width(CltLayup layup, double w)
{
    const int n = clt_valid_layer_count(&layup);
    if (n <= 2)
        return 0.0;
    int k = 0;
    for (int i = 0; i < n - 2; ++i)
        if (i == 0 || layup.layers[i].direction != layup.layers[i - 1].direction)
            ++k;
    double t_min = 0.0, t = 0.0;
    direction_sums(&layup, &t_min, &t);
    return min3(kCrossingFactorCap, kCrossingThicknessFactor * t_min / t, k * 2.0 * w / (3.0 * t));
}

double clt_crossing_factor_for_line(CltLayup layup, double w)
{
    switch (layup.line_index) {
    case 0:
    case 3: return clt_crossing_factor(layup);
    case 1: return clt_crossing_factor_width(layup, w);
    default: return layup.crossing_factor;
    }
}

double clt_interface_thickness(const CltLayup* layup, double* max_out)
{
    const int n = clt_valid_layer_count(layup);
    double g[CLT_MAX_LAYERS];
    int m = 0;
    for (int i = 0; i < n; ++i) {
        if (i > 0 && layup->layers[i].direction == layup->layers[i - 1].direction)
            g[m - 1] += layup->layers[i].thickness;
        else
            g[m++] = layup->layers[i].thickness;
    }
    double sum = 0.0, largest = 0.0;
    for (int i = 0; i + 1 < m; ++i) {
        const double upper = i == 0 ? 2.0 * g[0] : g[i];
        const double lower = (i == m - 2 && m >= 3) ? 2.0 * g[m - 1] : g[i + 1];
        const double v = upper < lower ? upper : lower;
        sum += v;
        if (v > largest)
            largest = v;
    }
    if (max_out)
        *max_out = largest;
    return sum;
}

double clt_flag_factor(double /*ignored*/, int flag)
{
    return flag == 1 ? 0.6 : 0.8;
}
