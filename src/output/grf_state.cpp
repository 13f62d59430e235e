#include "output/grf_state.h"
#include "platform/os/c_numeric.h"
#include "helpers/plane_geometry.h"
#include "helpers/print_helpers.h"
#include "helpers/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

namespace {

constexpr double DEG = 57.29577951308232;
constexpr double TWO_PI = 6.283185307179586;

GrfState initial_state()
{
    GrfState s;
    std::memset(&s, 0, sizeof s);
    s.levels = 5;
    s.point_id = s.entity_id = 1;
    s.sx = s.sy = s.smax = 1.0;
    s.x_dir = 1;
    s.sign = 1.0;
    s.bbox[0] = s.bbox[1] = 1e100;
    s.bbox[2] = s.bbox[3] = -1e100;
    s.fill_enabled = 1;
    s.layout_version = 338;
    return s;
}

GrfState& S()
{
    static GrfState s = initial_state();
    return s;
}

// Formats without a length limit of its own (records of long polygons); `limit` cuts texts.
std::string vformat(const char* format, va_list ap, size_t limit)
{
    char buf[1024];
    va_list again;
    va_copy(again, ap);
    int n = c_vsnprintf(buf, sizeof buf, format, ap);
    std::string s;
    if (n >= 0 && size_t(n) < sizeof buf) {
        s = buf;
    } else if (n >= 0) {
        s.resize(size_t(n) + 1);
        c_vsnprintf(&s[0], s.size(), format, again);
        s.resize(size_t(n));
    }
    va_end(again);
    if (s.size() > limit) s.resize(limit);
    return s;
}

// The output list and the plot file are written alike; a file that is not open takes nothing.
int write_formatted(FILE* f, const char* format, va_list ap)
{
    if (!f) return 0;
    std::string t = vformat(format, ap, std::string::npos);
    return fprintf_if_open(f, "%s", t.c_str());
}

// A caption or text of the variadic writers: cut at 254 characters, empty without a format.
std::string short_text(const char* format, va_list ap)
{
    return format ? vformat(format, ap, 254) : std::string();
}

void turn_point(double angle, double* x, double* y)
{
    double c = std::cos(angle), s = std::sin(angle);
    double nx = *x * c + *y * s;
    double ny = *y * c - *x * s;
    *x = nx;
    *y = ny;
}

// The least and greatest x and y of the rectangle's corners turned by `angle`.
void turned_extent(double angle, double x1, double y1, double x2, double y2, double* minx, double* miny,
                   double* maxx, double* maxy)
{
    double xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2};
    for (int i = 0; i < 4; ++i) turn_point(angle, &xs[i], &ys[i]);
    *minx = xs[index_of_extreme(4, xs, 0)];
    *maxx = xs[index_of_extreme(4, xs, 1)];
    *miny = ys[index_of_extreme(4, ys, 0)];
    *maxy = ys[index_of_extreme(4, ys, 1)];
}

// ---- plot header -----------------------------------------------------------------------

void font_lines(FILE* f, bool grey)
{
    static const char* names[12] = {" 0.18  normal  ", " 0.18  kursiv  ", " 0.20  normal  ",
                                    " 0.20  kursiv  ", " 0.35  normal  ", " 0.35  kursiv  ",
                                    " 0.50  normal  ", " 0.50  kursiv  ", " 0.70  normal  ",
                                    " 0.70  kursiv  ", " 1.0   normal  ", " 1.00  kursiv  "};
    static const int second[6] = {0, 0, 1, 0, 1, 1};
    static const double height[6] = {1.8, 2.0, 3.5, 5.0, 7.0, 10.0};
    fprintf_if_open(f, "-fonts 12\n");
    for (int i = 0; i < 12; ++i) {
        const char* name = (!grey && i == 11) ? " 1.0   kursiv  " : names[i];
        double h = height[i / 2];
        double slant = (i % 2) ? 15.0 : 0.0;
        if (grey)
            fprintf_if_open(f, "%3d \xAE%s\xAF 0 %d%s%f 0.700000 3.000000 %f 1\n", i, name,
                            second[i / 2], h < 10 ? "  " : " ", h, slant);
        else
            fprintf_if_open(f, " %d \xAE%s\xAF 0 %d %f 0.700000 3.000000 %f 1\n", i, name,
                            second[i / 2], h, slant);
    }
}

