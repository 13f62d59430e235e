// Grade tables: first and last row of every table in both variants, the choice
// of the variant by the current national annex, and the material-code tests.
// Expected values are the printed characteristic values of the grade tables
// (DIN EN 338 / DIN EN 14080 for the EC variants, DIN 1052 for the DIN ones).
#include "annex_scope.h"
#include "materials/material_codes.h"
#include "materials/timber_factors.h"
#include "materials/timber_grades.h"
#include "materials/timber_strengths.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct RowCase {
    const char* what;
    bool annex;
    int code, grade;
    const char* name;
    double e0, rho, f_m, f_t0, f_t90, f_c0, f_c90, f_v;
};

const RowCase kRows[] = {
    {"softwood EC first", true, 0, 0, "C14", 7000, 290, 14, 7.2, 0.4, 16, 2, 3},
    {"softwood EC last", true, 0, 11, "C50", 16000, 430, 50, 33.5, 0.4, 30, 3, 4},
    {"softwood DIN first", false, 0, 0, "C14", 7000, 290, 14, 8, 0.4, 16, 2, 2},
    {"softwood DIN last", false, 0, 11, "C50", 16000, 460, 50, 30, 0.4, 29, 3.2, 2},
    {"veneer lumber reads softwood", true, 13, 5, "C24 (S10)", 11000, 350, 24, 14.5, 0.4, 21, 2.5, 4},
    {"hardwood EC first", true, 1, 0, "D18", 9500, 475, 18, 11, 0.6, 18, 4.8, 3.5},
    {"hardwood EC last", true, 1, 7, "D70", 20000, 800, 70, 42, 0.6, 36, 12, 5},
    {"hardwood DIN first", false, 1, 0, "D30", 10000, 530, 30, 18, 0.5, 23, 8, 3},
    {"hardwood DIN last", false, 1, 5, "D70", 20000, 900, 70, 42, 0.5, 34, 13.5, 6},
    {"glulam EC first", true, 2, 0, "GL20h", 8400, 340, 20, 16, 0.5, 20, 2.5, 3.5},
    {"glulam EC last", false, 2, 13, "GL32c", 13500, 400, 32, 19.5, 0.5, 24.5, 2.5, 3.5},
    // code 3 takes f_v,k from the EC values of the DIN grades while an annex is current
    {"glulam DIN first, no annex", false, 3, 0, "GL24h (BS11)", 11600, 380, 24, 16.5, 0.5, 24, 2.7, 2.5},
    {"glulam DIN first, annex", true, 3, 0, "GL24h (BS11)", 11600, 380, 24, 16.5, 0.5, 24, 2.7, 2.7},
    {"glulam DIN last, no annex", false, 3, 7, "GL36c (BS18)", 14700, 430, 36, 22.5, 0.5, 29, 3.3, 2.5},
    {"glulam DIN last, annex", true, 3, 7, "GL36c (BS18)", 14700, 430, 36, 22.5, 0.5, 29, 3.3, 3.8},
};

TEST(TimberTables, FirstAndLastRowsOfEveryTable)
{
    for (const RowCase& c : kRows) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<AnnexScope> annex;
        if (c.annex)
            annex.reset(new AnnexScope(1));
        const TimberGradeRow* row = timber_grade_row(c.code, c.grade);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->name, c.name);

        // b = h = 700 mm: no size factor applies to any timber code
        double f_m = 0, f_t = 0, f_c = 0, f_v = 0, f_c90 = 0, k_h = 1.0;
        ASSERT_EQ(get_strengths(c.code, c.grade, 1, 6, 700, 700, &f_m, &f_t, &f_c, &f_v, &f_c90, &k_h), 1);
        EXPECT_DOUBLE_EQ(f_m, c.f_m * 1000);
        EXPECT_DOUBLE_EQ(f_t, c.f_t0 * 1000);
        EXPECT_DOUBLE_EQ(f_c, c.f_c0 * 1000);
        EXPECT_DOUBLE_EQ(f_v, c.f_v * 1000);
        EXPECT_DOUBLE_EQ(f_c90, c.f_c90 * 1000);
        EXPECT_DOUBLE_EQ(k_h, 1.0);
        ASSERT_EQ(get_strengths(c.code, c.grade, 1, 9, 700, 700, nullptr, &f_t, &f_c, nullptr, nullptr, nullptr), 1);
        EXPECT_DOUBLE_EQ(f_t, c.f_t90 * 1000);
        EXPECT_DOUBLE_EQ(f_c, c.f_c90 * 1000);

        double e = 0;
        ASSERT_EQ(get_E_G_moduli(c.code, c.grade, 0, 0, &e, nullptr, nullptr, nullptr), 1);
        EXPECT_DOUBLE_EQ(e, c.e0 * 1000);
        if (c.code != 13) {
            double rho = 0;
            ASSERT_EQ(get_rho_k(c.code, c.grade, 0, &rho, nullptr), 1);
            EXPECT_DOUBLE_EQ(rho, c.rho);
        }
    }
}

