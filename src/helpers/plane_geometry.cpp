#include "helpers/plane_geometry.h"

#include "helpers/mem_counted.h"
#include "helpers/rounding.h"

#include <cmath>

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kThreeHalfPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;

bool near_zero(long double d) { return d > -NUM_TOLERANCE && d < NUM_TOLERANCE; }

// cos and sin of the line angle, with the exact double values for vertical lines.
struct Direction {
    long double c, s;
};

Direction line_direction(double x1, double y1, double x2, double y2)
{
    long double dx = (long double)x2 - x1;
    if (near_zero(dx)) {
        if (y2 > y1) return {6.123233995736766e-17L, 1.0L};
        return {-1.8369701987210297e-16L, -1.0L};
    }
    long double t = line_angle(x1, y1, x2, y2);
    return {cosl(t), sinl(t)};
}

bool rounded_negative(long double v, int decimals) { return round_to_decimals((double)v, decimals) < 0.0L; }

} // namespace

long double line_angle(double x1, double y1, double x2, double y2)
{
    long double dx = (long double)x2 - x1;
    long double dy = (long double)y2 - y1;
    if (near_zero(dx)) return y2 > y1 ? kHalfPi : kThreeHalfPi;
    long double t = atanl(dy / dx);
    if (x2 < x1) t += kPi;
    return t;
}

void line_direction_cos_sin(double x1, double y1, double x2, double y2, long double* c,
                            long double* s)
{
    Direction r = line_direction(x1, y1, x2, y2);
    *c = r.c;
    *s = r.s;
}

long double vector_angle(double x1, double y1, double x2, double y2)
{
    long double dx = (long double)x2 - x1;
    long double dy = (long double)y2 - y1;
    if (near_zero(dx)) return dy > 0 ? kHalfPi : kThreeHalfPi;
    if (near_zero(dy)) return dx > 0 ? 0.0L : kPi;
    long double t = atan2l(dy, dx);
    if (t < 0) t += kTwoPi;
    return t;
}

long double angle_between_vectors(double x1, double y1, double x2, double y2, double x3, double y3,
                                  double x4, double y4)
{
    long double ux = (long double)x2 - x1, uy = (long double)y2 - y1;
    long double wx = (long double)x4 - x3, wy = (long double)y4 - y3;
    long double c = (ux * wx + uy * wy) / sqrtl((ux * ux + uy * uy) * (wx * wx + wy * wy));
    long double r = 1.0L - c * c;
    if (r < 0 && r > -1e-15L) r = 0;   // rounding of parallel vectors
    return atan2l(sqrtl(r), c);
}

long double normalize_angle_positive(double a)
{
    long double v = a;
    while (rounded_negative(v, 4)) v += kTwoPi;
    return v;
}

long double bisector_angle_deg(double a, double b)
{
    while (rounded_negative(a, 3)) a += 360.0;
    while (rounded_negative(b, 3)) b += 360.0;
    if (a < b) swap_doubles(&a, &b);
    double s = b, L = a;   // s the smaller, L the larger
    long double mid = s - (s - L) * 0.5L;
    if (round_to_decimals((double)(L - s - 180.0), 3) > 0.0L) mid -= 180.0L;
    while (rounded_negative(mid, 3)) mid += 360.0L;
    return mid;
}

long double mirror_value(double a, double b) { return 2.0L * b - a; }

int rotate_scale_points(double* x, double* y, int n, double x0, double y0, double a, double f)
{
    if (n <= 0) return n;
    long double c = cosl(a), s = sinl(a);
    for (int i = 0; i < n; ++i) {
        long double dx = (long double)x[i] - x0, dy = (long double)y[i] - y0;
        x[i] = (double)(f * (c * dx + s * dy));
        y[i] = (double)(f * (c * dy - s * dx));
    }
    return n;
}

int unrotate_scale_points(double* x, double* y, int n, double x0, double y0, double a, double f)
{
    if (n <= 0) return n;
    long double c = cosl(a), s = sinl(a);
    long double inv = 1.0L / f;
    for (int i = 0; i < n; ++i) {
        long double xs = x[i] * inv, ys = y[i] * inv;
        x[i] = (double)(c * xs - s * ys + x0);
        y[i] = (double)(s * xs + c * ys + y0);
    }
    return n;
}

void rotate_scale_points_to_int(double* x, double* y, int n, double x0, double y0, double a, double f,
                                int* ix, int* iy)
{
    if (n <= 0) return;
    rotate_scale_points(x, y, n, x0, y0, a, f);
    for (int i = 0; i < n; ++i) {
        ix[i] = (int)(x[i] >= 0 ? x[i] + 0.5 : x[i] - 0.5);
        iy[i] = (int)(y[i] >= 0 ? y[i] + 0.5 : y[i] - 0.5);
    }
}

void polygon_orientation(int n, double* x, double* y, int mode)
{
    if (n <= 0) return;
    long double area = 0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        area += (long double)x[i] * y[j] - (long double)x[j] * y[i];
    }
    area *= 0.5L;
    bool reverse = (area < 0 && (mode & 1)) || (area > 0 && !(mode & 1));
    if (!reverse) return;
    double* wx = nullptr;
    double* wy = nullptr;
    mem_copy_doubles(n, &wx, x);
    mem_copy_doubles(n, &wy, y);
    for (int i = 0; i < n; ++i) {
        x[i] = wx[n - 1 - i];
        y[i] = wy[n - 1 - i];
    }
    mem_free_and_null(&wx);
    mem_free_and_null(&wy);
}

