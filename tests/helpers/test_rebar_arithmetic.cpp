#include "helpers/rebar_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(RebarArithmetic, DiametersAndAxisDistance)
{
    EXPECT_EQ(next_smaller_bar_diameter(0.03), 0.028);
    EXPECT_EQ(next_smaller_bar_diameter(0.032), 0.028);
    EXPECT_EQ(next_smaller_bar_diameter(0.04), 0.032);
    EXPECT_EQ(next_smaller_bar_diameter(0.006), -1.0);
    // 0.03 + 0.008 + 0.016/2 = 0.046 for a single layer, + 0.016 = 0.054 for bars in pairs.
    EXPECT_NEAR(bar_axis_distance(0.03, 0.008, 1, 0.016), 0.046, 1e-15);
    EXPECT_NEAR(bar_axis_distance(0.03, 0.008, 0, 0.016), 0.046, 1e-15);
    EXPECT_NEAR(bar_axis_distance(0.03, 0.008, 2, 0.016), 0.054, 1e-15);
}

TEST(RebarArithmetic, AreasAndCounts)
{
    // Bar area of 0.01: pi/4 * 1e-4 = 0.0000785398; 0.000314 / that = 3.998 -> 4,
    // 0.0003142 / that = 4.0005 -> 5.
    EXPECT_EQ(bar_count_for_area(0.000314, 0.01), 4);
    EXPECT_EQ(bar_count_for_area(0.0003142, 0.01), 5);
    // Two bars per position: 0.000314 / (2 * 0.0000785398) = 1.999 -> 2; |n| is used.
    EXPECT_EQ(bar_count_for_area_multi(0.000314, 0.01, 2), 2);
    EXPECT_EQ(bar_count_for_area_multi(0.000314, 0.01, -2), 2);
    // 4 * pi/4 * 0.012^2 = 0.00045239 -> 0.000452 at 6 decimals.
    EXPECT_DOUBLE_EQ(bars_area(4, 0.012), 0.000452);
    // Group of 2 bars of 3 each: 2 * 3 * pi/4 * 0.01^2 = 0.000471239; negative -> 0.
    EXPECT_NEAR(bar_group_area(2, 3, 0.01), 6 * 0.7853981633974483e-4, 1e-15);
    EXPECT_EQ(bar_group_area(-2, 3, 0.01), 0.0);
}

TEST(RebarArithmetic, AreaPerLength)
{
    // c = 100 * (pi/4 * d^2) / s.
    // s 0.15, d 0.01: c = 0.0524 -> 0; s 0.01, d 0.01: c = 0.785, fraction > 0.4999 -> 0.005;
    // s 0.15, d 1: c = 523.6 -> 523.5 * 0.01 = 5.235.
    EXPECT_EQ(bar_area_per_length_stepped(0.15, 0.01), 0.0);
    EXPECT_NEAR(bar_area_per_length_stepped(0.01, 0.01), 0.005, 1e-15);
    EXPECT_NEAR(bar_area_per_length_stepped(0.15, 1.0), 5.235, 1e-12);
    EXPECT_EQ(bar_area_per_length_stepped(5e-9, 0.01), 0.0);
    // pi/4 * 0.01^2 / 0.15 = 0.000523599 -> 0.000524.
    EXPECT_DOUBLE_EQ(bar_area_per_length(0.15, 0.01), 0.000524);
    EXPECT_EQ(bar_area_per_length(0.0, 0.01), 0.0);
}

TEST(RebarArithmetic, ChoosingBars)
{
    // Four bars: 0.012 -> 0.000452, 0.014 -> 4 * pi/4 * 0.000196 = 0.000616 >= 0.0006: index 4.
    EXPECT_EQ(smallest_bar_for_area(0.0006, 4, 1), 4);
    // Four bars of 0.032: 4 * pi/4 * 0.001024 = 0.003217 < 0.004: none.
    EXPECT_EQ(smallest_bar_for_area(0.004, 4, 1), -1);

    // 0.004 with 4 bars of 0.032 (index 9) is too little; 5 bars of 0.032 give
    // 5 * pi/4 * 0.001024 = 0.004021 >= 0.004, while 5 bars of 0.028 give only 0.003079.
    int n = -1, i = -1;
    EXPECT_EQ(bar_layout_for_area(0.004, 4, 0, 9, 1, &n, &i), 5);
    EXPECT_EQ(n, 5);
    EXPECT_EQ(i, 9);
    // Arguments that no count can satisfy return 0 instead of searching for ever.
    n = i = -1;
    EXPECT_EQ(bar_layout_for_area(0.004, 4, 5, 2, 1, &n, &i), 0);
    EXPECT_EQ(bar_layout_for_area(std::numeric_limits<double>::infinity(), 4, 0, 9, 1, &n, &i), 0);
    EXPECT_EQ(bar_layout_for_area(std::nan(""), 4, 0, 9, 1, &n, &i), 0);
    EXPECT_EQ(n, -1);
}

TEST(RebarArithmetic, CountsAndSpacings)
{
    EXPECT_EQ(bar_count_across(1.0, 0.3), 4);   // 1/0.3 + 1 = 4.33
    EXPECT_EQ(bar_count_across(0.1, 0.3), 2);   // 1.33, at least 2
    // f = 0.3 - 0.06 - 0.02 = 0.22, g = 0.04: 5.5 -> 5; a pitch wider than f gives 0.
    EXPECT_EQ(bar_gap_count(0.3, 0.03, 0.02, 0.02), 5);
    EXPECT_EQ(bar_gap_count(0.1, 0.03, 0.05, 0.02), 0);
    // 2 * 0.1 * sin(pi/4) = 0.141421; 1.0 / 4 = 0.25.
    EXPECT_NEAR(bar_spacing_on_circle(4, 0.1), 0.1414213562, 1e-10);
    EXPECT_EQ(bar_spacing_on_circle(0, 0.1), 1e100);
    EXPECT_DOUBLE_EQ(bar_spacing_on_line(5, 1.0), 0.25);
    EXPECT_EQ(bar_spacing_on_line(1, 1.0), 1e100);
    // Chord 0.0999 on r = 0.1: asin(0.4995) = 0.52302, pi / 0.52302 = 6.007 -> 6;
    // chord 0.15: asin(0.75) = 0.84806, pi / 0.84806 = 3.70 -> 3.
    EXPECT_EQ(bar_count_on_circle(0.0999, 0.1), 6);
    EXPECT_EQ(bar_count_on_circle(0.15, 0.1), 3);
}
