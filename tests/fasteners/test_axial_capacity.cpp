#include "annex_fixture.h"
#include "fasteners/axial_capacity.h"
#include "fasteners/axial_parameters.h"
#include "fasteners/fastener_capacity.h"
#include "fasteners/fastener_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// (425/350)^0.8 = 1.168037 (the density factor of GL28h, rho_k 425)
const double kRho = std::pow(425.0 / 350.0, 0.8);

// A screw or nail between two glulam members GL28h (material 2, grade 4, rho_k 425).
ConnectionDescription base(int type)
{
    ConnectionDescription c;
    std::memset(&c, 0, sizeof c);
    c.fastener_type = type;
    c.d = 8; c.d_core = 5.3; c.d_head = 10; c.length = 300; c.thread_length = 290;
    c.t1 = 150; c.t2 = 150; c.axis_angle = 90;
    c.material_1 = c.material_2 = 2; c.grade_1 = c.grade_2 = 4;
    c.gamma_m_1 = c.gamma_m_2 = 1.3;
    c.washer_d = -1; c.f_u = 600; c.shear_planes = 1; c.steel_grade = -1;
    c.fastener_angle_1 = c.fastener_angle_2 = 90;
    return c;
}

FastenerResult fresh()
{
    FastenerResult r;
    std::memset(&r, 0, sizeof r);
    r.kmod_1 = r.kmod_2 = 0.9;
    r.rho_k_1 = r.rho_k_2 = 425;
    return r;
}

} // namespace

TEST(AxialCapacityAnnex, FullyThreadedScrews)
{
    CurrentAnnex annex(1);
    struct Case {
        const char* what; ConnectionDescription c; double p;
        double point, head_thread, head, r_ax;
    };
    ConnectionDescription assy = base(14);
    ConnectionDescription t1_100 = assy; t1_100.t1 = 100;
    ConnectionDescription lg200 = assy; lg200.thread_length = 200;
    ConnectionDescription a40 = assy; a40.axis_angle = 40; a40.length = 280; a40.thread_length = 270;
    ConnectionDescription stainless = assy; stainless.stainless = 1;
    ConnectionDescription spax = base(13); spax.d_head = 15;
    ConnectionDescription spax11 = spax; spax11.fastener_type = 11; spax11.thread_length = 100;
    ConnectionDescription spax11_t40 = spax11; spax11_t40.t1 = 40;
    ConnectionDescription group = assy; group.d_head = 15; group.thread_length = 120;
    group.group_factor = 1; group.fastener_count = 4;
    const double kb40 = 0.3 + 0.7 * 40.0 / 45.0;             // 0.922222
    const double s40 = std::sin(40.0 * 3.14159265358979 / 180.0);
    const Case cases[] = {
        // F_ax,2 = 11*8*150*k = 15418.1 (< F_t 22000); l_ef,1 = min(290+150-300, 140) = 140 -> 14390.2;
        // F_head = 13*10^2*k = 1518.45; R = min(15418.1, max(14390.2, 1518.45))
        {"assy", assy, 150, 11 * 8 * 150 * kRho, 11 * 8 * 140 * kRho, 13 * 100 * kRho, 11 * 8 * 140 * kRho},
        // l_ef,1 = min(290+100-300, 100-10) = 90
        {"assy t1 100", t1_100, 150, 11 * 8 * 150 * kRho, 11 * 8 * 90 * kRho, 13 * 100 * kRho, 11 * 8 * 90 * kRho},
        // l_ef,1 = min(200+150-300, 140) = 50
        {"assy l_g 200", lg200, 150, 11 * 8 * 150 * kRho, 11 * 8 * 50 * kRho, 13 * 100 * kRho, 11 * 8 * 50 * kRho},
        // k_beta = 0.3 + 0.7*40/45; l_ef,2 = 150/sin 40 = 233.4 -> 22121 > F_t 22000;
        // l_ef,1 = min(270+150-280, 140)/sin 40 = 217.8 -> 11*8*0.9222*217.8*k = 20646
        {"assy 40 degrees", a40, 150, 22000, 11 * 8 * kb40 * 140 / s40 * kRho, 13 * 100 * kRho,
         11 * 8 * kb40 * 140 / s40 * kRho},
        // stainless: F_t from the stainless table, 12000 for d 8
        {"assy stainless", stainless, 150, 12000, 11 * 8 * 140 * kRho, 13 * 100 * kRho, 12000},
        // SPAX 13: f_ax 12; F_ax,2 = 12*8*150*k = 16819.7 (< 17000); l_ef,1 = 290-150 = 140 -> 15698.4;
        // f_head = 27-15 = 12, t1/d_k = 10 >= 3: F_head = 12*225*k*1.3 = 4099.81
        {"spax 13", spax, 150, 12 * 8 * 150 * kRho, 12 * 8 * 140 * kRho, 12 * 225 * kRho * 1.3, 12 * 8 * 140 * kRho},
        // SPAX 11, l_g 100: point 12*8*100*k = 11213.2, no head thread, R = min(11213.2, 4099.81)
        {"spax 11", spax11, 150, 12 * 8 * 100 * kRho, 0, 12 * 225 * kRho * 1.3, 12 * 225 * kRho * 1.3},
        // t1 40: 40/15 < 3, the factor 1.3 drops: 12*225*k = 3153.7
        {"spax 11 t1 40", spax11_t40, 150, 12 * 8 * 100 * kRho, 0, 12 * 225 * kRho, 12 * 225 * kRho},
        // group of 4: 4^-0.1 = 0.870551; l_ef,1 = 120+150-300 < 0, head 13*225*k = 3416.51 governs -> 2974.24
        {"assy group", group, 150, 11 * 8 * 120 * kRho, 11 * 8 * (-30) * kRho, 13 * 225 * kRho,
         13 * 225 * kRho * std::pow(4.0, -0.1)},
    };
    for (const Case& c : cases) {
        FastenerResult r = fresh();
        double R = axial_capacity_annex(c.c, c.p, 2.5, &r);
        EXPECT_NEAR(r.r_ax_point, c.point, 0.05) << c.what;
        EXPECT_NEAR(r.r_ax_head_thread, c.head_thread, 0.05) << c.what;
        EXPECT_NEAR(r.r_ax_head, c.head, 0.05) << c.what;
        EXPECT_NEAR(R, c.r_ax, 0.05) << c.what;
        EXPECT_NEAR(r.r_ax, c.r_ax, 0.05) << c.what;
        // design value: sqrt(0.9*0.9) * R / 1.3
        EXPECT_NEAR(r.r_ax_d, 0.9 * c.r_ax / 1.3, 0.05) << c.what;
        EXPECT_EQ(r.message_code, 0) << c.what;
    }
}

