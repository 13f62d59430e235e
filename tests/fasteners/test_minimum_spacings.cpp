#include "annex_fixture.h"
#include "fasteners/formula_constants.h"
#include "fasteners/minimum_spacings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
struct Six { double v[6]; };
int spacings(int type, int pre, int fitted, int splitting, int material, double rho, double d, double db,
             double alpha_deg, Six* out)
{
    double* o = out->v;
    // Degrees in the library's own measure, so that 90 degrees is 90 to the last digit at a band edge.
    return fastener_minimum_spacings(type, pre, fitted, 0, splitting, material, rho, d, db, alpha_deg * kDegree, 0,
                                     0, 0, &o[0], &o[1], &o[2], &o[3], &o[4], &o[5]);
}
}

TEST(MinimumSpacings, RuleTable)
{
    struct Case {
        const char* what; int country; int type, pre, fitted, splitting, material; double rho, d, db, alpha;
        int code; double a[6];
    };
    const double s = std::sqrt(3.0) / 2.0;   // sin 60 and sin 120 degrees
    const Case cases[] = {
        // bolt d 12, alpha 0: a1 (4+1)*12 = 60 (DIN max(5*12, 48)); a2 48; a3t max(84, 80); a3c 4d; a4t/a4c 3d
        {"bolt EC5", 1, 30, 0, 0, 0, 0, 380, 12, 0, 0, 4, {60, 48, 84, 48, 36, 36}},
        {"bolt DIN", -1, 30, 0, 0, 0, 0, 380, 12, 0, 0, 9, {60, 48, 84, 48, 36, 36}},
        // alpha 300 degrees is in none of the a3,c intervals: 4 d
        {"bolt EC5 300 degrees", 1, 30, 0, 0, 0, 0, 380, 12, 0, 300, 4, {(4 + 0.5) * 12, 48, 84, 48, 36, 36}},
        // nail d 4, rho 380, not pre-drilled: 5d(1+1) = 40, 5d, (10+5)d, 10d, 5d, 5d
        {"nail", 1, 0, 0, 0, 0, 0, 380, 4, 0, 0, 2, {40, 20, 60, 40, 20, 20}},
        {"nail pre-drilled", 1, 0, 1, 0, 0, 0, 380, 4, 0, 0, 2, {20, 12, 48, 28, 12, 12}},
        {"nail steel plate x0.7", 1, 0, 0, 0, 0, 12, 380, 4, 0, 0, 2, {28, 14, 60, 40, 20, 20}},
        {"nail plywood x0.85", 1, 0, 0, 0, 0, 6, 380, 4, 0, 0, 2, {34, 17, 60, 40, 20, 20}},
        {"nail rho 420 lower band", 1, 0, 0, 0, 0, 0, 420, 4, 0, 0, 2, {40, 20, 60, 40, 20, 20}},
        // rho 450: (7+8)d, 7d, (15+5)d, 15d, (7+0)d, 7d
        {"nail rho 450", 1, 0, 0, 0, 0, 0, 450, 4, 0, 0, 2, {60, 28, 80, 60, 28, 28}},
        {"nail splitting", 1, 0, 0, 0, 1, 0, 380, 4, 0, 0, 2, {40, 20, 60, 40, 40, 40}},
        {"type 46 d 5 counts as 4", 1, 46, 0, 0, 0, 0, 380, 5, 0, 0, 2, {40, 20, 60, 40, 20, 20}},
        // ring connector d_c 65 with bolt 12: (1.2+0.8) 65 = 130, 78, 130, 1.2*65 = 78, 0.6*65 = 39 (bolt 36)
        {"ring connector", 1, 25, 0, 0, 0, 0, 380, 65, 12, 0, 7, {130, 78, 130, 78, 39, 39}},
        // fitted: bolt and an 8 mm wood screw take the dowel rule: (3+2)d, 3d, max(7d, 80), 3d, 3d, 3d
        {"fitted bolt", 1, 30, 0, 1, 0, 0, 380, 12, 0, 0, 5, {60, 36, 84, 36, 36, 36}},
        {"fitted wood screw DIN", -1, 5, 0, 1, 0, 0, 380, 8, 0, 0, 8, {40, 24, 80, 24, 24, 24}},
        // screws of the reinforcement: nail rule, always pre-drilled; a2 = (3 + sin 0) d, a3c 7d, a4c 3d
        {"reinforcement screw", 1, 14, 0, 1, 0, 2, 425, 8, 8, 0, 2, {40, 24, 96, 56, 24, 24}},
        {"no rule", 1, -1, 0, 0, 0, 0, 380, 8, 0, 0, 0, {-1, -1, -1, -1, -1, -1}},
        // LVL (10): bolt (4 + 3) d = 84, 4d, max(7d, 105), a3c of the EC5 bolt rule (4d), 3d, 3d
        {"LVL bolt", 1, 30, 0, 1, 0, 10, 480, 12, 0, 0, 4, {84, 48, 105, 48, 36, 36}},
        // alpha 120 degrees (acute angle 60: cos 0.5, sin s), d 12; edges of both LVL rules
        // a4t = max(2d (1 + s), 3d) = 24 (1 + s) = 44.78, a4c 3d.
        // Kerto-S dowel: (4 + 1.5) d = 66, 4d, max(7d, 105), a3c max(105 s, 3d) = 90.93
        {"LVL dowel 120 degrees", 1, 29, 0, 0, 0, 10, 480, 12, 0, 120, 4, {66, 48, 105, 105 * s, 24 * (1 + s), 36}},
        // Kerto-Q dowel: (3 + 0.5) d = 42, 3d, max(4d, 60), (3 + s) d; bolt: 4d, 4d, max(4d, 60), 4d
        {"LVL-Q dowel 120 degrees", 1, 29, 0, 0, 0, 11, 480, 12, 0, 120, 4, {42, 36, 60, (3 + s) * 12, 24 * (1 + s), 36}},
        {"LVL-Q bolt 120 degrees", 1, 30, 0, 0, 0, 11, 480, 12, 0, 120, 4, {48, 48, 60, 48, 24 * (1 + s), 36}},
    };
    for (const Case& c : cases) {
        CurrentAnnex annex(c.country);
        Six s{{-1, -1, -1, -1, -1, -1}};
        EXPECT_EQ(spacings(c.type, c.pre, c.fitted, c.splitting, c.material, c.rho, c.d, c.db, c.alpha, &s), c.code)
            << c.what;
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(s.v[i], c.a[i], 1e-9) << c.what << " a" << i;
    }
    // a3,c on both sides of every edge of its angle bands, d 12, with EC5 block.
    // Kerto-S dowel: max(a3,t sin α_r, 3d) = max(105 sin α_r, 36) for 30° < α < 60°, 90° <= α < 150°
    // and 210° <= α < 270°, else 3d = 36. EC5 bolt at 90°: (1 + 6 sin 90°) 12 = 84 within, 4d = 48 below.
    struct Edge { const char* what; int type; double alpha, a3c; };
    const Edge edges[] = {
        {"LVL dowel 29.5", 29, 29.5, 36},   {"LVL dowel 30", 29, 30, 36},
        {"LVL dowel 30.5", 29, 30.5, 53.2915281},        // 105 sin 30.5° = 105 × 0.5075384
        {"LVL dowel 59.5", 29, 59.5, 90.4710618},        // 105 sin 59.5° = 105 × 0.8616292
        {"LVL dowel 60", 29, 60, 36},       {"LVL dowel 89.5", 29, 89.5, 36},
        {"LVL dowel 90", 29, 90, 105},                   // 105 sin 90°
        {"LVL dowel 149.5", 29, 149.5, 53.2915281},      // acute angle 30.5°
        {"LVL dowel 150", 29, 150, 36},     {"LVL dowel 209.5", 29, 209.5, 36},
        {"LVL dowel 210", 29, 210, 52.5},                // acute angle 30°: 105 × 0.5
        {"LVL dowel 269.5", 29, 269.5, 104.9960019},     // acute angle 89.5°: 105 × 0.9999619
        {"LVL dowel 270", 29, 270, 36},
        {"bolt 89.5", 30, 89.5, 48},        {"bolt 90", 30, 90, 84},
    };
    CurrentAnnex annex(1);
    for (const Edge& e : edges) {
        Six s{{-1, -1, -1, -1, -1, -1}};
        const int material = e.type == 29 ? 10 : 0;
        EXPECT_EQ(spacings(e.type, 0, 0, 0, material, 480, 12, 0, e.alpha, &s), 4) << e.what;
        EXPECT_NEAR(s.v[3], e.a3c, 1e-6) << e.what;
    }
}

