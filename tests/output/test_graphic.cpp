// Drawing writer: block header, records, plot file, colours, shapes and dimensions.
#include "oli_capture.h"
#include "output/grf_dimension.h"
#include "output/grf_shapes.h"
#include "common/test_util.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>
#include <cstring>
#include <sstream>
#include <string>

class Graphic : public ::testing::Test {
protected:
    void SetUp() override { reset_writers(); }
    void TearDown() override
    {
        grf_state().plot = nullptr;   // the capture closes its own file
    }
    Capture out, plot;
};

TEST_F(Graphic, BlockHeaderForms)
{
    grf_begin_block(out.f, 0, 0, 20, 10, 0.1, 0, nullptr);
    EXPECT_EQ(out.text(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 2.000000 0.000000 1.000000\n");
    Capture only2;
    GrfCaptions caps = {};
    std::strcpy(caps[1], "Ansicht");
    grf_begin_block(only2.f, 0, 0, 1, 1, 1, 0, &caps);
    EXPECT_EQ(only2.text(), "#SHOWGRAFIC\n 0 1 0\n Ansicht\n 0 0 0\n-1\n0.000000 1.000000 0.000000 1.000000\n");
}

TEST_F(Graphic, DownwardBlockMirrorsPlotY)
{
    grf_begin_block(out.f, 0, 10, 20, 0, 1, 0, nullptr);
    GrfState& s = grf_state();
    EXPECT_EQ(s.x_dir, 1);
    EXPECT_EQ(s.y_dir, 2);
    EXPECT_EQ(s.downward, 1);
    EXPECT_EQ(s.sign, -1.0);
    EXPECT_EQ(s.flip_h, 10.0);
    EXPECT_EQ(grf_plot_y(3), 7.0);
    // filled rectangle given bottom first: corners exchanged into the block's directions
    grf_filled_rectangle(1, 2, 3, 4);
    EXPECT_NE(out.text().find(" 24  1.000000 2.000000 3.000000 4.000000\n"), std::string::npos);
}

TEST_F(Graphic, RotatedBlockTurnsCorners)
{
    // angle pi/2: (x, y) -> (y, -x); corners (0,0),(2,0),(2,1),(0,1) give x 0..1 and y -2..0
    grf_begin_block(out.f, 0, 0, 2, 1, 1, M_PI / 2, nullptr);
    EXPECT_NE(out.text().find("\n0.000000 1.000000 -2.000000 0.000000\n"), std::string::npos) << out.text();
    Capture flat;
    grf_begin_block(flat.f, 0, 0, 2, 1, 1, 0.0004, nullptr);   // rounds to 0.000: corners unchanged
    EXPECT_NE(flat.text().find("\n0.000000 2.000000 0.000000 1.000000\n"), std::string::npos);
}

TEST_F(Graphic, RecordsOfShapes)
{
    grf_begin_block_plain(out.f, 0, 0, 10, 10, 1, 1);
    double xs[3] = {0, 1, 1}, ys[3] = {0, 0, 2};
    grf_polygon(3, xs, ys);
    std::string s = out.text();
    EXPECT_NE(s.find(" 18 3 0.000000 0.000000 1.000000 0.000000 1.000000 2.000000 \n"), std::string::npos);
    double bx0, by0, bx1, by1;
    grf_bbox_get(&bx0, &by0, &bx1, &by1);
    EXPECT_EQ(bx0, 0); EXPECT_EQ(by0, 0); EXPECT_EQ(bx1, 1); EXPECT_EQ(by1, 2);

    struct Case { int n; int lines; };
    const Case polylines[] = {{1, 0}, {0, 0}, {-1, 0}, {2, 2}, {3, 3}, {-3, 2}};
    for (const Case& c : polylines) {
        Capture one;
        grf_redirect_stream(one.f);
        double px[3] = {0, 1, 2}, py[3] = {0, 1, 0};
        grf_polyline(c.n, px, py);
        grf_restore_stream();
        EXPECT_EQ(count_of(one.text(), " 1  "), c.lines) << c.n;
    }
    struct Arc { double sweep; int records; };
    // full circle: 32 steps of pi/16 and a closing one of zero length; 180 degrees: 32 steps of
    // pi/32 and the closing one; 270 degrees: 24 steps of pi/16 and the closing one
    const Arc arcs[] = {{360, 33}, {180, 33}, {270, 25}};
    for (const Arc& a : arcs) {
        Capture one;
        grf_redirect_stream(one.f);
        grf_arc(0, 0, 2, 0, a.sweep);
        grf_restore_stream();
        EXPECT_EQ(count_of(one.text(), " 1  "), a.records) << a.sweep;
    }
}

TEST_F(Graphic, FillColourAndState)
{
    grf_begin_block_plain(out.f, 0, 0, 10, 10, 1, 1);
    grf_set_fill_enabled(0);
    grf_set_fill_pattern(43);
    double xs[3] = {0, 1, 1}, ys[3] = {0, 0, 1};
    grf_fill_polygon(3, xs, ys);
    grf_set_line_rgb(10, 20, 30);          // colour mode off: kept, not written
    grf_set_colour_mode(1);
    grf_set_fill_rgb(255, 0, 0);
    grf_label_aligned(1, 2, 1, 0, "%s", "x");
    std::string s = out.text();
    EXPECT_NE(s.find(" 20  0\n"), std::string::npos);
    EXPECT_EQ(s.find(" 18 "), std::string::npos);
    EXPECT_EQ(s.find("50 "), std::string::npos);
    EXPECT_NE(s.find("51 255 0 0\n"), std::string::npos);
    EXPECT_NE(s.find(" 9 1.000000 2.000000 1.000000 2.000000 225 \xAEx\xAF\n"), std::string::npos);

    grf_state().rotation = 0.1;
    grf_push_state();
    grf_state().rotation = 0.2;
    grf_push_state();
    grf_state().rotation = 0.3;
    grf_pop_state();
    EXPECT_EQ(grf_state().rotation, 0.2);   // one level: the first push is lost
}

TEST_F(Graphic, RgbLighten)
{
    struct Case { int r, g, b; double pct; int er, eg, eb; };
    const Case cases[] = {
        {255, 0, 0, 20, 255, 51, 51},     // L 0.5 -> 0.6, S 1: m2 = 1, m1 = 0.2
        {248, 195, 62, 20, 250, 214, 122},
        {0, 0, 0, 50, 0, 0, 0},
        {0, 0, 0, -50, 0, 0, 0},
        {100, 150, 200, 0, 100, 150, 200},
    };
    for (const Case& c : cases) {
        int r = c.r, g = c.g, b = c.b;
        rgb_lighten(&r, &g, &b, c.pct);
        EXPECT_EQ(r, c.er); EXPECT_EQ(g, c.eg); EXPECT_EQ(b, c.eb);
    }
    EXPECT_EQ(rgb_pack(300, -5, 16), 0x1000FF);
}

TEST_F(Graphic, PlotFileHeaderGolden)
{
    plot_open_grey(plot.f, 0, 0, 200, 100, 0.5, 0, "Pos %d", 1);
    std::string expect =
        "quor-Vandrel (1.0)A\nPos 1\n100.000000 50.000000\n0\n\n*TABLES\n"
        "-colors 5\n 1 100 100 100\n 2 133 133 133\n 3 165 165 165\n 4  198 198 198\n 5  230 230 230\n"
        "-pens 43\n";
    const char* widths[7] = {"0.180000", "0.200000", "0.350000", "0.500000", "0.750000", "1.000000", "0.020000"};
    for (int c = 0; c <= 5; ++c)
        for (int k = 0; k < 7; ++k) expect += " " + std::to_string(7 * c + k) + "  " + widths[k] + " " + std::to_string(c) + "\n";
    expect += " 42  0.0001 5\n\n"
              "-linetypes 5\n0 0 1\n1 1 0 2.0 1.0\n2 2 0 3.0 1.0 0.5 1.0\n3 1 0 1.0 2.0\n4 1 0 0.1 20.0\n"
              "-fonts 12\n"
              "  0 \xAE 0.18  normal  \xAF 0 0  1.800000 0.700000 3.000000 0.000000 1\n"
              "  1 \xAE 0.18  kursiv  \xAF 0 0  1.800000 0.700000 3.000000 15.000000 1\n"
              "  2 \xAE 0.20  normal  \xAF 0 0  2.000000 0.700000 3.000000 0.000000 1\n"
              "  3 \xAE 0.20  kursiv  \xAF 0 0  2.000000 0.700000 3.000000 15.000000 1\n"
              "  4 \xAE 0.35  normal  \xAF 0 1  3.500000 0.700000 3.000000 0.000000 1\n"
              "  5 \xAE 0.35  kursiv  \xAF 0 1  3.500000 0.700000 3.000000 15.000000 1\n"
              "  6 \xAE 0.50  normal  \xAF 0 0  5.000000 0.700000 3.000000 0.000000 1\n"
              "  7 \xAE 0.50  kursiv  \xAF 0 0  5.000000 0.700000 3.000000 15.000000 1\n"
              "  8 \xAE 0.70  normal  \xAF 0 1  7.000000 0.700000 3.000000 0.000000 1\n"
              "  9 \xAE 0.70  kursiv  \xAF 0 1  7.000000 0.700000 3.000000 15.000000 1\n"
              " 10 \xAE 1.0   normal  \xAF 0 1 10.000000 0.700000 3.000000 0.000000 1\n"
              " 11 \xAE 1.00  kursiv  \xAF 0 1 10.000000 0.700000 3.000000 15.000000 1\n"
              "-fillings 8\n"
              " 0 00.0 1 0 0.20000 2 0\n 1 00.0 1 0 0.20000 9 0\n 2 00.0 1 0 0.20000 16 0\n"
              " 3 00.0 1 0 0.20000 23 0\n 4 00.0 1 0 0.20000 30 0\n 5 00.0 1 0 0.20000 37 0\n"
              " 6 0.000000 1   0 1.000000 1 0\n 7 0.000000 1   0 10000.000000 1 4\n"
              "-coordinates 1\n 0 \xAE" "1:200\xAF 200 0 -0.000000 -0.000000 0 0.0 0.0 0 0.0 0.0\n"
              "-layers 5\n 0 \xAE" "Folie 1\xAF 1 1 \xAESchnitt\xAF\n 1 \xAE" "Folie 2\xAF 1 1 \xAE" "Bewehrung\xAF\n"
              " 2 \xAE" "Folie 3\xAF 1 1 \xAEVerma\xE1ung\xAF\n 3 \xAE" "Folie 4\xAF 1 1 \xAESchraffur\xAF\n"
              " 4 \xAE" "Folie 5\xAF 1 1 \xAETexte\xAF\n"
              "*EOT\n\n*ENTITIES\n-setcoorsys 0\n-setlayer 0\n";
    EXPECT_EQ(plot.text(), expect);
}

TEST_F(Graphic, PlotEntitiesAndIds)
{
    plot_open_grey(plot.f, 0, 0, 10, 10, 1, 0, "t");
    grf_begin_block_plain(out.f, 0, 0, 10, 10, 1, 1);
    plot.text();
    long start = std::ftell(plot.f);
    grf_line(0, 0, 1, 0);
    grf_line(0, 1, 1, 1);
    grf_filled_rectangle(0, 0, 2, 1);
    grf_label_at(1, 1, "Hallo");
    std::string s = plot.text().substr(size_t(start));
    EXPECT_EQ(s, "-line @1 ( @1 0.000000 0.000000 ) #2 0 0 1 0.0\n-point @2 1.000000 0.000000\n"
                 "-line @2 ( @3 0.000000 1.000000 ) #4 0 0 1 0.0\n-point @4 1.000000 1.000000\n"
                 "-area / 0 0\n 4\n"
                 " 0 ( @3 ( @5 0.000000 0.000000 ) #6 0 0 0 0.0 )\n"
                 " 0 ( @4 ( @6 0.000000 1.000000 ) #7 0 0 0 0.0 )\n"
                 " 0 ( @5 ( @7 2.000000 1.000000 ) #8 0 0 0 0.0 )\n"
                 " 0 ( @6 ( @8 2.0000 0.0000 ) #5 0 0 0 0.0 )\n"
                 "-text / 1 6 0 2 1 7 1.000000 1.000000 0. 1.2 0. 0.\n    \xAEHallo\xAF\n");
    EXPECT_EQ(plot_set_linetype(7), 3);
    EXPECT_EQ(plot_set_filling(-5), -1);
    long before = std::ftell(plot.f);
    grf_filled_rectangle(0, 0, 1, 1);          // no plot areas with filling -1, but the record
    EXPECT_EQ(std::ftell(plot.f), before);
}

// Push saves and pop restores every plot setting and the angles, with records 30/31 and, in
// colour mode, 52/53.
TEST_F(Graphic, PushAndPopRestoreEverySetting)
{
    plot_open_grey(plot.f, 0, 0, 10, 10, 1, 0, "t");
    grf_begin_block_plain(out.f, 0, 0, 10, 10, 1, 1);
    grf_set_colour_mode(1);
    GrfState& s = grf_state();
    plot_set_pen(3);
    plot_set_filling(2);
    plot_set_linetype(1);
    plot_set_font(5);
    s.text_angle = 0.25;
    s.rotation = 0.5;
    long start = std::ftell(out.f);
    grf_push_state();
    plot_set_pen(9);
    plot_set_filling(7);
    plot_set_linetype(3);
    plot_set_font(11);
    s.text_angle = 1.0;
    s.rotation = 2.0;
    grf_pop_state();
    EXPECT_EQ(out.text().substr(size_t(start)), " 30\n 52\n 31\n 53\n");
    EXPECT_EQ(s.pen, 3);
    EXPECT_EQ(s.filling, 2);
    EXPECT_EQ(s.linetype, 1);
    EXPECT_EQ(s.font, 5);
    EXPECT_EQ(s.text_angle, 0.25);
    EXPECT_EQ(s.rotation, 0.5);
}

namespace {

struct Segment { double x1, y1, x2, y2; };

std::vector<Segment> line_records(const std::string& text)
{
    std::vector<Segment> out;
    size_t at = 0;
    while ((at = text.find(" 1  ", at)) != std::string::npos) {
        Segment g;
        if (std::sscanf(text.c_str() + at, " 1  %lf %lf %lf %lf", &g.x1, &g.y1, &g.x2, &g.y2) == 4) out.push_back(g);
        at += 4;
    }
    return out;
}

// Distance of (x, y) from the segment (ax, ay)-(bx, by).
double distance_to_segment(double x, double y, double ax, double ay, double bx, double by)
{
    double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

}  // namespace

// A slot is the set of points at distance r from the segment between its end circles' centres:
// every point drawn lies on it, and the outline runs as a chain.
TEST_F(Graphic, SlotOutlinesLieOnTheSlot)
{
    struct Case { double w, h; int lines; };
    // upright: a zero-length start, two arcs of 15 steps, 2 closing pieces and 2 sides: 35;
    // lying: 2 sides, two arcs of 15 steps and their closing pieces: 34
    const Case cases[] = {{2, 6, 35}, {6, 2, 34}};
    for (const Case& c : cases) {
        const double xc = 10, yc = 20;
        // upright, the end circles sit at yc +- h/2; lying, at xc +- (w - h)/2
        const double r = std::min(c.w, c.h) / 2, a = c.w <= c.h ? c.h / 2 : (c.w - c.h) / 2;
        const double ax = c.w <= c.h ? xc : xc - a, ay = c.w <= c.h ? yc - a : yc;
        const double bx = c.w <= c.h ? xc : xc + a, by = c.w <= c.h ? yc + a : yc;
        Capture lines, filled;
        grf_begin_block_plain(lines.f, 0, 0, 100, 100, 1, 1);
        grf_slot(xc, yc, c.w, c.h);
        std::vector<Segment> g = line_records(lines.text());
        ASSERT_EQ(int(g.size()), c.lines) << c.w;
        for (const Segment& s : g) {
            EXPECT_NEAR(distance_to_segment(s.x1, s.y1, ax, ay, bx, by), r, 1e-5) << c.w << " " << s.x1 << " " << s.y1;
            EXPECT_NEAR(distance_to_segment(s.x2, s.y2, ax, ay, bx, by), r, 1e-5) << c.w << " " << s.x2 << " " << s.y2;
        }
        // the lying form draws its two sides first, then two chains (from record 2 and 18)
        for (size_t i = c.w <= c.h ? 1 : 3; i < g.size(); ++i)
            if (i != 18 || c.w <= c.h) {
                EXPECT_NEAR(g[i].x1, g[i - 1].x2, 1e-6) << c.w << " " << i;
                EXPECT_NEAR(g[i].y1, g[i - 1].y2, 1e-6) << c.w << " " << i;
            }

        grf_begin_block_plain(filled.f, 0, 0, 100, 100, 1, 1);
        grf_filled_slot(xc, yc, c.w, c.h);
        std::string t = filled.text();
        size_t at = t.find(" 18 34");
        ASSERT_NE(at, std::string::npos);
        const char* p = t.c_str() + at + 6;
        for (int k = 0; k < 34; ++k) {
            double x, y;
            int used = 0;
            ASSERT_EQ(std::sscanf(p, " %lf %lf%n", &x, &y, &used), 2);
            p += used;
            EXPECT_NEAR(distance_to_segment(x, y, ax, ay, bx, by), r, 1e-5) << c.w << " point " << k;
        }
    }
}

// Framed and circled labels: the frame is the rectangle of half-width g = 0.8 f len and
// half-height f = 0.8 th; a filled circle grows the box by its diameter.
TEST_F(Graphic, FramesAndRoundAreasInBlockAndPlot)
{
    grf_begin_block_plain(out.f, 0, 0, 10, 10, 1, 1);
    grf_framed_text(3, 3, 0.5, "AB");   // f = 0.4, g = 0.4 * 1.6 = 0.64
    std::string s = out.text();
    EXPECT_NE(s.find(" 1  2.360000 2.600000 2.360000 3.400000\n"
                     " 1  2.360000 3.400000 3.640000 3.400000\n"
                     " 1  3.640000 3.400000 3.640000 2.600000\n"
                     " 1  3.640000 2.600000 2.360000 2.600000\n"),
              std::string::npos)
        << s;
    grf_bbox_reset();
    grf_filled_circle(7, 7, 2);
    double bx0, by0, bx1, by1;
    grf_bbox_get(&bx0, &by0, &bx1, &by1);
    EXPECT_EQ(bx0, 5.0); EXPECT_EQ(by0, 5.0); EXPECT_EQ(bx1, 9.0); EXPECT_EQ(by1, 9.0);

    // A ring in the plot file: two areas of two half circles, each segment's point refers to the
    // next and the second back to the first.
    plot_open_grey(plot.f, 0, 0, 10, 10, 1, 0, "t");
    plot_set_filling(1);
    long start = std::ftell(plot.f);
    grf_filled_ring(5, 5, 4, 2);
    EXPECT_EQ(plot.text().substr(size_t(start)),
              "-opengroup\n-area / 1 1\n 2\n"
              " 0 ( @1 ( @1 5.000000 7.000000 ) #2 0 0 0 2.000000 )\n"
              " 0 ( @2 ( @2 5.000000 3.000000 ) #1 0 0 0 2.000000 )\n"
              " 2\n"
              " 0 ( @3 ( @3 5.000000 6.000000 ) #4 0 0 0 1.000000 )\n"
              " 0 ( @4 ( @4 5.000000 4.000000 ) #3 0 0 0 1.000000 )\n"
              "-closegroup\n");
}

// In a block turned by pi/2, (x, y) becomes (y, -x): both ends of a line and both corners of a
// filled rectangle are turned. Formatted texts are cut at 254 characters.
TEST_F(Graphic, TurnedRecordsAndLongTexts)
{
    grf_begin_block(out.f, 0, 0, 10, 10, 1, M_PI / 2, nullptr);
    long start = std::ftell(out.f);
    grf_line(1, 0, 2, 3);
    grf_filled_rectangle(1, 0, 2, 3);
    std::string s = out.text().substr(size_t(start));
    EXPECT_NE(s.find(" 1  0.000000 -1.000000 3.000000 -2.000000\n"), std::string::npos) << s;
    EXPECT_NE(s.find(" 24  0.000000 -1.000000 3.000000 -2.000000\n"), std::string::npos) << s;

    Capture texts;
    grf_begin_block_plain(texts.f, 0, 0, 10, 10, 1, 1);
    std::string long_text(300, 'x');
    grf_text_aligned(1, 1, 0, 1, "%s", long_text.c_str());
    grf_label_aligned(1, 1, 0, 1, "%s", long_text.c_str());
    std::string t = texts.text();
    EXPECT_EQ(count_of(t, "\xAE" + std::string(254, 'x') + "\xAF"), 2) << t;
}

// The pattern sheet: 65 swatches of 2.5 x 2 cm, six to a row, each framed by four lines.
TEST_F(Graphic, FillPatternSheetFramesEverySwatch)
{
    grf_fill_pattern_sheet(out.f);
    std::string s = out.text();
    EXPECT_EQ(count_of(s, " 1  "), 65 * 4);
    // swatch 6 starts the second row at (0, 2)
    EXPECT_NE(s.find(" 20  6\n 24  0.000000 2.000000 2.500000 4.000000\n"
                     " 1  0.000000 2.000000 0.000000 4.000000\n"
                     " 1  0.000000 4.000000 2.500000 4.000000\n"
                     " 1  2.500000 4.000000 2.500000 2.000000\n"
                     " 1  2.500000 2.000000 0.000000 2.000000\n"),
              std::string::npos)
        << s.substr(0, 2000);
}

// The colour plot file's header has its own colours, pens and line types; the origin of either
// header is the lower left corner of the drawing, negated and scaled: (1, 2) x 0.5.
TEST_F(Graphic, ColourPlotHeaderAndOrigin)
{
    plot_open_colour(plot.f, 1, 2, 11, 7, 0.5, 0, "Pos %d", 2);
    std::string s = plot.text();
    EXPECT_EQ(s.rfind("quor-Vandrel (1.0)A\nPos 2\n5.000000 2.500000\n0\n\n*TABLES\n"
                      "-colors 5\n 1  0 0 194\n 2  255 0 0\n",
                      0),
              0u)
        << s;
    EXPECT_NE(s.find("-pens 42\n"), std::string::npos);
    EXPECT_NE(s.find("-linetypes 4\n"), std::string::npos);
    EXPECT_NE(s.find(" 0 \xAE" "1:200\xAF 200 0 -0.500000 -1.000000 0 "), std::string::npos) << s;
}

TEST_F(Graphic, DimensionValueTexts)
{
    struct Case { const char* unit; double length, divisor; const char* text; const char* sup; };
    const Case cases[] = {
        // cm = length / divisor, rounded to 0.1; a remainder of 0.25 .. 0.75 shows as superscript 5
        {"cm", 125, 10, "12", "5"},   {"cm", 127.6, 10, "13", ""},   {"cm", 1234, 10, "1.23", "5"},
        {"cm", 1201, 10, "1.20", ""}, {"cm", 123, -10, "12", "3"},   {"cm", 120, -10, "12", "0"},
        // metres: below 1 m in cm, else in m with two decimals
        {"m", 0.125, 0, "12", "5"},   {"m", 0.128, 0, "13", ""},     {"m", 2.458, 0, "2.46", ""},
        {"m", 2.4567, 0, "2.45", "5"}, {"m", 1.235, 0, "1.23", "5"},
        // millimetres: the tenths as superscript, a blank for none
        {"mm", 150.0, 0, "150", " "}, {"mm", 150.4, 0, "150", "4"},
    };
    for (const Case& c : cases) {
        char text[32] = "", sup[16] = "";
        if (std::strcmp(c.unit, "cm") == 0) grf_dimension_cm_text(c.length, c.divisor, text, sup);
        else if (std::strcmp(c.unit, "m") == 0) grf_dimension_value_text(c.length, text, sup);
        else grf_dimension_mm_text(c.length, text, sup);
        EXPECT_STREQ(text, c.text) << c.unit << " " << c.length;
        EXPECT_STREQ(sup, c.sup) << c.unit << " " << c.length;
    }
}

// A span too short for its text puts the text along the chain: the first span's before the
// chain's start, the last span's past its end, an inner span's into the longer of its neighbours.
TEST_F(Graphic, ShortSpansOfAChainPutTheirTextsAlongIt)
{
    grf_begin_block_plain(out.f, 0, 0, 200, 100, 0.1, 0.1);
    PtrArr list{};
    // spans 3, 94, 3, 97, 3: the inner 3 has its longer neighbour (97) on the right
    for (double x : {0.0, 3.0, 97.0, 100.0, 197.0, 200.0}) ASSERT_EQ(grf_point_list_add(&list, x, 5), 1);
    grf_set_dimension_style(8);
    grf_dimension_chain(&list, "mm", 2, 10, 1, 1, 0);
    // where each value text stands along the chain, in block units (0.1 per mm)
    std::vector<std::pair<std::string, double>> texts;
    std::istringstream in(out.text());
    for (std::string line; std::getline(in, line);) {
        double x = 0;
        char text[16] = "";
        if (std::sscanf(line.c_str(), " 10 %lf %*f %*f %*f 210 \xAE%15[^\xAF]", &x, text) == 2) texts.emplace_back(text, x);
    }
    // A text outside its span stands len s / sx = 1 * 1 / 0.1 = 10 mm past the span's end; the
    // 94 and 97 fit and stand at their middles, 50 and 148.5 mm.
    const std::vector<std::pair<std::string, double>> want = {
        {"3", -1.0}, {"94", 5.0}, {"3", 11.0}, {"97", 14.85}, {"3", 21.0}};
    ASSERT_EQ(texts.size(), want.size()) << out.text();
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(texts[i].first, want[i].first) << i;
        EXPECT_NEAR(texts[i].second, want[i].second, 1e-9) << i;
    }
}

TEST_F(Graphic, ChainConsumesItsPoints)
{
    grf_begin_block_plain(out.f, 0, 0, 200, 100, 0.1, 0.1);
    PtrArr list{};
    for (double x : {0.0, 0.0, 50.0, 100.0}) ASSERT_EQ(grf_point_list_add(&list, x, 5), 1);
    grf_set_dimension_style(8);
    grf_dimension_chain(&list, "mm", 2, 10, 0.1, 1, 0);
    EXPECT_EQ(ptrarr_count(&list), 0);
    std::string s = out.text();
    EXPECT_EQ(count_of(s, " 10 "), 2);                      // two value texts: 50 and 50
    EXPECT_EQ(count_of(s, "210 \xAE" "50\xAF"), 2);
    // a chain with too few points or a bad direction still frees its records
    grf_point_list_add(&list, 1, 1);
    EXPECT_EQ(grf_dimension_chain(&list, "mm", 2, 0, 0.1, 1, 0), 0);
    EXPECT_EQ(ptrarr_count(&list), 0);
    grf_point_list_add(&list, 1, 1);
    grf_point_list_add(&list, 2, 1);
    EXPECT_EQ(grf_dimension_chain(&list, "mm", 7, 0, 0.1, 1, 0), 0);
    EXPECT_EQ(ptrarr_count(&list), 0);
    ptrarr_clear(&list);
}

TEST_F(Graphic, DimensionMarksAndStagger)
{
    grf_begin_block_plain(out.f, 0, 0, 100, 100, 1, 1);
    grf_set_dimension_style(3);   // neither witness lines nor end marks: the dimension line alone
    Capture one;
    grf_redirect_stream(one.f);
    grf_dimension_line(0, 0, 10, 0, 0.1, "10", "", 0, 0);
    grf_restore_stream();
    EXPECT_EQ(count_of(one.text(), " 1  "), 1);
    grf_set_dimension_style(0);
    // texts that do not fit go outside at 2.8, 4 and again 2.8 base distances
    double r1 = grf_dimension_line(0, 0, 1, 0, 0.1, "1000", "", 5, 0);
    double r2 = grf_dimension_line(1, 0, 2, 0, 0.1, "1000", "", 5, 0);
    double r3 = grf_dimension_line(2, 0, 3, 0, 0.1, "1000", "", 5, 0);
    EXPECT_EQ(r1, 2);
    EXPECT_EQ(r2, 3.2);
    EXPECT_EQ(r3, 2);
    EXPECT_EQ(grf_dimension_line(0, 0, 0.001, 0, 0.1, "0", "", 0, 0), 0);   // shorter than 0.01
}

TEST_F(Graphic, ScaleChoice)
{
    // 15 x 10 cm for 5 x 2 m: q = min(10/200, 15/500) = 0.03 > 1/50 first
    EXPECT_EQ(grf_choose_scale(15, 10, 5, 2), 3);
    EXPECT_EQ(grf_scale_denominator(3), 50);
    // 1 x 1 cm for 100 x 100 m: q = 1e-4, below 1/1500
    EXPECT_EQ(grf_choose_scale(1, 1, 100, 100), -1);
}

TEST_F(Graphic, WindowHolesAndTextAngles)
{
    plot_open_grey(plot.f, 0, 0, 10, 10, 1, 0, "t");
    grf_begin_block_plain(out.f, 0, 0, 10, 10, 1, 1);
    long start = std::ftell(plot.f);
    grf_rectangle_with_window(0, 0, 10, 10, 0, 2, 5, 8);   // touches the outer border: no hole
    grf_rectangle_with_window(0, 0, 10, 10, 2, 2, 5, 8);
    std::string p = plot.text().substr(size_t(start));
    EXPECT_EQ(count_of(p, "-area / 0 0\n"), 1);
    EXPECT_EQ(count_of(p, "-area / 1 0\n"), 1);
    std::string s = out.text();
    EXPECT_EQ(count_of(s, " 24  "), 3);   // two outer rectangles and one window
    grf_set_text_angle(M_PI / 2);
    grf_text(1, 1, "abc");
    EXPECT_NE(out.text().find(" 14 90.000000 0\n 3 1.000000 1.000000 \xAE" "abc\xAF\n"), std::string::npos);
    EXPECT_NE(plot.text().find("-text / 1 4 0 2 1 7 1.000000 1.000000 90.000000 1.2 0. 0.\n"), std::string::npos);
}

TEST_F(Graphic, LongPolygonRecordStaysWhole)
{
    grf_begin_block_plain(out.f, 0, 0, 10, 10, 1, 1);
    std::vector<double> xs(300), ys(300);
    for (int i = 0; i < 300; ++i) {
        xs[size_t(i)] = i * 0.01;
        ys[size_t(i)] = 1;
    }
    grf_polygon(300, xs.data(), ys.data());
    std::string s = out.text();
    size_t p = s.find(" 18 300 ");
    ASSERT_NE(p, std::string::npos);
    std::string rec = s.substr(p, s.find('\n', p) - p);
    EXPECT_EQ(count_of(rec, " "), 2 + 600 + 1);   // record number, count, 600 values and the closing blank
    EXPECT_NE(rec.find(" 2.990000 1.000000 "), std::string::npos);
}
