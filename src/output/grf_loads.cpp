#include "output/grf_loads.h"
#include "platform/os/c_numeric.h"
#include "output/grf_shapes.h"
#include "output/grf_state.h"
#include "helpers/plane_geometry.h"
#include "helpers/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr double PI = 3.141592653589793;
constexpr double TWO_PI = 6.283185307179586;

GrfState& G() { return grf_state(); }

// Points given in the symbol's own axes, turned by a and moved to (x, y).
void place(double* xs, double* ys, int n, double x, double y, double a)
{
    unrotate_scale_points(xs, ys, n, x, y, a, 1.0);
}

void filled_triangle(double x0, double y0, double x1, double y1, double x2, double y2)
{
    if (!G().fill_enabled) return;
    double xs[3] = {x0, x1, x2}, ys[3] = {y0, y1, y2};
    grf_triangle(xs, ys);
}

std::string vtext(const char* format, va_list ap)
{
    if (!format) return std::string();
    char buf[256];
    c_vsnprintf(buf, sizeof buf, format, ap);
    return buf;
}

double positive_angle(double a)
{
    a = std::fmod(a, TWO_PI);
    return a < 0 ? a + TWO_PI : a;
}

// Open arrow of the member loads: shaft and two head lines from the tip; the head base lies h
// back along the shaft (h may be negative) and the head is `half` wide to either side.
void open_arrow(double tx, double ty, double px, double py, double h, double half)
{
    double dx = tx - px, dy = ty - py, len = std::hypot(dx, dy);
    if (len < 1e-12) return;
    double ux = dx / len, uy = dy / len;
    double bx = px + h * ux, by = py + h * uy;
    grf_push_state();
    grf_line(px, py, tx, ty);
    grf_line(px, py, bx - half * uy, by + half * ux);
    grf_line(px, py, bx + half * uy, by - half * ux);
    grf_pop_state();
}

struct Member {
    double x1, y1, x2, y2, a, length, step;
    int k;
};

Member member_of(double x1, double y1, double x2, double y2)
{
    Member m;
    m.x1 = x1;
    m.y1 = -y1;
    m.x2 = x2;
    m.y2 = -y2;
    m.a = std::atan2(m.y2 - m.y1, m.x2 - m.x1);
    m.length = std::hypot(m.x2 - m.x1, m.y2 - m.y1);
    m.k = int(0.005 * m.length);
    if (m.k < 1) m.k = 1;   // members under 200 units get one step instead of a division by zero
    m.step = m.length / m.k;
    grf_line(m.x1, m.y1, m.x2, m.y2);
    return m;
}

void station(const Member& m, int i, double* x, double* y)
{
    *x = m.x1 + i * m.step * std::cos(m.a);
    *y = m.y1 + i * m.step * std::sin(m.a);
}

double intensity(const Member& m, int i, double q1, double q2) { return q1 - i * (q1 - q2) / m.k; }

// Row of load arrows from P1 to P2 with heights from h1 to h2 and the label in the middle.
void load_row(double x1, double y1, double x2, double y2, double h1, double h2, double th, const char* text,
              double per_cm)
{
    if (std::fabs(x1 - x2) < 1e-5) return;
    GrfState& s = G();
    int n = int(per_cm * s.smax * (x2 - x1) + 0.0001);
    int count = n < 2 ? 3 : n + 1;
    grf_push_state();
    grf_out(" 4 %d\n", 2);
    grf_set_dash(0);
    grf_set_fill_pattern(55);
    grf_out(" 13 %lf\n", th);
    grf_out(" 8 %d\n", 6);
    for (int i = 0; i < count; ++i) {
        double t = double(i) / (count - 1);
        double x = x1 + t * (x2 - x1), y = y1 + t * (y2 - y1), h = h1 + t * (h2 - h1);
        grf_push_state();
        grf_set_fill_pattern(55);
        grf_line(x, y + 0.15 * h, x, y + h);
        filled_triangle(x, y, x - 0.075 * h, y + 0.15 * h, x + 0.075 * h, y + 0.15 * h);
        grf_out(" 13 %lf\n", th);
        grf_out(" 8 %d\n", 6);
        grf_text_aligned(x, y + 1.15 * h, 0, 4, "%s", "");
        grf_pop_state();
    }
    grf_line(x1, y1, x2, y2);
    grf_line(x1, y1 + h1, x2, y2 + h2);
    grf_fill_blank();
    const char* label = text ? text : "";
    double mx = (x1 + x2) / 2, my = (y1 + y2) / 2 + (h1 + h2) / 4;
    grf_filled_rectangle_centred(mx, my, 0.75 * th / s.smax * double(std::strlen(label)), 1.3 * th / s.smax);
    grf_text_centred(mx, my, label);
    grf_pop_state();
}

