#include "helpers/mem_counted.h"
#include "helpers/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(Rounding, HalvesNegativesAndDecimals)
{
    struct Case {
        double x;
        int n;
        double expected;
    };
    // Halves go towards +infinity: floor(x * 10^n + 0.5) / 10^n.
    const Case cases[] = {
        {2.5, 0, 3.0},          // floor(3.0) = 3
        {-2.5, 0, -2.0},        // floor(-2.0) = -2
        {-0.004, 2, 0.0},       // floor(-0.4 + 0.5) = 0
        {1.23456, 3, 1.235},    // floor(1234.56 + 0.5) = 1235
        {0.0000049, 5, 0.0},    // 0.49 + 0.5 -> 0: not positive at 5 decimals
        {0.000005, 5, 0.00001}, // 0.5 + 0.5 = 1 -> 1e-5
        {-1.005, 1, -1.0},      // floor(-10.05 + 0.5) = -10
        {123.456, 13, 123.456},
        {0.1234567890123456, 14, 0.12345678901235},   // printing route
        {2.5, -1, 3.0},         // negative decimals are taken as 0
    };
    for (const Case& c : cases) {
        EXPECT_NEAR((double)round_to_decimals(c.x, c.n), c.expected, 1e-15) << c.x << " at " << c.n;
    }
}

TEST(Rounding, DigitsAndGuardedPower)
{
    struct Case {
        int a, digits;
    };
    for (Case c : {Case{0, 1}, Case{9, 1}, Case{-5, 1}, Case{10, 2}, Case{999, 3}, Case{1000, 4}, Case{123456, 6}})
        EXPECT_EQ(count_integer_digits(c.a), c.digits) << c.a;
    EXPECT_EQ(power_of_positive(0, 3), 0.0);
    EXPECT_EQ(power_of_positive(-2, 2), 0.0);
    EXPECT_EQ(power_of_positive(3, 2), 9.0);
    EXPECT_DOUBLE_EQ(power_of_positive(8, 1.0 / 3.0), 2.0);
}

TEST(Sorting, IndexExtremesAndUnique)
{
    const double v[] = {3, 7, 7, 1};
    EXPECT_EQ(index_of_extreme(4, v, 1), 1);
    EXPECT_EQ(index_of_extreme(4, v, 0), 3);
    EXPECT_EQ(index_of_extreme(1, v, 1), 0);

    int idx[4];
    sort_index_by_value_dir(4, v, idx, 0);
    EXPECT_EQ(idx[0] == 1 || idx[0] == 2, true);
    EXPECT_EQ(idx[3], 3);
    sort_index_by_value(v, idx, 4);
    EXPECT_EQ(idx[0], 3);
    EXPECT_EQ(idx[1], 0);

    const int iv[] = {5, -2, 9};
    sort_index_by_int_dir(3, iv, idx, 1);
    EXPECT_EQ(std::vector<int>(idx, idx + 3), (std::vector<int>{1, 0, 2}));

    int before = mem_count();
    double u[] = {2.0, 1.004, 1.0, 1.008};
    // Sorted 1.0, 1.004, 1.008, 2.0; each neighbour difference rounds to 0 at 2 decimals.
    EXPECT_EQ(sorted_unique_values(4, u, 1, 2), 2);
    EXPECT_EQ(u[0], 1.0);
    EXPECT_EQ(u[1], 2.0);
    EXPECT_EQ(mem_count(), before);   // working copy given back
    EXPECT_EQ(sorted_unique_values(0, u, 1, 2), 0);
}

TEST(Sorting, PairsByXWithGroups)
{
    double x[] = {2, 1, 2.001}, y[] = {5, 9, 3};
    sort_pairs_by_x(3, x, 1, y, 1, 2);
    EXPECT_EQ(std::vector<double>(x, x + 3), (std::vector<double>{1, 2.001, 2}));
    EXPECT_EQ(std::vector<double>(y, y + 3), (std::vector<double>{9, 3, 5}));

    double x2[] = {2, 1, 2.001}, y2[] = {5, 9, 3};
    sort_pairs_by_x(3, x2, 1, y2, 0, 2);
    EXPECT_EQ(std::vector<double>(x2, x2 + 3), (std::vector<double>{1, 2, 2.001}));
    EXPECT_EQ(std::vector<double>(y2, y2 + 3), (std::vector<double>{9, 5, 3}));
}

