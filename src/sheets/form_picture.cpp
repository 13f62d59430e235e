#include "sheets/form_picture.h"

#include <cmath>
#include <vector>

#include "helpers/plane_geometry.h"
#include "platform/screen/screen.h"
#include "sheets/form_state.h"
#include "sheets/view_areas.h"

namespace {

struct PictureTransform {
    double x0 = 0, y0 = 0, angle = 0, scale = 1.0;
};
PictureTransform g_transform;
int g_line_style = 1;

constexpr double ARC_STEP = 0.0872664626;   // 5 degrees
constexpr int CIRCLE_STEPS = 72;
constexpr double DIMENSION_OVERHANG = 5;    // pixels past the end points

struct SharedPolygon {
    std::vector<int> x, y;
};
SharedPolygon g_polygon;

void to_pixel(double x, double y, int* px, int* py)
{
    form_world_to_pixel(&x, &y);
    *px = form_round(x);
    *py = form_round(y);
}

int line_item(double x1, double y1, double x2, double y2)
{
    int a, b, c, d;
    to_pixel(x1, y1, &a, &b);
    to_pixel(x2, y2, &c, &d);
    return sva_add_line(form_current_sheet(), a, b, c, d, form_get_text_colour());
}

void polyline(int n, const double* xs, const double* ys)
{
    for (int i = 0; i < n; ++i) form_draw_thin_line(xs[i], ys[i], xs[(i + 1) % n], ys[(i + 1) % n]);
}

}  // namespace

void form_set_picture_transform(double x0, double y0, double angle, double scale)
{
    g_transform = PictureTransform{x0, y0, angle, scale};
}

double form_picture_scale(void) { return g_transform.scale; }

void form_world_to_pixel(double* x, double* y)
{
    double p = g_transform.scale * *x - g_transform.x0;
    double q = g_transform.scale * *y - g_transform.y0;
    double c = std::cos(g_transform.angle), s = std::sin(g_transform.angle);
    *x = c * p + s * q;
    *y = c * q - s * p;
}

void form_pixel_to_world(double* x, double* y)
{
    double c = std::cos(g_transform.angle), s = std::sin(g_transform.angle);
    double px = *x, py = *y;
    *x = (px * c + g_transform.x0 - py * s) / g_transform.scale;
    *y = (px * s + py * c + g_transform.y0) / g_transform.scale;
}

double form_pixel_distance(double x1, double y1, double x2, double y2)
{
    form_world_to_pixel(&x1, &y1);
    form_world_to_pixel(&x2, &y2);
    return std::hypot(x2 - x1, y2 - y1);
}

void form_set_line_style(int style) { g_line_style = style; }

int form_draw_thin_line(double x1, double y1, double x2, double y2)
{
    if (g_line_style != 1) return 0;
    return line_item(x1, y1, x2, y2);
}

void form_draw_rectangle(double x1, double y1, double x2, double y2)
{
    const double xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2};
    polyline(4, xs, ys);
}

int form_fill_box(double x1, double y1, double x2, double y2)
{
    int a, b, c, d;
    to_pixel(x1, y1, &a, &b);
    to_pixel(x2, y2, &c, &d);
    return sva_add_box(form_current_sheet(), a, b, c, d, form_get_background());
}

void form_draw_circle(double cx, double cy, double r)
{
    double px = cx + r, py = cy;
    for (int i = 1; i <= CIRCLE_STEPS; ++i) {
        double a = i * 2 * M_PI / CIRCLE_STEPS;
        double nx = i == CIRCLE_STEPS ? cx + r : cx + r * std::cos(a);
        double ny = i == CIRCLE_STEPS ? cy : cy + r * std::sin(a);
        form_draw_thin_line(px, py, nx, ny);
        px = nx;
        py = ny;
    }
}

void form_draw_arc(double cx, double cy, double r, double start, double end)
{
    if (!(end > start)) return;
    if (end - start > 2 * M_PI) end = start + 2 * M_PI;
    double px = cx + r * std::cos(start), py = cy + r * std::sin(start);
    for (double a = start + ARC_STEP; a < end; a += ARC_STEP) {
        double nx = cx + r * std::cos(a), ny = cy + r * std::sin(a);
        form_draw_thin_line(px, py, nx, ny);
        px = nx;
        py = ny;
    }
}

