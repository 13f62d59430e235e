#include "helpers/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
const double PI = 3.14159265358979323846;
}

TEST(PlaneGeometry, LineAndVectorAngles)
{
    struct Case {
        double x2, y2, line, vector;
    };
    const Case cases[] = {
        {1, 1, PI / 4, PI / 4},
        {-1, 1, 3 * PI / 4, 3 * PI / 4},
        {-1, -1, 5 * PI / 4, 5 * PI / 4},
        {1, -1, -PI / 4, 7 * PI / 4},
        {0.000001, 5, PI / 2, PI / 2},   // dx near zero: vertical
        {0, -5, 3 * PI / 2, 3 * PI / 2},
        {0, 0, 3 * PI / 2, 3 * PI / 2},  // zero length counts as downwards
        {-1, 0, PI, PI},
        {2, 0, 0, 0},
        {-3, 0.000001, PI - 0.000001 / 3, PI},   // vector: dy near zero
    };
    for (const Case& c : cases) {
        EXPECT_NEAR((double)line_angle(0, 0, c.x2, c.y2), c.line, 1e-12) << c.x2 << "," << c.y2;
        EXPECT_NEAR((double)vector_angle(0, 0, c.x2, c.y2), c.vector, 1e-12) << c.x2 << "," << c.y2;
    }
    EXPECT_NEAR((double)angle_between_vectors(0, 0, 1, 0, 5, 5, 5, 9), PI / 2, 1e-12);
    EXPECT_NEAR((double)angle_between_vectors(0, 0, 1, 0, 0, 0, -2, 0), PI, 1e-12);
}

TEST(PlaneGeometry, BisectorAndNormalisation)
{
    struct Case {
        double a, b, expected;
    };
    for (Case c : {Case{10, 350, 0}, Case{30, 90, 60}, Case{100, 300, 20}, Case{-90, 0, 315}})
        EXPECT_NEAR((double)bisector_angle_deg(c.a, c.b), c.expected, 1e-12) << c.a << " " << c.b;
    EXPECT_NEAR((double)normalize_angle_positive(-PI / 2), 3 * PI / 2, 1e-12);
    EXPECT_NEAR((double)normalize_angle_positive(7.0), 7.0, 0);   // above 2 pi stays
    EXPECT_EQ((double)mirror_value(3, 5), 7);
}

TEST(PlaneGeometry, RotationsRoundTripAndRounding)
{
    double x[] = {1}, y[] = {0};
    EXPECT_EQ(rotate_scale_points(x, y, 1, 0, 0, PI / 2, 1), 1);
    EXPECT_NEAR(x[0], 0, 1e-15);     // seen from a frame turned by 90 degrees, +x points down
    EXPECT_NEAR(y[0], -1, 1e-15);
    unrotate_scale_points(x, y, 1, 0, 0, PI / 2, 1);
    EXPECT_NEAR(x[0], 1, 1e-15);
    EXPECT_NEAR(y[0], 0, 1e-15);

    // Frame at (1, 1), scale 2: (3, 1) -> 2 * (2, 0) = (4, 0).
    double px[] = {3}, py[] = {1};
    rotate_scale_points(px, py, 1, 1, 1, 0, 2);
    EXPECT_DOUBLE_EQ(px[0], 4);
    unrotate_scale_points(px, py, 1, 1, 1, 0, 2);
    EXPECT_DOUBLE_EQ(px[0], 3);
    EXPECT_DOUBLE_EQ(py[0], 1);

    double rx[] = {2.5, -2.5, 1.4}, ry[] = {0, 0, -1.6};
    int ix[3], iy[3];
    rotate_scale_points_to_int(rx, ry, 3, 0, 0, 0, 1, ix, iy);
    EXPECT_EQ(std::vector<int>(ix, ix + 3), (std::vector<int>{3, -3, 1}));
    EXPECT_EQ(iy[2], -2);
}

TEST(PlaneGeometry, Orientation)
{
    double x[] = {0, 0, 1, 1}, y[] = {0, 1, 1, 0};   // clockwise square
    polygon_make_ccw(4, x, y);
    EXPECT_EQ(std::vector<double>(x, x + 4), (std::vector<double>{1, 1, 0, 0}));
    EXPECT_EQ(std::vector<double>(y, y + 4), (std::vector<double>{0, 1, 1, 0}));
    polygon_make_ccw(4, x, y);   // already counter-clockwise: unchanged
    EXPECT_EQ(x[0], 1);
    polygon_make_cw(4, x, y);
    EXPECT_EQ(x[0], 0);
    double dx[] = {0, 1, 2}, dy[] = {0, 1, 2};   // zero area: never reversed
    polygon_orientation(3, dx, dy, 0);
    EXPECT_EQ(dx[0], 0);

    const double mx[] = {0, 1, 1}, my[] = {0, 0, 1};   // ccw triangle, mirrored about y = 1: cw
    double ox[3], oy[3];
    mirror_y_ccw(3, mx, my, 2, ox, oy);
    EXPECT_EQ(std::vector<double>(oy, oy + 3), (std::vector<double>{1, 2, 2}));
    EXPECT_EQ(std::vector<double>(ox, ox + 3), (std::vector<double>{1, 1, 0}));
}

