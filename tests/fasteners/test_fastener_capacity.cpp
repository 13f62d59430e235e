#include "annex_fixture.h"
#include "fasteners/fastener_capacity.h"
#include "fasteners/partial_factors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const double kRho = std::pow(425.0 / 350.0, 0.8);   // GL28h, rho_k 425: 1.168037

// The description of one reinforcement screw, field by field as the opening check fills it:
// screw in a GL28h beam (material 2, grade 4), service class 1, screws from the top (t1 = h_ro).
ConnectionDescription reinforcement_screw(int type, double d, double d1, double dk, double l, double lef,
                                          double h, double h_ro, double washer)
{
    ConnectionDescription c;
    std::memset(&c, 0, sizeof c);
    c.fastener_type = type;
    c.table_row = 1;
    c.predrilled = 0;
    c.fastener_count = 2;
    c.spruce_fir_pine = 1;
    c.steel_grade = 0;
    c.service_class_1 = c.service_class_2 = 1;
    c.d = d; c.d_core = d1; c.d_ef = d; c.d_head = dk; c.length = l; c.thread_length = lef;
    c.bolt_d = 0.0;
    c.shear_planes = 1; c.method = 1; c.edge_flag_1 = 1;
    c.material_1 = c.material_2 = 2;
    c.grade_1 = c.grade_2 = 4;
    c.stainless = 0;
    c.t1 = h_ro; c.t2 = h - h_ro;
    c.axis_angle = 90.0;
    c.gamma_m_1 = c.gamma_m_2 = material_gamma_m(2, 4, 0);
    c.gamma_m_steel = 1.25;
    c.washer_d = washer;
    c.f_u = 600.0;
    c.kmod_given = -1.0;
    c.compute_kmod = 1;
    return c;
}

double opening_value_kN(const FastenerResult& r)
{
    return std::min(r.r_ax_point / 1000.0, std::max(r.r_ax_head_thread / 1000.0, r.r_ax_head / 1000.0));
}

} // namespace

TEST(FastenerCapacity, ReinforcementScrewOfTheOpeningCheck)
{
    CurrentAnnex annex(1);
    annex.ec5.gamma_m_glulam = 1.3;
    FastenerResult r;
    std::memset(&r, 0xff, sizeof r);   // the routine must clear everything itself
    connection_messages_1_count = 7;

    // ASSY 14, d 8, l 300, l_ef 290 in a 300 mm beam, t1 = t2 = 150, load-duration class 0 (k_mod 0.6):
    // point 11*8*150*k = 15418.1; head thread l_ef,1 = min(290+150-300, 140) = 140 -> 11*8*140*k = 14390.2;
    // head 13*10^2*k = 1518.45; R = 14390.2 N, design 0.6*14390.2/1.3 = 6641.6 N; opening value 14.3902 kN
    EXPECT_EQ(fastener_capacity_from_record(reinforcement_screw(14, 8, 5.3, 10, 300, 290, 300, 150, -1), &r), 0);
    EXPECT_NEAR(r.r_ax_point, 11 * 8 * 150 * kRho, 0.05);
    EXPECT_NEAR(r.r_ax_head_thread, 11 * 8 * 140 * kRho, 0.05);
    EXPECT_NEAR(r.r_ax_head, 13 * 100 * kRho, 0.05);
    EXPECT_NEAR(r.r_ax, 14390.2, 0.05);
    EXPECT_NEAR(r.r_ax_d, 0.6 * 11 * 8 * 140 * kRho / 1.3, 0.05);
    EXPECT_NEAR(opening_value_kN(r), 14.3902, 5e-5);
    EXPECT_EQ(r.axial_mode, 0);
    EXPECT_DOUBLE_EQ(r.kmod_1, 0.6);
    EXPECT_DOUBLE_EQ(r.rho_k_1, 425.0);
    EXPECT_DOUBLE_EQ(r.pointside_length, 150.0);
    EXPECT_EQ(r.f_v_k, 0.0);          // no lateral capacity here
    EXPECT_EQ(r.f_total_k, 0.0);
    EXPECT_EQ(r.message_code, 0);
    EXPECT_EQ(connection_messages_2_count, 0);
    ASSERT_GE(connection_messages_1_count, 1);
    EXPECT_EQ(connection_messages_1[0], 86);   // the point ends in the second member

    // Beam 600 deep, h_ro 200, l 500, l_ef 490: t1 200, p 300; point 11*8*300*k = 30836 > F_t 22000;
    // head thread min(490+200-500, 190) = 190 -> 11*8*190*k = 19529.58 governs; 19.52958 kN
    EXPECT_EQ(fastener_capacity_from_record(reinforcement_screw(14, 8, 5.3, 10, 500, 490, 600, 200, -1), &r), 0);
    EXPECT_NEAR(r.r_ax_point, 22000.0, 1e-9);
    EXPECT_NEAR(r.r_ax_head_thread, 11 * 8 * 190 * kRho, 0.01);
    EXPECT_NEAR(opening_value_kN(r), 19.52958, 1e-5);

    // SPAX 13 with its washer (series 3 for d 8: 25 mm): d_k' 25, f_head = 16 + 0.5 (16 - 25) = 11.5,
    // t1/25 = 6 >= 3 -> 1.3: head 11.5*625*k*1.3 = 10913.6; point 12*8*150*k = 16819.7 (< 17000);
    // head thread 12*8*140*k = 15698.4 governs
    const double D = washer_outer_diameter(8, 3);
    ASSERT_DOUBLE_EQ(D, 25.0);
    EXPECT_EQ(fastener_capacity_from_record(reinforcement_screw(13, 8, 5.3, 10, 300, 290, 300, 150, D), &r), 0);
    EXPECT_NEAR(r.r_ax_head, 11.5 * 625 * kRho * 1.3, 0.05);
    EXPECT_NEAR(r.r_ax_point, 12 * 8 * 150 * kRho, 0.05);
    EXPECT_NEAR(opening_value_kN(r), 12 * 8 * 140 * kRho / 1000, 5e-5);
}

