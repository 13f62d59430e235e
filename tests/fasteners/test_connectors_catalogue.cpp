#include "annex_fixture.h"
#include "common/test_util.h"
#include "fasteners/axial_capacity.h"
#include "fasteners/catalogue_lookups.h"
#include "fasteners/connector_capacity.h"
#include "fasteners/fastener_tables.h"
#include "fasteners/rope_effect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {
// Fills one table for the length of a test and empties it afterwards.
struct NailTableFixture {
    NailTableFixture()
    {
        std::memset(&fastener_table_nagel, 0, sizeof fastener_table_nagel);
        fastener_table_nagel.row_count = 3;
        const double d[3] = {3.1, 4.2, 4.2};
        for (int i = 0; i < 3; ++i) fastener_table_nagel.rows[i].d = d[i];
        FastenerRow& r = fastener_table_nagel.rows[0];
        r.n_l = 3;
        r.lengths[0] = 80; r.lengths[1] = 100; r.lengths[2] = 120;
        r.effective_lengths[1] = 90;
        r.k = 0.5;
        std::memset(&connector_table_schduebel_c1, 0, sizeof connector_table_schduebel_c1);
        connector_table_schduebel_c1.row_count = 1;
        connector_table_schduebel_c1.rows[0].dc = 100;
        connector_table_schduebel_c1.rows[0].he = 15;
        connector_table_schduebel_c1.rows[0].F = 1500;
    }
    ~NailTableFixture()
    {
        std::memset(&fastener_table_nagel, 0, sizeof fastener_table_nagel);
        std::memset(&connector_table_schduebel_c1, 0, sizeof connector_table_schduebel_c1);
    }
};
} // namespace

TEST(ConnectorCapacity, RingConnector)
{
    CurrentAnnex annex(1);
    FastenerResult r{};
    // t1,req = max(45, 24) = 45, t2,req = 75: k1 = 1; k3 = 1; no end distance given: the minimum
    // a3,t = 1.5 * 65 = 97.5 gives k2 = 97.5 / 130 = 0.75 on the connector's own resistance:
    // F = min(0.75 * 35 * 65^1.5, 31.5 * 65 * 15) = min(0.75 * 18341.64, 30712.5) = 13756.23
    const double f0 = ring_connector_capacity(65, 15, 0, 45, 75, 350, &r);
    EXPECT_NEAR(f0, 13756.23, 0.01);
    EXPECT_DOUBLE_EQ(r.k1, 1.0);
    EXPECT_DOUBLE_EQ(r.k2, 0.75);
    EXPECT_DOUBLE_EQ(r.a3t_used, 97.5);
    EXPECT_DOUBLE_EQ(r.t2_req, 75.0);
    // given end distances: 117 -> k2 = 117 / 130 = 0.9: 16507.47; 130 and more -> k2 = 1: 18341.64
    EXPECT_NEAR(ring_connector_capacity(65, 15, 0, 45, 75, 350, &r, 117), 16507.47, 0.01);
    EXPECT_NEAR(ring_connector_capacity(65, 15, 0, 45, 75, 350, &r, 200), 18341.64, 0.01);
    // k2 does not touch the embedding term: he 5 gives 31.5 * 65 * 5 = 10237.5 below 13756.23
    EXPECT_NEAR(ring_connector_capacity(65, 5, 0, 45, 75, 350, &r), 10237.5, 1e-9);
    // 90 degrees: k_alpha = 1 / (1.3 + 0.065) = 1 / 1.365
    EXPECT_NEAR(ring_connector_capacity(65, 15, 90, 45, 75, 350, &r), f0 / 1.365, 1e-6);
    // rho 700: k3 = min(2, 1.75)
    EXPECT_NEAR(ring_connector_capacity(65, 15, 0, 45, 75, 700, &r), 1.75 * f0, 1e-6);
    EXPECT_DOUBLE_EQ(r.k3, 1.75);
    EXPECT_DOUBLE_EQ(r.k1, 1.0);
    // t1 30 of the required 45: k1 = 2/3, reported beside k3 = 1 and k_alpha = 1 / 1.365 at 90 degrees
    ring_connector_capacity(65, 15, 90, 30, 75, 350, &r);
    EXPECT_NEAR(r.k1, 30.0 / 45.0, 1e-12);
    EXPECT_DOUBLE_EQ(r.k3, 1.0);
    EXPECT_NEAR(r.k_alpha, 1.0 / 1.365, 1e-9);
    // a smaller connector does not lower the gathered requirement
    ring_connector_capacity(50, 4, 0, 45, 75, 350, &r);
    EXPECT_DOUBLE_EQ(r.t2_req, 75.0);
    EXPECT_DOUBLE_EQ(r.t1_req, 45.0);
    // DIN 1052 rules (no set): no end-distance factor
    CurrentAnnex none(-1);
    EXPECT_NEAR(ring_connector_capacity(65, 15, 0, 45, 75, 350, &r), 18341.64, 0.01);
}

