// The concrete report of the national-annex sets: lines chosen by the rule flags, the fixed
// or formula form of each switch, the annex's own rules, and the fire and bridge parts.
#include "output/nad_report_ec2.h"
#include "national_annex/nad_folders.h"
#include "national_annex/nad_rules.h"
#include "national_annex/nad_test_util.h"
#include "platform/viewer/oli_viewer.h"

namespace {

class NadReportEc2 : public NadFolders {
protected:
    NadEc2Block* b = nullptr;
    void SetUp() override
    {
        NadFolders::SetUp();
        ship_both();
        b = nad_part_ec2();
        ASSERT_TRUE(b);
        b->gamma_c[0] = 1.5;
        b->gamma_s[0] = 1.15;
        b->gamma_c_bridges[0] = 1.35;
        b->gamma_s_bridges[0] = 1.1;
        b->rho_w_min = 0.16;
        b->as_min_column = 0.15;
        b->as_min_column_floor = 0.003;
        b->beta1 = 0.25;
        b->beta2 = 0.5;
    }
    static std::string report()
    {
        return nadtest::text_of([](FILE* f) { nad_ec2_report(f); });
    }
    static bool has(const std::string& r, const char* piece) { return r.find(piece) != std::string::npos; }
};

const char kPersistentFactors[] =
    "              \300\316\\c\316r = 1.50   \300\316\\s\316r = 1.15         st\204ndige und vor\201bergehende Bemessungssituation\n";
const char kBridgeFactors[] =
    "              \300\316\\c\316r = 1.35   \300\316\\s\316r = 1.10         st\204ndige und vor\201bergehende Bemessungssituation\n";
const char kColumnWithFloor[] =
    " 9.5.2(2)     A\316\\s,min\316r = 0.150 N\316\\Ed\316r/f\316\\yd\316r\n"
    "                     \362 0.003 A\316\\c\316r             Mindestbewehrung f\201r St\201tzen [cm\375]\n";

} // namespace

TEST_F(NadReportEc2, AllRulesOfDeutschland)
{
    b->country = 1;
    b->lambda_lim_mode = 2;
    b->as_min_beam_mode = 2;
    b->rho_w_min_mode = 2;
    b->as_vmin_wall_mode = 2;
    b->as_min_column_mode = 2;
    const std::string r = report();
    EXPECT_EQ(r.find("#SHOWTABLE\n1 1 0\n Ausgew\204hlte Bemessungsparameter des nationalen Anhangs\n Deutschland\n"
                     "0 0 -1 -1\n#END_OF_TEXT\n"),
              r.find("#SHOWTABLE"));
    EXPECT_TRUE(has(r, "#SHOWTABLE\n0 0 1\n DIN EN 1992-1-1 (EC 2, Hochbau), NA Deutschland\n0 0 -1 -1\n#END_OF_TEXT\n"));
    EXPECT_TRUE(has(r, "#SHOWTABLE\n0 0 1\n DIN EN 1992-1-2 (EC 2, Brandfall), NA Deutschland\n"));
    EXPECT_TRUE(has(r, "#SHOWTABLE\n0 0 1\n DIN EN 1992-2 (EC 2, Betonbr\201cken), NA Deutschland\n"));
    EXPECT_TRUE(has(r, kPersistentFactors)) << r;
    // The annex gives its own rules in place of these formulas.
    EXPECT_TRUE(has(r, " 5.8.3.1(1)   \305\316\\lim\316r s. NA-DE                 Grenzwert der Schlankheit"));
    EXPECT_TRUE(has(r, " 9.2.1.1(1)   A\316\\s,min\316r s. NA-DE               Mindestbewehrung f\201r Balken"));
    EXPECT_TRUE(has(r, " 9.2.2(5)     \313\316\\w,min\316r s. NA-DE               Mindestbewehrungsgrad"));
    EXPECT_TRUE(has(r, " 9.6.2(1)     A\316\\s,vmin\316r s. NA-DE              Vertikale"));
    EXPECT_TRUE(has(r, " 12.6.3(2)    k\316\\p\316r s. NA-DE                   unbew.Beton"));
    EXPECT_TRUE(has(r, kColumnWithFloor));
    // beta_1 under 9.2.1.2, beta_2 under 9.2.1.4
    EXPECT_TRUE(has(r, " 9.2.1.2(1)   \273\316\\1\316r = 0.25                     Mindestst\201tzmomente"));
    EXPECT_TRUE(has(r, " 9.2.1.4(1)   \273\316\\2\316r = 0.50                     Verankerung"));
    // The viewer reads the heading and the title and table of each of the three parts whole (the
    // buildings' table in three: the exposure classes under their own sub-heading).
    const oliview::Document doc = oliview::parse(r.data(), r.size());
    int tables = 0;
    for (const oliview::Block& block : doc.blocks)
        if (block.kind == oliview::Block::Table && block.complete) ++tables;
    EXPECT_EQ(tables, 9);

    // The fixed-value switch prints its value even with the annex.
    b->rho_w_min_mode = 1;
    b->as_min_column_mode = 1;
    b->as_min_column_floor = 0;   // no lower bound: no continuation line
    const std::string fixed = report();
    EXPECT_TRUE(has(fixed, " 9.2.2(5)     \313\316\\w,min\316r = 0.160                Mindestbewehrungsgrad"));
    EXPECT_TRUE(has(fixed, " 9.5.2(2)     A\316\\s,min\316r = 0.15                 Mindestbewehrung f\201r St\201tzen [cm\375]\n"));
}

TEST_F(NadReportEc2, FormulasWithoutTheAnnex)
{
    b->country = 0;
    b->rho_w_min_mode = 2;
    b->k_p = 1.5;
    const std::string r = report();
    EXPECT_TRUE(has(r, " 9.2.2(5)     \313\316\\w,min\316r = 0.160 f\316\\ck\316r\316/1/2\316r / f\316\\yk\316r   Mindestbewehrungsgrad"));
    EXPECT_TRUE(has(r, " 12.6.3(2)    k\316\\p\316r = 1.50                     unbew.Beton"));
    EXPECT_FALSE(has(r, "s. NA-DE"));
}

TEST_F(NadReportEc2, BridgeApplicationLeavesOutTheBuildingRules)
{
    application(114, 0);   // rules 30 cleared, 31 set, 27 not set
    const std::string r = report();
    EXPECT_TRUE(has(r, kBridgeFactors)) << r;
    EXPECT_FALSE(has(r, kPersistentFactors));
    const std::string buildings = r.substr(0, r.find("DIN EN 1992-2 (EC 2"));
    for (const char* clause : {" 3.1.6(1)P", " 6.2.2(1) ", " 6.2.3(2) ", " 6.8.7(1) ", " 9.5.2(2) "})
        EXPECT_FALSE(has(buildings, clause)) << clause;
    EXPECT_TRUE(has(buildings, " 6.2.2(6) "));
    EXPECT_FALSE(has(r, "Brandfall"));
    EXPECT_TRUE(has(r, " 6.2.2(101)   C\316\\Rd,c\316r"));
}