TEST(TimberTables, Gl75Rows)
{
    ASSERT_NE(timber_grade_row(17, 1), nullptr);
    EXPECT_STREQ(timber_grade_row(17, 0)->name, "GL75 flachkant");
    EXPECT_STREQ(timber_grade_row(17, 1)->name, "GL75 hochkant");
    EXPECT_DOUBLE_EQ(timber_grade_row(17, 0)->g_mean, 850);
    EXPECT_DOUBLE_EQ(timber_grade_row(17, 1)->g_mean, 760);
    EXPECT_DOUBLE_EQ(get_ft90k(17, 0), 0.6);
    EXPECT_DOUBLE_EQ(get_ft90k(17, 1), 1.5);
    double rho = 0;
    EXPECT_EQ(get_rho_k(17, 1, 0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 730);
    EXPECT_EQ(timber_grade_row(17, 2), nullptr);
}

TEST(TimberTables, IndexLimitsAnswerNotAvailable)
{
    struct Limit { const char* what; bool annex; int code, grade; };
    const Limit refused[] = {
        {"softwood 12", true, 0, 12},  {"softwood -1", false, 0, -1},   {"hardwood DIN 6", false, 1, 6},
        {"hardwood EC 8", true, 1, 8}, {"glulam EC 14", true, 2, 14},   {"glulam DIN 8", true, 3, 8},
        {"GL75 2", true, 17, 2},       {"veneer lumber 12", true, 13, 12},
        {"steel plate", true, 12, 0},  {"user", true, -999, 0},         {"I-joist", true, -13, 0},
    };
    for (const Limit& c : refused) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<AnnexScope> annex;
        if (c.annex)
            annex.reset(new AnnexScope(1));
        double f_m = -7, e = -7, k_h = 1.0;
        EXPECT_EQ(get_strengths(c.code, c.grade, 1, 6, 100, 100, &f_m, nullptr, nullptr, nullptr, nullptr, &k_h), 0);
        EXPECT_EQ(get_E_G_moduli(c.code, c.grade, 2, 10, &e, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(f_m, -7);
        EXPECT_EQ(e, -7);
        EXPECT_EQ(k_h, 1.0);
    }
    // hardwood grade 6 is "D60" only while an annex is current
    AnnexScope annex(1);
    double f_m = 0;
    EXPECT_EQ(get_strengths(1, 6, 1, 6, 700, 700, &f_m, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_DOUBLE_EQ(f_m, 60000);
}

TEST(TimberTables, VariantFollowsTheCurrentAnnexAtEveryCall)
{
    double rho = 0;
    ASSERT_EQ(get_rho_k(1, 0, 0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 530);  // "D30" without an annex
    {
        AnnexScope annex(1);
        ASSERT_EQ(get_rho_k(1, 0, 0, &rho, nullptr), 1);
        EXPECT_DOUBLE_EQ(rho, 475);  // "D18"
    }
    ASSERT_EQ(get_rho_k(1, 0, 0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 530);
}

TEST(TimberTables, StiffnessFivePercentValues)
{
    // softwood: E_05 = 2/3 E_mean, G_05 = 2/3 G_mean; C24: 11000, 690
    double e = 0, g = 0, e05 = 0, g05 = 0;
    ASSERT_EQ(get_E_G_moduli(0, 5, 0, 0, &e, &g, &e05, &g05), 1);
    EXPECT_DOUBLE_EQ(e, 11000000);
    EXPECT_DOUBLE_EQ(g, 690000);
    EXPECT_NEAR(e05, 11000000.0 * 2 / 3, 1e-6);
    EXPECT_NEAR(g05, 690000.0 * 2 / 3, 1e-6);
    // hardwood DIN D30: E_05 = 5/6 * 10000, G_05 = 2/3 * 600
    ASSERT_EQ(get_E_G_moduli(1, 0, 0, 0, &e, &g, &e05, &g05), 1);
    EXPECT_NEAR(e05, 10000000.0 * 5 / 6, 1e-6);
    EXPECT_NEAR(g05, 600000.0 * 2 / 3, 1e-6);
    // glulam GL24h: both 5/6; 11500, 650
    ASSERT_EQ(get_E_G_moduli(2, 2, 0, 0, &e, &g, &e05, &g05), 1);
    EXPECT_NEAR(e05, 11500000.0 * 5 / 6, 1e-6);
    EXPECT_NEAR(g05, 650000.0 * 5 / 6, 1e-6);
    double e90 = 0;
    ASSERT_EQ(get_e90_mean(3, 0, &e90), 1);
    EXPECT_DOUBLE_EQ(e90, 390000);
    EXPECT_EQ(get_e90_mean(6, 0, &e90), 0);
}

TEST(MaterialCodes, Tests)
{
    struct Case { int code; int m12_13, solid, glulam, member; };
    const Case cases[] = {
        {0, 0, 1, 0, 1},  {1, 0, 1, 0, 1},   {2, 0, 0, 1, 1},   {3, 0, 0, 1, 1},   {17, 0, 0, 1, 1},
        {-10, 0, 1, 0, 1}, {13, 0, 0, 0, 0}, {-11, 0, 0, 0, 0}, {-12, 1, 0, 0, 0}, {-13, 1, 0, 0, 0},
        {18, 0, 0, 0, 0}, {-999, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(is_material_code_m12_m13(c.code), c.m12_13);
        EXPECT_EQ(is_solid_timber_material(c.code), c.solid);
        EXPECT_EQ(is_glulam_material(c.code), c.glulam);
        EXPECT_EQ(is_timber_member_material(c.code), c.member);
    }
}

} // namespace
