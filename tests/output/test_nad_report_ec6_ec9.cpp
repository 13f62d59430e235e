// The masonry and aluminium reports of the national-annex sets: rows by application and rule
// strings, and subscripts that end where their label ends.
#include "output/nad_report_ec2.h"
#include "output/nad_report_ec3.h"
#include "output/nad_report_ec6_ec9.h"
#include "national_annex/nad_folders.h"
#include "national_annex/nad_test_util.h"

#include <sstream>

namespace {

class NadReportEc6Ec9 : public NadFolders {
protected:
    void SetUp() override
    {
        NadFolders::SetUp();
        ship_both();
        NadEc6Block* m = nad_part_ec6();
        ASSERT_TRUE(m);
        m->gamma_m_persistent = 1.5;
        m->gamma_m_accidental = 1.3;
        m->gamma_m_seismic = 1.2;
        m->gamma_m_serviceability = 1.0;
        NadEc9Block* a = nad_part_ec9();
        ASSERT_TRUE(a);
        a->gamma_m1 = 1.1;
        a->gamma_m2 = 1.25;
        a->gamma_ms_ser = 1.2;
        a->c_constant = 10;
    }
    static std::string ec6() { return nadtest::text_of([](FILE* f) { nad_ec6_report(f); }); }
    static std::string ec9() { return nadtest::text_of([](FILE* f) { nad_ec9_report(f); }); }
    static bool has(const std::string& r, const std::string& piece) { return r.find(piece) != std::string::npos; }
};

const char kPersistent[] =
    "              \300\316\\M\316r = 1.50                     - st\204ndige und vor\201bergehende Bemessungssituation\n";
const char kAccidental[] =
    "              \300\316\\M\316r = 1.30                     - au\341ergew\224hnliche Bemessungssituation\n";
const char kServiceability[] =
    " 2.4.4        \300\316\\M\316r = 1.00                     im Grenzzustand der Gebrauchstauglichkeit\n";

} // namespace

TEST_F(NadReportEc6Ec9, MasonryRowsByApplication)
{
    application(1, 0);
    std::string r = ec6();
    EXPECT_TRUE(has(r, " Deutschland\n"));
    EXPECT_TRUE(has(r, "#SHOWTABLE\n0 0 1\n DIN EN 1996-1-1 (EC 6), NA Deutschland\n0 0 -1 -1\n#END_OF_TEXT\n"));
    EXPECT_TRUE(has(r, kPersistent)) << r;
    EXPECT_FALSE(has(r, kAccidental));
    EXPECT_FALSE(has(r, "Erdbeben"));
    EXPECT_TRUE(has(r, kServiceability));

    application(100, 0);
    r = ec6();
    EXPECT_TRUE(has(r, std::string(kPersistent) + kAccidental +
                           "              \300\316\\M\316r = 1.20                     - Erdbeben-Bemessungssituation\n" +
                           kServiceability + "#END_OF_TEXT\n"));
}

TEST_F(NadReportEc6Ec9, AluminiumRowsAndClosedSubscripts)
{
    // The report names its set: in the title and after the designation, by whether it has an annex.
    const std::string r = ec9();
    const std::string name = nad_applied_set_name();
    EXPECT_TRUE(has(r, " Ausgew\204hlte Bemessungsparameter des nationalen Anhangs\n " + name + "\n"));
    EXPECT_TRUE(has(r, "#SHOWTABLE\n0 0 1\n DIN EN 1999-1-1 (EC 9), NA " + name + "\n"));
    // The label of gamma M1 takes 7 of its 11 places; the value and the meaning print normally after it.
    EXPECT_TRUE(has(r, "              \300\316\\M1\316r     = 1.10                Querschnittsversagen"));
    EXPECT_TRUE(has(r, "              \300\316\\M2\316r     = 1.25                Bruchversagen infolge Zug"));
    // The longest label fills the eleven places exactly.
    EXPECT_TRUE(has(r, "              \300\316\\Ms,ser\316r = 1.20                Gleitwiderstand im GZ d. Gebrauchst."));
    EXPECT_TRUE(has(r, "              C       = 10.00               Konstante, ANMERKUNG 2"));
    std::istringstream lines(r);
    std::string line;
    while (std::getline(lines, line)) {
        size_t open = 0, close = 0;
        for (size_t at = line.find("\316\\"); at != std::string::npos; at = line.find("\316\\", at + 1)) ++open;
        for (size_t at = line.find("\316r"); at != std::string::npos; at = line.find("\316r", at + 1)) ++close;
        EXPECT_EQ(open, close) << line;
    }

    // Rule strings: aluminium rules 0 and 2 (no tension row).
    nad_registry.has_current_row = 1;
    nad_registry.current_row = 0;
    nad_registry.rows[0].rules_defined = 1;
    char rules[] = "101";
    nad_registry.rows[0].rules[9] = rules;
    const std::string without_tension = ec9();
    nad_registry.rows[0].rules[9] = nullptr;
    EXPECT_FALSE(has(without_tension, "Bruchversagen"));
    EXPECT_TRUE(has(without_tension, "Querschnittsversagen"));
    EXPECT_TRUE(has(without_tension, "Bolzenverbindungen"));
    ASSERT_EQ(nad_set_active("EC-Standardparameter"), 0);
    const std::string standard = ec9();
    EXPECT_TRUE(has(standard, " Ausgew\204hlte Bemessungsparameter des nationalen Anhangs\n EC-Standardparameter\n"));
    EXPECT_TRUE(has(standard, "#SHOWTABLE\n0 0 1\n DIN EN 1999-1-1 (EC 9), EC-Standardparameter (ohne nationalen Anhang)\n"));
}

// A set name may have 99 characters: each part heading names it whole, with or without an annex.
TEST_F(NadReportEc6Ec9, PartHeadingsNameALongSetWhole)
{
    const std::string name(99, 'N');
    for (int country : {1, 0}) {
        SCOPED_TRACE(country);
        user_set(1, name.c_str(), country);
        ASSERT_EQ(nad_set_active(name.c_str()), 0);
        const std::string suffix = country ? ", NA " + name + "\n" : ", " + name + " (ohne nationalen Anhang)\n";
        EXPECT_TRUE(has(ec6(), " DIN EN 1996-1-1 (EC 6)" + suffix));
        EXPECT_TRUE(has(ec9(), " DIN EN 1999-1-1 (EC 9)" + suffix));
        EXPECT_TRUE(has(nadtest::text_of([](FILE* f) { nad_ec3_1_report(f); }), suffix));
        const std::string concrete = nadtest::text_of([](FILE* f) { nad_ec2_report(f); });
        EXPECT_TRUE(has(concrete, " DIN EN 1992-1-1 (EC 2, Hochbau)" + suffix));
        EXPECT_TRUE(has(concrete, " DIN EN 1992-2 (EC 2, Betonbr\201cken)" + suffix)) << concrete;
    }
}