void pens(FILE* f, int n)
{
    static const char* widths[7] = {"0.180000", "0.200000", "0.350000", "0.500000",
                                    "0.750000", "1.000000", "0.020000"};
    for (int c = 0; c <= n; ++c)
        for (int k = 0; k < 7; ++k)
            fprintf_if_open(f, " %d  %s %d\n", 7 * c + k, widths[k], c);
}

void coordinates_and_layers(FILE* f, double s, double ox, double oy)
{
    fprintf_if_open(f, "-coordinates 1\n");
    fprintf_if_open(f, " 0 \xAE" "1:%.0lf\xAF %.0lf 0 %lf %lf 0 0.0 0.0 0 0.0 0.0\n", 100.0 / s, 100.0 / s,
                    ox, oy);
    fprintf_if_open(f, "-layers 5\n");
    static const char* layer[5] = {"Schnitt", "Bewehrung", "Verma\xE1ung", "Schraffur", "Texte"};
    for (int i = 0; i < 5; ++i)
        fprintf_if_open(f, " %d \xAE" "Folie %d\xAF 1 1 \xAE%s\xAF\n", i, i + 1, layer[i]);
}

void header_start(FILE* f, const char* title, double w, double h)
{
    fprintf_if_open(f, "quor-Vandrel (1.0)A\n%s\n%lf %lf\n0\n\n*TABLES\n", title, w, h);
}

void header_end(FILE* f)
{
    fprintf_if_open(f, "*EOT\n\n");
    GrfState& s = S();
    s.point_id = s.entity_id = 1;
}

void write_grey_header(FILE* f, const char* title, double ox, double oy, double w, double h)
{
    GrfState& s = S();
    s.levels = 5;
    header_start(f, title, w, h);
    fprintf_if_open(f, "-colors 5\n 1 100 100 100\n 2 133 133 133\n 3 165 165 165\n"
                       " 4  198 198 198\n 5  230 230 230\n");
    fprintf_if_open(f, "-pens %d\n", 7 * (s.levels + 1) + 1);
    pens(f, s.levels);
    fprintf_if_open(f, " %d  0.0001 %d\n\n", 7 * (s.levels + 1), 5);
    fprintf_if_open(f, "-linetypes 5\n0 0 1\n1 1 0 2.0 1.0\n2 2 0 3.0 1.0 0.5 1.0\n3 1 0 1.0 2.0\n"
                       "4 1 0 0.1 20.0\n");
    font_lines(f, true);
    fprintf_if_open(f, "-fillings %d\n", s.levels + 3);
    for (int j = 0; j <= s.levels; ++j) fprintf_if_open(f, " %d 00.0 1 0 0.20000 %d 0\n", j, 7 * j + 2);
    fprintf_if_open(f, " %d 0.000000 1   0 1.000000 1 0\n", s.levels + 1);
    fprintf_if_open(f, " %d 0.000000 1   0 10000.000000 1 4\n", s.levels + 2);
    coordinates_and_layers(f, s.plot_scale, ox, oy);
    header_end(f);
}

void write_colour_header(FILE* f, const char* title, double ox, double oy, double w, double h)
{
    GrfState& s = S();
    int n = s.levels > 0 ? s.levels : 5;
    header_start(f, title, w, h);
    fprintf_if_open(f, "-colors %d\n 1  0 0 194\n 2  255 0 0\n 3  68 255 0\n 4  255 101 255\n"
                       " 5  255 255 0\n", n);
    for (int c = 6; c <= n; ++c) fprintf_if_open(f, "%d  %d %d %d\n", c, 20 * (c - 5), 20 * (c - 5), 20 * (c - 5));
    fprintf_if_open(f, "-pens %d\n", 7 * (n + 1));
    pens(f, n);
    fprintf_if_open(f, "-linetypes 4\n 0 0 1\n 1 1 0 2.0 1.0\n 2 2 0 3.0 1.0 1.0 1.0\n 3 1 0 1.0 2.0\n");
    font_lines(f, false);
    fprintf_if_open(f, "-fillings %d\n", 3 * (n + 1));
    for (int c = 0; c <= n; ++c) {
        fprintf_if_open(f, " %d -45.000000 1   0 1.000000 %d 0\n", 3 * c, 7 * c + 6);
        fprintf_if_open(f, " %d 45.000000 2   0 1.000000 %d 0    1 1.000000 %d 1 \n", 3 * c + 1, 7 * c + 6,
                        7 * c + 6);
        fprintf_if_open(f, " %d 0.000000 1   0 0.010000 %d 0\n", 3 * c + 2, 7 * c);
    }
    coordinates_and_layers(f, s.plot_scale, ox, oy);
    header_end(f);
}

