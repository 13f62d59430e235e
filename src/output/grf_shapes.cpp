#include "output/grf_shapes.h"
#include "platform/os/c_numeric.h"
#include "output/grf_state.h"
#include "output/oli_paragraph.h"
#include "helpers/plane_geometry.h"
#include "helpers/prefixed_files.h"
#include "helpers/rounding.h"
#include "platform/viewer/oli_viewer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr double PI = 3.141592653589793;
constexpr double STEP16 = 0.19634954084936207;   // pi/16
constexpr double STEP32 = 0.09817477042468103;   // pi/32

GrfState& G() { return grf_state(); }

void turn_all(int n, double* xs, double* ys)
{
    if (G().rotation != 0) rotate_scale_points(xs, ys, n, 0, 0, G().rotation, 1.0);
}

void unturn_all(int n, double* xs, double* ys)
{
    if (G().rotation != 0) unrotate_scale_points(xs, ys, n, 0, 0, G().rotation, 1.0);
}

// One point of a record 18 (or a filled sector or slot), already scaled to the page.
void append_point(std::string* out, double px, double py)
{
    char buf[96];
    c_snprintf(buf, sizeof buf, " %lf %lf", px, py);
    *out += buf;
}

// The box grows by the square of half-width d about (xc, yc) (circles and rings give it twice
// their radius).
void bbox_add_square(double xc, double yc, double d)
{
    grf_bbox_add(xc - d, yc - d);
    grf_bbox_add(xc + d, yc + d);
}

// A half-circle arc segment of the plot file at a point whose y is already mirrored.
void plot_arc_segment(double x, double plot_y, int next_point, double radius)
{
    GrfState& s = G();
    grf_plot(" 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 %lf )\n", s.entity_id, s.point_id, x, plot_y, next_point, s.pen,
             radius);
    s.entity_id++;
    s.point_id++;
}

// One area segment of the plot file; refers to the next segment's point.
void plot_segment(double x, double y, int next_point, int closed_flag, double radius, bool four_decimals)
{
    GrfState& s = G();
    if (radius != 0) {
        plot_arc_segment(x, grf_plot_y(y), next_point, radius);
        return;
    }
    if (four_decimals)
        grf_plot(" 0 ( @%d ( @%d %.4f %.4f ) #%d %d 0 %d 0.0 )\n", s.entity_id, s.point_id, x, grf_plot_y(y),
                 next_point, s.pen, closed_flag);
    else
        grf_plot(" 0 ( @%d ( @%d %lf %lf ) #%d %d 0 %d 0.0 )\n", s.entity_id, s.point_id, x, grf_plot_y(y),
                 next_point, s.pen, closed_flag);
    s.entity_id++;
    s.point_id++;
}

// A ring of straight segments; the last refers back to the ring's first point.
void plot_ring(int n, const double* xs, const double* ys, int closed_flag, bool last_four = false)
{
    int first = G().point_id;
    for (int i = 0; i < n; ++i) {
        int next = (i == n - 1) ? first : G().point_id + 1;
        plot_segment(xs[i], ys[i], next, closed_flag, 0, last_four && i == n - 1);
    }
}

// Two half-circle segments of a circle about (xc, yc) (already mirrored by the caller's y).
void plot_circle_ring(double xc, double yc, double r)
{
    int first = G().point_id;
    plot_arc_segment(xc, yc + r, first + 1, r);
    plot_arc_segment(xc, yc - r, first, r);
}

bool plot_areas() { return G().plot && G().filling != -1; }

void circle_points(double xc, double yc, double r, int count, double step, bool true_round, std::string* out)
{
    GrfState& s = G();
    for (int k = 0; k < count; ++k) {
        double t = k * step;
        double px = (xc + r * std::cos(t)) * s.sx;
        double py = true_round ? yc * s.sy + r * s.sx * std::sin(t) : (yc + r * std::sin(t)) * s.sy;
        append_point(out, px, py);
    }
}

