// k_mod, k_def, rho_k, self-weight and charring rate, and the I-joist catalogue.
// Expected values: DIN EN 1995-1-1 Tables 3.1 and 3.2 as the library tables hold
// them, with Table NA.1 (b) deciding class 5; weights worked out by hand.
#include "annex_scope.h"
#include "materials/fastener_records.h"
#include "materials/ijoist_catalogue.h"
#include "materials/timber_factors.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const double kUntouched = -3.0;

// STANDARD_SET: the EC standard set without a country, whose class-5 switch is clear
enum Annex { NO_ANNEX, SWITCH_SET, SWITCH_CLEAR, STANDARD_SET };

struct KmodCase {
    const char* what;
    Annex annex;
    int code, grade, sc, cls;
    int ret;
    double kmod;  // kUntouched: nothing written
};

const KmodCase kKmod[] = {
    {"softwood SC1 kurz", NO_ANNEX, 0, 5, 1, 3, 1, 0.9},
    {"softwood SC3 staendig", NO_ANNEX, 0, 5, 3, 0, 1, 0.5},
    {"service class 0", NO_ANNEX, 0, 5, 0, 6, 1, 1.0},
    {"class frei has no value", NO_ANNEX, 0, 5, 1, 8, 0, kUntouched},
    {"glulam SC2 Erdbeben", SWITCH_SET, 2, 0, 2, 7, 1, 1.1},
    // class 5: mean of kurz and sehr kurz unless the annex set treats it as kurz
    {"class 5, no annex", NO_ANNEX, 0, 5, 1, 5, 1, 1.0},
    {"class 5, switch set", SWITCH_SET, 0, 5, 1, 5, 1, 1.0},
    {"class 5, switch clear", SWITCH_CLEAR, 0, 5, 1, 5, 1, 0.9},
    {"class 5, switch clear, SC3", SWITCH_CLEAR, 1, 0, 3, 5, 1, 0.7},
    {"class 5, standard set without country", STANDARD_SET, 2, 3, 2, 5, 1, 0.9},
    {"beech board SC3: 0 written", NO_ANNEX, 18, 0, 3, 2, 0, 0.0},
    {"LVL SC3: 0 written", SWITCH_SET, -11, 1, 3, 0, 0, 0.0},
    {"steel plate", NO_ANNEX, 12, 0, 1, 2, 0, kUntouched},
    {"veneer lumber", NO_ANNEX, 13, 0, 1, 2, 0, kUntouched},
    {"OSB 2 SC1", NO_ANNEX, 4, 0, 1, 5, 1, 0.975},
    {"OSB 2 SC2 none", NO_ANNEX, 4, 0, 2, 0, 0, kUntouched},
    {"OSB 3 SC2", NO_ANNEX, 4, 1, 2, 2, 1, 0.55},
    {"OSB grade 3 none", NO_ANNEX, 4, 3, 1, 2, 0, kUntouched},
    {"plasterboard SC2", NO_ANNEX, 5, 2, 2, 0, 1, 0.15},
    {"particleboard P6 annex", SWITCH_SET, 7, 2, 1, 0, 1, 0.4},
    {"particleboard P6 no annex", NO_ANNEX, 7, 2, 1, 0, 1, 0.3},
    {"particleboard SC2 class 6, annex", SWITCH_SET, 7, 0, 2, 6, 1, 0.8},
    {"particleboard SC2 class 6, no annex", NO_ANNEX, 7, 0, 2, 6, 0, kUntouched},
    {"particleboard grade 4, annex", SWITCH_SET, 7, 4, 1, 0, 0, kUntouched},
    {"hardboard SC2 class 7, no annex", NO_ANNEX, 8, 0, 2, 7, 0, kUntouched},
    {"medium board SC2", NO_ANNEX, 8, 1, 2, 4, 1, 0.8},
    // I-joist webs: their own table, before the service-class-0 rule
    {"I-joist SC0", NO_ANNEX, -13, 4, 0, 2, 1, 0.0},
    {"I-joist SC2 sehr kurz", NO_ANNEX, -12, 0, 2, 4, 1, 0.9},
    {"I-joist class 5", NO_ANNEX, -13, 0, 1, 5, 1, 0.975},
    {"I-joist class 5 as kurz", SWITCH_CLEAR, -13, 0, 1, 5, 1, 0.85},
    {"user without record", NO_ANNEX, 14, 0, 1, 2, 1, 0.2},
};

TEST(TimberFactors, Kmod)
{
    for (const KmodCase& c : kKmod) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<AnnexScope> annex;
        if (c.annex != NO_ANNEX)
            annex.reset(new AnnexScope(1, c.annex == SWITCH_SET ? 1 : 0, c.annex == STANDARD_SET ? 0 : 1));
        double k = kUntouched;
        EXPECT_EQ(get_kmod(c.code, c.grade, c.sc, c.cls, &k, nullptr), c.ret);
        EXPECT_DOUBLE_EQ(k, c.kmod);
    }
}

