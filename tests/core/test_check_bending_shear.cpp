// Bending in the chords beside an opening and shear in the reduced section.
#include "check_fixture.h"

#include <cmath>
#include <vector>

namespace {
// Section of the checkpoint beam: A_o = A_u = 8400, z_s = 120,
// I_nz = 120 * (2 * 70³/12 + 2 * 70 * 85²) = 128,240,000 mm⁴, W_no = W_nu = 1,068,666.7 mm³,
// W_o = W_u = 120 * 70² / 6 = 98,000 mm³.
// C24, h = 240 > 150: no size factor; f_m,d = 24 * 0.9 / 1.3 = 16.615385,
// f_t,0,d = 14.5 * 0.9 / 1.3 = 10.038462, f_c,0,d = 21 * 0.9 / 1.3 = 14.538462.
int run(TAVO52_DATA& d, const char* slot)
{
    int r = -99;
    QMetaObject::invokeMethod(&d, slot, Qt::DirectConnection, Q_RETURN_ARG(int, r));
    return r;
}
}  // namespace

TEST_F(CheckTest, BendingCheckpoint)
{
    ASSERT_EQ(run(d, "cal_Biegung"), 0);
    EXPECT_EQ(d.n_nachweise, 1);
    EXPECT_DOUBLE_EQ(d.z_s, 120.0);
    EXPECT_NEAR(d.i_nz, 128240000.0, 1e-3);
    EXPECT_NEAR(d.w_no, 1068666.667, 1e-3);
    EXPECT_NEAR(d.w_o, 98000.0, 1e-9);
    EXPECT_DOUBLE_EQ(d.fmk, 24.0);
    EXPECT_DOUBLE_EQ(d.k_h, 1.0);
    const BendingCheckRow& r = d.zeilen_biegung[0];
    // M_o = 0.0005 * 100 * 10 * 70 / 140 = 0.25 kNm
    EXPECT_NEAR(r.m_o, 0.25, 1e-12);
    EXPECT_NEAR(r.sigma_m_o, -4.678728, 1e-6);     // -5e6 / 1068666.7
    EXPECT_NEAR(r.delta_sigma_o, -2.551020, 1e-6); // -0.25e6 / 98000
    EXPECT_NEAR(r.sigma_o, -7.229748, 1e-6);
    EXPECT_NEAR(r.sigma_u, 7.229748, 1e-6);
    // eta = 7.229748 / 16.615385 = 0.435124
    EXPECT_NEAR(r.eta, 0.435124, 1e-6);
    EXPECT_NEAR(d.eta_biegung, 0.435124, 1e-6);
}

// With N = -50 kN: sigma_N = -50000 / 16800 = -2.976190.
//   compressed edge: 0.435124 + (2.976190 / 14.538462)² = 0.435124 + 0.041907 = 0.477031
//   other edge (sigma = 4.253557 > 0): 0.435124 - 2.976190 / 10.038462 = 0.138645
// A negative moment turns the chord moments with it, so the two edges swap.
TEST_F(CheckTest, BendingSignOfMomentAndAxialForce)
{
    d.lasten[0] = load(10, 5, 0.9, 3, -50);
    run(d, "cal_Biegung");
    EXPECT_NEAR(d.zeilen_biegung[0].eta_o, 0.477031, 1e-6);
    EXPECT_NEAR(d.zeilen_biegung[0].eta_u, 0.138645, 1e-6);

    d.lasten[0] = load(-10, -5, 0.9, 3, -50);
    run(d, "cal_Biegung");
    const BendingCheckRow& r = d.zeilen_biegung[0];
    EXPECT_DOUBLE_EQ(r.v, 10.0);
    EXPECT_NEAR(r.m_o, -0.25, 1e-12);
    EXPECT_NEAR(r.delta_sigma_o, 2.551020, 1e-6);
    EXPECT_NEAR(r.eta_o, 0.138645, 1e-6);
    EXPECT_NEAR(r.eta_u, 0.477031, 1e-6);
    EXPECT_NEAR(d.eta_biegung, 0.477031, 1e-6);
}

// Compression on the tension edge may give that edge a negative sum; it is a result, not a fault.
//   M 5, V 0, N -60: sigma_N = -60000 / 16800 = -3.571429, sigma_m = 5e6 / 1068666.7 = 4.678728
//   top: sigma_o = -8.250157 < 0: 4.678728 / 16.615385 + (3.571429 / 14.538462)² = 0.281590 + 0.060345 = 0.341935
//   bottom: sigma_u = 1.107299 >= 0: 0.281590 - 3.571429 / 10.038462 = 0.281590 - 0.355774 = -0.074184
TEST_F(CheckTest, BendingCompressionOnTensionEdgeIsNoFault)
{
    d.lasten[0] = load(0, 5, 0.9, 3, -60);
    d.check_bending_at_opening();
    EXPECT_NEAR(d.zeilen_biegung[0].eta_o, 0.341935, 1e-6);
    EXPECT_NEAR(d.zeilen_biegung[0].eta_u, -0.074184, 1e-6);
    EXPECT_NEAR(d.eta_biegung, 0.341935, 1e-6);
}

TEST_F(CheckTest, ShearCheckpoint)
{
    ASSERT_EQ(run(d, "cal_Schub"), 0);
    EXPECT_EQ(d.n_nachweise, 1);
    // k_cr = 2.0 / 4.0 = 0.5; A_ef = 0.5 * 140 * 120 = 8400
    EXPECT_DOUBLE_EQ(d.k_cr, 0.5);
    EXPECT_DOUBLE_EQ(d.a_ef, 8400.0);
    // kappa_max = 1.84 * (1 + 100/240) * (100/240)^0.2 = 2.187980
    EXPECT_NEAR(d.kappa_max, 2.187980, 1e-6);
    const ShearCheckRow& r = d.zeilen_schub[0];
    // tau = 1500 * 2.187980 * 10 / 8400 = 3.907106; f_v,d = 4 * 0.9 / 1.3 = 2.769231; eta = 1.410899
    EXPECT_NEAR(r.tau_l, 3.907106, 1e-6);
    EXPECT_NEAR(r.fvd, 2.769231, 1e-6);
    EXPECT_NEAR(r.eta, 1.410899, 1e-6);
    EXPECT_NEAR(d.eta_schub, 1.410899, 1e-6);
}

