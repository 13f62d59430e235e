#include "materials/clt_layup.h"

#include <cmath>
#include <limits>

#include "materials/timber_strengths.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Depth of the centre of layer i below the upper face.
double centre_depth(const CltLayup* l, int i)
{
    double y = 0.0;
    for (int k = 0; k < i; ++k)
        y += l->layers[k].thickness;
    return y + 0.5 * l->layers[i].thickness;
}

// Integral of (A + s z^2)^2 dz from z0 to z1 (s = +-E/2).
double square_integral(double A, double s, double z0, double z1)
{
    auto F = [&](double z) {
        return A * A * z + 2.0 * A * s * z * z * z / 3.0 + s * s * z * z * z * z * z / 5.0;
    };
    return F(z1) - F(z0);
}

}  // namespace

int clt_valid_layer_count(const CltLayup* layup)
{
    if (!layup || layup->layer_count < 0)
        return 0;
    return layup->layer_count > CLT_MAX_LAYERS ? CLT_MAX_LAYERS : layup->layer_count;
}

double clt_rolling_shear_modulus_of(const CltLayup* layup, const CltLayer* layer)
{
    return layup->rolling_shear_modulus > 0.01 ? layup->rolling_shear_modulus : 0.1 * layer->g_mean;
}

double clt_plate_shear_sum(const CltLayup* layup)
{
    if (!layup)
        return 0.0;
    const int n = clt_valid_layer_count(layup);
    double s = 0.0;
    for (int i = 0; i < n; ++i)
        s += layup->layers[i].g_mean * layup->layers[i].thickness;
    s *= 0.001;
    return layup->full_plate_shear ? s : 0.25 * s;
}

double clt_thickness_sum(const CltLayup* layup, int direction)
{
    const int n = clt_valid_layer_count(layup);
    double s = 0.0;
    for (int i = 0; i < n; ++i)
        if (layup->layers[i].direction == direction)
            s += layup->layers[i].thickness;
    return s;
}

void clt_compute_section(CltLayup* layup, int from_y)
{
    if (!layup)
        return;
    const int n = clt_valid_layer_count(layup);
    if (std::fabs(layup->total_thickness) < 1.0) {
        double t = 0.0;
        for (int i = 0; i < n; ++i)
            t += layup->layers[i].thickness;
        layup->total_thickness = t;
    }
    if (n == 0) {
        layup->centroid_x = kNaN;
        layup->centroid_y = kNaN;
        return;
    }
    double num[2] = {0.0, 0.0}, den[2] = {0.0, 0.0};
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        if (L.direction != 0 && L.direction != 1)
            continue;
        const double et = L.e_mean * L.thickness;
        num[L.direction] += et * centre_depth(layup, i);
        den[L.direction] += et;
    }
    layup->centroid_x = den[0] != 0.0 ? num[0] / den[0] : kNaN;
    layup->centroid_y = den[1] != 0.0 ? num[1] / den[1] : kNaN;
    const double ref = from_y ? layup->centroid_y : layup->centroid_x;
    for (int i = 0; i < n; ++i)
        layup->layers[i].offset = ref - centre_depth(layup, i);
}

void clt_layup_centroids(CltLayup* layup)
{
    clt_compute_section(layup, 0);
}

void clt_static_moments(CltLayup* layup, int direction)
{
    if (direction != 0 && direction != 1)
        return;
    const int n = clt_valid_layer_count(layup);
    double S = 0.0;
    for (int i = 0; i < n; ++i) {
        CltLayer& L = layup->layers[i];
        const double t = L.thickness * 0.001;
        const double z = L.offset * 0.001;
        const double E = L.direction == direction ? L.e_mean * 0.001 : 0.0;
        const double top = S;
        const double mid = S - 0.5 * t * E * (z + t / 4.0);
        S -= E * t * z;
        if (direction == 0) {
            L.static_moment_x_top = top;
            L.static_moment_x_mid = mid;
            L.static_moment_x_bottom = S;
        } else {
            L.static_moment_y_top = top;
            L.static_moment_y_mid = mid;
            L.static_moment_y_bottom = S;
        }
    }
}

