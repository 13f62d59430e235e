#include "helpers/intersections.h"

#include "helpers/mem_counted.h"
#include "helpers/plane_geometry.h"
#include "helpers/rounding.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool near_zero(long double d) { return d > -NUM_TOLERANCE && d < NUM_TOLERANCE; }

struct Points {
    std::vector<double> x, y;
    int size() const { return (int)x.size(); }
    void add(double px, double py)
    {
        x.push_back(px);
        y.push_back(py);
    }
};

// Hands the found points to the caller's pointers, resized to exactly the count.
int hand_over(const Points& p, double** ox, double** oy)
{
    int n = p.size();
    if (n == 0) {
        mem_free_and_null(ox);
        mem_free_and_null(oy);
        return 0;
    }
    *ox = (double*)mem_realloc_counted(*ox, n * (int)sizeof(double), 0);
    *oy = (double*)mem_realloc_counted(*oy, n * (int)sizeof(double), 0);
    mem_check_or_exit(*ox);
    mem_check_or_exit(*oy);
    std::copy(p.x.begin(), p.x.end(), *ox);
    std::copy(p.y.begin(), p.y.end(), *oy);
    return n;
}

int edge_count(int n, int closed)
{
    if (n < 2) return 0;
    return closed ? n : n - 1;
}

long double distance(double x1, double y1, double x2, double y2)
{
    long double dx = (long double)x2 - x1, dy = (long double)y2 - y1;
    return sqrtl(dx * dx + dy * dy);
}

// Ray length of the ray operations: 1000 times the largest signed coordinate, at least 1000.
double ray_length(std::initializer_list<double> coords)
{
    double m = 1000.0;
    for (double c : coords) m = std::max(m, c);
    return 1000.0 * m;
}

} // namespace

SlopeLine slope_line(double xa, double ya, double xb, double yb)
{
    SlopeLine l;
    l.x = xa;
    if (near_zero((long double)xa - xb)) {
        l.vertical = 1;
        l.m = NUM_INFINITE;
        l.q = 0;
        return l;
    }
    l.vertical = 0;
    l.m = ((long double)yb - ya) / ((long double)xb - xa);
    l.q = ya - l.m * xa;
    return l;
}

int slope_lines_parallel(const SlopeLine& a, const SlopeLine& b)
{
    return fabsl(a.m - b.m) < NUM_TOLERANCE ? 1 : 0;
}

void slope_crossing(const SlopeLine& a, const SlopeLine& b, double* ox, double* oy)
{
    long double x, y;
    if (a.vertical) {
        x = a.x;
        y = b.q + b.m * x;
    } else if (b.vertical) {
        x = b.x;
        y = a.q + a.m * x;
    } else {
        x = (b.q - a.q) / (a.m - b.m);
        y = a.q + a.m * x;
    }
    *ox = (double)x;
    *oy = (double)y;
}

int in_segment_box(double px, double py, double x1, double y1, double x2, double y2, int k)
{
    return between_at_decimals(px, x1, x2, k) && between_at_decimals(py, y1, y2, k) ? 1 : 0;
}

int line_intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                      double x4, double y4, double* ox, double* oy)
{
    SlopeLine a = slope_line(x1, y1, x2, y2), b = slope_line(x3, y3, x4, y4);
    if (slope_lines_parallel(a, b)) {
        *ox = *oy = 0.0;
        return 1;
    }
    slope_crossing(a, b, ox, oy);
    return 0;
}

int segment_intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4, double* ox, double* oy)
{
    if (line_intersection(x1, y1, x2, y2, x3, y3, x4, y4, ox, oy)) return 0;
    return in_segment_box(*ox, *oy, x1, y1, x2, y2, 5) && in_segment_box(*ox, *oy, x3, y3, x4, y4, 5)
               ? 1
               : 0;
}

int ray_segment_intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double* ox, double* oy)
{
    double L = ray_length({x1, y1, x2, y2, x3, y3, x4, y4});
    double qx, qy;
    point_along_line(x1, y1, x2, y2, L, 0, &qx, &qy);
    return segment_intersection(x1, y1, qx, qy, x3, y3, x4, y4, ox, oy);
}

