#include "materials/clt_check.h"

#include <cmath>
#include <initializer_list>
#include <limits>

#include "materials/timber_factors.h"
#include "materials/timber_strengths.h"

namespace {

// Utilisation |s| / f; a strength that is not positive fails any non-zero stress
// instead of yielding a negative or undefined utilisation.
double utilisation(double s, double f)
{
    const double a = std::fabs(s);
    if (f > 0.0)
        return a / f;
    return a > 0.0 ? std::numeric_limits<double>::infinity() : 0.0;
}

}  // namespace

// Rolling shear strength by layer thickness t (mm): 1.1 N/mm² up to 20 mm, falling by 0.005 per mm to
// 1.0 at 40 mm.
double clt_rolling_shear_by_thickness(double t)
{
    constexpr double kThinLayer = 20.0, kThickLayer = 40.0;
    constexpr double kThinStrength = 1.1, kThickStrength = 1.0;
    if (t < kThinLayer)
        return kThinStrength;
    if (t > kThickLayer)
        return kThickStrength;
    return kThinStrength + (kThinLayer - t) * 0.005;
}

double clt_rolling_shear_by_limit(double t)
{
    return t <= 115.01 ? 0.85 : 0.7;
}

namespace {

// EI of the layers in direction d about the layup's axis (own part and Steiner part), per metre of width.
double bending_stiffness(const CltLayup* layup, int n, int d)
{
    double EI = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        if (L.direction != d)
            continue;
        const double t = L.thickness * 0.001, z = L.offset * 0.001;
        EI += L.e_mean * t * (z * z + t * t / 12.0);
    }
    return EI;
}

// GA of the layup: the lever arm between the outer layers' middles squared over the layers' shear
// flexibilities (outer layers by half, cross layers by their rolling shear modulus).
double shear_stiffness(const CltLayup* layup, int n, int d, double b)
{
    if (n <= 0)
        return 0.0;
    double a = (layup->layers[0].thickness + layup->layers[n - 1].thickness) * 0.0005;
    for (int i = 1; i < n - 1; ++i)
        a += layup->layers[i].thickness * 0.001;
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        const double w = (i == 0 || i == n - 1) ? 0.5 : 1.0;
        const double g = L.direction == d ? L.g_mean : clt_rolling_shear_modulus_of(layup, &L);
        s += w * L.thickness * 0.001 / g;
    }
    return a * a * b / 1000.0 / s;
}

// Thickness-weighted mean E of the layers in direction d; -1 when none runs that way.
double mean_modulus(const CltLayup* layup, int n, int d)
{
    double sum_te = 0.0, sum_t = 0.0;
    bool any = false;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        if (L.direction != d)
            continue;
        any = true;
        double e = 0.0;
        get_E_G_moduli(L.material, L.grade, 6, L.thickness, &e, nullptr, nullptr, nullptr);
        sum_te += L.thickness * e;
        sum_t += L.thickness;
    }
    if (!any)
        return -1.0;
    return sum_t != 0.0 ? sum_te / sum_t : 0.0;
}

// DIN EN 1995-1-1, 2.4.1 (2.14): design strengths of every layer, k_mod c f_k / gamma_M; cross layers take the rolling shear
// strength of their product type.
void layer_strengths(const CltLayup* layup, int n, int d, int service_class, int duration_class, double c,
                     double kmod_given, double gamma_m, CltCheckResult* r)
{
    const double h = c * 0.001 / gamma_m;
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        CltLayerCheck& k = r->layers[i];
        k = CltLayerCheck{};
        double kmod = kmod_given;
        if (duration_class != 8) {
            kmod = 0.0;  // a material without k_mod fails the check rather than passing it
            get_kmod(L.material, L.grade, service_class, duration_class, &kmod, nullptr);
        }
        k.k_mod = kmod;
        k.f_m_d = kmod * L.f_m * h;
        k.f_t0_d = kmod * L.f_t0 * h;
        k.f_c0_d = kmod * L.f_c0 * h;
        if (L.direction == d) {
            k.f_v_d = kmod * L.f_v * h;
        } else {
            double f_r;
            if (layup->type_index == 2)
                f_r = clt_rolling_shear_by_thickness(L.thickness);
            else if (layup->type_index == 0)
                f_r = clt_rolling_shear_by_limit(L.thickness);
            else
                f_r = layup->rolling_shear_strength;
            k.f_v_d = kmod * c / gamma_m * f_r;
        }
    }
}