TEST(ConnectorCapacity, ShearPlateConnectorRequiresFullTimberThickness)
{
    FastenerResult r{};
    {
        CurrentAnnex none(-1);
        // t2,req = max(5 * 15, 24) = 75; t2 = 37.5 gives k1 = 0.5 (a tenth of it would give k1 = 1)
        const double full = shear_plate_connector_capacity(65, 15, 0, 0, 75, 350, &r);
        EXPECT_NEAR(full, 18341.6, 0.1);
        EXPECT_NEAR(shear_plate_connector_capacity(65, 15, 0, 0, 37.5, 350, &r), 0.5 * full, 1e-6);
        EXPECT_DOUBLE_EQ(r.t2_req, 75.0);
        EXPECT_DOUBLE_EQ(r.k1, 0.5);
    }
    CurrentAnnex annex(1);
    // k4 = 1.1 on 35 dc^1.5 with a set: min(20175.8, 30712.5)
    EXPECT_NEAR(shear_plate_connector_capacity(65, 15, 0, 0, 75, 350, &r), 1.1 * 18341.6, 0.2);
}

TEST(ConnectorCapacity, ToothedPlates)
{
    FastenerResult r{};
    {
        CurrentAnnex annex(1);
        // F = k1 k2 k3 25 dc^1.5 (C10, C11) or 18 dc^1.5 (C1, C5, C2); k2 = min(1, a3,t / (2 dc)) for C10, C11
        // and min(1, a3,t / (1.5 dc)) for the others, at the minimum a3,t when no end distance is given.
        const struct { int type; double dc, d, t1, rho, end; double a3t_min, k2, F; } cases[] = {
            // C10 95, bolt 16, rho 450: a3,t = max(112, 80, 142.5) = 142.5; k2 = 142.5 / 190 = 0.75;
            // k3 = 450 / 350 = 1.285714; 25 * 95^1.5 = 23148.64: 0.75 * 1.285714 * 23148.64 = 22321.90
            {28, 95, 16, 50, 450, 0, 142.5, 0.75, 22321.90},
            // the same at a3,t = 171 given: k2 = 0.9: 26786.28; at 190: k2 = 1: 29762.53
            {28, 95, 16, 50, 450, 171, 142.5, 0.9, 26786.28},
            {33, 95, 16, 50, 450, 190, 142.5, 1.0, 29762.53},
            // C10 100, bolt 12, rho 700: k3 = 1.5, a3,t = max(84, 80, 150) = 150, k2 = 0.75: 0.75 * 1.5 * 25000
            {28, 100, 12, 50, 700, 0, 150, 0.75, 28125.0},
            // C1 100, bolt 12: a3,t = max(84, 80, 110) = 110, k2 = 110 / 150; t1 22.5: k1 = 22.5 / 45 = 0.5;
            // 0.5 * 0.733333 * 18000 = 6600
            {26, 100, 12, 22.5, 350, 0, 110, 110.0 / 150, 6600.0},
            // C2 62, bolt 12: a3,t = max(84, 80, 68.2) = 84, k2 = 84 / 93 = 0.903226; 18 * 62^1.5 = 8787.393:
            // 7936.999
            {32, 62, 12, 50, 350, 0, 84, 84.0 / 93, 7936.999},
            // a given end distance above 1.5 dc leaves k2 = 1: 8787.393
            {27, 62, 12, 50, 350, 100, 84, 1.0, 8787.393},
        };
        for (const auto& k : cases) {
            EXPECT_NEAR(toothed_plate_connector_capacity(k.type, k.dc, k.d, 15, k.t1, 80, k.rho, &r, k.end), k.F, 0.01)
                << k.type << " " << k.end;
            EXPECT_DOUBLE_EQ(r.a3t_used, k.a3t_min) << k.type;
            EXPECT_NEAR(r.k2, k.k2, 1e-12) << k.type;
        }
        // through a steel plate the same factor applies: k1 = 1 (t2 80 >= 75)
        EXPECT_NEAR(toothed_plate_connector_capacity_steel(28, 95, 16, 15, 80, 450, &r), 22321.90, 0.01);
        EXPECT_DOUBLE_EQ(toothed_plate_connector_capacity(29, 100, 12, 15, 50, 80, 350, &r), 0.0);
    }
    CurrentAnnex none(-1);
    EXPECT_NEAR(toothed_plate_connector_capacity(28, 100, 12, 15, 50, 80, 700, &r), 2.0 * 25000, 1e-6);
    EXPECT_DOUBLE_EQ(r.a3t_used, 0.0);
    EXPECT_DOUBLE_EQ(r.k2, 1.0);
    FastenerResult s{};
    toothed_plate_connector_capacity_steel(28, 100, 12, 15, 80, 350, &s);
    EXPECT_DOUBLE_EQ(s.t2_req, 0.0);
    s.t2_req = 100;
    toothed_plate_connector_capacity_steel(28, 100, 12, 15, 80, 350, &s);
    EXPECT_DOUBLE_EQ(s.t2_req, 75.0);
}

