// Arrows, loads, diagrams, charts and the symbols of structural drawings.
#include "oli_capture.h"
#include "output/grf_diagrams.h"
#include "output/grf_loads.h"
#include "output/grf_shapes.h"
#include "output/grf_symbols.h"
#include "helpers/mem_counted.h"
#include "platform/viewer/oli_viewer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lines_with(const std::string& s, const std::string& prefix)
{
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string l;
    while (std::getline(in, l))
        if (l.compare(0, prefix.size(), prefix) == 0) out.push_back(l);
    return out;
}

std::vector<double> numbers(const std::string& line)
{
    std::istringstream in(line);
    std::vector<double> v;
    double d;
    std::string w;
    while (in >> w) {
        const auto r = std::from_chars(w.data(), w.data() + w.size(), d);   // a decimal point whatever the locale
        if (r.ec == std::errc() && r.ptr == w.data() + w.size()) v.push_back(d);
    }
    return v;
}

// Texts of the text and label records, in writing order.
std::vector<std::string> texts(const std::string& s)
{
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string l;
    while (std::getline(in, l)) {
        size_t a = l.find('\xAE'), b = l.rfind('\xAF');
        if (a != std::string::npos && b != std::string::npos && b > a) out.push_back(l.substr(a + 1, b - a - 1));
    }
    return out;
}

bool has_line(const std::string& s, const std::string& line) { return s.find(line + "\n") != std::string::npos; }

} // namespace

class Symbols : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_writers();
        block(0, 0, 20, 20);
    }
    void TearDown() override
    {
        grf_restore_stream();
        grf_state().plot = nullptr;
    }
    // A block of scale 1; the records that follow go to `out` alone.
    void block(double x1, double y1, double x2, double y2)
    {
        grf_begin_block_plain(head.f, x1, y1, x2, y2, 1, 1);
        grf_redirect_stream(out.f);
    }
    Capture head, out, plot;
};

TEST_F(Symbols, ForceArrowTypes)
{
    grf_force_arrow(0, 0, 0, 10, 2, 1, 3);
    EXPECT_EQ(out.text(), " 30\n 31\n");   // unknown type: state saved and restored only
    Capture open;
    grf_redirect_stream(open.f);
    grf_force_arrow(5, 5, 0, 10, 2, 1, 0);
    // tip (5, 5), tail 10 back, head corners 2 back and 0.5 to either side
    EXPECT_EQ(open.text(), " 30\n 1  5.000000 5.000000 -5.000000 5.000000\n 1  5.000000 5.000000 3.000000 4.500000\n"
                           " 1  5.000000 5.000000 3.000000 5.500000\n 31\n");
    Capture filled;
    grf_redirect_stream(filled.f);
    grf_force_arrow_between(0, 0, 0, 10, 2, 1, 2);   // from (0, 10) down to its tip at the origin
    std::string s = filled.text();
    EXPECT_TRUE(has_line(s, " 20  55")) << s;
    EXPECT_EQ(lines_with(s, " 1  ").size(), 1u);
    std::vector<double> shaft = numbers(lines_with(s, " 1  ")[0]);
    EXPECT_NEAR(shaft[1], 0, 1e-9);
    EXPECT_NEAR(shaft[2], 2, 1e-9);   // head base
    EXPECT_NEAR(shaft[4], 10, 1e-9);  // tail
    EXPECT_EQ(lines_with(s, " 18 3").size(), 1u);
}

TEST_F(Symbols, ForceArrowTextAlignmentByAngle)
{
    struct Case {
        double angle;
        int code;   // 200 + horizontal (1 left, 2 centre, 4 right) + vertical (0 top, 8 middle, 24 bottom)
    };
    const Case cases[] = {{0, 212}, {M_PI / 2, 226}, {M_PI, 209}, {3 * M_PI / 2, 202}, {-0.1, 212}};
    for (const Case& c : cases) {
        Capture one;
        grf_redirect_stream(one.f);
        grf_force_arrow_text(0, 0, c.angle, 4, 1, 0.5, 0, 0.3, "F = %d kN", 12);
        std::vector<std::string> t = lines_with(one.text(), " 10 ");
        ASSERT_EQ(t.size(), 1u);
        EXPECT_NE(t[0].find(" " + std::to_string(c.code) + " \xAE" "F = 12 kN\xAF"), std::string::npos)
            << c.angle << " " << t[0];
        EXPECT_TRUE(has_line(one.text(), " 13 0.300000"));
    }
}

