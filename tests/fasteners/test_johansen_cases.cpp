// Failure-mode tables of the exact method, each governing mode computed by hand.
#include "annex_fixture.h"
#include "fasteners/exact_method.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
const int kC24 = 5;
}

// Dowel d 12 (f_u as given) between members of rho_k 350 and 500, angle 0:
// f_h,1 = 0.082 * 0.88 * 350 = 25.256, f_h,2 = 0.082 * 0.88 * 500 = 36.08, beta = 1.428571;
// M_y = 0.3 f_u 12^2.6: 46047.25 (240), 115118.13 (600), 153490.85 (800).
// Characteristic: a set with one gamma_M 1.3 for all modes, k1 = 1.05 on 4, 5, 9, k2 = 1.15 on 6, 10.
// Design: k_mod 0.8 / 0.9, gamma_M 1.3 / 1.3, gamma_M,s 1.1: f_h,1,d = 15.54215, f_h,2,d = 24.97846,
// beta_d = 1.607143, M_y,d = M_y / 1.1; no k1, k2.
// One shear plane, q = t2 / t1:
//   F1 = f_h1 t1 d; F2 = beta f_h1 t2 d;
//   F3 = f_h1 t1 d / (1 + b) (sqrt(b + 2 b^2 (1 + q + q^2) + b^3 q^2) - b (1 + q));
//   F4 = k1 f_h1 t1 d / (2 + b) (sqrt(2 b (1 + b) + 4 b (2 + b) M_y / (f_h1 d t1^2)) - b);
//   F5 = k1 f_h1 t2 d / (1 + 2 b) (sqrt(2 b^2 (1 + b) + 4 b (1 + 2 b) M_y / (f_h1 d t2^2)) - b);
//   F6 = k2 sqrt(2 b / (1 + b)) sqrt(2 M_y f_h1 d).
// Two shear planes: F7 = f_h1 t1 d; F8 = 0.5 b f_h1 t2 d; F9 = F4; F10 = F6.
TEST(JohansenTimber, EveryModeWithUnequalMembers)
{
    CurrentAnnex annex(1);
    annex.ec5.gamma_m_connections = 1.3;
    const struct {
        int planes; double t1, t2, f_u; int mode; double f_k, f_d;
        const char* arithmetic;
    } cases[] = {
        {1, 20, 60, 800, 1, 6061.44, 3730.12, "F1 = 25.256*20*12; F1,d = 15.54215*20*12 (F3 8163.1, F4 7807.0)"},
        {1, 80, 12, 800, 2, 5195.52, 3596.90, "F2 = 36.08*12*12; F2,d = 24.97846*144 (F5 7842.9)"},
        {1, 24, 20, 800, 3, 3270.12, 2133.38, "q = 0.8333: F3 = 7273.73/2.4286*(sqrt(13.7707)-2.6190)"},
        {1, 40, 100, 800, 4, 8154.32, 5743.94, "F4 = 1.05*12122.88/3.4286*(sqrt(6.9388+6.2014)-1.4286)"},
        {1, 100, 24, 600, 5, 6961.60, 4998.78, "F5 = 1.05*7273.73/3.8571*(sqrt(9.9125+14.5346)-1.4286)"},
        {1, 100, 80, 240, 6, 6589.89, 4387.60, "F6 = 1.15*1.084652*5283.11 (F4 11708.6)"},
        {2, 20, 40, 800, 7, 6061.44, 3730.12, "F7 = 25.256*20*12 (F8 8659.2, F9 7807.0)"},
        {2, 100, 20, 800, 8, 4329.60, 2997.42, "F8 = 0.5*36.08*20*12; F8,d = 0.5*24.97846*240"},
        {2, 40, 60, 800, 9, 8154.32, 5743.94, "F9 = F4 of t1 40 (F7 12122.9, F8 12988.8)"},
        {2, 100, 60, 240, 10, 6589.89, 4387.60, "F10 = F6 (F9 11708.6, F8 12988.8)"},
    };
    for (const auto& k : cases) {
        FastenerResult r{};
        johansen_timber_characteristic(1, k.planes, 12, 200, 90, 0, 0, 1, 0, 29, 0, 0, k.t1, k.t2, 350, 500, 0, 0,
                                       kC24, kC24, k.f_u, nullptr, nullptr, &r);
        EXPECT_EQ(r.failure_mode_k, k.mode) << k.arithmetic;
        EXPECT_NEAR(r.f_v_k, k.f_k, 0.01) << k.arithmetic;
        EXPECT_NEAR(r.beta, 1.428571, 1e-6);
        EXPECT_DOUBLE_EQ(r.gamma_pin, 1.3);
        // The record keeps each member's own embedding strength and the yield moment of the given f_u.
        EXPECT_NEAR(r.f_h_1, 25.256, 1e-9);
        EXPECT_NEAR(r.f_h_2, 36.08, 1e-9);
        EXPECT_DOUBLE_EQ(r.f_u_used, k.f_u);
        EXPECT_NEAR(r.m_y_k, k.f_u == 240 ? 46047.25 : k.f_u == 600 ? 115118.13 : 153490.85, 0.01);
        EXPECT_DOUBLE_EQ(r.reduction_factor, 1.0);
        johansen_timber_design(1.3, 1.3, 1.1, 0.8, 0.9, 1, k.planes, 12, 200, 90, 0, 0, 1, 0, 29, 0, 0, k.t1, k.t2,
                               350, 500, 0, 0, kC24, kC24, k.f_u, nullptr, nullptr, &r);
        EXPECT_EQ(r.failure_mode_d, k.mode) << k.arithmetic;
        EXPECT_NEAR(r.f_v_d, k.f_d, 0.01) << k.arithmetic;
        EXPECT_NEAR(r.beta, 1.607143, 1e-6);
    }
}

