#include "output/grf_dimension.h"
#include "platform/os/c_numeric.h"
#include "output/grf_shapes.h"
#include "output/grf_state.h"
#include "helpers/mem_counted.h"
#include "helpers/messages.h"
#include "helpers/plane_geometry.h"
#include "helpers/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr double PI = 3.141592653589793;
const int kScales[18] = {5, 10, 25, 50, 75, 100, 125, 150, 175, 200, 250, 300, 350, 400, 500, 750, 1000, 1500};

double rd(double x, int n) { return double(round_to_decimals(x, n)); }

double distance(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

// Placement rule shared by the cm and mm formatters.
void choose_placement(int* placement, double* fit, bool fits, double v, double f)
{
    if (*placement == -2 || *placement == 2) {
        if (!fits) *placement = *placement < 0 ? -1 : 1;
        else *placement = 0;
        *fit = 0;
    } else if (*placement == -1 || *placement == 1) {
        *fit = f * v;
    } else {
        *placement = 0;
        *fit = f * v;
    }
}

void free_points(PtrArr* list)
{
    if (!list) return;
    for (int i = 0; i < ptrarr_count(list); ++i) std::free(ptrarr_item_at(list, i));
    ptrarr_clear(list);
}

int by_x_desc(const void* a, const void* b)
{
    double d = static_cast<const GrfPoint*>(a)->x - static_cast<const GrfPoint*>(b)->x;
    return d > 0 ? -1 : (d < 0 ? 1 : 0);
}
int by_x_asc(const void* a, const void* b) { return -by_x_desc(a, b); }
int by_y_desc(const void* a, const void* b)
{
    double d = static_cast<const GrfPoint*>(a)->y - static_cast<const GrfPoint*>(b)->y;
    return d > 0 ? -1 : (d < 0 ? 1 : 0);
}
int by_y_asc(const void* a, const void* b) { return -by_y_desc(a, b); }

double dimension_pair(const char* unit, double x1, double y1, double x2, double y2, double s, double divisor,
                      int placement)
{
    if (unit && std::memcmp(unit, "cm", 3) == 0) return grf_dimension_cm_nonzero(x1, y1, x2, y2, s, divisor, placement);
    if (unit && std::memcmp(unit, "mm", 3) == 0) return grf_dimension_mm(x1, y1, x2, y2, s, placement);
    return grf_dimension_value(x1, y1, x2, y2, s);
}

// Where a chain puts the text of a span too short for it. Set beside its span, across the chain,
// the text would lie on the drawing's lines (the beam's end, the next chain); it goes along the
// chain instead: past the chain's end for the first and the last span, into the longer neighbour
// for a span inside. A placement of the caller other than 0 is kept.
int chain_placement(const std::vector<std::pair<double, double>>& spans, size_t i, int placement)
{
    if (placement != 0) return placement;
    if (i == 0) return -2;
    if (i + 1 == spans.size()) return 2;
    const auto length = [&](size_t k) { return std::fabs(spans[k].second - spans[k].first); };
    return length(i - 1) >= length(i + 1) ? -2 : 2;
}

} // namespace

void grf_set_dimension_style(int flags) { grf_state().dim_style = flags; }

