// Cross-laminated timber: layup evaluation (centroids, static moments, shear
// correction), the design quantities, the stress check and the charring depth.
// Expected values are worked out by hand from the section formulas.
#include "materials/clt_check.h"
#include "materials/clt_fire.h"
#include "materials/clt_layup.h"
#include "materials/clt_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace {

// Layers "t direction" from the top, all with the same moduli (kN/m²).
CltLayup make_layup(std::initializer_list<std::pair<double, int>> layers, double e = 11000000.0,
                    double g = 690000.0, double g_r = 50000.0)
{
    CltLayup l;
    std::memset(&l, 0, sizeof l);
    for (const auto& p : layers) {
        CltLayer& L = l.layers[l.layer_count++];
        L.material = 0;
        L.grade = 5;
        L.thickness = p.first;
        L.direction = p.second;
        L.e_mean = e;
        L.g_mean = g;
        L.f_m = 24000.0;
        L.f_v = 4000.0;
    }
    l.rolling_shear_modulus = g_r;
    l.lamella_widths[0] = l.lamella_widths[1] = 185.0;
    return l;
}

CltLayup five_layers(double g_r = 50000.0)
{
    return make_layup({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}}, 11000000.0, 690000.0, g_r);
}

TEST(CltLayup, CentroidsOffsetsAndThicknessRule)
{
    CltLayup l = make_layup({{23.3, 0}, {23.3, 1}, {23.3, 0}});
    clt_layup_centroids(&l);
    // total 69.9 replaces the missing total; centre 34.95 for both directions
    EXPECT_NEAR(l.total_thickness, 69.9, 1e-9);
    EXPECT_NEAR(l.centroid_x, 34.95, 1e-9);
    EXPECT_NEAR(l.centroid_y, 34.95, 1e-9);
    EXPECT_NEAR(l.layers[0].offset, 23.3, 1e-9);
    EXPECT_NEAR(l.layers[1].offset, 0.0, 1e-9);
    EXPECT_NEAR(l.layers[2].offset, -23.3, 1e-9);

    // a stored total of 1 mm or more stays, even when it differs from the layer sum
    CltLayup m = make_layup({{23.3, 0}, {23.3, 1}, {23.3, 0}});
    m.total_thickness = 50.0;
    clt_layup_centroids(&m);
    EXPECT_DOUBLE_EQ(m.total_thickness, 50.0);

    // 20x-40y: centroid_x at 10, offsets from centroid_y (40) with from_y set: 30, 0
    CltLayup a = make_layup({{20, 0}, {40, 1}});
    clt_compute_section(&a, 1);
    EXPECT_NEAR(a.centroid_x, 10.0, 1e-9);
    EXPECT_NEAR(a.layers[0].offset, 30.0, 1e-9);
    EXPECT_NEAR(a.layers[1].offset, 0.0, 1e-9);

    CltLayup empty = make_layup({});
    clt_layup_evaluate(&empty);
    EXPECT_TRUE(std::isnan(empty.centroid_x));
    EXPECT_TRUE(std::isnan(empty.shear_correction_x));
    EXPECT_DOUBLE_EQ(empty.plate_shear_sum, 0.0);
}

TEST(CltLayup, StaticMomentsAndPlateShear)
{
    CltLayup l = make_layup({{20, 0}, {20, 1}, {20, 0}});
    clt_layup_evaluate(&l);
    // E 11000 MN/m², t 0.02, z 0.02: mid = -0.5*0.02*11000*(0.02+0.005) = -2.75;
    // bottom = -11000*0.02*0.02 = -4.4; the cross layer carries nothing; the last layer returns to 0
    EXPECT_NEAR(l.layers[0].static_moment_x_top, 0.0, 1e-12);
    EXPECT_NEAR(l.layers[0].static_moment_x_mid, -2.75, 1e-9);
    EXPECT_NEAR(l.layers[0].static_moment_x_bottom, -4.4, 1e-9);
    EXPECT_NEAR(l.layers[1].static_moment_x_mid, -4.4, 1e-9);
    EXPECT_NEAR(l.layers[2].static_moment_x_mid, -2.75, 1e-9);
    EXPECT_NEAR(l.layers[2].static_moment_x_bottom, 0.0, 1e-9);
    // direction 1: only the middle layer (z 0): mid = -0.5*0.02*11000*0.005 = -0.55
    EXPECT_NEAR(l.layers[1].static_moment_y_mid, -0.55, 1e-9);
    // 0.25 * 0.001 * 690000 * 60 = 10350
    EXPECT_NEAR(l.plate_shear_sum, 10350.0, 1e-6);
    l.full_plate_shear = 1;
    EXPECT_NEAR(clt_plate_shear_sum(&l), 41400.0, 1e-6);
    EXPECT_DOUBLE_EQ(l.thickness_x, 40.0);
    EXPECT_DOUBLE_EQ(l.thickness_y, 20.0);
}

