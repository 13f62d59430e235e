#include "annex_fixture.h"
#include "fasteners/partial_factors.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(PartialFactors, GammaMWithoutSetAndAccidental)
{
    CurrentAnnex none(-1);
    for (int m : {0, 2, 4, 8, 12, 13, 99}) {
        EXPECT_DOUBLE_EQ(material_gamma_m(m, 0, 0), 1.3) << m;   // DIN 1052: 1.3 for every material
        EXPECT_DOUBLE_EQ(material_gamma_m(m, 0, 1), 1.0) << m;
    }
}

TEST(PartialFactors, GammaMFromTheCurrentBlockByMaterialGroup)
{
    CurrentAnnex annex(1);
    EXPECT_DOUBLE_EQ(material_gamma_m(4, 0, 0), 1.2);   // block default for OSB/plywood/LVL
    EXPECT_DOUBLE_EQ(material_gamma_m(2, 0, 1), 1.0);   // accidental
    NadEc5Block& b = annex.ec5;
    b.gamma_m_solid = 1.31; b.gamma_m_glulam = 1.32; b.gamma_m_lvl_plywood_osb = 1.33;
    b.gamma_m_plasterboard = 1.34; b.gamma_m_particleboard = 1.35; b.gamma_m_hard_fibreboard = 1.36;
    b.gamma_m_medium_fibreboard = 1.37; b.gamma_m_soft_fibreboard = 1.38; b.gamma_m_mdf = 1.5;
    b.gamma_m_steel_in_connections = 1.39; b.gamma_m_accidental = 1.05;
    struct Case { int material, sub; double expect; };
    const Case cases[] = {
        {0, 0, 1.31}, {1, 0, 1.31}, {2, 0, 1.32}, {3, 0, 1.32}, {10, 0, 1.32}, {11, 0, 1.32}, {17, 0, 1.32},
        {19, 0, 1.32}, {-13, 0, 1.32}, {4, 0, 1.33}, {6, 0, 1.33}, {5, 0, 1.34}, {9, 0, 1.34}, {7, 0, 1.35},
        {8, 0, 1.36}, {8, 1, 1.37}, {8, 2, 1.38},   // soft fibreboard, never the MDF factor
        {12, 0, 1.39}, {20, 0, 1.3}, {13, 0, 0.0}, {14, 0, 0.0}, {15, 0, 0.0}, {-10, 0, 0.0}, {16, 0, 0.0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(material_gamma_m(c.material, c.sub, 0), c.expect) << c.material;
    EXPECT_DOUBLE_EQ(material_gamma_m(13, 0, 1), 1.05);   // accidental ignores the material
}

TEST(PartialFactors, WasherIntervals)
{
    struct Case { double d; int series; double expect; };
    const Case cases[] = {
        {0.1, 0, 20}, {4.49, 0, 20}, {4.5, 0, -1}, {4.7, 0, -1}, {5, 0, 22}, {8, 0, 28}, {11, 0, 44},
        {13, 0, 44}, {13.0001, 0, 50}, {17, 0, 56}, {18, 0, -1}, {19, 0, 72}, {21, 0, -1}, {25, 0, 85}, {31, 0, 105},
        {8, 1, 28}, {10, 1, 33}, {13, 1, 42}, {13.01, 1, -1},
        {6, 2, 22}, {8, 2, 25}, {10, 2, 30}, {11, 2, -1}, {12, 2, -1},
        {5, 3, 18}, {6.99, 3, 18}, {7, 3, 25}, {10, 3, 32}, {12, 3, 40}, {4, 3, -1},
        {8, 4, -1}, {8, -1, -1},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(washer_outer_diameter(c.d, c.series), c.expect) << c.d << "/" << c.series;
}

TEST(PartialFactors, SmallFactors)
{
    CurrentAnnex annex(1);
    // k_h of solid timber 60 mm deep: (150/60)^0.2 = 1.2011; glulam 300 mm: 2^0.1 = 1.0718
    EXPECT_NEAR(size_factor_k_h(0, 2, 60), std::pow(2.5, 0.2), 1e-12);   // C24, rho_k 350
    EXPECT_NEAR(size_factor_k_h(2, 4, 300), std::pow(2.0, 0.1), 1e-12);
    EXPECT_DOUBLE_EQ(size_factor_k_h(0, 2, 1), 1.0);
    EXPECT_DOUBLE_EQ(size_factor_k_h_600(600), 1.0);
    EXPECT_DOUBLE_EQ(bearing_factor_k_c90(0, 120, 60), 1.25);
    EXPECT_DOUBLE_EQ(bearing_factor_k_c90(0, 119.99, 60), 1.0);
    EXPECT_DOUBLE_EQ(bearing_factor_k_c90(19, 200, 90), 1.0);
    EXPECT_DOUBLE_EQ(bearing_factor_k_c90(19, 158, 79), 1.25);
    EXPECT_DOUBLE_EQ(bearing_factor_k_c90(2, 200, 100), 1.5);
    EXPECT_EQ(strength_direction_index(0, 0.5), 6);
    EXPECT_EQ(strength_direction_index(0, 1.0), 7);
    EXPECT_EQ(strength_direction_index(6, 0.0), 2);
    EXPECT_EQ(strength_direction_index(10, 45.0), 5);
    EXPECT_EQ(strength_direction_index(12, 0.0), -1);
    EXPECT_DOUBLE_EQ(fire_factor_k_fi(1), 1.25);
    EXPECT_DOUBLE_EQ(fire_factor_k_fi(11), 1.15);
    EXPECT_DOUBLE_EQ(fire_factor_k_fi(-12), 1.1);
    EXPECT_DOUBLE_EQ(fire_factor_k_fi(12), 1.0);
    // k_c: h 100, l_ef 2000, E_05 7400, f_c0k 21, beta 0.2: i 28.9, lambda 69.20,
    // lambda_rel = 69.204/pi * sqrt(21/7400) = 1.17347, k = 0.5 (1 + 0.2*0.87347 + 1.37703) = 1.27586,
    // k_c = 1/(1.27586 + sqrt(1.62782 - 1.37703)) = 1/1.77665 = 0.56286
    double i, lam, rel, k;
    EXPECT_NEAR(buckling_factor_k_c(7400, 21, 0.2, 2000, 100, &i, &lam, &rel, &k), 0.56286, 2e-5);
    EXPECT_NEAR(i, 28.9, 1e-12);
    EXPECT_NEAR(rel, 1.1735, 2e-4);
    // A 30 mm deep strip of unit width built from two strips 0..10 (area 10) and 10..30 (area 20),
    // factor d - 1 = 1: A 30, S = 10*5 + 20*20 = 450, z 15, I = 30^3/12 = 2250
    double I = 0, z = 0, S = 0, A = 0;
    section_add_layer(&I, &z, &S, &A, 0, 10, 10, 2);
    EXPECT_NEAR(I, 1000.0 / 12.0, 1e-9);
    section_add_layer(&I, &z, &S, &A, 10, 30, 20, 2);
    EXPECT_DOUBLE_EQ(A, 30.0);
    EXPECT_DOUBLE_EQ(S, 450.0);
    EXPECT_DOUBLE_EQ(z, 15.0);
    EXPECT_NEAR(I, 2250.0, 1e-9);
}

#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"

#include <cstdio>
#include <memory>

TEST(PartialFactors, GammaMOfTheShippedGermanSet)
{
    // The shipped "Deutschland" set: gamma_M 1.3 for solid and glued-laminated timber and the
    // wood-based panels (DIN EN 1995-1-1/NA, Table NA.2), 1.0 for accidental situations.
    std::unique_ptr<NadSet> set(new NadSet());
    FILE* f = std::fopen(TAVO_SOURCE_DATA_DIR "/DATA/NAD/Deutschland.NAD", "r");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(nad_read_set(f, set.get()), 1);
    std::fclose(f);
    NadEc5Block* saved = cur_ec5_params;
    cur_ec5_params = &set->ec5;
    EXPECT_NE(set->ec5.country, 0);
    EXPECT_DOUBLE_EQ(material_gamma_m(0, 0, 0), 1.3);
    EXPECT_DOUBLE_EQ(material_gamma_m(2, 4, 0), 1.3);
    EXPECT_DOUBLE_EQ(material_gamma_m(4, 0, 0), 1.3);
    EXPECT_DOUBLE_EQ(material_gamma_m(2, 4, 1), 1.0);
    EXPECT_DOUBLE_EQ(material_gamma_m(13, 0, 0), 0.0);
    cur_ec5_params = saved;
}