int line_segment_intersection(double* ox, double* oy, const double* LX, const double* LY,
                              const double* SX, const double* SY)
{
    SlopeLine l = slope_line(LX[0], LY[0], LX[1], LY[1]);
    SlopeLine s = slope_line(SX[0], SY[0], SX[1], SY[1]);
    if (!slope_lines_parallel(l, s)) {
        slope_crossing(l, s, ox, oy);
        return in_segment_box(*ox, *oy, SX[0], SY[0], SX[1], SY[1], 8);
    }
    *ox = *oy = 0.0;
    long double c, sn;
    line_direction_cos_sin(LX[0], LY[0], LX[1], LY[1], &c, &sn);
    long double d = fabsl(((long double)SY[0] - LY[1]) * c - ((long double)SX[0] - LX[1]) * sn);
    return zero_at_decimals((double)d, 8) ? 2 : 0;
}

int collinear_overlap(double x1, double y1, double x2, double y2, double x3, double y3,
                      double x4, double y4, double* xa, double* ya, double* xb, double* yb)
{
    if (x1 > x2) swap_doubles(&x1, &x2);
    if (y1 > y2) swap_doubles(&y1, &y2);
    if (x3 > x4) swap_doubles(&x3, &x4);
    if (y3 > y4) swap_doubles(&y3, &y4);
    SlopeLine a = slope_line(x1, y1, x2, y2), b = slope_line(x3, y3, x4, y4);
    if (!slope_lines_parallel(a, b)) return 0;
    if (x3 <= x1 && x1 <= x4)
        *xa = x1;
    else if (x1 <= x3 && x3 <= x2)
        *xa = x3;
    else
        return 0;
    *xb = std::min(x2, x4);
    if (!near_zero(a.m)) {
        if (y3 <= y1 && y1 <= y4)
            *ya = y1;
        else if (y1 < y3 && y3 <= y2)
            *ya = y3;
        else
            return 0;
        *yb = std::min(y2, y4);
        return 1;
    }
    if (y1 != y3) return 0;
    *ya = *yb = y3;
    return 1;
}

int line_circle_intersection(double xc, double yc, double r, const double* X, const double* Y,
                             double* OX, double* OY)
{
    long double c, s;
    line_direction_cos_sin(X[0], Y[0], X[1], Y[1], &c, &s);
    long double uc = xc * c + yc * s, vc = yc * c - xc * s;
    long double u1 = X[0] * c + Y[0] * s, v1 = Y[0] * c - X[0] * s;
    long double u2 = X[1] * c + Y[1] * s, v2 = Y[1] * c - X[1] * s;
    long double c2, s2;
    line_direction_cos_sin((double)u1, (double)v1, (double)u2, (double)v2, &c2, &s2);
    long double delta = (vc - v2) * c2 - (uc - u2) * s2;
    long double gap = fabsl(delta) - r;
    if (round_to_decimals((double)gap, 5) > 0.0L) return 0;
    long double u[2];
    int count;
    if (zero_at_decimals((double)fabsl(gap), 5)) {
        u[0] = u[1] = uc;
        count = 1;
    } else {
        long double w = sqrtl((long double)r * r - delta * delta);
        u[0] = uc - w;
        u[1] = uc + w;
        count = 2;
    }
    for (int i = 0; i < 2; ++i) {
        OX[i] = (double)(u[i] * c - v1 * s);
        OY[i] = (double)(u[i] * s + v1 * c);
    }
    return count;
}

