#include "helpers/polygon_edit.h"

#include "helpers/intersections.h"
#include "helpers/mem_counted.h"
#include "helpers/plane_geometry.h"
#include "helpers/polygon_section.h"
#include "helpers/rounding.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr long double kTwoPi = 6.283185307179586L;

bool near_zero(long double d) { return d > -NUM_TOLERANCE && d < NUM_TOLERANCE; }

} // namespace

int regular_polygon_of_circle(double r, double xc, double yc, int n, double* X, double* Y)
{
    if (n <= 0) return 0;
    long double a = kTwoPi / n;
    long double R = r * sqrtl(a / sinl(a));
    X[0] = (double)(xc + R);
    Y[0] = yc;
    for (int i = 1; i < n; ++i) {
        X[i] = (double)(xc + R * cosl(i * a));
        Y[i] = (double)(yc + R * sinl(i * a));
    }
    return 0;
}

void rectangle_corners(double w, double h, double xc, double yc, double* X, double* Y)
{
    X[0] = xc - w / 2;
    Y[0] = yc - h / 2;
    X[1] = xc + w / 2;
    Y[1] = yc - h / 2;
    X[2] = xc + w / 2;
    Y[2] = yc + h / 2;
    X[3] = xc - w / 2;
    Y[3] = yc + h / 2;
}

int bounding_box(int n, const double* X, const double* Y, double* min_x, double* min_y,
                 double* max_x, double* max_y)
{
    *min_x = *min_y = NUM_INFINITE;
    *max_x = *max_y = -NUM_INFINITE;
    for (int i = 0; i < n; ++i) {
        if (X[i] < *min_x) *min_x = X[i];
        if (Y[i] < *min_y) *min_y = Y[i];
        if (X[i] > *max_x) *max_x = X[i];
        if (Y[i] > *max_y) *max_y = Y[i];
    }
    return 0;
}

int clip_polygon_by_line(int n, const double* X, const double* Y, const double* LX,
                         const double* LY, int* count, double** OX, double** OY)
{
    // Collected first, so that a line crossing a concave polygon many times has room for all.
    std::vector<double> ox, oy;
    int result = 0;
    long double c, s;
    line_direction_cos_sin(LX[0], LY[0], LX[1], LY[1], &c, &s);
    SlopeLine line = slope_line(LX[0], LY[0], LX[1], LY[1]);
    for (int j = 0; j < n; ++j) {
        long double side = ((long double)Y[j] - LY[0]) * c - ((long double)X[j] - LX[0]) * s;
        if (round_to_decimals((double)side, 4) > 0.0L) {
            ox.push_back(X[j]);
            oy.push_back(Y[j]);
        }
        int k = (j + 1) % n;
        SlopeLine edge = slope_line(X[j], Y[j], X[k], Y[k]);
        if (slope_lines_parallel(edge, line)) continue;
        double px, py;
        slope_crossing(edge, line, &px, &py);
        if (in_segment_box(px, py, X[j], Y[j], X[k], Y[k], 8)) {
            ox.push_back(px);
            oy.push_back(py);
            result = 1;
        }
    }
    int m = (int)ox.size();
    int room = m > n + 2 ? m : n + 2;
    *OX = (double*)mem_realloc_counted(*OX, room * (int)sizeof(double), 0);
    *OY = (double*)mem_realloc_counted(*OY, room * (int)sizeof(double), 0);
    mem_check_or_exit(*OX);
    mem_check_or_exit(*OY);
    for (int i = 0; i < m; ++i) {
        (*OX)[i] = ox[i];
        (*OY)[i] = oy[i];
    }
    *count = m;
    return result;
}

int scale_polygon_about_centroid(int n, double* X, double* Y, double f)
{
    if (n < 1) return 0;
    double cx, cy;
    polygon_centroid(n, X, Y, &cx, &cy);
    for (int i = 0; i < n; ++i) {
        X[i] = (double)(cx + (long double)f * (X[i] - cx));
        Y[i] = (double)(cy + (long double)f * (Y[i] - cy));
    }
    return 0;
}

namespace {

double grow_coordinate(double v, double a)
{
    if (round_to_decimals(v, 4) < 0.0L) v -= a;
    if (round_to_decimals(v, 4) > 0.0L) v += a;
    return v;
}

} // namespace

int grow_polygon_about_centroid(int n, double* X, double* Y, double ax, double ay)
{
    if (n < 1) return 0;
    double cx, cy;
    polygon_centroid(n, X, Y, &cx, &cy);
    for (int i = 0; i < n; ++i) {
        X[i] = grow_coordinate(X[i] - cx, ax) + cx;
        Y[i] = grow_coordinate(Y[i] - cy, ay) + cy;
    }
    return 0;
}