TEST_F(Symbols, UniformAndTrapezoidLoadArrowCounts)
{
    struct Case {
        double x1, x2;
        int arrows;
    };
    // five arrows a page cm at scale 1: 0.2 cm gives n = 1, so 3; 2 cm gives n = 10, so 11;
    // right to left the count is negative, so 3
    const Case cases[] = {{0, 0.2, 3}, {0, 2, 11}, {2, 0, 3}, {1, 1.000001, 0}};
    for (const Case& c : cases) {
        Capture one;
        grf_redirect_stream(one.f);
        grf_uniform_load(c.x1, 1, c.x2, 1, 1, 0.25, "q = 5 kN/m");
        std::string s = one.text();
        EXPECT_EQ(lines_with(s, " 18 3").size(), size_t(c.arrows)) << c.x2;
        if (c.arrows == 0) EXPECT_EQ(s, "");
        else EXPECT_EQ(texts(s).back(), "q = 5 kN/m");
    }
    grf_redirect_stream(out.f);
    // half an arrow a cm: 4 cm gives n = 2, so 3 arrows whose heights run from 1 to 3
    grf_trapezoid_load(0, 0, 4, 0, 1, 3, 0.25, "q");
    std::string s = out.text();
    ASSERT_EQ(lines_with(s, " 18 3").size(), 3u);
    EXPECT_TRUE(has_line(s, " 1  0.000000 1.000000 4.000000 3.000000"));   // top line
    EXPECT_TRUE(has_line(s, " 1  2.000000 0.300000 2.000000 2.000000"));   // middle shaft, height 2
}

TEST_F(Symbols, MemberLoads)
{
    // 650 units: k = int(3.25) = 3 steps, axial: three open arrows (three lines each)
    for (double q2 : {0.0, 4.0}) {
        Capture one;
        grf_redirect_stream(one.f);
        grf_member_load_axial(0, 0, 650, 0, 2, q2);
        std::string s = one.text();
        EXPECT_EQ(lines_with(s, " 30").size(), 3u) << q2;
        EXPECT_EQ(lines_with(s, " 1  ").size(), 1u + 9u) << q2;
    }
    // vertical, negative intensity on a member drawn with y down: load line on the other side,
    // heads at the member on the shaft's side. 400 units: k = 2, step 200, head 0.35 x 50 = 17.5
    // back and 0.1 x 200 = 20 to either side
    Capture v;
    grf_redirect_stream(v.f);
    grf_member_load_vertical(0, 0, 400, 0, -50, -50);
    std::string s = v.text();
    EXPECT_TRUE(has_line(s, " 1  0.000000 -50.000000 400.000000 -50.000000")) << s;
    EXPECT_TRUE(has_line(s, " 1  0.000000 0.000000 0.000000 -50.000000"));
    EXPECT_TRUE(has_line(s, " 1  0.000000 0.000000 20.000000 -17.500000"));
    EXPECT_TRUE(has_line(s, " 1  0.000000 0.000000 -20.000000 -17.500000"));
    // a member under 200 units still gets one step instead of a division by zero
    Capture shortm;
    grf_redirect_stream(shortm.f);
    grf_member_load_normal(0, 0, 100, 0, 10, 20);
    grf_member_load_horizontal(0, 0, 0, 150, 10, 20);
    std::string t = shortm.text();
    EXPECT_EQ(t.find("nan"), std::string::npos);
    EXPECT_EQ(t.find("inf"), std::string::npos);
    EXPECT_EQ(lines_with(t, " 30").size(), 4u);
}