TEST(RopeEffect, PartialFactorsOfModes)
{
    {
        CurrentAnnex none(-1);
        const struct { int code; double gamma; } cases[] = {{1, 1.3}, {4, 1.2}, {6, 1.1}, {12, 1.1}, {14, 1.2},
                                                            {17, 1.2}, {23, 1.3}, {28, 1.2}, {29, 1.1}, {30, -1.0},
                                                            {0, -1.0}};
        for (const auto& c : cases) EXPECT_DOUBLE_EQ(failure_mode_gamma_m(c.code, 1), c.gamma) << c.code;
        EXPECT_DOUBLE_EQ(failure_mode_gamma_m(30, 2), 1.0);
    }
    CurrentAnnex annex(1);
    annex.ec5.gamma_m_connections = 1.3;
    EXPECT_DOUBLE_EQ(failure_mode_gamma_m(6, 1), 1.3);
    EXPECT_DOUBLE_EQ(failure_mode_gamma_m(6, 2), 1.0);
}

TEST(RopeEffect, ShareLimits)
{
    ConnectionDescription c;
    std::memset(&c, 0, sizeof c);
    c.fastener_type = 0;
    c.d = 4; c.length = 100; c.d_head = 10; c.thread_length = 100;
    c.material_1 = c.material_2 = 0; c.grade_1 = c.grade_2 = 5;
    c.t1 = 40; c.t2 = 60; c.shear_planes = 1; c.axis_angle = 90; c.f_u = 600;
    c.service_class_1 = c.service_class_2 = 1; c.load_duration = 2;
    {
        CurrentAnnex annex(1);
        FastenerResult r{};
        r.rho_k_1 = r.rho_k_2 = 350; r.kmod_1 = r.kmod_2 = 0.8;
        FastenerResult probe = r;
        const double f_ax = axial_capacity_annex(c, 60, 2.5, &probe);
        ASSERT_GT(f_ax, 0.0);
        // a nail with a set: at most 0.15 F_v
        EXPECT_NEAR(rope_effect_share(c, 10.0, 60, 2.5, &r), std::min(1.5, f_ax / 4), 1e-9);
        EXPECT_NEAR(r.rope_share, std::min(1.5, f_ax / 4), 1e-9);
        // a pre-drilled nail gets no share, and the field stays as it was
        c.predrilled = 1;
        r.rope_share = 77.0;
        EXPECT_DOUBLE_EQ(rope_effect_share(c, 10.0, 60, 2.5, &r), 0.0);
        EXPECT_DOUBLE_EQ(r.rope_share, 77.0);
        // a wood screw: min(F_v, F_ax / 4)
        c.predrilled = 0;
        c.fastener_type = 3;
        probe = r;
        const double f_ax_screw = axial_capacity_annex(c, 60, 2.5, &probe);
        EXPECT_NEAR(rope_effect_share(c, 1e9, 60, 2.5, &r), f_ax_screw / 4, 1e-9);
    }
}

