#include "annex_fixture.h"
#include "joint_fixture.h"
#include "fasteners/connection_design.h"
#include "fasteners/connection_input_check.h"
#include "fasteners/exact_method.h"
#include "fasteners/simplified_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {
// The dowel of 12 mm between two C24 members of 60 mm, angle 0, f_u 360, by hand:
// f_h = 0.082 (1 - 0.12) 350 = 25.256; M_y = 0.3 * 360 * 12^2.6 = 69066; beta = 1.
const double kFh = 0.082 * (1 - 0.12) * 350;
const double kMy = 0.3 * 360 * std::pow(12.0, 2.6);
// F1 = F2 = f_h t d = 18184.3; F3 = F1 / 2 (sqrt(8) - 2) = 7532.2;
// F4 = F5 = k1 F1 / 3 (sqrt(4 + 12 M_y / (f_h d t^2)) - 1) = k1 * 7162.8; F6 = k2 sqrt(2 M_y f_h d) = k2 * 6470.2
const double kF1 = kFh * 60 * 12;
const double kF3 = kF1 / 2 * (std::sqrt(8.0) - 2);
const double kF6 = std::sqrt(2 * kMy * kFh * 12);
} // namespace

TEST(ConnectionInputCheck, ScrewFamilies)
{
    CurrentAnnex annex(1);
    ConnectionDescription c = timber_joint(11, 6, 40, 12.5);
    c.material_2 = 5;   // plasterboard: the thin-board rule comes before the plasterboard rule
    c.f_u = 600;
    EXPECT_EQ(connection_input_check(c), 64);

    c = timber_joint(14, 8, 29, 100);
    c.f_u = 600;
    c.predrilled = 1;
    EXPECT_EQ(connection_input_check(c), 49);
    c.d = 7.99;
    EXPECT_EQ(connection_input_check(c), 0);
    c.t1 = 23;
    EXPECT_EQ(connection_input_check(c), 47);
    c.d = 7.95; c.t1 = 100; c.t2 = 29;
    EXPECT_EQ(connection_input_check(c), 53);
    // d 8 without pre-drilling in timber other than spruce, fir or pine
    c.d = 8; c.t1 = c.t2 = 100; c.predrilled = 0;
    EXPECT_EQ(connection_input_check(c), 57);
    c.spruce_fir_pine = 1;
    c.service_class_2 = 3;
    EXPECT_EQ(connection_input_check(c), 59);
}

TEST(ConnectionInputCheck, NailsAgainstSplitting)
{
    CurrentAnnex annex(1);
    // d 4, rho 350: t_req = max(14 * 4, (52 - 30) 350 / 200) = max(56, 38.5) = 56 > 25
    ConnectionDescription c = timber_joint(0, 4, 25, 25);
    c.f_u = 600;
    EXPECT_EQ(connection_input_check(c), 15);
    c.shear_planes = 2;
    EXPECT_EQ(connection_input_check(c), 16);
    c.predrilled = 1;
    EXPECT_EQ(connection_input_check(c), 0);
    // member 2 thick enough: member 1 fails, with option 2: max(28, 19.25) = 28 > 25
    c.predrilled = 0; c.t2 = 60; c.shear_planes = 1;
    EXPECT_EQ(connection_input_check(c), 14);
    c.spacing_option_2 = 1;
    EXPECT_EQ(connection_input_check(c), 18);
    // member 2 not solid timber and member 1 neither: accepted at once
    c.material_1 = 2; c.material_2 = 4;
    EXPECT_EQ(connection_input_check(c), 0);
}

TEST(ConnectionInputCheck, RulesWithoutAnnexAndSpecialNails)
{
    {
        CurrentAnnex none(-1);
        ConnectionDescription c = timber_joint(29, 12, 20, 60);
        EXPECT_EQ(connection_input_check(c), 21);
        c.t1 = 60; c.t2 = 20;
        EXPECT_EQ(connection_input_check(c), 24);
        c.material_1 = c.material_2 = 12;
        c.t1 = c.t2 = 10;
        EXPECT_EQ(connection_input_check(c), 12);
        c = timber_joint(3, 6, 60, 60);
        c.f_u = 5;
        EXPECT_EQ(connection_input_check(c), 82);
    }
    CurrentAnnex ec_only(0);
    ConnectionDescription c = timber_joint(16, 4, 5, 5);
    c.f_u = 600;
    EXPECT_EQ(connection_input_check(c), 89);
}