TEST_F(Symbols, AxisAndChartTicks)
{
    ChartFrame c;
    grf_chart_init(&c);
    EXPECT_EQ(c.width, 5.0);
    EXPECT_EQ(c.y_axis_side, 1);
    c.x_max = c.x_min;
    Capture empty;
    EXPECT_EQ(grf_axis(empty.f, &c), 1);
    grf_redirect_stream(empty.f);
    grf_chart_end();
    EXPECT_EQ(empty.text(), "");

    struct Case {
        double step;
        const char* label;
    };
    const Case cases[] = {{0.05, "0.05"}, {0.5, "0.5"}, {5, "5"}};
    for (const Case& k : cases) {
        grf_chart_init(&c);
        c.x_min = -2 * k.step;
        c.x_max = 4 * k.step;
        c.x_step = k.step;
        std::strcpy(c.x_title, "x");
        Capture one;
        EXPECT_EQ(grf_axis(one.f, &c), 0);
        grf_chart_end();
        std::string s = one.text();
        std::vector<std::string> t = texts(s);
        // ticks at -1 step and 1 .. 3 steps (none at 0, none at the range ends)
        EXPECT_EQ(t.size(), 1u + 4u + 1u) << s;
        EXPECT_NE(std::find(t.begin(), t.end(), k.label), t.end()) << k.step;
        EXPECT_EQ(s.compare(s.size() - 4, 4, " -1\n"), 0);
    }
}

TEST_F(Symbols, MemberDiagramLabelsAndSignMarks)
{
    struct Case {
        double v[3];
        int marks;
    };
    const Case cases[] = {{{1, 3, 2}, 1}, {{3, 1, 2}, 2}};
    for (const Case& k : cases) {
        MemberDiagram d;
        grf_diagram_init(&d, 3);
        d.end_x = 10;
        for (int i = 0; i < 3; ++i) {
            d.positions[i] = 5 * i;
            d.values[i] = k.v[i];
        }
        MemberDiagram copy;
        grf_diagram_init(&copy, 0);
        grf_diagram_copy(&copy, &d);
        EXPECT_NE(copy.values, d.values);
        grf_diagram_free(&d);
        Capture one;
        grf_redirect_stream(one.f);
        grf_member_diagram(&copy);
        std::string s = one.text();
        EXPECT_EQ(lines_with(s, " 9 ").size(), 3u) << s;
        EXPECT_EQ(count_of(s, "\xAE+\xAF"), k.marks);
        // side 1 draws positive values below the member: the first ordinate ends at -v
        char value[32];   // as %f writes it, with a decimal point whatever the locale
        *std::to_chars(value, value + sizeof value - 1, -k.v[0], std::chars_format::fixed, 6).ptr = 0;
        EXPECT_TRUE(has_line(s, std::string(" 1  0.000000 0.000000 0.000000 ") + value));
        grf_diagram_free(&copy);
        EXPECT_EQ(copy.values, nullptr);
    }
}

TEST_F(Symbols, ValueDiagramTicksAndTitle)
{
    double pos[3] = {0, 1, 2};
    double many[101] = {};
    double pos101[101];
    for (int i = 0; i < 101; ++i) pos101[i] = i;
    EXPECT_EQ(grf_value_diagram(0, 0, 5, 5, pos101, many, 101, "N", "kN", 0.3), 0);
    EXPECT_EQ(out.text(), "");

    struct Case {
        double v[3];
        std::vector<std::string> labels;
        int title_side;   // -1 left of the box, +1 right of it, 0 left of the base line inside
    };
    const Case cases[] = {
        {{1, 2, 3}, {"2", "3"}, -1},
        {{1.5, 2, 3}, {"2.1", "2.8"}, -1},
        {{120, 370, 250}, {"200", "300"}, -1},
        {{-3, -2, -1.5}, {"-2.1", "-2.8"}, 1},
        {{1, -2, 3}, {"0", "-2", "2"}, 0},
    };
    // box x 0 ... 5 with text height 0.3: left = 0.26; unit "" keeps the bottom at 0
    for (const Case& k : cases) {
        Capture one;
        grf_redirect_stream(one.f);
        double v[3] = {k.v[0], k.v[1], k.v[2]};
        EXPECT_EQ(grf_value_diagram(0, 0, 5, 5, pos, v, 3, "Titel", "", 0.3), 1);
        std::string s = one.text();
        std::vector<std::string> t = texts(s);
        ASSERT_EQ(t.size(), k.labels.size() + 1) << s;
        EXPECT_EQ(std::vector<std::string>(t.begin(), t.end() - 1), k.labels);
        std::vector<double> title = numbers(lines_with(s, " 10 ").back());
        double tx = title[1];
        if (k.title_side < 0) {
            EXPECT_NEAR(tx, 0.26 - 0.24 - 0.04, 1e-9);   // left - 0.8 th - 0.04
        }
        if (k.title_side > 0) {
            EXPECT_NEAR(tx, 5 + 0.24 + 0.04, 1e-9);
        }
        if (k.title_side == 0) {
            // base x(0) = 0.26 + 4.74 x (0 + 2) / 5 = 2.156
            EXPECT_NEAR(tx, 2.156 - 0.28, 1e-9);
        }
    }
    grf_redirect_stream(out.f);
    // equal values: drawn from 0, the caller's values stay as they were
    double same[3] = {2, 2, 2};
    EXPECT_EQ(grf_value_diagram_even(0, 0, 5, 5, 0, 2, same, 3, "T", "kN", 0.3), 1);
    EXPECT_EQ(same[0], 2);
    EXPECT_EQ(same[2], 2);
}

