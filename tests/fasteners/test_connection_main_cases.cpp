// Hand-computed cases of the connection design main routine: the edge factor, the k_mod of a
// metal-plate member and the load angle a ring connector is designed with.
#include "annex_fixture.h"
#include "fasteners/connection_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {
const int kC24 = 5;   // softwood C24, rho_k 350

ConnectionDescription joint(int type, double d, double t1, double t2)
{
    ConnectionDescription c;
    std::memset(&c, 0, sizeof c);
    c.fastener_type = type;
    c.d = d; c.d_head = 2 * d; c.length = t1 + t2; c.thread_length = c.length;
    c.grade_1 = c.grade_2 = kC24;
    c.t1 = t1; c.t2 = t2;
    c.shear_planes = 1;
    c.method = 1;
    c.service_class_1 = c.service_class_2 = 1;
    c.load_duration = 2;   // medium term: k_mod 0.8 for solid timber in service class 1
    c.steel_grade = -1;
    c.f_u = 600;
    c.axis_angle = 90;
    c.gamma_m_1 = c.gamma_m_2 = 1.3;
    c.gamma_m_steel = 1.1;
    c.washer_d = -1;
    return c;
}
} // namespace

TEST(ConnectionMain, EdgeFactorOnPinFastenersOnly)
{
    CurrentAnnex annex(1);
    annex.ec5.gamma_m_connections = 1.3;
    // Pre-drilled nail d 4 through C24 40 + 60, l 100, f_u 600, exact method, one factor 1.3 for all modes:
    // f_h = 0.082 * 350 * (1 - 0.04) = 27.552; M_y = 0.3 * 600 * 4^2.6 = 6616.50
    // F1 = 27.552 * 40 * 4 = 4408.3; F4 = 1.05 * 4408.3 / 3 * (sqrt(4 + 12 M_y / (f_h d 40^2)) - 1) = 1712.0
    // F6 = 1.15 sqrt(2 * 6616.50 * 27.552 * 4) = 1388.78 governs (F3 = 2360.0, F5 larger still)
    // edge factor: 1.2 * 1388.78 = 1666.54; design 1666.54 * sqrt(0.8 * 0.8) / 1.3 = 1025.56
    ConnectionDescription c = joint(0, 4, 40, 60);
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
    c = joint(29, 12, 60, 60);
    c.f_u = 360;
    c.edge_flag_1 = c.edge_flag_2 = 1;
    FastenerResult dowel;
    ASSERT_EQ(connection_design_main(c, &dowel), 0);
    EXPECT_NEAR(dowel.f_v_k, 7441.03, 0.01);
}