TEST(ConnectionInputCheck, SmallHelpers)
{
    EXPECT_DOUBLE_EQ(predrill_diameter(1, 8.05), 6.0);
    EXPECT_DOUBLE_EQ(predrill_diameter(0, 8.0), 5.0);
    EXPECT_DOUBLE_EQ(predrill_diameter(0, 9), -1.0);
    EXPECT_DOUBLE_EQ(predrill_diameter(2, 3.9), -1.0);
    ConnectionDescription c = timber_joint(44, 6, 40, 40);
    c.assy_user.d = 10;
    apply_assy_user_screw(&c);
    EXPECT_DOUBLE_EQ(c.d, 6.0);
    c.spax_user.d = 8; c.spax_user.length = 120; c.spax_user.washer_d = 30; c.spax_user.has_washer = 0;
    apply_spax_user_screw(&c);
    EXPECT_DOUBLE_EQ(c.d, 8.0);
    EXPECT_DOUBLE_EQ(c.length, 120.0);
    EXPECT_DOUBLE_EQ(c.washer_d, -1.0);
}

TEST(ExactMethod, TimberJointGoverningMode)
{
    FastenerResult r{};
    {
        CurrentAnnex annex(1);
        annex.ec5.gamma_m_connections = 1.3;
        // one factor for every mode: the smallest of F1..F6 with k1 1.05, k2 1.15 governs: F6 = 7440.7
        johansen_timber_characteristic(1, 1, 12, 120, 90, 0, 0, 1, 0, 29, 0, 0, 60, 60, 350, 350, 0, 0, kC24, kC24,
                                       360, nullptr, nullptr, &r);
        EXPECT_NEAR(r.f_h_1, kFh, 1e-9);
        EXPECT_EQ(r.failure_mode_k, 6);
        EXPECT_NEAR(r.f_v_k, 1.15 * kF6, 1e-6);
        EXPECT_NEAR(r.f_v_k, 7440.7, 0.5);
        EXPECT_DOUBLE_EQ(r.gamma_pin, 1.3);
    }
    CurrentAnnex none(-1);
    // DIN 1052: F3 / 1.3 = 5794 < F6 / 1.1 = 5882 < F4 / 1.2 = 5969: mode 3 with its own value 7532.2
    johansen_timber_characteristic(1, 1, 12, 120, 90, 0, 0, 1, 0, 29, 0, 0, 60, 60, 350, 350, 0, 0, kC24, kC24, 360,
                                   nullptr, nullptr, &r);
    EXPECT_EQ(r.failure_mode_k, 3);
    EXPECT_NEAR(r.f_v_k, kF3, 1e-6);
    EXPECT_NEAR(r.f_v_k, 7532.2, 0.5);
    EXPECT_DOUBLE_EQ(r.gamma_pin, 1.3);
    // Method 2: nothing divided, the plain minimum (F6 = 6470.2) with factor 1
    johansen_timber_characteristic(2, 1, 12, 120, 90, 0, 0, 1, 0, 29, 0, 0, 60, 60, 350, 350, 0, 0, kC24, kC24, 360,
                                   nullptr, nullptr, &r);
    EXPECT_EQ(r.failure_mode_k, 6);
    EXPECT_NEAR(r.f_v_k, kF6, 1e-6);
    EXPECT_DOUBLE_EQ(r.gamma_pin, 1.0);
    // Design values: f_h,d = 25.256 * 0.8 / 1.3 = 15.542, M_y,d = M_y / 1.1; without k1, k2 and factors
    // F3,d = 15.542 * 720 / 2 (sqrt(8) - 2) = 4635.2 is below F6,d = sqrt(2 M_y,d f_h,d d) = 4839.6
    johansen_timber_design(1.3, 1.3, 1.1, 0.8, 0.8, 1, 1, 12, 120, 90, 0, 0, 1, 0, 29, 0, 0, 60, 60, 350, 350, 0, 0,
                           kC24, kC24, 360, nullptr, nullptr, &r);
    EXPECT_EQ(r.failure_mode_d, 3);
    EXPECT_NEAR(r.f_v_d, kFh * 0.8 / 1.3 * 720 / 2 * (std::sqrt(8.0) - 2), 1e-6);
    EXPECT_NEAR(r.f_v_d, 4635.2, 0.5);
    // Shear-plane count 0 without effective planes: capacity 0, mode 7
    johansen_timber_characteristic(1, 0, 12, 120, 90, 0, 0, 1, 0, 29, 0, 0, 60, 60, 350, 350, 0, 0, kC24, kC24, 360,
                                   nullptr, nullptr, &r);
    EXPECT_EQ(r.failure_mode_k, 7);
    EXPECT_DOUBLE_EQ(r.f_v_k, 0.0);
}

