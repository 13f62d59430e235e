// Hand-computed cases of the connection design main routine: the edge factor, the k_mod of a
// metal-plate member, the load angle a ring connector is designed with and the end distance it gets.
#include "annex_fixture.h"
#include "joint_fixture.h"
#include "fasteners/connection_design.h"
#include "fasteners/fastener_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

TEST(ConnectionMain, EdgeFactorOnPinFastenersOnly)
{
    CurrentAnnex annex(1);
    annex.ec5.gamma_m_connections = 1.3;
    // Pre-drilled nail d 4 through C24 40 + 60, l 100, f_u 600, exact method, one factor 1.3 for all modes:
    // f_h = 0.082 * 350 * (1 - 0.04) = 27.552; M_y = 0.3 * 600 * 4^2.6 = 6616.50
    // F1 = 27.552 * 40 * 4 = 4408.3; F4 = 1.05 * 4408.3 / 3 * (sqrt(4 + 12 M_y / (f_h d 40^2)) - 1) = 1712.0
    // F6 = 1.15 sqrt(2 * 6616.50 * 27.552 * 4) = 1388.78 governs (F3 = 2360.0, F5 larger still)
    // edge factor: 1.2 * 1388.78 = 1666.54; design 1666.54 * sqrt(0.8 * 0.8) / 1.3 = 1025.56
    ConnectionDescription c = timber_joint(0, 4, 40, 60);
    c.f_u = 600;
    c.predrilled = 1;
    FastenerResult plain, edge1, edge2;
    ASSERT_EQ(connection_design_main(c, &plain), 0);
    EXPECT_EQ(plain.failure_mode_k, 6);
    EXPECT_NEAR(plain.f_v_k, 1388.78, 0.01);
    c.edge_flag_1 = 1;
    ASSERT_EQ(connection_design_main(c, &edge1), 0);
    EXPECT_NEAR(edge1.f_v_k, 1666.54, 0.01);
    EXPECT_NEAR(edge1.f_v_d, 1025.56, 0.01);
    c.edge_flag_1 = 0;
    c.edge_flag_2 = 1;
    ASSERT_EQ(connection_design_main(c, &edge2), 0);
    EXPECT_NEAR(edge2.f_v_k, 1666.54, 0.01);

    // A dowel is no pin fastener: the flag leaves 1.15 sqrt(2 M_y f_h d) of the 12 mm dowel unchanged,
    // f_h = 0.082 * 0.88 * 350 = 25.256, M_y = 0.3 * 360 * 12^2.6 = 69070.9: 1.15 * 6470.46 = 7441.03
    c = timber_joint(29, 12, 60, 60);
    c.f_u = 360;
    c.edge_flag_1 = c.edge_flag_2 = 1;
    FastenerResult dowel;
    ASSERT_EQ(connection_design_main(c, &dowel), 0);
    EXPECT_NEAR(dowel.f_v_k, 7441.03, 0.01);
}

TEST(ConnectionMain, MetalPlateMemberTakesTheTimberKmod)
{
    CurrentAnnex annex(1);
    // Dowel 12 through a 12 mm steel plate (thick) into C24 80, simplified method, f_u 360:
    // M_y = 0.3 * 360 * 12^2.6 = 69070.9; f_h = 0.082 * 0.88 * 350 = 25.256;
    // t_req = 4.6 sqrt(69070.9 / (12 * 25.256)) = 69.44 < 80: eta = 1;
    // R = sqrt(2) sqrt(2 * 69070.9 * 25.256 * 12) = 9150.62; the plate takes k_mod 0.8 of the timber:
    // design 9150.62 * sqrt(0.8 * 0.8) / 1.1 = 6654.99 (a plate without k_mod would give 0)
    const struct { int plate_member; } cases[] = {{1}, {2}};
    for (const auto& k : cases) {
        ConnectionDescription c = timber_joint(29, 12, 12, 80);
        c.f_u = 360;
        c.method = 0;
        if (k.plate_member == 1) {
            c.material_1 = 12; c.grade_1 = 0;
        } else {
            c.t1 = 80; c.t2 = 12;
            c.material_2 = 12; c.grade_2 = 0;
        }
        FastenerResult r;
        ASSERT_EQ(connection_design_main(c, &r), 0) << k.plate_member;
        EXPECT_DOUBLE_EQ(r.kmod_1, 0.8) << k.plate_member;
        EXPECT_DOUBLE_EQ(r.kmod_2, 0.8) << k.plate_member;
        EXPECT_NEAR(r.f_v_k, 9150.62, 0.01) << k.plate_member;
        EXPECT_NEAR(r.f_v_d, 6654.99, 0.01) << k.plate_member;
    }
}

