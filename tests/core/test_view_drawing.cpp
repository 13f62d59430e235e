// The view drawing of the printed calculation read back from its graphic block: the shapes of the
// beam, the opening and its reinforcement, and the dimension chains, in mm of the position.
#include "test_print_fixture.h"
#include "platform/viewer/oli_viewer.h"
#include "platform/os/c_numeric.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

struct Box {
    double x1, y1, x2, y2;
};

struct Polygon {
    std::vector<double> xs, ys;
    Box box() const
    {
        return {*std::min_element(xs.begin(), xs.end()), *std::min_element(ys.begin(), ys.end()),
                *std::max_element(xs.begin(), xs.end()), *std::max_element(ys.begin(), ys.end())};
    }
};

struct Dimension {
    int angle;       // 0: along x, 90: along y
    double across;   // place of the text across its chain, paper units
    double along;    // middle of the text along its chain, paper units
    std::string text;
};

// The graphic block as shapes and dimension texts, in paper units.
struct Drawing {
    std::vector<Polygon> polygons;      // filled polygons (" 18")
    std::vector<Box> rectangles;        // filled rectangles (" 24")
    std::vector<Dimension> dimensions;

    // (middle along the chain in mm, text) of every dimension in one direction, in order.
    std::vector<std::pair<long, std::string>> spans(int angle, double n) const
    {
        std::vector<std::pair<long, std::string>> out;
        for (const Dimension& m : dimensions)
            if (m.angle == angle) out.push_back({std::lround(m.along * n), m.text});
        std::sort(out.begin(), out.end());
        return out;
    }
    // Place across its chain of the dimension with this text and middle (mm).
    double across(int angle, const std::string& text, long along_mm, double n) const
    {
        for (const Dimension& m : dimensions)
            if (m.angle == angle && m.text == text && std::lround(m.along * n) == along_mm) return m.across;
        return NAN;
    }
};

Drawing read_drawing(const std::string& bytes)
{
    Drawing g;
    const size_t start = bytes.find("#SHOWGRAFIC");
    if (start == std::string::npos) return g;
    std::istringstream in(bytes.substr(start));
    std::string line;
    int angle = 0;
    while (std::getline(in, line)) {
        std::istringstream f(line);
        int code;
        if (!(f >> code)) continue;
        if (code == 18) {
            int n;
            f >> n;
            Polygon p;
            for (double x, y; n-- > 0 && f >> x >> y;) {
                p.xs.push_back(x);
                p.ys.push_back(y);
            }
            g.polygons.push_back(p);
        } else if (code == 24) {
            Box b;
            f >> b.x1 >> b.y1 >> b.x2 >> b.y2;
            g.rectangles.push_back({std::min(b.x1, b.x2), std::min(b.y1, b.y2), std::max(b.x1, b.x2),
                                    std::max(b.y1, b.y2)});
        } else if (code == 14) {
            double a;
            f >> a;
            angle = int(std::lround(a));
        } else if (code == 10) {
            double x, y;
            f >> x >> y;
            const size_t open = line.find('\xAE'), close = line.find('\xAF');
            const std::string text = line.substr(open + 1, close - open - 1);
            g.dimensions.push_back({angle, angle == 0 ? y : x, angle == 0 ? x : y, text});
        }
    }
    return g;
}

// Millimetres of the position from paper units at scale 1:n.
Box mm(const Box& b, double n) { return {b.x1 * n, b.y1 * n, b.x2 * n, b.y2 * n}; }

#define EXPECT_BOX(actual, X1, Y1, X2, Y2)          \
    do {                                            \
        const Box b_ = (actual);                    \
        EXPECT_NEAR(b_.x1, X1, 0.01);               \
        EXPECT_NEAR(b_.y1, Y1, 0.01);               \
        EXPECT_NEAR(b_.x2, X2, 0.01);               \
        EXPECT_NEAR(b_.y2, Y2, 0.01);               \
    } while (0)

bool has_vertex(const Polygon& p, double n, double x, double y)
{
    for (size_t i = 0; i < p.xs.size(); ++i)
        if (std::fabs(p.xs[i] * n - x) < 0.01 && std::fabs(p.ys[i] * n - y) < 0.01) return true;
    return false;
}

}  // namespace

