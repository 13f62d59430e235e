#include "output/grf_diagrams.h"
#include "platform/os/c_numeric.h"
#include "output/grf_shapes.h"
#include "output/grf_state.h"
#include "helpers/mem_counted.h"
#include "helpers/plane_geometry.h"
#include "helpers/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr double PI = 3.141592653589793;

GrfState& G() { return grf_state(); }

int tick_decimals(double step)
{
    double r = double(round_to_decimals(step, 2));
    return r < 0.1 ? 2 : (r < 1 ? 1 : 0);
}

// Ticks at -step, -2 step ... above `lo` and at step, 2 step ... below `hi`; 0 gets none.
template <class Draw>
void chart_ticks(double lo, double hi, double step, Draw draw)
{
    if (!(step > 0)) return;
    for (int k = 1; k < 100000 && -k * step > lo; ++k) draw(-k * step);
    for (int k = 1; k < 100000 && k * step < hi; ++k) draw(k * step);
}

void head(double x0, double y0, double x1, double y1, double x2, double y2)
{
    if (!G().fill_enabled) return;
    double xs[3] = {x0, x1, x2}, ys[3] = {y0, y1, y2};
    grf_triangle(xs, ys);
}

int value_diagram(double x1, double y1, double x2, double y2, const double* pos, double p1, double p2,
                  const double* values, int n, const char* title, const char* unit, double th, bool even)
{
    if (!title) title = "";
    if (!unit) unit = "";
    double left = x1 + th - 0.04;
    double bottom = *unit ? y1 + 1.3 * th : y1;
    if (n < 2 || n > 100 || !values || (!even && !pos)) return 0;
    double pmin = 0, span = 0;
    if (even) {
        if (p2 - p1 < 0.1) return 0;
    } else {
        pmin = *std::min_element(pos, pos + n);
        span = *std::max_element(pos, pos + n) - pmin;
        if (span < 0.1) return 0;
    }
    if (x2 - left < 0.1 || y2 - bottom < 0.1) return 0;
    grf_push_state();
    // the caller's values stay as given, also when all are equal
    std::vector<double> v(values, values + n), ys(size_t(n) + 0);
    for (int i = 0; i < n; ++i)
        ys[size_t(i)] = even ? bottom + i * (y2 - bottom) / (n - 1) : bottom + (y2 - bottom) * (pos[i] - pmin) / span;
    double F = *std::min_element(v.begin(), v.end()), Gm = *std::max_element(v.begin(), v.end());
    bool any_negative = F < 0, any_positive = Gm > 0;
    bool empty = false;
    if (Gm - F <= 1e-5) {
        if (Gm > 0) F = 0;
        else if (F < 0) Gm = 0;
        else empty = true;
    }
    auto xv = [&](double val) { return left + (x2 - left) * (val - F) / (Gm - F); };
    double base = (F < 0 && Gm > 0) ? xv(0) : (F >= 0 ? left : x2);
    double ylow = *std::min_element(ys.begin(), ys.end()), ytop = *std::max_element(ys.begin(), ys.end());

    grf_set_fill_pattern(11);
    grf_out(" 6 %lf\n", 0.015);
    if (!empty) {
        std::vector<double> px, py;
        px.push_back(base);
        py.push_back(ys[0]);
        for (int i = 0; i < n; ++i) {
            px.push_back(xv(v[size_t(i)]));
            py.push_back(ys[size_t(i)]);
        }
        px.push_back(base);
        py.push_back(ys[size_t(n - 1)]);
        if (G().fill_enabled) grf_polygon(n + 2, px.data(), py.data());
        grf_polyline(n + 2, px.data(), py.data());
    }
    grf_out(" 6 %lf\n", 0.04);
    grf_line(base, ylow, base, ytop);
    grf_line(left, ytop, x2, ytop);

    grf_out(" 6 %lf\n", 0.01);
    grf_out(" 8 %d\n", 6);
    grf_out(" 13 %lf\n", 0.8 * th);
    double h = (Gm - F) / 2, u = 1, step = 0;
    char fmt[16] = "%.0lf";
    if (h > 1e-7) {
        if (h < 1) {
            int d = 0;
            while (h < 1 && d < 1000) {
                h *= 10;
                ++d;
            }
            u = std::pow(10.0, -d);
            c_snprintf(fmt, sizeof fmt, "%%.%dlf", d > 15 ? 15 : d);
        } else if (h > 10) {
            int k = 0;
            while (h > 10 && k < 10000) {
                h /= 10;
                ++k;
            }
            u = std::pow(10.0, k);
        }
        step = std::floor(h + 0.0001) * u;
    }
    double label_y = ytop + 0.08 + 0.4 * th;
    auto tick = [&](double val) {
        char text[64];
        c_snprintf(text, sizeof text, fmt, val);
        double x = xv(val);
        grf_text_centred(x, label_y, text);
        grf_line(x, ytop - 0.06, x, ytop + 0.06);
    };
    if (F < 0 && Gm > 0) grf_text_centred(base, label_y, "0");
    if (step > 0 && !empty) {
        const double eps = 1e-9 * std::max(1.0, std::fabs(step));
        for (int k = 1; k < 100000 && -k * step >= F - eps; ++k)
            if (-k * step < Gm) tick(-k * step);
        for (int k = 1; k < 100000 && k * step <= Gm + eps; ++k)
            if (k * step > F) tick(k * step);
    }

    grf_out(" 7 %d\n", 7);
    grf_fill_blank();
    grf_out(" 23 %d %d\n", 1, 0);
    double tx = !any_negative ? left - 0.8 * th - 0.04
                              : (!any_positive ? x2 + 0.8 * th + 0.04 : base - 0.8 * th - 0.04);
    double ty = (ylow + ytop) / 2;
    if (even) {
        grf_label_vertical(tx, ty, title);
    } else {
        grf_out(" 13 %lf\n", th);
        grf_set_text_angle(PI / 2);
        grf_text_centred(tx, ty, title);
        grf_set_text_angle(0);
    }
    if (*unit) {
        if (even) grf_label_middle_centre((left + x2) / 2, ylow - 0.95 * th, unit);
        else grf_text_centred((left + x2) / 2, ylow - 0.95 * th, unit);
    }
    grf_pop_state();
    return 1;
}

} // namespace