TEST(PlaneGeometry, PointsOffsetsAndProjections)
{
    double ox, oy;
    point_along_line(0, 0, 0, 5, 2, 0, &ox, &oy);
    EXPECT_NEAR(ox, 0, 1e-12);
    EXPECT_NEAR(oy, 2, 1e-12);
    point_along_line(0, 0, 0, 5, 2, 1, &ox, &oy);
    EXPECT_NEAR(oy, 7, 1e-12);
    // Along (3, 4)/5 from P1 (1, 1) by 5: (4, 5).
    point_along_line(1, 1, 4, 5, 5, 0, &ox, &oy);
    EXPECT_NEAR(ox, 4, 1e-12);
    EXPECT_NEAR(oy, 5, 1e-12);

    EXPECT_EQ(point_along_segment_from_end(0, 0, 4, 0, -1, &ox, &oy), 0);
    EXPECT_NEAR(ox, 3, 1e-12);
    EXPECT_EQ(point_along_segment_from_end(0, 0, 4, 0, 5, &ox, &oy), 1);
    EXPECT_NEAR(ox, 5, 1e-12);

    double x1 = 0, y1 = 0, x2 = 4, y2 = 0;
    offset_segment(&x1, &y1, &x2, &y2, 1);
    EXPECT_NEAR(y1, 1, 1e-12);
    EXPECT_NEAR(y2, 1, 1e-12);
    EXPECT_NEAR(x2, 4, 1e-12);
    offset_segment(&x1, &y1, &x2, &y2, -2);
    EXPECT_NEAR(y1, -1, 1e-12);

    double px[] = {2, -1}, py[] = {3, 7};
    project_points_onto_line(2, px, py, 0, 1, 5, 1);   // onto y = 1
    EXPECT_NEAR(px[0], 2, 1e-12);
    EXPECT_NEAR(py[0], 1, 1e-12);
    EXPECT_NEAR(py[1], 1, 1e-12);

    EXPECT_NEAR((double)point_line_distance(2, 3, 0, 0, 5, 0), 3, 1e-12);
    EXPECT_NEAR((double)point_line_distance(2, 3, 1, 0, 1, 9), 1, 1e-12);
    // Diagonal: |(3 - 0) cos 45 - (2 - 0) sin 45| = 1 / sqrt(2)
    EXPECT_NEAR((double)point_line_distance(2, 3, 0, 0, 1, 1), 1 / std::sqrt(2.0), 1e-12);

    const double ex[] = {0, 3, 1}, ey[] = {0, 4, -1};
    EXPECT_NEAR((double)extent_along_direction(3, ex, ey, 0), 3, 1e-12);
    EXPECT_NEAR((double)extent_along_direction(3, ex, ey, PI / 2), 5, 1e-12);
    EXPECT_EQ((double)extent_along_direction(0, ex, ey, 0), 2e100);
}

TEST(PlaneGeometry, CircleOverlap)
{
    double area, depth, chord;
    // r = 1, d = 1: chord sqrt(3); each segment has angle 2pi/3: 0.5 (2pi/3 - sqrt(3)/2) twice.
    EXPECT_EQ(circle_overlap(1, 1, 1, &area, &depth, &chord), 1);
    EXPECT_NEAR(chord, std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(area, 2 * PI / 3 - std::sqrt(3.0) / 2, 1e-12);
    EXPECT_NEAR(depth, 1, 1e-12);

    EXPECT_EQ(circle_overlap(1, 1, 2.5, &area, &depth, &chord), 0);
    EXPECT_EQ(area, 0);

    EXPECT_EQ(circle_overlap(1, 3, 0.5, &area, &depth, &chord), 1);
    EXPECT_NEAR(area, PI, 1e-12);
    EXPECT_EQ(depth, 2);
    EXPECT_EQ(chord, 2);

    // Inner circle off-centre but inside (d >= r_inner): its whole area, no NaN.
    EXPECT_EQ(circle_overlap(1, 10, 2, &area, &depth, &chord), 1);
    EXPECT_NEAR(area, PI, 1e-12);
    EXPECT_NEAR(circle_overlap_area(10, 1, 2), PI, 1e-12);
    EXPECT_NEAR(circle_overlap_area(1, 1, 1), 2 * PI / 3 - std::sqrt(3.0) / 2, 1e-12);
}