TEST(CltLayup, ShearCorrection)
{
    // one homogeneous layer: the rectangle's 5/6
    CltLayup one = make_layup({{100, 0}});
    clt_layup_evaluate(&one);
    EXPECT_NEAR(one.shear_correction_x, 5.0 / 6.0, 1e-12);

    CltLayup l = make_layup({{20, 0}, {20, 1}, {20, 0}});
    clt_layup_evaluate(&l);
    EXPECT_NEAR(l.shear_correction_x, 0.1546, 5e-5);
    EXPECT_NEAR(l.shear_correction_y, 0.7278, 5e-5);
    // scaling every modulus by one factor leaves kappa unchanged
    CltLayup s = make_layup({{20, 0}, {20, 1}, {20, 0}}, 3 * 11000000.0, 3 * 690000.0, 3 * 50000.0);
    clt_layup_evaluate(&s);
    EXPECT_NEAR(s.shear_correction_x, l.shear_correction_x, 1e-12);

    // axis on a layer boundary: the same section as one 45 mm cross layer
    CltLayup split = make_layup({{22.5, 0}, {22.5, 1}, {22.5, 1}, {22.5, 0}});
    CltLayup whole = make_layup({{22.5, 0}, {45, 1}, {22.5, 0}});
    clt_layup_evaluate(&split);
    clt_layup_evaluate(&whole);
    EXPECT_NEAR(split.shear_correction_x, whole.shear_correction_x, 1e-12);
    EXPECT_GT(split.shear_correction_x, 0.0);

    // unsymmetric 20x-30y, bending across: the 30 mm layer alone carries it about its own
    // centre (5/6), the cross layer above only adds shear area:
    // 5/6 * 690000*30 / (690000*30 + 50000*20) = 5/6 * 0.953917 = 0.794931
    CltLayup uns = make_layup({{20, 0}, {30, 1}});
    clt_layup_evaluate(&uns);
    EXPECT_NEAR(uns.shear_correction_y, 0.794931, 1e-6);
    clt_compute_section(&uns, 1);  // offsets from the other centroid: same factor
    EXPECT_NEAR(clt_shear_corr_y(&uns), 0.794931, 1e-6);

    // rolling shear modulus 0: one tenth of G (69000)
    CltLayup zero = make_layup({{20, 0}, {20, 1}, {20, 0}}, 11000000.0, 690000.0, 0.0);
    CltLayup tenth = make_layup({{20, 0}, {20, 1}, {20, 0}}, 11000000.0, 690000.0, 69000.0);
    EXPECT_NEAR(clt_shear_corr_x(&zero), clt_shear_corr_x(&tenth), 1e-12);
    // ...which is stiffer than G_R 50000
    clt_layup_centroids(&zero);
    clt_layup_centroids(&tenth);
    EXPECT_GT(clt_shear_corr_x(&tenth), l.shear_correction_x);
}