TEST(Interpolation, OneDimensionalTableWithMarkers)
{
    const double asc[] = {0, 0, 10, 100};          // rows (x, y)
    const double desc[] = {10, 100, 0, 0};
    const double same_x[] = {0, 1, 0, 2};
    struct Case {
        const char* what;
        const double* table;
        double x;
        int extrapolate;
        double expected;
    };
    const Case cases[] = {
        {"inside", asc, 5, 0, 50},                      // 0 + 5 * 100/10
        {"before, clamped", asc, -1, 0, 0},
        {"before, extended", asc, -1, 1, -10},          // -1 * 100/10
        {"within the slack", asc, 10.000001, 0, 100.00001},
        {"after, clamped", asc, 11, 0, 100},
        {"after, extended", asc, 11, 1, 110},
        {"descending", desc, 5, 0, 50},
        {"equal arguments", same_x, 0, 0, 1e100},
        {"equal arguments, negative x", same_x, -1, 1, -1e100},
        {"beyond equal arguments", same_x, 1, 0, 1},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(table_interpolate(c.table, 2, 2, c.x, 0, 1, c.extrapolate), c.expected, 1e-9) << c.what;
}

TEST(Interpolation, TwoDimensionalTable)
{
    // Column keys 0 and 10; row keys 0 and 2; value = row_key * 10 + col_key.
    const double t[] = {0, 0, 10,
                        0, 0, 10,
                        2, 20, 30};
    // (1, 5): rows give 10 (col 0) and 20 (col 10) -> 10 + 5 * 10/10 = 15
    EXPECT_NEAR(table_interpolate_2d(t, 2, 2, 1, 5, 0), 15, 1e-12);
    EXPECT_NEAR(table_interpolate_2d(t, 2, 2, 1, 20, 0), 20, 1e-12);   // clamped to col 10
    EXPECT_NEAR(table_interpolate_2d(t, 2, 2, 1, 20, 1), 30, 1e-12);   // 10 + 20 * 10/10
    EXPECT_NEAR(table_interpolate_2d(t, 2, 2, 3, 0, 1), 30, 1e-12);    // row extended: 3 * 10
}

TEST(Interpolation, UnsortedTable)
{
    const double xs[] = {2, 0, 1}, ys[] = {40, 0, 10};
    int before = mem_count();
    EXPECT_NEAR(interpolate_unsorted_table(3, xs, ys, 1.5), 25, 1e-12);  // 10 + 30 * 0.5
    EXPECT_NEAR(interpolate_unsorted_table(3, xs, ys, -1), -10, 1e-12);  // 0 + 10 * -1
    EXPECT_NEAR(interpolate_unsorted_table(3, xs, ys, 3), 70, 1e-12);    // 40 + 30 * 1
    EXPECT_EQ(mem_count(), before);

    const double x1[] = {1, 1}, y25[] = {2, 5}, y22[] = {2, 2};
    EXPECT_EQ(interpolate_unsorted_table(2, x1, y25, 0.5), 1e100);
    EXPECT_EQ(interpolate_unsorted_table(2, x1, y25, -0.5), -1e100);
    EXPECT_EQ(interpolate_unsorted_table(2, x1, y22, 7), 2);
    EXPECT_EQ(interpolate_unsorted_table(1, xs, ys, 99), 40);
    EXPECT_EQ(interpolate_unsorted_table(0, xs, ys, 99), 0);
}

TEST(Comparators, ToleranceDecidesEquality)
{
    double a = 1.0, b = 1.000009, c = 1.00002;
    EXPECT_EQ(compare_doubles_asc(&a, &b), 0);
    EXPECT_EQ(compare_doubles_asc(&a, &c), -1);
    EXPECT_EQ(compare_doubles_desc(&a, &c), 1);
}