TEST(ExactMethod, PlateBetweenTimberParts)
{
    CurrentAnnex none(-1);
    FastenerResult r{};
    // E = F1 = 18184.3; F17 = E (sqrt(2 + 4 M_y / (f_h d t^2)) - 1) = 9111.6; F18 = 2 sqrt(M_y f_h d) = 9150.3;
    // reduced: 13988 / 7593 / 8318: mode 17
    johansen_plate_member2_characteristic(1, 12, 29, 0, 0, 0, 1, 0, 60, 350, 0, kC24, 360, &r);
    const double f17 = kF1 * (std::sqrt(2 + 4 * kMy / (kFh * 12 * 3600)) - 1);
    EXPECT_EQ(r.failure_mode_k, 17);
    EXPECT_NEAR(r.f_v_k, f17, 1e-6);
    EXPECT_NEAR(r.f_v_k, 9111.6, 0.5);
    EXPECT_NEAR(r.f_v_d, f17 / 1.2, 1e-6);
    // Wood screws in the design driver take 60 d^2.6 / gamma_M,steel like the other design drivers.
    johansen_plate_member2_design(1.3, 1.3, 1.1, 0.8, 6, 3, 1, 0, 0, 1, 0, 60, 350, 0, kC24, 600, &r);
    EXPECT_NEAR(r.m_y_d, 60 * std::pow(6.0, 2.6) / 1.1, 1e-6);
    EXPECT_GT(r.f_v_d, 0.0);
}

TEST(ExactMethod, PlateAsMember1Classes)
{
    CurrentAnnex none(-1);
    ConnectionDescription c = timber_joint(29, 10, 5, 80);
    c.material_1 = 12; c.grade_1 = 0; c.d_ef = 10;
    FastenerResult r{};
    r.rho_k_2 = 350;
    const struct { double t; int cls; int code_lo; int code_hi; } cases[] = {
        {5, 0, 11, 12}, {10, 2, 13, 15}, {7.5, 1, 27, 29}};
    for (const auto& k : cases) {
        c.t1 = k.t;
        johansen_plate_member1_characteristic(c, &r);
        EXPECT_EQ(r.plate_class, k.cls) << k.t;
        EXPECT_GE(r.failure_mode_k, k.code_lo) << k.t;
        EXPECT_LE(r.failure_mode_k, k.code_hi) << k.t;
    }
    // Thin plate by hand: f_h = 0.082 (0.9) 350 = 25.83; M_y = 0.3 * 360 * 10^2.6;
    // F11 = 0.41421 f_h 80 * 10 = 8558.9, F12 = sqrt(2 M_y f_h 10) = 5893.6 / 1.1 governs: mode 12
    c.t1 = 5;
    johansen_plate_member1_characteristic(c, &r);
    const double fh = 0.082 * 0.9 * 350, my = 0.3 * 360 * std::pow(10.0, 2.6);
    EXPECT_EQ(r.failure_mode_k, 12);
    EXPECT_NEAR(r.f_v_k, std::sqrt(2 * my * fh * 10), 1e-6);
    // Between thin and thick (r = 0.5): the mix of both values
    c.t1 = 7.5;
    johansen_plate_member1_characteristic(c, &r);
    const double thick15 = 2 * std::sqrt(my * fh * 10);   // 8334.9, smallest of the thick modes after 1.1
    EXPECT_EQ(r.failure_mode_k, 29);
    EXPECT_NEAR(r.f_v_k, 0.5 * std::sqrt(2 * my * fh * 10) + 0.5 * thick15, 1e-6);
}