void filled_circle(double xc, double yc, double d, bool true_round)
{
    GrfState& s = G();
    double r = d / 2;
    bbox_add_square(xc, yc, d);
    grf_turn(&xc, &yc);
    std::string pts;
    circle_points(xc, yc, r, 32, STEP16, true_round, &pts);
    grf_out(" 18 %d%s\n", 32, pts.c_str());
    if (plot_areas()) {
        grf_plot("-opengroup\n");
        grf_plot("-area / 0 %d\n %d\n", s.filling, 2);
        plot_circle_ring(xc, grf_plot_y(yc), r);
        grf_plot("-closegroup\n");
    }
}

void segment(double x1, double y1, double x2, double y2) { grf_line(x1, y1, x2, y2); }

// Points of an arc from angle a to e with the given step, each joined by a line to the last.
template <class Draw>
void arc_walk(double xc, double yc, double r, double a, double e, double step, Draw draw)
{
    double px = xc + r * std::cos(a), py = yc + r * std::sin(a);
    int k = int(std::floor(a / step)) + 1;
    if (k < 0) k = 0;
    for (; k * step <= 4 * PI; ++k) {
        double t = k * step;
        if (t <= a) continue;
        if (round_to_decimals(t, 5) > round_to_decimals(e, 5)) break;
        double qx = xc + r * std::cos(t), qy = yc + r * std::sin(t);
        draw(px, py, qx, qy);
        px = qx;
        py = qy;
        if (round_to_decimals(t, 5) >= round_to_decimals(e, 5)) break;
    }
    draw(px, py, xc + r * std::cos(e), yc + r * std::sin(e));
}

void normalise_angles(double start, double sweep, double* a, double* e)
{
    *a = start * 0.017453292519943295;
    *e = *a + sweep * 0.017453292519943295;
    if (*a < 0) {
        *a += 2 * PI;
        *e += 2 * PI;
    }
    while (*a > *e) *e += 2 * PI;
}

} // namespace

// The box grows by the rectangle of the two corners, which are then turned in place (for the
// caller's records).
static void bbox_add_and_turn(double* x1, double* y1, double* x2, double* y2)
{
    grf_bbox_add(std::min(*x1, *x2), std::min(*y1, *y2));
    grf_bbox_add(std::max(*x1, *x2), std::max(*y1, *y2));
    grf_turn(x1, y1);
    grf_turn(x2, y2);
}

// One line record of the graphic block: the box grows by the segment, whose ends are turned
// (in place, for the caller's plot record) and scaled.
static void out_line_record(double* x1, double* y1, double* x2, double* y2)
{
    GrfState& s = G();
    bbox_add_and_turn(x1, y1, x2, y2);
    grf_out(" 1  %lf %lf %lf %lf\n", *x1 * s.sx, *y1 * s.sy, *x2 * s.sx, *y2 * s.sy);
}

void grf_line(double x1, double y1, double x2, double y2)
{
    GrfState& s = G();
    out_line_record(&x1, &y1, &x2, &y2);
    if (s.plot) {
        grf_plot("-line @%d ( @%d %lf %lf ) #%d %d %d 1 0.0\n", s.entity_id, s.point_id, x1, grf_plot_y(y1),
                 s.point_id + 1, s.pen, s.linetype);
        grf_plot("-point @%d %lf %lf\n", s.point_id + 1, x2, grf_plot_y(y2));
        s.entity_id += 1;
        s.point_id += 2;
    }
}

void grf_rectangle(double x1, double y1, double x2, double y2)
{
    grf_line(x1, y1, x1, y2);
    grf_line(x1, y2, x2, y2);
    grf_line(x2, y2, x2, y1);
    grf_line(x2, y1, x1, y1);
}

void grf_rectangle_centred(double x, double y, double w, double h)
{
    grf_rectangle(x - w / 2, y - h / 2, x + w / 2, y + h / 2);
}