void grf_diagram_init(MemberDiagram* d, int n)
{
    if (!d) return;
    std::memset(d, 0, sizeof *d);
    d->pattern = 11;
    d->base_line = 1;
    d->style = 2;
    d->count = n;
    if (n > 0) {
        d->positions = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * n));
        d->values = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * n));
    }
    d->scale = 1.0;
    d->label_offset = 0.3;
    d->decimals = 2;
    d->side = 1;
}

void grf_diagram_copy(MemberDiagram* to, const MemberDiagram* from)
{
    if (!to || !from || to == from) return;
    double* pos = to->positions;
    double* val = to->values;
    std::memcpy(to, from, sizeof *to);
    to->name[sizeof to->name - 1] = 0;
    to->positions = pos;
    to->values = val;
    if (from->count > 0 && from->positions && from->values) {
        mem_copy_doubles(from->count, &to->positions, from->positions);
        mem_copy_doubles(from->count, &to->values, from->values);
    } else {
        mem_free_and_null(&to->positions);
        mem_free_and_null(&to->values);
        if (from->count > 0) to->count = 0;   // a source without arrays has no stations to copy
    }
}

void grf_diagram_free(MemberDiagram* d)
{
    if (!d) return;
    mem_free_and_null(&d->positions);
    mem_free_and_null(&d->values);
}

