// The calculation of a position: result list, largest utilisation and check counter.
#include "check_fixture.h"

#include <cmath>

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