void polygon_make_ccw(int n, double* x, double* y) { polygon_orientation(n, x, y, 1); }
void polygon_make_cw(int n, double* x, double* y) { polygon_orientation(n, x, y, 0); }

void mirror_y_ccw(int n, const double* x, const double* y, double c, double* ox, double* oy)
{
    for (int i = 0; i < n; ++i) {
        ox[i] = x[i];
        oy[i] = c - y[i];
    }
    polygon_make_ccw(n, ox, oy);
}

void point_along_line(double x1, double y1, double x2, double y2, double d, int from_end, double* ox,
                      double* oy)
{
    Direction r = line_direction(x1, y1, x2, y2);
    double px = from_end ? x2 : x1, py = from_end ? y2 : y1;
    long double u = px * r.c + py * r.s + d;
    long double v = y1 * r.c - x1 * r.s;
    *ox = (double)(u * r.c - v * r.s);
    *oy = (double)(u * r.s + v * r.c);
}

int point_along_segment_from_end(double x1, double y1, double x2, double y2, double d, double* ox,
                                 double* oy)
{
    point_along_line(x1, y1, x2, y2, d, d > 0 ? 0 : 1, ox, oy);
    double len = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    return std::fabs(d) > len ? 1 : 0;
}

void offset_segment(double* x1, double* y1, double* x2, double* y2, double d)
{
    Direction r = line_direction(*x1, *y1, *x2, *y2);
    double* xs[2] = {x1, x2};
    double* ys[2] = {y1, y2};
    for (int k = 0; k < 2; ++k) {
        long double u = *xs[k] * r.c + *ys[k] * r.s;
        long double v = *ys[k] * r.c - *xs[k] * r.s + d;
        *xs[k] = (double)(u * r.c - v * r.s);
        *ys[k] = (double)(u * r.s + v * r.c);
    }
}

void project_points_onto_line(int n, double* x, double* y, double x1, double y1, double x2, double y2)
{
    if (n <= 0) return;
    Direction r = line_direction(x1, y1, x2, y2);
    long double v = y1 * r.c - x1 * r.s;
    for (int i = 0; i < n; ++i) {
        long double u = x[i] * r.c + y[i] * r.s;
        x[i] = (double)(u * r.c - v * r.s);
        y[i] = (double)(u * r.s + v * r.c);
    }
}

long double point_line_distance(double x0, double y0, double x1, double y1, double x2, double y2)
{
    Direction r = line_direction(x1, y1, x2, y2);
    return fabsl(((long double)y0 - y2) * r.c - ((long double)x0 - x2) * r.s);
}

long double extent_along_direction(int n, const double* x, const double* y, double a)
{
    if (n < 1) return 2e100L;
    long double c = cosl(a), s = sinl(a);
    long double lo = x[0] * c + y[0] * s, hi = lo;
    for (int i = 1; i < n; ++i) {
        long double u = x[i] * c + y[i] * s;
        if (u < lo) lo = u;
        if (u > hi) hi = u;
    }
    return hi - lo;
}

namespace {

long double asin_via_atan2(long double t)
{
    long double r = 1.0L - t * t;
    if (r < 0) r = 0;
    return atan2l(t, sqrtl(r));
}

// Returns 1 with the lens values; area, depth and chord are set to 0 first.
int overlap(double r1, double r2, double d, double* area, double* depth, double* chord)
{
    *area = *depth = *chord = 0.0;
    if (r1 + r2 - d < 0) return 0;
    *depth = r1 + r2 - d;
    // One circle inside the other, also when the centre distance is not below the inner radius.
    if ((d < r1 && r1 + d <= r2) || (d <= r2 - r1)) {
        *area = (double)(kPi * r1 * r1);
        *depth = *chord = 2.0 * r1;
        return 1;
    }
    if ((d < r2 && r2 + d <= r1) || (d <= r1 - r2)) {
        *area = (double)(kPi * r2 * r2);
        *depth = *chord = 2.0 * r2;
        return 1;
    }
    long double s = ((long double)r1 + r2 + d) / 2.0L;
    long double q = s * (s - r1) * (s - r2) * (s - d);
    if (q < 0) q = 0;
    long double c = (4.0L / d) * sqrtl(q);
    long double a1 = 2.0L * asin_via_atan2(c / (2.0L * r1));
    long double a2 = 2.0L * asin_via_atan2(c / (2.0L * r2));
    long double S1 = 0.5L * r1 * r1 * (a1 - sinl(a1));
    long double S2 = 0.5L * r2 * r2 * (a2 - sinl(a2));
    long double reach = sqrtl((long double)d * d + c * c / 4.0L);
    if (r2 < r1 && reach < r1) {
        long double q1 = sinl(a1 / 4.0L);
        *depth = (double)(2.0L * r1 * q1 * q1 + r2);
        S2 = kPi * r2 * r2 - S2;
    } else if (r1 < r2 && reach < r2) {
        long double q2 = sinl(a2 / 4.0L);
        *depth = (double)(2.0L * r2 * q2 * q2 + r1);
        S1 = kPi * r1 * r1 - S1;
    }
    *chord = (double)c;
    *area = (double)(S1 + S2);
    return 1;
}

} // namespace

int circle_overlap(double r1, double r2, double d, double* area, double* depth, double* chord)
{
    return overlap(r1, r2, d, area, depth, chord);
}

double circle_overlap_area(double r1, double r2, double d)
{
    double area, depth, chord;
    overlap(r1, r2, d, &area, &depth, &chord);
    return area;
}
