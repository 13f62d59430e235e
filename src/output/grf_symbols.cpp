#include "output/grf_symbols.h"
#include "platform/os/c_numeric.h"
#include "output/grf_shapes.h"
#include "output/grf_state.h"
#include "helpers/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr double PI = 3.141592653589793;
constexpr double RAD = 0.017453292519943295;

GrfState& G() { return grf_state(); }
double fx() { return G().x_dir == 1 ? 1.0 : -1.0; }
double fy() { return G().y_dir == 0 ? 1.0 : -1.0; }

void fill_shape(int n, double* xs, double* ys)
{
    if (G().fill_enabled) grf_polygon(n, xs, ys);
}

void filled_band(double x1, double y1, double x2, double y2, int pattern, int filling)
{
    grf_set_fill_pattern(pattern);
    plot_set_filling(filling);
    if (G().fill_enabled) grf_filled_rectangle(x1, y1, x2, y2);
    grf_rectangle(x1, y1, x2, y2);
}

std::string trimmed_text(const char* format, va_list ap)
{
    char buf[255];
    buf[0] = 0;
    if (format) c_vsnprintf(buf, sizeof buf, format, ap);
    std::string t = buf;
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
}

// A line written to the plot file only (the hatching of a strip).
void plot_line(double x1, double y1, double x2, double y2)
{
    GrfState& s = G();
    if (!s.plot) return;
    grf_turn(&x1, &y1);
    grf_turn(&x2, &y2);
    grf_plot("-line @%d ( @%d %lf %lf ) #%d %d %d 1 0.0\n", s.entity_id, s.point_id, x1, grf_plot_y(y1),
             s.point_id + 1, s.pen, s.linetype);
    grf_plot("-point @%d %lf %lf\n", s.point_id + 1, x2, grf_plot_y(y2));
    s.entity_id += 1;
    s.point_id += 2;
}

// Shelf and leader of the leader texts; returns true when the leader goes to the shelf end.
bool leader(double x1, double y1, double x2, double y2, double xe)
{
    bool to_end = std::hypot(x2 - x1, y2 - y1) > std::hypot(xe - x1, y2 - y1);
    grf_line(x1, y1, to_end ? xe : x2, y2);
    grf_line(x2, y2, xe, y2);
    return to_end;
}

void fastener_head(double x0, double x1, double y, double s)
{
    bool down = G().y_dir == 2;
    filled_band(x0, y - s / 2, x1, y - s / 4, down ? 1 : 19, down ? 4 : 1);
    filled_band(x0, y - s / 4, x1, y + s / 4, 11, 3);
    filled_band(x0, y + s / 4, x1, y + s / 2, down ? 19 : 1, down ? 1 : 4);
}

void centre_line(double x1, double x2, double y)
{
    grf_out(" 6 %lf\n", 0.015);
    grf_set_dash(3);
    plot_set_linetype(2);
    grf_line(x1, y, x2, y);
}

void hexagon(double x, double y, double r, int pattern, int filling)
{
    double c = 0.866 * r;   // 0.433 s for the circumradius s/2
    double xs[6] = {x, x - c, x - c, x, x + c, x + c};
    double ys[6] = {y + r, y + r / 2, y - r / 2, y - r, y - r / 2, y + r / 2};
    grf_set_fill_pattern(pattern);
    plot_set_filling(filling);
    fill_shape(6, xs, ys);
    grf_polyline(6, xs, ys);
}

void pin_pen()
{
    grf_out(" 6 %lf\n", 0.035);
    grf_set_dash(0);
    plot_set_pen(3);
    plot_set_linetype(0);
}

} // namespace

void grf_level_mark(double x, double y, const char* text, int filled, double s)
{
    GrfState& g = G();
    grf_push_state();
    double xs[3] = {x, x - 0.16 * s * fx() / g.sx, x + 0.16 * s * fx() / g.sx};
    double ys[3] = {y, y + 0.22 * s * fy() / g.sy, y + 0.22 * s * fy() / g.sy};
    grf_set_fill_pattern(filled ? 64 : 0);
    fill_shape(3, xs, ys);
    grf_polyline(3, xs, ys);
    grf_out(" 13 %lf\n", 0.24 * s);
    grf_set_text_angle(0);
    grf_text(x - 0.14 * s * fx() / g.sx, y + 0.33 * s * fy() / g.sy, text ? text : "");
    grf_pop_state();
}