namespace {

// Crossings of the line through the segment, kept when they lie in the segment's box.
int segment_circle(double xc, double yc, double r, const double* X, const double* Y, int include_ends,
                   double* OX, double* OY)
{
    OX[0] = OX[1] = OY[0] = OY[1] = 0.0;
    double cx[2], cy[2];
    if (line_circle_intersection(xc, yc, r, X, Y, cx, cy) != 2) return 0;
    if (!include_ends) {
        bool first_at_start = coincide_at_decimals(cx[0], X[0], 5) && coincide_at_decimals(cy[0], Y[0], 5);
        bool second_at_end = coincide_at_decimals(cx[1], X[1], 5) && coincide_at_decimals(cy[1], Y[1], 5);
        if (first_at_start || second_at_end) return 0;
    }
    int n = 0;
    for (int i = 0; i < 2; ++i) {
        if (in_segment_box(cx[i], cy[i], X[0], Y[0], X[1], Y[1], 5)) {
            OX[n] = cx[i];
            OY[n] = cy[i];
            ++n;
        }
    }
    return n;
}

} // namespace

int segment_circle_intersection(double xc, double yc, double r, const double* X,
                                const double* Y, double* OX, double* OY)
{
    return segment_circle(xc, yc, r, X, Y, 1, OX, OY);
}

int segment_circle_intersection_ends(double xc, double yc, double r, const double* X,
                                     const double* Y, int include_ends, double* OX, double* OY)
{
    return segment_circle(xc, yc, r, X, Y, include_ends, OX, OY);
}

int ray_circle_intersection(double xc, double yc, double r, const double* X, const double* Y,
                            double* OX, double* OY)
{
    double L = ray_length({X[0], X[1], Y[0], Y[1]});
    double SX[2] = {X[0], 0}, SY[2] = {Y[0], 0};
    point_along_line(X[0], Y[0], X[1], Y[1], L, 0, &SX[1], &SY[1]);
    return segment_circle_intersection(xc, yc, r, SX, SY, OX, OY);
}

int point_circle_relation(double x1, double y1, double r, double x2, double y2)
{
    long double e = distance(x1, y1, x2, y2) - r;
    if (zero_at_decimals((double)fabsl(e), 5)) return 2;
    return round_to_decimals((double)e, 5) < 0.0L ? 1 : 0;
}

namespace {

// Crossings of the open polyline's edges with the circle; stops once `limit` is reached.
void polyline_circle(int n, const double* X, const double* Y, double xc, double yc, double r,
                     int limit, Points& out)
{
    for (int i = 0; i + 1 < n; ++i) {
        double ex[2] = {X[i], X[i + 1]}, ey[2] = {Y[i], Y[i + 1]};
        double cx[2], cy[2];
        if (line_circle_intersection(xc, yc, r, ex, ey, cx, cy) == 2) {
            for (int k = 0; k < 2; ++k)
                if (in_segment_box(cx[k], cy[k], ex[0], ey[0], ex[1], ey[1], 5)) out.add(cx[k], cy[k]);
        }
        if (limit > 0 && out.size() >= limit) return;
    }
}

// Crossings of the first `edges` edges of the polyline (edge i runs to point (i + 1) % n) with the
// straight line `l` that lie within their edge (to `decimals` places) and that keep(px, py)
// accepts; stops once more than `limit` are found.
template <class Keep>
void edge_crossings(int n, const double* X, const double* Y, int edges, const SlopeLine& l, int decimals,
                    int limit, Points& out, Keep keep)
{
    for (int i = 0; i < edges; ++i) {
        int j = (i + 1) % n;
        SlopeLine e = slope_line(X[i], Y[i], X[j], Y[j]);
        if (slope_lines_parallel(e, l)) continue;
        double px, py;
        slope_crossing(e, l, &px, &py);
        if (!in_segment_box(px, py, X[i], Y[i], X[j], Y[j], decimals)) continue;
        if (!keep(px, py)) continue;
        out.add(px, py);
        if (limit > 0 && out.size() > limit) return;
    }
}

void polyline_line(int n, const double* X, const double* Y, int closed, const double* LX,
                   const double* LY, int dup_decimals, int limit, Points& out)
{
    // a crossing that repeats the last one (an edge's end shared with the next edge) counts once
    edge_crossings(n, X, Y, edge_count(n, closed), slope_line(LX[0], LY[0], LX[1], LY[1]), 8, limit, out,
                   [&out, dup_decimals](double px, double py) {
                       return !(out.size() > 0 && coincide_at_decimals(px, out.x.back(), dup_decimals) &&
                                coincide_at_decimals(py, out.y.back(), dup_decimals));
                   });
}

void polyline_segment(int n, const double* X, const double* Y, int closed, double xa, double ya,
                      double xb, double yb, int limit, Points& out)
{
    edge_crossings(n, X, Y, edge_count(n, closed), slope_line(xa, ya, xb, yb), 5, limit, out,
                   [=](double px, double py) { return in_segment_box(px, py, xa, ya, xb, yb, 5) != 0; });
}

// A closed polyline's last crossing that repeats its first (at the closing vertex) counts once.
void drop_closing_repeat(Points& p, int closed)
{
    if (closed && p.size() > 1 && p.x.back() == p.x.front() && p.y.back() == p.y.front()) {
        p.x.pop_back();
        p.y.pop_back();
    }
}

int copy_fixed(const Points& p, double* ox, double* oy)
{
    std::copy(p.x.begin(), p.x.end(), ox);
    std::copy(p.y.begin(), p.y.end(), oy);
    return p.size();
}

} // namespace

