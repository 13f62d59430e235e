// An unreinforced glulam position and the national-annex set shipped with the program calculate.
#include "check_fixture.h"

#include "core/position_file.h"
#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

// GL30h (code 2, grade 5), b 120, h 240, h_ro = h_ru = 70, a 100, unreinforced; two loads:
// V 6.5, M 4.2 / 4.8, k_mod 0.6, class 0, and V 12.5, M 7.9 / 8.6, k_mod 0.9, class 3.
TEST_F(CheckTest, UnreinforcedGlulamPositionCalculates)
{
    std::ifstream in(TAVO_TEST_DATA_DIR "/unreinforced_glulam.inp", std::ios::binary);
    ASSERT_TRUE(in.good());
    std::stringstream bytes;
    bytes << in.rdbuf();
    parse_position_data(d, bytes.str());
    ASSERT_EQ(d.lasten.size(), 2);

    int err = -1;
    EXPECT_EQ(d.cal_nachweise(&err), 0);
    EXPECT_EQ(err, 0);
    ASSERT_EQ(d.nachweise.size(), 3);
    // Opening, load 2, right edge: F_tV = 12.5 * 100 / 960 * 2.8263889 = 3.680194,
    //   F_tM = 0.008 * 8600 / 70 = 0.982857; R = 0.001 * 0.5 * 170 * 120 * (0.5 * 0.9 / 1.3) = 3.530769
    //   eta = 4.663051 / 3.530769 = 1.320690
    EXPECT_NEAR(d.nachweise[0].eta, 1.320690, 1e-6);
    // Bending, load 2: k_h = min(2.5^0.1, 1.1) = 1.095958, f_m,d = 30 * 1.095958 * 0.9 / 1.3 = 22.762209;
    //   M = 8.25, M_o = 0.0005 * 100 * 12.5 * 0.5 = 0.3125;
    //   |sigma| = 8.25e6 / 1068666.7 + 0.3125e6 / 98000 = 7.719900 + 3.188776 = 10.908676; eta = 0.479245
    EXPECT_NEAR(d.k_h, 1.095958, 1e-6);
    EXPECT_NEAR(d.nachweise[1].eta, 0.479245, 1e-6);
    // Shear, load 2: k_cr = 2.5 / 3.5, A_ef = 0.714286 * 140 * 120 = 12000;
    //   tau = 1500 * 2.187980 * 12.5 / 12000 = 3.418718; f_v,d = 3.5 * 0.9 / 1.3 = 2.423077; eta = 1.410899
    EXPECT_NEAR(d.a_ef, 12000.0, 1e-9);
    EXPECT_NEAR(d.nachweise[2].eta, 1.410899, 1e-6);
    EXPECT_NEAR(d.eta_max, 1.410899, 1e-6);
}

// The shipped German set carries the factors the checks above assume: gamma_M 1.3, accidental 1.0,
// the German crack factors and gamma_M2 1.25 / 1.15 for accidental situations.
TEST_F(CheckTest, ShippedGermanSetGivesTheCheckpoint)
{
    FILE* f = std::fopen(TAVO_SOURCE_DATA_DIR "/DATA/NAD/Deutschland.NAD", "rb");
    ASSERT_NE(f, nullptr);
    std::unique_ptr<NadSet> set(new NadSet());
    ASSERT_EQ(nad_read_set(f, set.get()), 1);
    std::fclose(f);
    cur_ec5_params = &set->ec5;
    cur_ec3_params = &set->ec3;

    d.cal_nachweise();
    ASSERT_EQ(d.nachweise.size(), 3);
    EXPECT_NEAR(d.nachweise[0].eta, 1.244624, 1e-6);  // as RectangularOpeningCheckpoint
    EXPECT_NEAR(d.nachweise[1].eta, 0.435124, 1e-6);  // as BendingCheckpoint
    EXPECT_NEAR(d.nachweise[2].eta, 1.410899, 1e-6);  // as ShearCheckpoint (k_cr 0.5)

    // Rods d_r 6 in an earthquake load: as RodsInAccidentalSituationTakeAccidentalGammaM2
    use_rods();
    d.lasten[0] = load(10, 5, 1.1, 7);
    d.cal_nachweise();
    EXPECT_DOUBLE_EQ(d.zeilen_durchbruch[0].gamma_m2, 1.15);
    EXPECT_NEAR(d.zeilen_durchbruch[0].eta_bond_l, 0.302772, 1e-6);
}
