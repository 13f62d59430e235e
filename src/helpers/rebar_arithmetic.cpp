#include "helpers/rebar_arithmetic.h"

#include "helpers/rounding.h"

#include <cmath>

const double kBarDiameters[BAR_DIAMETER_COUNT] = {0.006, 0.008, 0.010, 0.012, 0.014,
                                                  0.016, 0.020, 0.025, 0.028, 0.032};

namespace {

constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPi = 3.141592653589793;

// Area of n bars of diameter d rounded to 6 decimals (formed as a double first).
double rounded_bars_area(int n, double d)
{
    double area = (double)(n * (kQuarterPi * (long double)d * d));
    return (double)round_to_decimals(area, 6);
}

// Counts outside the int range are clamped rather than overflowing the conversion.
int to_int_clamped(long double v)
{
    if (!(v == v)) return 0;
    if (v > 2147483647.0L) return 2147483647;
    if (v < -2147483647.0L) return -2147483647;
    return (int)v;
}

} // namespace

double next_smaller_bar_diameter(double x)
{
    for (int i = BAR_DIAMETER_COUNT - 1; i >= 0; --i)
        if (kBarDiameters[i] < x) return kBarDiameters[i];
    return -1.0;
}

double bar_axis_distance(double c, double s, unsigned int n, double d)
{
    return n < 2 ? c + s + d / 2 : c + s + d;
}

int bar_count_for_area(double a, double d)
{
    return to_int_clamped(ceill(a / (kQuarterPi * (long double)d * d)));
}

int bar_count_for_area_multi(double a, double d, int n)
{
    return to_int_clamped(ceill(a / (std::abs(n) * kQuarterPi * (long double)d * d)));
}

double bar_area_per_length_stepped(double s, double d)
{
    if (s > -1e-8 && s < 1e-8) return 0.0;
    long double c = 100.0L * (kQuarterPi * (long double)d * d) / s;
    long double f = floorl(c);
    return (double)(c - f > 0.4999L ? (f + 0.5L) * 0.01L : f * 0.01L);
}

double bar_area_per_length(double s, double d)
{
    if (s > -1e-8 && s < 1e-8) return 0.0;
    double v = (double)((kQuarterPi * (long double)d * d) / s);
    return (double)round_to_decimals(v, 6);
}

double bars_area(int n, double d) { return rounded_bars_area(n, d); }

double bar_group_area(int n, int m, double d)
{
    long double v = (long double)n * m * kQuarterPi * d * d;
    return v < 0 ? 0.0 : (double)v;
}

int smallest_bar_for_area(double a, int n, int k)
{
    for (int i = 0; i < BAR_DIAMETER_COUNT; ++i)
        if (a <= k * (long double)rounded_bars_area(n, kBarDiameters[i])) return i;
    return -1;
}

int bar_layout_for_area(double a, int n, int first, int last, int k, int* n_out, int* i_out)
{
    // Without a usable diameter range, a finite area or a positive factor no count suffices;
    // a bounded search guards against counts that never reach the area.
    if (first < 0) first = 0;
    if (last > BAR_DIAMETER_COUNT - 1) last = BAR_DIAMETER_COUNT - 1;
    if (first > last || !std::isfinite(a) || k <= 0) return 0;
    long long start = n;
    for (long long count = start; count <= start + 1000000LL && count <= 2147483647LL; ++count) {
        for (int i = first; i <= last; ++i) {
            if (a <= k * (long double)rounded_bars_area((int)count, kBarDiameters[i])) {
                *n_out = (int)count;
                *i_out = i;
                return (int)count;
            }
        }
    }
    return 0;
}

int bar_count_across(double w, double s)
{
    int n = to_int_clamped(truncl((long double)w / s + 1.0L));
    return n < 2 ? 2 : n;
}

int bar_gap_count(double w, double c, double e, double d)
{
    long double f = (long double)w - 2.0L * c - d;
    long double g = (long double)d + e;
    if (g > f) return 0;
    return to_int_clamped(truncl(f / g));
}

double bar_spacing_on_circle(int n, double r)
{
    if (n <= 0) return NUM_INFINITE;
    return (double)(2.0L * r * sinl(kPi / n));
}

double bar_spacing_on_line(int n, double l)
{
    if (n < 2) return NUM_INFINITE;
    return (double)((long double)l / (n - 1));
}

int bar_count_on_circle(double a, double r)
{
    long double t = (long double)a / (2.0L * r);
    long double as = atan2l(t, sqrtl(1.0L - t * t));
    return to_int_clamped(truncl(kPi / as));
}