// Shared steps of the three plot-open forms; header(file, tag, ox, oy, w, h).
template <class Header>
void plot_open(FILE* file, double x1, double y1, double x2, double y2, double scale, double angle,
               Header header)
{
    GrfState& s = S();
    s.plot = file;
    s.plot_scale = scale;
    if (!file) return;
    double minx, miny, maxx, maxy;
    turned_extent(angle, x1, y1, x2, y2, &minx, &miny, &maxx, &maxy);
    header(-minx * scale, -miny * scale, scale * (maxx - minx), scale * (maxy - miny));
    fprintf_if_open(file, "*ENTITIES\n-setcoorsys 0\n-setlayer %d\n", 0);
    s.linetype = 0;
    s.font = 0;
    s.pen = 0;
    s.filling = 0;
}

// The grey and the colour plot file differ only in their header.
void plot_open_titled(FILE* file, double x1, double y1, double x2, double y2, double scale, double angle,
                      const std::string& title, PlotHeaderWriter header)
{
    plot_open(file, x1, y1, x2, y2, scale, angle, [&](double ox, double oy, double w, double h) {
        header(file, title.c_str(), ox, oy, w, h);
    });
}

// Record 10 / 9 alignment code and plot justification from the two selectors.
void alignment(int vertical, int horizontal, int* code, int* just)
{
    int v, h;
    int jv = -1, jh = -1;
    switch (vertical) {
    case 0: v = 0; jv = 0; break;
    case 4: v = 8; jv = 1; break;
    case 2: v = 24; jv = 2; break;
    default: v = 24; break;
    }
    switch (horizontal) {
    case 3: h = 1; jh = 1; break;
    case 4: h = 2; jh = 2; break;
    case 1: h = 4; jh = 3; break;
    default: h = 1; break;
    }
    *code = 200 + h + v;
    *just = (jv < 0 || jh < 0) ? 5 : jv * 3 + jh;
}

void plot_text(double x, double y, int just, const char* angle_text, double angle_deg, const char* text)
{
    GrfState& s = S();
    if (!s.plot) return;
    int len = int(std::strlen(text)) + 1;
    if (angle_text)
        grf_plot("-text / 1 %d %d 2 1 %d %lf %lf %s 1.2 0. 0.\n", len, s.font, just, x, grf_plot_y(y),
                 angle_text);
    else
        grf_plot("-text / 1 %d %d 2 1 %d %lf %lf %lf 1.2 0. 0.\n", len, s.font, just, x, grf_plot_y(y),
                 angle_deg);
    grf_plot("    \xAE%s\xAF\n", text);
}

void angle_record()
{
    GrfState& s = S();
    grf_out(" 14 %lf 0\n", (s.text_angle - s.rotation) * DEG);
}

// Turned point forms: record 3 or 10 with the rotation applied.
void turned_text(double x, double y, int record, int code, int just, const char* text)
{
    GrfState& s = S();
    double tx = x, ty = y;
    grf_turn(&tx, &ty);
    angle_record();
    if (record == 3)
        grf_out(" 3 %lf %lf \xAE%s\xAF\n", tx * s.sx, ty * s.sy, text);
    else
        grf_out(" 10 %lf %lf %lf %lf %d \xAE%s\xAF\n", tx * s.sx, ty * s.sy, tx * s.sx, ty * s.sy, code, text);
    plot_text(tx, ty, just, nullptr, (s.rotation + s.text_angle) * DEG, text);
}