TEST(CltValues, CrossingFactors)
{
    CltLayup three = make_layup({{20, 0}, {20, 1}, {20, 0}});
    // min(3.5, 8*20/60 = 2.6667, 2*(5/12)*(2*185^2)/(60*185) = 5.14)
    EXPECT_NEAR(clt_crossing_factor(three), 2.666667, 1e-6);
    CltLayup five = five_layers();
    five.lamella_widths[0] = 150;
    five.lamella_widths[1] = 200;
    // 8*40/160 = 2.0; 4*(5/12)*(22500+40000)/(160*200) = 3.26
    EXPECT_NEAR(clt_crossing_factor(five), 2.0, 1e-12);
    // k = 1: 1*200/(3*60) = 1.111111
    EXPECT_NEAR(clt_crossing_factor_width(three, 100), 1.111111, 1e-6);
    // k = 2 (layers 0 and 2 of the first three): 2*200/(3*180) = 0.740741
    CltLayup thick = make_layup({{40, 0}, {40, 0}, {20, 1}, {40, 0}, {40, 0}});
    EXPECT_NEAR(clt_crossing_factor_width(thick, 100), 0.740741, 1e-6);
    EXPECT_DOUBLE_EQ(clt_crossing_factor_width(make_layup({{20, 0}, {20, 1}}), 100), 0.0);
    // min(3.5, 300/180 = 1.666667, 8*20/60 = 2.666667)
    EXPECT_DOUBLE_EQ(clt_crossing_factor_width_args(20, 60, 300), 300.0 / 180.0);
    // four layers of 22.5: min(3.5, 8*45/90 = 4, 3*(5/12)*370/90 = 5.14)
    EXPECT_DOUBLE_EQ(clt_crossing_factor_args(4, 45, 90, 185, 185), 3.5);
    // three layers: 2*(5/12)*370/90 = 3.425926 governs
    EXPECT_NEAR(clt_crossing_factor_args(3, 45, 90, 185, 185), 3.425926, 1e-6);

    three.crossing_factor = 1.7;
    for (int line : {2, 4, 5, 6, 7}) {
        three.line_index = line;
        EXPECT_DOUBLE_EQ(clt_crossing_factor_for_line(three, 100), 1.7) << line;
    }
    three.line_index = 3;
    EXPECT_NEAR(clt_crossing_factor_for_line(three, 100), 2.666667, 1e-6);
    three.line_index = 1;
    EXPECT_NEAR(clt_crossing_factor_for_line(three, 100), 1.111111, 1e-6);
}

TEST(CltValues, InterfaceThickness)
{
    double largest = -1;
    const CltLayup three = make_layup({{20, 0}, {20, 1}, {20, 0}});
    EXPECT_DOUBLE_EQ(clt_interface_thickness(&three, &largest), 40.0);
    EXPECT_DOUBLE_EQ(largest, 20.0);
    // groups 40, 20, 5, 20, 40: min(80,20) + min(20,5) + min(5,20) + min(20,80) = 50
    CltLayup l = make_layup({{40, 0}, {20, 1}, {5, 0}, {20, 1}, {40, 0}});
    EXPECT_DOUBLE_EQ(clt_interface_thickness(&l, &largest), 50.0);
    EXPECT_DOUBLE_EQ(largest, 20.0);
    // equal neighbours merge: 30+30 | 40 | 30+30 -> min(120,40) + min(40,120) = 80
    CltLayup m = make_layup({{30, 0}, {30, 0}, {40, 1}, {30, 0}, {30, 0}});
    EXPECT_DOUBLE_EQ(clt_interface_thickness(&m, nullptr), 80.0);
    CltLayup single = make_layup({{40, 0}});
    EXPECT_DOUBLE_EQ(clt_interface_thickness(&single, &largest), 0.0);
    EXPECT_DOUBLE_EQ(largest, 0.0);
}