static void ordered_filled_corners(double* x1, double* y1, double* x2, double* y2)
{
    GrfState& s = G();
    bbox_add_and_turn(x1, y1, x2, y2);
    if ((s.x_dir == 1 && *x1 > *x2) || (s.x_dir == 3 && *x1 < *x2)) std::swap(*x1, *x2);
    if ((s.y_dir == 0 && *y1 > *y2) || (s.y_dir == 2 && *y1 < *y2)) std::swap(*y1, *y2);
    grf_out(" 24  %lf %lf %lf %lf\n", *x1 * s.sx, *y2 * s.sy, *x2 * s.sx, *y1 * s.sy);
}

static void plot_rect_ring(double x1, double y1, double x2, double y2, bool last_four)
{
    double xs[4] = {x1, x1, x2, x2}, ys[4] = {y1, y2, y2, y1};
    plot_ring(4, xs, ys, 0, last_four);
}

void grf_filled_rectangle(double x1, double y1, double x2, double y2)
{
    ordered_filled_corners(&x1, &y1, &x2, &y2);
    if (plot_areas()) {
        grf_plot("-area / 0 %d\n %d\n", G().filling, 4);
        plot_rect_ring(x1, y1, x2, y2, true);
    }
}

void grf_filled_rectangle_centred(double x, double y, double w, double h)
{
    grf_filled_rectangle(x - w / 2, y - h / 2, x + w / 2, y + h / 2);
}

void grf_rectangle_with_window(double ox1, double oy1, double ox2, double oy2, double ix1, double iy1,
                               double ix2, double iy2)
{
    GrfState& s = G();
    ordered_filled_corners(&ox1, &oy1, &ox2, &oy2);
    grf_fill_blank();
    grf_turn(&ix1, &iy1);
    grf_turn(&ix2, &iy2);
    double ixl = std::min(ix1, ix2), ixh = std::max(ix1, ix2), iyl = std::min(iy1, iy2), iyh = std::max(iy1, iy2);
    double oxl = std::min(ox1, ox2), oxh = std::max(ox1, ox2), oyl = std::min(oy1, oy2), oyh = std::max(oy1, oy2);
    bool hole = ixl > oxl && ixh < oxh && iyl > oyl && iyh < oyh;
    if (hole) grf_out(" 24  %lf %lf %lf %lf\n", ixl * s.sx, iyh * s.sy, ixh * s.sx, iyl * s.sy);
    if (plot_areas()) {
        grf_plot("-area / %d %d\n %d\n", hole ? 1 : 0, s.filling, 4);
        plot_rect_ring(ox1, oy1, ox2, oy2, true);
        if (hole) {
            grf_plot(" %d\n", 4);
            plot_rect_ring(ixl, iyl, ixh, iyh, false);
        }
    }
}

static void polygon_record(int n, const double* xs, const double* ys)
{
    GrfState& s = G();
    std::string pts;
    for (int i = 0; i < n; ++i) append_point(&pts, xs[i] * s.sx, ys[i] * s.sy);
    grf_out(" 18 %d%s \n", n, pts.c_str());
}

static void polygon_bbox(int n, const double* xs, const double* ys)
{
    if (n <= 0) return;
    grf_bbox_add(*std::min_element(xs, xs + n), *std::min_element(ys, ys + n));
    grf_bbox_add(*std::max_element(xs, xs + n), *std::max_element(ys, ys + n));
}

void grf_polygon(int n, double* xs, double* ys)
{
    if (n <= 0 || !xs || !ys) return;
    polygon_bbox(n, xs, ys);
    turn_all(n, xs, ys);
    polygon_record(n, xs, ys);
    if (plot_areas()) {
        grf_plot("-area / 0 %d\n %d\n", G().filling, n);
        plot_ring(n, xs, ys, 1);
    }
    unturn_all(n, xs, ys);
}

void grf_triangle(double* xs, double* ys) { grf_polygon(3, xs, ys); }

void grf_fill_polygon(int n, double* xs, double* ys)
{
    if (G().fill_enabled) grf_polygon(n, xs, ys);
}

