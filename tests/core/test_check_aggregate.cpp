// The calculation of a position: result list, largest utilisation and check counter.
#include "check_fixture.h"

#include "fasteners/fastener_tables.h"

#include <cmath>
#include <iterator>

TEST_F(CheckTest, AggregateListsEveryCheckInOrder)
{
    int err = -1;
    ASSERT_EQ(d.cal_nachweise(&err), 0);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(d.n_nachweise, 3);
    ASSERT_EQ(d.nachweise.size(), 3);
    // opening 1.244624, bending 0.435124, shear 1.410899 (see the single checks)
    EXPECT_EQ(d.nachweise[0].name, QString("Querzug am Durchbruch"));
    EXPECT_EQ(d.nachweise[0].kind, 0);
    EXPECT_NEAR(d.nachweise[0].eta, 1.244624, 1e-6);
    EXPECT_EQ(d.nachweise[1].name, QString("Biegung am Durchbruch"));
    EXPECT_EQ(d.nachweise[1].kind, 2);
    EXPECT_NEAR(d.nachweise[1].eta, 0.435124, 1e-6);
    EXPECT_EQ(d.nachweise[2].name, QString("Schub am reduzierten Querschnitt"));
    EXPECT_EQ(d.nachweise[2].kind, 3);
    EXPECT_NEAR(d.eta_max, 1.410899, 1e-6);
}

TEST_F(CheckTest, AggregateWithBendingAndShearOff)
{
    d.biegung = 0;
    d.schub = 0;
    d.zeilen_biegung.append(BendingCheckRow());  // left from an earlier run: not touched
    EXPECT_EQ(d.cal_nachweise(), 0);
    EXPECT_EQ(d.n_nachweise, 3);
    ASSERT_EQ(d.nachweise.size(), 1);
    EXPECT_EQ(d.zeilen_biegung.size(), 1);
    EXPECT_NEAR(d.eta_max, 1.244624, 1e-6);
}

// A position without loads was not checked: the error word carries bit 0
// ("Keine Lasten definiert!"), the opening entry is left out and nothing can show as fulfilled.
TEST_F(CheckTest, AggregateWithoutLoadsReportsTheError)
{
    d.lasten.clear();
    int err = 0;
    EXPECT_EQ(d.cal_nachweise(&err), 1);
    EXPECT_EQ(err, 1);
    EXPECT_EQ(d.n_nachweise, 3);
    ASSERT_EQ(d.nachweise.size(), 2);
    EXPECT_EQ(d.nachweise[0].kind, 2);
    EXPECT_EQ(d.nachweise[0].eta, -1.0);
    EXPECT_EQ(d.nachweise[1].eta, -1.0);
    EXPECT_GT(d.eta_max, 1.009);
    EXPECT_TRUE(std::isinf(d.eta_max));
}

TEST_F(CheckTest, AggregateDegenerateLoadIsNeverFulfilled)
{
    d.lasten.append(load(1, 1, 0.0, 3));  // k_mod 0 beside a normal load
    d.cal_nachweise();
    ASSERT_EQ(d.nachweise.size(), 3);
    for (const CheckResult& r : d.nachweise) EXPECT_TRUE(std::isinf(r.eta)) << r.name.toStdString();
    EXPECT_TRUE(std::isinf(d.eta_max));
}

// The chosen screw's dimensions come from its product's table, the washer from the product's series.
TEST_F(CheckTest, AggregateTakesScrewDataAndWasherSeries)
{
    FastenerTable* tables[] = {&fastener_table_spax_s_vg, &fastener_table_assy_plus_vg_z,
                               &fastener_table_assy_plus_vg_s};
    FastenerTable saved[3];
    for (int i = 0; i < 3; ++i) {
        saved[i] = *tables[i];
        FastenerTable& t = *tables[i];
        t = FastenerTable();
        t.row_count = 2;
        t.rows[1].d = 8;
        t.rows[1].d1 = 5.3;
        t.rows[1].dk = 10 + i;
        t.rows[1].n_l = 2;
        t.rows[1].lengths[0] = 280;
        t.rows[1].lengths[1] = 300;
        t.rows[1].effective_lengths[0] = 270;
        t.rows[1].effective_lengths[1] = 290;
    }
    struct Case {
        int product, washer_kind;
        double dk, d_unterleg;
    };
    // d = 8: series 3 [7, 9) -> 25; series 0 [7, 9) -> 28; series 1 -> 28; series 2 -> 25
    const Case cases[] = {{13, 1, 10, 25}, {14, 2, 11, 28}, {15, 1, 12, 28}, {15, 2, 12, 25}};
    for (const Case& c : cases) {
        d.verstaerkt = 1;
        d.verst_typ = 2;
        d.typ_schraube = c.product;
        d.unterleg_art = c.washer_kind;
        d.d_schraube = 1;
        d.l_schraube = 1;
        d.cal_nachweise();
        EXPECT_DOUBLE_EQ(d.sc_d, 8) << c.product;
        EXPECT_DOUBLE_EQ(d.sc_d1, 5.3) << c.product;
        EXPECT_DOUBLE_EQ(d.sc_dk, c.dk) << c.product;
        EXPECT_DOUBLE_EQ(d.sc_l, 300) << c.product;
        EXPECT_DOUBLE_EQ(d.sc_lef, 290) << c.product;
        EXPECT_DOUBLE_EQ(d.d_unterleg, c.d_unterleg) << c.product << "/" << c.washer_kind;
    }
    // A length index beyond the row's lengths keeps the length taken before.
    d.l_schraube = 5;
    d.cal_nachweise();
    EXPECT_DOUBLE_EQ(d.sc_l, 300);
    for (int i = 0; i < 3; ++i) *tables[i] = saved[i];
}