void grf_level_mark_ground(double x, double y, const char* text, double s)
{
    GrfState& g = G();
    grf_level_mark(x, y, text, 1, s);
    double ax = s * fx() / g.sx, ay = s * fy() / g.sy;
    grf_line(x - 0.16 * ax, y - 0.08 * ay, x + 0.16 * ax, y - 0.08 * ay);
    grf_line(x - 0.1 * ax, y - 0.16 * ay, x + 0.1 * ax, y - 0.16 * ay);
}

void grf_level_mark_two_texts(double x, double y, double length, const char* text, const char* text2, int pattern,
                              double s)
{
    GrfState& g = G();
    double ax = s * fx() / g.sx, ay = s * fy() / g.sy;
    grf_push_state();
    grf_out(" 6 %lf\n", 0.035 * s);
    grf_set_fill_pattern(pattern);
    double xs[3] = {x, x - 0.16 * ax, x + 0.16 * ax}, ys[3] = {y, y + 0.22 * ay, y + 0.22 * ay};
    grf_polyline(3, xs, ys);
    fill_shape(3, xs, ys);
    grf_line(x - 0.17 * ax, y, x + length * ax, y);
    grf_out(" 13 %lf\n", 0.24 * s);
    grf_set_text_angle(0);
    grf_text(x - 0.14 * ax, y + 0.33 * ay, text ? text : "");
    grf_out(" 13 %lf\n", 0.2 * s);
    grf_out(" 8 %d\n", 0);
    grf_out(" 6 %lf\n", 0.02 * s);
    grf_out(" 16 %lf\n", 0.05 * s / g.sx);
    grf_text(x + 0.25 * ax, y + 0.1 * ay, text2 ? text2 : "");
    grf_pop_state();
}

void grf_support_triangle(double x, double y, double angle, int pattern, int hinge, int base, double s)
{
    GrfState& g = G();
    double a = 0.08 * s, b = 0.15 * s;
    // triangle, then the base line 0.04 s below it
    double xs[5] = {0, -a * fx() / g.sx, a * fx() / g.sx, -a * fx() / g.sx, a * fx() / g.sx};
    double ys[5] = {0, -b * fy() / g.sy, -b * fy() / g.sy, -(b + 0.04 * s) * fy() / g.sy,
                    -(b + 0.04 * s) * fy() / g.sy};
    unrotate_scale_points(xs, ys, 5, x, y, -angle * RAD, 1.0);
    grf_push_state();
    grf_set_fill_pattern(pattern);
    fill_shape(3, xs, ys);
    grf_out(" 6 %lf\n", 0.015 * s);
    grf_polyline(3, xs, ys);
    if (base) grf_line(xs[3], ys[3], xs[4], ys[4]);
    if (hinge) {
        double d = 0.065 * s / g.sx;
        grf_fill_blank();
        grf_arc(x, y, d, 0, 360);
        grf_filled_circle(x, y, d);
    }
    grf_pop_state();
}

void grf_fixed_support_hatch(double x, double y, double angle, double s)
{
    GrfState& g = G();
    double half = 0.15 * s / g.sx, up = 0.1 * s / g.sy, gap = 2 * half / 6;
    double xs[14], ys[14];
    xs[0] = -half;
    ys[0] = 0;
    xs[1] = half;
    ys[1] = 0;
    for (int i = 0; i < 6; ++i) {
        xs[2 + 2 * i] = -half + i * gap;
        ys[2 + 2 * i] = 0;
        xs[3 + 2 * i] = -half + (i + 1) * gap;
        ys[3 + 2 * i] = up;
    }
    unrotate_scale_points(xs, ys, 14, x, y, -angle * RAD, 1.0);
    grf_push_state();
    grf_out(" 6 %lf\n", 0.015 * s);
    grf_line(xs[0], ys[0], xs[1], ys[1]);
    grf_out(" 4 %d\n", 1);
    for (int i = 0; i < 6; ++i) grf_line(xs[2 + 2 * i], ys[2 + 2 * i], xs[3 + 2 * i], ys[3 + 2 * i]);
    grf_pop_state();
}