TEST(MinimumSpacings, NullOutputsAreSkippedAndScrewsAcrossTheWidth)
{
    CurrentAnnex annex(1);
    double a2 = 0, a3c = 0, a4c = 0;
    // the main window's call: type 14, pre-drilled 1, fitted 1, material GL, rho 425, d 8, alpha 0
    EXPECT_EQ(fastener_minimum_spacings(14, 1, 1, 0, 0, 2, 425, 8, 8, 0, 0, 600, 600, nullptr, &a2, nullptr, &a3c,
                                        nullptr, &a4c), 2);
    EXPECT_DOUBLE_EQ(a2, 24);
    EXPECT_DOUBLE_EQ(a3c, 56);
    EXPECT_DOUBLE_EQ(a4c, 24);
    // in a 160 mm wide beam (160 - 2*24)/24 + 1 = 5.67 -> 5 screws side by side
    EXPECT_EQ(static_cast<int>((160 - 2 * a4c) / a2 + 1), 5);
    // rods as fitted bolts (dowel rule): a2 = a3c = a4c = 3 d
    EXPECT_EQ(fastener_minimum_spacings(30, 1, 1, 0, 0, 2, 425, 12, 12, 0, 0, 600, 600, nullptr, &a2, nullptr, &a3c,
                                        nullptr, &a4c), 5);
    EXPECT_DOUBLE_EQ(a2, 36);
    EXPECT_DOUBLE_EQ(a3c, 36);
    EXPECT_DOUBLE_EQ(a4c, 36);
}