TEST(SimplifiedMethod, PlateClassesAndDowels)
{
    CurrentAnnex none(-1);
    double e = 7;
    EXPECT_EQ(metal_plate_thickness_class(29, 12, 10, 5, &e), 0);
    EXPECT_DOUBLE_EQ(e, 0.0);
    EXPECT_EQ(metal_plate_thickness_class(29, 12, 10, 10, &e), 2);
    EXPECT_EQ(metal_plate_thickness_class(29, 12, 10, 7.5, &e), 1);
    EXPECT_DOUBLE_EQ(e, 0.5);
    EXPECT_EQ(metal_plate_thickness_class(29, 16, 10, 10, &e), 1);   // E = 14.42
    EXPECT_EQ(metal_plate_thickness_class(23, 12, 30, 2, &e), 2);
    EXPECT_EQ(metal_plate_thickness_class(23, 16, 30, 2, &e), 0);
    EXPECT_EQ(metal_plate_thickness_class(46, 12, 30, 1, &e), 2);
    EXPECT_DOUBLE_EQ(e, -1.0);

    // Dowel in members thick enough on both sides: A = 1 and the form sqrt(2b/(1+b)) sqrt(2 M_y f_h d)
    FastenerResult r{};
    const double v = dowel_bolt_capacity_simplified(1, 12, 0, 1, 0, 200, 200, 350, 350, 0, 0, kC24, kC24, 360, 0, 0,
                                                    nullptr, nullptr, &r);
    EXPECT_DOUBLE_EQ(r.reduction_factor, 1.0);
    EXPECT_NEAR(v, kF6, 1e-6);
    // threaded bolt of 16 mm: M_y = 0.3 f_u 14.8^2.6 = 0.3 * 360 * 1103.27
    dowel_bolt_capacity_simplified(1, 16, 0, 1, 1, 200, 200, 350, 350, 0, 0, kC24, kC24, 360, 0, 0, nullptr, nullptr,
                                   &r);
    EXPECT_NEAR(r.m_y_k, 0.3 * 360 * 1103.2665729832754, 1e-3);
    // member 1 thin: A = t1 / t_req,1 (member 2 far too thick)
    r = FastenerResult{};
    dowel_bolt_capacity_simplified(1, 12, 0, 1, 0, 20, 400, 350, 350, 0, 0, kC24, kC24, 360, 0, 0, nullptr, nullptr,
                                   &r);
    EXPECT_NEAR(r.reduction_factor, 20 / r.t1_req, 1e-12);
}

TEST(SimplifiedMethod, NailsAndScrews)
{
    CurrentAnnex annex(1);
    FastenerResult r{};
    // the point stays in member 1: position code 0, capacity 0
    EXPECT_DOUBLE_EQ(nail_capacity_simplified(1, 4, 30, 600, 0, 0, 0, 40, 60, 350, 350, 0, 0, kC24, kC24, nullptr,
                                              nullptr, &r),
                     0.0);
    // laminated veneer lumber as member 2 has no panel factor
    EXPECT_DOUBLE_EQ(panel_nail_capacity(1, 4, 100, 600, 0, 0, 0, 40, 60, 350, 480, 0, 0, 0, 10, kC24, 0, nullptr,
                                         nullptr, &r),
                     0.0);
    // a stainless screw of the first proprietary family without a set: M_y = 0, capacity 0
    CurrentAnnex none(-1);
    EXPECT_DOUBLE_EQ(proprietary_screw_capacity_simplified(1, 11, 6, 100, 90, 0, 1, 0, 40, 60, 350, 350, 0, 0, 0, 0,
                                                           kC24, kC24, nullptr, nullptr, &r),
                     0.0);
    EXPECT_DOUBLE_EQ(proprietary_screw_capacity_simplified(1, 3, 6, 100, 90, 0, 0, 0, 40, 60, 350, 350, 0, 0, 0, 0,
                                                           kC24, kC24, nullptr, nullptr, &r),
                     0.0);
}