TEST(TimberFactors, KmodOfUserMaterial)
{
    UserMaterial user{};
    const double sc2[5] = {0.11, 0.22, 0.33, 0.44, 0.55};
    for (int i = 0; i < 5; ++i)
        user.kmod_table[2][i] = sc2[i];
    double k = 0;
    EXPECT_EQ(get_kmod(-999, 0, 2, 3, &k, &user), 1);
    EXPECT_DOUBLE_EQ(k, 0.44);
    EXPECT_EQ(get_kmod(0, -999, 2, 1, &k, &user), 1);  // grade -999 marks a user material too
    EXPECT_DOUBLE_EQ(k, 0.22);
    {
        AnnexScope annex(1, 1);
        EXPECT_EQ(get_kmod(14, 0, 2, 5, &k, &user), 1);
        EXPECT_DOUBLE_EQ(k, (0.44 + 0.55) / 2);
    }
    {
        AnnexScope annex(1, 0);
        EXPECT_EQ(get_kmod(14, 0, 2, 5, &k, &user), 1);
        EXPECT_DOUBLE_EQ(k, 0.44);
    }
    k = kUntouched;
    EXPECT_EQ(get_kmod(14, 0, 2, 6, &k, &user), 0);  // the record holds classes 0-4 only
    EXPECT_EQ(k, kUntouched);
}

TEST(TimberFactors, Kdef)
{
    struct Case { bool annex; int code, grade, sc; double kdef; };
    const Case cases[] = {
        {false, 6, 0, 3, 2.5}, {false, 4, 1, 3, 0.0}, {false, 0, 0, 2, 0.8}, {false, -13, 0, 3, 2.0},
        {true, 7, 2, 1, 1.5},  {false, 7, 2, 1, 2.25}, {false, 8, 1, 2, 4.0}, {false, 8, 0, 2, 3.0},
        {false, 9, 0, 1, 0.0}, {false, 0, 0, 0, 0.0},
    };
    for (const Case& c : cases) {
        std::unique_ptr<AnnexScope> annex;
        if (c.annex)
            annex.reset(new AnnexScope(1));
        double k = kUntouched;
        EXPECT_EQ(get_kdef(c.code, c.grade, c.sc, &k), 1);
        EXPECT_DOUBLE_EQ(k, c.kdef) << "code " << c.code << " grade " << c.grade << " sc " << c.sc;
    }
    EXPECT_EQ(get_kdef(0, 0, 1, nullptr), 1);
}

TEST(TimberFactors, Density)
{
    struct Case { int code, grade; double t; int ret; double rho; };
    const Case cases[] = {
        {7, 0, 13.0, 1, 650}, {7, 0, 13.5, 1, 600}, {7, 3, 32.0, 1, 550}, {7, 0, 50.0, 1, 500},
        {7, 0, 6.0, 1, 0},    {7, 0, 50.5, 1, 0},   {7, 4, 20.0, 0, kUntouched},
        {8, 0, 5.5, 1, 850},  {8, 0, 5.6, 1, 800},  {8, 0, 3.5, 1, 800}, {8, 1, 10.0, 1, 650},
        {8, 1, 10.5, 1, 600}, {12, 7, 0, 1, 78500}, {16, 3, 0, 1, 27000}, {5, 0, 0, 1, 680},
        {5, 1, 0, 1, 800},    {6, 2, 0, 1, 400},    {6, 5, 0, 1, 600},  {9, 4, 0, 1, 1150},
        {-13, 5, 0, 1, 480},  {18, 2, 0, 1, 730},   {13, 0, 0, 0, kUntouched}, {15, 0, 0, 0, kUntouched},
        {-10, 0, 0, 0, kUntouched}, {14, 0, 0, 0, kUntouched}, {3, 8, 0, 0, kUntouched},
    };
    for (const Case& c : cases) {
        double rho = kUntouched;
        EXPECT_EQ(get_rho_k(c.code, c.grade, c.t, &rho, nullptr), c.ret) << c.code << "/" << c.grade << " t " << c.t;
        EXPECT_DOUBLE_EQ(rho, c.rho) << c.code << "/" << c.grade << " t " << c.t;
    }
    UserMaterial user{};
    user.rho_k = 415;
    double rho = 0;
    EXPECT_EQ(get_rho_k(1, -999, 0, &rho, &user), 1);
    EXPECT_DOUBLE_EQ(rho, 415);
}