TEST(CltValues, StiffnessSums)
{
    // a = 20 + 80 + 20 = 120 mm; sum w t/G = (0.02+0.04+0.02)/690000 + 0.04/G_R
    // G_R 69000: 0.48/690000 -> 0.0144*690000/0.48 = 20700
    CltLayup tenth = five_layers(0.0);
    EXPECT_NEAR(clt_shear_stiffness(&tenth, 0), 20700.0, 1e-6);
    // G_R 50000: 0.0144 / (1.159420e-7 + 8e-7) = 15721.5
    CltLayup l = five_layers();
    EXPECT_NEAR(clt_shear_stiffness(&l, 0), 15722.0, 0.5);

    clt_layup_centroids(&l);
    // x layers at z = 60, 0, -60, t = 40: I = 3*40^3/12 + 2*40*3600 = 16000 + 288000 = 304000 mm^4/mm
    EXPECT_NEAR(clt_inertia(&l, 0), 304000.0, 1e-6);
    // EI = 11e6 * 3.04e-4 = 3344 kNm²/m
    EXPECT_NEAR(clt_bending_stiffness(&l, 0), 3344.0, 1e-6);
    EXPECT_NEAR(clt_transformed_inertia(&l, 0), 3.04e-4, 1e-12);
    EXPECT_NEAR(clt_axial_stiffness(&l, 0), 11000000.0 * 120, 1e-3);
    // 120*690000 + 40*50000 = 84800000
    EXPECT_NEAR(clt_shear_stiffness_sum(&l, 0), 84800000.0, 1e-3);
    // thickness mean: 84800000 / 160 = 530000
    EXPECT_NEAR(clt_mean_g(&l, 0), 530000.0, 1e-6);
    EXPECT_DOUBLE_EQ(clt_scaled_thickness(&l), 80000.0);
    EXPECT_DOUBLE_EQ(clt_in_plane_inertia(&l, 1, 100), 100.0 * 100 * 100 / 12 * 40);
    EXPECT_DOUBLE_EQ(clt_in_plane_inertia(nullptr, 1, 100), 0.0);
    EXPECT_DOUBLE_EQ(clt_flag_factor(5.0, 1), 0.6);
    EXPECT_DOUBLE_EQ(clt_flag_factor(5.0, 0), 0.8);

    // effective stiffness: f = 0.16 - 0.04 = 0.12; B0 = 3*11e6*0.04^3/12 = 176;
    // B1 = 2*11e6*0.04*0.0036 = 3168; s = 0.08/690000 + 0.04/50000 = 9.15942e-7;
    // x = 5 m: 3168 / (1 + pi^2*3168*9.15942e-7/(0.1*0.36)) = 3168/1.795512 = 1764.40; + 176
    EXPECT_NEAR(clt_effective_bending_stiffness(&l, 0, 5.0), 1940.40, 0.02);
    CltLayup two = make_layup({{40, 0}, {40, 1}});
    EXPECT_DOUBLE_EQ(clt_effective_bending_stiffness(&two, 0, 5.0), 0.0);

    // no layer of direction 1
    CltLayup xs = make_layup({{40, 0}, {40, 0}});
    EXPECT_DOUBLE_EQ(clt_mean_e_or_minus_one(&xs, 1), -1.0);
    EXPECT_TRUE(std::isnan(clt_mean_e(&xs, 1)));
    EXPECT_DOUBLE_EQ(clt_mean_e_or_minus_one(nullptr, 1), 0.0);
}

TEST(CltValues, ShearFlexibilityFactor)
{
    CltLayup l = make_layup({{100, 0}});
    clt_layup_evaluate(&l);
    // EI = E*100^3/12, GA = G*100, kappa 5/6, L 1000:
    // pi^2 * 9.166667e11 / (5/6 * 6.9e13) = 9.047134e12 / 5.75e13 = 0.157341
    // -> sqrt(1.157341) = 1.075798
    EXPECT_NEAR(clt_shear_flexibility_factor(&l, 0, 1000.0), 1.075798, 1e-6);
    CltLayup empty = make_layup({});
    EXPECT_TRUE(std::isnan(clt_shear_flexibility_factor(&empty, 0, 1000.0)));
}

