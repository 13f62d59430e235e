// Hand-computed cases of the simplified steel-to-timber rules for dowels and bolts.
#include "annex_fixture.h"
#include "fasteners/simplified_method.h"

#include <gtest/gtest.h>

namespace {
const int kC24 = 5;
const double kRightAngle = 1.5707963267948966;
}

TEST(SimplifiedPlate, K90OfTheTimberAtRightAngles)
{
    CurrentAnnex none(-1);
    // Dowel 12, f_u 360 through a thick plate into 200 mm of timber loaded at 90 degrees (eta = 1):
    // M_y = 0.3 * 360 * 12^2.6 = 69070.88; f_h,0 = 0.082 * 0.88 * rho_k; f_h,90 = f_h,0 / k90;
    // R = sqrt(2) sqrt(2 M_y f_h,90 * 12)
    const struct { int material; double rho, k90, f_h0, r; const char* arithmetic; } cases[] = {
        {0, 350, 1.53, 25.256, 7397.84, "softwood: k90 = 1.35 + 0.015*12; f_h,90 = 25.256 / 1.53 = 16.507"},
        {1, 550, 1.08, 39.688, 11037.88, "hardwood: k90 = 0.9 + 0.015*12; f_h,90 = 39.688 / 1.08 = 36.748"},
        {10, 480, 1.48, 34.6368, 8808.58, "LVL: k90 = 1.3 + 0.015*12; f_h,90 = 34.6368 / 1.48 = 23.403"},
    };
    for (const auto& k : cases) {
        FastenerResult r{};
        const double v = thick_plate_dowel_capacity(29, 12, 200, 0, 0, 1, 0, kRightAngle, 360, k.material, kC24,
                                                    k.rho, nullptr, nullptr, &r);
        EXPECT_DOUBLE_EQ(r.reduction_factor, 1.0) << k.arithmetic;
        EXPECT_NEAR(r.k90_used, k.k90, 1e-12) << k.arithmetic;
        EXPECT_NEAR(r.f_h_0, k.f_h0, 1e-9) << k.arithmetic;
        EXPECT_NEAR(v, k.r, 0.01) << k.arithmetic;
    }
}

TEST(SimplifiedPlate, DowelsUpTo8mmKeepK90OfOneUnderASet)
{
    CurrentAnnex annex(1);
    // d 8 through a thick plate into softwood of rho 350 at 90 degrees: f_h,0 = 0.082 * 0.92 * 350 = 26.404;
    // a dowel keeps k90 = 1 (f_h,90 = 26.404), a bolt takes 1.35 + 0.015 * 8 = 1.47 (f_h,90 = 17.962)
    const struct { int type; double k90, f_h90; } cases[] = {{29, 1.0, 26.404}, {30, 1.47, 26.404 / 1.47}};
    for (const auto& k : cases) {
        FastenerResult r{};
        thick_plate_dowel_capacity(k.type, 8, 200, 0, 0, 1, 0, kRightAngle, 360, 0, kC24, 350, nullptr, nullptr, &r);
        EXPECT_NEAR(r.k90_used, k.k90, 1e-12) << k.type;
        EXPECT_NEAR(r.f_h_2, k.f_h90, 1e-9) << k.type;
    }
}

TEST(SimplifiedPlate, ThinPlateRequiredThicknessAndClearanceHole)
{
    CurrentAnnex none(-1);
    // Thin 5 mm steel plate, d 12, f_u 360, C24 30 mm at angle 0: M_y = 69070.88, f_h = 25.256.
    // Dowel: t_req = 3.926346 sqrt(69070.88 / (12 * 25.256)) = 59.274; eta = 30 / 59.274 = 0.506125;
    // R = 0.506125 * sqrt(2 * 69070.88 * 25.256 * 12) = 0.506125 * 6470.46 = 3274.87
    FastenerResult r{};
    EXPECT_NEAR(plate_member1_dowel_capacity(29, 1, 12, 12, 30, 0, 0, 1, 0, 5, 0, 360, 12, 0, 0, kC24, 350, &r),
                3274.87, 0.01);
    EXPECT_EQ(r.plate_class, 0);
    EXPECT_NEAR(r.reduction_factor, 0.506125, 1e-6);
    // Bolt in a clearance hole: the required thickness takes f_h at d + 1 = 13: 0.082 * 0.87 * 350 = 24.969,
    // t_req = 3.926346 sqrt(69070.88 / (12 * 24.969)) = 59.614, eta = 0.503241; the capacity keeps d:
    // 0.503241 * 6470.46 = 3256.21
    r = FastenerResult{};
    EXPECT_NEAR(plate_member1_dowel_capacity(30, 1, 12, 12, 30, 0, 0, 0, 0, 5, 0, 360, 12, 0, 0, kC24, 350, &r),
                3256.21, 0.01);
    EXPECT_NEAR(r.t1_req, 59.614, 1e-3);

    // Bolt between two C24 members of 200 mm in a clearance hole: both embedding strengths at d + 1,
    // beta = 1, A = 1: sqrt(2 * 69070.88 * 24.969 * 12) = 6433.59
    r = FastenerResult{};
    EXPECT_NEAR(dowel_bolt_capacity_simplified(1, 12, 0, 0, 0, 200, 200, 350, 350, 0, 0, kC24, kC24, 360, 0, 0,
                                               nullptr, nullptr, &r),
                6433.59, 0.01);
    EXPECT_NEAR(r.f_h_1, 24.969, 1e-9);
    EXPECT_DOUBLE_EQ(r.reduction_factor, 1.0);

    // The same with member 2 of rho 500 (argument rho2 comes first): f_h,2 = 0.082 * 0.87 * 500 = 35.67,
    // beta = 1.428571, both required thicknesses below 200 (t_req,1 = 2.3 (0.767 + 1) 15.10 = 61.4):
    // sqrt(2 beta / (1 + beta)) = 1.084652; 1.084652 * 6433.59 = 6978.21
    r = FastenerResult{};
    EXPECT_NEAR(dowel_bolt_capacity_simplified(1, 12, 0, 0, 0, 200, 200, 500, 350, 0, 0, kC24, kC24, 360, 0, 0,
                                               nullptr, nullptr, &r),
                6978.21, 0.01);
    EXPECT_NEAR(r.f_h_1, 24.969, 1e-9);
    EXPECT_NEAR(r.f_h_2, 35.67, 1e-9);
    EXPECT_NEAR(r.beta, 1.428571, 1e-6);
    EXPECT_NEAR(r.m_y_k, 69070.88, 0.01);
    EXPECT_DOUBLE_EQ(r.f_u_used, 360);
    EXPECT_NEAR(r.f_v_k, 6978.21, 0.01);
}