void grf_polygon_with_holes(int n, double* xs, double* ys, int m, const int* sizes, double* hxs, double* hys,
                            int k, const double* cxs, const double* cys, const double* areas)
{
    if (n <= 0 || !xs || !ys) return;
    GrfState& s = G();
    if (!sizes || !hxs || !hys) m = 0;
    if (!cxs || !cys || !areas) k = 0;
    polygon_bbox(n, xs, ys);
    turn_all(n, xs, ys);
    polygon_record(n, xs, ys);
    bool area = plot_areas();
    if (area) {
        grf_plot("-area / %d %d\n %d\n", m + k, s.filling, n);
        plot_ring(n, xs, ys, 0);
    }
    unturn_all(n, xs, ys);
    grf_fill_blank();
    int offset = 0;
    for (int h = 0; h < m; ++h) {
        int c = sizes[h];
        if (c <= 0) continue;
        double* hx = hxs + offset;
        double* hy = hys + offset;
        turn_all(c, hx, hy);
        polygon_record(c, hx, hy);
        if (area) {
            grf_plot(" %d\n", c);
            plot_ring(c, hx, hy, 0);
        }
        unturn_all(c, hx, hy);
        offset += c;
    }
    for (int h = 0; h < k; ++h) {
        double r = std::sqrt(areas[h] * 0.3183098861837907);
        double cx = cxs[h], cy = cys[h];
        grf_turn(&cx, &cy);
        std::string pts;
        circle_points(cx, cy, r, 32, STEP16, false, &pts);
        grf_out(" 18 %d%s\n", 32, pts.c_str());
        if (area) {
            grf_plot(" 2\n");
            plot_circle_ring(cx, grf_plot_y(cy), r);
        }
    }
}

void grf_polyline(int n, double* xs, double* ys)
{
    if (!xs || !ys || (n >= -1 && n <= 1)) return;
    int count = n > 0 ? n : -n;
    for (int i = 0; i + 1 < count; ++i) segment(xs[i], ys[i], xs[i + 1], ys[i + 1]);
    if (n > 0) segment(xs[0], ys[0], xs[count - 1], ys[count - 1]);
}

void grf_band(double x1, double y1, double x2, double y2, double w, int outline)
{
    double a = double(vector_angle(x1, y1, x2, y2));
    double xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y2, y2, y1};
    rotate_scale_points(xs, ys, 4, x1, y1, a, 1.0);
    ys[0] -= w / 2;
    ys[1] -= w / 2;
    ys[2] += w / 2;
    ys[3] += w / 2;
    unrotate_scale_points(xs, ys, 4, x1, y1, a, 1.0);
    if (G().fill_enabled) grf_polygon(4, xs, ys);
    if (outline) grf_polyline(4, xs, ys);
}

// An arc of diameter d drawn segment by segment (steps of pi/32 up to a half circle, else pi/16),
// grouped in the plot file.
template <class Draw>
static void arc_in_group(double xc, double yc, double d, double start, double sweep, Draw draw)
{
    double a, e;
    normalise_angles(start, sweep, &a, &e);
    double r = d / 2;
    if (G().plot) grf_plot("-opengroup\n");
    double step = sweep <= 180 ? STEP32 : STEP16;
    arc_walk(xc, yc, r, a, e, step, draw);
    if (G().plot) grf_plot("-closegroup\n");
}

void grf_arc(double xc, double yc, double d, double start, double sweep)
{
    arc_in_group(xc, yc, d, start, sweep, [](double x1, double y1, double x2, double y2) { grf_line(x1, y1, x2, y2); });
}

void grf_arc_direct(double xc, double yc, double d, double start, double sweep)
{
    arc_in_group(xc, yc, d, start, sweep,
                 [](double x1, double y1, double x2, double y2) { out_line_record(&x1, &y1, &x2, &y2); });
}