TEST(CltCheck, StressesUtilisationsAndGoverningLayers)
{
    CltLayup l = five_layers();
    l.type_index = 1;  // the layup's own rolling shear strength
    l.rolling_shear_strength = 1.0;
    clt_layup_evaluate(&l);
    CltCheckResult r;
    ASSERT_EQ(clt_stress_check(&l, 1000, 0, 1, 8, 1.0, 0.8, 1.3, 10, 0, 20, &r), 1);
    // EI = 11e6*0.04*(2*(0.0036 + 0.04^2/12) + 0.04^2/12) = 3344
    EXPECT_NEAR(r.bending_stiffness, 3344.0, 1e-6);
    // top of layer 0 at z = 80 mm: 10*0.001*11e6/3344*0.08 = 2.631579 N/mm²
    EXPECT_NEAR(r.sigma_max, 2.631579, 1e-6);
    EXPECT_NEAR(r.sigma_min, -2.631579, 1e-6);
    EXPECT_EQ(r.bending_layer, 0);
    // f_m,d = 0.8*24000*0.001/1.3 = 14.769231; 2.631579*1.3/19.2 = 0.178180
    EXPECT_NEAR(r.eta_bending, 0.178180, 1e-6);
    // rolling shear in the cross layers: S = 26.4 (11000*0.04*0.06), tau = 20/3344*26.4 = 0.157895,
    // f_v,d = 0.8/1.3*1.0 = 0.615385 -> 0.256579 in layer 1 (layer 3 only equals it)
    EXPECT_NEAR(r.layers[1].f_v_d, 0.615385, 1e-6);
    EXPECT_NEAR(r.eta_shear, 0.256579, 1e-6);
    EXPECT_EQ(r.shear_layer, 1);
    // at the axis: S = 26.4 + 0.5*0.04*11000*0.01 = 28.6; tau = 20/3344*28.6 = 0.171053
    EXPECT_NEAR(r.tau_max, 0.171053, 1e-6);
    EXPECT_NEAR(r.layers[2].tau_mid, 0.171053, 1e-6);
    EXPECT_NEAR(r.eta_max, 0.256579, 1e-6);
    // mean E of the x layers from the getters: C24 11000 N/mm²
    EXPECT_NEAR(r.e_mean, 11000000.0, 1e-3);
    for (int i = 0; i < 5; ++i)
        EXPECT_DOUBLE_EQ(r.layers[i].k_mod, 0.8);
    // a = 20+20+40+20+20 = 0.12 m; S = 0.0144 / 9.15942e-7 = 15721.5 kN/m
    EXPECT_NEAR(r.shear_stiffness, 15721.5, 0.5);

    // k_mod from the table: C24, service class 1, medium term 0.8 gives the same utilisation
    CltCheckResult t;
    ASSERT_EQ(clt_stress_check(&l, 1000, 0, 1, 2, 1.0, 0.0, 1.3, 10, 0, 20, &t), 1);
    EXPECT_NEAR(t.eta_bending, r.eta_bending, 1e-9);
}