TEST_F(Symbols, LevelMarksAndLeaders)
{
    grf_level_mark(5, 5, "+0.00", 1, 1);
    std::vector<double> up = numbers(lines_with(out.text(), " 18 3")[0]);
    EXPECT_GT(up[5], 5);   // corners above the tip (18, 3, tip x, tip y, corner x, corner y)
    Capture down_head, down;
    grf_begin_block_plain(down_head.f, 0, 20, 20, 0, 1, 1);   // y direction 2
    grf_redirect_stream(down.f);
    grf_level_mark(5, 5, "+0.00", 1, 1);
    std::vector<double> dn = numbers(lines_with(down.text(), " 18 3")[0]);
    EXPECT_LT(dn[5], 5);

    block(0, 0, 20, 20);
    Capture leader;
    grf_redirect_stream(leader.f);
    grf_leader_text(0, 0, 5, 5, 0.2, "%s", "abc   ");
    // measured without the blanks: xe = 5 + (0.2 + 3 x 0.2) = 5.8; the shelf is the second line
    EXPECT_TRUE(has_line(leader.text(), " 1  5.000000 5.000000 5.800000 5.000000")) << leader.text();
    EXPECT_EQ(texts(leader.text()), std::vector<std::string>{"abc"});

    // The texts stand 0.2 text heights (0.04) above their shelf on the page: y 5.04 here, 4.96 in
    // a block whose y runs downward; the level mark's text likewise.
    struct Case { double y1, y2, text_y; };
    const Case cases[] = {{0, 20, 5.04}, {20, 0, 4.96}};
    for (const Case& c : cases) {
        Capture head2, one;
        grf_begin_block_plain(head2.f, 0, c.y1, 20, c.y2, 1, 1);
        grf_redirect_stream(one.f);
        grf_leader_text(0, 0, 5, 5, 0.2, "%s", "abc");
        grf_leader_level_mark(0, 0, 5, 5, 1, 0.2, "%s", "+1");
        std::vector<std::string> records = lines_with(one.text(), " 10 ");
        ASSERT_EQ(records.size(), 2u) << one.text();
        for (const std::string& r : records) EXPECT_NEAR(numbers(r)[2], c.text_y, 1e-9) << r;
    }
}