void label9(double x, double y, int code, int just, const char* fixed_angle, const char* text)
{
    GrfState& s = S();
    grf_out(" 9 %lf %lf %lf %lf %d \xAE%s\xAF\n", x * s.sx, y * s.sy, x * s.sx, y * s.sy, code, text);
    plot_text(x, y, just, fixed_angle, (s.rotation + s.text_angle) * DEG, text);
}

} // namespace

GrfState& grf_state() { return S(); }
void grf_state_reset() { S() = initial_state(); }

int grf_out(const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    int n = write_formatted(S().stream, format, ap);
    va_end(ap);
    return n;
}

int grf_plot(const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    int n = write_formatted(S().plot, format, ap);
    va_end(ap);
    return n;
}

void grf_bbox_add(double x, double y)
{
    GrfState& s = S();
    if (x < s.bbox[0]) s.bbox[0] = x;
    if (y < s.bbox[1]) s.bbox[1] = y;
    if (x > s.bbox[2]) s.bbox[2] = x;
    if (y > s.bbox[3]) s.bbox[3] = y;
}

void grf_turn(double* x, double* y)
{
    if (S().rotation != 0) turn_point(S().rotation, x, y);
}

double grf_plot_y(double y)
{
    return S().y_dir == 2 ? S().flip_h - y : y;
}

// ---- blocks -----------------------------------------------------------------------------

void grf_write_block_header(FILE* stream, double x1, double y1, double x2, double y2, double sx,
                            double sy, double angle, const GrfCaptions* captions)
{
    GrfState& s = S();
    s.stagger = 0;
    s.stream = stream;
    s.sx = sx;
    s.sy = sy;
    s.smax = sx > sy ? sx : sy;
    s.rotation = angle;
    s.text_angle = 0;
    if (round_to_decimals(std::fabs(angle), 3) != 0) {
        double minx, miny, maxx, maxy;
        turned_extent(angle, x1, y1, x2, y2, &minx, &miny, &maxx, &maxy);
        bool xasc = x1 < x2, yasc = y1 < y2;
        x1 = xasc ? minx : maxx;
        x2 = xasc ? maxx : minx;
        y1 = yasc ? miny : maxy;
        y2 = yasc ? maxy : miny;
    }
    s.flip_h = y1 + y2;
    s.x_dir = x1 < x2 ? 1 : 3;
    s.y_dir = y1 < y2 ? 0 : 2;
    s.downward = s.y_dir == 2 ? 1 : 0;
    s.sign = ((x1 < x2) == (y1 < y2)) ? 1.0 : -1.0;

    grf_out("#SHOWGRAFIC\n");
    for (int group = 0; group < 2; ++group) {
        int present[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) present[i] = captions && (*captions)[group * 3 + i][0] != 0;
        grf_out(" %d %d %d\n", present[0], present[1], present[2]);
        for (int i = 0; i < 3; ++i)
            if (present[i]) {
                char line[81];
                std::memcpy(line, (*captions)[group * 3 + i], 80);
                line[80] = 0;
                grf_out(" %s\n", line);
            }
    }
    grf_out("%d\n", -1);
    grf_out("%lf %lf %lf %lf\n", x1 * sx, x2 * sx, y1 * sy, y2 * sy);
}

void grf_begin_block(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                     double angle, const GrfCaptions* captions)
{
    grf_write_block_header(stream, x1, y1, x2, y2, scale, scale, angle, captions);
}

void grf_begin_block_plain(FILE* stream, double x1, double y1, double x2, double y2, double sx, double sy)
{
    grf_write_block_header(stream, x1, y1, x2, y2, sx, sy, 0.0, nullptr);
}

// ---- plot file ----------------------------------------------------------------------------

void plot_open_grey(FILE* file, double x1, double y1, double x2, double y2, double scale, double angle,
                    const char* title_format, ...)
{
    va_list ap;
    va_start(ap, title_format);
    std::string title = short_text(title_format, ap);
    va_end(ap);
    plot_open_titled(file, x1, y1, x2, y2, scale, angle, title, write_grey_header);
}

void plot_open_colour(FILE* file, double x1, double y1, double x2, double y2, double scale, double angle,
                      const char* title_format, ...)
{
    va_list ap;
    va_start(ap, title_format);
    std::string title = short_text(title_format, ap);
    va_end(ap);
    plot_open_titled(file, x1, y1, x2, y2, scale, angle, title, write_colour_header);
}