TEST(ConnectionDesign, ProprietaryScrewRecordsItsReduction)
{
    CurrentAnnex annex(1);
    FastenerResult r{};
    // screw type 11, d 6, l 100, through a 12 mm side member of C24 into 120 mm (its point stays in member 2):
    // M_y = 90 * 6^2.6 = 9493.7, f_h = 0.082 * 350 * 6^-0.3 = 16.77,
    // t1,req = 2.3 (sqrt(0.5) + 1) sqrt(9493.7 / (16.77 * 6)) = 38.14, so A = 12 / 38.14 = 0.3146 < 1 and F = A sqrt(2 beta / (1 + beta)) sqrt(2 M_y f_h,1 d) with f_u 400
    const double F = proprietary_screw_capacity_simplified(1, 11, 6, 100, 90, 0, 0, 0, 12, 120, 350, 350, 0, 0, 0, 0,
                                                           kC24, kC24, nullptr, nullptr, &r);
    EXPECT_NEAR(r.reduction_factor, 0.3146, 1e-4);
    EXPECT_DOUBLE_EQ(r.f_u_used, 400);
    EXPECT_NEAR(r.m_y_k, 90 * std::pow(6.0, 2.6), 1e-6);
    EXPECT_NEAR(r.f_h_1, 16.77, 0.01);
    EXPECT_NEAR(F, r.reduction_factor * std::sqrt(2 * r.m_y_k * r.f_h_1 * 6), 1e-9);   // beta = 1
    EXPECT_DOUBLE_EQ(r.f_v_k, F);
}

TEST(ConnectionDesign, DowelBetweenTimberMembers)
{
    CurrentAnnex annex(1);
    annex.ec5.gamma_m_connections = 1.3;
    ConnectionDescription c = timber_joint(29, 12, 60, 60);
    FastenerResult r;
    ASSERT_EQ(connection_design_main(c, &r), 0);
    EXPECT_DOUBLE_EQ(r.rho_k_1, 350.0);
    EXPECT_DOUBLE_EQ(r.kmod_1, 0.8);
    EXPECT_EQ(r.failure_mode_k, 6);
    EXPECT_NEAR(r.f_v_k, 1.15 * kF6, 1e-6);                     // no rope effect for dowels
    EXPECT_NEAR(r.f_v_d, 1.15 * kF6 * 0.8 / 1.3, 1e-6);          // k = sqrt(0.8 * 0.8)
    EXPECT_NEAR(r.f_total_k, r.f_v_k, 1e-9);
    EXPECT_EQ(r.shear_planes_used, 1);
    EXPECT_GT(r.k_ser, 0.0);
    EXPECT_GT(r.spacing_1[0], 0.0);
    c.kn_output = 1;
    FastenerResult kn;
    ASSERT_EQ(connection_design_main(c, &kn), 0);
    EXPECT_NEAR(kn.f_v_k, r.f_v_k * 0.001, 1e-9);
    EXPECT_NEAR(kn.f_total_d, r.f_total_d * 0.001, 1e-9);
}

TEST(ConnectionDesign, KmodOfMembersInDifferentServiceClasses)
{
    CurrentAnnex annex(1);
    annex.ec5.gamma_m_connections = 1.3;
    // the dowel above with member 2 in service class 3: k_mod 0.8 and 0.65 (solid timber, medium
    // term), the connection takes sqrt(0.8 * 0.65) = 0.72111
    ConnectionDescription c = timber_joint(29, 12, 60, 60);
    c.service_class_2 = 3;
    FastenerResult r;
    ASSERT_EQ(connection_design_main(c, &r), 0);
    EXPECT_DOUBLE_EQ(r.kmod_1, 0.8);
    EXPECT_DOUBLE_EQ(r.kmod_2, 0.65);
    EXPECT_NEAR(r.f_v_k, 1.15 * kF6, 1e-6);
    EXPECT_NEAR(r.f_v_d, 1.15 * kF6 * std::sqrt(0.8 * 0.65) / 1.3, 1e-6);
    // the same members the other way round give the same design value
    c.service_class_1 = 3;
    c.service_class_2 = 1;
    FastenerResult swapped;
    ASSERT_EQ(connection_design_main(c, &swapped), 0);
    EXPECT_NEAR(swapped.f_v_d, r.f_v_d, 1e-9);
}

