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
//   Upper crack line (60 deep): no washer min(22000, max(5139.364, 1518.448)) = 5139.364 N,
//   washer 28: min(22000, 9157.412) = 9157.412 N.
//   Lower crack line (60 + 160 = 220 deep, t1 220, t2 100): point side p = 80,
//   R_ax2 = 11 * 8 * 80 * 1.168037 = 8222.983 N; head-side thread min(290 + 220 - 300, 220 - 10) = 210,
//   R_ax1 = 88 * 210 * 1.168037 = 21585.329 N; no washer min(8222.983, 21585.329) = 8222.983 N > 5139.364,
//   washer 28: min(8222.983, max(21585.329, 9157.412)) = 8222.983 N < 9157.412, which governs.
//   F_t90: F_tV = 10 * 160 / 1280 * (3 - 0.25) = 3.4375, F_tM = 40 / 60 = 0.666667 -> 4.104167 kN
TEST_F(CheckTest, ScrewsWithAndWithoutWasher)
{
    struct Case {
        const char* what;
        int washer;
        double raxk, rax1k, rax2k, eta;
    };
    const Case cases[] = {
        // R_ax,d = 5.139364 * 0.9 / 1.3 = 3.558021; eta = 4.104167 / (2 * 3.558021) = 0.576748
        {"no washer", 0, 5.139364, 5.139364, 22.0, 0.576748},
        // lower line: R_ax,d = 8.222983 * 0.9 / 1.3 = 5.692834; eta = 4.104167 / 11.385668 = 0.360467
        {"washer 28", 1, 8.222983, 21.585329, 8.222983, 0.360467},
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
        EXPECT_NEAR(d.rax2k, c.rax2k, 1e-5) << c.what;
        EXPECT_NEAR(d.rax1k, c.rax1k, 1e-5) << c.what;
        EXPECT_NEAR(d.raxk, c.raxk, 1e-5) << c.what;
        EXPECT_NEAR(d.eta_durchbruch, c.eta, 1e-5) << c.what;
    }
}

