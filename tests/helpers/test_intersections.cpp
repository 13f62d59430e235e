#include "helpers/intersections.h"

#include "helpers/mem_counted.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

TEST(Intersections, TwoLinesAndSegments)
{
    double x, y;
    EXPECT_EQ(line_intersection(0, 0, 2, 2, 0, 2, 2, 0, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 1.0);
    EXPECT_EQ(line_intersection(0, 0, 1, 1, 0, 1, 1, 2, &x, &y), 1);   // parallel
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    // Slopes 1.000004 and 1.000012 differ by less than 1e-5: parallel although they meet.
    EXPECT_EQ(line_intersection(0, 0, 1, 1.000004, 0, 1, 1, 2.000012, &x, &y), 1);
    // A vertical line against slope 1e6 is not parallel (marker 1e100).
    EXPECT_EQ(line_intersection(0, -1, 0, 1, 1, 0, 2, 1e6, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 0.0);

    // The crossing x = 1.000004 rounds into the box [0, 1] at 5 decimals; 1.00001 does not.
    EXPECT_EQ(segment_intersection(0, 0, 1, 0, 1.000004, -1, 1.000004, 1, &x, &y), 1);
    EXPECT_EQ(segment_intersection(0, 0, 1, 0, 1.00001, -1, 1.00001, 1, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 1.00001);
    EXPECT_DOUBLE_EQ(y, 0.0);

    // The ray from (0,0) towards (1,0) reaches the segment at x = 50 beyond its second point.
    EXPECT_EQ(ray_segment_intersection(0, 0, 1, 0, 50, -1, 50, 1, &x, &y), 1);
    EXPECT_NEAR(x, 50.0, 1e-9);
    EXPECT_EQ(ray_segment_intersection(0, 0, 1, 0, -50, -1, -50, 1, &x, &y), 0);   // behind
}

TEST(Intersections, LineAgainstSegment)
{
    const double LX[] = {0, 1}, LY[] = {0, 0};
    struct Case {
        double sx0, sy0, sx1, sy1;
        int result;
    } cases[] = {
        {5, 0, 9, 0, 2},    // collinear
        {5, 1, 9, 1, 0},    // parallel at distance 1
        {5, -1, 5, 1, 1},   // crossing at (5, 0)
        {5, 1, 5, 2, 0},    // the line misses the segment
    };
    for (const Case& c : cases) {
        const double SX[] = {c.sx0, c.sx1}, SY[] = {c.sy0, c.sy1};
        double x = -7, y = -7;
        EXPECT_EQ(line_segment_intersection(&x, &y, LX, LY, SX, SY), c.result) << c.sx0 << "," << c.sy0;
        if (c.result == 1) {
            EXPECT_DOUBLE_EQ(x, 5.0);
            EXPECT_DOUBLE_EQ(y, 0.0);
        }
    }
}

TEST(Intersections, CollinearOverlap)
{
    double xa, ya, xb, yb;
    // (0,0)-(4,4) and (2,2)-(6,6): common part (2,2)-(4,4).
    EXPECT_EQ(collinear_overlap(0, 0, 4, 4, 2, 2, 6, 6, &xa, &ya, &xb, &yb), 1);
    EXPECT_EQ(xa, 2.0);
    EXPECT_EQ(ya, 2.0);
    EXPECT_EQ(xb, 4.0);
    EXPECT_EQ(yb, 4.0);
    // Horizontal segments overlap only at equal heights.
    EXPECT_EQ(collinear_overlap(0, 1, 4, 1, 3, 1, 8, 1, &xa, &ya, &xb, &yb), 1);
    EXPECT_EQ(xa, 3.0);
    EXPECT_EQ(xb, 4.0);
    EXPECT_EQ(ya, 1.0);
    EXPECT_EQ(collinear_overlap(0, 1, 4, 1, 3, 2, 8, 2, &xa, &ya, &xb, &yb), 0);
    EXPECT_EQ(collinear_overlap(0, 0, 1, 1, 2, 2, 3, 3, &xa, &ya, &xb, &yb), 0);   // apart
    EXPECT_EQ(collinear_overlap(0, 0, 1, 1, 0, 0, 1, 2, &xa, &ya, &xb, &yb), 0);   // not parallel
}

TEST(Intersections, LineAndCircle)
{
    double OX[2], OY[2];
    const double X1[] = {-5, 5}, Y1[] = {0, 0};
    ASSERT_EQ(line_circle_intersection(0, 0, 1, X1, Y1, OX, OY), 2);
    EXPECT_NEAR(OX[0], -1.0, 1e-12);
    EXPECT_NEAR(OX[1], 1.0, 1e-12);
    EXPECT_NEAR(OY[0], 0.0, 1e-12);
    const double X2[] = {5, -5};
    ASSERT_EQ(line_circle_intersection(0, 0, 1, X2, Y1, OX, OY), 2);
    EXPECT_NEAR(OX[0], 1.0, 1e-12);   // met first coming from x = 5
    EXPECT_NEAR(OX[1], -1.0, 1e-12);
    const double Y3[] = {1, 1};
    ASSERT_EQ(line_circle_intersection(0, 0, 1, X1, Y3, OX, OY), 1);
    EXPECT_NEAR(OX[0], 0.0, 1e-12);
    EXPECT_NEAR(OY[0], 1.0, 1e-12);
    EXPECT_NEAR(OX[1], 0.0, 1e-12);
    EXPECT_NEAR(OY[1], 1.0, 1e-12);
    const double Y4[] = {2, 2};
    OX[0] = 42;
    EXPECT_EQ(line_circle_intersection(0, 0, 1, X1, Y4, OX, OY), 0);
    EXPECT_EQ(OX[0], 42.0);   // untouched
    // A vertical line x = 0.6 through the circle of radius 1 about (0, 0): y = -+0.8,
    // going upwards -0.8 first.
    const double VX[] = {0.6, 0.6}, VY[] = {-3, 3};
    ASSERT_EQ(line_circle_intersection(0, 0, 1, VX, VY, OX, OY), 2);
    EXPECT_NEAR(OX[0], 0.6, 1e-12);
    EXPECT_NEAR(OY[0], -0.8, 1e-12);
    EXPECT_NEAR(OY[1], 0.8, 1e-12);
}

TEST(Intersections, SegmentRayAndPointAgainstCircle)
{
    double OX[2], OY[2];
    const double X[] = {0, 5}, Y[] = {0, 0};
    ASSERT_EQ(segment_circle_intersection(0, 0, 1, X, Y, OX, OY), 1);
    EXPECT_NEAR(OX[0], 1.0, 1e-12);
    EXPECT_EQ(OX[1], 0.0);   // cleared

    // The first crossing (-1, 0) is the segment's own first point.
    const double EX[] = {-1, 0.5}, EY[] = {0, 0};
    EXPECT_EQ(segment_circle_intersection_ends(0, 0, 1, EX, EY, 0, OX, OY), 0);
    ASSERT_EQ(segment_circle_intersection_ends(0, 0, 1, EX, EY, 1, OX, OY), 1);
    EXPECT_NEAR(OX[0], -1.0, 1e-12);

    // A ray from (-5, 0) through (-4, 0) runs on through the whole circle.
    const double RX[] = {-5, -4}, RY[] = {0, 0};
    ASSERT_EQ(ray_circle_intersection(0, 0, 1, RX, RY, OX, OY), 2);
    EXPECT_NEAR(OX[0], -1.0, 1e-9);
    EXPECT_NEAR(OX[1], 1.0, 1e-9);

    // Distances from the centre (0,0) with r = 5: 5 on, 3 inside, 6 outside.
    EXPECT_EQ(point_circle_relation(0, 0, 5, 3, 4), 2);
    EXPECT_EQ(point_circle_relation(0, 0, 5, 3, 0), 1);
    EXPECT_EQ(point_circle_relation(0, 0, 5, 6, 0), 0);
}

TEST(Intersections, PolylineCrossingsGrownAndFixed)
{
    mem_count_reset();
    // Zigzag (0,0),(2,2),(4,0),(6,2) against the line y = 1: one crossing per edge.
    const double X[] = {0, 2, 4, 6}, Y[] = {0, 2, 0, 2};
    const double LX[] = {0, 1}, LY[] = {1, 1};
    double *ox = nullptr, *oy = nullptr;
    ASSERT_EQ(polyline_line_intersections(4, X, Y, 0, LX, LY, &ox, &oy), 3);
    EXPECT_DOUBLE_EQ(ox[0], 1.0);
    EXPECT_DOUBLE_EQ(ox[1], 3.0);
    EXPECT_DOUBLE_EQ(ox[2], 5.0);
    EXPECT_DOUBLE_EQ(oy[2], 1.0);
    // The line y = 0 meets the polyline at vertex (4,0) from both its edges: listed once.
    const double LY0[] = {0, 0};
    ASSERT_EQ(polyline_line_intersections(4, X, Y, 0, LX, LY0, &ox, &oy), 2);
    EXPECT_DOUBLE_EQ(ox[0], 0.0);
    EXPECT_DOUBLE_EQ(ox[1], 4.0);

    // Segment y = 1 from x = 0 to 3.5: crossings at x = 1 and 3 only.
    ASSERT_EQ(polyline_segment_intersections(4, X, Y, 0, 0, 1, 3.5, 1, &ox, &oy), 2);
    EXPECT_DOUBLE_EQ(ox[1], 3.0);
    double fx[10], fy[10];
    EXPECT_EQ(polyline_segment_intersections_fixed(4, X, Y, 0, 0, 1, 3.5, 1, fx, fy), 2);
    EXPECT_EQ(polyline_line_intersections_fixed(4, X, Y, 0, LX, LY, fx, fy), 3);

    // A closed square crossed at its closing vertex (0,0) by the segment (-1,1)-(1,-1): the first
    // and the closing edge both meet it there, listed once; so also as an edge of a polyline.
    const double SX[] = {0, 4, 4, 0}, SY[] = {0, 0, 4, 4};
    ASSERT_EQ(polyline_segment_intersections(4, SX, SY, 1, -1, 1, 1, -1, &ox, &oy), 1);
    EXPECT_EQ(ox[0], 0.0);
    EXPECT_EQ(oy[0], 0.0);
    const double DX[] = {-1, 1}, DY[] = {1, -1};
    EXPECT_EQ(polyline_polyline_intersections(2, DX, DY, 0, 4, SX, SY, 1, &ox, &oy), 1);
    // y = 1 crosses the closed square twice, at (4,1) and (0,1): both kept.
    EXPECT_EQ(polyline_segment_intersections(4, SX, SY, 1, -1, 1, 5, 1, &ox, &oy), 2);

    // A crossing 1e-6 beyond an edge's end lies on the edge to 5 decimals (segments) but not to 8
    // (lines): x = 1.000001 against the edge (0,0)-(1,0).
    const double EX[] = {0, 1}, EY[] = {0, 0};
    const double VX[] = {1.000001, 1.000001}, VY[] = {-1, 1};
    EXPECT_EQ(polyline_segment_intersections(2, EX, EY, 0, VX[0], VY[0], VX[1], VY[1], &ox, &oy), 1);
    EXPECT_EQ(polyline_line_intersections(2, EX, EY, 0, VX, VY, &ox, &oy), 0);

    // Nothing found: the arrays are released and the pointers nulled.
    EXPECT_EQ(polyline_segment_intersections(4, X, Y, 0, 10, 1, 12, 1, &ox, &oy), 0);
    EXPECT_EQ(ox, nullptr);
    EXPECT_EQ(oy, nullptr);
    EXPECT_EQ(mem_count(), 0);
}

// More crossings than points: 3 points (2 edges) cut a circle 4 times, and a zigzag of 6 points
// crosses a 6-point meander 15 times; the lists grow to hold them all.
TEST(Intersections, GrownListsHoldMoreCrossingsThanPoints)
{
    mem_count_reset();
    const double CX[] = {-3, 3, -3}, CY[] = {-0.5, 0, 0.5};
    // Each edge runs through the unit circle and meets it twice.
    double *ox = nullptr, *oy = nullptr;
    EXPECT_EQ(polyline_circle_intersections(3, CX, CY, 0, 0, 0, 1, &ox, &oy), 4);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(ox[i] * ox[i] + oy[i] * oy[i], 1.0, 1e-9);
    double fx[11], fy[11];
    EXPECT_EQ(polyline_circle_intersections_fixed(3, CX, CY, 0, 0, 0, 1, fx, fy), 4);

    // A: y alternates 0/4 at x = 0..5; B: the lines y = 1, 2, 3 from x = -1 to 6 joined
    // outside A. Each of the 5 edges of A crosses the three lines: 15 points.
    const double AX[] = {0, 1, 2, 3, 4, 5}, AY[] = {0, 4, 0, 4, 0, 4};
    const double BX[] = {-1, 6, 6, -1, -1, 6}, BY[] = {1, 1, 2, 2, 3, 3};
    int n = polyline_polyline_intersections(6, AX, AY, 0, 6, BX, BY, 0, &ox, &oy);
    ASSERT_EQ(n, 15);
    // First edge of A, y = 4x: crossings in the order of B's edges, x = 0.25, 0.5, 0.75.
    EXPECT_DOUBLE_EQ(ox[0], 0.25);
    EXPECT_DOUBLE_EQ(ox[1], 0.5);
    EXPECT_DOUBLE_EQ(ox[2], 0.75);
    EXPECT_DOUBLE_EQ(oy[14], 3.0);   // last edge of A against the line y = 3 (last of B)
    mem_free_and_null(&ox);
    mem_free_and_null(&oy);
    EXPECT_EQ(mem_count(), 0);
}

TEST(Intersections, PointInPolygon)
{
    const double X[] = {0, 4, 4, 0}, Y[] = {0, 0, 4, 4};
    struct Case {
        double x, y;
        int result;
    } cases[] = {
        {2, 2, 1}, {5, 2, 0}, {4, 2, 2}, {0, 0, 2},
        {1, 1, 1},   // the line towards (8, 8) runs through two corners: retried steeper
        {2, 4, 2}, {-1, -1, 0}, {3.9, 0.1, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(point_in_polygon(4, X, Y, c.x, c.y), c.result) << c.x << "," << c.y;
    // Concave L shape: the notch is outside.
    const double LX[] = {0, 4, 4, 2, 2, 0}, LY[] = {0, 0, 2, 2, 4, 4};
    EXPECT_EQ(point_in_polygon(6, LX, LY, 3, 3), 0);
    EXPECT_EQ(point_in_polygon(6, LX, LY, 1, 3), 1);
}

// Star-shaped polygons with vertices on integer grid points, so that the line towards the far
// point often runs through vertices: the answer must still agree with a plain even-odd count
// for points well away from the boundary.
TEST(Intersections, PointInPolygonAgreesWithEvenOddCount)
{
    std::srand(7);
    for (int poly = 0; poly < 40; ++poly) {
        const int n = 12;
        double X[n], Y[n];
        for (int i = 0; i < n; ++i) {
            double a = 2 * 3.14159265358979 * i / n;
            double r = 2 + std::rand() % 8;
            X[i] = std::round(10 + r * std::cos(a));
            Y[i] = std::round(10 + r * std::sin(a));
        }
        for (int k = 0; k < 200; ++k) {
            double px = (std::rand() % 2000) / 100.0, py = (std::rand() % 2000) / 100.0;
            bool inside = false, near_edge = false;
            for (int i = 0; i < n; ++i) {
                int j = (i + 1) % n;
                double dx = X[j] - X[i], dy = Y[j] - Y[i], len2 = dx * dx + dy * dy;
                double t = len2 > 0 ? ((px - X[i]) * dx + (py - Y[i]) * dy) / len2 : 0;
                t = std::fmax(0, std::fmin(1, t));
                if (std::hypot(X[i] + t * dx - px, Y[i] + t * dy - py) < 1e-3) near_edge = true;
                if ((Y[i] > py) != (Y[j] > py) && px < X[i] + (py - Y[i]) * dx / dy) inside = !inside;
            }
            if (near_edge) continue;
            EXPECT_EQ(point_in_polygon(n, X, Y, px, py), inside ? 1 : 0) << poly << ": " << px << "," << py;
        }
    }
}

TEST(Intersections, LengthInsideAndOverlap)
{
    const double SX[] = {0, 4, 4, 0}, SY[] = {0, 0, 4, 4};
    // The two long sides of the outline cross the square over 4 each: 4 + 4 = 8.
    const double OX[] = {-2, 6, 6, -2}, OY[] = {1, 1, 3, 3};
    EXPECT_NEAR(polyline_length_inside(4, OX, OY, 4, SX, SY), 8.0, 1e-9);
    // An outline wholly inside counts its whole perimeter 2*(2 + 2) = 8.
    const double IX[] = {1, 3, 3, 1}, IY[] = {1, 1, 3, 3};
    EXPECT_NEAR(polyline_length_inside(4, IX, IY, 4, SX, SY), 8.0, 1e-9);
    // There and back along the diagonal through the corners (0,0) and (4,4), which the first and
    // the closing edge of the square both meet: 2 x 4 sqrt 2 = 11.3137.
    const double DX[] = {-1, 5}, DY[] = {-1, 5};
    EXPECT_NEAR(polyline_length_inside(2, DX, DY, 4, SX, SY), 8.0 * std::sqrt(2.0), 1e-9);

    const double U1X[] = {0, 1, 1, 0}, U1Y[] = {0, 0, 1, 1};
    const double U2X[] = {1, 2, 2, 1};
    // 100 x 100 cells of 0.0001 each: 1 up to summation.
    EXPECT_NEAR(polygon_overlap_area(4, U1X, U1Y, 4, U1X, U1Y), 1.0, 1e-9);
    // Touching along x = 1 only: 200 x 100 cells, no centre on the common edge.
    EXPECT_EQ(polygon_overlap_area(4, U1X, U1Y, 4, U2X, U1Y), 0.0);
    // Squares [0,2]^2 and [1,3]^2 overlap in [1,2]^2. Box 3 x 3: 100 x 100 cells of 0.03 with
    // centres 0.015 + 0.03 c; inside both for c = 33 (1.005) .. 66 (1.995), 34 per side.
    const double AX[] = {0, 2, 2, 0}, AY[] = {0, 0, 2, 2};
    const double BX[] = {1, 3, 3, 1}, BY[] = {1, 1, 3, 3};
    double area, w, h;
    EXPECT_EQ(polygon_overlap_grid(4, AX, AY, 4, BX, BY, &area, &w, &h), 1);
    EXPECT_NEAR(area, 34 * 34 * 0.0009, 1e-9);   // 1.0404
    EXPECT_NEAR(w, 1.995 - 1.005, 1e-9);
    EXPECT_NEAR(h, 1.995 - 1.005, 1e-9);
    // All vertices in one point: the grid has no size.
    const double PX[] = {1, 1, 1}, PY[] = {1, 1, 1};
    EXPECT_EQ(polygon_overlap_grid(3, PX, PY, 3, PX, PY, &area, &w, &h), 0);
    EXPECT_EQ(w, -2e100);
    EXPECT_EQ(h, -2e100);
}

TEST(Intersections, SelfCrossings)
{
    const double BX[] = {0, 2, 2, 0}, BY[] = {0, 2, 0, 2};
    EXPECT_EQ(count_self_intersections(4, BX, BY, 1), 1);   // bow-tie
    EXPECT_EQ(count_self_intersections(4, BX, BY, 0), 1);   // open: first and third edges
    const double QX[] = {0, 3, 4, 1}, QY[] = {0, 0, 2, 3};
    EXPECT_EQ(count_self_intersections(4, QX, QY, 1), 0);   // convex quadrilateral
}