TEST(ConnectionDesign, SteelPlateSpacingsAndLengthRules)
{
    CurrentAnnex annex(1);
    ConnectionDescription c = timber_joint(0, 4, 5, 100);
    c.material_1 = 12; c.grade_1 = 0; c.f_u = 600; c.method = 0; c.length = 80;
    FastenerResult r;
    ASSERT_EQ(connection_design_main(c, &r), 0);
    // d0 = 4 + 1: a1 = a2 = 2.4 * 5, the ends and edges 1.2 * 5
    EXPECT_DOUBLE_EQ(r.spacing_1[0], 12.0);
    EXPECT_DOUBLE_EQ(r.spacing_1[1], 12.0);
    for (int i = 2; i < 6; ++i) EXPECT_DOUBLE_EQ(r.spacing_1[i], 6.0);
    EXPECT_GT(r.f_v_k, 0.0);
    EXPECT_DOUBLE_EQ(r.gamma_pin, 1.1);
    c.fitted_hole = 1;
    ASSERT_EQ(connection_design_main(c, &r), 0);
    EXPECT_NEAR(r.spacing_1[0], 9.6, 1e-12);
    EXPECT_NEAR(r.spacing_1[5], 4.8, 1e-12);

    // Pre-drilled nail reaching 3 d into member 2, no effective plane: 8, with the member values written
    c = timber_joint(0, 4, 40, 60);
    c.f_u = 600; c.predrilled = 1; c.length = 52;
    ASSERT_EQ(connection_design_main(c, &r), 8);
    EXPECT_DOUBLE_EQ(r.rho_k_2, 350.0);
    EXPECT_GT(r.k_ser, 0.0);
    EXPECT_DOUBLE_EQ(r.kmod_2, 0.8);
    EXPECT_DOUBLE_EQ(r.f_v_k, 0.0);
    // the point stays inside member 1: 6; with its whole depth below 4 d: 8
    c.length = 30;
    EXPECT_EQ(connection_design_main(c, &r), 6);
    c.length = 12;
    EXPECT_EQ(connection_design_main(c, &r), 8);
}

TEST(ConnectionDesign, StapleAngleAndFailedCheck)
{
    CurrentAnnex annex(1);
    ConnectionDescription c = timber_joint(1, 2, 30, 60);
    c.f_u = 900; c.length = 80; c.method = 0;
    c.fastener_angle_1 = c.fastener_angle_2 = 30;
    FastenerResult wide, flat;
    ASSERT_EQ(connection_design_main(c, &wide), 0);
    ASSERT_GT(wide.f_v_k, 0.0);
    c.fastener_angle_2 = 29;
    ASSERT_EQ(connection_design_main(c, &flat), 0);
    EXPECT_NEAR(flat.f_v_k, 0.7 * wide.f_v_k, 1e-9);
    // Types 45/46 run the exact method with f_u 600 whatever the description says.
    c = timber_joint(46, 4, 40, 60);
    c.method = 0; c.f_u = 100; c.predrilled = 1;
    FastenerResult s;
    ASSERT_EQ(connection_design_main(c, &s), 0);
    EXPECT_DOUBLE_EQ(s.f_u_used, 600.0);
    // A failed input check returns its code and leaves the result untouched.
    c = timber_joint(0, 4, 25, 25);
    c.f_u = 600;
    FastenerResult untouched;
    std::memset(&untouched, 0x5a, sizeof untouched);
    const double marker = untouched.f_v_k;
    EXPECT_EQ(connection_design_main(c, &untouched), 15);
    EXPECT_EQ(std::memcmp(&untouched.f_v_k, &marker, sizeof marker), 0);
}

