#include "helpers/polygon_section.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr double kSixth = 0.16666666666666666;
constexpr double kTwelfth = 0.08333333333333333;
constexpr double kTwentyFourth = 0.041666666666666664;

// Edge term c_i = x_i*y_(i+1) - x_(i+1)*y_i of the edge from vertex i to the next (cyclic).
inline long double edge_term(const double* x, const double* y, int i, int j)
{
    return (long double)x[i] * y[j] - (long double)x[j] * y[i];
}

// Sum over the edges of edge_term * (v_i + v_(i+1)) / 6, v the coordinates v (x or y): the first
// moment about the other axis.
double first_moment_sum(int n, const double* x, const double* y, const double* v)
{
    long double s = 0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        s += edge_term(x, y, i, j) * ((long double)v[i] + v[j]);
    }
    return (double)(s * kSixth);
}

// Sum over the edges of edge_term * (a² + a b + b²) / 12, a and b the coordinates v of its ends:
// the second moment about the other axis.
double second_moment_sum(int n, const double* x, const double* y, const double* v)
{
    long double s = 0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        long double a = v[i], b = v[j];
        s += edge_term(x, y, i, j) * (a * a + a * b + b * b);
    }
    return (double)(s * kTwelfth);
}

} // namespace

double polygon_no_value()
{
    const std::uint64_t bits = 0x7FF8000000000000ULL;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

int polygon_centroid(int n, const double* x, const double* y, double* cx, double* cy)
{
    if (n < 1) {
        *cx = *cy = polygon_no_value();
        return 0;
    }
    long double sx = 0, sy = 0, sc = 0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        long double c = edge_term(x, y, i, j);
        sx += ((long double)x[i] + x[j]) * c;
        sy += ((long double)y[i] + y[j]) * c;
        sc += c;
    }
    *cx = (double)(sx / (3.0L * sc));
    *cy = (double)(sy / (3.0L * sc));
    return 0;
}

PolygonPoint polygon_centroid_point(int n, const double* x, const double* y)
{
    PolygonPoint p;
    polygon_centroid(n, x, y, &p.x, &p.y);
    return p;
}

double polygon_area(int n, const double* x, const double* y)
{
    long double s = 0;
    for (int i = 0; i < n; ++i) s += edge_term(x, y, i, (i + 1) % n);
    return (double)(fabsl(s) / 2.0L);
}

double polygon_perimeter(int n, const double* x, const double* y)
{
    long double s = 0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        long double dx = (long double)x[i] - x[j], dy = (long double)y[i] - y[j];
        s += sqrtl(dx * dx + dy * dy);
    }
    return (double)s;
}

double polygon_first_moment_x(int n, const double* x, const double* y)
{
    return first_moment_sum(n, x, y, y);
}

double polygon_first_moment_y(int n, const double* x, const double* y)
{
    return first_moment_sum(n, x, y, x);
}

double polygon_second_moment_x(int n, const double* x, const double* y)
{
    return second_moment_sum(n, x, y, y);
}

double polygon_second_moment_y(int n, const double* x, const double* y)
{
    return second_moment_sum(n, x, y, x);
}

double polygon_product_moment(int n, const double* x, const double* y)
{
    long double s = 0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        long double xi = x[i], yi = y[i], xj = x[j], yj = y[j];
        s += edge_term(x, y, i, j) * (2.0L * xi * yi + xi * yj + xj * yi + 2.0L * xj * yj);
    }
    return (double)(s * kTwentyFourth);
}

int polygon_equivalent_rectangle(int n, double* x, double* y, double* b, double* h, double* phi)
{
    if (n < 1) {
        *b = *h = *phi = polygon_no_value();
        return 0;
    }
    double cx, cy;
    polygon_centroid(n, x, y, &cx, &cy);
    for (int i = 0; i < n; ++i) {
        x[i] -= cx;
        y[i] -= cy;
    }
    long double area = polygon_area(n, x, y);
    long double ix = polygon_second_moment_x(n, x, y);
    long double iy = polygon_second_moment_y(n, x, y);
    long double ixy = polygon_product_moment(n, x, y);
    long double ratio = 2.0L * ixy / (ix - iy);
    if (std::isnan((double)ratio) && !std::isnan((double)area)) {
        // Equal principal moments and no product moment: every axis is principal.
        *phi = 0.0;
        *b = *h = (double)sqrtl(area);
        return 0;
    }
    long double f = 0.5L * atanl(ratio);
    long double t = 2.0L * f;
    long double m1 = 0.5L * ((ix - iy) * cosl(t) + (ix + iy)) + ixy * sinl(t);
    long double m2 = 0.5L * ((ix + iy) + (iy - ix) * cosl(t)) - ixy * sinl(t);
    long double hh = sqrtl(area * sqrtl(m1 / m2));
    *phi = (double)f;
    *h = (double)hh;
    *b = (double)(area / hh);
    return 0;
}