void grf_member_diagram(const MemberDiagram* d)
{
    if (!d || d->count <= 0 || !d->positions || !d->values) return;
    GrfState& s = G();
    double L = std::hypot(d->end_x - d->start_x, d->end_y - d->start_y);
    if (L * s.sy < 0.1) return;
    int n = d->count;
    double* px = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * (n + 2)));
    double* py = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * (n + 2)));
    double* bx = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * n));
    double* by = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * n));
    double* lx = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * n));
    double* ly = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * n));
    double a = double(line_angle(d->start_x, d->start_y, d->end_x, d->end_y));
    double sign = d->side ? -1.0 : 1.0;
    for (int i = 0; i < n; ++i) {
        double x = std::min(d->positions[i], L);
        double o = sign * d->scale * d->values[i];
        bx[i] = x;
        by[i] = 0;
        px[i] = x;
        py[i] = o;
        lx[i] = x;
        ly[i] = o + (o < 0 ? -1 : 1) * d->label_offset / s.sy;
    }
    px[n] = L;
    py[n] = 0;
    px[n + 1] = 0;
    py[n + 1] = 0;
    unrotate_scale_points(px, py, n + 2, d->start_x, d->start_y, a, 1.0);
    unrotate_scale_points(bx, by, n, d->start_x, d->start_y, a, 1.0);
    unrotate_scale_points(lx, ly, n, d->start_x, d->start_y, a, 1.0);

    grf_set_dash(0);
    grf_out(" 4 %d\n", 1);
    if (d->pattern >= 0) grf_set_fill_pattern(d->pattern);
    if (s.fill_enabled) grf_polygon(n + 2, px, py);
    grf_polyline(n + 2, px, py);

    char fmt[16];
    c_snprintf(fmt, sizeof fmt, "%%.%df", d->decimals < 0 ? 0 : (d->decimals > 15 ? 15 : d->decimals));
    bool rising = true;   // the values before the first station count as rising
    for (int i = 0; i < n; ++i) {
        grf_line(bx[i], by[i], px[i], py[i]);
        bool turn = false;
        if (i + 1 < n) {
            double next = d->values[i + 1], here = d->values[i];
            bool out = next > here ? true : (next < here ? false : rising);
            turn = out != rising;
            rising = out;
        }
        if (i == 0 || i == n - 1 || turn) grf_label_aligned(lx[i], ly[i], 4, 4, fmt, d->values[i]);
        if (turn) {
            double mx = (bx[i] + px[i]) / 2, my = (by[i] + py[i]) / 2;
            grf_fill_blank();
            grf_filled_circle(mx, my, 0.25 / s.sy);
            grf_out(" 4 %d\n", 1);
            grf_arc(mx, my, 0.25 / s.sy, 0, 360);
            grf_text_centred(mx, my, d->values[i] < 0 ? "-" : "+");
        }
    }
    grf_set_dash(0);
    grf_out(" 4 %d\n", 3);
    grf_line(d->start_x, d->start_y, d->end_x, d->end_y);
    if (d->base_line) {
        double off = 0.1 / s.sy;
        double xs[2] = {0, L}, ys[2] = {-off, -off};
        unrotate_scale_points(xs, ys, 2, d->start_x, d->start_y, a, 1.0);
        grf_out(" 4 %d\n", 1);
        grf_set_dash(1);
        grf_line(xs[0], ys[0], xs[1], ys[1]);
    }
    for (double** p : {&px, &py, &bx, &by, &lx, &ly}) mem_free_and_null(p);
}

void grf_bold_label_at(double x, double y, const char* text)
{
    GrfState& s = G();
    grf_plot("-opengroup\n");
    grf_label_at(x, y, text);
    grf_label_at(x + 0.01 / s.sx, y, text);
    grf_label_at(x, y + 0.01 / s.sy, text);
    grf_label_at(x + 0.01 / s.sx, y + 0.01 / s.sy, text);
    grf_plot("-closegroup\n");
}

ChartFrame* grf_chart_init(ChartFrame* c)
{
    if (!c) return c;
    std::memset(c, 0, sizeof *c);
    c->width = c->height = 5.0;
    c->top = c->right = c->bottom = c->left = 0.5;
    c->x_max = c->y_max = 100;
    c->y_axis_side = 1;
    c->x_step = c->y_step = -1;
    return c;
}