TEST(FastenerCapacity, SameRecordTwiceGivesTheSameResult)
{
    CurrentAnnex annex(1);
    const ConnectionDescription c = reinforcement_screw(15, 8, 5.3, 10, 300, 290, 300, 150, -1);
    FastenerResult a, b;
    fastener_capacity_from_record(c, &a);
    fastener_capacity_from_record(c, &b);
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
}

TEST(FastenerCapacity, StopShowsAsZeroWithItsCode)
{
    CurrentAnnex annex(1);
    // h_ro 9 mm < 1.2 d = 9.6: the head side is too short, capacity 0 with code 146 -- never a passing value
    FastenerResult r;
    fastener_capacity_from_record(reinforcement_screw(14, 8, 5.3, 10, 300, 290, 400, 9, -1), &r);
    EXPECT_EQ(r.r_ax, 0.0);
    EXPECT_EQ(r.message_code, 146);
    EXPECT_EQ(opening_value_kN(r), 0.0);
}

TEST(FastenerCapacity, DinRulesWithoutASetAndKnOutput)
{
    CurrentAnnex none(-1);
    ConnectionDescription c = reinforcement_screw(14, 8, 5.3, 10, 300, 290, 300, 150, -1);
    c.material_1 = c.material_2 = 3;   // glulam of the DIN grades
    c.grade_1 = c.grade_2 = 2;
    c.kn_output = 1;
    FastenerResult r;
    fastener_capacity_from_record(c, &r);
    const double rho = r.rho_k_1;
    ASSERT_GT(rho, 0.0);
    // both sides (150)*8*80e-6*rho^2, below F_t 22000 for rho up to 480; result in kN
    const double expect = std::min(150 * 8 * 80e-6 * rho * rho, 22000.0) / 1000.0;
    EXPECT_NEAR(r.r_ax, expect, 1e-9);
}

TEST(FastenerCapacity, DegenerateAxisNeverGivesANonFiniteCapacity)
{
    CurrentAnnex annex(1);
    // a wood screw in double shear with its axis along the grain: no axial capacity can be formed
    ConnectionDescription c = reinforcement_screw(5, 4, 2.6, 8, 100, 60, 70, 30, -1);
    c.shear_planes = 2;
    c.axis_angle = 0.0;
    c.material_1 = c.material_2 = 0;
    c.grade_1 = c.grade_2 = 2;
    FastenerResult r;
    fastener_capacity_from_record(c, &r);
    for (double v : {r.r_ax, r.r_ax_d, r.r_ax_point, r.r_ax_head, r.r_ax_head_thread}) {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_GE(v, 0.0);
    }
}

TEST(FastenerCapacity, MaterialWithoutPartialFactorGivesNoDesignValue)
{
    CurrentAnnex annex(1);
    // material_gamma_m answers 0 for a code without a factor; the design value must not become infinite
    ConnectionDescription c = reinforcement_screw(14, 8, 5.3, 10, 300, 290, 300, 150, -1);
    c.gamma_m_1 = c.gamma_m_2 = material_gamma_m(13, 0, 0);
    ASSERT_EQ(c.gamma_m_1, 0.0);
    FastenerResult r;
    fastener_capacity_from_record(c, &r);
    EXPECT_NEAR(r.r_ax, 14390.2, 0.05);
    EXPECT_EQ(r.r_ax_d, 0.0);
}
