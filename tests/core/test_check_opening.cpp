// Opening check: tension perpendicular to the grain, unreinforced and reinforced.
#include "check_fixture.h"

#include "core/check_opening.h"

#include <cmath>

namespace {
const double kInf = std::numeric_limits<double>::infinity();

// Checkpoint beam, rectangular: h_d = 240 - 70 - 70 = 100
//   F_tV = 10 * 100 / (4 * 240) * (3 - 100²/240²) = 1.0416667 * 2.8263889 = 2.944155 kN
//   F_tM = 0.008 * 5000 / 70 = 0.571429 kN, F_t90 = 3.515584 kN
const double kFt90 = 3.515584;
}  // namespace

TEST_F(CheckTest, RectangularOpeningCheckpoint)
{
    ASSERT_EQ(run_opening(), 0);
    EXPECT_DOUBLE_EQ(d.h_r, 70.0);
    EXPECT_DOUBLE_EQ(d.l_t90, 170.0);   // 0.5 * (100 + 240)
    EXPECT_DOUBLE_EQ(d.k_t90, 1.0);     // min(1, sqrt(450/240) = 1.369)
    EXPECT_DOUBLE_EQ(d.ft90k, 0.4);
    EXPECT_DOUBLE_EQ(d.fak_hd, 1.0);
    EXPECT_DOUBLE_EQ(d.fk2k, 0.75);
    EXPECT_EQ(d.n_nachweise, 1);
    ASSERT_EQ(d.zeilen_durchbruch.size(), 1);
    const OpeningCheckRow& r = d.zeilen_durchbruch[0];
    EXPECT_NEAR(r.ftv_l, 2.944155, 1e-6);
    EXPECT_NEAR(r.ftm_l, 0.571429, 1e-6);
    EXPECT_NEAR(r.ft90_r, kFt90, 1e-6);
    EXPECT_DOUBLE_EQ(r.gamma_m, 1.3);
    // f_t90,d = 0.4 * 0.9 / 1.3 = 0.276923; R = 0.001 * 0.5 * 170 * 120 * 1 * 0.276923 = 2.824615 kN
    EXPECT_NEAR(r.ft90d, 0.276923, 1e-6);
    EXPECT_NEAR(r.rt90d, 2.824615, 1e-6);
    // eta = 3.515584 / 2.824615 = 1.244624
    EXPECT_NEAR(r.eta_l, 1.244624, 1e-6);
    EXPECT_NEAR(r.eta, 1.244624, 1e-6);
    EXPECT_NEAR(d.eta_durchbruch, 1.244624, 1e-6);
}

TEST_F(CheckTest, CircularOpeningCheckpoint)
{
    d.typ_durchbruch = 1;
    ASSERT_EQ(run_opening(), 0);
    EXPECT_DOUBLE_EQ(d.fak_hd, 0.7);
    EXPECT_DOUBLE_EQ(d.h_r, 85.0);          // 70 + 0.15 * 100
    EXPECT_NEAR(d.l_t90, 155.3, 1e-9);      // 0.353 * 100 + 0.5 * 240, full h_d
    const OpeningCheckRow& r = d.zeilen_durchbruch[0];
    // h_d' = 70: F_tV = 10 * 70 / 960 * (3 - 70²/240²) = 0.7291667 * 2.9149306 = 2.125470
    EXPECT_NEAR(r.ftv_l, 2.125470, 1e-6);
    EXPECT_NEAR(r.ftm_l, 0.470588, 1e-6);   // 40 / 85
    // R = 0.001 * 0.5 * 155.3 * 120 * 0.276923 = 2.580369; eta = 2.596058 / 2.580369 = 1.006080
    EXPECT_NEAR(r.rt90d, 2.580369, 1e-6);
    EXPECT_NEAR(d.eta_durchbruch, 1.006080, 1e-6);
}

TEST_F(CheckTest, SignsOfForcesDoNotMatterAndEdgesAreSeparate)
{
    d.lasten[0].v_l = -10;
    d.lasten[0].m_l = -5;
    d.lasten[0].v_r = 0;   // right edge: bending only, F_t90 = 0.571429, eta = 0.571429 / 2.824615 = 0.202303
    d.lasten[0].m_r = 5;
    ASSERT_EQ(run_opening(), 0);
    const OpeningCheckRow& r = d.zeilen_durchbruch[0];
    EXPECT_DOUBLE_EQ(r.v_l, 10.0);
    EXPECT_DOUBLE_EQ(r.m_l, 5.0);
    EXPECT_NEAR(r.eta_l, 1.244624, 1e-6);
    EXPECT_NEAR(r.eta_r, 0.202303, 1e-6);
    EXPECT_NEAR(r.eta, 1.244624, 1e-6);
}