TEST_F(Symbols, FastenerSectionAndRebar)
{
    grf_fastener_symbol(0, 8, 10, 0, 0, 0);
    EXPECT_EQ(out.text(), " 30\n 6 0.020000\n 31\n");

    Capture sec;
    grf_redirect_stream(sec.f);
    grf_section_line(0, 0, 10, 0, 1, nullptr, "");
    std::string s = sec.text();
    EXPECT_EQ(lines_with(s, " 1  ").size(), 2u);      // the line and the tick at P2
    EXPECT_EQ(lines_with(s, " 18 3").size(), 1u);     // one head
    EXPECT_TRUE(texts(s).empty());

    Capture none;
    grf_redirect_stream(none.f);
    EXPECT_EQ(grf_rebar_label(0, 0, 4, 0, 0.1, 2, 3, 15, 5.65, 0.03, 2, 0), 0);
    EXPECT_EQ(none.text(), "");
    struct Case {
        int grade, number;
        const char* last;
    };
    const Case cases[] = {{2, 0, "BSt 500S"}, {1, 3, "BSt 420S Nr. 3"}, {7, 0, "???"}};
    for (const Case& k : cases) {
        Capture one;
        grf_redirect_stream(one.f);
        EXPECT_EQ(grf_rebar_label(0, 0, 100, 0, 0.1, k.grade, 3, 15, 5.65, 0.03, 2, k.number), 1);
        std::vector<std::string> t = texts(one.text());
        ASSERT_EQ(t.size(), 4u);
        EXPECT_EQ(t[0], " 5.65 cm\xFD");
        EXPECT_EQ(t[1], "   14/15.0");
        EXPECT_EQ(t[2], "C=3cm V=2");
        EXPECT_EQ(t[3], k.last);
        EXPECT_NE(one.text().find(" 27 "), std::string::npos);
    }
}

TEST_F(Symbols, HatchedStripSides)
{
    struct Case {
        double x2, y2;
        int side;
        int across;   // sign of the moved edge: y for the horizontal segment, x for the vertical
    };
    const Case cases[] = {{10, 0, 0, -1}, {10, 0, 1, 1}, {10, 0, 2, -1}, {10, 0, 3, 1},
                          {0, 10, 0, -1}, {0, 10, 1, 1}, {0, 10, 2, 1},  {0, 10, 3, -1}};
    for (const Case& k : cases) {
        Capture one;
        grf_redirect_stream(one.f);
        grf_hatched_strip(0, 0, k.x2, k.y2, 2, k.side);
        std::vector<std::string> poly = lines_with(one.text(), " 18 4");
        ASSERT_EQ(poly.size(), 1u);
        std::vector<double> p = numbers(poly[0]);   // 18, 4, then the pairs; the third is moved
        double moved = k.x2 != 0 ? p[7] : p[6];
        EXPECT_NEAR(moved, 2.0 * k.across, 1e-9) << k.side << " " << poly[0];
    }
    grf_redirect_stream(out.f);
    // with a plot file: hatch strokes there; width 0 or an unknown side ends without strokes
    grf_state().plot = plot.f;
    grf_hatched_strip(0, 0, 10, 0, 2, 1);
    EXPECT_GT(count_of(plot.text(), "-line "), 2);
    EXPECT_EQ(count_of(plot.text(), "-area"), 0);
    Capture quiet;
    grf_state().plot = quiet.f;
    grf_hatched_strip(0, 0, 10, 0, 0, 1);
    grf_hatched_strip(0, 0, 10, 0, 2, 9);
    EXPECT_EQ(count_of(quiet.text(), "-line "), 0);
}