namespace {
// A connector table of one row (d_c, h_e) for the test's while, the shipped table back after it.
struct OneRow {
    ConnectorTable& table;
    ConnectorTable saved;
    OneRow(ConnectorTable& t, double dc, double he) : table(t), saved(t)
    {
        std::memset(&table, 0, sizeof table);
        table.row_count = 1;
        table.rows[0].dc = dc;
        table.rows[0].he = he;
    }
    ~OneRow() { table = saved; }
};
} // namespace

TEST(ConnectionMain, RingConnectorTakesTheAngleOfTheWeakerMember)
{
    CurrentAnnex annex(1);
    OneRow row(connector_table_ringduebel_a1, 65, 15);
    // Ring connector 65 / he 15 with bolt 12 between C24 45 and C30 75: the smaller rho_k 350 gives k3 = 1;
    // the angle whose k_alpha is smaller governs: 90 degrees, k_alpha = 1 / (1.3 + 0.065) = 1 / 1.365.
    // No end distance: k2 = 0.75: min(0.75 * 35 * 65^1.5, 31.5 * 65 * 15) / 1.365 = 13756.23 / 1.365 = 10077.82
    // design: 10077.82 * sqrt(0.8 * 0.8) / 1.3 (gamma_M of member 1) = 6201.74
    // End distance 130 = 2 dc given: k2 = 1: 18341.64 / 1.365 = 13437.10
    const struct { double angle1, angle2, end, f_k; } cases[] = {
        {0, 90, 0, 10077.82}, {90, 0, 0, 10077.82}, {0, 90, 130, 13437.10}};
    for (const auto& k : cases) {
        ConnectionDescription c = timber_joint(25, 65, 45, 75);
        c.grade_2 = 7;   // C30, rho_k 380
        c.bolt_d = 12;
        c.f_u = 400;
        c.load_angle_1 = k.angle1;
        c.load_angle_2 = k.angle2;
        c.end_distance = k.end;
        FastenerResult r;
        ASSERT_EQ(connection_design_main(c, &r), 0) << k.angle1;
        EXPECT_NEAR(r.f_conn_k, k.f_k, 0.01) << k.angle1 << " " << k.end;
        EXPECT_NEAR(r.f_conn_d, k.f_k * 0.8 / 1.3, 0.01) << k.angle1;
    }
}

TEST(ConnectionMain, ToothedPlateTakesTheCallersEndDistance)
{
    CurrentAnnex annex(1);
    OneRow row(connector_table_schduebel_c10, 95, 15);
    // C10 d_c 95, h_e 15, bolt 16 between C24 50 and 80: t_req 45 and 75, k1 = 1; k3 = 350 / 350 = 1;
    // 25 * 95^1.5 = 23148.64. Minimum a3,t = max(7 * 16, 80, 1.5 * 95) = 142.5;
    // k2 = min(1, a3,t / (2 * 95)): none given 0.75 -> 17361.48; 171 -> 0.9 -> 20833.78; 190 -> 1 -> 23148.64.
    // Design: sqrt(0.8 * 0.8) / max(gamma_M) 1.3.
    const struct { double end, f_k; } cases[] = {{0, 17361.48}, {171, 20833.78}, {190, 23148.64}};
    for (const auto& k : cases) {
        ConnectionDescription c = timber_joint(28, 95, 50, 80);
        c.bolt_d = 16;
        c.f_u = 400;
        c.end_distance = k.end;
        FastenerResult r;
        ASSERT_EQ(connection_design_main(c, &r), 0) << k.end;
        EXPECT_NEAR(r.f_conn_k, k.f_k, 0.01) << k.end;
        EXPECT_NEAR(r.f_conn_d, k.f_k * 0.8 / 1.3, 0.01) << k.end;
    }
}
