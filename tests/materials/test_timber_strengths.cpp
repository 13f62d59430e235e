// Strength getters: size factor k_h, the beech LVL girder rules, k_cr modes,
// f_t,90,k and f_c,90,k. Expected values worked out by hand from the rules of
// DIN EN 1995-1-1 (3.2, 3.3) and its national annex (NCI to 6.1.7).
#include "annex_scope.h"
#include "materials/timber_strengths.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct SizeCase {
    const char* what;
    bool annex;
    int code, grade;
    double b, h;
    double f_m, f_t, k_h;  // k_h 1.0: not written (the caller's preset)
};

const SizeCase kSize[] = {
    // C24 EC: (150/100)^0.2 = 1.084472; 24000 * 1.084472 = 26027.3; 14500 * 1.084472 = 15724.8
    {"solid, d 100, annex", true, 0, 5, 100, 100, 26027.33, 15724.85, 1.084472},
    // without an annex no size factor: DIN row f_t,0,k 14
    {"solid, d 100, no annex", false, 0, 5, 100, 100, 24000, 14000, 1.0},
    {"solid, d 160 > 150", true, 0, 5, 100, 160, 24000, 14500, 1.0},
    // d = 150 is still inside: (150/150)^0.2 = 1
    {"solid, d 150", true, 0, 5, 150, 150, 24000, 14500, 1.0},
    // (150/50)^0.2 = 3^0.2 = 1.245731
    {"solid, d 50", true, 0, 5, 50, 40, 24000 * 1.245731, 14500 * 1.245731, 1.245731},
    // (150/20)^0.2 = 1.4962 -> capped at 1.3
    {"solid, d 20 capped", true, 0, 5, 20, 20, 24000 * 1.3, 14500 * 1.3, 1.3},
    // GL24h: d 700 >= 600, none
    {"glulam, d 700", true, 2, 2, 100, 700, 24000, 19200, 1.0},
    // (600/160)^0.1 = 1.14131 -> capped at 1.1: 26400, 21120
    {"glulam, d 160 capped", true, 2, 2, 100, 160, 26400, 21120, 1.1},
    // (600/400)^0.1 = 1.041380
    {"glulam, d 400, annex", true, 2, 2, 100, 400, 24000 * 1.041380, 19200 * 1.041380, 1.041380},
    // DIN 1052 exponent 0.14: 1.5^0.14 = 1.058407
    {"glulam, d 400, no annex", false, 2, 2, 100, 400, 24000 * 1.058407, 19200 * 1.058407, 1.058407},
    // code 3 GL24h (BS11) without annex: f_t,0,k 16.5
    {"glulam DIN, d 400, no annex", false, 3, 0, 100, 400, 24000 * 1.058407, 16500 * 1.058407, 1.058407},
};

TEST(TimberStrengths, SizeFactor)
{
    for (const SizeCase& c : kSize) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<AnnexScope> annex;
        if (c.annex)
            annex.reset(new AnnexScope(1));
        double f_m = 0, f_t = 0, k_h = 1.0;
        ASSERT_EQ(get_strengths(c.code, c.grade, 1, 6, c.b, c.h, &f_m, &f_t, nullptr, nullptr, nullptr, &k_h), 1);
        EXPECT_NEAR(f_m, c.f_m, 0.05);
        EXPECT_NEAR(f_t, c.f_t, 0.05);
        EXPECT_NEAR(k_h, c.k_h, 1e-6);
    }
}