TEST(ConnectionDesign, AluminiumPlateBearingWithoutAluminiumBlock)
{
    CurrentAnnex annex(1);   // no EN 1999 block current: gamma_M2 takes the recommended 1.25
    ConnectionDescription c = timber_joint(0, 4, 3, 100);
    c.material_1 = 16; c.grade_1 = 0; c.f_u = 600; c.method = 0; c.length = 80;
    FastenerResult r;
    ASSERT_EQ(connection_design_main(c, &r), 0);
    EXPECT_DOUBLE_EQ(r.alu_gamma_m, 1.25);
    // k1 1.66, alpha_b 0.4 at the minimum distances: 4 * 3 * 1.66 * 0.4 * f_u
    EXPECT_NEAR(r.alu_bearing_k, 4 * 3 * 1.66 * 0.4 * r.alu_f_u, 1e-9);
    EXPECT_NEAR(r.alu_bearing_d, r.alu_bearing_k / 1.25, 1e-9);
    EXPECT_GT(r.alu_f_u, 0.0);
}

TEST(ConnectionDesign, HugeAnglesDoNotHang)
{
    CurrentAnnex annex(1);
    ConnectionDescription c = timber_joint(29, 12, 60, 60);
    c.load_angle_1 = 1e300;
    c.load_angle_2 = std::numeric_limits<double>::infinity();
    FastenerResult r;
    EXPECT_EQ(connection_design_main(c, &r), 0);
}

TEST(SimplifiedMethod, GypsumFibreboardThinBoardFactors)
{
    CurrentAnnex annex(1);
    FastenerResult r{};
    // Point beyond member 2 (position 4): A = 1, then t1 / (7 d) = 12.5 / 19.6 and 2.5 / d = 2.5 / 2.8
    const double v = gypsum_fibreboard_nail_capacity(2.8, 100, 600, 0, 0, 12.5, 40, 1150, 350, 9, 0, 0, kC24, &r);
    const double a = (12.5 / 19.6) * (2.5 / 2.8);
    EXPECT_NEAR(r.reduction_factor, a, 1e-12);
    EXPECT_NEAR(r.m_y_k, 0.3 * 600 * std::pow(2.8, 2.6), 1e-9);
    EXPECT_NEAR(v, 0.7 * a * std::sqrt(2 * r.m_y_k * r.f_h_1 * 2.8), 1e-9);
}

TEST(SimplifiedMethod, IntermediatePlateMixesThinAndThick)
{
    CurrentAnnex none(-1);
    // d 12 in steel: 7.5 mm gives e = 2 * 7.5 / 12 - 1 = 0.25
    FastenerResult thin{}, thick{}, mid{};
    const double r_thin = plate_member1_dowel_capacity(29, 1, 12, 12, 80, 0, 0, 1, 0, 5, 0, 360, 12, 0, 0, kC24, 350,
                                                       &thin);
    const double r_thick = plate_member1_dowel_capacity(29, 1, 12, 12, 80, 0, 0, 1, 0, 12, 0, 360, 12, 0, 0, kC24,
                                                        350, &thick);
    const double r_mid = plate_member1_dowel_capacity(29, 1, 12, 12, 80, 0, 0, 1, 0, 7.5, 0, 360, 12, 0, 0, kC24, 350,
                                                      &mid);
    EXPECT_EQ(thin.plate_class, 0);
    EXPECT_EQ(thick.plate_class, 2);
    EXPECT_EQ(mid.plate_class, 1);
    EXPECT_DOUBLE_EQ(mid.plate_interpolation, 0.25);
    EXPECT_NEAR(r_mid, 0.75 * r_thin + 0.25 * r_thick, 1e-9);
    // The thick plate raises the timber-to-timber form by sqrt(2): for d <= 8 under DIN 1052 k90 = 1;
    // here d 12: f_h,0 = 0.082 * 0.88 * 350 at 0 degrees, both members thick enough
    EXPECT_NEAR(r_thick, std::sqrt(2.0) * std::sqrt(2 * kMy * kFh * 12), 1e-6);
}