void grf_fastener_symbol(int n, int type, double s, double x, double y, double e)
{
    (void)n;
    bool down = G().y_dir == 2;
    double dy = down ? -1 : 1;
    grf_push_state();
    grf_out(" 6 %lf\n", 0.02);
    switch (type) {
    case 0:
    case 1: {
        bool upper = type == 1;
        double px0 = upper ? x : x - 4, px1 = upper ? x + 4 : x;
        grf_set_fill_pattern(1);
        plot_set_linetype(0);
        plot_set_pen(1);
        plot_set_filling(4);
        if (G().fill_enabled) grf_filled_rectangle(px0, y - s / 2 - 4, px1, y + s / 2 + 4);
        grf_rectangle(px0, y - s / 2 - 4, px1, y + s / 2 + 4);
        if (upper) {
            fastener_head(x + 4, x + 4 + s / 2, y, s);
            grf_set_fill_pattern(20);
            if (G().fill_enabled) grf_filled_rectangle(x + 4 + s / 2, y - 0.34 * s, x + 4 + s, y + 0.34 * s);
            grf_rectangle(x + 4 + s / 2, y - 0.34 * s, x + 4 + s, y + 0.34 * s);
            centre_line(x - s + 4, x + 4 + 1.5 * s, y);
        } else {
            fastener_head(x - 4 - s / 2, x - 4, y, s);
            centre_line(x - 4 - 1.5 * s, x + s - 4, y);
        }
        break;
    }
    case 2:
    case 3:
        hexagon(x, y, s / 2, 43, 3);
        if (type == 3) hexagon(x, y, s / 4, 1, 4);
        grf_out(" 6 %lf\n", 0.015);
        grf_set_dash(0);
        grf_line(x - 0.8 * s, y, x + 0.8 * s, y);
        grf_line(x, y - 0.8 * s, x, y + 0.8 * s);
        break;
    case 4:
    case 5:
        pin_pen();
        grf_line(x - s / 2, y, x + s / 2 + e, y);
        grf_line(x - s / 4, y - s / 4, x - s / 4, y + s / 4);
        grf_line(x + s / 4 + e, y - s / 4, x + s / 4 + e, y + s / 4);
        if (type == 4) {
            grf_line(x + s / 4 + e, y + s / 4 * dy, x + s / 2 + e, y + s / 2 * dy);
            grf_line(x + s / 2 + e, y + s / 2 * dy, x + 0.62 * s + e, y + 0.38 * s * dy);
        }
        break;
    case 6:
    case 7:
        pin_pen();
        grf_line(x, y - 0.6 * s, x, y + 0.6 * s);
        grf_line(x - 0.6 * s, y, x + 0.6 * s, y);
        grf_set_fill_pattern(64);
        plot_set_filling(0);
        grf_filled_circle(x, y, 0.2 * s);
        if (type == 6) {
            grf_line(x, y, x + 0.426 * s, y + 0.426 * s * dy);
            grf_line(x + 0.426 * s, y + 0.426 * s * dy, x + 0.546 * s, y + 0.246 * s * dy);
        }
        break;
    default:
        break;
    }
    grf_pop_state();
}

// Saves the state and sets the solid thin line, pen, filling and font of a leader's text.
static void push_leader_text_state()
{
    grf_push_state();
    grf_out(" 4 %d\n", 1);
    grf_set_dash(0);
    plot_set_linetype(0);
    plot_set_pen(0);
    plot_set_filling(5);
    plot_set_font(4);
}

// A leader's text stands 0.2 text heights off its shelf at y2, above it on the page.
static double leader_text_y(double y2, double th)
{
    const GrfState& g = G();
    return g.downward ? y2 - 0.2 * th / g.sy : y2 + 0.2 * th / g.sy;
}

void grf_leader_text(double x1, double y1, double x2, double y2, double th, const char* format, ...)
{
    GrfState& g = G();
    va_list ap;
    va_start(ap, format);
    std::string text = trimmed_text(format, ap);
    va_end(ap);
    double d = double(text.size());
    double xe = x2 + (th + d * th) / g.sy;
    push_leader_text_state();
    bool to_end = leader(x1, y1, x2, y2, xe);
    double ty = leader_text_y(y2, th);
    if (to_end) grf_text_aligned(xe - 0.6 * th / g.sy, ty, 2, 1, "%s", text.c_str());
    else grf_text_aligned(x2 + 0.6 * th / g.sy, ty, 2, 3, "%s", text.c_str());
    grf_pop_state();
}

