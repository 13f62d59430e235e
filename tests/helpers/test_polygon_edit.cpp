#include "helpers/polygon_edit.h"

#include "helpers/mem_counted.h"
#include "helpers/polygon_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
const double PI = 3.14159265358979323846;

void expect_points(const double* x, const double* y, const std::vector<std::pair<double, double>>& want,
                   double tol = 1e-9)
{
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(x[i], want[i].first, tol) << "point " << i;
        EXPECT_NEAR(y[i], want[i].second, tol) << "point " << i;
    }
}
} // namespace

TEST(PolygonEdit, ConstructionAndBox)
{
    // n = 4, r = 1: a = pi/2, R = sqrt(a / sin a) = sqrt(pi/2) = 1.2533; square area 2R^2 = pi.
    double x[4], y[4];
    regular_polygon_of_circle(1, 0, 0, 4, x, y);
    double R = std::sqrt(PI / 2);
    expect_points(x, y, {{R, 0}, {0, R}, {-R, 0}, {0, -R}});
    EXPECT_EQ(y[0], 0.0);   // vertex 0 exactly at angle 0
    EXPECT_NEAR(polygon_area(4, x, y), PI, 1e-12);

    rectangle_corners(4, 2, 1, 1, x, y);
    expect_points(x, y, {{-1, 0}, {3, 0}, {3, 2}, {-1, 2}});

    double a, b, c, d;
    bounding_box(0, x, y, &a, &b, &c, &d);
    EXPECT_EQ(a, 1e100);
    EXPECT_EQ(b, 1e100);
    EXPECT_EQ(c, -1e100);
    EXPECT_EQ(d, -1e100);
    bounding_box(4, x, y, &a, &b, &c, &d);
    EXPECT_EQ(a, -1.0);
    EXPECT_EQ(b, 0.0);
    EXPECT_EQ(c, 3.0);
    EXPECT_EQ(d, 2.0);
}

TEST(PolygonEdit, ClipByLine)
{
    mem_count_reset();
    const double X[] = {0, 4, 4, 0}, Y[] = {0, 0, 4, 4};
    double *ox = nullptr, *oy = nullptr;
    int count = -1;
    const double UX[] = {2, 2}, UY[] = {0, 4};
    EXPECT_EQ(clip_polygon_by_line(4, X, Y, UX, UY, &count, &ox, &oy), 1);
    ASSERT_EQ(count, 4);
    expect_points(ox, oy, {{0, 0}, {2, 0}, {2, 4}, {0, 4}});
    const double DY[] = {4, 0};
    EXPECT_EQ(clip_polygon_by_line(4, X, Y, UX, DY, &count, &ox, &oy), 1);
    ASSERT_EQ(count, 4);
    expect_points(ox, oy, {{2, 0}, {4, 0}, {4, 4}, {2, 4}});
    // Diagonal: the corners on the line come back twice as crossing points.
    const double GX[] = {0, 4}, GY[] = {0, 4};
    EXPECT_EQ(clip_polygon_by_line(4, X, Y, GX, GY, &count, &ox, &oy), 1);
    ASSERT_EQ(count, 5);
    expect_points(ox, oy, {{0, 0}, {4, 4}, {4, 4}, {0, 4}, {0, 0}});

    // A saw with three teeth cut below their tips by y = 2 run in -x (left side y < 2): 5 kept
    // vertices and 8 crossings, 13 points for 9 vertices (more than n + 2). Crossings on the
    // tooth flanks of slope -+3: x = 6 - 2/3, 5 - 1/3, 4 - 2/3, 3 - 1/3, 2 - 2/3, 1 - 1/3.
    const double SX[] = {0, 6, 6, 5, 4, 3, 2, 1, 0}, SY[] = {0, 0, 4, 1, 4, 1, 4, 1, 4};
    const double LX[] = {10, 0}, LY[] = {2, 2};
    EXPECT_EQ(clip_polygon_by_line(9, SX, SY, LX, LY, &count, &ox, &oy), 1);
    ASSERT_EQ(count, 13);
    expect_points(ox, oy,
                  {{0, 0}, {6, 0}, {6, 2}, {6 - 2 / 3.0, 2}, {5, 1}, {5 - 1 / 3.0, 2}, {4 - 2 / 3.0, 2},
                   {3, 1}, {3 - 1 / 3.0, 2}, {2 - 2 / 3.0, 2}, {1, 1}, {1 - 1 / 3.0, 2}, {0, 2}});

    mem_free_and_null(&ox);
    mem_free_and_null(&oy);
    EXPECT_EQ(mem_count(), 0);
}