int polyline_circle_intersections(int n, const double* X, const double* Y, int, double xc,
                                  double yc, double r, double** ox, double** oy)
{
    Points p;
    polyline_circle(n, X, Y, xc, yc, r, 0, p);
    return hand_over(p, ox, oy);
}

int polyline_circle_intersections_fixed(int n, const double* X, const double* Y, int, double xc,
                                        double yc, double r, double* ox, double* oy)
{
    Points p;
    polyline_circle(n, X, Y, xc, yc, r, 10, p);
    return copy_fixed(p, ox, oy);
}

int polyline_line_intersections(int n, const double* X, const double* Y, int closed,
                                const double* LX, const double* LY, double** ox, double** oy)
{
    Points p;
    polyline_line(n, X, Y, closed, LX, LY, 6, 0, p);
    return hand_over(p, ox, oy);
}

int polyline_line_intersections_fixed(int n, const double* X, const double* Y, int closed,
                                      const double* LX, const double* LY, double* ox, double* oy)
{
    Points p;
    polyline_line(n, X, Y, closed, LX, LY, 5, 9, p);
    return copy_fixed(p, ox, oy);
}

int polyline_segment_intersections(int n, const double* X, const double* Y, int closed,
                                   double xa, double ya, double xb, double yb, double** ox,
                                   double** oy)
{
    Points p;
    polyline_segment(n, X, Y, closed, xa, ya, xb, yb, 0, p);
    drop_closing_repeat(p, closed);
    return hand_over(p, ox, oy);
}

int polyline_segment_intersections_fixed(int n, const double* X, const double* Y, int closed,
                                         double xa, double ya, double xb, double yb,
                                         double* ox, double* oy)
{
    Points p;
    polyline_segment(n, X, Y, closed, xa, ya, xb, yb, 9, p);
    return copy_fixed(p, ox, oy);
}

int polyline_polyline_intersections(int nA, const double* XA, const double* YA, int closedA,
                                    int nB, const double* XB, const double* YB, int closedB,
                                    double** ox, double** oy)
{
    Points all;
    int edges = edge_count(nA, closedA);
    for (int i = 0; i < edges; ++i) {
        int j = (i + 1) % nA;
        Points p;
        polyline_segment(nB, XB, YB, closedB, XA[i], YA[i], XA[j], YA[j], 0, p);
        drop_closing_repeat(p, closedB);
        for (int k = 0; k < p.size(); ++k) {
            // A crossing at the vertex shared with the previous edge is listed once.
            if (k == 0 && all.size() > 0 && p.x[0] == all.x.back() && p.y[0] == all.y.back()) continue;
            all.add(p.x[k], p.y[k]);
        }
    }
    return hand_over(all, ox, oy);
}