void grf_leader_level_mark(double x1, double y1, double x2, double y2, int no_triangle, double th,
                           const char* format, ...)
{
    GrfState& g = G();
    va_list ap;
    va_start(ap, format);
    std::string text = trimmed_text(format, ap);
    va_end(ap);
    double d = double(text.size());
    double xe = (d + 2) * 0.82 * th / g.sy + x2;
    push_leader_text_state();
    grf_out(" 13 %lf\n", th);
    leader(x1, y1, x2, y2, xe);
    double ty = leader_text_y(y2, th);
    grf_text_aligned(x2 + 0.1 * th / g.sy, ty, 2, 3, "%s", text.c_str());
    if (!no_triangle) {
        double xt = x2 + 0.96 * d * th / g.sy, leg = th / g.sy;
        double xs[3] = {xt, xt + leg, xt}, ys[3] = {y2, y2, y2 + leg * fy()};
        grf_set_fill_pattern(1);
        plot_set_filling(0);
        fill_shape(3, xs, ys);
        grf_out(" 4 %d\n", 2);
        grf_polyline(3, xs, ys);
    }
    grf_pop_state();
}

void grf_section_line(double x1, double y1, double x2, double y2, double s, const char* label1, const char* label2)
{
    GrfState& g = G();
    grf_push_state();
    grf_out(" 6 %lf\n", 0.025);
    grf_out(" 38 %d %s %d\n", 4, "0.2 0.07 0.008 0.07", 0);
    double a = double(line_angle(x1, y1, x2, y2));
    double sn = std::sin(a), c = std::cos(a);
    double ex[2] = {x1 - 2 * s * sn / g.sx, x2 - 2 * s * sn / g.sx};
    double ey[2] = {y1 + 2 * s * c / g.sy, y2 + 2 * s * c / g.sy};
    if (label1) grf_line(ex[0], ey[0], x1, y1);
    grf_line(x1, y1, x2, y2);
    if (label2) grf_line(x2, y2, ex[1], ey[1]);
    double h = 0.26 / g.smax;
    if (s > 0) h = -h;
    grf_set_fill_pattern(64);
    grf_set_dash(0);
    const char* labels[2] = {label1, label2};
    for (int i = 0; i < 2; ++i) {
        if (!labels[i] || !g.fill_enabled) continue;
        double xs[3] = {ex[i], ex[i] - h * std::cos(a - PI / 3), ex[i] - h * std::cos(a - 2 * PI / 3)};
        double ys[3] = {ey[i], ey[i] - h * std::sin(a - PI / 3), ey[i] - h * std::sin(a - 2 * PI / 3)};
        grf_triangle(xs, ys);
    }
    grf_out(" 13 %lf\n", 0.25);
    grf_out(" 8 %d\n", 6);
    for (int i = 0; i < 2; ++i) {
        if (!labels[i] || !*labels[i]) continue;
        double m = (double(std::strlen(labels[i])) + 0.5) * 0.25 / (2.7 * g.sx);
        if (s < 0) m = -m;
        grf_text_centred(ex[i] - m * sn, ey[i] + m * c, labels[i]);
    }
    grf_pop_state();
}

void grf_hatched_strip(double x1, double y1, double x2, double y2, double w, int side)
{
    GrfState& g = G();
    double a = double(line_angle(x1, y1, x2, y2));
    double sn = std::sin(a), c = std::cos(a), ox = 0, oy = 0;
    switch (side) {
    case 0: ox = -sn, oy = -c; break;
    case 1: ox = sn, oy = c; break;
    case 2: ox = sn, oy = -c; break;
    case 3: ox = -sn, oy = c; break;
    default: break;
    }
    ox *= w;
    oy *= w;
    double xa = std::min(x1, x2), xb = std::max(x1, x2);
    double ya = std::min(y1, y2), yb = std::max(y1, y2);
    if (g.y_dir == 2) std::swap(ya, yb);
    grf_push_state();
    grf_out(" 6 %lf\n", 0.0);
    grf_out(" 38 %d %s %d\n", 2, "0.01 0.55", 0);
    grf_set_fill_pattern(45);
    double xs[4] = {xa, xb, xb + ox, xa + ox}, ys[4] = {ya, yb, yb + oy, ya + oy};
    if (g.fill_enabled) {
        FILE* plot = g.plot;   // the plot file gets the hatch strokes instead of an area
        g.plot = nullptr;
        grf_polygon(4, xs, ys);
        g.plot = plot;
    }
    double len = std::hypot(xb - xa, yb - ya);
    bool moved = ox != 0 || oy != 0;
    if (g.plot && w > 0 && moved && len > 0) {
        plot_set_linetype(0);
        plot_set_pen(0);
        double ux = (xb - xa) / len, uy = (yb - ya) / len;
        double max_x = *std::max_element(xs, xs + 4), max_y = *std::max_element(ys, ys + 4);
        const double eps = 1e-9 * std::max(1.0, w);
        for (int k = 0; k * w <= len + eps && k < 100000; ++k) {
            double sx = xa + k * w * ux, sy = ya + k * w * uy;
            double exx = sx + w * ux + ox, eyy = sy + w * uy + oy;
            if (exx > max_x + eps || eyy > max_y + eps) continue;
            plot_line(sx, sy, exx, eyy);
        }
    }
    grf_pop_state();
}

