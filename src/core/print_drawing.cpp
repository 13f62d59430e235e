// View drawing of the printed calculation: the elevation of the beam with its opening and its
// reinforcement, drawn to scale into the output list with dimension chains in mm, and written at
// the same time into the plot file of the component.
#include "core/print_calculation.h"
#include "core/print_text.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"

#include "environment/ptrarr.h"
#include "fasteners/opening_formulas.h"
#include "helpers/print_helpers.h"
#include "output/grf_dimension.h"
#include "output/grf_shapes.h"
#include "output/grf_state.h"
#include "output/oli_writer.h"
#include "platform/layout/oli_layout.h"
#include "platform/os/atomic_file.h"
#include "platform/os/c_numeric.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <algorithm>
#include <cmath>

namespace {

const double kScaleCandidates[34] = {0.1,  0.25, 0.5,  1,    1.25, 1.5,  2,    2.5,  5,    10,   15,   20,
                                     25,   30,   40,   50,   60,   70,   75,   80,   90,   100,  125,  150,
                                     175,  200,  250,  500,  750,  1000, 2000, 2500, 5000, 10000};

void line_width(double w) { fprintf_if_open(grf_state().stream, " 6 %lf\n", w); }

// The drawing's units on paper are centimetres and its coordinates millimetres: at the scale 1/N
// (cm per mm) one centimetre of paper holds N mm of the beam, the scale 1 : N / 10.
const double kMmPerCm = 10.0;
// A drawing no larger than the list's line width and most of an A4 page's text height is printed
// at the size it is drawn, so that its scale holds on paper.
const double kDrawingHeightMax = 23.0;   // cm

// Radius of the rounded corners of a rectangular opening as drawn, mm.
constexpr double kCornerRadius = 30.0;

// Quarter circle of radius kCornerRadius replacing one corner of the rectangular opening: 7 points
// at 0°, 15° ... 90°, from the tangent point on the edge it comes from to the one on the next edge.
void corner(double cx, double cy, double phi0, double* xs, double* ys, int* n)
{
    const double pi = 3.14159265358979323846;
    for (int k = 0; k <= 6; ++k) {
        const double phi = (phi0 - 15.0 * k) * pi / 180.0;
        xs[*n] = cx + kCornerRadius * std::cos(phi);
        ys[*n] = cy + kCornerRadius * std::sin(phi);
        ++*n;
    }
}

}  // namespace

double view_drawing_scale(double K, double h, double breite, double hoehe, double* s_out)
{
    double s = 1.0, s1 = 0.0;
    for (int it = 1; it <= 999; ++it) {
        const double r = 1.0 / s;
        s1 = std::min(breite / (K + 2.4 * r), hoehe / (h + 1.8 * r));
        // A drawing size that leaves no positive scale has none to converge to.
        if (!(s1 > 0.0) || !std::isfinite(s1)) {
            s1 = 0.0;
            break;
        }
        if (std::fabs(s1 * r - 1.0) <= 0.0001) break;
        s = s1;
    }
    if (s_out) *s_out = s1;
    for (double n : kScaleCandidates)
        if (s1 >= 1.0 / n) return n;
    return 0.0;   // no candidate fits: no scale, never a division by zero
}

std::string view_plot_path(const std::string& list_path, const std::string& id)
{
    const std::string::size_type slash = list_path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : list_path.substr(0, slash + 1);
    return folder + id + "01.SPF";
}