TEST(TimberStrengths, NoSizeFactorWithoutKhOutput)
{
    AnnexScope annex(1);
    double f_m = 0;
    ASSERT_EQ(get_strengths(0, 5, 1, 6, 100, 100, &f_m, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_DOUBLE_EQ(f_m, 24000);
}

TEST(TimberStrengths, BeechGirder)
{
    double f_m = 0, f_t = 0, f_c = 0, f_v = 0, f_c90 = 0, k_h = 1.0;
    // h 1000: k = 0.6^0.13 = 0.935750 (below 1 is used); f_t = 60000 * 0.6^0.1 = 57012.1
    ASSERT_EQ(get_strengths(17, 0, 1, 6, 100, 1000, &f_m, &f_t, &f_c, &f_v, &f_c90, &k_h), 1);
    EXPECT_NEAR(k_h, 0.935750, 1e-6);
    EXPECT_NEAR(f_m, 75000 * 0.935750, 0.05);
    EXPECT_NEAR(f_v, 4500 * 0.935750, 0.01);
    EXPECT_NEAR(f_t, 57012.1, 0.1);
    EXPECT_DOUBLE_EQ(f_c, 59400);
    EXPECT_DOUBLE_EQ(f_c90, 14800);
    // across the grain, d 100: c = 0.892 + 0.09 = 0.982; f_t = 600 * 6^0.1 = 717.74
    ASSERT_EQ(get_strengths(17, 0, 1, 7, 100, 100, &f_m, &f_t, &f_c, &f_v, &f_c90, &k_h), 1);
    EXPECT_NEAR(f_c, 59400 * 0.982, 1e-6);
    EXPECT_NEAR(f_t, 717.74, 0.01);
    // d 400: 0.0009 * 400 = 0.36 >= 0.288, c = 1.18; grade 1 f_t,90,k 1.5: 1500 * 1.5^0.1 = 1500 * 1.041380 = 1562.07
    ASSERT_EQ(get_strengths(17, 1, 1, 7, 100, 400, &f_m, &f_t, &f_c, &f_v, &f_c90, &k_h), 1);
    EXPECT_NEAR(f_c, 59400 * 1.18, 1e-6);
    EXPECT_NEAR(f_t, 1562.07, 0.01);
    // service class 2: the other compression values
    ASSERT_EQ(get_strengths(17, 0, 2, 6, 100, 600, &f_m, &f_t, &f_c, &f_v, &f_c90, &k_h), 1);
    EXPECT_DOUBLE_EQ(f_c, 49500);
    EXPECT_DOUBLE_EQ(f_c90, 12300);
    EXPECT_DOUBLE_EQ(k_h, 1.0);
}

TEST(TimberStrengths, GlulamShearStrengthByAnnex)
{
    double f_v = 0;
    ASSERT_EQ(get_strengths(3, 0, 1, 6, 100, 700, nullptr, nullptr, nullptr, &f_v, nullptr, nullptr), 1);
    EXPECT_DOUBLE_EQ(f_v, 2500);  // DIN 1052
    {
        AnnexScope annex(1);
        ASSERT_EQ(get_strengths(3, 0, 1, 6, 100, 700, nullptr, nullptr, nullptr, &f_v, nullptr, nullptr), 1);
        EXPECT_DOUBLE_EQ(f_v, 2700);
    }
    {
        AnnexScope annex(2);  // German crack factors: f_v,k of glulam 3.5
        ASSERT_EQ(get_strengths(3, 0, 1, 6, 100, 700, nullptr, nullptr, nullptr, &f_v, nullptr, nullptr), 1);
        EXPECT_DOUBLE_EQ(f_v, 3500);
        ASSERT_EQ(get_strengths(2, 13, 1, 6, 100, 700, nullptr, nullptr, nullptr, &f_v, nullptr, nullptr), 1);
        EXPECT_DOUBLE_EQ(f_v, 3500);
    }
}

TEST(TimberStrengths, CrackFactorModes)
{
    struct Case { const char* what; int mode; int code, grade; double h, kcr; };
    const Case cases[] = {
        // mode 1: the block's values 0.67 (solid and glulam) and 1.0 (others)
        {"mode 1 softwood", 1, 0, 5, 300, 0.67},   {"mode 1 hardwood", 1, 1, 0, 300, 0.67},
        {"mode 1 member", 1, -10, 0, 300, 0.67},   {"mode 1 glulam DIN", 1, 3, 0, 300, 0.67},
        {"mode 1 GL75", 1, 17, 0, 300, 0.67},      {"mode 1 plywood", 1, 6, 0, 300, 1.0},
        // mode 2: 2.0/f_v,k softwood (C24 EC 4.0 -> 0.5; C14 3.0 -> 0.6667), 2.5/3.5 glulam
        {"mode 2 C24", 2, 0, 5, 300, 0.5},         {"mode 2 C14", 2, 0, 0, 300, 2.0 / 3.0},
        {"mode 2 hardwood", 2, 1, 3, 300, 0.67},   {"mode 2 glulam EC", 2, 2, 4, 300, 2.5 / 3.5},
        {"mode 2 glulam DIN", 2, 3, 7, 300, 2.5 / 3.5},
        // 2.5 / (4.5 * (600/600)^0.13) = 0.5556
        {"mode 2 GL75", 2, 17, 0, 600, 2.5 / 4.5}, {"mode 2 OSB", 2, 4, 0, 300, 1.0},
        {"mode 2 softwood out of range", 2, 0, 12, 300, 0.0},
    };
    EXPECT_DOUBLE_EQ(get_fvk_kcr(0, 5, 100, 300), 1.0);  // no annex
    EXPECT_DOUBLE_EQ(get_fvk_kcr(2, 0, 100, 300), 1.0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnnexScope annex(c.mode);
        EXPECT_NEAR(get_fvk_kcr(c.code, c.grade, 100, c.h), c.kcr, 1e-9);
    }
}

TEST(TimberStrengths, TensionAndCompressionPerpendicular)
{
    EXPECT_DOUBLE_EQ(get_ft90k(0, 5), 0.4);
    EXPECT_DOUBLE_EQ(get_ft90k(1, 0), 0.5);
    EXPECT_DOUBLE_EQ(get_ft90k(3, 2), 0.5);
    EXPECT_DOUBLE_EQ(get_ft90k(19, 0), 3.6);
    EXPECT_DOUBLE_EQ(get_ft90k(-11, 2), 4.0);
    EXPECT_DOUBLE_EQ(get_ft90k(6, 0), 0.0);
    EXPECT_DOUBLE_EQ(get_fc90k(0, 5, 1, 6), 2500);   // C24 both variants
    EXPECT_DOUBLE_EQ(get_fc90k(0, 12, 1, 6), 0);
    EXPECT_DOUBLE_EQ(get_fc90k(6, 4, 1, 0), 9000);
    EXPECT_DOUBLE_EQ(get_fc90k(6, 4, 1, 2), 10000);
    EXPECT_DOUBLE_EQ(get_fc90k(18, 2, 1, 0), 26400);
    EXPECT_DOUBLE_EQ(get_fc90k(18, 2, 2, 0), 22000);
    EXPECT_DOUBLE_EQ(get_fc90k(17, 1, 3, 0), 12300);
    EXPECT_DOUBLE_EQ(get_fc90k(19, 1, 1, 0), 4000);
    EXPECT_DOUBLE_EQ(get_fc90k(9, 0, 1, 0), 0);
    AnnexScope annex(1);
    EXPECT_DOUBLE_EQ(get_ft90k(1, 0), 0.6);
    EXPECT_DOUBLE_EQ(get_fc90k(1, 0, 1, 6), 4800);  // D18
}

TEST(TimberStrengths, FurtherFactors)
{
    EXPECT_NEAR(lvl_length_factor(3000), 1.0, 1e-12);
    EXPECT_NEAR(lvl_length_factor(1000), 1.068138, 1e-6);  // 3^0.06
    EXPECT_DOUBLE_EQ(lvl_length_factor(100), 1.1);          // 30^0.06 = 1.226 capped
    EXPECT_NEAR(gl75_compression_factor(0, 100), 0.982, 1e-12);
    EXPECT_NEAR(gl75_compression_factor(1, 100), 0.982 * 1.2, 1e-12);
    EXPECT_DOUBLE_EQ(gl75_compression_factor(0, 150), 1.0);  // 1.027 capped
    EXPECT_DOUBLE_EQ(gl75_compression_factor(0, 400), 1.0);
}

} // namespace
