#include "helpers/polygon_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
const double PI = 3.14159265358979323846;

std::uint64_t bits_of(double v)
{
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}
} // namespace

// Rectangle 4 x 1 with a corner at the origin: A = 4, U = 2(4 + 1) = 10, centroid (2, 0.5),
// S_x = A*yc = 2, S_y = A*xc = 8, I_x = b h^3/3 = 4/3, I_y = h b^3/3 = 64/3,
// I_xy = A*xc*yc = 4*2*0.5 = 4. Clockwise order flips the sign of every moment.
TEST(PolygonSection, RectangleMomentsBothOrientations)
{
    const double ccw_x[] = {0, 4, 4, 0}, ccw_y[] = {0, 0, 1, 1};
    const double cw_x[] = {0, 0, 4, 4}, cw_y[] = {0, 1, 1, 0};
    struct Case {
        const double *x, *y;
        double sign;
    } cases[] = {{ccw_x, ccw_y, 1.0}, {cw_x, cw_y, -1.0}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(polygon_area(4, c.x, c.y), 4.0);
        EXPECT_DOUBLE_EQ(polygon_perimeter(4, c.x, c.y), 10.0);
        PolygonPoint p = polygon_centroid_point(4, c.x, c.y);
        EXPECT_DOUBLE_EQ(p.x, 2.0);
        EXPECT_DOUBLE_EQ(p.y, 0.5);
        EXPECT_NEAR(polygon_first_moment_x(4, c.x, c.y), c.sign * 2.0, 1e-12);
        EXPECT_NEAR(polygon_first_moment_y(4, c.x, c.y), c.sign * 8.0, 1e-12);
        EXPECT_NEAR(polygon_second_moment_x(4, c.x, c.y), c.sign * 4.0 / 3.0, 1e-12);
        EXPECT_NEAR(polygon_second_moment_y(4, c.x, c.y), c.sign * 64.0 / 3.0, 1e-12);
        EXPECT_NEAR(polygon_product_moment(4, c.x, c.y), c.sign * 4.0, 1e-12);
    }
}

TEST(PolygonSection, DegenerateInputs)
{
    const double x[] = {1, 3}, y[] = {1, 2};
    // One or two vertices enclose nothing: zero area and moments, centroid 0/0.
    for (int n : {1, 2}) {
        EXPECT_EQ(polygon_area(n, x, y), 0.0);
        EXPECT_EQ(polygon_second_moment_x(n, x, y), 0.0);
        EXPECT_TRUE(std::isnan(polygon_centroid_point(n, x, y).x));
    }
    // No vertex: zeros, and the quiet non-number 7FF8000000000000 for the centroid.
    EXPECT_EQ(polygon_area(0, x, y), 0.0);
    EXPECT_EQ(polygon_perimeter(0, x, y), 0.0);
    double cx = 1, cy = 1;
    EXPECT_EQ(polygon_centroid(0, x, y, &cx, &cy), 0);
    EXPECT_EQ(bits_of(cx), 0x7FF8000000000000ULL);
    EXPECT_EQ(bits_of(cy), 0x7FF8000000000000ULL);
    double b, h, phi;
    polygon_equivalent_rectangle(0, nullptr, nullptr, &b, &h, &phi);
    EXPECT_TRUE(std::isnan(b) && std::isnan(h) && std::isnan(phi));
}

TEST(PolygonSection, EquivalentRectangle)
{
    // Centroidal I_x = 4*1/12 = 1/3, I_y = 1*64/12 = 16/3, I_xy = 0 -> phi 0;
    // h = sqrt(A*sqrt(M1/M2)) = sqrt(4*sqrt(1/16)) = 1, b = A/h = 4.
    double x[] = {0, 4, 4, 0}, y[] = {0, 0, 1, 1};
    double b, h, phi;
    polygon_equivalent_rectangle(4, x, y, &b, &h, &phi);
    EXPECT_NEAR(phi, 0.0, 1e-12);
    EXPECT_NEAR(b, 4.0, 1e-12);
    EXPECT_NEAR(h, 1.0, 1e-12);
    const double sx[] = {-2, 2, 2, -2}, sy[] = {-0.5, -0.5, 0.5, 0.5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(x[i], sx[i]);
        EXPECT_DOUBLE_EQ(y[i], sy[i]);
    }

    // The same rectangle turned +30 degrees about the origin: the principal angle is measured
    // clockwise, so phi = -pi/6, with the same sides.
    double rx[4], ry[4];
    const double ox[] = {0, 4, 4, 0}, oy[] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
        rx[i] = ox[i] * std::cos(PI / 6) - oy[i] * std::sin(PI / 6);
        ry[i] = ox[i] * std::sin(PI / 6) + oy[i] * std::cos(PI / 6);
    }
    polygon_equivalent_rectangle(4, rx, ry, &b, &h, &phi);
    EXPECT_NEAR(phi, -PI / 6, 1e-12);
    EXPECT_NEAR(b, 4.0, 1e-9);
    EXPECT_NEAR(h, 1.0, 1e-9);

    // Long side along y: I_x = 1*64/12 > I_y = 4/12, phi 0, b 1 along x, h 4.
    double tx[] = {0, 1, 1, 0}, ty[] = {0, 0, 4, 4};
    polygon_equivalent_rectangle(4, tx, ty, &b, &h, &phi);
    EXPECT_NEAR(phi, 0.0, 1e-12);
    EXPECT_NEAR(b, 1.0, 1e-12);
    EXPECT_NEAR(h, 4.0, 1e-12);
}

// A square has equal principal moments in every direction: phi 0 and b = h = sqrt(A) = 3
// instead of the 0/0 non-numbers.
TEST(PolygonSection, SquareGivesSquareRectangle)
{
    double x[] = {0, 3, 3, 0}, y[] = {0, 0, 3, 3};
    double b, h, phi;
    polygon_equivalent_rectangle(4, x, y, &b, &h, &phi);
    EXPECT_EQ(phi, 0.0);
    EXPECT_NEAR(b, 3.0, 1e-12);
    EXPECT_NEAR(h, 3.0, 1e-12);

    // A regular hexagon with the area of the unit circle: equal principal moments up to
    // rounding noise, so b = h = sqrt(pi) whatever angle the noise picks.
    double hx[6], hy[6];
    const double R = std::sqrt(2 * PI / (6 * std::sin(PI / 3)));   // 6/2 R^2 sin 60 = pi
    for (int i = 0; i < 6; ++i) {
        hx[i] = 5 + R * std::cos(i * PI / 3);
        hy[i] = 1 + R * std::sin(i * PI / 3);
    }
    polygon_equivalent_rectangle(6, hx, hy, &b, &h, &phi);
    EXPECT_NEAR(b, std::sqrt(PI), 1e-6);
    EXPECT_NEAR(h, std::sqrt(PI), 1e-6);
}