TEST(AxialCapacityAnnex, StopsWithTheirCodes)
{
    CurrentAnnex annex(1);
    struct Case { const char* what; ConnectionDescription c; double p; int code; };
    ConnectionDescription assy20 = base(14); assy20.axis_angle = 20;
    ConnectionDescription spax20 = base(13); spax20.axis_angle = 20;
    ConnectionDescription spax10 = base(13); spax10.axis_angle = 10;
    ConnectionDescription thin1 = base(14); thin1.t1 = 9.5;        // < 1.2 d = 9.6
    ConnectionDescription thin2 = base(13); thin2.t2 = 9.5;
    ConnectionDescription nail = base(0); nail.d = 4; nail.d_head = 8;
    ConnectionDescription nail_pre = nail; nail_pre.predrilled = 1;
    ConnectionDescription wood = base(2);
    const Case cases[] = {
        {"assy below 30 degrees", assy20, 150, 1015}, {"spax below 30 degrees", spax20, 150, 1013},
        {"spax below 15 degrees in timber", spax10, 150, 1014}, {"head side too thin", thin1, 150, 146},
        {"point side too thin", thin2, 150, 147}, {"nail p < 8 d", nail, 30, 149},
        {"pre-drilled smooth nail", nail_pre, 60, 148}, {"wood screw p < 6 d", wood, 47, 152},
    };
    for (const Case& c : cases) {
        FastenerResult r = fresh();
        EXPECT_EQ(axial_capacity_annex(c.c, c.p, 2.5, &r), 0.0) << c.what;
        EXPECT_EQ(r.message_code, c.code) << c.what;
        EXPECT_EQ(r.r_ax, 0.0) << c.what;
    }
}