TEST(TimberFactors, SelfWeight)
{
    // joist row 12 (60/400): b_f 60, h_f 39, h_w 322, t_w 6:
    // (10 * 60 * 39 + 9 * 6 * 322) * 1e-6 = (23400 + 17388) * 1e-6 = 0.040788
    EXPECT_NEAR(get_self_weight(-13, 12), 0.040788, 1e-12);
    EXPECT_DOUBLE_EQ(get_self_weight(-12, 8), 0.0);
    EXPECT_DOUBLE_EQ(get_self_weight(0, 12), 0.0);
    EXPECT_DOUBLE_EQ(get_self_weight(0, 8), 4.8);
    EXPECT_DOUBLE_EQ(get_self_weight(1, 6), 0.0);  // "D60" exists only with an annex
    EXPECT_DOUBLE_EQ(get_self_weight(2, 3), 4.45);
    EXPECT_DOUBLE_EQ(get_self_weight(3, 7), 4.2);
    EXPECT_DOUBLE_EQ(get_self_weight(8, 1), 10.0);
    EXPECT_DOUBLE_EQ(get_self_weight(19, 2), 5.3);
    EXPECT_DOUBLE_EQ(get_self_weight(13, 99), 8.0);
    EXPECT_DOUBLE_EQ(get_self_weight(12, 0), 0.0);
    AnnexScope annex(1);
    EXPECT_DOUBLE_EQ(get_self_weight(1, 6), 8.4);
}

TEST(TimberFactors, CharringRate)
{
    EXPECT_DOUBLE_EQ(get_charring_rate(1, 0), 0.55);  // D30 DIN, rho_k 530
    EXPECT_DOUBLE_EQ(get_charring_rate(2, 0), 0.7);   // GL20h, rho_k 340
    EXPECT_DOUBLE_EQ(get_charring_rate(0, 5), 0.8);
    EXPECT_DOUBLE_EQ(get_charring_rate(1, -999), 0.8);
}

TEST(IJoistCatalogue, KmodTables)
{
    EXPECT_DOUBLE_EQ(ijoist_kmod_web(2, 4), 0.9);
    EXPECT_DOUBLE_EQ(ijoist_kmod_web(1, 5), 0.975);
    EXPECT_DOUBLE_EQ(ijoist_kmod_web(3, 0), 0.0);
    EXPECT_DOUBLE_EQ(ijoist_kmod_web(1, 8), 0.0);
    EXPECT_DOUBLE_EQ(ijoist_kmod_web(0, 2), 0.0);
    EXPECT_DOUBLE_EQ(ijoist_kmod_web(1, -1), 0.0);
    EXPECT_DOUBLE_EQ(ijoist_kmod_flange(2, 5), 1.0);
    EXPECT_DOUBLE_EQ(ijoist_kmod_flange(3, 5), 0.0);
}

TEST(IJoistCatalogue, RowsAndQueries)
{
    ijoist_table_wall(1000);
    ijoist_table_joist(1000);
    ijoist_table_wall(1);  // a later factor is ignored
    const IJoistSeries& wall = ijoist_wall_series;
    const IJoistSeries& joist = ijoist_joist_series;
    ASSERT_EQ(wall.size_count, 8);
    ASSERT_EQ(joist.size_count, 18);
    EXPECT_STREQ(wall.name, "Steico Wall");
    EXPECT_STREQ(wall.sizes[0].name, "SW LVL,HB 45/160");
    EXPECT_STREQ(joist.sizes[17].name, "SJ LVL,HB 90/400");
    EXPECT_DOUBLE_EQ(wall.sizes[0].effective_modulus, 10884000);
    EXPECT_DOUBLE_EQ(wall.flange_e_mean, 11000000);
    EXPECT_DOUBLE_EQ(joist.flange_e_05, 11600000);
    EXPECT_DOUBLE_EQ(joist.sizes[17].inertia, 25186);
    EXPECT_EQ(joist.sizes[9].index, 9);

    EXPECT_EQ(ijoist_find_size(&joist, 300, 90), 15);
    EXPECT_EQ(ijoist_find_size(&joist, 300, 75), 3);   // first row of that height
    EXPECT_EQ(ijoist_find_size(&wall, 250, 45), -1);

    // joist row 0 (45/200): b_f 45, h_f 39, h_w 122, t_w 6: A(l) = (l + 30 + 45) * 78 + 18 * 122
    double a1 = 0, a3 = 0;
    ijoist_support_area(&joist, 0, 10, 100, &a1, nullptr, &a3);
    EXPECT_DOUBLE_EQ(a1, 10386);  // length 10 counts as 30: 105 * 78 + 2196
    EXPECT_DOUBLE_EQ(a3, 10386);
    double a2 = 0;
    ijoist_support_area(&joist, 0, 10, 100, nullptr, &a2, nullptr);
    EXPECT_DOUBLE_EQ(a2, 15846);  // 175 * 78 + 2196
    EXPECT_DOUBLE_EQ(ijoist_flange_area(&joist, 0), 3510);              // 2 * 39 * 45
    EXPECT_DOUBLE_EQ(ijoist_mass_per_length(&joist, 0), 2343600);      // 2*480*45*39 + 6*900*122
    EXPECT_DOUBLE_EQ(ijoist_flange_area(&joist, 18), 0.0);

    int code = 0, count = 0;
    IJoistNameEntry* names = ijoist_name_list_wall(&code, &count, 7);
    EXPECT_EQ(code, 13);
    EXPECT_EQ(count, 8);
    EXPECT_STREQ(names[7].text, "SW LVL,HB 60/300");
    EXPECT_EQ(names[7].colour, 7);
}

} // namespace