TEST_F(CheckTest, LoadDurationClassesChooseGammaAndKmod)
{
    d.lasten.clear();
    d.lasten.append(load(10, 5, 1.1, 6));   // accidental: gamma_M 1.0
    d.lasten.append(load(10, 5, 1.1, 7));   // earthquake: gamma_M 1.0
    d.lasten.append(load(10, 5, 0.75, 8));  // "frei": the typed k_mod, gamma_M 1.3
    ASSERT_EQ(run_opening(), 0);
    ASSERT_EQ(d.zeilen_durchbruch.size(), 3);
    // classes 6, 7: f_t90,d = 0.4 * 1.1 / 1.0 = 0.44; R = 10200 * 0.44e-3 = 4.488; eta = 3.515584 / 4.488
    for (int i = 0; i < 2; ++i) {
        EXPECT_DOUBLE_EQ(d.zeilen_durchbruch[i].gamma_m, 1.0);
        EXPECT_NEAR(d.zeilen_durchbruch[i].eta, 0.783330, 1e-6);
    }
    // class 8: f_t90,d = 0.4 * 0.75 / 1.3 = 0.230769; R = 2.353846; eta = 1.493549
    EXPECT_DOUBLE_EQ(d.zeilen_durchbruch[2].gamma_m, 1.3);
    EXPECT_NEAR(d.zeilen_durchbruch[2].eta, 1.493549, 1e-6);
    EXPECT_NEAR(d.eta_durchbruch, 1.493549, 1e-6);
}

// Every degenerate input makes the load fail (utilisation +inf) instead of passing with a
// negative or undefined number.
TEST_F(CheckTest, DegenerateInputsFailTheCheck)
{
    struct Case {
        const char* what;
        void (*change)(TAVO52_DATA&);
    };
    const Case cases[] = {
        {"h_ru = 0: h_r = 0, F_tM sentinel", [](TAVO52_DATA& x) { x.h_ru = 0; }},
        {"h_r negative", [](TAVO52_DATA& x) { x.h_ro = -10; }},
        {"k_mod 0: resistance sentinel", [](TAVO52_DATA& x) { x.lasten[0].kmod = 0; }},
        {"h = 0: k_t90 and F_tV sentinels", [](TAVO52_DATA& x) { x.h = 0; x.h_ro = x.h_ru = 0; }},
        {"b = 0", [](TAVO52_DATA& x) { x.b = 0; }},
        {"material without gamma_M", [](TAVO52_DATA& x) { x.holzart = 15; }},
        {"plates without edge", [](TAVO52_DATA& x) { x.verstaerkt = 1; x.verst_typ = 0; x.a_r = 0; }},
        {"plates with k_mod 0", [](TAVO52_DATA& x) { x.verstaerkt = 1; x.verst_typ = 0; x.lasten[0].kmod = 0; }},
        {"no rods", [](TAVO52_DATA& x) { x.verstaerkt = 1; x.verst_typ = 1; x.d_r = 6; x.l_e = 240; x.n_gs = 0; }},
        {"rods, h_r = 0", [](TAVO52_DATA& x) { x.verstaerkt = 1; x.verst_typ = 1; x.h_ru = 0; }},
    };
    for (const Case& c : cases) {
        SetUp();
        c.change(d);
        run_opening();
        ASSERT_EQ(d.zeilen_durchbruch.size(), 1) << c.what;
        EXPECT_EQ(d.zeilen_durchbruch[0].eta, kInf) << c.what;
        EXPECT_EQ(d.eta_durchbruch, kInf) << c.what;
    }
}

TEST_F(CheckTest, NoLoadsReportsTheErrorBit)
{
    d.lasten.clear();
    EXPECT_EQ(run_opening(), CHECK_ERR_NO_LOADS);
    EXPECT_TRUE(d.zeilen_durchbruch.isEmpty());
    EXPECT_EQ(d.eta_durchbruch, -1.0);
}

TEST(RodSteel, StressAreasByDiameterAndGrade)
{
    // ISO 898-1 stress areas; reinforcing bar (1044) full section 0.7853981633975 * d²
    EXPECT_DOUBLE_EQ(rod_stress_area(6, 23), 20.1);
    EXPECT_DOUBLE_EQ(rod_stress_area(8, 23), 36.6);
    EXPECT_DOUBLE_EQ(rod_stress_area(8.001, 23), 36.6);
    EXPECT_DOUBLE_EQ(rod_stress_area(8.002, 23), 58.0);
    EXPECT_DOUBLE_EQ(rod_stress_area(12, 23), 84.3);
    EXPECT_DOUBLE_EQ(rod_stress_area(14, 23), 115.0);
    EXPECT_DOUBLE_EQ(rod_stress_area(20, 27), 245.0);
    EXPECT_NEAR(rod_stress_area(12, 1044), 113.097336, 1e-6);
    EXPECT_NEAR(rod_stress_area(36, 23), 1017.876020, 1e-6);  // beyond M30: full section
}

TEST(EmbeddedLengths, ShapesAndSides)
{
    double o = 0, u = 0;
    // rectangular, h 600, h_ro 150, h_ru 250 (h_d 200), l 400
    embedded_lengths(0, 600, 150, 250, 400, 0, &o, &u);
    EXPECT_DOUBLE_EQ(o, 150);  // h_ro
    EXPECT_DOUBLE_EQ(u, 50);   // 400 - 150 - 200
    embedded_lengths(0, 600, 150, 250, 400, 1, &o, &u);
    EXPECT_DOUBLE_EQ(o, -50);  // 400 - 250 - 200
    EXPECT_DOUBLE_EQ(u, 250);
    // circular: 0.15 h_d = 30 and 0.85 h_d = 170
    embedded_lengths(1, 600, 150, 250, 400, 0, &o, &u);
    EXPECT_DOUBLE_EQ(o, 180);  // 150 + 30
    EXPECT_DOUBLE_EQ(u, 80);   // 400 - 150 - 170
    embedded_lengths(1, 600, 150, 250, 400, 1, &o, &u);
    EXPECT_DOUBLE_EQ(o, -20);  // 400 - 250 - 170
    EXPECT_DOUBLE_EQ(u, 280);  // 250 + 30
}