int grf_rebar_label(double x1, double y1, double x2, double y2, double s, int grade, int diameter, double spacing,
                    double area, double cover, double value, int number)
{
    static const char* const grades[3] = {"BSt 220/340", "BSt 420S", "BSt 500S"};
    static const int diameters[12] = {6, 8, 12, 14, 16, 18, 20, 22, 25, 28, 0, 0};
    double dx0 = x2 - x1, dy0 = y2 - y1;
    if (dx0 * dx0 + dy0 * dy0 < 25) return 0;
    GrfState& g = G();
    grf_push_state();
    grf_out(" 4 %d\n", 1);
    grf_set_dash(0);
    double a = double(line_angle(x1, y1, x2, y2));
    double c = std::cos(a), n = std::sin(a);
    grf_line(x1 - s * c / g.sx, y1 - s * n / g.sy, x2 + s * c / g.sx, y2 + s * n / g.sy);
    double b = a + PI / 4, k = 0.5656854249492381 * s;
    double tdx = std::cos(b) * k / g.sx * 1.5, tdy = std::sin(b) * k / g.sy * 1.5;
    for (int i = 0; i < 2; ++i) {
        double x = i ? x2 : x1, y = i ? y2 : y1;
        grf_line(x - 6 * s * n / g.sx, y + 6 * s * c / g.sy, x + 4.4 * s * n / g.sx, y - 4.4 * s * c / g.sy);
        grf_line(x - tdx, y - tdy, x + tdx, y + tdy);
    }
    grf_set_text_angle(a);
    grf_out(" 13 %lf\n", 2.1 * s);
    grf_out(" 8 %d\n", 6);
    double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    auto at_x = [&](double d) { return mx - d * n; };
    auto at_y = [&](double d) { return my + d * c; };
    char text[128];
    c_snprintf(text, sizeof text, "%5.2f cm\xFD", area);
    grf_text_centred(at_x(1.6 * s / g.sy), at_y(1.6 * s / g.sy), text);
    // indexes outside the tables give the diameter 0 and the grade "???"
    int dia = diameter >= 0 && diameter < 12 ? diameters[diameter] : 0;
    const char* grade_text = grade >= 0 && grade < 3 ? grades[grade] : "???";
    double X = at_x(4.8 * s / g.sy), Y = at_y(4.8 * s / g.sy);
    grf_out(" 27 %.1f %.1f %%FONT%%\\%s\n", g.sx * X - 8.48 * s, g.sy * Y + 1.3 * s, "DURCHM.OCM");
    c_snprintf(text, sizeof text, "   %d/%4.1f", dia, spacing);
    grf_text_centred(X, Y, text);
    grf_out(" 13 %lf\n", 1.8 * s);
    c_snprintf(text, sizeof text, "C=%.0fcm V=%.0f", cover * 100, value);
    grf_text_centred(at_x(-1.6 * s / g.sy), at_y(-1.6 * s / g.sy), text);
    if (number >= 1) c_snprintf(text, sizeof text, "%s Nr. %i", grade_text, number);
    else c_snprintf(text, sizeof text, "%s", grade_text);
    grf_text_centred(at_x(-4 * s / g.sy), at_y(-4 * s / g.sy), text);
    grf_pop_state();
    return 1;
}
