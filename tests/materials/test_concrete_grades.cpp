// Concrete and reinforcing-steel grades: filled records, the derived formulas of
// DIN 1045-1 and the grade selection lists. Expected values by hand from the formulas.
#include "materials/concrete_grades.h"

#include "platform/screen/screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

TEST(ConcreteGrades, Din1045_1Records)
{
    ConcreteGradeRecord c{};
    concrete_grade_din1045_1(&c, 3, 0, 1500);
    // f_cm 33; E_c0m = 9500000 * 33^(1/3) = 30471576; alpha_i = 0.8 + 33/440 = 0.875
    EXPECT_STREQ(c.name, "C25/30");
    EXPECT_DOUBLE_EQ(c.density, 2200.0);  // normal-weight ignores the density given
    EXPECT_DOUBLE_EQ(c.alpha, 0.85);
    EXPECT_NEAR(c.e_cm, 26662629.0, 0.5);
    EXPECT_DOUBLE_EQ(c.eps_c1, -0.0022);
    EXPECT_DOUBLE_EQ(c.eps_c2u, -0.0035);
    EXPECT_EQ(c.e_auto, 1);
    EXPECT_NEAR(concrete_e_modulus(25000), 26662629.0, 0.5);

    ConcreteGradeRecord l{};
    concrete_grade_din1045_1(&l, 3, 1, 1800);
    // eps_c1 = -1.2 * 33000 / 30471576 = -0.00129957; E = 26662629 * (1800/2200)^2 = 17848537
    EXPECT_STREQ(l.name, "LC25/28");
    EXPECT_DOUBLE_EQ(l.alpha, 0.80);
    EXPECT_DOUBLE_EQ(l.density, 1800.0);
    EXPECT_NEAR(l.eps_c1, -0.00129957, 1e-8);
    EXPECT_DOUBLE_EQ(l.eps_c1u, l.eps_c1);
    EXPECT_NEAR(l.e_cm, 17848537.0, 1.0);

    std::strcpy(l.name, "x");
    concrete_grade_din1045_1(&l, 12, 1, 1800);
    EXPECT_STREQ(l.name, "");  // no lightweight class above LC60/66
    // C100/115: f_cm 108 -> 108/440 = 0.245 >= 0.2: alpha_i 1.0
    concrete_grade_din1045_1(&c, 14, 0, 2200);
    EXPECT_NEAR(c.e_cm, 9500000.0 * std::cbrt(108.0), 1e-6);
    EXPECT_DOUBLE_EQ(c.n, 1.55);

    // older grade: f_ck = 0.78125 * 25000; eps_c1 between C16 and C20 at t = 3531.25/4000:
    // -1.9 - 0.8828125*0.2 = -2.0765625 per mille
    concrete_grade_din1045_1(&c, 3, 0, 2200);
    old_concrete_as_din1045_1(&c, 1);
    EXPECT_STREQ(c.name, "B25 (nicht mehr genormt!)");
    EXPECT_DOUBLE_EQ(c.f_ck, 19531.25);
    EXPECT_NEAR(c.eps_c1, -0.0020765625, 1e-12);
    EXPECT_DOUBLE_EQ(c.eps_c1u, -0.0035);
    EXPECT_DOUBLE_EQ(c.e_cm, 30000000.0);
}