TEST_F(CheckTest, ShearCircularWithAndWithoutKappa)
{
    d.typ_durchbruch = 1;
    d.lasten[0].v_l = -4;   // mean |(-4) + 24| / 2 = 10
    d.lasten[0].v_r = 24;
    d.schub_kappa_kreis = 0;
    run(d, "cal_Schub");
    // tau = 1500 * 10 / 8400 = 1.785714; eta = 1.785714 / 2.769231 = 0.644841
    EXPECT_NEAR(d.zeilen_schub[0].tau_l, 1.785714, 1e-6);
    EXPECT_NEAR(d.eta_schub, 0.644841, 1e-6);
    EXPECT_EQ(d.zeilen_schub[0].eta_l, 0.0);
    d.schub_kappa_kreis = 1;
    run(d, "cal_Schub");
    EXPECT_NEAR(d.eta_schub, 1.410899, 1e-6);  // as the rectangular checkpoint
}

TEST_F(CheckTest, SwitchedOffSlotsCountButDoNotRun)
{
    d.biegung = 0;
    d.schub = 0;
    EXPECT_EQ(run(d, "cal_Biegung"), 1);
    EXPECT_EQ(run(d, "cal_Schub"), 1);
    EXPECT_EQ(d.n_nachweise, 2);
    EXPECT_TRUE(d.zeilen_biegung.isEmpty());
    EXPECT_TRUE(d.zeilen_schub.isEmpty());
}

TEST_F(CheckTest, DegenerateSectionsFailBendingAndShear)
{
    const double inf = std::numeric_limits<double>::infinity();
    d.h_ro = 0;  // no upper chord
    d.check_bending_at_opening();
    d.check_shear_reduced_section();
    EXPECT_EQ(d.eta_biegung, inf);

    SetUp();
    d.lasten[0].kmod = 0;
    d.check_bending_at_opening();
    d.check_shear_reduced_section();
    EXPECT_EQ(d.eta_biegung, inf);
    EXPECT_EQ(d.eta_schub, inf);

    SetUp();
    d.h = 0;
    d.h_ro = d.h_ru = 0;
    d.check_shear_reduced_section();
    EXPECT_EQ(d.eta_schub, inf);
}

// GL22h compresses at f_c,0,k = 22 N/mm² (EN 14080:2013), not 22.5.
//   f_c,0,d = 22 * 0.9 / 1.3 = 15.230769
//   N = -50 kN: sigma_N = -50000 / 16800 = -2.976190; (2.976190 / 15.230769)² = 0.038183
TEST_F(CheckTest, BendingGl22hCompressionStrength)
{
    d.holzart = 2;
    d.holzguete = 1;
    d.lasten[0] = load(10, 5, 0.9, 3, -50);
    run(d, "cal_Biegung");
    const BendingCheckRow& r = d.zeilen_biegung[0];
    EXPECT_DOUBLE_EQ(d.fc0k, 22.0);
    EXPECT_NEAR(r.fc0d, 15.230769, 1e-6);
    // the compressed edge carries the bending term plus (sigma_N / f_c,0,d)²
    EXPECT_NEAR(r.eta_o - std::fabs(r.sigma_m_o + r.delta_sigma_o) / r.fmd, 0.038183, 1e-6);
}

// Each row takes γ_M of its own load's class, also when a second run puts other classes into the
// rows: 1.3 for solid timber, 1.0 in the accidental classes 6 and 7.
// f_m,d = 24 · 1.1 / 1.0 = 26.4 and f_v,d = 4 · 1.1 / 1.0 = 4.4 (accidental);
// f_m,d = 24 · 0.9 / 1.3 = 16.615385 and f_v,d = 4 · 0.9 / 1.3 = 2.769231 (class 3).
TEST_F(CheckTest, BendingAndShearRowsTakeTheirLoadsPartialFactor)
{
    struct Case {
        int kled;
        double kmod, gamma_m, fmd, fvd;
    };
    const Case normal = {3, 0.9, 1.3, 16.615385, 2.769231};
    const Case accidental = {6, 1.1, 1.0, 26.4, 4.4};
    const Case accidental7 = {7, 1.1, 1.0, 26.4, 4.4};
    const std::vector<std::vector<Case>> runs = {{accidental, normal, accidental7}, {normal, accidental7, normal}};
    for (const std::vector<Case>& cases : runs) {
        d.lasten.clear();
        for (const Case& c : cases) d.lasten.append(load(10, 5, c.kmod, c.kled));
        ASSERT_EQ(run(d, "cal_Biegung"), 0);
        ASSERT_EQ(run(d, "cal_Schub"), 0);
        for (int i = 0; i < int(cases.size()); ++i) {
            EXPECT_DOUBLE_EQ(d.zeilen_biegung[i].gamma_m, cases[i].gamma_m) << i;
            EXPECT_DOUBLE_EQ(d.zeilen_schub[i].gamma_m, cases[i].gamma_m) << i;
            EXPECT_NEAR(d.zeilen_biegung[i].fmd, cases[i].fmd, 1e-6) << i;
            EXPECT_NEAR(d.zeilen_schub[i].fvd, cases[i].fvd, 1e-6) << i;
        }
    }
}