class ViewDrawingTest : public PrintTest {
protected:
    // The drawing and its scale 1:n, taken from the beam, the first filled polygon, h high.
    Drawing draw(double* n)
    {
        FILE* f = std::tmpfile();
        d.print_view_drawing(f);
        std::rewind(f);
        std::string bytes;
        for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(char(c));
        std::fclose(f);
        Drawing g = read_drawing(bytes);
        *n = g.polygons.empty() ? 0.0 : d.h / g.polygons[0].box().y2;
        return g;
    }
    // Polygons of the shapes, without the dots of the dimension lines (a few mm across).
    static std::vector<Polygon> shapes(const Drawing& g, double n)
    {
        std::vector<Polygon> out;
        for (const Polygon& p : g.polygons)
            if ((p.box().x2 - p.box().x1) * n > 10.0) out.push_back(p);
        return out;
    }
};

using Spans = std::vector<std::pair<long, std::string>>;

// Rectangular opening a 100 in the fixture's beam (h 240, h_ru = h_ro = 70), two rods d 6, l_e 160,
// a_3c 40, glued in from the top edge. K = 3 a + 2 a_3c = 380; opening x 140..240, y 70..170.
TEST_F(ViewDrawingTest, RectangularOpeningWithRodsFromTheTop)
{
    use_rods();
    d.a_3c = 40;
    d.l_e = 160;
    double n = 0;
    const Drawing g = draw(&n);
    ASSERT_GT(n, 0.0);

    const std::vector<Polygon> s = shapes(g, n);
    ASSERT_EQ(s.size(), 2u);   // the beam and the opening
    EXPECT_BOX(mm(s[0].box(), n), 0, 0, 380, 240);
    // Rods 40 mm beside the opening, x 100 and 280, from the top edge 160 mm down.
    ASSERT_EQ(g.rectangles.size(), 2u);
    EXPECT_BOX(mm(g.rectangles[0], n), 97, 80, 103, 240);
    EXPECT_BOX(mm(g.rectangles[1], n), 277, 80, 283, 240);
    // The opening with its corners rounded at r = 30: 4 quarter circles of 7 points, tangent to the
    // edges 30 mm from each corner; the middle of the lower left arc at 45 degrees:
    // (140 + 30 - 30 cos 45, 70 + 30 - 30 sin 45) = (148.787, 78.787).
    const Polygon& hole = s[1];
    EXPECT_EQ(hole.xs.size(), 28u);
    EXPECT_BOX(mm(hole.box(), n), 140, 70, 240, 170);
    for (auto v : {std::make_pair(170.0, 70.0), {140.0, 100.0}, {140.0, 140.0}, {170.0, 170.0}, {210.0, 170.0},
                   {240.0, 140.0}, {240.0, 100.0}, {210.0, 70.0}, {148.787, 78.787}})
        EXPECT_TRUE(has_vertex(hole, n, v.first, v.second)) << v.first << "," << v.second;

    // Below the beam: rod, opening, rod at 100, 140, 240, 280.
    EXPECT_EQ(g.spans(0, n), (Spans{{120, "40"}, {190, "100"}, {260, "40"}}));
    // Left inner chain: 0, 70 (opening), 80 (rod ends), 170, 240; outer chain: the height 240;
    // right of the beam: the rods' length from the top, 0, 80, 240.
    // The 10 between 70 and 80 is too short for its text: it stands past 80, in the longer of its
    // neighbours, len s N = 2 * 0.1 * 30 = 6 mm along the chain (the drawing is at 1:3).
    EXPECT_EQ(g.spans(90, n), (Spans{{35, "70"}, {40, "80"}, {86, "10"}, {120, "240"}, {125, "90"},
                                     {160, "160"}, {205, "70"}}));
    const double outer = g.across(90, "240", 120, n), inner = g.across(90, "90", 125, n);
    const double right = g.across(90, "160", 160, n);
    EXPECT_LT(outer, inner);
    EXPECT_LT(inner, 0.0);
    EXPECT_GT(right, 380.0 / n);
}