void force_arrow_points(double x, double y, double a, double L, double hl, double hw, double* xs, double* ys,
                        int n)
{
    double px[6] = {0, -hl, -hl, -L, -hl, 0}, py[6] = {0, -hw / 2, hw / 2, 0, 0, 0};
    for (int i = 0; i < n; ++i) {
        xs[i] = px[i];
        ys[i] = py[i];
    }
    place(xs, ys, n, x, y, a);
}

} // namespace

void grf_force_arrow(double x, double y, double a, double L, double hl, double hw, int type)
{
    grf_push_state();
    double xs[5], ys[5];
    force_arrow_points(x, y, a, L, hl, hw, xs, ys, 5);
    switch (type) {
    case 0:
        grf_line(xs[0], ys[0], xs[3], ys[3]);
        grf_line(xs[0], ys[0], xs[1], ys[1]);
        grf_line(xs[0], ys[0], xs[2], ys[2]);
        break;
    case 1:
        grf_line(xs[4], ys[4], xs[3], ys[3]);
        grf_polyline(3, xs, ys);
        break;
    case 2:
        grf_set_fill_pattern(55);
        grf_line(xs[4], ys[4], xs[3], ys[3]);
        filled_triangle(xs[0], ys[0], xs[1], ys[1], xs[2], ys[2]);
        break;
    default:
        break;
    }
    grf_pop_state();
}

void grf_force_arrow_text(double x, double y, double a, double L, double hl, double hw, int type, double th,
                          const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string text = vtext(format, ap);
    va_end(ap);
    grf_force_arrow(x, y, a, L, hl, hw, type);
    // the text stands half a head length beyond the tail
    double tx = -L - 0.5 * hl, ty = 0;
    place(&tx, &ty, 1, x, y, a);
    double p = positive_angle(a);
    int v, h;
    if (p < PI / 4) v = 4, h = 1;
    else if (p < 3 * PI / 4) v = 2, h = 4;
    else if (p < 5 * PI / 4) v = 4, h = 3;
    else if (p < 7 * PI / 4) v = 0, h = 4;
    else v = 4, h = 1;
    grf_push_state();
    grf_out(" 13 %lf\n", th);
    grf_out(" 8 %d\n", 6);
    grf_set_text_angle(0);
    grf_text_aligned(tx, ty, v, h, "%s", text.c_str());
    grf_pop_state();
}

void grf_force_arrow_between(double x1, double y1, double x2, double y2, double hl, double hw, int type)
{
    double L = std::hypot(x2 - x1, y2 - y1);
    double a = std::atan2(y2 - y1, x2 - x1) + PI;
    grf_force_arrow(x1, y1, a, L, hl, hw, type);
}

void grf_moment_arrow(double x, double y, double r, double start, double end, double hl, double hw, int type,
                      double th, const char* text)
{
    constexpr double DEG = 57.29577951308232;
    grf_push_state();
    grf_arc(x, y, 2 * std::fabs(r), start * DEG, (end - start) * DEG);
    grf_pop_state();
    double ex = x + r * std::cos(end), ey = y + r * std::sin(end);
    double t = end + PI / 2;
    grf_force_arrow_text(ex + hl * std::cos(t), ey + hl * std::sin(t), t, hl, hl, hw, type, th, "%s",
                         text ? text : "");
}