void plot_open_with_header(FILE* file, double x1, double y1, double x2, double y2, double scale,
                           double angle, const char* tag, PlotHeaderWriter writer)
{
    plot_open(file, x1, y1, x2, y2, scale, angle, [&](double ox, double oy, double w, double h) {
        if (writer) writer(file, tag, ox, oy, w, h);
        S().point_id = S().entity_id = 1;
    });
}

void plot_close()
{
    GrfState& s = S();
    if (!s.plot) return;
    fprintf_if_open(s.plot, "*EOI\n\n");
    std::fclose(s.plot);
    s.plot = nullptr;
}

int plot_set_pen(int n)
{
    GrfState& s = S();
    int last = 7 * (s.levels + 1) - 1;
    s.pen = n < 0 ? 0 : (n > last ? last : n);
    return s.pen;
}

int plot_set_filling(int n)
{
    GrfState& s = S();
    int last = 3 * (s.levels + 1) - 1;
    s.filling = n < 0 ? -1 : (n > last ? last : n);
    return s.filling;
}

int plot_set_linetype(int n)
{
    S().linetype = n < 0 ? 0 : (n >= 4 ? 3 : n);
    return S().linetype;
}

int plot_set_font(int n)
{
    S().font = n < 0 ? 0 : (n > 11 ? 11 : n);
    return S().font;
}

void plot_set_layer(int n)
{
    if (!S().plot) return;
    grf_plot("-setlayer %d\n", n < 0 ? 0 : (n > 4 ? 4 : n));
}

// ---- state --------------------------------------------------------------------------------

// Record 30/31 (and 52/53 in colour mode) push and pop the viewer's state; the writer keeps the
// one saved copy of its own. `restore` copies the saved values back, otherwise it saves them.
static void exchange_saved_state(bool restore)
{
    GrfState& s = S();
    grf_out(restore ? " 31\n" : " 30\n");
    if (s.colour_mode) grf_out(restore ? " 53\n" : " 52\n");
    auto move = [restore](auto& live, auto& saved) {
        if (restore) live = saved;
        else saved = live;
    };
    if (s.plot) {
        move(s.pen, s.saved_pen);
        move(s.filling, s.saved_filling);
        move(s.linetype, s.saved_linetype);
        move(s.font, s.saved_font);
    }
    move(s.text_angle, s.saved_text_angle);
    move(s.rotation, s.saved_rotation);
}

void grf_push_state() { exchange_saved_state(false); }
void grf_pop_state() { exchange_saved_state(true); }

void grf_set_fill_enabled(int flag) { S().fill_enabled = flag; }
int grf_get_fill_enabled() { return S().fill_enabled; }

void grf_set_fill_pattern(int n)
{
    grf_out(" 20  %d\n", S().fill_enabled ? n : 0);
}

void grf_fill_blank() { grf_out(" 20  %d\n", 0); }

void grf_set_colour_mode(int flag) { S().colour_mode = flag; }
int grf_get_colour_mode() { return S().colour_mode; }

void grf_set_dash(int style)
{
    switch (style) {
    case 1: grf_out(" 38 %d %s %d\n", 2, "0.1 0.1", 0); break;
    case 2: grf_out(" 38 %d %s %d\n", 2, "0.03 0.05", 0); break;
    case 3: grf_out(" 38 %d %s %d\n", 4, "0.28 0.05 0.04 0.05", 0); break;
    case 4: grf_out(" 38 %d %s %d\n", 2, "0.01 0.28", 0); break;
    default: grf_out(" 38 %d %s %d\n", 0, " ", 0); break;
    }
}

void grf_redirect_stream(FILE* stream)
{
    S().saved_stream = S().stream;
    S().stream = stream;
}

void grf_restore_stream() { S().stream = S().saved_stream; }

void oli_set_layout_version(int n) { S().layout_version = n; }
int oli_get_layout_version() { return S().layout_version; }

void grf_set_text_angle(double angle)
{
    double a = angle * S().sign;
    while (a > TWO_PI) a -= TWO_PI;
    S().text_angle = a;
}