TEST(AxialCapacityAnnex, NailsStaplesBoltsAndPlates)
{
    CurrentAnnex annex(1);
    ConnectionDescription nail = base(0); nail.d = 4; nail.d_head = 8; nail.thread_length = 60;
    FastenerResult r = fresh();
    // f_ax = 20e-6*425^2 = 3.6125: 3.6125*4*60 = 867; f_head = 70e-6*425^2 = 12.64375: *64 = 809.2
    EXPECT_NEAR(axial_capacity_annex(nail, 60, 2.5, &r), 809.2, 1e-6);
    EXPECT_NEAR(r.r_ax_d, 0.9 * 809.2 / 1.3, 1e-6);   // 560.215
    // p 40 < 12 d: both times (40/16 - 2) = 0.5: withdrawal 578*0.5 = 289, head 404.6
    r = fresh();
    EXPECT_NEAR(axial_capacity_annex(nail, 40, 2.5, &r), 289.0, 1e-6);

    ConnectionDescription staple = base(1); staple.d = 4; staple.d_head = 8; staple.thread_length = 60;
    staple.resin_coated = 1;
    r = fresh();
    // resin-coated: 2 * 40e-6*425^2 * 60 * 4 = 3468; head 12.64375 * 4 * 8 = 404.6
    EXPECT_NEAR(axial_capacity_annex(staple, 60, 2.5, &r), 404.6, 1e-6);
    staple.fastener_angle_1 = 20;
    r = fresh();
    // below 30 degrees: 2*3.6125*60*4*0.7 = 1213.8 and 404.6*0.7 = 283.22
    EXPECT_NEAR(axial_capacity_annex(staple, 60, 2.5, &r), 283.22, 1e-6);

    ConnectionDescription bolt = base(30); bolt.washer_d = 28;
    r = fresh();
    // washer: 3*2.5*pi/4*(28^2 - 9^2) = 5.8905*703 = 4141.01; steel 8^2*pi/4*600 = 30159 does not govern
    EXPECT_NEAR(axial_capacity_annex(bolt, 150, 2.5, &r), 3 * 2.5 * M_PI / 4 * (784 - 81), 0.01);
    bolt.washer_d = -1;
    r = fresh();
    EXPECT_EQ(axial_capacity_annex(bolt, 150, 2.5, &r), 0.0);

    // A steel plate as member 1: the point side alone. Nail: 867; Simpson CNA d 4, l 60:
    // min(425^2 (10.92 - 0.0632 - 5.808) 9.765625e-6, 0.0175*425*1.1) = 8.18125 -> 8.18125*60*4 = 1963.5
    nail.material_1 = 12;
    r = fresh();
    EXPECT_NEAR(axial_capacity_annex(nail, 60, 2.5, &r), 867.0, 1e-6);
    ConnectionDescription cna = nail; cna.fastener_type = 45;
    r = fresh();
    EXPECT_NEAR(axial_capacity_annex(cna, 60, 2.5, &r), 1963.5, 1e-6);
}

TEST(AxialCapacityDin, ReferenceCases)
{
    CurrentAnnex none(-1);
    ConnectionDescription nail = base(0); nail.d = 4; nail.d_head = 8; nail.thread_length = 100;
    FastenerResult r = fresh();
    // f_ax 18e-6*425^2 = 3.25125 -> 780.3; head 60e-6*425^2 = 10.8375 * 64 = 693.6 governs; design 0.9*693.6/1.3
    EXPECT_NEAR(axial_capacity_din(nail, 60, 2.5, &r), 693.6, 1e-6);
    EXPECT_NEAR(r.r_ax_d, 480.185, 1e-3);
    r = fresh();
    EXPECT_EQ(axial_capacity_din(nail, 40, 2.5, &r), 0.0);
    EXPECT_EQ(r.message_code, 154);
    r = fresh();
    EXPECT_NEAR(axial_capacity_din(nail, 100, 2.5, &r), 693.6, 1e-6);   // p cut to 20 d, noted
    EXPECT_EQ(r.message_code, 156);

    ConnectionDescription staple = base(1); staple.d = 4; staple.d_head = 8; staple.thread_length = 60;
    staple.resin_coated = 1;
    r = fresh();
    // head 10.8375 * 4 * 8 = 346.8 (withdrawal 2*3.25125*4*60 = 1560.6)
    EXPECT_NEAR(axial_capacity_din(staple, 60, 2.5, &r), 346.8, 1e-6);
    staple.fastener_angle_1 = 20;
    r = fresh();
    EXPECT_NEAR(axial_capacity_din(staple, 60, 2.5, &r), 242.76, 1e-6);
    EXPECT_EQ(r.message_code, 1010);

    ConnectionDescription assy = base(14);
    r = fresh();
    // (150)*8*80e-6*425^2 = 17340 on both sides, below F_t 22000
    EXPECT_NEAR(axial_capacity_din(assy, 150, 2.5, &r), 17340.0, 1e-6);
    assy.stainless = 1;
    r = fresh();
    EXPECT_NEAR(axial_capacity_din(assy, 150, 2.5, &r), 12000.0, 1e-9);   // steel governs
    EXPECT_NEAR(r.r_ax_d, 9600.0, 1e-9);                                   // 0.8 * R

    ConnectionDescription spax = base(11); spax.d_head = 15;
    r = fresh();
    EXPECT_NEAR(axial_capacity_din(spax, 150, 2.5, &r), 2250.0, 1e-9);   // head 15^2 * 10
    spax.material_1 = 6; spax.grade_1 = 0; spax.t1 = 15;
    r = fresh();
    EXPECT_NEAR(axial_capacity_din(spax, 150, 2.5, &r), 1800.0, 1e-9);   // plywood 12..20 mm: 15^2 * 8

    ConnectionDescription bolt = base(30); bolt.washer_d = 28;
    r = fresh();
    EXPECT_NEAR(axial_capacity_din(bolt, 150, 2.5, &r), 1660.0, 1e-9);   // table area 664 * 2.5
    bolt.material_1 = 12;
    r = fresh();
    // plate as member 1 without the washer flag: steel 8^2 * pi/4 * 600 = 30159.3
    EXPECT_NEAR(axial_capacity_din(bolt, 150, 2.5, &r), 64 * M_PI / 4 * 600, 1e-6);
}