double grf_dimension_line(double x1, double y1, double x2, double y2, double s, const char* text,
                          const char* sup, double fit, int placement)
{
    GrfState& g = grf_state();
    const double rotation = g.rotation;
    grf_turn(&x1, &y1);
    grf_turn(&x2, &y2);
    double L = rd(distance(x1, y1, x2, y2), 2);
    if (L < 0.01) return 0;
    g.rotation = 0;
    grf_push_state();
    grf_out(" 4 %d\n", 1);
    plot_set_pen(1);
    grf_out(" 38 %d %s %d\n", 0, " ", 0);
    plot_set_linetype(0);

    double a = double(line_angle(x1, y1, x2, y2));
    double c = std::cos(a), n = std::sin(a);
    double sx = g.sx, sy = g.sy;
    grf_line(x1 - s * c / sx, y1 - s * n / sy, x2 + s * c / sx, y2 + s * n / sy);
    double px[2] = {x1, x2}, py[2] = {y1, y2};
    for (int e = 0; e < 2; ++e) {
        if (g.dim_style & (e == 0 ? 1 : 2)) continue;
        grf_line(px[e] - 4 * s * n / sx, py[e] + 4 * s * c / sy, px[e] + 2 * s * n / sx, py[e] - 2 * s * c / sy);
    }
    for (int e = 0; e < 2; ++e) {
        if (g.dim_style & (e == 0 ? 1 : 2)) continue;
        if (g.dim_style & 8) {
            grf_fill_blank();
            grf_filled_circle(px[e], py[e], 0.075 / sx);
            grf_arc(px[e], py[e], 0.075 / sx, 0, 360);
        } else {
            double b = a + PI / 4, k = 0.5656854249492381 * s * 1.5;
            double dx = std::cos(b) * k / sx, dy = std::sin(b) * k / sy;
            if (g.downward) dy = -dy;
            grf_line(px[e] - dx, py[e] - dy, px[e] + dx, py[e] + dy);
        }
    }
    double ta = (a + (g.downward ? PI : 0)) * g.sign;
    while (ta > 2 * PI) ta -= 2 * PI;
    g.text_angle = ta;
    plot_set_font(2);
    grf_out(" 13 %lf\n", 2.1 * s);
    grf_out(" 8 %d\n", 6);

    const char* t = text ? text : "";
    double len = double(std::strlen(t));
    double u = 0.8 / sy * 2 * s;
    double tx, ty, result = 0;
    double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    if (fit > L && placement == 0) {
        double factor = g.stagger ? 4.0 : 2.8;
        g.stagger = !g.stagger;
        double d = factor / sy * 2 * s;
        tx = mx - d * n;
        ty = my + d * c;
        result = factor == 4.0 ? 3.2 : 2;
    } else {
        g.stagger = 0;
        if (placement == -1) {
            tx = x1 - u * n - len * s * c / sx;
            ty = y1 + u * c - len * s * n / sy;
        } else if (placement == 1) {
            tx = x2 - u * n + len * s * c / sx;
            ty = y2 + u * c + len * s * n / sy;
        } else {
            tx = mx - u * n;
            ty = my + u * c;
        }
    }
    grf_text_centred(tx, ty, t);
    if (sup && *sup) {
        double h = 2.1 * s;
        grf_out(" 13 %lf\n", 0.75 * h);
        double q = 0.25 * h / sy, p = g.sign * 0.4 * h * len / sx;
        grf_text(tx - q * n + p * c, ty + q * c + p * n, sup);
    }
    grf_pop_state();
    g.rotation = rotation;
    return result;
}

void grf_dimension_cm_text(double length, double f, char* text, char* sup)
{
    double g = rd(length / std::fabs(f), 1);
    double i = std::floor(g + 0.0001);
    double r = g - i;
    sup[0] = 0;
    if (f < 0) {
        c_snprintf(sup, 16, "%.0lf", 10 * r);
    } else if (r >= 0.74999) {
        g = std::round(g);
        r = 0;
    } else if (r >= 0.25) {
        std::strcpy(sup, "5");
    }
    g -= r;
    if (g < 100) c_snprintf(text, 32, "%.0f", g);
    else c_snprintf(text, 32, "%.2f", g * 0.01);
}

double grf_dimension_cm(int placement, double x1, double y1, double x2, double y2, double s, double f)
{
    char text[32], sup[16];
    grf_dimension_cm_text(distance(x1, y1, x2, y2), f, text, sup);
    double g = rd(distance(x1, y1, x2, y2) / std::fabs(f), 1);
    f = std::fabs(f);
    double v = s * 2 * double(std::strlen(text)) / (f * grf_state().smax);
    double fit = 0;
    choose_placement(&placement, &fit, !(g < v), v, f);
    return grf_dimension_line(x1, y1, x2, y2, s, text, sup, fit, placement);
}