TEST(CltCheck, RollingShearRulesAndRefusal)
{
    EXPECT_DOUBLE_EQ(clt_rolling_shear_by_thickness(10), 1.1);
    EXPECT_DOUBLE_EQ(clt_rolling_shear_by_thickness(45), 1.0);
    EXPECT_NEAR(clt_rolling_shear_by_thickness(30), 1.05, 1e-12);  // 1.1 - 10*0.005
    EXPECT_DOUBLE_EQ(clt_rolling_shear_by_limit(115.01), 0.85);
    EXPECT_DOUBLE_EQ(clt_rolling_shear_by_limit(120), 0.7);

    // type index 0 with a 120 mm cross layer: 0.8/1.3*0.7; type index 2, 30 mm: 0.8/1.3*1.05
    CltLayup a = make_layup({{40, 0}, {120, 1}, {40, 0}});
    clt_layup_evaluate(&a);
    CltCheckResult r;
    clt_stress_check(&a, 1000, 0, 1, 8, 1.0, 0.8, 1.3, 10, 0, 20, &r);
    EXPECT_NEAR(r.layers[1].f_v_d, 0.8 / 1.3 * 0.7, 1e-12);
    CltLayup b = make_layup({{40, 0}, {30, 1}, {40, 0}});
    b.type_index = 2;
    clt_layup_evaluate(&b);
    clt_stress_check(&b, 1000, 0, 1, 8, 1.0, 0.8, 1.3, 10, 0, 20, &r);
    EXPECT_NEAR(r.layers[1].f_v_d, 0.8 / 1.3 * 1.05, 1e-12);

    // no layer of direction 1: refused
    CltLayup xs = make_layup({{40, 0}, {40, 0}});
    clt_layup_evaluate(&xs);
    EXPECT_EQ(clt_stress_check(&xs, 1000, 1, 1, 8, 1.0, 0.8, 1.3, 10, 0, 20, &r), 0);
    EXPECT_DOUBLE_EQ(r.e_mean, -1.0);
    EXPECT_DOUBLE_EQ(r.eta_max, 99.9);
    EXPECT_DOUBLE_EQ(r.eta_shear, 99.9);
    EXPECT_EQ(clt_stress_check(nullptr, 1000, 1, 1, 8, 1.0, 0.8, 1.3, 10, 0, 20, &r), 1);

    // every stress positive: sigma_min stays 0
    CltLayup up = make_layup({{20, 0}});
    clt_layup_evaluate(&up);
    up.layers[0].offset = 50.0;
    clt_stress_check(&up, 1000, 0, 1, 8, 1.0, 0.8, 1.3, 10, 0, 0, &r);
    EXPECT_GT(r.sigma_max, 0.0);
    EXPECT_DOUBLE_EQ(r.sigma_min, 0.0);
}