TEST(ScrewBuckling, BlockOfBothFamilies)
{
    CurrentAnnex annex(1);   // no EC3 block: gamma_M1 1.1
    FastenerResult r = fresh();
    // N_pl,k = 1000 pi/4 * 5.3^2 = 22061.83, N_pl,d = /1.1 = 20056.21; c_h = 425/180*180*(0.19+0.012*8) = 121.55;
    // I_s = pi 5.3^4/64 = 38.73; N_ki = sqrt(121.55*210000*38.73) = 31442.99; lambda = sqrt(22061.83/31442.99)
    // = 0.83764; k = 0.5 (1 + 0.49*0.63764 + 0.70164) = 1.00704; kappa = 1/(k + sqrt(k^2 - lambda^2)) = 0.63855
    screw_buckling_and_withdrawal(base(13), 150, &r);
    const ScrewBucklingBlock& b = r.buckling;
    EXPECT_NEAR(b.n_pl_k, 22061.83, 0.01);
    EXPECT_NEAR(b.n_pl_d, 20056.21, 0.01);
    EXPECT_NEAR(b.c_h, 121.55, 1e-9);
    EXPECT_NEAR(b.n_ki_k, 31442.99, 0.01);
    EXPECT_NEAR(b.lambda_k, 0.83764, 1e-5);
    EXPECT_NEAR(b.kappa_c, 0.63855, 1e-5);
    EXPECT_DOUBLE_EQ(b.gamma_m1_used, 1.1);
    // type 13 withdrawal: 12 * 150 * 8 * 1.168037 = 16819.74 (the density factor multiplies)
    EXPECT_NEAR(b.r_ax_k, 12 * 150 * 8 * kRho, 0.01);
    EXPECT_EQ(b.buckling_governs_k, 1);   // 0.63855 * 22061.83 = 14087 < 16819.74
    // alpha 60, p 100: l_ef = 100/sin 60 = 115.47; c_h = 425/180*150*0.286 = 101.29;
    // R = 12 * 115.47 * 8 * 1.168037 / (1.2*0.25 + 0.75) = 12331.28
    ConnectionDescription c60 = base(13); c60.axis_angle = 60;
    r = fresh();
    screw_buckling_and_withdrawal(c60, 100, &r);
    EXPECT_NEAR(r.buckling.c_h, 101.2917, 1e-4);
    EXPECT_NEAR(r.buckling.r_ax_k, 12331.28, 0.01);
    // stainless halves N_pl,k
    ConnectionDescription st = base(13); st.stainless = 1;
    r = fresh();
    screw_buckling_and_withdrawal(st, 150, &r);
    EXPECT_NEAR(r.buckling.n_pl_k, 22061.83 / 2, 0.01);
    // the ASSY family computes the block in place: withdrawal 11*150*8 = 13200 without density factor
    r = fresh();
    axial_capacity_annex(base(14), 150, 2.5, &r);
    EXPECT_NEAR(r.buckling.r_ax_k, 13200.0, 1e-9);
    EXPECT_NEAR(r.buckling.kappa_c, 0.63855, 1e-5);
}

