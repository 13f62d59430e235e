#include "materials/formula_helpers.h"
#include "fasteners/opening_formulas.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(OpeningFormulas, BondStrengthPiecesMeetAtTheirJunctions)
{
    struct Case { double l_ad, expect; };
    const Case cases[] = {
        {0, 4.0}, {250, 4.0},                 // constant part
        {250.0001, 5.25 - 0.005 * 250.0001},  // 4.0 - 5e-7: continuous at 250
        {300, 3.75},                          // 5.25 - 1.5
        {500, 2.75},                          // 5.25 - 2.5 (still the middle piece)
        {800, 2.3},                           // 3.5 - 1.2
        {999.9, 3.5 - 0.0015 * 999.9},        // 2.00015
        {1000, 2.0}, {2000, 2.0},
    };
    for (const Case& c : cases) EXPECT_NEAR(glued_rod_fk1k(c.l_ad), c.expect, 1e-12) << c.l_ad;
}

TEST(OpeningFormulas, LengthAndResidualDepthForBothShapes)
{
    // rect: 0.5 (100 + 240) = 170; circ: 0.353*100 + 120 = 155.3
    EXPECT_DOUBLE_EQ(durchbruch_lt90(0, 100, 240), 170.0);
    EXPECT_NEAR(durchbruch_lt90(1, 100, 240), 155.3, 1e-12);
    EXPECT_EQ(durchbruch_lt90(2, 100, 240), -1.0);
    EXPECT_EQ(durchbruch_lt90(-1, 100, 240), -1.0);
    // rect: min(70, 80) = 70; circ: 70 + 0.15*100 = 85
    EXPECT_DOUBLE_EQ(durchbruch_hr(0, 70, 80, 100), 70.0);
    EXPECT_NEAR(durchbruch_hr(1, 80, 70, 100), 85.0, 1e-12);
    EXPECT_EQ(durchbruch_hr(2, 70, 80, 100), -1.0);
}

TEST(OpeningFormulas, Kt90AndTheStrictBound)
{
    EXPECT_DOUBLE_EQ(durchbruch_kt90(450), 1.0);
    EXPECT_DOUBLE_EQ(durchbruch_kt90(1800), 0.5);          // sqrt(0.25)
    EXPECT_NEAR(durchbruch_kt90(600), 0.8660254, 1e-7);    // sqrt(0.75)
    EXPECT_DOUBLE_EQ(durchbruch_kt90(300), 1.0);
    EXPECT_EQ(durchbruch_kt90(0.001), -1.0);               // the bound itself is too small
    EXPECT_NEAR(durchbruch_kt90(0.0011), 1.0, 0);
}

TEST(OpeningFormulas, TensionForcesAndSentinels)
{
    // V 10, h_d 100, h 240: 10*100/960*(3 - 10000/57600) = 2.944155
    EXPECT_NEAR(durchbruch_FtV(10, 100, 240), 2.944155, 1e-6);
    EXPECT_DOUBLE_EQ(durchbruch_FtV(10, 0, 240), 0.0);
    EXPECT_DOUBLE_EQ(durchbruch_FtV(10, 240, 240), 5.0);    // V/4 * 2 = V/2
    EXPECT_EQ(durchbruch_FtV(10, 100, 0.001), -1.0);
    // 0.008 * 5000 / 70 = 0.571429
    EXPECT_NEAR(durchbruch_FtM(5000, 70), 0.5714286, 1e-7);
    EXPECT_EQ(durchbruch_FtM(5000, 0.001), -1.0);
    EXPECT_NEAR(durchbruch_FtM(5000, 0.0011), 0.008 * 5000 / 0.0011, 1e-6);
}

TEST(OpeningFormulas, ResistanceNeedsEveryInputAboveTheBound)
{
    // 0.5 * 170 * 120 * 1 * 0.346154 = 3530.77
    EXPECT_NEAR(durchbruch_Ft90_resist(170, 120, 1, 0.5 * 0.9 / 1.3), 3530.769, 1e-3);
    const double ok[4] = {170, 120, 1, 0.35};
    for (int i = 0; i < 4; ++i) {
        for (double bad : {0.0, 0.001, -5.0}) {
            double a[4] = {ok[0], ok[1], ok[2], ok[3]};
            a[i] = bad;
            EXPECT_EQ(durchbruch_Ft90_resist(a[0], a[1], a[2], a[3]), -1.0) << i << " " << bad;
        }
    }
}

TEST(OpeningFormulas, ShearConcentration)
{
    EXPECT_EQ(durchbruch_kappa_max(100, 0, 50), 1.0);
    EXPECT_EQ(durchbruch_kappa_max(100, 0.001, 50), 1.0);
    EXPECT_NEAR(durchbruch_kappa_max(0, 240, 240), 1.84, 1e-12);
    // 1.84 * (1 + 120/240) * (100/240)^0.2 = 2.76 * 0.83895 = 2.31550
    EXPECT_NEAR(durchbruch_kappa_max(120, 240, 100), 2.76 * std::pow(100.0 / 240.0, 0.2), 1e-12);
}

TEST(FormulaHelpers, RatioFactorAndSpreadValue)
{
    EXPECT_DOUBLE_EQ(ratio_factor_min20(0, 10, 30), 0.5);
    EXPECT_NEAR(ratio_factor_min20(1, 10, 30), 1.0 / 3.0, 1e-15);
    EXPECT_DOUBLE_EQ(ratio_factor_min20(1, 10, 15), 0.5);
    EXPECT_DOUBLE_EQ(ratio_factor_min20(1, 35, 30), 1.0);
    EXPECT_DOUBLE_EQ(ratio_factor_min20(0, 25, 30), 1.0);
    // capped: min(10 + 25/(2*1), 20) = 20; uncapped: 10 + (25 + 5*2*3)/(2*1) = 37.5
    EXPECT_DOUBLE_EQ(capped_spread_value(1, 10, 15, 25, 2, 3, 1), 20.0);
    EXPECT_DOUBLE_EQ(capped_spread_value(0, 10, 15, 25, 2, 3, 1), 37.5);
    EXPECT_DOUBLE_EQ(capped_spread_value(1, 10, 15, 5, 2, 3, 1), 12.5);
}