TEST(JohansenTimber, RopeShareComesOffTheEmbeddingModes)
{
    CurrentAnnex annex(1);
    annex.ec5.gamma_m_connections = 1.3;
    // The F1 case above with a stored share of 500: 6061.44 - 500 = 5561.44; mode 2 (F2 = 25977.6 - 500)
    // and the hinge modes keep their values, so F1 still governs.
    FastenerResult r{};
    r.rope_share = 500;
    johansen_timber_characteristic(1, 1, 12, 200, 90, 0, 0, 1, 0, 29, 0, 0, 20, 60, 350, 500, 0, 0, kC24, kC24, 800,
                                   nullptr, nullptr, &r);
    EXPECT_EQ(r.failure_mode_k, 1);
    EXPECT_NEAR(r.f_v_k, 5561.44, 0.01);
}

// Bolt d 12 in a fitted hole, f_u 240, steel plate as member 1 (d_ef 12), C24 rho 350 as member 2 at
// angle 0, no set (DIN 1052 factors: embedding 1.3, one hinge 1.2, hinges 1.1), method 1.
// f_h = 0.082 * 0.88 * 350 = 25.256; M_y = 0.3 * 240 * 12^2.6 = 46047.25; E = f_h T d.
// One plane: F11 = 0.414214 E; F12 = sqrt(2 M_y f_h d) = 5283.11; F13 = E;
//   F14 = E (sqrt(2 + 4 M_y / (f_h d T^2)) - 1); F15 = 2 sqrt(M_y f_h d) = 7471.45.
// Two planes: F19 = F21 = 0.5 f_h T d; F20 = F12 = 5283.11; F22 = F15 = 7471.45.
// The mode is chosen on the values divided by their factors; f_v_k is the undivided value and f_v_d the
// divided one. Plates: 5 thin, 12 thick, 7.5 between with r = 2 * 7.5 / 12 - 1 = 0.25.
TEST(JohansenPlate, ThinThickAndBetweenInOneAndTwoPlanes)
{
    CurrentAnnex none(-1);
    const struct {
        int planes; double t_plate, T; int cls, mode; double f_k, f_d;
        const char* arithmetic;
    } cases[] = {
        {1, 5, 10, 0, 11, 1255.37, 965.67, "F11 = 0.414214*25.256*10*12; /1.3 below 5283.11/1.1"},
        {1, 5, 60, 0, 12, 5283.11, 4802.83, "F12 = 5283.11; /1.1 below F11 7532.19/1.3"},
        {1, 12, 10, 2, 13, 3030.72, 2331.32, "F13 = 25.256*10*12 = 3030.72; F14 5582.82"},
        {1, 12, 20, 2, 14, 5309.78, 4424.82, "F14 = 6061.44*(sqrt(2+4*46047.25/(25.256*12*400))-1)"},
        {1, 12, 60, 2, 15, 7471.45, 6792.23, "F15 = 7471.45; /1.1 below F14 8595.55/1.2"},
        {1, 7.5, 10, 1, 27, 1699.20, 1307.08, "0.75*F11 1255.37 + 0.25*F13 3030.72"},
        {1, 7.5, 20, 1, 28, 3210.49, 2554.70, "0.75*F11 2510.73 + 0.25*F14 5309.78"},
        {1, 7.5, 60, 1, 29, 5830.20, 5300.18, "0.75*F12 5283.11 + 0.25*F15 7471.45"},
        {2, 5, 10, 0, 19, 1515.36, 1165.66, "F19 = 0.5*25.256*10*12"},
        {2, 5, 60, 0, 20, 5283.11, 4802.83, "F20 = 5283.11; F19 9092.16"},
        {2, 12, 10, 2, 21, 1515.36, 1165.66, "F21 = F19 = 1515.36"},
        {2, 12, 60, 2, 22, 7471.45, 6792.23, "F22 = 7471.45; F21 9092.16/1.3 = 6994"},
        {2, 7.5, 50, 1, 23, 5856.53, 5059.20, "0.75*F20 5283.11 + 0.25*F21 7576.80"},
        {2, 7.5, 60, 1, 24, 5830.20, 5300.18, "0.75*F20 5283.11 + 0.25*F22 7471.45"},
    };
    for (const auto& k : cases) {
        ConnectionDescription c;
        std::memset(&c, 0, sizeof c);
        c.fastener_type = 30;
        c.fitted_hole = 1;
        c.steel_grade = -1;
        c.d = c.d_ef = 12;
        c.length = 200;
        c.shear_planes = k.planes;
        c.method = 1;
        c.material_1 = 12;
        c.grade_2 = kC24;
        c.t1 = k.t_plate;
        c.t2 = k.T;
        c.f_u = 240;
        FastenerResult r{};
        r.rho_k_2 = 350;
        johansen_plate_member1_characteristic(c, &r);
        EXPECT_EQ(r.plate_class, k.cls) << k.arithmetic;
        EXPECT_EQ(r.failure_mode_k, k.mode) << k.arithmetic;
        EXPECT_NEAR(r.f_v_k, k.f_k, 0.01) << k.arithmetic;
        EXPECT_NEAR(r.f_v_d, k.f_d, 0.01) << k.arithmetic;
    }
}
