#include "sheets/screen_widgets.h"

#include "platform/screen/screen.h"

#include <cmath>

namespace {

// Graded colours: thresholds and two scales of three grades, unset (-1) until first used.
constexpr double kFirstOffset = 10.0;
constexpr double kFirstStep = 20.0;
double g_offset = kFirstOffset;
double g_step = kFirstStep;
int g_scale_a[3] = {-1, -1, -1};
int g_scale_b[3] = {-1, -1, -1};

void defaults_a()
{
    g_scale_a[0] = BLACK_CI;
    g_scale_a[1] = Nearest_Color_Index(132, 97, 66);
    g_scale_a[2] = Nearest_Color_Index(64, 128, 192);
}

void defaults_b()
{
    g_scale_b[0] = BLACK_CI;
    g_scale_b[1] = Nearest_Color_Index(100, 72, 49);
    g_scale_b[2] = Nearest_Color_Index(0, 0, 150);
}

void set_grade(int* scale, void (*defaults)(), int k, int colour)
{
    if (scale[0] == -1) defaults();
    if (k < 0) return;
    scale[k > 2 ? 2 : k] = colour;
}

int colour_of(int* scale, void (*defaults)(), double v)
{
    if (scale[0] == -1) defaults();
    return scale[grade_of(v)];
}

// Hue (0..1), saturation and lightness of an RGB colour in 0..1.
struct Hsl {
    double h, s, l;
};

Hsl to_hsl(double r, double g, double b)
{
    double max = std::fmax(r, std::fmax(g, b));
    double min = std::fmin(r, std::fmin(g, b));
    Hsl c{0.0, 0.0, (max + min) / 2.0};
    double delta = max - min;
    if (c.l <= 0.0 || delta == 0.0) return c;
    c.s = c.l <= 0.5 ? delta / (max + min) : delta / (2.0 - max - min);
    double rc = (max - r) / delta, gc = (max - g) / delta, bc = (max - b) / delta;
    if (r == max) c.h = g == min ? 5.0 + bc : 1.0 - gc;
    else if (g == max) c.h = b == min ? 1.0 + rc : 3.0 - bc;
    else c.h = r == min ? 3.0 + gc : 5.0 - rc;
    c.h /= 6.0;
    if (c.h == 1.0) c.h = 0.0;
    return c;
}

int to_byte(double component)
{
    return (int)std::round(component * 255.0);   // half away from zero, not limited to 255
}

} // namespace

int screen_rgb_lighten(int* red, int* green, int* blue, int percent)
{
    Hsl c = to_hsl(*red / 255.0, *green / 255.0, *blue / 255.0);
    double l = c.l * (1.0 + percent / 100.0);
    double m2 = l <= 0.5 ? l * (1.0 + c.s) : l + c.s - l * c.s;
    if (m2 <= 0.0) {
        *red = *green = *blue = 0;
        return 0;
    }
    double m1 = 2.0 * l - m2;
    int sextant = (int)(6.0 * c.h);
    double f = 6.0 * c.h - sextant;
    double v = m2 * ((m2 - m1) / m2) * f;
    double r, g, b;
    switch (sextant) {
    case 0: r = m2; g = m1 + v; b = m1; break;
    case 1: r = m2 - v; g = m2; b = m1; break;
    case 2: r = m1; g = m2; b = m1 + v; break;
    case 3: r = m1; g = m2 - v; b = m2; break;
    case 4: r = m1 + v; g = m1; b = m2; break;
    default: r = m2; g = m1; b = m2 - v; break;
    }
    *red = to_byte(r);
    *green = to_byte(g);
    *blue = to_byte(b);
    return *green;
}

int lighten_colour(int colour_index, int percent)
{
    int r = 0, g = 0, b = 0;
    pxQCR(colour_index, &r, &g, &b);
    screen_rgb_lighten(&r, &g, &b, percent);
    return Nearest_RGB_Color(r, g, b);
}

void grade_reset_thresholds(void)
{
    g_offset = kFirstOffset;
    g_step = kFirstStep;
}

void grade_set_offset(double value) { g_offset = value; }
void grade_set_step(double value) { g_step = value; }
int grade_threshold(int k) { return (int)(k * g_step + g_offset); }

int grade_of(double v)
{
    if (v >= g_offset + 2.0 * g_step) return 2;
    if (v >= g_offset + g_step) return 1;
    return 0;
}

void grade_colours_reset(void)
{
    defaults_a();
    defaults_b();
}

void grade_set_colour_a(int k, int colour_index) { set_grade(g_scale_a, defaults_a, k, colour_index); }
void grade_set_colour_b(int k, int colour_index) { set_grade(g_scale_b, defaults_b, k, colour_index); }
int grade_colour_a(double v) { return colour_of(g_scale_a, defaults_a, v); }
int grade_colour_b(double v) { return colour_of(g_scale_b, defaults_b, v); }