// A screw beside the opening crosses both crack lines; either may open, so the screw must hold at
// both. At each line it joins the part of the beam on its head's side (t1, from the face it enters)
// to the part beyond (point side p), and the smaller capacity governs.
// GL24h (code 2, grade 2, rho_k 385), b 160, h 600; one SPAX fully threaded countersunk screw
// (type 13) per side, d 10, d1 6.4, dk 18.5, thread l_g = l - 12, no washer; German set.
//   f_ax = 11.5 (d 10); k_rho = (385/350)^0.8 = 1.1^0.8 = 1.0792303
//   F_ax,2 = f_ax d p k_rho = 115 p k_rho (point side, at most F_t = 28000 N)
//   F_ax,1 = 115 (l_g - p) k_rho (thread on the head's side)
//   head: f_head = 11 + 0.2 (16 - 18.5) = 10.5, t1 / d_k >= 3 -> 1.3:
//         F_head = 10.5 * 18.5² * 1.3 * k_rho = 4671.7125 * 1.0792303 = 5041.85 N
//   R = min(F_ax,2, max(F_ax,1, F_head)) at each line; the smaller line governs.
// Crack lines from the top face: rectangular h_ro and h_ro + h_d, circular h_ro + 0.15 h_d and
// h_ro + 0.85 h_d.
TEST_F(CheckTest, ScrewsHoldAtBothCrackLines)
{
    struct Case {
        const char* what;
        int circular, from_bottom;
        double h_ro, h_ru, l;
        double l_ad_o, l_ad_u;         // the table of embedded lengths
        double raxk, rax1k, rax2k;     // kN, of the governing line
        int lower_governs;
    };
    const Case cases[] = {
        // The example: h_d = 160, upper line 244 deep: p = 196, 115 * 196 k_rho = 24.326 kN;
        // lower line 220 + 136 = 356 deep: p = 440 - 356 = 84: 115 * 84 k_rho = 9660 k_rho = 10.425365,
        // head side 115 * (428 - 84) k_rho = 39560 k_rho = 42.694352.
        {"circular from the top", 1, 0, 220, 220, 440, 244, 84, 10.425365, 42.694352, 10.425365, 1},
        // h_d 160: l_ad_u = 240 + 24 = 264, l_ad_o = 440 - 240 - 136 = 64. Lower line (next to the head):
        // p = 176, 115 * 176 k_rho = 21.84; upper line 376 from the bottom: p = 64,
        // 115 * 64 k_rho = 7360 k_rho = 7.943135, head side 115 * 364 k_rho = 45.176582.
        {"circular from the bottom", 1, 1, 200, 240, 440, 64, 264, 7.943135, 45.176582, 7.943135, 0},
        // Upper line 220 deep: p = 220, min(115 * 220, max(115 * 208, F_head)) k_rho = 25.81; lower
        // line 380 deep: p = 60, 6900 k_rho = 7.446689, head side 115 * 368 k_rho = 45.673028.
        {"rectangular from the top", 0, 0, 220, 220, 440, 220, 60, 7.446689, 45.673028, 7.446689, 1},
        // l 480, l_g 468: lower line 240 from the bottom: p = 240, max(115 * 228, F_head) k_rho = 28.30;
        // upper line 400 from the bottom: p = 80, 9200 k_rho = 9.928919, head side 115 * 388 k_rho = 48.155258.
        {"rectangular from the bottom", 0, 1, 200, 240, 480, 80, 240, 9.928919, 48.155258, 9.928919, 0},
        // The head on the short side: l 520, l_g 508, h_ro 150. Upper line 150 deep: p = 370,
        // F_ax,2 = min(115 * 370 k_rho = 45.92, 28.0) = 28.0; head side max(115 * 138 k_rho = 17.127386,
        // F_head 5.041854) = 17.127386. Lower line 310 deep: p = 210, 115 * 210 k_rho = 26.06. The upper governs.
        {"rectangular, head side short", 0, 0, 150, 290, 520, 150, 210, 17.127386, 17.127386, 28.0, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        d.typ_durchbruch = c.circular;
        d.b = 160;
        d.h = 600;
        d.h_ro = c.h_ro;
        d.h_ru = c.h_ru;
        d.a = 160;
        d.holzart = 2;
        d.holzguete = 2;
        d.verstaerkt = 1;
        d.verst_typ = 2;
        d.typ_schraube = 13;
        d.sc_d = 10;
        d.sc_d1 = 6.4;
        d.sc_dk = 18.5;
        d.sc_l = c.l;
        d.sc_lef = c.l - 12;
        d.n_sc = 1;
        d.unten_sc = c.from_bottom;
        d.unten_gs = !c.from_bottom;  // the rods' side must not matter
        ASSERT_EQ(run_opening(), 0) << c.what;
        EXPECT_DOUBLE_EQ(d.l_ad_o, c.l_ad_o) << c.what;
        EXPECT_DOUBLE_EQ(d.l_ad_u, c.l_ad_u) << c.what;
        EXPECT_NEAR(d.raxk, c.raxk, 1e-5) << c.what;
        EXPECT_NEAR(d.rax1k, c.rax1k, 1e-5) << c.what;
        EXPECT_NEAR(d.rax2k, c.rax2k, 1e-5) << c.what;
        EXPECT_NEAR(d.raxheadk, 5.041854, 1e-5) << c.what;
        EXPECT_EQ(d.sc_riss_unten, c.lower_governs) << c.what;
        if (c.circular && !c.from_bottom) {
            // The example's utilisation: F_tV = 10 * 112 / 2400 * (3 - 112² / 600²) = 1.383739,
            // F_tM = 0.008 * 5000 / 244 = 0.163934 -> F_t90 = 1.547673 kN;
            // R_ax,d = 10.425365 * 0.9 / 1.3 = 7.217561 kN; eta = 1.547673 / 7.217561 = 0.214431.
            EXPECT_NEAR(d.zeilen_durchbruch[0].rax_d_screw, 7.217561, 1e-5);
            EXPECT_NEAR(d.eta_durchbruch, 0.214431, 1e-5);
        }
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