namespace {

// The elevation's places (mm): the drawn length K of the beam, the opening's edges and what
// reinforces it.
struct ViewGeometry {
    bool plates, bars;
    double K, x_l, x_r, y_b, y_t;
};

ViewGeometry view_geometry(const TAVO52_DATA& d)
{
    ViewGeometry g;
    g.plates = d.verstaerkt && d.verst_typ == REINFORCEMENT_PLATES;
    g.bars = d.verstaerkt && (d.verst_typ == REINFORCEMENT_RODS || d.verst_typ == REINFORCEMENT_SCREWS);
    g.K = 3.0 * d.a;
    if (g.plates) g.K += 2.0 * d.a_r;
    if (g.bars) g.K += 2.0 * d.a_3c;
    g.x_l = (g.K - d.a) / 2.0;
    g.x_r = g.x_l + d.a;
    g.y_b = d.h_ru;
    g.y_t = d.h - d.h_ro;
    return g;
}

// The five dimension chains: p1 and p2 left of the beam (inner and outer), p3 right of it,
// p4 and p5 below it (inner and outer).
struct Chains {
    PtrArr* p[5];
};

void draw_beam(const ViewGeometry& g, double h, Chains& c)
{
    grf_set_line_rgb(255, 255, 255);
    grf_set_fill_pattern(43);
    grf_set_fill_rgb(248, 195, 62);
    double xs[4] = {0, 0, g.K, g.K}, ys[4] = {0, h, h, 0};
    grf_fill_polygon(4, xs, ys);
    grf_point_list_add(c.p[0], 0, 0);
    grf_point_list_add(c.p[0], 0, h);
    grf_point_list_add(c.p[1], 0, 0);
    grf_point_list_add(c.p[1], 0, h);
}

// Glued-on plates a_r beside and h_1 above and below the opening.
void draw_plates(const TAVO52_DATA& d, const ViewGeometry& g, Chains& c)
{
    const double l = g.x_l - d.a_r, r = g.x_r + d.a_r, lo = g.y_b - d.h_1, hi = g.y_t + d.h_1;
    double xs[4] = {l, l, r, r}, ys[4] = {lo, hi, hi, lo};
    grf_set_line_rgb(150, 112, 65);
    grf_set_fill_pattern(43);
    grf_set_fill_rgb(225, 123, 63);
    grf_fill_polygon(4, xs, ys);
    grf_set_line_rgb(0, 0, 0);
    grf_point_list_add(c.p[4], r, lo);
    line_width(0.02);
    grf_polyline(4, xs, ys);
    grf_point_list_add(c.p[3], l, hi);
    grf_point_list_add(c.p[3], r, hi);
    grf_point_list_add(c.p[4], l, hi);
    grf_point_list_add(c.p[4], r, hi);
    grf_point_list_add(c.p[0], l, lo);
    grf_point_list_add(c.p[0], l, hi);
    grf_point_list_add(c.p[1], l, lo);
    grf_point_list_add(c.p[1], l, hi);
}

// Glued-in rods or screws a_3c beside the opening, from the bottom or the top edge.
void draw_bars(const TAVO52_DATA& d, const ViewGeometry& g, Chains& c)
{
    const double h = d.h;
    const bool rods = d.verst_typ == REINFORCEMENT_RODS;
    const double dia = rods ? d.d_r : d.sc_d, l = rods ? d.l_e : d.sc_l;
    const int from_bottom = rods ? d.unten_gs : d.unten_sc;
    const double xa = g.x_l - d.a_3c, xb = g.x_r + d.a_3c;
    const double ya = from_bottom ? 0.0 : h, yb = from_bottom ? l : h - l;
    grf_set_fill_rgb(20, 180, 240);
    grf_set_fill_pattern(0);
    grf_point_list_add(c.p[2], 0, 0);
    grf_point_list_add(c.p[2], 0, h);
    grf_filled_rectangle(xa - dia / 2, ya, xa + dia / 2, yb);
    grf_filled_rectangle(xb - dia / 2, ya, xb + dia / 2, yb);
    grf_set_line_rgb(0, 0, 0);
    line_width(0.02);
    grf_rectangle(xa - dia / 2, ya, xa + dia / 2, yb);
    grf_rectangle(xb - dia / 2, ya, xb + dia / 2, yb);
    grf_point_list_add(c.p[0], 0, yb);
    grf_point_list_add(c.p[2], 0, yb);
    grf_point_list_add(c.p[3], xa, h);
    grf_point_list_add(c.p[3], xb, h);
    grf_set_line_rgb(150, 112, 65);
    grf_set_fill_pattern(43);
}

// The opening, white: a circle of diameter a, or a rectangle with its corners rounded.
void draw_opening(const TAVO52_DATA& d, const ViewGeometry& g, Chains& c)
{
    grf_set_fill_rgb(255, 255, 255);
    if (d.typ_durchbruch == OPENING_CIRCULAR) {
        const double cx = (g.x_l + g.x_r) / 2.0, cy = (g.y_b + g.y_t) / 2.0;
        grf_filled_circle(cx, cy, d.a);
        grf_arc(cx, cy, d.a, 0.0, 360.0);
    } else {
        double xs[28], ys[28];
        int n = 0;
        const double r = kCornerRadius;
        corner(g.x_l + r, g.y_b + r, 270.0, xs, ys, &n);   // lower left, from the bottom edge
        corner(g.x_l + r, g.y_t - r, 180.0, xs, ys, &n);   // upper left, from the left edge
        corner(g.x_r - r, g.y_t - r, 90.0, xs, ys, &n);    // upper right, from the top edge
        corner(g.x_r - r, g.y_b + r, 0.0, xs, ys, &n);     // lower right, from the right edge
        grf_fill_polygon(n, xs, ys);
        grf_polyline(n, xs, ys);
    }
    grf_point_list_add(c.p[3], g.x_l, g.y_b);
    grf_point_list_add(c.p[3], g.x_r, g.y_t);
    grf_point_list_add(c.p[0], g.x_l, g.y_b);
    grf_point_list_add(c.p[0], g.x_r, g.y_t);
}

// The chains at their distances from the beam in units of the scale N; each chain frees its list.
void draw_dimension_chains(Chains& c, double K, double N)
{
    grf_dimension_chain(c.p[3], "mm", 2, -0.9 * N, 0.1, -1.0, 0);
    grf_dimension_chain(c.p[4], "mm", 2, -1.5 * N, 0.1, -1.0, 0);
    grf_dimension_chain(c.p[0], "mm", 3, -0.3 * N, 0.1, -1.0, 0);
    grf_dimension_chain(c.p[1], "mm", 3, -1.2 * N, 0.1, -1.0, 0);
    grf_dimension_chain(c.p[2], "mm", 3, K + 0.6 * N, 0.1, -1.0, 0);
    for (PtrArr* p : c.p) ptrarr_delete(p);
}

// The beam's ends, dashed: the drawing shows a piece cut out of a longer beam.
void draw_beam_ends(double K, double h)
{
    grf_set_fill_rgb(248, 195, 62);
    grf_push_state();
    line_width(0.03);
    fprintf_if_open(grf_state().stream, " 38 %d %s %d\n", 2, "0.10 0.10", 0);
    grf_line(0, 0, 0, h);
    grf_line(K, h, K, 0);
    grf_pop_state();
}

std::string g_plot_error;

// The plot file replaced whole, through a temporary file beside it; the old one stays on failure.
void save_plot(const std::string& path, const char* bytes, size_t size)
{
    const std::string refused = print_file_refusal(path);
    if (!refused.empty()) {
        g_plot_error = write_failure_message(path, refused);
        return;
    }
    int write_errno = 0;
    const bool ok = save_file_atomically(path, [&](FILE* f) {
        const bool written = std::fwrite(bytes, 1, size, f) == size && std::fflush(f) == 0;
        if (!written) write_errno = errno;
        return written;
    });
    if (!ok)
        g_plot_error = write_failure_message(path, write_errno ? save_failure_reason(write_errno) : last_save_failure_reason());
}

}  // namespace