// The cap of the rope-effect share, fraction x F_v, for every fastener kind the share applies to,
// in a joint of unequal members (softwood C24 40 mm against glulam 60 mm, fastener at 60 and
// 90 degrees to the grain, service classes 1 and 2; the Simpson nails through a 3 mm steel plate).
// F_v = 1 N keeps F_ax / 4 above every cap, so the share is the cap itself.
TEST(RopeEffect, CapOfEveryFastenerKindInAnUnequalJoint)
{
    NailTableFixture tables;
    ConnectionDescription c;
    std::memset(&c, 0, sizeof c);
    c.d = 4; c.length = 100; c.d_head = 8; c.thread_length = 100; c.washer_d = 12;
    c.material_1 = 0; c.grade_1 = 5; c.material_2 = 2; c.grade_2 = 3;
    c.t1 = 40; c.t2 = 60; c.shear_planes = 1; c.axis_angle = 90; c.f_u = 600; c.steel_grade = -1;
    c.fastener_angle_1 = 60; c.fastener_angle_2 = 90;
    c.service_class_1 = 1; c.service_class_2 = 2; c.load_duration = 2;
    c.resin_coated = 1;
    const struct { int type; bool annex; double cap; } cases[] = {
        {0, true, 0.15},                      // nail (without a set no share in softwood)
        {1, true, 0.15},   {1, false, 0.5},   // resin-coated staple
        {3, true, 1.0},    {3, false, 1.0},   // wood screw
        {11, true, 1.0},   {14, false, 1.0},  // proprietary screws
        {17, true, 0.5},                      // special nail
        {46, true, 0.4},                      // Simpson CSA (without a set no share in a steel plate)
        {26, true, 0.25},  {27, true, 0.25}, {28, true, 0.25}, {32, true, 0.25}, {33, true, 0.25},  // toothed plates
        {30, true, 0.25},  {30, false, 0.25},  // bolt
    };
    for (const auto& k : cases) {
        CurrentAnnex annex(k.annex ? 1 : -1);
        c.fastener_type = k.type;
        const bool simpson = k.type == 45 || k.type == 46;
        c.material_1 = simpson ? 12 : 0;
        c.t1 = simpson ? 3 : 40;
        FastenerResult r{};
        r.rho_k_1 = 350; r.rho_k_2 = 385; r.kmod_1 = 0.8; r.kmod_2 = 0.8;
        FastenerResult probe = r;
        const double f_ax = k.annex ? axial_capacity_annex(c, 60, 2.5, &probe) : axial_capacity_din(c, 60, 2.5, &probe);
        ASSERT_GT(f_ax / 4, 1.0) << k.type << " annex " << k.annex;
        EXPECT_DOUBLE_EQ(rope_effect_share(c, 1.0, 60, 2.5, &r), k.cap) << k.type << " annex " << k.annex;
    }
    // Simpson CNA with a set: 0.6 F_ax, above F_v
    CurrentAnnex annex(1);
    c.fastener_type = 45;
    c.material_1 = 12;
    c.t1 = 3;
    FastenerResult r{};
    r.rho_k_1 = 350; r.rho_k_2 = 385; r.kmod_1 = r.kmod_2 = 0.8;
    FastenerResult probe = r;
    const double f_ax = axial_capacity_annex(c, 60, 2.5, &probe);
    EXPECT_NEAR(rope_effect_share(c, 1.0, 60, 2.5, &r), 0.6 * f_ax, 1e-9);
}