void grf_filled_sector(double xc, double yc, double d, double start, double sweep)
{
    GrfState& s = G();
    bbox_add_square(xc, yc, d);
    double a, e;
    normalise_angles(start, sweep, &a, &e);
    double r = d / 2;
    std::vector<double> ts;
    int k = int(std::floor(a / STEP16)) + 1;
    if (k < 0) k = 0;
    for (int steps = 0; steps < 65; ++k) {
        double t = k * STEP16;
        if (t <= a) continue;
        if (round_to_decimals(t, 5) > round_to_decimals(e, 5)) break;
        ts.push_back(t);
        ++steps;
        if (round_to_decimals(t, 5) >= round_to_decimals(e, 5)) break;
    }
    std::string pts;
    auto add = [&](double x, double y) { append_point(&pts, x * s.sx, y * s.sy); };
    add(xc, yc);
    add(xc + r * std::cos(a), yc + r * std::sin(a));
    for (double t : ts) add(xc + r * std::cos(t), yc + r * std::sin(t));
    add(xc + r * std::cos(e), yc + r * std::sin(e));
    grf_out(" 18 %d%s\n", 3 + int(ts.size()), pts.c_str());
    if (s.plot) grf_plot("-opengroup\n-closegroup\n");
}

void grf_filled_circle(double xc, double yc, double d) { filled_circle(xc, yc, d, false); }
void grf_filled_circle_true(double xc, double yc, double d) { filled_circle(xc, yc, d, true); }

void grf_filled_ring(double xc, double yc, double D, double d)
{
    GrfState& s = G();
    bbox_add_square(xc, yc, D);
    grf_turn(&xc, &yc);
    std::string pts;
    circle_points(xc, yc, D / 2, 33, STEP16, false, &pts);
    circle_points(xc, yc, d / 2, 33, STEP16, false, &pts);
    grf_out(" 18 %d%s\n", 66, pts.c_str());
    if (plot_areas()) {
        double py = grf_plot_y(yc);
        grf_plot("-opengroup\n-area / 1 %d\n %d\n", s.filling, 2);
        plot_circle_ring(xc, py, D / 2);
        grf_plot(" %d\n", 2);
        plot_circle_ring(xc, py, d / 2);
        grf_plot("-closegroup\n");
    }
}

// Fifteen steps of pi/16 from angle t0 on the circle about (cx, cy), each drawn from the last
// point, which ends on the arc.
static void slot_arc(double cx, double cy, double r, double t0, double* px, double* py)
{
    for (int k = 1; k <= 15; ++k) {
        double t = t0 + k * STEP16;
        double qx = cx + r * std::cos(t), qy = cy + r * std::sin(t);
        segment(*px, *py, qx, qy);
        *px = qx;
        *py = qy;
    }
}

// The sixteen points of a half circle from angle t0 on, for the filled slot.
template <class Add>
static void slot_half_circle(double cx, double cy, double r, double t0, Add add)
{
    for (int k = 0; k < 16; ++k) add(cx + r * std::cos(t0 + k * STEP16), cy + r * std::sin(t0 + k * STEP16));
}

void grf_slot(double xc, double yc, double w, double h)
{
    if (w <= h) {
        double r = w / 2, top = yc + h / 2, bot = yc - h / 2;
        double px = xc + r, py = top;
        segment(px, py, px, py);
        slot_arc(xc, top, r, 0, &px, &py);
        segment(px, py, xc - r, top);
        segment(xc - r, top, xc - r, bot);
        px = xc - r;
        py = bot;
        slot_arc(xc, bot, r, PI, &px, &py);
        segment(px, py, xc + r, bot);
        segment(xc + r, bot, xc + r, top);
    } else {
        double r = h / 2, c = (w - h) / 2;
        segment(xc - c, yc + r, xc + c, yc + r);
        segment(xc + c, yc - r, xc - c, yc - r);
        double px = xc - c, py = yc + r;
        slot_arc(xc - c, yc, r, PI / 2, &px, &py);
        segment(px, py, xc - c, yc - r);
        px = xc + c;
        py = yc - r;
        slot_arc(xc + c, yc, r, 3 * PI / 2, &px, &py);
        segment(px, py, xc + c, yc + r);
    }
}