TEST(AxialParameters, WithdrawalAndHeadParameters)
{
    {
        CurrentAnnex annex(1);
        EXPECT_NEAR(nail_withdrawal_parameter(0, 0, 0, 0, 425), 3.6125, 1e-12);     // 20e-6 * 425^2
        EXPECT_NEAR(nail_withdrawal_parameter(1, 25, 0, 0, 425), 3.6125 / 3, 1e-12);
        EXPECT_NEAR(nail_withdrawal_parameter(16, 0, 0, 0, 425), 5.41875, 1e-12);   // 30e-6 * 425^2
        EXPECT_NEAR(nail_withdrawal_parameter(19, 0, 0, 0, 425), 7.225, 1e-12);
        EXPECT_NEAR(nail_withdrawal_parameter(22, 0, 0, 0, 425), 9.03125, 1e-12);
        EXPECT_NEAR(nail_withdrawal_parameter(0, 0, 0, 0, 600), 5.0, 1e-12);        // rho counts as 500
        EXPECT_NEAR(nail_head_pullthrough_parameter(0, 0, 425), 12.64375, 1e-12);   // 70e-6 * 425^2
        EXPECT_NEAR(nail_head_pullthrough_parameter(34, 0, 425), 21.675, 1e-12);    // 120e-6 * 425^2
        // SPAX countersunk head in timber: 27 - d_h up to 16.1, then 11 + 0.2 (16 - d_h), d_h capped at 32
        struct H { double dh; int washer; double f; };
        for (H h : {H{10, 0, 17}, H{15, 0, 12}, H{20, 0, 10.2}, H{32, 0, 7.8}, H{35, 0, 7.8}, H{20, 1, 13}, H{32, 1, 8}})
            EXPECT_NEAR(screw_head_pullthrough_parameter(11, 2, 425, 150, h.dh, h.washer), h.f, 1e-12) << h.dh;
        EXPECT_EQ(screw_head_parameter_b(11, 0, 32.5, 5.3, -1, 150, 2), 0.0);
        EXPECT_EQ(screw_head_parameter_b(11, 0, 9, 5.3, -1, 150, 2), 0.0);   // 9 < 1.8 * 5.3
        EXPECT_EQ(screw_head_parameter(10, -1, 5.3, 150, 2), 13.0);
        EXPECT_EQ(screw_head_parameter(10, 28, 5.3, 150, 2), 10.0);
        EXPECT_EQ(screw_head_parameter(10, -1, 5.3, 15, 4), 8.0);            // OSB 12..20 mm
        EXPECT_EQ(screw_head_parameter(10, -1, 5.3, 7, 4), 0.0);             // OSB below 8 mm
    }
    {
        CurrentAnnex country0(0);
        EXPECT_EQ(screw_withdrawal_parameter(13, 0, 0, 425, 8), 0.0);
        EXPECT_EQ(nail_head_pullthrough_parameter(17, 0, 425), 0.0);
    }
    CurrentAnnex none(-1);
    EXPECT_NEAR(nail_withdrawal_parameter(0, 0, 0, 0, 425), 3.25125, 1e-12);
    EXPECT_NEAR(nail_head_pullthrough_parameter(0, 0, 425), 10.8375, 1e-12);
    EXPECT_DOUBLE_EQ(washer_bearing_area(8, 28), 664.0);
    // 30 * (min(32 - 30, 60) + 30 * pi/4) - 10^2 * pi/4 = 688.3
    EXPECT_NEAR(washer_bearing_area(8, 30), 688.3, 0.05);
    EXPECT_DOUBLE_EQ(nail_row_factor_kef(4, 60, 0), 1.0);
    EXPECT_DOUBLE_EQ(nail_row_factor_kef(4, 40, 0), 0.85);
    EXPECT_DOUBLE_EQ(nail_row_factor_kef(4, 28, 0), 0.7);
    EXPECT_DOUBLE_EQ(nail_row_factor_kef(4, 16, 1), 0.5);
}