// Bending stresses at the bottom, middle and top of the layers in direction d and their
// utilisations; the governing layer and the extreme stresses.
void layer_bending(const CltLayup* layup, int n, int d, double moment, CltCheckResult* r)
{
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        CltLayerCheck& k = r->layers[i];
        k.z_bottom = L.offset - 0.5 * L.thickness;
        k.z_mid = L.offset;
        k.z_top = L.offset + 0.5 * L.thickness;
        if (L.direction != d || L.thickness <= 0.001)
            continue;
        const double f = moment * 0.001 * L.e_mean / r->bending_stiffness * 0.001;
        k.sigma_bottom = f * k.z_bottom;
        k.sigma_mid = f * k.z_mid;
        k.sigma_top = f * k.z_top;
        k.eta_sigma_bottom = utilisation(k.sigma_bottom, k.f_m_d);
        k.eta_sigma_mid = utilisation(k.sigma_mid, k.f_m_d);
        k.eta_sigma_top = utilisation(k.sigma_top, k.f_m_d);
        const double before = r->eta_bending;
        const double eta_layer = std::fmax(k.eta_sigma_mid, std::fmax(k.eta_sigma_bottom, k.eta_sigma_top));
        if (k.eta_sigma_bottom > before || k.eta_sigma_top > before)
            r->bending_layer = i;
        if (eta_layer > r->eta_bending)
            r->eta_bending = eta_layer;
        for (double s : {k.sigma_bottom, k.sigma_mid, k.sigma_top}) {
            if (s > r->sigma_max)
                r->sigma_max = s;
            if (s < r->sigma_min)
                r->sigma_min = s;
        }
    }
}

// Shear stresses V S / EI at the bottom, middle and top of every layer and their utilisations
// (each point taking the larger of bending and shear); the governing layer and the largest stress.
void layer_shear(const CltLayup* layup, int n, int d, double shear_force, CltCheckResult* r)
{
    for (int i = 0; i < n; ++i) {
        const CltLayer& L = layup->layers[i];
        CltLayerCheck& k = r->layers[i];
        if (L.thickness <= 0.001)
            continue;
        const double sb = d == 0 ? L.static_moment_x_bottom : L.static_moment_y_bottom;
        const double sm = d == 0 ? L.static_moment_x_mid : L.static_moment_y_mid;
        const double st = d == 0 ? L.static_moment_x_top : L.static_moment_y_top;
        k.tau_bottom = std::fabs(shear_force / r->bending_stiffness * sb);
        k.tau_mid = std::fabs(shear_force / r->bending_stiffness * sm);
        k.tau_top = std::fabs(shear_force / r->bending_stiffness * st);
        k.eta_tau_bottom = utilisation(k.tau_bottom, k.f_v_d);
        k.eta_tau_mid = utilisation(k.tau_mid, k.f_v_d);
        k.eta_tau_top = utilisation(k.tau_top, k.f_v_d);
        k.eta_bottom = std::fmax(k.eta_sigma_bottom, k.eta_tau_bottom);
        k.eta_mid = std::fmax(k.eta_sigma_mid, k.eta_tau_mid);
        k.eta_top = std::fmax(k.eta_sigma_top, k.eta_tau_top);
        const double before = r->eta_shear;
        const double eta_layer = std::fmax(k.eta_tau_mid, std::fmax(k.eta_tau_bottom, k.eta_tau_top));
        if (eta_layer > before) {
            r->shear_layer = i;
            r->eta_shear = eta_layer;
        }
        for (double t : {k.tau_bottom, k.tau_mid, k.tau_top})
            if (t > r->tau_max)
                r->tau_max = t;
    }
}

}  // namespace

// DIN EN 1995-1-1, 6.1.6 and 6.1.7: normal and rolling-shear stresses of a cross-laminated timber strip
// against k_mod f_k / gamma_M
int clt_stress_check(const CltLayup* layup, double b, int d, int service_class, int duration_class,
                     double c, double kmod_given, double gamma_m, double moment,
                     double other_force, double shear_force, CltCheckResult* r)
{
    if (!layup || !r)
        return 1;
    const int n = clt_valid_layer_count(layup);
    r->moment = moment;
    r->other_force = other_force;
    r->shear_force = shear_force;
    r->gamma_m = gamma_m;
    r->duration_class = duration_class;
    r->service_class = service_class;
    r->direction = d;
    r->layer_count = layup->layer_count;
    r->bending_stiffness = b / 1000.0 * bending_stiffness(layup, n, d);
    r->shear_stiffness = shear_stiffness(layup, n, d, b);
    r->e_mean = mean_modulus(layup, n, d);
    if (r->e_mean < 0.0) {
        r->eta_max = r->eta_bending = r->eta_shear = 99.9;
        return 0;
    }

    r->tau_max = r->eta_max = r->eta_bending = r->eta_shear = 0.0;
    r->sigma_min = r->sigma_max = 0.0;
    r->bending_layer = r->shear_layer = -1;
    layer_strengths(layup, n, d, service_class, duration_class, c, kmod_given, gamma_m, r);
    layer_bending(layup, n, d, moment, r);
    layer_shear(layup, n, d, shear_force, r);
    r->eta_max = std::fmax(r->eta_bending, r->eta_shear);
    return 1;
}