TEST(Catalogue, RowsDiametersAndKeys)
{
    NailTableFixture tables;
    fill_dowel_bolt_tables();
    EXPECT_DOUBLE_EQ(fastener_diameter(30, 7), 30.0);
    EXPECT_DOUBLE_EQ(fastener_diameter(29, 6), 24.0);
    EXPECT_EQ(fastener_table_row_count(29), 7);
    EXPECT_EQ(fastener_table_row_count(0), 3);
    EXPECT_EQ(fastener_table_row_count(47), 0);
    EXPECT_EQ(fastener_row_of_diameter(29, 16.0005), 4);
    EXPECT_EQ(fastener_row_of_diameter(29, 17), 0);
    EXPECT_EQ(fastener_row_of_diameter(29, 6), 0);
    EXPECT_EQ(fastener_row_of_diameter(0, 4.2), 2);   // the later of two equal rows
    EXPECT_EQ(fastener_length_index(0, 0, 100.005), 1);
    EXPECT_EQ(fastener_length_index(0, 0, 100.02), 0);
    EXPECT_DOUBLE_EQ(fastener_length(0, 0, 2), 120.0);
    EXPECT_DOUBLE_EQ(fastener_effective_length(0, 0, 1), 90.0);
    EXPECT_DOUBLE_EQ(fastener_length(0, 0, 5), 0.0);    // beyond n_l
    EXPECT_DOUBLE_EQ(fastener_diameter(0, 30), 0.0);    // beyond the table
    EXPECT_DOUBLE_EQ(fastener_dim_by_key(0, 0, "k"), 0.5);
    EXPECT_DOUBLE_EQ(fastener_dim_by_key(0, 0, "n_l"), 3.0);
    EXPECT_DOUBLE_EQ(fastener_dim_by_key(0, 0, "D"), 0.0);
    EXPECT_DOUBLE_EQ(fastener_dim_by_key(0, 0, "d "), 0.0);
    EXPECT_DOUBLE_EQ(connector_dim_by_key(26, 0, "he"), 15.0);
    EXPECT_DOUBLE_EQ(connector_dim_by_key(26, 0, "F"), 1500.0);
    EXPECT_DOUBLE_EQ(connector_dim_by_key(29, 0, "he"), 0.0);
    EXPECT_DOUBLE_EQ(fastener_diameter(26, 0), 100.0);
}

TEST(Catalogue, DiameterListsAndTexts)
{
    NailTableFixture tables;
    fill_dowel_bolt_tables();
    int count = -1;
    ChoiceEntry* list = fastener_diameter_list(26, 5, &count);
    EXPECT_EQ(count, 1);
    EXPECT_STREQ(list[0].text, "100.00 mm");
    EXPECT_EQ(list[0].value, 5);
    list = fastener_diameter_list_2(30, 2, &count);
    EXPECT_EQ(count, 8);
    EXPECT_STREQ(list[0].text, "  6.00 mm");
    fastener_diameter_list(47, 0, &count);
    EXPECT_EQ(count, 0);
    {
        // The list texts keep their decimal point when Qt set a German numeric locale.
        testutil::GermanNumericLocale german;
        ASSERT_TRUE(german.active());
        EXPECT_STREQ(fastener_diameter_list_2(30, 2, &count)[0].text, "  6.00 mm");
    }
    {
        CurrentAnnex none(-1);
        EXPECT_STREQ(fastener_approval_text(13), ", ABZ-9.1-519");
        EXPECT_STREQ(fastener_approval_text(45), "");
    }
    CurrentAnnex annex(1);
    EXPECT_STREQ(fastener_approval_text(13), ", ETA-12/0114");
    EXPECT_STREQ(fastener_approval_text(11), ", ABZ-9.1-449");
    EXPECT_STREQ(fastener_approval_text(0), "");
    EXPECT_EQ(connector_pair_second(27), 27);
    EXPECT_EQ(connector_pair_second(-1), -1);
    EXPECT_EQ(connector_pair_second(28), 33);
    EXPECT_EQ(connector_pair_first(31), 25);
    EXPECT_DOUBLE_EQ(board_thickness_of_entry(1), 12.5);
    EXPECT_DOUBLE_EQ(board_thickness_of_entry(5), 0.0);
    EXPECT_DOUBLE_EQ(lvl_thickness_of_entry(2), 40.0);
}