int offset_polygon_vertices(int n, double* X, double* Y, double d)
{
    if (n < 1) return 0;
    double cx, cy;
    polygon_centroid(n, X, Y, &cx, &cy);
    for (int i = 0; i < n; ++i) {
        X[i] -= cx;
        Y[i] -= cy;
    }
    double* copy_x = nullptr;
    double* copy_y = nullptr;
    mem_copy_doubles(n, &copy_x, X);
    mem_copy_doubles(n, &copy_y, Y);
    for (int j = 0; j < n; ++j) {
        int prev = j == 0 ? n - 1 : j - 1, next = j == n - 1 ? 0 : j + 1;
        long double alpha = line_angle(copy_x[prev], copy_y[prev], copy_x[j], copy_y[j]);
        long double beta = line_angle(copy_x[next], copy_y[next], copy_x[j], copy_y[j]);
        long double theta = (alpha + beta) / 2;
        double dx = (double)(d * sinl(theta)), dy = (double)(d * cosl(theta));
        double tx = copy_x[j] + dx, ty = copy_y[j] + dy;
        if (point_in_polygon(n, copy_x, copy_y, tx, ty)) {
            X[j] = copy_x[j] - dx;
            Y[j] = copy_y[j] - dy;
        } else {
            X[j] = tx;
            Y[j] = ty;
        }
    }
    mem_free_and_null(&copy_x);
    mem_free_and_null(&copy_y);
    for (int i = 0; i < n; ++i) {
        X[i] += cx;
        Y[i] += cy;
    }
    return 0;
}

namespace {

struct MovedEdge {
    double x1, y1, x2, y2;
};

// The point where the moved edges a (ending at the vertex) and b (starting there) meet, or the
// midpoint of the vertex's two moved copies when they are parallel.
void join_edges(const MovedEdge& a, const MovedEdge& b, double* ox, double* oy)
{
    SlopeLine la = slope_line(a.x1, a.y1, a.x2, a.y2), lb = slope_line(b.x1, b.y1, b.x2, b.y2);
    if (slope_lines_parallel(la, lb)) {
        *ox = (a.x2 + b.x1) / 2;
        *oy = (a.y2 + b.y1) / 2;
        return;
    }
    slope_crossing(la, lb, ox, oy);
}

} // namespace

void offset_polyline(double* X, double* Y, int n, double d)
{
    int N = std::abs(n);
    if (N < 2 || N > 99) return;
    bool closed = n < 0;
    int edges = closed ? N : N - 1;
    std::vector<MovedEdge> e(edges);
    for (int i = 0; i < edges; ++i) {
        int k = (i + 1) % N;
        long double ex = (long double)X[k] - X[i], ey = (long double)Y[k] - Y[i];
        long double L = sqrtl(ex * ex + ey * ey);
        long double sx = 0, sy = 0;
        if (!near_zero(d)) {
            if (L > 0) {
                sx = -ey * d / L;
                sy = ex * d / L;
            } else {
                sx = d;
            }
        }
        e[i] = {(double)(X[i] + sx), (double)(Y[i] + sy), (double)(X[k] + sx), (double)(Y[k] + sy)};
    }
    if (!closed) {
        X[0] = e[0].x1;
        Y[0] = e[0].y1;
        X[N - 1] = e[N - 2].x2;
        Y[N - 1] = e[N - 2].y2;
        for (int i = 1; i <= N - 2; ++i) join_edges(e[i - 1], e[i], &X[i], &Y[i]);
        return;
    }
    for (int i = 0; i < N; ++i) join_edges(e[(i + N - 1) % N], e[i], &X[i], &Y[i]);
}

int drop_reflex_vertices(int n, double* X, double* Y)
{
    if (n < 1) return 0;
    std::vector<double> x(X, X + n), y(Y, Y + n);
    int kept = 0;
    for (int k = 0; k < n; ++k) {
        int p = (k + n - 1) % n, q = (k + 1) % n;
        long double cross = ((long double)x[k] - x[p]) * ((long double)y[q] - y[k]) -
                            ((long double)y[k] - y[p]) * ((long double)x[q] - x[k]);
        if (cross >= 0) {
            X[kept] = x[k];
            Y[kept] = y[k];
            ++kept;
        }
    }
    return kept;
}

int drop_repeated_points(int n, double* X, double* Y)
{
    if (n <= 0) return 0;
    std::vector<double> x(X, X + n), y(Y, Y + n);
    int kept = 0;
    for (int j = 0; j < n; ++j) {
        int k = (j + 1) % n;
        if (coincide_at_decimals(x[j], x[k], 5) && coincide_at_decimals(y[j], y[k], 5)) continue;
        X[kept] = x[j];
        Y[kept] = y[j];
        ++kept;
    }
    return kept;
}