namespace {

// Point-to-segment test and even-odd count with a horizontal ray: the last resort when the
// ray towards the far point keeps meeting vertices.
int point_in_polygon_plain(int n, const double* X, const double* Y, double xp, double yp)
{
    bool inside = false;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        long double dx = (long double)X[j] - X[i], dy = (long double)Y[j] - Y[i];
        long double len2 = dx * dx + dy * dy;
        long double t = len2 > 0 ? (((long double)xp - X[i]) * dx + ((long double)yp - Y[i]) * dy) / len2 : 0;
        t = std::max(0.0L, std::min(1.0L, t));
        long double ex = X[i] + t * dx - xp, ey = Y[i] + t * dy - yp;
        if (near_zero(sqrtl(ex * ex + ey * ey))) return 2;
        if ((Y[i] > yp) != (Y[j] > yp)) {
            long double xc = X[i] + ((long double)yp - Y[i]) * dx / dy;
            if (xp < xc) inside = !inside;
        }
    }
    return inside ? 1 : 0;
}

constexpr int kMaxVertexRetries = 64;

} // namespace

int point_in_polygon(int n, const double* X, const double* Y, double xp, double yp)
{
    if (n < 1) return 0;
    double mx = X[index_of_extreme(n, X, 1)], my = Y[index_of_extreme(n, Y, 1)];
    double fx = 2.0 * mx > 1.0 ? 2.0 * mx : 1.0;
    double fy = 2.0 * my > 1.0 ? 2.0 * my : 1.0;
    for (int attempt = 0; attempt <= kMaxVertexRetries; ++attempt) {
        SlopeLine pf = slope_line(xp, yp, fx, fy);
        int count = 0;
        bool vertex_hit = false;
        double hx = 0, hy = 0;
        for (int i = 0; i < n && !vertex_hit; ++i) {
            int j = (i + 1) % n;
            double cx, cy;
            if (near_zero((long double)X[i] - X[j])) {
                if (pf.vertical) continue;
                cx = X[i];
                cy = (double)(pf.q + pf.m * X[i]);
            } else {
                SlopeLine e = slope_line(X[i], Y[i], X[j], Y[j]);
                if (near_zero(e.m - pf.m)) continue;
                long double x = pf.vertical ? (long double)xp : (pf.q - e.q) / (e.m - pf.m);
                cx = (double)x;
                cy = (double)(e.q + e.m * x);
            }
            if ((cx == X[i] && cy == Y[i]) || (cx == X[j] && cy == Y[j])) {
                vertex_hit = true;
                hx = cx;
                hy = cy;
                break;
            }
            if (cx < std::min(X[i], X[j]) || cx > std::max(X[i], X[j]) || cy < std::min(Y[i], Y[j]) ||
                cy > std::max(Y[i], Y[j]))
                continue;
            long double c, s;
            line_direction_cos_sin(X[i], Y[i], X[j], Y[j], &c, &s);
            if (near_zero(fabsl(c * ((long double)yp - Y[j]) - s * ((long double)xp - X[j])))) return 2;
            if (yp <= cy && xp <= cx) ++count;
        }
        if (!vertex_hit) return near_zero(count % 2) ? 0 : 1;
        if (hx == xp && hy == yp) return 2;
        fy *= 2.0;   // turn the line towards a steeper far point and count again
    }
    return point_in_polygon_plain(n, X, Y, xp, yp);
}

double polyline_length_inside(int n, const double* X, const double* Y, int m, const double* PX,
                              const double* PY)
{
    long double total = 0;
    if (n < 1) return 0.0;
    for (int s = 0; s < n; ++s) {
        int ia = (s + n - 1) % n, ib = s;
        double ax = X[ia], ay = Y[ia], bx = X[ib], by = Y[ib];
        bool a = point_in_polygon(m, PX, PY, ax, ay) != 0;
        bool b = point_in_polygon(m, PX, PY, bx, by) != 0;
        // every edge of the polygon, also the one of a single point
        Points cross;
        edge_crossings(m, PX, PY, m, slope_line(ax, ay, bx, by), 5, 0, cross,
                       [=](double px, double py) { return in_segment_box(px, py, ax, ay, bx, by, 5) != 0; });
        drop_closing_repeat(cross, 1);
        int j = cross.size();
        if (j == 0) {
            if (a && b) total += distance(ax, ay, bx, by);
            continue;
        }
        if (a) total += distance(ax, ay, cross.x[0], cross.y[0]);
        for (int k = 1; k < j; ++k)
            if ((a && k % 2 == 0) || (!a && k % 2 == 1))
                total += distance(cross.x[k - 1], cross.y[k - 1], cross.x[k], cross.y[k]);
        if (b) total += distance(cross.x[j - 1], cross.y[j - 1], bx, by);
    }
    return (double)total;
}

