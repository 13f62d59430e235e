// Reinforced openings: glued-on plates, glued-in rods and fully threaded screws.
#include "check_fixture.h"

#include <cmath>
#include <vector>

// Checkpoint beam: F_t90 = 3.515584 kN at both edges, k_mod 0.9, gamma_M 1.3.
TEST_F(CheckTest, ReinforcementKinds)
{
    struct Case {
        const char* what;
        void (*set)(TAVO52_DATA&);
        double eta_l;      // utilisation of one edge (both edges carry the same force)
        double eta_check;  // eta_durchbruch
        int lad_zu_kurz;
    };
    const Case cases[] = {
        // plates a_r = h_1 = 50, t_r = 4, f_t,k 10:
        //   tau = 500 * 3.515584 / 2500 = 0.703117, f_k2,d = 0.75 * 0.9 / 1.3 = 0.519231, eta_tau = 1.354151
        //   sigma = 500 * 3.515584 / 200 = 8.788959, f_t,d = 10 * 0.9 / 1.3 = 6.923077, eta_sigma = 2.539033
        {"plates",
         [](TAVO52_DATA& x) { x.verst_typ = 0; x.a_r = 50; x.h_1 = 50; x.t_r = 4; x.ftk_laschen = 10; },
         2.539033, 2.539033, 0},
        // rods d_r 6, FK 4.6 (f_u 400), l_e 240 from the top: l_ad_o 70, l_ad_u = 240 - 70 - 100 = 70,
        //   l_ad_min = max(18, 60) = 60 <= 70; f_k1,d = 4.0 * 0.9 / 1.3 = 2.769231
        //   R_ax,d = 0.00314159265359 * 2.769231 * 70 * 6 = 3.653914 kN; eta_bond = 3.515584 / (2 * 3.653914) = 0.481071
        //   R_t,d = 20.1 * 400 / 1250 = 6.432 kN; eta_steel = 3.515584 / 12.864 = 0.273289
        {"rods",
         [](TAVO52_DATA& x) { x.verst_typ = 1; x.d_r = 6; x.l_e = 240; x.n_gs = 2; x.fest_gs = 23; x.unten_gs = 0; },
         0.481071, 0.481071, 0},
        // rods d_r 8 from the bottom, l_e 220: l_ad_o = 220 - 70 - 100 = 50, l_ad_u 70, l_ad 50 < max(32, 80)
        //   R_ax,d = 0.00314159265359 * 2.769231 * 50 * 8 = 3.479918; eta_bond = 3.515584 / 3.479918 = 1.010249
        //   A_s(M8) = 36.6: R_t,d = 14640 / 1250 = 11.712; the check stays at 2.0
        {"rods, anchorage too short",
         [](TAVO52_DATA& x) { x.verst_typ = 1; x.d_r = 8; x.l_e = 220; x.n_gs = 1; x.fest_gs = 23; x.unten_gs = 1; },
         1.010249, 2.0, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        d.verstaerkt = 1;
        c.set(d);
        ASSERT_EQ(run_opening(), 0) << c.what;
        const OpeningCheckRow& r = d.zeilen_durchbruch[0];
        EXPECT_NEAR(r.eta_l, c.eta_l, 1e-6) << c.what;
        EXPECT_NEAR(r.eta_r, c.eta_l, 1e-6) << c.what;
        EXPECT_NEAR(d.eta_durchbruch, c.eta_check, 1e-6) << c.what;
        EXPECT_EQ(d.lad_zu_kurz, c.lad_zu_kurz) << c.what;
    }
}

TEST_F(CheckTest, RodSteelValues)
{
    d.verstaerkt = 1;
    d.verst_typ = 1;
    d.d_r = 8;
    d.l_e = 220;
    d.fest_gs = 23;  // FK 4.6, f_u 400
    run_opening();
    EXPECT_DOUBLE_EQ(d.fuk_gs, 400);
    EXPECT_DOUBLE_EQ(d.as_gs, 36.6);
    EXPECT_NEAR(d.d_ef, 6.826461, 1e-6);   // sqrt(1.2732395 * 36.6)
    EXPECT_NEAR(d.ft_gs, 14640, 1e-9);     // 36.6 * 400
    EXPECT_DOUBLE_EQ(d.l_ad_min, 80);      // max(0.5 * 64, 80)
    EXPECT_DOUBLE_EQ(d.fk1k, 4.0);         // l_ad 50 <= 250
    const OpeningCheckRow& r = d.zeilen_durchbruch[0];
    EXPECT_DOUBLE_EQ(r.gamma_m2, 1.25);
    EXPECT_NEAR(r.rt_d_rod, 11.712, 1e-9);
    // The right edge uses the same steel capacity: 3.515584 / 11.712 = 0.300170
    EXPECT_NEAR(r.eta_steel_l, 0.300170, 1e-6);
    EXPECT_NEAR(r.eta_steel_r, 0.300170, 1e-6);

    // Reinforcing bar d_r 12: f 500, full section 113.097 mm², d_ef = d_r
    SetUp();
    d.verstaerkt = 1;
    d.verst_typ = 1;
    d.d_r = 12;
    d.fest_gs = 1044;
    run_opening();
    EXPECT_DOUBLE_EQ(d.fuk_gs, 500);
    EXPECT_NEAR(d.as_gs, 113.097336, 1e-6);
    EXPECT_NEAR(d.d_ef, 12.0, 1e-9);
}

TEST_F(CheckTest, RodsInAccidentalSituationTakeAccidentalGammaM2)
{
    use_rods();
    d.lasten[0] = load(10, 5, 1.1, 7);
    ASSERT_EQ(run_opening(), 0);
    const OpeningCheckRow& r = d.zeilen_durchbruch[0];
    // gamma_M 1.0, gamma_M2,acc 1.15: f_k1,d = 4.4; R_ax,d = 0.00314159265359 * 4.4 * 70 * 6 = 5.805663
    //   eta_bond = 3.515584 / 11.611326 = 0.302772; R_t,d = 8040 / 1150 = 6.991304, eta_steel = 0.251425
    EXPECT_DOUBLE_EQ(r.gamma_m2, 1.15);
    EXPECT_NEAR(r.rax_d_rod, 5.805663, 1e-6);
    EXPECT_NEAR(r.eta_bond_l, 0.302772, 1e-6);
    EXPECT_NEAR(r.eta_steel_r, 0.251425, 1e-6);
}

// Screws need the fastener design: glulam GL28h (code 2, grade 4, rho_k 425), h 320, h_ro 60,
// h_ru 100 (h_d 160), b 160; ASSY-type fully threaded screw d 8, d1 5.3, dk 10, l 300, thread 290,
// from the top, two screws.
//   Embedded: l_ad_o 60, l_ad_u = 300 - 60 - 160 = 80, both >= 4 d = 32.
//   t1 60, t2 260, point side p = 300 - 60 = 240; k_rho = (425/350)^0.8 = 1.168037
//   R_ax2 = min(11 * 8 * 240 * 1.168037 = 24669, F_t 22000) = 22000 N
//   R_ax1 = 11 * 8 * min(290 + 240 - 300, 60 - 10) * 1.168037 = 88 * 50 * 1.168037 = 5139.364 N
//   head without washer: 13 * 10² * 1.168037 = 1518.448 N; with washer D 28: 10 * 28² * 1.168037 = 9157.412 N
//   F_t90: F_tV = 10 * 160 / 1280 * (3 - 0.25) = 3.4375, F_tM = 40 / 60 = 0.666667 -> 4.104167 kN
TEST_F(CheckTest, ScrewsWithAndWithoutWasher)
{
    struct Case {
        const char* what;
        int washer;
        double raxk, eta;
    };
    const Case cases[] = {
        // R_ax,d = 5.139364 * 0.9 / 1.3 = 3.558021; eta = 4.104167 / (2 * 3.558021) = 0.576748
        {"no washer", 0, 5.139364, 0.576748},
        // R_ax,d = 9.157412 * 0.9 / 1.3 = 6.339747; eta = 4.104167 / 12.679494 = 0.323685
        {"washer 28", 1, 9.157412, 0.323685},
    };
    for (const Case& c : cases) {
        SetUp();
        use_screw_position();
        d.unten_sc = 0;
        d.unten_gs = 1;  // the rods' side must not matter
        d.mit_unterleg = c.washer;
        ASSERT_EQ(run_opening(), 0) << c.what;
        EXPECT_DOUBLE_EQ(d.l_ad_o, 60) << c.what;
        EXPECT_DOUBLE_EQ(d.l_ad_u, 80) << c.what;
        EXPECT_DOUBLE_EQ(d.l_ad, 32) << c.what;
        EXPECT_NEAR(d.rax2k, 22.0, 1e-3) << c.what;
        EXPECT_NEAR(d.rax1k, 5.139364, 1e-5) << c.what;
        EXPECT_NEAR(d.raxk, c.raxk, 1e-5) << c.what;
        EXPECT_NEAR(d.eta_durchbruch, c.eta, 1e-5) << c.what;
    }
}

TEST_F(CheckTest, ScrewsEmbeddedLessThanFourDiametersFailWithTwo)
{
    d.h = 320;
    d.h_ro = 20;   // l_ad_o = 20 < 4 * 8
    d.h_ru = 100;
    d.verstaerkt = 1;
    d.verst_typ = 2;
    d.sc_d = 8;
    d.sc_l = 300;
    d.raxk = 7.0;  // left from an earlier run
    ASSERT_EQ(run_opening(), 0);
    EXPECT_EQ(d.raxk, 0.0);
    EXPECT_EQ(d.zeilen_durchbruch[0].eta, 2.0);
    EXPECT_EQ(d.eta_durchbruch, 2.0);
}

// The rows keep their storage between runs of one position: a run after a change of the
// reinforcement's kind, or of the opening's shape, leaves no value of the earlier run behind.
TEST_F(CheckTest, RecalculationLeavesNoValueOfTheEarlierKind)
{
    auto reinforcement_fields = [](const OpeningCheckRow& r) {
        return std::vector<double>{r.fk1d, r.fk2d, r.rax_d_rod, r.gamma_m2, r.rt_d_rod, r.rax_d_screw,
                                   r.tau_ef_l, r.sigma_t_l, r.tau_ef_r, r.sigma_t_r, r.ftd,
                                   r.eta_steel_l, r.eta_bond_l, r.eta_steel_r, r.eta_bond_r,
                                   r.eta_tau_l, r.eta_tau_r, r.eta_sigma_l, r.eta_sigma_r};
    };
    d.verstaerkt = 1;
    d.verst_typ = 0;  // plates as in ReinforcementKinds: eta_sigma = 2.539033
    ASSERT_EQ(run_opening(), 0);
    EXPECT_NEAR(d.zeilen_durchbruch[0].eta_sigma_r, 2.539033, 1e-6);

    use_rods();  // as in ReinforcementKinds: eta_bond = 0.481071, eta_steel = 0.273289
    ASSERT_EQ(run_opening(), 0);
    const OpeningCheckRow& rods = d.zeilen_durchbruch[0];
    EXPECT_NEAR(rods.eta_bond_l, 0.481071, 1e-6);
    EXPECT_NEAR(rods.eta_steel_r, 0.273289, 1e-6);
    for (double plate_value : {rods.fk2d, rods.ftd, rods.tau_ef_l, rods.sigma_t_r, rods.eta_tau_l, rods.eta_sigma_r})
        EXPECT_EQ(plate_value, 0.0);

    d.verstaerkt = 0;  // the checkpoint of the unreinforced opening: eta = 1.244624
    ASSERT_EQ(run_opening(), 0);
    EXPECT_NEAR(d.zeilen_durchbruch[0].eta, 1.244624, 1e-6);
    for (double value : reinforcement_fields(d.zeilen_durchbruch[0])) EXPECT_EQ(value, 0.0);

    // Shear: a circular opening's row has no value of its own at the left edge.
    ASSERT_EQ(d.check_shear_reduced_section(), 0);
    ASSERT_GT(d.zeilen_schub[0].eta_l, 0.0);
    d.typ_durchbruch = 1;
    ASSERT_EQ(d.check_shear_reduced_section(), 0);
    EXPECT_EQ(d.zeilen_schub[0].eta_l, 0.0);
    EXPECT_EQ(d.zeilen_schub[0].eta_r, d.zeilen_schub[0].eta);
}