void TAVO52_DATA::print_view_drawing(FILE* file)
{
    const CNumericScope c_numbers;
    view_plot_error_reset();
    const ViewGeometry g = view_geometry(*this);
    const double K = g.K;

    const double breite = std::min(graf_breite, oli_get_page_width());
    const double hoehe = std::min(graf_hoehe, kDrawingHeightMax);
    const double N = view_drawing_scale(K, h, breite, hoehe, nullptr);
    if (N <= 0.0) {
        print_text(file, u8"Ansicht: kein Maßstab passt zur Zeichnungsgröße %.1lf x %.1lf cm", graf_breite,
                   graf_hoehe);
        print_text(file, " ");
        return;
    }
    const double x0 = -1.8 * N, y0 = -1.8 * N, x1 = K + 0.6 * N, y1 = h, scale = 1.0 / N;

    // The plot file lives beside the position's files, one per component. It is drawn into memory
    // (a drawing's few kilobytes) and saved whole when the drawing is done.
    char* plot_bytes = nullptr;
    size_t plot_size = 0;
    FILE* plot = open_memstream(&plot_bytes, &plot_size);
    if (plot) {
        plot_open_grey(plot, x0, y0, x1, y1, scale, 0.0, "Ansicht M 1:%2.0lf", N);
        plot_set_font(2);
        plot_set_linetype(0);
        plot_set_pen(1);
        plot_set_filling(5);
        plot_set_layer(0);
    }
    OLI_reserveSpaceCM(file, float((h + 1.8 * N) / N + 1.0));
    print_text(file, u8"╬bAnsicht Maßstab 1:%g╬r, Längeneinheit in [mm]", N / kMmPerCm);
    print_text(file, " ");

    grf_begin_block(file, x0, y0, x1, y1, scale, 0.0, nullptr);
    line_width(0.05);
    grf_set_dimension_style(8);

    Chains chains{{ptrarr_new(10), ptrarr_new(10), ptrarr_new(10), ptrarr_new(10), ptrarr_new(10)}};
    draw_beam(g, h, chains);
    if (g.plates) draw_plates(*this, g, chains);
    else if (g.bars) draw_bars(*this, g, chains);
    draw_opening(*this, g, chains);

    // Top and bottom edge of the beam
    line_width(0.05);
    grf_set_line_rgb(0, 0, 0);
    grf_line(0, h, K, h);
    grf_line(0, 0, K, 0);
    grf_set_fill_rgb(0, 0, 0);

    draw_dimension_chains(chains, K, N);
    draw_beam_ends(K, h);

    fprintf_if_open(grf_state().stream, " -1\n");
    if (plot) {
        plot_close();   // writes the end mark and closes the stream
        save_plot(view_plot_path(oli_path, component_id), plot_bytes, plot_size);
    }
    std::free(plot_bytes);
}

std::string view_plot_error() { return g_plot_error; }

void view_plot_error_reset() { g_plot_error.clear(); }