double grf_dimension_cm_nonzero(double x1, double y1, double x2, double y2, double s, double f, int placement)
{
    if (f > -1e-5 && f < 1e-5) return 0;
    return grf_dimension_cm(placement, x1, y1, x2, y2, s, f);
}

int grf_dimension_value_text(double length, char* text, char* sup)
{
    double g = rd(length, 3);
    text[0] = sup[0] = 0;
    if (g < 0.01) return 0;
    double h = 100 * g;
    int i = int(h + 0.0001);
    double r = h - i;
    double r2 = rd(r, 2);
    bool half = r2 >= 0.25 && r2 < 0.74999;
    if (g < 1) {
        c_snprintf(text, 32, "%.0f", h);
        if (half) {
            std::strcpy(sup, "5");
            c_snprintf(text, 32, "%d", i);
        }
    } else {
        if (rd(r - 0.75, 2) >= 0) i += 1;
        c_snprintf(text, 32, "%.2f", 0.01 * i);
        if (half) std::strcpy(sup, "5");
    }
    return 1;
}

double grf_dimension_value(double x1, double y1, double x2, double y2, double s)
{
    char text[32], sup[16];
    if (!grf_dimension_value_text(distance(x1, y1, x2, y2), text, sup)) return 0;
    double fit = s * 1.68 * double(std::strlen(text)) / grf_state().sx;
    return grf_dimension_line(x1, y1, x2, y2, s, text, sup, fit, 0);
}

void grf_dimension_mm_text(double length, char* text, char* sup)
{
    double g = rd(length, 1);
    double i = std::floor(g + 0.0001);
    if (g - i < 0.05) std::strcpy(sup, " ");
    else c_snprintf(sup, 16, "%.0lf", 10 * (g - i));
    c_snprintf(text, 32, "%.0f", i);
}

double grf_dimension_mm(double x1, double y1, double x2, double y2, double s, int placement)
{
    char text[32], sup[16];
    double length = distance(x1, y1, x2, y2);
    grf_dimension_mm_text(length, text, sup);
    double i = std::floor(rd(length, 1) + 0.0001);
    double v = s * 2 * double(std::strlen(text)) / grf_state().smax;
    double fit = 0;
    choose_placement(&placement, &fit, !(i < v), v, 1.0);
    return grf_dimension_line(x1, y1, x2, y2, s, text, sup, fit, placement);
}

double grf_dimension_mm_offset(double x1, double y1, double x2, double y2, double e, double s, int placement)
{
    double a = std::atan2(y2 - y1, x2 - x1);
    double dx = -std::sin(a) * e, dy = std::cos(a) * e;
    return grf_dimension_mm(x1 + dx, y1 + dy, x2 + dx, y2 + dy, s, placement);
}

void grf_dimension_projected(int n, const double* xs, const double* ys, double x1, double y1, double x2, double y2,
                             double s)
{
    if (n < 2 || !xs || !ys) return;
    double* px = nullptr;
    double* py = nullptr;
    mem_copy_doubles(n, &px, xs);
    mem_copy_doubles(n, &py, ys);
    project_points_onto_line(n, px, py, x1, y1, x2, y2);
    std::vector<int> idx(static_cast<size_t>(n));
    bool by_y = rd(x1, 5) == rd(x2, 5);
    sort_index_by_value_dir(n, by_y ? py : px, idx.data(), by_y ? (y2 > y1) : (x2 > x1));
    for (int k = 0; k + 1 < n; ++k) {
        int a = idx[size_t(k)], b = idx[size_t(k + 1)];
        if (distance(px[a], py[a], px[b], py[b]) < 0.01) continue;
        char text[32], sup[16];
        grf_dimension_value_text(distance(px[a], py[a], px[b], py[b]), text, sup);
        double fit = s * 1.68 * double(std::strlen(text)) / grf_state().sx;
        grf_dimension_line(px[a], py[a], px[b], py[b], s, text, sup, fit, 0);
    }
    mem_free_and_null(&px);
    mem_free_and_null(&py);
}