TEST(ConcreteGrades, SteelRecords)
{
    RebarGradeRecord r{};
    rebar_grade_din1045_1(&r, 1);
    EXPECT_STREQ(r.name, "BSt 500 (B)");
    EXPECT_DOUBLE_EQ(r.f_tk, 525000.0);
    rebar_grade_b500(&r, 0);
    EXPECT_STREQ(r.name, "B500A");
    rebar_grade_din1045_1(&r, 2);  // outside: unchanged
    EXPECT_STREQ(r.name, "B500A");
    old_rebar_as_din1045_1(&r, 0);
    EXPECT_STREQ(r.name, "BSt 220/340 (nicht mehr genormt!)");
    EXPECT_DOUBLE_EQ(r.f_yk, 220000.0);
    EXPECT_DOUBLE_EQ(r.f_tk, 340000.0);
    EXPECT_DOUBLE_EQ(r.eps_su, 0.005);

    OldRebarGradeRecord o{};
    old_rebar_grade(&o, 7);  // above 2 counts as 2
    EXPECT_STREQ(o.name, "BSt 500 S");
    EXPECT_DOUBLE_EQ(o.coefficient, 1.4);
    OldConcreteGradeRecord oc{};
    old_concrete_grade(&oc, 9);
    EXPECT_STREQ(oc.name, "B55");
    EXPECT_DOUBLE_EQ(oc.tau_02, 3000.0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(old_concrete_free_definition(&oc), 1);
    EXPECT_EQ(old_rebar_free_definition(&o), 1);
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_STREQ(oc.name, "B25");
    // The umlauts reach the console as UTF-8, not as code-page bytes.
    EXPECT_EQ(console, "Freie Betondef. für DIN 1045 (7.88) nicht möglich!\nIntialiesierung mit B25.\n"
                       "Freie Stahldef. für DIN 1045 (7.88) nicht möglich!\nIntialiesierung mit BSt 500 S.\n");
}

TEST(ConcreteGrades, Formulas)
{
    struct Case {
        double f_ck, density, fctm;
    };
    const Case cases[] = {
        {30000, 2200, 2900},     // 0.30 * 30^(2/3) = 2.896 -> 2.9
        {55000, 2200, 4200},     // 2.12 * ln(1 + 63/10) = 4.214 -> 4.2
        {54999.4, 2200, 4300},   // rounds to 54999: 0.30 * 54.999^(2/3) = 4.339 -> 4.3
        {30000, 1800, 2900 * (0.4 + 0.6 * 1800 / 2200)},  // eta1 = 0.890909
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(concrete_fctm(c.f_ck, c.density), c.fctm, 1e-6) << c.f_ck;
        EXPECT_NEAR(concrete_fctk005(c.f_ck, c.density), c.fctm * 0.7, 1e-6) << c.f_ck;
    }
    EXPECT_NEAR(concrete_gamma_c(60000, 0), 1.5 / 0.98, 1e-12);  // 1.530612
    EXPECT_DOUBLE_EQ(concrete_gamma_c(30000, 0), 1.5);
    EXPECT_DOUBLE_EQ(concrete_gamma_c(30000, 1), 1.3);
    EXPECT_DOUBLE_EQ(concrete_gamma_c(30000, 4), 1.0);
    EXPECT_DOUBLE_EQ(rebar_gamma_s(1), 1.0);
    EXPECT_DOUBLE_EQ(rebar_gamma_s(0), 1.15);
    EXPECT_DOUBLE_EQ(concrete_age_factor(28, 2), 1.0);
    EXPECT_DOUBLE_EQ(concrete_age_factor(1, 3), 1.0);
    EXPECT_NEAR(concrete_age_factor(7, 2), 0.778801, 1e-6);  // exp(0.25*(1-2))
    EXPECT_DOUBLE_EQ(concrete_neg_ratio(2, 3, 4), -1.5);
    EXPECT_DOUBLE_EQ(concrete_neg_ratio(2, 3, 0.000001), 0.0);

    double e1 = 0, e1u = 0;
    concrete_eps_c1_by_fck(&e1, &e1u, 18000);  // halfway C16 (-1.9) and C20 (-2.1)
    EXPECT_NEAR(e1, -0.0020, 1e-12);
    EXPECT_NEAR(e1u, -0.0035, 1e-12);
    concrete_eps_c1_by_fck(&e1, &e1u, 12000);
    EXPECT_DOUBLE_EQ(e1, -0.0018);
    concrete_eps_c1_by_fck(&e1, &e1u, 120000);
    EXPECT_DOUBLE_EQ(e1u, -0.003);
    concrete_eps_c1_by_fck(&e1, &e1u, 57500);  // halfway C55 and C60: eps_c1u -3.35
    EXPECT_NEAR(e1u, -0.00335, 1e-12);
}

TEST(ConcreteGrades, SelectionLists)
{
    GradeList* all = concrete_grade_list(1, 0xF);
    ASSERT_NE(all, nullptr);
    // 5 older + separator + 15 + separator + 11 lightweight + separator + "frei"
    EXPECT_EQ(all->count, 35);
    EXPECT_EQ(all->width, 9);
    EXPECT_EQ(all->show_alpha, 1);
    EXPECT_STREQ(all->names + 5 * 9, "-------");
    EXPECT_STREQ(all->names + 20 * 9, "C100/115");
    EXPECT_STREQ(all->names + 34 * 9, "frei");
    // Colours are the screen's values: green (0, 164, 0), orange separator (234, 164, 0), brown
    // lightweight (155, 126, 66), blue "frei" (0, 0, 255).
    EXPECT_EQ(all->colours[0], Nearest_RGB_Color(0, 164, 0));
    EXPECT_EQ(all->colours[5], Nearest_RGB_Color(234, 164, 0));
    EXPECT_EQ(all->colours[23], Nearest_RGB_Color(155, 126, 66));
    EXPECT_EQ(all->colours[34], Nearest_RGB_Color(0, 0, 255));
    EXPECT_EQ(grade_list_index_of(all, 7, 0), 8);                        // C20/25
    EXPECT_EQ(grade_list_index_of(all, 7, GRADE_FLAG_LIGHTWEIGHT), 24);  // LC20/22
    EXPECT_EQ(grade_list_index_of(all, 99, 0), 0);
    int code = 0, flags = 0;
    grade_list_code_at(all, 5, &code, &flags);  // the separator after "B55"
    EXPECT_EQ(code, 4);
    EXPECT_EQ(flags, GRADE_FLAG_OLD_CONCRETE);
    grade_list_code_at(all, 35, &code, &flags);
    EXPECT_EQ(code, -1);
    EXPECT_EQ(flags, 0);
    grade_list_free(all);

    GradeList* old_only = concrete_grade_list(0, 0x1);
    EXPECT_EQ(old_only->count, 5);
    grade_list_free(old_only);
    GradeList* none = concrete_grade_list(0, 0x6);
    EXPECT_EQ(none->count, 0);
    grade_list_free(none);
    GradeList* plain = concrete_grade_list(1, 0);
    EXPECT_EQ(plain->count, 15);
    EXPECT_EQ(plain->codes[0], 5);
    grade_list_free(plain);

    GradeList* steel = rebar_grade_list(2);
    EXPECT_EQ(steel->count, 8);
    EXPECT_EQ(steel->width, 13);
    EXPECT_STREQ(steel->names + 4 * 13, "B500A");
    EXPECT_EQ(steel->codes[7], 5);
    EXPECT_EQ(steel->flags[7], GRADE_FLAG_FREE_REBAR);
    grade_list_free(steel);
    GradeList* steel1 = rebar_grade_list(1);
    EXPECT_STREQ(steel1->names + 5 * 13, "BSt 500 (B)");
    grade_list_free(steel1);
    GradeList* steel0 = rebar_grade_list(0);
    EXPECT_EQ(steel0->count, 3);
    grade_list_free(steel0);
    grade_list_free(nullptr);
}

}  // namespace

TEST(ConcreteGrades, AgeFactorByCementClass)
{
    // exp(s (1 - sqrt(28 / t))): at 7 days sqrt(4) = 2, so exp(-s); at 14 days 1 - sqrt(2) = -0.414214
    const struct { int cement_class; double t, factor; const char* arithmetic; } cases[] = {
        {1, 7, 0.683861, "exp(-0.38)"},
        {3, 7, 0.818731, "exp(-0.20)"},
        {0, 7, 0.810584, "exp(-0.21)"},
        {1, 14, 0.854361, "exp(0.38 * -0.414214) = exp(-0.157401)"},
        {3, 14, 0.920496, "exp(0.20 * -0.414214) = exp(-0.082843)"},
    };
    for (const auto& k : cases)
        EXPECT_NEAR(concrete_age_factor(k.t, k.cement_class), k.factor, 1e-6) << k.arithmetic;
}