TEST(MinimumSpacings, ToothedPlateConnectors)
{
    // d_c 100 with a bolt of 12; each distance is the larger of the connector's and the bolt's
    // (bolt: a1 (4 + cos) 12 = 60 or 48, a2 48, a3,t max(84, 80) = 84, a3,c 48 or 84, a4,t 36 or 48, a4,c 36).
    struct Case { const char* what; int country, type; double alpha; int code; double a[6]; };
    const Case cases[] = {
        // C1, C2: (1.2 + 0.3) 100 = 150, 1.2 * 100, a3,t 1.5 d_c = 150, 1.2 d_c, 0.6 d_c, 0.6 d_c
        {"C1 EC5", 1, 26, 0, 8, {150, 120, 150, 120, 60, 60}},
        {"C2 EC5", 1, 32, 0, 8, {150, 120, 150, 120, 60, 60}},
        {"C1 DIN", -1, 26, 0, 20, {150, 120, 150, 120, 60, 60}},
        // C5: a3,t 2.0 d_c with a set, 1.5 d_c without
        {"C5 EC5", 1, 27, 0, 8, {150, 120, 200, 120, 60, 60}},
        {"C5 DIN", -1, 27, 0, 20, {150, 120, 150, 120, 60, 60}},
        // C10: (1.2 + 0.8) d_c, a3,t 2.0 d_c
        {"C10 EC5", 1, 28, 0, 9, {200, 120, 200, 120, 60, 60}},
        // 90 degrees: a1 1.2 d_c; a3,c (0.9 + 0.6) d_c = 150 over the bolt's (1 + 6) 12 = 84;
        // a4,t (0.6 + 0.2) d_c = 80 over the bolt's max(2 * 12 * 2, 36) = 48
        {"C1 EC5 90", 1, 26, 90, 8, {120, 120, 150, 150, 80, 60}},
        {"C2 EC5 90", 1, 32, 90, 8, {120, 120, 150, 150, 80, 60}},
    };
    for (const Case& c : cases) {
        CurrentAnnex annex(c.country);
        Six s{{-1, -1, -1, -1, -1, -1}};
        EXPECT_EQ(spacings(c.type, 0, 0, 0, 0, 380, 100, 12, c.alpha, &s), c.code) << c.what;
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(s.v[i], c.a[i], 1e-9) << c.what << " a" << i;
    }
}