void form_draw_polygon(int n, const double* xs, const double* ys) { polyline(n, xs, ys); }

void form_fill_disc(double cx, double cy, double r)
{
    double d = r < 10 ? M_PI / 32 : r < 100 ? M_PI / 64 : M_PI / 128;
    for (double t = 0; t < M_PI / 2; t += d)
        form_fill_box(cx + r * std::sin(t), cy + r * std::cos(t), cx - r * std::sin(t), cy - r * std::cos(t));
}

void form_fill_polygon(int n, const double* xs, const double* ys)
{
    if (n < 0) n = 0;
    g_polygon.x.assign(n, 0);
    g_polygon.y.assign(n, 0);
    int min_x = 0, min_y = 0;
    for (int i = 0; i < n; ++i) {
        to_pixel(xs[i], ys[i], &g_polygon.x[i], &g_polygon.y[i]);
        if (g_polygon.x[i] < min_x) min_x = g_polygon.x[i];
        if (g_polygon.y[i] < min_y) min_y = g_polygon.y[i];
    }
    sva_add_graphics(form_current_sheet(), 0, 0, min_x, min_y, nullptr, form_fill_polygon_shifted);
}

void form_fill_polygon_shifted(int x1, int y1, int x2, int y2, void*)
{
    pxFgc(form_get_background());
    std::vector<int> xs(g_polygon.x), ys(g_polygon.y);
    for (size_t i = 0; i < xs.size(); ++i) {
        xs[i] += x1;
        ys[i] += y1;
    }
    if (!xs.empty()) pxFill(static_cast<int>(xs.size()), xs.data(), ys.data());
    pxLine(x1, y1, x2, y2);
}

void form_draw_dimension_line(int kind, double x1, double y1, double x2, double y2, double offset)
{
    auto to_world_x = [](double* v) { double w = 0; form_pixel_to_world(v, &w); };
    auto to_world_y = [](double* v) { double w = 0; form_pixel_to_world(&w, v); };
    if (kind == 1 || kind == 3) { to_world_x(&x1); to_world_x(&x2); }
    if (kind == 0 || kind == 3) { to_world_y(&y1); to_world_y(&y2); }
    double s = g_transform.scale;
    double e = DIMENSION_OVERHANG / s, o = offset / s;
    double g = static_cast<double>(line_angle(x1, y1, x2, y2));
    double xs[2] = {x1, x2}, ys[2] = {y1, y2};
    rotate_scale_points(xs, ys, 2, 0, 0, g, 1);
    double r = xs[1] >= xs[0] ? e : -e;
    double px[6] = {xs[0] - r, xs[1] + r, xs[0], xs[0], xs[1], xs[1]};
    double py[6] = {ys[0], ys[1], ys[0] - e, ys[0] + o, ys[1] - e, ys[1] + o};
    rotate_scale_points(px, py, 6, 0, 0, -g, 1);
    for (int i = 0; i < 6; i += 2) line_item(px[i], py[i], px[i + 1], py[i + 1]);
}

int form_label_underlined(int x, int y, const char* text, const int* active)
{
    if (form_current_sheet() < 0) return 0;
    int w = text_width_in_font(text, form_get_font_flags());
    form_draw_thin_line(x - 2, y + 3, x + w + 2, y + 3);
    return form_label(x, y, text, active) + 4;
}

int form_label_on_box(int x, int y, const char* text, const int* active)
{
    if (form_current_sheet() < 0) return 0;
    int w = text_width_in_font(text, form_get_font_flags());
    form_fill_box(x - 3, y + 5, x + w + 3, y - 12);
    return form_label(x, y, text, active) + 6;
}

int form_label_emphasised_on_box(int x, int y, const char* text, const int* active)
{
    if (form_current_sheet() < 0) return 0;
    int flags = form_get_font_flags();
    int w = text_width_in_font(text, flags);
    form_fill_box(x - 3, y + 5, x + w + 3, y - 12);
    int colour = (active == nullptr || *active) ? form_get_text_colour() : form_inactive_colour();
    sva_add_text(form_current_sheet(), x, y, text, flags | FORM_EMPHASISED, colour, 0);
    return text_width_in_font(text, flags | FORM_EMPHASISED) + 6;
}