int grf_axis(FILE* stream, const ChartFrame* c)
{
    GrfState& s = G();
    s.chart_valid = 1;
    if (!c || round_to_decimals(c->x_max - c->x_min, 3) <= 0 || round_to_decimals(c->y_max - c->y_min, 3) <= 0) {
        s.chart_valid = 0;
        return 1;
    }
    double sx = (c->width - c->left - c->right) / (c->x_max - c->x_min);
    double sy = (c->height - c->top - c->bottom) / (c->y_max - c->y_min);
    double ex1 = c->x_min - c->left / sx, ex2 = c->x_max + c->right / sx;
    double ey1 = c->y_min - c->bottom / sy, ey2 = c->y_max + c->top / sy;
    if (c->y_axis_side != 1) std::swap(ex1, ex2);
    if (c->x_axis_side != 0) std::swap(ey1, ey2);
    grf_begin_block_plain(stream, ex1, ey1, ex2, ey2, sx, sy);

    grf_out(" 13 %lf\n", 0.25);
    grf_out(" 16 %lf\n", 2.0);
    grf_set_dash(0);
    grf_line(c->x_min, 0, c->x_max, 0);
    double tip = c->x_max + 0.2 / sx;
    head(tip, 0, c->x_max, 0.1 / sy, c->x_max, -0.1 / sy);
    grf_text_aligned(tip + 0.1 / sx, 0, 4, c->y_axis_side == 3 ? 1 : 3, "%s", c->x_title);
    if (c->x_step > 0) {
        char fmt[8];
        c_snprintf(fmt, sizeof fmt, "%%.%df", tick_decimals(c->x_step));
        grf_out(" 13 %lf\n", 0.2);
        chart_ticks(c->x_min, c->x_max, c->x_step, [&](double t) {
            if (c->x_axis_side) grf_text_aligned(t, 1.5 * 0.1 / sy, 2, 4, fmt, t);
            else grf_text_aligned(t, -2 * 0.1 / sy, 0, 4, fmt, t);
            grf_out(" 4 %d\n", 2);
            grf_set_dash(0);
            grf_line(t, -0.1 / sy, t, 0.1 / sy);
            if (c->grid) {
                grf_out(" 4 %d\n", 1);
                grf_set_dash(2);
                grf_line(t, c->y_min, t, c->y_max);
            }
        });
    }

    grf_out(" 4 %d\n", 2);
    grf_out(" 13 %lf\n", 0.25);
    grf_set_dash(0);
    grf_line(0, c->y_min, 0, c->y_max);
    tip = c->y_max + 0.2 / sy;
    head(0, tip, -0.1 / sx, c->y_max, 0.1 / sx, c->y_max);
    grf_text_aligned(0, tip + 0.05 / sy, c->x_axis_side == 2 ? 0 : 2, 4, "%s", c->y_title);
    if (c->y_step > 0) {
        char fmt[8];
        c_snprintf(fmt, sizeof fmt, "%%.%df", tick_decimals(c->y_step));
        grf_out(" 13 %lf\n", 0.2);
        chart_ticks(c->y_min, c->y_max, c->y_step, [&](double t) {
            if (c->y_axis_side == 1) grf_text_aligned(-1.5 * 0.1 / sx, t, 4, 1, fmt, t);
            else grf_text_aligned(1.5 * 0.1 / sx, t, 4, 3, fmt, t);
            grf_out(" 4 %d\n", 2);
            grf_set_dash(0);
            grf_line(-0.1 / sx, t, 0.1 / sx, t);
            if (c->grid) {
                grf_out(" 4 %d\n", 1);
                grf_set_dash(2);
                grf_line(c->x_min, t, c->x_max, t);
            }
        });
    }
    return 0;
}

void grf_chart_end()
{
    if (G().chart_valid) grf_out(" -1\n");
}

void grf_curve_block(FILE* stream, int n, const double* xs, const double* ys, int fx, int fy, double w, double h)
{
    GrfState& s = G();
    if (!s.chart_valid || !stream || n < 1 || !xs || !ys) return;
    double xmin = std::min(0.0, *std::min_element(xs, xs + n)), xmax = std::max(0.0, *std::max_element(xs, xs + n));
    double ymin = std::min(0.0, *std::min_element(ys, ys + n)), ymax = std::max(0.0, *std::max_element(ys, ys + n));
    if (xmax - xmin <= 0 || ymax - ymin <= 0) return;   // no scale for a curve without extent
    double sx = w / (xmax - xmin), sy = h / (ymax - ymin);
    // Block extents are user coordinates: the 1 cm margin round the curve is 1/sx and 1/sy of them.
    // (xmin * sx - 1 would mix page centimetres into user units and miss the curve at other scales.)
    double x1 = xmin - 1 / sx, x2 = xmax + 1 / sx, y1 = ymin - 1 / sy, y2 = ymax + 1 / sy;
    if (fx != 1) std::swap(x1, x2);
    if (fy) std::swap(y1, y2);
    grf_write_block_header(stream, x1, y1, x2, y2, sx, sy, 0.0, nullptr);
    s.rotation = 0;
    s.text_angle = 0;
    s.sign = 1.0;
    grf_line(xmin, 0, xmax, 0);
    grf_line(0, ymin, 0, ymax);
    for (int i = 0; i + 1 < n; ++i) grf_line(xs[i], ys[i], xs[i + 1], ys[i + 1]);
    grf_out(" -1\n");
}

int grf_value_diagram(double x1, double y1, double x2, double y2, const double* positions, const double* values,
                      int n, const char* title, const char* unit, double th)
{
    return value_diagram(x1, y1, x2, y2, positions, 0, 0, values, n, title, unit, th, false);
}

int grf_value_diagram_even(double x1, double y1, double x2, double y2, double p1, double p2, const double* values,
                           int n, const char* title, const char* unit, double th)
{
    return value_diagram(x1, y1, x2, y2, nullptr, p1, p2, values, n, title, unit, th, true);
}