double clt_shear_correction(const CltLayup* layup, int d)
{
    const int n = clt_valid_layer_count(layup);
    if (n == 0)
        return kNaN;
    // Distances from the centroid of the layers that carry the bending, so for d = 1 from
    // centroid_y and not from centroid_x, to which the stored offsets refer: only about that
    // axis do the upper and the lower pass meet with equal static moments (also for an
    // unsymmetric layup, and whichever centroid the stored offsets were measured from).
    const double axis = d == 1 ? layup->centroid_y : layup->centroid_x;
    double EI = 0.0, GA = 0.0;
    double E[CLT_MAX_LAYERS], G[CLT_MAX_LAYERS], top[CLT_MAX_LAYERS], bot[CLT_MAX_LAYERS];
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        const double t = L.thickness;
        const double z = axis - centre_depth(layup, i);
        E[i] = L.direction == d ? L.e_mean : 0.0;
        G[i] = L.direction == d ? L.g_mean : clt_rolling_shear_modulus_of(layup, &L);
        top[i] = z + 0.5 * t;
        bot[i] = z - 0.5 * t;
        EI += E[i] * (t * t * t / 12.0 + t * z * z);
        GA += G[i] * t;
    }
    // Upper pass: from the upper face down to the axis z = 0; S(z) = S_a + E (a^2 - z^2) / 2.
    double J = 0.0, S = 0.0;
    for (int i = 0; i < n && top[i] > 0.0; ++i) {
        const double a = top[i];
        const double lo = bot[i] > 0.0 ? bot[i] : 0.0;
        const double A = S + 0.5 * E[i] * a * a;
        if (G[i] != 0.0)
            J += square_integral(A, -0.5 * E[i], lo, a) / G[i];
        S = A - 0.5 * E[i] * lo * lo;
    }
    // Lower pass: from the lower face up to the axis; S(z) = S_b + E (z^2 - b^2) / 2.
    S = 0.0;
    for (int i = n - 1; i >= 0 && bot[i] < 0.0; --i) {
        const double b = bot[i];
        const double hi = top[i] < 0.0 ? top[i] : 0.0;
        const double A = S - 0.5 * E[i] * b * b;
        if (G[i] != 0.0)
            J += square_integral(A, 0.5 * E[i], b, hi) / G[i];
        S = A + 0.5 * E[i] * hi * hi;
    }
    return EI * EI / (GA * J);
}

double clt_shear_corr_x(const CltLayup* layup)
{
    return clt_shear_correction(layup, 0);
}

double clt_shear_corr_y(const CltLayup* layup)
{
    return clt_shear_correction(layup, 1);
}

void clt_layup_evaluate(CltLayup* layup)
{
    if (!layup)
        return;
    layup->plate_shear_sum = clt_plate_shear_sum(layup);
    layup->thickness_x = clt_thickness_sum(layup, 0);
    layup->thickness_y = clt_thickness_sum(layup, 1);
    layup->total_thickness = layup->thickness_x + layup->thickness_y;
    clt_layup_centroids(layup);
    clt_static_moments(layup, 0);
    clt_static_moments(layup, 1);
    layup->shear_correction_x = clt_shear_correction(layup, 0);
    layup->shear_correction_y = clt_shear_correction(layup, 1);
}

void clt_layup_values(CltLayup* layup)
{
    const int n = clt_valid_layer_count(layup);
    for (int i = 0; i < n; ++i) {
        CltLayer& L = layup->layers[i];
        get_E_G_moduli(L.material, L.grade, 0, L.thickness, &L.e_mean, &L.g_mean, nullptr, nullptr);
        get_strengths(L.material, L.grade, 1, 6, L.thickness, L.thickness, &L.f_m, &L.f_t0, &L.f_c0,
                      &L.f_v, &L.f_c90, nullptr);
    }
    clt_layup_evaluate(layup);
}