TEST_F(Symbols, ViewerReadsTheDrawing)
{
    Capture list;
    grf_restore_stream();
    grf_begin_block_plain(list.f, -5, -5, 25, 15, 0.5, 0.5);
    grf_force_arrow_text(2, 2, 1, 3, 0.5, 0.3, 2, 0.25, "F");
    grf_moment_arrow(5, 5, 1, 0, 3, 0.3, 0.2, 1, 0.25, "M");
    grf_uniform_load(0, 8, 10, 8, 1, 0.25, "q");
    grf_double_arrow_line(0, -2, 10, -2, "l = 10", "");
    grf_axes_symbol(-3, -3, "x", "y", 1, 0);
    grf_vector_arrow(15, 5, 1, 0.5, "v");
    grf_support_triangle(0, 0, 0, 64, 1, 1, 2);
    grf_fixed_support_hatch(10, 0, 0, 2);
    grf_level_mark_two_texts(12, 10, 2, "+1.00", "OK", 64, 1);
    grf_leader_level_mark(15, 0, 18, 3, 0, 0.2, "Lage %d", 2);
    for (int type = 0; type < 8; ++type) grf_fastener_symbol(0, type, 1, 2 + 2 * type, 12, 0.5);
    grf_bold_label_at(20, 12, "fett");
    double v[3] = {1, -2, 3}, pos[3] = {0, 5, 10};
    grf_value_diagram_even(18, 0, 24, 8, 0, 10, v, 3, "V", "kN", 0.3);
    grf_value_diagram(18, 0, 24, 8, pos, v, 3, "V", "kN", 0.3);
    grf_out(" -1\n");
    ChartFrame c;
    grf_chart_init(&c);
    c.x_step = c.y_step = 20;
    c.grid = 1;
    grf_axis(list.f, &c);
    grf_chart_end();
    double xs[3] = {0, 1, 2}, ys[3] = {0, 2, 1};
    grf_curve_block(list.f, 3, xs, ys, 1, 0, 4, 3);
    std::string bytes = list.text();
    oliview::Document d = oliview::parse(bytes.data(), bytes.size());
    EXPECT_EQ(d.skipped, 0);
    ASSERT_EQ(d.blocks.size(), 3u);
    for (const oliview::Block& b : d.blocks) EXPECT_TRUE(b.complete);
}

TEST_F(Symbols, ValueDiagramStationsAndPolygon)
{
    // Values 1, -2, 3, 2 in the box (0, 0)-(5, 5), text height 0.3: left = 0.3 - 0.04 = 0.26;
    // range [-2, 3]: x(v) = 0.26 + 4.74 (v + 2) / 5, base x(0) = 2.156; x(1) = 3.104, x(-2) = 0.26,
    // x(3) = 5, x(2) = 4.052. The polygon runs (base, first station), the ordinate ends, (base, last station).
    double v[4] = {1, -2, 3, 2};
    struct Case {
        const char* what; bool even; const char* unit; double y[4]; double pos[4];
    };
    const Case cases[] = {
        // even stations fill the box whatever p1 is: i * 5 / 3
        {"even", true, "", {0, 5.0 / 3, 10.0 / 3, 5}, {}},
        // a unit text lifts the bottom by 1.3 th = 0.39: 0.39 + i * 4.61 / 3
        {"even with unit", true, "kN", {0.39, 0.39 + 4.61 / 3, 0.39 + 2 * 4.61 / 3, 5}, {}},
        // positions 0, 1, 3, 4 over their span 4: 5 * pos / 4
        {"positions", false, "", {0, 1.25, 3.75, 5}, {0, 1, 3, 4}},
        // positions 2, 3, 5, 6 count from the first: the same places, 5 * (pos - 2) / 4
        {"positions from 2", false, "", {0, 1.25, 3.75, 5}, {2, 3, 5, 6}},
    };
    const double x[4] = {3.104, 0.26, 5, 4.052};
    for (const Case& k : cases) {
        Capture one;
        grf_redirect_stream(one.f);
        const int drawn = k.even ? grf_value_diagram_even(0, 0, 5, 5, 4, 10, v, 4, "V", k.unit, 0.3)
                                 : grf_value_diagram(0, 0, 5, 5, k.pos, v, 4, "V", k.unit, 0.3);
        ASSERT_EQ(drawn, 1) << k.what;
        const std::vector<std::string> polys = lines_with(one.text(), " 18 6");
        ASSERT_EQ(polys.size(), 1u) << k.what << one.text();
        const std::vector<double> p = numbers(polys[0]);   // 18, 6, then x y of six points
        ASSERT_EQ(p.size(), 14u) << k.what;
        EXPECT_NEAR(p[2], 2.156, 1e-6) << k.what;
        EXPECT_NEAR(p[3], k.y[0], 1e-6) << k.what;
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(p[4 + 2 * i], x[i], 1e-6) << k.what << " station " << i;
            EXPECT_NEAR(p[5 + 2 * i], k.y[i], 1e-6) << k.what << " station " << i;
        }
        EXPECT_NEAR(p[12], 2.156, 1e-6) << k.what;
        EXPECT_NEAR(p[13], k.y[3], 1e-6) << k.what;
    }
}