TEST(FastenerProperties, StepTablesAtTheirBounds)
{
    CurrentAnnex none(-1);
    EXPECT_DOUBLE_EQ(thread_core_diameter(12), 10.9);
    EXPECT_DOUBLE_EQ(thread_core_diameter(5.99), 0.85 * 5.99);
    EXPECT_DOUBLE_EQ(thread_core_diameter(33), 0.85 * 33);
    EXPECT_DOUBLE_EQ(nail_yield_moment(4), 2800);
    EXPECT_DOUBLE_EQ(nail_yield_moment(2.4), 0);
    EXPECT_DOUBLE_EQ(screw_axial_value_by_d_b(5.59), 3800);
    EXPECT_DOUBLE_EQ(screw_axial_value_by_d_b(2.48), 0);
    EXPECT_DOUBLE_EQ(screw_tensile_capacity_by_d(10, 0), 26000);
    EXPECT_DOUBLE_EQ(screw_tensile_capacity_by_d(10, 1), 33000);
    EXPECT_DOUBLE_EQ(screw_tensile_capacity_by_d(3.0, 1), 2800);
    EXPECT_DOUBLE_EQ(screw_value_by_d_f(7.9), 12000);
    EXPECT_DOUBLE_EQ(screw_value_by_d_f(7.89), 8300);
    EXPECT_DOUBLE_EQ(connector_screw_yield_moment(4.0, 0), 3500);
    EXPECT_DOUBLE_EQ(connector_screw_yield_moment(4.1, 0), 5000);
    EXPECT_DOUBLE_EQ(connector_screw_yield_moment(4.0, 2), 4270);
    CurrentAnnex annex(1);
    EXPECT_NEAR(nail_yield_moment(4), 90 * std::pow(4.0, 2.6), 1e-9);   // 3308.25
    EXPECT_DOUBLE_EQ(screw_axial_value_by_d_b(5.59), 9900);
}

TEST(AxialCapacityAnnex, RopeEffectApplicability)
{
    struct Case { int country; int type, resin, pre, m1, m2; int expect; };
    const Case cases[] = {
        {1, 30, 0, 0, 10, 12, 0}, {1, 30, 0, 0, 12, 11, 0},   // LVL with a steel plate
        {1, 0, 0, 0, 5, 0, 0},                                // plasterboard as member 1
        {1, 1, 1, 0, 0, 0, 1}, {1, 1, 0, 0, 0, 0, 0},         // staples: resin-coated only
        {1, 25, 0, 0, 0, 0, 0}, {1, 29, 0, 0, 0, 0, 0}, {1, 31, 0, 0, 0, 0, 0},
        {1, 5, 0, 0, 0, 0, 1}, {1, 14, 0, 0, 0, 0, 1}, {1, 26, 0, 0, 0, 0, 1}, {1, 30, 0, 0, 0, 0, 1},
        {1, 0, 0, 1, 0, 0, 0},                                // pre-drilled nails
        {0, 0, 0, 0, 0, 0, 1}, {-1, 0, 0, 0, 0, 0, 0},        // nails: any EC5 block / none
        {-1, 16, 0, 0, 9, 0, 1},                              // gypsum fibreboard, DIN
        {-1, 22, 0, 0, 4, 0, 1}, {-1, 22, 0, 0, 12, 0, 1}, {-1, 22, 0, 0, 0, 0, 0}, {-1, 19, 0, 0, 4, 0, 0},
    };
    for (const Case& c : cases) {
        CurrentAnnex annex(c.country);
        EXPECT_EQ(rope_effect_applies(c.type, c.resin, c.pre, 0, c.m1, c.m2, 1, 0), c.expect)
            << c.type << " " << c.m1 << " " << c.country;
    }
}

TEST(AxialCapacityAnnex, HeadSideThreadIsTheThreadInsideMember1)
{
    CurrentAnnex annex(1);
    // l 400, l_g 360, t1 100, t2 300, p 300: the thread (360 from the point) reaches 360 - 300 = 60 mm into
    // member 1, below the cap t1 - 10 = 90: F_ax,1 = 11*8*60*k = 6167.2 (not 90 mm as with p in place of t1)
    ConnectionDescription c = base(14);
    c.length = 400; c.thread_length = 360; c.t1 = 100; c.t2 = 300;
    FastenerResult r = fresh();
    axial_capacity_annex(c, 300, 2.5, &r);
    EXPECT_NEAR(r.l_ef_head, 60.0, 1e-9);
    EXPECT_NEAR(r.r_ax_head_thread, 11 * 8 * 60 * kRho, 1e-6);
    // point side 11*8*300*k = 30836 -> F_t 22000; R = min(22000, max(6167.2, 1518.45))
    EXPECT_NEAR(r.r_ax, 11 * 8 * 60 * kRho, 1e-6);
}