int grf_point_list_add(PtrArr* list, double x, double y)
{
    if (!list) return 0;
    GrfPoint* p = static_cast<GrfPoint*>(std::malloc(sizeof(GrfPoint)));
    if (!p) return 0;
    p->x = x;
    p->y = y;
    if (!ptrarr_insert(list, ptrarr_count(list), p) && ptrarr_item_at(list, ptrarr_count(list) - 1) != p) {
        std::free(p);
        return 0;
    }
    return 1;
}

double grf_dimension_chain(PtrArr* list, const char* unit, int direction, double position, double s, double divisor,
                           int placement)
{
    if (!list) return 0;
    double result = 0;
    // A chain consumes its list on every road, even when it draws nothing.
    if (ptrarr_count(list) >= 2 && direction >= 0 && direction <= 3) {
        static const PtrArrCompare cmp[4] = {by_x_desc, by_y_desc, by_x_asc, by_y_asc};
        ptrarr_sort(list, cmp[direction]);
        // the spans of the chain, coincident points left out
        std::vector<std::pair<double, double>> spans;
        const bool along_x = direction == 0 || direction == 2;
        for (int i = 0; i + 1 < ptrarr_count(list); ++i) {
            const GrfPoint* a = static_cast<const GrfPoint*>(ptrarr_item_at(list, i));
            const GrfPoint* b = static_cast<const GrfPoint*>(ptrarr_item_at(list, i + 1));
            if (!a || !b) continue;
            const double u = along_x ? a->x : a->y, v = along_x ? b->x : b->y;
            if (std::fabs(u - v) < 1e-5) continue;
            spans.emplace_back(u, v);
        }
        for (size_t i = 0; i < spans.size(); ++i) {
            const double u = spans[i].first, v = spans[i].second;
            const int at = chain_placement(spans, i, placement);
            const double r = along_x ? dimension_pair(unit, u, position, v, position, s, divisor, at)
                                     : dimension_pair(unit, position, u, position, v, s, divisor, at);
            if (r > result) result = r;
        }
    }
    free_points(list);
    return result;
}

double grf_dimension_chain_rotated(PtrArr* list, const char* unit, double x, double y, double angle, double s,
                                   double divisor, int placement)
{
    if (!list) return 0;
    double result = 0;
    int n = ptrarr_count(list);
    if (n >= 2) {
        double ox = x, oy = y;
        rotate_scale_points(&ox, &oy, 1, 0, 0, angle, 1.0);
        std::vector<GrfPoint> pts;
        for (int i = 0; i < n; ++i) {
            const GrfPoint* p = static_cast<const GrfPoint*>(ptrarr_item_at(list, i));
            if (!p) continue;
            double px = p->x, py = p->y;
            rotate_scale_points(&px, &py, 1, 0, 0, angle, 1.0);
            pts.push_back({px, oy});
        }
        std::sort(pts.begin(), pts.end(), [](const GrfPoint& a, const GrfPoint& b) { return a.x < b.x; });
        for (GrfPoint& p : pts) unrotate_scale_points(&p.x, &p.y, 1, 0, 0, angle, 1.0);
        for (size_t i = 0; i + 1 < pts.size(); ++i) {
            double r = dimension_pair(unit, pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y, s, divisor, placement);
            if (r > result) result = r;
        }
    }
    free_points(list);
    return result;
}

int grf_scale_denominator(int index) { return (index >= 0 && index < 18) ? kScales[index] : 0; }

int grf_choose_scale(double w, double h, double ow, double oh)
{
    double q = std::min(h / (100 * oh), w / (100 * ow));
    for (int i = 0; i < 18; ++i)
        if (q > 1.0 / kScales[i]) return i;
    msg_set_mode(0);
    msg_print("Ben\x94tigter Ma\xE1stab f\x81r Darstellung in der Druckliste zu klein!\n"
              "  -> Geometriedaten \x81" "berpr\x81" "fen und korrigieren.");
    return -1;
}