double grf_get_text_angle() { return S().text_angle; }

void grf_bbox_reset()
{
    GrfState& s = S();
    s.bbox[0] = s.bbox[1] = 1e100;
    s.bbox[2] = s.bbox[3] = -1e100;
}

void grf_bbox_get(double* min_x, double* min_y, double* max_x, double* max_y)
{
    GrfState& s = S();
    if (min_x) *min_x = s.bbox[0];
    if (min_y) *min_y = s.bbox[1];
    if (max_x) *max_x = s.bbox[2];
    if (max_y) *max_y = s.bbox[3];
}

void grf_paper_to_user(double length, double* in_x, double* in_y)
{
    if (in_x) *in_x = length / S().sx;
    if (in_y) *in_y = length / S().sy;
}

void grf_to_paper(double x, double y, double* page_x, double* page_y)
{
    grf_turn(&x, &y);
    if (page_x) *page_x = x * S().sx;
    if (page_y) *page_y = y * S().sy;
}

// ---- colours ------------------------------------------------------------------------------

void rgb_lighten(int* r, int* g, int* b, double percent)
{
    if (!r || !g || !b) return;
    const double k = 0.00392156862745098;
    double R = *r * k, G = *g * k, B = *b * k;
    double mx = std::max(R, std::max(G, B)), mn = std::min(R, std::min(G, B));
    double Lum = (mx + mn) / 2, H = 0, Sat = 0;
    if (Lum > 0) {
        double d = mx - mn;
        if (d > 0) {
            Sat = Lum <= 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
            double rr = (mx - R) / d, gg = (mx - G) / d, bb = (mx - B) / d;
            if (R == mx) H = (G == mn) ? 5 + bb : 1 - gg;
            else if (G == mx) H = (B == mn) ? 1 + rr : 3 - bb;
            else H = (R == mn) ? 3 + gg : 5 - rr;
            H /= 6;
            if (H >= 1) H = 0;
        }
    }
    Lum = Lum * (1 + percent * 0.01);
    double m2 = Lum <= 0.5 ? Lum * (1 + Sat) : Lum + Sat - Lum * Sat;
    if (m2 <= 0) {
        *r = *g = *b = 0;
        return;
    }
    double m1 = 2 * Lum - m2;
    double h = 6 * H;
    int sector = int(h);
    double f = h - sector;
    double up = m1 + f * (m2 - m1), down = m2 - f * (m2 - m1);
    double o[3];
    switch (sector) {
    case 0: o[0] = m2; o[1] = up; o[2] = m1; break;
    case 1: o[0] = down; o[1] = m2; o[2] = m1; break;
    case 2: o[0] = m1; o[1] = m2; o[2] = up; break;
    case 3: o[0] = m1; o[1] = down; o[2] = m2; break;
    case 4: o[0] = up; o[1] = m1; o[2] = m2; break;
    default: o[0] = m2; o[1] = m1; o[2] = down; break;
    }
    int* out[3] = {r, g, b};
    for (int i = 0; i < 3; ++i) {
        double v = std::round(o[i] * 255);
        // a lightened colour cannot leave the byte range
        *out[i] = v < 0 ? 0 : (v > 255 ? 255 : int(v));
    }
}

int rgb_pack(int r, int g, int b)
{
    auto c = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    return c(r) | (c(g) << 8) | (c(b) << 16);
}

void rgb_unpack(int packed, int* r, int* g, int* b)
{
    if (r) *r = packed & 0xFF;
    if (g) *g = (packed >> 8) & 0xFF;
    if (b) *b = (packed >> 16) & 0xFF;
}

// The screen stand-in encodes a colour index as the exact RGB value, so the nearest index of
// a colour is its packed value.
int rgb_lighten_to_index(int packed, double percent)
{
    int r, g, b;
    rgb_unpack(packed, &r, &g, &b);
    rgb_lighten(&r, &g, &b, percent);
    return rgb_pack(r, g, b);
}

int rgb_darken_to_index(int packed, double percent) { return rgb_lighten_to_index(packed, -percent); }

