// The demo position of the shipped demo environment calculates.
#include "check_fixture.h"

#include "core/position_file.h"

#include <fstream>
#include <sstream>

// Demo: GL30h (code 2, grade 5), b 120, h 240, h_ro = h_ru = 70, a 100, unreinforced; two loads:
// V 6.5, M 4.2 / 4.8, k_mod 0.6, class 0, and V 12.5, M 7.9 / 8.6, k_mod 0.9, class 3.
TEST_F(CheckTest, DemoPositionCalculates)
{
    std::ifstream in(TAVO_SOURCE_DATA_DIR "/../demo/work/DEMO_01.inp", std::ios::binary);
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
