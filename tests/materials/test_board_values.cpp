// Board and laminated veneer lumber values: thickness bands at their edges,
// loading kinds that write nothing, and the stiffness tables. Expected values
// are the board tables' N/mm² times 1000.
#include "materials/board_values.h"
#include "materials/timber_strengths.h"

#include <gtest/gtest.h>

namespace {

const double kPreset = -5.0;  // a value the getter must leave alone when it writes nothing

struct BandCase {
    const char* what;
    int code, grade, service_class, kind;
    double t;
    double f_m, f_t, f_c, f_v, f_c90;  // kPreset: not written
};

const BandCase kBands[] = {
    // OSB 3, plate loading parallel: t <= 6 writes f_c,90 only; bands (6,10], (10,18], (18,25]
    {"OSB 3 t 6", 4, 1, 1, 0, 6.0, kPreset, kPreset, kPreset, kPreset, 10000},
    {"OSB 3 t 6.01", 4, 1, 1, 0, 6.01, 18000, 9900, 15900, 1000, 10000},
    {"OSB 3 t 10", 4, 1, 1, 0, 10.0, 18000, 9900, 15900, 1000, 10000},
    {"OSB 3 t 10.01", 4, 1, 1, 0, 10.01, 16400, 9400, 15400, 1000, 10000},
    {"OSB 3 t 25", 4, 1, 1, 8, 25.0, 14800, 9000, 14800, 1000, 10000},
    {"OSB 3 t 25.01", 4, 1, 1, 0, 25.01, kPreset, kPreset, kPreset, kPreset, 10000},
    {"OSB 4 panel perpendicular", 4, 2, 1, 5, 12.0, 8200, 8200, 14000, 6900, 10000},
    // plasterboard: the plate-parallel band starts at 12 inclusive, plate-perpendicular above 12
    {"GKB plate parallel t 12", 5, 0, 1, 0, 12.0, 6500, 1700, 3500, 0, 3500},
    {"GKB plate perpendicular t 12", 5, 0, 1, 1, 12.0, kPreset, kPreset, kPreset, kPreset, kPreset},
    {"GKB plate perpendicular t 12.5", 5, 0, 1, 4, 12.5, 2000, 700, 4200, 0, 3500},
    {"GKF panel t 15", 5, 1, 1, 3, 15.0, 1700, 700, 4800, 1000, 500},
    {"plywood F40/30 panel parallel", 6, 3, 1, 2, 20.0, 29000, 29000, 21000, 9500, 9000},
    {"plywood kind 6 writes nothing", 6, 0, 1, 6, 20.0, kPreset, kPreset, kPreset, kPreset, kPreset},
    // particleboard P4, plate loading, t 30 in (25, 32]
    {"P4 t 30", 7, 0, 1, 0, 30.0, 9200, 6100, 9000, 1200, 8000},
    {"P7 panel t 50", 7, 3, 1, 8, 50.0, 8000, 8000, 13000, 7000, 13000},
    {"P4 t 6 outside", 7, 0, 1, 0, 6.0, kPreset, kPreset, kPreset, kPreset, kPreset},
    {"P4 t 50.01 outside", 7, 0, 1, 0, 50.01, kPreset, kPreset, kPreset, kPreset, kPreset},
    // hardboard: t <= 3.5, (3.5, 5.5], > 5.5
    {"Hart t 3.5", 8, 0, 1, 0, 3.5, 32000, 23000, 24000, 2500, 12000},
    {"Hart t 5.5", 8, 0, 1, 9, 5.5, 35000, 26000, 27000, 3000, 12000},
    {"Hart t 5.6", 8, 0, 1, 0, 5.6, 32000, 23000, 24000, 2500, 12000},
    {"Mittelhart t 10.5 panel", 8, 1, 1, 5, 10.5, 8000, 8000, 8000, 4500, 8000},
    // gypsum fibreboard writes no f_c,90
    {"Fermacell 25 mm plate", 9, 4, 1, 0, 25.0, 3000, 0, 0, 1400, kPreset},
    {"Kerto-S plate perpendicular", 10, 0, 1, 1, 40.0, 48000, 800, 6000, 4400, 6000},
    {"Kerto-Q 27-69 kind 7", 11, 1, 1, 7, 40.0, kPreset, kPreset, kPreset, kPreset, 9000},
    // beech board "Q 40 mm", service class 1: gap 24.1 < t < 26.9 writes f_v and f_c,90 only
    {"Q 40 t 24.1", 18, 2, 1, 0, 24.1, 70000, 46000, 68400, 3800, 26400},
    {"Q 40 t 25", 18, 2, 1, 0, 25.0, kPreset, kPreset, kPreset, 3800, 26400},
    {"Q 40 t 26.9", 18, 2, 1, 0, 26.9, 81000, 49000, 74400, 3800, 26400},
    {"Q 40 t 26.9 service class 2", 18, 2, 2, 0, 26.9, 81000, 49000, 62000, 3800, 22000},
    {"S 60 panel perpendicular", 18, 1, 1, 3, 60.0, 75000, 1500, 14000, 8000, 14000},
    // laminated veneer lumber: the tiny values of "R" are kept (10 and 1 N/m²)
    {"LVL R plate perpendicular", 19, 0, 1, 1, 40.0, 0.01, 900, 7500, 0.01, 3600},
    {"GLVL X t>=27 panel", -11, 2, 1, 3, 40.0, 8000, 5000, 9000, 4600, 4000},
};

TEST(BoardValues, StrengthsByThicknessBand)
{
    for (const BandCase& c : kBands) {
        SCOPED_TRACE(c.what);
        double f_m = kPreset, f_t = kPreset, f_c = kPreset, f_v = kPreset, f_c90 = kPreset, k_h = 1.0;
        ASSERT_EQ(get_strengths(c.code, c.grade, c.service_class, c.kind, c.t, c.t, &f_m, &f_t, &f_c, &f_v,
                                &f_c90, &k_h), 1);
        EXPECT_NEAR(f_m, c.f_m, 1e-9);
        EXPECT_NEAR(f_t, c.f_t, 1e-9);
        EXPECT_NEAR(f_c, c.f_c, 1e-9);
        EXPECT_NEAR(f_v, c.f_v, 1e-9);
        EXPECT_NEAR(f_c90, c.f_c90, 1e-9);
        EXPECT_EQ(k_h, 1.0);  // boards write no size factor
    }
}

TEST(BoardValues, GradeOutsideListIsRefused)
{
    double f_m = kPreset, e = kPreset;
    EXPECT_EQ(get_strengths(6, 6, 1, 0, 10, 10, &f_m, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(get_strengths(7, 4, 1, 0, 10, 10, &f_m, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(get_strengths(4, -1, 1, 0, 10, 10, &f_m, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(get_E_G_moduli(11, 2, 2, 10, &e, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(f_m, kPreset);
    EXPECT_EQ(e, kPreset);
}

TEST(BoardValues, ParticleboardByThickness)
{
    double f_m = kPreset, f_c = kPreset;
    // thickness outside 6 < t <= 50 reports 0; a kind outside the two groups writes nothing and reports 1
    EXPECT_EQ(board_strength_by_thickness(0, 0, &f_m, 6.0, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(board_strength_by_thickness(0, 6, &f_m, 20.0, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(f_m, kPreset);
    EXPECT_EQ(board_strength_by_thickness(1, 9, &f_m, 13.0, nullptr, &f_c, nullptr, nullptr), 1);
    EXPECT_DOUBLE_EQ(f_m, 15000);  // "Typ P5", (6, 13]
    EXPECT_DOUBLE_EQ(f_c, 12700);
}

TEST(BoardValues, Stiffness)
{
    struct Case { const char* what; int code, grade, kind; double t, e, g, e05; };
    const Case cases[] = {
        {"OSB 3 plate parallel", 4, 1, 0, 15, 4930000, 50000, 4190500},
        {"OSB 4 panel", 4, 2, 5, 15, 4300000, 1090000, 3655000},
        {"plasterboard panel perpendicular", 5, 2, 3, 12.5, 1000000, 700000, 900000},
        {"plywood F60/10 plate perpendicular", 6, 5, 1, 20, 1000000, 200000, 800000},
        {"P4 plate t 13", 7, 0, 4, 13.0, 3200000, 200000, 2560000},
        {"P4 plate t 13.5", 7, 0, 4, 13.5, 2900000, 200000, 2320000},
        {"Hart panel t 4", 8, 0, 5, 4.0, 4800000, 2000000, 3840000},
        {"Fermacell", 9, 3, 4, 18, 3800000, 1600000, 0},
        {"Kerto-S panel perpendicular", 10, 0, 3, 40, 300000, 500000, 11600000},
        {"Q 40 t 30 panel parallel", 18, 2, 2, 30, 12800000, 820000, 11800000},
        {"GLVL X t<=24 panel perpendicular", -11, 1, 3, 24, 3500000, 60000, 9000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        double e = kPreset, g = kPreset, e05 = kPreset, g05 = kPreset;
        ASSERT_EQ(get_E_G_moduli(c.code, c.grade, c.kind, c.t, &e, &g, &e05, &g05), 1);
        EXPECT_DOUBLE_EQ(e, c.e);
        EXPECT_DOUBLE_EQ(g, c.g);
        EXPECT_DOUBLE_EQ(e05, c.e05);
        EXPECT_EQ(g05, kPreset);  // not written for boards
    }
    // "Q 40 mm" between the bands writes nothing
    double e = kPreset;
    EXPECT_EQ(get_E_G_moduli(18, 2, 2, 25, &e, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(e, kPreset);
}

TEST(BoardValues, ThicknessLimits)
{
    EXPECT_DOUBLE_EQ(board_min_thickness(4), 6);
    EXPECT_DOUBLE_EQ(board_min_thickness(5), 12);
    EXPECT_DOUBLE_EQ(board_min_thickness(8), 3.5);
    EXPECT_DOUBLE_EQ(board_min_thickness(11), 3);
    EXPECT_DOUBLE_EQ(board_max_thickness(4), 25);
    EXPECT_DOUBLE_EQ(board_max_thickness(5), 18.5);
    EXPECT_DOUBLE_EQ(board_max_thickness(7), 50);
    EXPECT_DOUBLE_EQ(board_max_thickness(6), 999);
}

} // namespace