// Writes the lightened colour as record 50 (line) or 51 (fill) in colour mode.
static void emit_colour(int record, const int rgb[3], double percent)
{
    int r = rgb[0], g = rgb[1], b = rgb[2];
    rgb_lighten(&r, &g, &b, percent);
    if (S().colour_mode) grf_out("%d %d %d %d\n", record, r, g, b);
}

// The line colour (record 50) and the fill colour (record 51) are set the same way.
struct ColourChannel {
    int* rgb;
    double* percent;
    int record;
};

static ColourChannel line_channel() { return {S().line_rgb, &S().line_percent, 50}; }
static ColourChannel fill_channel() { return {S().fill_rgb, &S().fill_percent, 51}; }

static void set_channel_packed(const ColourChannel& c, int packed)
{
    rgb_unpack(packed, &c.rgb[0], &c.rgb[1], &c.rgb[2]);
    emit_colour(c.record, c.rgb, *c.percent);
}

static void set_channel_rgb(const ColourChannel& c, int r, int g, int b)
{
    c.rgb[0] = r;
    c.rgb[1] = g;
    c.rgb[2] = b;
    emit_colour(c.record, c.rgb, *c.percent);
}

static void set_channel_lighten(const ColourChannel& c, double percent)
{
    *c.percent = percent;
    emit_colour(c.record, c.rgb, *c.percent);
}

void grf_set_line_colour(int packed) { set_channel_packed(line_channel(), packed); }
void grf_set_line_rgb(int r, int g, int b) { set_channel_rgb(line_channel(), r, g, b); }
void grf_set_line_lighten(double percent) { set_channel_lighten(line_channel(), percent); }
void grf_set_fill_colour(int packed) { set_channel_packed(fill_channel(), packed); }
void grf_set_fill_rgb(int r, int g, int b) { set_channel_rgb(fill_channel(), r, g, b); }
void grf_set_fill_lighten(double percent) { set_channel_lighten(fill_channel(), percent); }

void grf_group_open() { if (S().colour_mode) grf_out("61\n"); }
void grf_fill_def_open() { if (S().colour_mode) grf_out("59\n"); }
void grf_fill_def_close() { if (S().colour_mode) grf_out("60\n"); }

void grf_group(int id, int pattern)
{
    GrfState& s = S();
    s.group_id = id;
    if (!s.colour_mode) return;
    if (!s.fill_enabled) {
        grf_out("20 0\n");
        return;
    }
    grf_out("61\n62 %d\n59\n", id);
    grf_set_fill_pattern(pattern);
    grf_out("60\n");
}

// ---- texts --------------------------------------------------------------------------------

void grf_text(double x, double y, const char* text)
{
    turned_text(x, y, 3, 0, 7, text ? text : "");
}

void grf_text_centred(double x, double y, const char* text)
{
    turned_text(x, y, 10, 210, 5, text ? text : "");
}

void grf_text_aligned(double x, double y, int vertical, int horizontal, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = short_text(format, ap);
    va_end(ap);
    int code, just;
    alignment(vertical, horizontal, &code, &just);
    turned_text(x, y, 10, code, just, t.c_str());
}

void grf_label_at(double x, double y, const char* text)
{
    GrfState& s = S();
    if (!text) text = "";
    grf_out(" 2 %lf %lf \xAE%s\xAF\n", x * s.sx, y * s.sy, text);
    plot_text(x, y, 7, "0.", 0, text);
}

void grf_label_middle_right(double x, double y, const char* text) { label9(x, y, 212, 6, "0.", text ? text : ""); }
void grf_label_middle_centre(double x, double y, const char* text) { label9(x, y, 210, 5, "0.", text ? text : ""); }
void grf_label_vertical(double x, double y, const char* text) { label9(x, y, 466, 5, "90.", text ? text : ""); }
void grf_label_bottom_centre(double x, double y, const char* text) { label9(x, y, 226, 8, "0.", text ? text : ""); }
void grf_label_top_centre(double x, double y, const char* text) { label9(x, y, 202, 2, "0.", text ? text : ""); }

void grf_label_aligned(double x, double y, int vertical, int horizontal, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = short_text(format, ap);
    va_end(ap);
    int code, just;
    alignment(vertical, horizontal, &code, &just);
    label9(x, y, code, just, nullptr, t.c_str());
}
