#include "sheets/screen_drawing.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "helpers/plane_geometry.h"
#include "platform/os/c_numeric.h"
#include "helpers/rounding.h"
#include "platform/screen/fonts.h"
#include "platform/screen/screen.h"
#include "sheets/form_state.h"
#include "sheets/view_areas.h"

namespace {

struct ScreenTransform {
    double x0 = 0, y0 = 0, angle = 0, sx = 1.0, sy = 1.0;
};
ScreenTransform g_t;
int g_width = 1;
int g_style = 0;

constexpr int CIRCLE_STEPS = 72;
constexpr double VERTICAL_TOLERANCE = 0.00001;
constexpr int DOTS[16] = {0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0};
constexpr int MESH[16] = {0x0810, 0x0660, 0x9189, 0x6006, 0x0810, 0x0660, 0x9189, 0x6006,
                          0x0810, 0x0660, 0x9189, 0x6006, 0x0810, 0x0660, 0x9189, 0x6006};
constexpr int LINES[16] = {0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111,
                           0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111};
constexpr double TEXT_HEIGHT = 12, SUPERSCRIPT_HEIGHT = 8.4;

void pixel(double x, double y, int* px, int* py)
{
    screen_world_to_pixel(&x, &y);
    *px = form_round(x);
    *py = form_round(y);
}

void fill_points(int n, const double* xs, const double* ys)
{
    if (n < 1) return;
    int* px = new int[n];
    int* py = new int[n];
    for (int i = 0; i < n; ++i) pixel(xs[i], ys[i], &px[i], &py[i]);
    pxFill(n, px, py);
    delete[] px;
    delete[] py;
}

void circle_points(double cx, double cy, double r, double* xs, double* ys)
{
    for (int i = 0; i < CIRCLE_STEPS; ++i) {
        double a = i * 2 * M_PI / CIRCLE_STEPS;
        xs[i] = cx + r * std::cos(a);
        ys[i] = cy + r * std::sin(a);
    }
}

}  // namespace

void screen_set_transform(double x0, double y0, double angle, double sx, double sy)
{
    g_t = ScreenTransform{x0, y0, angle, sx, sy};
}
double screen_x_scale(void) { return g_t.sx; }
double screen_y_scale(void) { return g_t.sy; }

void screen_world_to_pixel(double* x, double* y)
{
    if (x && y) {
        double c = std::cos(g_t.angle), s = std::sin(g_t.angle);
        double dx = *x - g_t.x0, dy = *y - g_t.y0;
        *x = g_t.sx * (c * dx + s * dy);
        *y = g_t.sy * (c * dy - s * dx);
    } else if (x) {
        *x *= g_t.sx;
    } else if (y) {
        *y *= g_t.sy;
    }
}

void screen_pixel_to_world(double* x, double* y)
{
    double c = std::cos(g_t.angle), s = std::sin(g_t.angle);
    double u = *x / g_t.sx, v = *y / g_t.sy;
    *x = u * c + g_t.x0 - v * s;
    *y = u * s + v * c + g_t.y0;
}

double screen_distance(double x1, double y1, double x2, double y2)
{
    screen_world_to_pixel(&x1, &y1);
    screen_world_to_pixel(&x2, &y2);
    return std::hypot(x2 - x1, y2 - y1);
}

void screen_pattern_dots(void) { pxSUFA(DOTS); }
void screen_pattern_mesh(void) { pxSUFA(MESH); }
void screen_pattern_lines(void) { pxSUFA(LINES); }
void screen_set_line_width(int width) { g_width = width; }
void screen_set_line_style(int style)
{
    pxSLn(style);
    g_style = style;
}
int screen_line_style(void) { return g_style; }

void screen_dot(double x, double y)
{
    int px, py;
    pixel(x, y, &px, &py);
    int r = form_round(g_width / 2.0);
    if (r <= 1) {
        pxDot(px, py);
        return;
    }
    int xs[CIRCLE_STEPS], ys[CIRCLE_STEPS];
    for (int i = 0; i < CIRCLE_STEPS; ++i) {
        double a = i * 2 * M_PI / CIRCLE_STEPS;
        xs[i] = form_round(px + r * std::cos(a));
        ys[i] = form_round(py + r * std::sin(a));
    }
    pxFill(CIRCLE_STEPS, xs, ys);
}

void screen_line(double x1, double y1, double x2, double y2)
{
    int a, b, c, d;
    pixel(x1, y1, &a, &b);
    pixel(x2, y2, &c, &d);
    if (g_width <= 0) return;
    if (g_width == 1) {
        pxLine(a, b, c, d);
    } else if (g_width > 3 || g_style == 0) {
        pxTkLn(a, b, c, d, g_width);
    } else {
        bool vertical_offsets = d - b < c - a;
        for (int k = 1; k >= 2 - g_width; --k) {
            pxSLn(g_style);
            if (vertical_offsets)
                pxLine(a, b + k, c, d + k);
            else
                pxLine(a + k, b, c + k, d);
        }
    }
}