void grf_filled_slot(double xc, double yc, double w, double h)
{
    GrfState& s = G();
    std::string pts;
    auto add = [&](double x, double y) { append_point(&pts, x * s.sx, y * s.sy); };
    if (w <= h) {
        double r = w / 2;
        slot_half_circle(xc, yc + h / 2, r, 0, add);
        add(xc - r, yc + h / 2);
        slot_half_circle(xc, yc - h / 2, r, PI, add);
        add(xc + r, yc - h / 2);
    } else {
        double r = h / 2, c = (w - h) / 2;
        slot_half_circle(xc - c, yc, r, PI / 2, add);
        add(xc + c, yc - r);
        slot_half_circle(xc + c, yc, r, 3 * PI / 2, add);
        add(xc - c, yc + r);
    }
    grf_out(" 18 %d%s\n", 34, pts.c_str());
    grf_bbox_add(xc - (w - h) / 2, yc - h / 2);
    grf_bbox_add(xc + (w - h) / 2, yc + h / 2);
}

static void framed(double x, double y, double f, const char* text)
{
    size_t len = text ? std::strlen(text) : 0;
    double g = f * (len >= 2 ? 0.8 * double(len) : double(len));
    grf_push_state();
    grf_fill_blank();
    grf_filled_rectangle(x - g, y - f, x + g, y + f);
    grf_rectangle(x - g, y - f, x + g, y + f);
    grf_text_centred(x, y, text ? text : "");
    grf_pop_state();
}

void grf_framed_text(double x, double y, double th, const char* text)
{
    grf_out(" 13 %lf\n", th);
    framed(x, y, (th / G().sy) * 0.8, text);
}

void grf_framed_number(double x, double y, double th, int n)
{
    char buf[32];
    c_snprintf(buf, sizeof buf, "%d", n);
    grf_framed_text(x, y, th, buf);
}

void grf_framed_label(double x, double y, double th, double scale, const char* text)
{
    grf_out(" 4 %d\n", 2);
    if (scale == 0) scale = 1;
    framed(x, y, (th / scale) * 0.8, text);
}

void grf_circled_text(double x, double y, double th, double scale, const char* text)
{
    size_t len = text ? std::strlen(text) : 0;
    if (scale == 0) scale = 1;
    grf_push_state();
    grf_out(" 38 %d %s %d\n", 0, " ", 0);
    grf_fill_blank();
    grf_out(" 4 %d\n", 2);
    double D = double(len) * (th / scale) * 1.52;
    if (len < 2) D *= 1.5;
    grf_filled_circle(x, y, D);
    grf_arc(x, y, D, 0, 360);
    grf_text_centred(x, y, text ? text : "");
    grf_pop_state();
}

void grf_circled_number(double x, double y, double th, double scale, int n)
{
    char buf[32];
    c_snprintf(buf, sizeof buf, "%d", n);
    grf_circled_text(x, y, th, scale, buf);
}

void grf_fill_pattern_sheet(FILE* stream)
{
    if (!stream) return;
    oli_text(stream, "\xCE" "bAuswahl an F\x81llmustern zur Schichtdarstelllung im Ausdruck:");
    grf_begin_block_plain(stream, 0, 26, 15, 0, 1, 1);
    double x0 = 0, y0 = 0;
    for (int i = 0; i <= 64; ++i) {
        grf_set_fill_pattern(i);
        grf_filled_rectangle(x0, y0, x0 + 2.5, y0 + 2);
        grf_rectangle(x0, y0, x0 + 2.5, y0 + 2);
        grf_fill_blank();
        grf_filled_rectangle(x0 + 1, y0 + 0.75, x0 + 1.5, y0 + 1.25);
        char num[16];
        c_snprintf(num, sizeof num, "%d", i);
        grf_label_middle_centre(x0 + 1.25, y0 + 1, num);
        if (x0 >= 12.5 - 1e-9) {
            x0 = 0;
            y0 += 2;
        } else {
            x0 += 2.5;
        }
    }
    c_fprintf(stream, " -1\n");
}

void grf_test_view()
{
    FILE* f = open_prefixed_file(".TMP", "w");
    if (!f) return;
    grf_fill_pattern_sheet(f);
    std::fclose(f);
    char path[PREFIXED_NAME_MAX + 1];
    build_prefixed_name(path, ".TMP", sizeof path);
    Quick_OLI_View(get_file_prefix(), path);
}
