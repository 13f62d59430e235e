// The steel and load-factor reports of the national-annex sets and the report of every part,
// with the values of the shipped "Deutschland" set (data/DATA/NAD/README.md) worked in by hand.
#include "output/nad_report_all.h"
#include "output/nad_report_ec0.h"
#include "output/nad_report_ec3.h"
#include "national_annex/nad_folders.h"
#include "national_annex/nad_registry.h"
#include "national_annex/nad_test_util.h"
#include "common/test_util.h"

namespace {

class NadReportEc3Ec0 : public NadFolders {
protected:
    void SetUp() override
    {
        NadFolders::SetUp();
        ship_both();
        nad_part_ec3();
    }
    template <class F>
    static std::string report(F writer)
    {
        return nadtest::text_of([&](FILE* f) { writer(f); });
    }
    static bool has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }
};

// Application 151: gamma_M0..M2 (1.00, 1.10, 1.25) and the accidental ones (1.00, 1.00, 1.15),
// lateral-torsional buckling with k_c from Table 6.6; none of the other parts.
TEST_F(NadReportEc3Ec0, SteelReportOfApplication151)
{
    application(151, 0);
    const std::string r = report(nad_ec3_report);
    const std::string general =
        "#SHOWTABLE\n0 0 1\n DIN EN 1993-1-1 (EC 3, Hochbau), NA Deutschland\n0 0 -1 -1\n#END_OF_TEXT\n";
    EXPECT_TRUE(has(r, general));
    const std::string factors =
        " 6.1(1)       st\204ndige/vor\201berg. Situation  Teilsicherheitsbeiwerte f\201r Baustahl\n"
        "              \300\316\\M0\316r     = 1.00                Querschnittsversagen                    \n"
        "              \300\316\\M1\316r     = 1.10                Stabilit\204tsversagen                     \n"
        "              \300\316\\M2\316r     = 1.25                Bruchversagen infolge Zug               \n"
        "              au\341ergew\224hnliche Situation    Teilsicherheitsbeiwerte f\201r Baustahl\n"
        "              \300\316\\M0\316r     = 1.00                Querschnittsversagen                    \n"
        "              \300\316\\M1\316r     = 1.00                Stabilit\204tsversagen                     \n"
        "              \300\316\\M2\316r     = 1.15                Bruchversagen infolge Zug               \n"
        " 6.3.2.2(2)   Faktor f zur Modifizierung    Biegedrillknicken\n";
    EXPECT_TRUE(has(r, factors)) << r;
    EXPECT_TRUE(has(r, "Beiwert k\316\\c\316r aus Tabelle 6.6"));
    for (const char* absent : {"EC 3, Anschl\201sse", "EC 3, Plattenbeulen", "EC 3, Erm\201dung", "EC 3, Kranbahnen",
                               "EC 3, Brandfall"})
        EXPECT_FALSE(has(r, absent)) << absent;
}

// The reports keep their decimal points when Qt set a German numeric locale.
TEST_F(NadReportEc3Ec0, ReportsKeepTheirPointUnderAGermanNumericLocale)
{
    application(151, 0);
    const std::string steel = report(nad_ec3_report), loads = report(nad_ec0_report);
    ASSERT_TRUE(has(steel, "= 1.10 "));
    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    EXPECT_EQ(report(nad_ec3_report), steel);
    EXPECT_EQ(report(nad_ec0_report), loads);
}

// With f given the f line is printed whatever kc_from_table holds; application 150 has the
// joints (gamma_M3 1.25, gamma_M3,ser 1.10).
TEST_F(NadReportEc3Ec0, SteelVariants)
{
    application(151, 0);
    nad_part_ec3()->ec3_1.f_given = 1;
    nad_part_ec3()->ec3_1.f_value = 0.95;
    EXPECT_TRUE(has(report(nad_ec3_report), " 6.3.2.3(2)   Faktor f = 0.95" + std::string(15, ' ') + "Berechnung"));
    EXPECT_TRUE(has(report(nad_ec3_report), "Berechnung des Abminderungsfaktors \274\316\\LT\316r"));
    // k_c given: the meaning reads "Abminderungsfaktor" in this variant only.
    nad_part_ec3()->ec3_1.f_given = 0;
    nad_part_ec3()->ec3_1.kc_from_table = 0;
    nad_part_ec3()->ec3_1.kc_value = 0.86;
    const std::string kc = report(nad_ec3_report);
    EXPECT_TRUE(has(kc, "Beiwert k\316\\c\316r = 0.860"));
    EXPECT_TRUE(has(kc, "Berechnung des Abminderungsfaktor \274\316\\LT\316r\n"));

    application(150, 0);
    const std::string r = report(nad_ec3_report);
    EXPECT_TRUE(has(r, " DIN EN 1993-1-8 (EC 3, Anschl\201sse), NA Deutschland\n"));
    EXPECT_TRUE(has(r, "              \300\316\\M3\316r     = 1.25                Gleitfestigkeit (Kat.C, GZT)"));
    EXPECT_TRUE(has(r, "              \300\316\\M3,ser\316r = 1.10                Gleitfestigkeit (Kat.B, GZG)"));
    EXPECT_TRUE(has(r, "                                            bzw. Beanspruchbarkeit von Schrauben,\n"));

    application(0, 1);   // every part: fatigue low 1.00/1.15 high, safe life 1.15/1.35
    const std::string all = report(nad_ec3_report);
    EXPECT_TRUE(has(all, "              1.00           1.15           Schadenstoleranz\n"));
    EXPECT_TRUE(has(all, "              1.15           1.35           Versagen ohne Vorank\201ndigung\n"));
    EXPECT_TRUE(has(all, " 3.1(1)       Anmerkung "));
}