void grf_load_arrow_vertical(double x, double y, double L, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string text = vtext(format, ap);
    va_end(ap);
    if (G().y_dir == 2) L = -L;
    double h = 0.15 * L;
    grf_push_state();
    grf_out(" 4 %d\n", 2);
    grf_set_fill_pattern(55);
    grf_line(x, y + h, x, y + L);
    filled_triangle(x, y, x + h / 2, y + h, x - h / 2, y + h);
    grf_out(" 13 %lf\n", 0.22);
    grf_out(" 8 %d\n", 6);
    grf_text_aligned(x, y + L + 1.5 * h, 4, 4, "%s", text.c_str());
    grf_pop_state();
}

void grf_load_arrow_horizontal(double x, double y, double L, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string text = vtext(format, ap);
    va_end(ap);
    double h = 0.15 * L;
    grf_push_state();
    grf_out(" 4 %d\n", 2);
    grf_set_fill_pattern(55);
    grf_line(x + h, y, x + L, y);
    filled_triangle(x, y, x + h, y + h / 2, x + h, y - h / 2);
    grf_out(" 13 %lf\n", 0.22);
    grf_out(" 8 %d\n", 6);
    grf_text_aligned(x + L + 1.5 * h, y, 2, 4, "%s", text.c_str());
    grf_pop_state();
}

void grf_uniform_load(double x1, double y1, double x2, double y2, double H, double th, const char* text)
{
    load_row(x1, y1, x2, y2, H, H, th, text, 5.0);
}

void grf_trapezoid_load(double x1, double y1, double x2, double y2, double H1, double H2, double th,
                        const char* text)
{
    load_row(x1, y1, x2, y2, H1, H2, th, text, 0.5);
}

void grf_member_load_axial(double x1, double y1, double x2, double y2, double q1, double q2)
{
    Member m = member_of(x1, y1, x2, y2);
    double h = 0.35 * m.step, half = 0.1 * m.step;
    for (int i = 0; i < m.k; ++i) {
        double q = intensity(m, i, q1, q2);
        if (q2 == 0 && std::fabs(q) <= 1e-6) break;
        double ax, ay, bx, by;
        station(m, i, &ax, &ay);
        station(m, i + 1, &bx, &by);
        if (q > 0) open_arrow(ax, ay, bx, by, h, half);
        else open_arrow(bx, by, ax, ay, h, half);
    }
}

void grf_member_load_horizontal(double x1, double y1, double x2, double y2, double q1, double q2)
{
    Member m = member_of(x1, y1, x2, y2);
    grf_line(m.x1 - q1, m.y1, m.x2 - q2, m.y2);
    for (int i = 0; i <= m.k; ++i) {
        double q = intensity(m, i, q1, q2), x, y;
        station(m, i, &x, &y);
        open_arrow(x - q, y, x, y, 0.35 * q, 0.1 * m.step);
    }
}

void grf_member_load_vertical(double x1, double y1, double x2, double y2, double q1, double q2)
{
    Member m = member_of(x1, y1, x2, y2);
    grf_line(m.x1, m.y1, m.x2, m.y2);
    grf_line(m.x1, m.y1 + q1, m.x2, m.y2 + q2);
    for (int i = 0; i <= m.k; ++i) {
        double q = intensity(m, i, q1, q2), x, y;
        station(m, i, &x, &y);
        open_arrow(x, y + q, x, y, 0.35 * std::fabs(q), 0.1 * m.step);
    }
}

void grf_member_load_normal(double x1, double y1, double x2, double y2, double q1, double q2)
{
    Member m = member_of(x1, y1, x2, y2);
    double nx = -std::sin(m.a), ny = std::cos(m.a);
    grf_line(m.x1 + q1 * nx, m.y1 + q1 * ny, m.x2 + q2 * nx, m.y2 + q2 * ny);
    for (int i = 0; i <= m.k; ++i) {
        double q = intensity(m, i, q1, q2), x, y;
        station(m, i, &x, &y);
        open_arrow(x + q * nx, y + q * ny, x, y, 0.35 * q, 0.1 * m.step);
    }
}