TEST(CltFire, UnprotectedCharDepth)
{
    CltLayup l = make_layup({{20, 0}, {25, 1}, {40, 0}, {20, 1}, {40, 0}});
    l.charring_rate = 0.65;
    struct Case {
        double t, expected;
    };
    // k_0 = t/20 below 20 min, else 1 (7 mm * k_0 added)
    const Case cases[] = {
        {10, 6.5 + 7 * 0.5},  // 0.65*10 inside the first layer
        {30, 19.5 + 7},       // 0.65*30
        // first layer through after 20/0.65 = 30.769 min; 0.231 min at 1.3 -> 0.3
        {31, 20.3 + 7},
        {40, 20 + 1.3 * (40 - 20 / 0.65) + 7},  // 20 + 12 = 32
        // 20 mm, then 25 mm at 1.3 (19.23 min), then 10 min at 1.3 = 13 mm
        {60, 20 + 25 + 13 + 7},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(clt_char_depth(&l, 0, c.t, 0, 0, 1, 2), c.expected, 1e-9) << c.t;
    // fire from below reaches the same layers in reverse: 40 mm at 0.65 (61.5 min) > 60 min
    EXPECT_NEAR(clt_char_depth(&l, 1, 60, 0, 0, 1, 2), 39.0 + 7, 1e-9);
    // layers held in place: all at 0.65: 20 mm in 30.77 min, then 0.65*29.23 = 19 mm
    l.charred_layers_stay = 1;
    EXPECT_NEAR(clt_char_depth(&l, 0, 60, 0, 0, 1, 2), 39.0 + 7, 1e-9);
    // sides 2 and 3 ignore the layers: beta * t
    CltLayup bare = make_layup({});
    bare.charring_rate = 0.65;
    EXPECT_NEAR(clt_char_depth(&bare, 2, 60, 0, 0, 1, 2), 39.0 + 7, 1e-9);
    EXPECT_NEAR(clt_char_depth_k(&bare, 3, 10, 0, 0, 1, 2), 6.5 + 3.5, 1e-9);
}

TEST(CltFire, ProtectedCharDepth)
{
    CltLayup l = make_layup({{20, 0}, {25, 1}, {40, 0}, {20, 1}, {40, 0}});
    l.charring_rate = 0.65;
    // protection fails at 20 min, charring from 10 min: t_a = 20 + (25 - 10*0.65)/1.3 = 34.2308
    // t = 30: 10 min at 0.65 = 6.5, then 10 min at 1.3 = 13 -> 19.5; k_0 = 1
    EXPECT_NEAR(clt_char_depth(&l, 0, 30, 20, 10, 1, 2), 19.5 + 7, 1e-9);
    // t = 40: the first layer is gone at 20 + 13.5/1.3 = 30.385 min; the next chars at 1.3
    // for 9.615 min = 12.5 -> 32.5
    EXPECT_NEAR(clt_char_depth(&l, 0, 40, 20, 10, 1, 2), 32.5 + 7, 1e-9);
    // the fire ends before the protection fails: 5 min at 0.65; k_0 = 15/20
    EXPECT_NEAR(clt_char_depth(&l, 0, 15, 20, 10, 1, 2), 3.25 + 7 * 0.75, 1e-9);
    // more than 25 mm behind the protection (k_2 1.2: 0.78 mm/min from 25 to 60 min): the
    // fast phase has no length and charring goes on at 1.3 mm/min, never backwards:
    // 20 mm + 0.78*(60 - 50.641) = 27.3 at t_f, + 1.3*0.25 = 27.625 at 60.25 min
    EXPECT_NEAR(clt_char_depth(&l, 0, 60, 60, 25, 1.2, 2.5), 27.3 + 7, 1e-9);
    EXPECT_NEAR(clt_char_depth(&l, 0, 60.25, 60, 25, 1.2, 2.5), 27.625 + 7, 1e-9);
    // layerless face: (1*10 + 2*14.2308)*0.65 = 25
    EXPECT_NEAR(clt_char_depth(&l, 2, 60, 20, 10, 1, 2), 25.0 + 7, 1e-9);

    // protection failing when charring starts (t_ch = t_f = 30 >= 20: k_0 = t/t_ch below t_ch)
    // t_a = min(60, 30 + 25/1.3 = 49.23); t = 40: 10 min at 1.3 = 13 mm
    EXPECT_NEAR(clt_char_depth(&l, 0, 40, 30, 30, 1, 2), 13.0 + 7, 1e-9);
    // variant with k_3 = 1.5: 10 min at 0.975 = 9.75 mm
    EXPECT_NEAR(clt_char_depth_k(&l, 0, 40, 30, 30, 1, 1.5), 9.75 + 7, 1e-9);
    // layerless variant: t_a = min(60, 30 + 25/0.975) = 55.64; min(0.975*55.64, 25) = 25
    EXPECT_NEAR(clt_char_depth_k(&l, 2, 40, 30, 30, 1, 1.5), 25.0 + 7, 1e-9);
}

TEST(CltFire, ResidualSection)
{
    CltLayup l = five_layers();
    clt_layup_evaluate(&l);
    struct Case {
        double bottom, top;
        int count;
        double total, last;
    };
    const Case cases[] = {
        {45, 0, 4, 115, 15},  // 40 off the last layer, 5 off the fourth
        {40, 0, 4, 120, 20},  // the last layer disappears entirely, a cross layer ends the rest
        {60, 65, 1, 35, 35},  // 40+20 off the top, 5 off the middle; 40+20 off the bottom
    };
    for (const Case& c : cases) {
        CltLayup r;
        ASSERT_EQ(clt_residual_section(&r, &l, 0, c.bottom, c.top), &r);
        EXPECT_EQ(r.layer_count, c.count);
        EXPECT_DOUBLE_EQ(r.total_thickness, c.total);
        EXPECT_DOUBLE_EQ(r.layers[r.layer_count - 1].thickness, c.last);
    }
    CltLayup r;
    clt_residual_section(&r, &l, 0, 60, 65);
    EXPECT_EQ(r.layers[0].direction, 0);
    EXPECT_NEAR(r.shear_correction_x, 5.0 / 6.0, 1e-12);
    EXPECT_NEAR(r.centroid_x, 17.5, 1e-12);
    // 40x-20y-40x-15y: thickness sums 80 and 35
    clt_residual_section(&r, &l, 0, 45, 0);
    EXPECT_DOUBLE_EQ(r.thickness_x, 80.0);
    EXPECT_DOUBLE_EQ(r.thickness_y, 35.0);
}

TEST(CltCheck, EachLayerStressesWithItsOwnModulus)
{
    // 40x (E 14000 N/mm²) - 20y - 40x (E 11000 N/mm²), b 1000, M 10 kNm:
    // centroid = (14 * 40 * 20 + 11 * 40 * 80) / (14 * 40 + 11 * 40) = 46.4 mm; offsets 26.4 and -33.6;
    // EI = 14e6 * 0.04 * (0.0264^2 + 0.04^2 / 12) + 11e6 * 0.04 * (0.0336^2 + 0.04^2 / 12)
    //    = 464.964 + 555.409 = 1020.373 kNm²;
    // top of layer 0 (z 46.4 mm): 10 * 0.001 * 14e6 / 1020.373 * 0.0464 = 6.366297 N/mm²;
    // bottom of layer 2 (z -53.6 mm): 10 * 0.001 * 11e6 / 1020.373 * -0.0536 = -5.778277 N/mm²
    CltLayup l = make_layup({{40, 0}, {20, 1}, {40, 0}});
    l.layers[0].e_mean = 14000000.0;
    l.type_index = 1;
    l.rolling_shear_strength = 1.0;
    clt_layup_evaluate(&l);
    EXPECT_NEAR(l.centroid_x, 46.4, 1e-9);
    CltCheckResult r;
    ASSERT_EQ(clt_stress_check(&l, 1000, 0, 1, 8, 1.0, 0.8, 1.3, 10, 0, 0, &r), 1);
    EXPECT_NEAR(r.bending_stiffness, 1020.373333, 1e-6);
    EXPECT_NEAR(r.layers[0].sigma_top, 6.366297, 1e-6);
    EXPECT_NEAR(r.layers[2].sigma_bottom, -5.778277, 1e-6);
    EXPECT_NEAR(r.sigma_max, 6.366297, 1e-6);
    EXPECT_NEAR(r.sigma_min, -5.778277, 1e-6);
    // bottom of layer 0 (z 6.4 mm) at 14000 and top of layer 2 (z -13.6 mm) at 11000: 0.878110 and -1.466130
    EXPECT_NEAR(r.layers[0].sigma_bottom, 0.878110, 1e-6);
    EXPECT_NEAR(r.layers[2].sigma_top, -1.466130, 1e-6);
    EXPECT_EQ(r.bending_layer, 0);
}

TEST(CltFire, ThickLayerAfterFallOff)
{
    // 20x-40y-20x, beta 0.65, fire on the upper face, layers not held: the first layer burns at 0.65 in
    // 20 / 0.65 = 30.769 min; the 40 mm layer behind it at 1.3 up to 25 mm (19.231 min), its rest at 0.65;
    // k_0 = 1 from 20 min on, so 7 mm are added.
    CltLayup l = make_layup({{20, 0}, {40, 1}, {20, 0}});
    l.charring_rate = 0.65;
    const struct { double t, d_ef; const char* arithmetic; } cases[] = {
        {45, 45.5, "20 + 1.3 * 14.231 = 20 + 18.5 (below 25 mm) + 7"},
        // T = 21.231 min: 1.3 * T = 27.6 exceeds 25: 25 mm at 1.3, 2 min left at 0.65
        {52, 53.3, "20 + 25 + 0.65 * 2 + 7"},
        {60, 58.5, "T = 29.231: 25 mm at 1.3, 10 min left: 20 + 25 + 0.65 * 10 + 7"},
        // 20 min left after the first 25 mm: 0.65 * 20 = 13 mm of the 15 mm rest (1.3 would burn it through)
        {70, 65.0, "20 + 25 + 0.65 * 20 + 7"},
        // T = 49.231: 25 at 1.3 leaves 30 min; the rest 15 mm at 0.65 takes 23.077 min; 6.923 min at 1.3
        // into the third layer: 9.0 mm
        {80, 76.0, "20 + 40 + 1.3 * 6.923 + 7"},
    };
    for (const auto& k : cases)
        EXPECT_NEAR(clt_char_depth(&l, 0, k.t, 0, 0, 1, 2), k.d_ef, 1e-9) << k.arithmetic;
}

}  // namespace