int polygon_overlap_grid(int nA, const double* XA, const double* YA, int nB, const double* XB,
                         const double* YB, double* area, double* width, double* height)
{
    double minx = NUM_INFINITE, maxx = -NUM_INFINITE, miny = NUM_INFINITE, maxy = -NUM_INFINITE;
    for (int i = 0; i < nA; ++i) {
        minx = std::min(minx, XA[i]);
        maxx = std::max(maxx, XA[i]);
        miny = std::min(miny, YA[i]);
        maxy = std::max(maxy, YA[i]);
    }
    for (int i = 0; i < nB; ++i) {
        minx = std::min(minx, XB[i]);
        maxx = std::max(maxx, XB[i]);
        miny = std::min(miny, YB[i]);
        maxy = std::max(maxy, YB[i]);
    }
    double W = maxx - minx, H = maxy - miny;
    *area = 0.0;
    int cols, rows;
    if (W > H) {
        double k = std::min(100.0 * W / H, 200.0);
        cols = (int)k;
        rows = 100;
    } else {
        double k = 100.0 * H / W;
        if (!(k >= 1.0)) {   // a box of zero size (or no points at all)
            *width = *height = -2e100;
            return 0;
        }
        rows = (int)std::min(k, 200.0);
        cols = 100;
    }
    double cw = W / cols, ch = H / rows;
    long double sum = 0;
    double lox = NUM_INFINITE, hix = -NUM_INFINITE, loy = NUM_INFINITE, hiy = -NUM_INFINITE;
    for (int c = 0; c < cols; ++c) {
        double x = minx + cw / 2 + c * cw;
        for (int r = 0; r < rows; ++r) {
            double y = miny + ch / 2 + r * ch;
            if (!point_in_polygon(nA, XA, YA, x, y)) continue;
            if (!point_in_polygon(nB, XB, YB, x, y)) continue;
            sum += cw * ch;
            lox = std::min(lox, x);
            hix = std::max(hix, x);
            loy = std::min(loy, y);
            hiy = std::max(hiy, y);
        }
    }
    *area = (double)sum;
    *width = hix - lox;
    *height = hiy - loy;
    return *area > 0 ? 1 : 0;
}

double polygon_overlap_area(int nA, const double* XA, const double* YA, int nB,
                            const double* XB, const double* YB)
{
    double area, w, h;
    return polygon_overlap_grid(nA, XA, YA, nB, XB, YB, &area, &w, &h) ? area : 0.0;
}

int count_self_intersections(int n, const double* X, const double* Y, int closed)
{
    int edges = edge_count(n, closed);
    int count = 0;
    for (int i = 0; i < edges; ++i) {
        int i2 = (i + 1) % n;
        SlopeLine a = slope_line(X[i], Y[i], X[i2], Y[i2]);
        for (int k = i + 1; k < edges; ++k) {
            int k2 = (k + 1) % n;
            SlopeLine b = slope_line(X[k], Y[k], X[k2], Y[k2]);
            if (slope_lines_parallel(a, b)) continue;
            double px, py;
            slope_crossing(a, b, &px, &py);
            if (!in_segment_box(px, py, X[i], Y[i], X[i2], Y[i2], 5) ||
                !in_segment_box(px, py, X[k], Y[k], X[k2], Y[k2], 5))
                continue;
            bool at_start = coincide_at_decimals(px, X[i], 5) && coincide_at_decimals(py, Y[i], 5);
            bool at_end = coincide_at_decimals(px, X[i2], 5) && coincide_at_decimals(py, Y[i2], 5);
            if (!at_start && !at_end) ++count;
        }
    }
    return count;
}