void grf_double_arrow_line(double x1, double y1, double x2, double y2, const char* text, const char* text2)
{
    GrfState& s = G();
    if (!text) text = "";
    if (!text2) text2 = "";
    grf_push_state();
    grf_out(" 6 %lf\n", 0.017);
    double a = std::atan2(y2 - y1, x2 - x1);
    double c = std::cos(a), sn = std::sin(a);
    double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    if (!*text) {
        double g = double(std::strlen(text2)) * 0.25 / (4 * s.smax);
        grf_line(x1, y1, mx - g * c, my - g * sn);
        grf_line(mx + g * c, my + g * sn, x2, y2);
    } else {
        grf_line(x1, y1, x2, y2);
    }
    const double spread = 0.3141592653589793, len = 0.35 / s.smax;
    for (int k = -1; k <= 1; k += 2) {
        grf_line(x1, y1, x1 + len * std::cos(a + k * spread), y1 + len * std::sin(a + k * spread));
        grf_line(x2, y2, x2 - len * std::cos(a + k * spread), y2 - len * std::sin(a + k * spread));
    }
    grf_set_text_angle(a);
    grf_out(" 13 %lf\n", 0.25);
    double d = 0.2 / s.sy;
    grf_text_centred(mx - d * sn, my + d * c, text);
    if (*text) grf_text_centred(mx + d * sn, my - d * c, text2);
    else grf_text_centred(mx, my, text2);
    grf_pop_state();
}

void grf_axes_symbol(double x, double y, const char* t1, const char* t2, double size, double a)
{
    GrfState& s = G();
    grf_push_state();
    grf_out(" 4 %d\n", 4);
    grf_set_dash(0);
    grf_set_fill_pattern(55);
    grf_out(" 13 %lf\n", std::max(0.25 * size, 0.1875));
    grf_out(" 8 %d\n", 6);
    double e = size / s.smax, f = 0.2 * e;
    // first arrow: shaft end, tip, two corners, label point; then the same for the second
    double xs[10] = {e - f / 2, e, e - f, e - f, e, 0, 0, f / 2, -f / 2, -1.5 * f};
    double ys[10] = {0, 0, f / 2, -f / 2, -1.5 * f, e - f / 2, e, e - f, e - f, e};
    place(xs, ys, 10, x, y, a);
    grf_line(x, y, xs[0], ys[0]);
    filled_triangle(xs[1], ys[1], xs[2], ys[2], xs[3], ys[3]);
    grf_label_middle_centre(xs[4], ys[4], t1);
    grf_line(x, y, xs[5], ys[5]);
    filled_triangle(xs[6], ys[6], xs[7], ys[7], xs[8], ys[8]);
    grf_label_middle_centre(xs[9], ys[9], t2);
    grf_pop_state();
}

void grf_vector_arrow(double x, double y, double size, double a, const char* text)
{
    GrfState& s = G();
    grf_push_state();
    grf_out(" 4 %d\n", 4);
    grf_set_dash(0);
    grf_set_fill_pattern(55);
    grf_out(" 13 %lf\n", 0.25 * size);
    grf_out(" 8 %d\n", 6);
    double l;
    double r = round_to_decimals(a, 4);
    if (a == 0 || a == PI) l = size / s.sx;
    else if (r == round_to_decimals(PI / 2, 4) || r == round_to_decimals(3 * PI / 2, 4)) l = size / s.sy;
    else l = size / s.smax;
    double h = 0.2 * size / s.sx, g = 0.2 * size / s.sy;
    double xs[6] = {l - h / 2, l, l - h, l - h, l + h, 0}, ys[6] = {0, 0, g / 2, -g / 2, 0, 0};
    place(xs, ys, 6, x, y, a);
    grf_line(x, y, xs[0], ys[0]);
    filled_triangle(xs[1], ys[1], xs[2], ys[2], xs[3], ys[3]);
    grf_text_centred(xs[4], ys[4], text ? text : "");
    double bx[2] = {-h / 2, h / 2}, by[2] = {0, 0};
    place(bx, by, 2, x, y, a + PI / 2);
    grf_line(bx[0], by[0], bx[1], by[1]);
    grf_pop_state();
}