// Loads that share a class share its design values; a typed k_mod (class 8) or an accidental class
// gets its own. Checkpoint beam, F_t90 = 3.515584 kN, tau = 3.907106 N/mm², glued-in rods as in
// the reinforcement tests; f_t90,d = 0.4 k_mod / γ_M, R_t90,d = 0.001 * 0.5 * 170 * 120 * f_t90,d,
// f_m,d = 24 k_mod / γ_M, f_v,d = 4 k_mod / γ_M, f_k1,d = 4 k_mod / γ_M.
TEST_F(CheckTest, AggregateTakesEachLoadsOwnClassValues)
{
    struct Case {
        int kled;
        double kmod, gamma_m, ft90d, eta_opening, fmd, fvd, eta_shear, gamma_m2;
    };
    const Case cases[] = {
        // 0.4 * 0.6 / 1.3 = 0.184615, R = 1.883077, eta = 1.866936; tau / 1.846154 = 2.116349
        {8, 0.6, 1.3, 0.184615, 1.866936, 11.076923, 1.846154, 2.116349, 1.25},
        // 0.4 * 1.1 / 1.3 = 0.338462, R = 3.452308, eta = 1.018329; tau / 3.384615 = 1.154372
        {8, 1.1, 1.3, 0.338462, 1.018329, 20.307692, 3.384615, 1.154372, 1.25},
        {8, 0.6, 1.3, 0.184615, 1.866936, 11.076923, 1.846154, 2.116349, 1.25},
        // accidental, γ_M 1.0: 0.4 * 1.1 = 0.44, R = 4.488, eta = 0.783330; tau / 4.4 = 0.887979
        {6, 1.1, 1.0, 0.44, 0.783330, 26.4, 4.4, 0.887979, 1.15},
        // the checkpoint: 0.276923, eta 1.244624; tau / 2.769231 = 1.410899
        {3, 0.9, 1.3, 0.276923, 1.244624, 16.615385, 2.769231, 1.410899, 1.25},
    };
    for (bool rods : {false, true}) {
        SetUp();
        if (rods) use_rods();
        d.lasten.clear();
        for (const Case& c : cases) d.lasten.append(load(10, 5, c.kmod, c.kled));
        ASSERT_EQ(d.cal_nachweise(), 0);
        for (int i = 0; i < int(std::size(cases)); ++i) {
            const Case& c = cases[i];
            const OpeningCheckRow& o = d.zeilen_durchbruch[i];
            EXPECT_DOUBLE_EQ(o.gamma_m, c.gamma_m) << i;
            EXPECT_NEAR(o.ft90d, c.ft90d, 1e-6) << i;
            EXPECT_NEAR(d.zeilen_biegung[i].fmd, c.fmd, 1e-6) << i;
            EXPECT_NEAR(d.zeilen_schub[i].fvd, c.fvd, 1e-6) << i;
            EXPECT_NEAR(d.zeilen_schub[i].eta, c.eta_shear, 1e-6) << i;
            if (rods) {
                // f_k1,d follows f_v,d's factor 4 k_mod / γ_M; γ_M2 1.15 in the accidental situation
                EXPECT_NEAR(o.fk1d, c.fvd, 1e-6) << i;
                EXPECT_DOUBLE_EQ(o.gamma_m2, c.gamma_m2) << i;
            } else {
                EXPECT_NEAR(o.eta, c.eta_opening, 1e-6) << i;
                EXPECT_EQ(o.fk1d, 0.0) << i;
            }
        }
    }
}