void screen_bar(double x1, double y1, double x2, double y2, double width, const int* pattern)
{
    double angle = std::fabs(x2 - x1) < VERTICAL_TOLERANCE ? M_PI / 2 : std::atan((y2 - y1) / (x2 - x1));
    double s = std::sin(angle) * width / 2, c = std::cos(angle) * width / 2;
    double xs[4] = {x1 - s, x2 - s, x2 + s, x1 + s}, ys[4] = {y1 + c, y2 + c, y2 - c, y1 - c};
    if (pattern) pxSUFA(pattern);
    fill_points(4, xs, ys);
    if (pattern) pxSFA(0);
}

void screen_rectangle(double x1, double y1, double x2, double y2)
{
    const double xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2};
    screen_polygon(4, xs, ys);
}

void screen_rectangle_centred(double cx, double cy, double w, double h)
{
    screen_rectangle(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
}

void screen_fill_rectangle(double x1, double y1, double x2, double y2)
{
    int a, b, c, d;
    pixel(x1, y1, &a, &b);
    pixel(x2, y2, &c, &d);
    pxRect(a, b, c, d);
}

void screen_fill_rectangle_centred(double cx, double cy, double w, double h)
{
    screen_fill_rectangle(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
}

void screen_erase_rectangle(double x1, double y1, double x2, double y2)
{
    int previous = pxQFgc();
    pxFgc(-1);
    screen_fill_rectangle(x1, y1, x2, y2);
    pxFgc(previous);
}

void screen_circle(double cx, double cy, double r)
{
    double xs[CIRCLE_STEPS], ys[CIRCLE_STEPS];
    circle_points(cx, cy, r, xs, ys);
    screen_polygon(CIRCLE_STEPS, xs, ys);
}

void screen_disc(double cx, double cy, double r)
{
    double xs[CIRCLE_STEPS], ys[CIRCLE_STEPS];
    circle_points(cx, cy, r, xs, ys);
    fill_points(CIRCLE_STEPS, xs, ys);
}

void screen_polygon(int n, const double* xs, const double* ys)
{
    for (int i = 0; i < n; ++i) screen_line(xs[i], ys[i], xs[(i + 1) % n], ys[(i + 1) % n]);
}

void screen_fill_polygon(int n, const double* xs, const double* ys) { fill_points(n, xs, ys); }

void screen_arrow(double x1, double y1, double x2, double y2, double head_length, double head_width, int filled)
{
    double length = std::hypot(x2 - x1, y2 - y1);
    double h = std::min(head_length, length), b = std::min(head_width, h);
    double g = static_cast<double>(line_angle(x1, y1, x2, y2));
    double xs[2] = {x1, x2}, ys[2] = {y1, y2};
    rotate_scale_points(xs, ys, 2, 0, 0, g, 1);
    double bx[2] = {xs[1] - h, xs[1] - h}, by[2] = {ys[1] + b / 2, ys[1] - b / 2};
    rotate_scale_points(bx, by, 2, 0, 0, -g, 1);
    screen_line(x1, y1, x2, y2);
    if (filled) {
        double tx[3] = {x2, bx[0], bx[1]}, ty[3] = {y2, by[0], by[1]};
        fill_points(3, tx, ty);
    } else {
        screen_line(bx[0], by[0], x2, y2);
        screen_line(bx[1], by[1], x2, y2);
    }
}

void screen_axes(double ax, double ay, const char* x_label, const char* y_label, double x_length, double y_length,
                 double angle, double scale)
{
    double ex[1] = {x_length / scale}, ey[1] = {y_length / scale};
    unrotate_scale_points(ex, ey, 1, ax, ay, angle, 1);
    screen_arrow(ax, ay, ex[0], ay, 10 / scale, 8 / scale, 1);
    screen_arrow(ax, ay, ax, ey[0], 10 / scale, 8 / scale, 1);
    Pop_RFont(FORM_FONT_NORMAL);
    int px, py;
    pixel(ax + 6 / scale, ey[0], &px, &py);
    if (y_label) pxText(px, py, y_label, static_cast<int>(std::strlen(y_label)));
    pixel(ex[0], ay - 6 / scale, &px, &py);
    if (x_label) pxText(px, py, x_label, static_cast<int>(std::strlen(x_label)));
    Push_RFont();
}

void screen_dimension_line(int kind, double x1, double y1, double x2, double y2, const char* text,
                           const char* superscript, double offset)
{
    text = text ? text : "";
    superscript = superscript ? superscript : "";
    pxExpF(0.7);
    pxSpac(0.1);
    pxOrnt(0, 0);
    pxChH(TEXT_HEIGHT);
    double w = pxQGTX(text, static_cast<int>(std::strlen(text)));
    pxChH(SUPERSCRIPT_HEIGHT);
    w += pxQGTX(superscript, static_cast<int>(std::strlen(superscript)));
    if (kind == 0) {
        double u = 0;
        screen_pixel_to_world(&u, &y1);
        u = 0;
        screen_pixel_to_world(&u, &y2);
    } else if (kind == 1) {
        double v = 0;
        screen_pixel_to_world(&x1, &v);
        v = 0;
        screen_pixel_to_world(&x2, &v);
    }
    double g = static_cast<double>(line_angle(x1, y1, x2, y2));
    double xs[2] = {x1, x2}, ys[2] = {y1, y2};
    rotate_scale_points(xs, ys, 2, 0, 0, g, 1);
    double asx = std::fabs(g_t.sx), asy = std::fabs(g_t.sy);
    double t = 5 / asx;
    double r = xs[1] >= xs[0] ? t : -t, m = xs[1] >= xs[0] ? 1 : -1;
    double tx = (xs[0] + xs[1]) / 2, ty = ys[0] + 10 / asy;
    double px[8] = {xs[0] - r, xs[1] + r, xs[0], xs[0], xs[1], xs[1], tx, tx - m * (w / 2) / asx};
    double py[8] = {ys[0], ys[1], ys[0] - t, ys[0] + offset / asy, ys[1] - t, ys[1] + offset / asy, ty,
                    ty + m * (offset / asy) / 2};
    rotate_scale_points(px, py, 8, 0, 0, -g, 1);
    int ix[8], iy[8];
    for (int i = 0; i < 8; ++i) pixel(px[i], py[i], &ix[i], &iy[i]);
    for (int i = 0; i < 6; i += 2) pxLine(ix[i], iy[i], ix[i + 1], iy[i + 1]);
    pxOrnt(M_PI - g, 0);
    pxChH(TEXT_HEIGHT);
    pxGBTt(ix[6], iy[6], text, static_cast<int>(std::strlen(text)), 210);
    pxChH(SUPERSCRIPT_HEIGHT);
    pxGBTt(ix[7], iy[7], superscript, static_cast<int>(std::strlen(superscript)), 210);
}

int screen_dimension_text(double length, char* text, int text_size, char* superscript, int superscript_size)
{
    double l = static_cast<double>(round_to_decimals(length, 3));
    superscript[0] = '\0';
    if (l < 0.01) return 0;
    double cm = 100 * l;
    int n = static_cast<int>(cm + 0.0001);
    double f = static_cast<double>(round_to_decimals(cm - n, 2));
    bool half = f >= 0.25 && f < 0.74999;
    if (l < 1) {
        if (half)
            std::snprintf(text, text_size, "%d", n);
        else
            c_snprintf(text, text_size, "%.0f", cm);
    } else {
        if (round_to_decimals(f - 0.75, 2) >= 0) ++n;
        c_snprintf(text, text_size, "%.2f", n / 100.0);
    }
    if (half) std::snprintf(superscript, superscript_size, "5");
    return 1;
}

void screen_dimension(int kind, double x1, double y1, double x2, double y2, double offset)
{
    char text[32], superscript[4];
    if (!screen_dimension_text(std::hypot(x2 - x1, y2 - y1), text, sizeof text, superscript, sizeof superscript))
        return;
    screen_dimension_line(kind, x1, y1, x2, y2, text, superscript, offset);
}

void screen_text(double x, double y, const char* text, int font, int bold)
{
    int px, py;
    pixel(x, y, &px, &py);
    int n = text ? static_cast<int>(std::strlen(text)) : 0;
    Pop_RFont(font);
    pxText(px, py, text ? text : "", n);
    if (bold) pxText(px + 1, py, text ? text : "", n);
    Push_RFont();
}

void screen_text_plain(double x, double y, const char* text, int font) { screen_text(x, y, text, font, 0); }
void screen_text_bold(double x, double y, const char* text, int font) { screen_text(x, y, text, font, 1); }

void screen_text_right(double x, double y, const char* text, int font)
{
    int px, py;
    pixel(x, y, &px, &py);
    int n = text ? static_cast<int>(std::strlen(text)) : 0;
    Pop_RFont(font & ~FORM_BOLD);
    int w = text_pixel_width(text ? text : "", n);
    Push_RFont();
    int start = px - (w + ((font & FORM_BOLD) ? 2 : 0)) + 2;
    Pop_RFont(font);
    pxText(start, py, text ? text : "", n);
    Push_RFont();
}

void screen_text_aligned(double x, double y, const char* text, int font, int vertical, int horizontal)
{
    int px, py;
    pixel(x, y, &px, &py);
    int h = horizontal == 1 ? 4 : horizontal == 4 ? 2 : 1;
    int v = vertical == 0 ? 0 : vertical == 4 ? 8 : 24;
    Pop_RFont(font);
    pxBTxt(px - 5, py - 5, px + 5, py + 5, text ? text : "", text ? static_cast<int>(std::strlen(text)) : 0,
           200 + h + v);
    Push_RFont();
}