TEST(PolygonEdit, ScaleGrowOffsetAboutCentroid)
{
    // Centroid (12, 11); half sides 2 and 1 grow by 1 and 0.5.
    double x[] = {10, 14, 14, 10}, y[] = {10, 10, 12, 12};
    grow_polygon_about_centroid(4, x, y, 1, 0.5);
    expect_points(x, y, {{9, 9.5}, {15, 9.5}, {15, 12.5}, {9, 12.5}});

    // Centroid (12, 11); factor 2 doubles the distances to it.
    double sx[] = {10, 14, 14, 10}, sy[] = {10, 10, 12, 12};
    scale_polygon_about_centroid(4, sx, sy, 2);
    expect_points(sx, sy, {{8, 9}, {16, 9}, {16, 13}, {8, 13}});

    // Every corner moves 1 along its outward diagonal: 1/sqrt(2) = 0.70711 per axis.
    double ox[] = {-1, 1, 1, -1}, oy[] = {-1, -1, 1, 1};
    offset_polygon_vertices(4, ox, oy, 1);
    double k = 1 + std::sqrt(0.5);
    expect_points(ox, oy, {{-k, -k}, {k, -k}, {k, k}, {-k, k}});
}

TEST(PolygonEdit, OffsetPolyline)
{
    double x[] = {0, 4, 4}, y[] = {0, 0, 4};
    offset_polyline(x, y, 3, 1);
    expect_points(x, y, {{0, 1}, {3, 1}, {3, 4}});
    double x2[] = {0, 4, 4}, y2[] = {0, 0, 4};
    offset_polyline(x2, y2, 3, -1);
    expect_points(x2, y2, {{0, -1}, {5, -1}, {5, 4}});
    // A closed counter-clockwise square moves inwards (the left side of its edges).
    double sx[] = {0, 4, 4, 0}, sy[] = {0, 0, 4, 4};
    offset_polyline(sx, sy, -4, 1);
    expect_points(sx, sy, {{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    // Two collinear edges: the inner vertex becomes the midpoint of its moved copies.
    double cx[] = {0, 2, 4}, cy[] = {0, 0, 0};
    offset_polyline(cx, cy, 3, 1);
    expect_points(cx, cy, {{0, 1}, {2, 1}, {4, 1}});
    // 100 points are beyond the limit and stay unchanged.
    std::vector<double> hx(100), hy(100, 0.0);
    for (int i = 0; i < 100; ++i) hx[i] = i;
    offset_polyline(hx.data(), hy.data(), 100, 1);
    EXPECT_EQ(hy[50], 0.0);
}

TEST(PolygonEdit, Filters)
{
    double x[] = {0, 1, 1.000001, 0}, y[] = {0, 1, 1, 0};
    ASSERT_EQ(drop_repeated_points(4, x, y), 2);
    expect_points(x, y, {{0, 0}, {1.000001, 1}});
    double same_x[] = {2, 2}, same_y[] = {3, 3};
    EXPECT_EQ(drop_repeated_points(2, same_x, same_y), 0);
    EXPECT_EQ(same_x[0], 2.0);

    // Arrow: the notch (2,1) turns clockwise in a counter-clockwise polygon.
    double ax[] = {0, 4, 2, 4, 0}, ay[] = {0, 0, 1, 2, 2};
    ASSERT_EQ(drop_reflex_vertices(5, ax, ay), 4);
    expect_points(ax, ay, {{0, 0}, {4, 0}, {4, 2}, {0, 2}});
}