// A span too short for its text puts the text along its chain, never across a line of the drawing:
// the beam's outline, its dashed ends, the other chains. Rods 10 mm short of the far edge make
// 10 mm spans at either end of the right-hand chain; narrow plates make them below the beam.
TEST_F(ViewDrawingTest, DimensionTextsKeepClearOfTheDrawingsLines)
{
    struct Case {
        const char* what;
        int kind, from_bottom;
        double reach;   // l_e of rods, h_1 and a_r of plates
    };
    const Case cases[] = {
        {"rods from the top, 10 mm short of the underside", 1, 0, 230},
        {"rods from the bottom, 10 mm short of the top", 1, 1, 230},
        {"rods from the top, 8 mm short", 1, 0, 232},
        {"plates of 10 mm", 0, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        d.verstaerkt = 1;
        d.verst_typ = c.kind;
        if (c.kind == 1) {
            use_rods();
            d.a_3c = 40;
            d.l_e = c.reach;
            d.unten_gs = c.from_bottom;
        } else {
            d.a_r = d.h_1 = c.reach;
        }
        double n = 0;
        const Drawing g = draw(&n);
        ASSERT_GT(n, 0.0);
        const double K = shapes(g, n)[0].box().x2 * n, h = d.h;
        // the lines in mm: x = const over y0..y1, or y = const over x0..x1
        struct Line {
            bool vertical;
            double at, from, to;
        };
        const Line lines[] = {{true, 0, 0, h},           {true, K, 0, h},           {false, 0, 0, K},
                              {false, h, 0, K},          {true, -0.3 * n, 0, h},    {true, -1.2 * n, 0, h},
                              {true, K + 0.6 * n, 0, h}, {false, -0.9 * n, 0, K},   {false, -1.5 * n, 0, K}};
        // a text 2.1 s = 0.21 cm high, its figures at most 0.65 of that wide, centred on its place
        const double th = 0.21 * n, cw = 0.65 * th;
        bool ten = false;
        for (const Dimension& m : g.dimensions) {
            ten = ten || m.text == "10" || m.text == "8";
            const double half_along = 0.5 * cw * double(m.text.size()), half_across = 0.5 * th;
            const double along = m.along * n, across = m.across * n;
            const double x1 = m.angle == 0 ? along - half_along : across - half_across;
            const double x2 = m.angle == 0 ? along + half_along : across + half_across;
            const double y1 = m.angle == 0 ? across - half_across : along - half_along;
            const double y2 = m.angle == 0 ? across + half_across : along + half_along;
            for (const Line& l : lines) {
                const bool crosses = l.vertical ? (x1 < l.at && l.at < x2 && y1 < l.to && l.from < y2)
                                                : (y1 < l.at && l.at < y2 && x1 < l.to && l.from < x2);
                EXPECT_FALSE(crosses) << m.text << " at " << along << " mm along, " << across << " mm across, on the "
                                      << (l.vertical ? "vertical" : "horizontal") << " line at " << l.at << " mm";
            }
        }
        EXPECT_TRUE(ten) << "no short span drawn";
    }
}

// Circular opening a 100 with glued-on plates a_r 50, h_1 50: K = 3 a + 2 a_r = 400, the opening
// about (200, 120) with radius 50, the plates x 100..300, y 20..220.
TEST_F(ViewDrawingTest, CircularOpeningWithPlates)
{
    d.typ_durchbruch = 1;
    d.verstaerkt = 1;
    d.verst_typ = 0;
    d.a_r = 50;
    d.h_1 = 50;
    double n = 0;
    const Drawing g = draw(&n);
    ASSERT_GT(n, 0.0);

    const std::vector<Polygon> s = shapes(g, n);
    ASSERT_EQ(s.size(), 3u);   // beam, plates, opening
    EXPECT_BOX(mm(s[0].box(), n), 0, 0, 400, 240);
    EXPECT_BOX(mm(s[1].box(), n), 100, 20, 300, 220);
    EXPECT_BOX(mm(s[2].box(), n), 150, 70, 250, 170);
    for (size_t i = 0; i < s[2].xs.size(); ++i)
        EXPECT_NEAR(std::hypot(s[2].xs[i] * n - 200.0, s[2].ys[i] * n - 120.0), 50.0, 0.01);
    EXPECT_TRUE(g.rectangles.empty());

    // Below the beam: plate, opening, plate (100, 150, 250, 300); further out the plates' width.
    EXPECT_EQ(g.spans(0, n), (Spans{{125, "50"}, {200, "100"}, {200, "200"}, {275, "50"}}));
    EXPECT_LT(g.across(0, "200", 200, n), g.across(0, "100", 200, n));
    // Left: 0, 20 (plate), 70, 170 (opening), 220, 240; further out 0, 20, 220, 240.
    EXPECT_EQ(g.spans(90, n), (Spans{{10, "20"}, {10, "20"}, {45, "50"}, {120, "100"}, {120, "200"}, {195, "50"},
                                     {230, "20"}, {230, "20"}}));
    EXPECT_LT(g.across(90, "200", 120, n), g.across(90, "100", 120, n));
}

// The scale printed above the drawing is the one at which the beam appears on the printed page:
// the beam's hatching, measured on the rendered sheet, is K / n mm long for "1:n".
TEST_F(ViewDrawingTest, PrintedScaleIsTheScaleOnThePage)
{
    struct Case {
        const char* what;
        double a, h, h_ro, breite, hoehe;
        const char* caption;
        double K;   // drawn length of the beam, 3 a (mm)
    };
    const Case cases[] = {
        // K = 300; s' = min(17 / (300 + 2.4 r), 12 / (240 + 1.8 r)) converges to 12 / (240 + 1.8 / s'),
        // s' = (12 - 1.8) / 240 = 0.0425 cm/mm; 1/25 <= s' < 1/20: N = 25, 1 cm of paper = 25 mm, 1:2.5.
        {"the fixture's beam", 100, 240, 70, 17, 12, "1:2.5", 300},
        // K = 900, h = 400: s' = 0.016222 (1/s' = 61.64 mm per cm), N = 70: 7 mm of beam per mm, 1:7.
        {"a = 300 in h = 400", 300, 400, 100, 17, 12, "1:7", 900},
        // A frame of 40 x 30 cm is wider than the line of 17 cm: the drawing is sized to the line,
        // s' = (17 - 2.4) / 300 = 0.048667 against (23 - 1.8) / 240 = 0.0883: N = 25 again.
        {"a frame wider than the page", 100, 240, 70, 40, 30, "1:2.5", 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        d.a = c.a;
        d.h = c.h;
        d.h_ro = d.h_ru = c.h_ro;
        d.graf_breite = c.breite;
        d.graf_hoehe = c.hoehe;
        const std::string s = print();
        const std::string caption = std::string(u8"╬bAnsicht Maßstab ") + c.caption + u8"╬r, Längeneinheit in [mm]";
        ASSERT_TRUE(has(s, caption)) << caption;
        const double n = c_atof(std::strchr(c.caption, ':') + 1);

        const int dpi = 150;
        const std::string bytes = testutil::read_file(oli_path);
        const std::vector<QImage> pages = oliview::render_images(oliview::parse(bytes.data(), bytes.size()), dpi);
        int left = -1, right = -1;
        for (const QImage& page : pages) {
            for (int y = 0; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x) {
                    const QColor p = page.pixelColor(x, y);
                    // The beam's hatching in its fill colour (248, 195, 62).
                    if (std::abs(p.red() - 248) < 12 && std::abs(p.green() - 195) < 12 && std::abs(p.blue() - 62) < 12) {
                        left = left < 0 ? x : std::min(left, x);
                        right = std::max(right, x);
                    }
                }
            if (left >= 0) break;
        }
        ASSERT_GE(left, 0) << "no beam on the pages";
        const double on_paper_mm = (right - left + 1) * 25.4 / dpi;
        // The hatching's lines lie up to 8 pixels (1.4 mm) inside the beam's ends.
        EXPECT_NEAR(c.K / on_paper_mm, n, n * 0.03) << on_paper_mm << " mm on paper";
    }
}