// The load factors: buildings with the partial factors of Deutschland (gamma_G 1.35/1.00) and the
// combination factors; bridges print "a" for psi1 of "LM 71", "SW/0" and the earth pressure row
// and leave out kind 11.
TEST_F(NadReportEc3Ec0, LoadFactorReport)
{
    const std::string r = report(nad_ec0_report);
    EXPECT_TRUE(has(r, "#SHOWTABLE\n1 1 0\n Lastfaktoren (Hochbau) des nationalen Anhangs\n Deutschland\n"));
    // " %-33s  gamma gamma" and " %-33s %5.2lf %5.2lf": the name padded to 33 places.
    EXPECT_TRUE(has(r, "1 0 -1 -1 2\n 34 40\n Einwirkungsart" + std::string(33 - 14 + 2, ' ') +
                           "\300\316\\Fsup\316r \300\316\\Finf\316r\n st\204ndige Lasten" + std::string(33 - 15 + 2, ' ') +
                           "1.35  1.00\n"));
    // " %-30s   %-5s   %5.2lf ...": 16 letters of the row padded to 30, the category to 5.
    EXPECT_TRUE(has(r, " Wohn-, B\201ror\204ume" + std::string(30 - 16 + 3, ' ') + "A, B" + std::string(1 + 3 + 1, ' ') +
                           "0.70  0.50  0.30  0.30\n"));
    EXPECT_TRUE(has(r, " LM 71                               0.80   a    0.00\n"));
    EXPECT_TRUE(has(r, " SW/0                                0.80   a    0.00\n"));
    EXPECT_TRUE(has(r, " Horizontaler Erddruck infolge       0.80   a    0.00\n \232berschreitung der Verkehrslasten \n"));
    EXPECT_FALSE(has(r, "Bauausf\201hrung                         "));   // kind 11 of the partial factors
    EXPECT_TRUE(has(r, " \316Ha \316r 0.80 wenn nur 1 Gleis belastet wird\n"));

    // An application with bridge rules only starts with the bridges.
    nad_registry.has_current_row = 1;
    nad_registry.current_row = 0;
    nad_registry.rows[0].rules_defined = 1;
    char bridges_only[] = "01";
    nad_registry.rows[0].rules[0] = bridges_only;
    nad_registry.show_all_rules = 0;
    const std::string b = report(nad_ec0_report);
    EXPECT_FALSE(has(b, "Hochbau"));
    EXPECT_EQ(b.find("#SHOWTABLE\n1 0 0\n Nationale Anh\204nge zu den Eurocodes\n"), b.find("#SHOWTABLE"));
    nad_registry.rows[0].rules[0] = nullptr;
}

// The dispatcher writes EC2, EC3, EC5 and EC9 in that order and no EC6 report.
TEST_F(NadReportEc3Ec0, ReportOfEveryPart)
{
    const std::string r = report(nad_report_all);
    const size_t ec2 = r.find("(EC 2, Hochbau)"), ec3 = r.find("(EC 3, Hochbau)"), ec5 = r.find("(EC5)"),
                 ec9 = r.find("(EC 9)");
    ASSERT_NE(ec2, std::string::npos);
    ASSERT_NE(ec3, std::string::npos);
    ASSERT_NE(ec5, std::string::npos);
    ASSERT_NE(ec9, std::string::npos);
    EXPECT_LT(ec2, ec3);
    EXPECT_LT(ec3, ec5);
    EXPECT_LT(ec5, ec9);
    EXPECT_FALSE(has(r, "(EC 6)"));
    EXPECT_TRUE(has(report(nad_report_ec0_if_relevant), "Lastfaktoren (Hochbau)"));
}

} // namespace
