// The timber report of the national-annex sets: pieces of the shipped "Deutschland" and
// "EC-Standardparameter" reports compared byte for byte, with the values of their set files
// (data/DATA/NAD) worked into the texts by hand.
#include "output/nad_report_ec5.h"
#include "national_annex/nad_folders.h"
#include "national_annex/nad_test_util.h"
#include "platform/viewer/oli_viewer.h"

namespace {

class NadReportEc5 : public NadFolders {
protected:
    void SetUp() override
    {
        NadFolders::SetUp();
        ship_both();
    }
    static std::string report()
    {
        return nadtest::text_of([](FILE* f) { nad_ec5_report(f); });
    }
};

const char kMaterialFactorsDeutschland[] =
    "#SHOWTABLE\n0 1 0\n Materialsicherheitsbeiwerte\n1 0 -1 -1 2\n 27 45\n"
    " Bemessungssituation         Holzart            Wert\n"
    " st\204ndig und vor\201bergehend   Vollholz           1.30\n"
    "                             Brettschichtholz   1.30\n"
    " au\341ergew\224hnlich             alle Arten         1.00\n"
    " Brandschutz                 alle Arten         1.00\n"
    "#END_OF_TEXT\n";

// k_mod by load-duration class (rows) and service class (columns); k_def per service class.
const char kModificationFactors[] =
    " KLED        1     2     3\n"
    " st\204ndig   0.60  0.60  0.50\n"
    " lange     0.70  0.70  0.55\n"
    " mittel    0.80  0.80  0.65\n"
    " kurz      0.90  0.90  0.70\n"
    " sehr kurz 1.10  1.10  0.90\n"
    "#END_OF_TEXT\n";
const char kDeformationFactors[] = " k\316\\def\316r      0.60  0.80  2.00\n";

const char kDeflectionLimits[] =
    " Nachweis     normal    Kragarm\n"
    " w\316\\inst\316r        l/300    l/150\n"
    " w\316\\fin\316r         l/200    l/100\n"
    " w\316\\net,fin\316r     l/300    l/150\n"
    "#END_OF_TEXT\n";

const char kCrackFactorsAnnex[] =
    "0 0 -1 -1 0\n"
    " k\316\\cr\316r = 2.0/f\316\\v,k\316r   f\201r Nadelholz\n"
    " k\316\\cr\316r = 0.67       f\201r Laubholz\n"
    " k\316\\cr\316r = 2.5/f\316\\v,k\316r   f\201r Brettschichtholz\n"
    " k\316\\cr\316r = 1.0        sonst\n"
    "#END_OF_TEXT\n";
const char kCrackFactorsFixed[] =
    "0 0 -1 -1 0\n"
    " k\316\\cr\316r = 0.67       f\201r Voll- und Brettschichtholz\n"
    " k\316\\cr\316r = 1.00       sonst\n"
    "#END_OF_TEXT\n";

const char kChapterHeadDeutschland[] =
    "#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 12 42\n"
    " Kapitel      Wert                          Bedeutung\n"
    " 2.3.1.2(2)P  Tabelle NA.1 anwenden         Zuordnung von Einwirkungen zu Klassen der Lasteinwirkungsdauer\n"
    " \n"
    " 2.4.1                                      Teilsicherheitsbeiwerte\n"
    " Tab. 2.3     \300\316\\M\316r = 1.30                    Vollholz\n";

bool ends_with(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

size_t count_of(const std::string& text, const std::string& piece)
{
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

} // namespace

TEST_F(NadReportEc5, DeutschlandWithTheCrackFactorsOfTheAnnex)
{
    ASSERT_STREQ(nad_active_name(), "Deutschland");
    ASSERT_EQ(nad_part_ec5()->kcr_mode, 2);
    const std::string r = report();
    EXPECT_EQ(r.find("#SHOWTABLE\n1 3 0\n Ausgew\204hlte Nachweisparameter des nationalen Anhangs\n"
                     " Deutschland\n \n DIN EN 1995-1-1 und DIN EN 1995-1-2 (EC5)\n0 0 0 0 0\n"),
              r.find("#SHOWTABLE"));
    EXPECT_NE(r.find(kMaterialFactorsDeutschland), std::string::npos) << r;
    EXPECT_NE(r.find(kModificationFactors), std::string::npos);
    EXPECT_NE(r.find(kDeformationFactors), std::string::npos);
    EXPECT_NE(r.find(kDeflectionLimits), std::string::npos);
    // Once in its own section; the chapter table leaves it out while that section is shown.
    EXPECT_EQ(count_of(r, kCrackFactorsAnnex), 1u);
    EXPECT_EQ(count_of(r, kCrackFactorsFixed), 0u);
    EXPECT_NE(r.find(" k\316\\shape\316r = 1 + 0.05 h/b, jedoch maximal 1.30\n"), std::string::npos);
    EXPECT_NE(r.find(" quasist\204ndiger Kombination\n gem\204\341 NAD Deutschland \216nderung A1, (NA.A1)\n"),
              std::string::npos);
    EXPECT_NE(r.find(" Faktor gem\204\341 NCI Zu 6.3.3(2) = 1.40\n"), std::string::npos);
    EXPECT_NE(r.find(kChapterHeadDeutschland), std::string::npos) << r;
    EXPECT_NE(r.find("              \300\316\\M\316r = 1.25                    Nagelplatten\n"
                     "              \300\316\\M\316r = 1.30                    Stahl in Verbindungen\n"
                     "              \300\316\\M\316r = 1.30                    Gipskarton, etc.\n \n"),
              std::string::npos);
    EXPECT_NE(r.find(" 6.3.3 (7)    Biegedrillknicken nach NAD    Biegedrillknicknachweis\n \n"
                     " 8.2.4 (1)    vereinfachtes Verf. nach NAD  Verbindungsmittel\n \n"),
              std::string::npos);
    EXPECT_NE(r.find(" 9.2.4.2      Erh\224hung der char. Tragf.     bei Schwellenpressung um 20%\n (NA.21)  \n"),
              std::string::npos);
    // The report ends with the chapter table.
    EXPECT_TRUE(ends_with(r, " 8.6          Bohrlochdurchmesser bei       Stahlteilen um 1mm erh\224hen\n"
                             " (NA.7)  \n\n#END_OF_TEXT\n\n\n#END_OF_TEXT\n")) << r;
}

TEST_F(NadReportEc5, DeutschlandWithTheFixedCrackFactors)
{
    NadEc5Block* b = nad_part_ec5();
    b->kcr_mode = 1;
    b->kcr_solid_glulam = 0.5;   // the fixed lines do not print the block's values
    b->kcr_other = 0.9;
    b->ltb_na = 1;
    b->simplified_fasteners_na = 0;
    const std::string r = report();
    EXPECT_EQ(count_of(r, kCrackFactorsFixed), 1u);
    // The chapter table still adds nothing while the crack-factor section is shown.
    EXPECT_EQ(count_of(r, kCrackFactorsAnnex), 0u);
    EXPECT_NE(r.find(" 6.3.3 (7)    Biegedrillknicken nach NAD    Biegedrillknicknachweis\n \n"
                     " 8.2.4 (1)    Verfahren nach EC 5           Verbindungsmittel\n"),
              std::string::npos);
}

TEST_F(NadReportEc5, StandardParametersUnderBothCrackModes)
{
    ASSERT_EQ(nad_set_active("EC-Standardparameter"), 0);
    NadEc5Block* b = nad_part_ec5();
    ASSERT_EQ(b->country, 0);
    ASSERT_EQ(b->kcr_mode, 1);
    std::string r = report();
    EXPECT_NE(r.find(" EC-Standardparameter\n"), std::string::npos);
    EXPECT_NE(r.find(kModificationFactors), std::string::npos);
    EXPECT_NE(r.find(" k\316\\shape\316r = 1 + 0.15 h/b, jedoch maximal 2.00\n"), std::string::npos);
    EXPECT_NE(r.find(" charakteristischer Kombination\n gem\204\341 EC5 (7.2) (2.2)...(2.5)\n"), std::string::npos);
    // Without a country the report cites no rule of the German annex: no Table NA.1, no NCI,
    // no annex rows, and the crack factors once, the code's own, under either crack mode.
    EXPECT_NE(r.find(" 2.3.1.2(2)P  Zuordnung nach EC 5           Zuordnung"), std::string::npos);
    for (const char* annex : {"NA.1", "NCI", "Stahl in Verbindungen", "(NA.20)", "NA-DE", "NAD"})
        EXPECT_EQ(r.find(annex), std::string::npos) << annex;
    EXPECT_TRUE(ends_with(r, "              \300\316\\M\316r = 1.25                    Nagelplatten\n"
                             "\n#END_OF_TEXT\n\n#END_OF_TEXT\n")) << r;
    EXPECT_EQ(count_of(r, " Rissfaktor\n"), 1u);
    EXPECT_EQ(count_of(r, kCrackFactorsFixed), 1u);

    b->kcr_mode = 2;
    r = report();
    EXPECT_EQ(count_of(r, kCrackFactorsAnnex), 0u);
    EXPECT_EQ(count_of(r, kCrackFactorsFixed), 1u);
}

TEST_F(NadReportEc5, SectionsFollowTheApplication)
{
    ASSERT_TRUE(nad_part_ec5());
    application(73, 0);   // the heading and the chapter table only
    std::string r = report();
    EXPECT_EQ(r.find("#SHOWTABLE\n1 3 0"), r.find("#SHOWTABLE"));
    EXPECT_EQ(r.find("Materialsicherheitsbeiwerte"), std::string::npos);
    EXPECT_NE(r.find(" Kapitel "), std::string::npos);
    // Without the crack-factor section the chapter table carries the annex's crack factors.
    EXPECT_EQ(count_of(r, "#SHOWTABLE"), 3u);
    EXPECT_EQ(count_of(r, kCrackFactorsAnnex), 1u);

    application(242, 0);   // everything but the chapter table
    r = report();
    EXPECT_EQ(r.find(" Kapitel "), std::string::npos);
    for (const char* title : {"Materialsicherheitsbeiwerte", "Modifikationsbeiwerte", "Verformungsbeiwerte",
                              "Verformungsgrenzwerte", "Rissfaktor", "Torsionsspannungen", "Netto-Enddurchbiegung",
                              "Kippschlankheit"})
        EXPECT_NE(r.find(title), std::string::npos) << title;
}

// The viewer reads every table of the report whole: the heading, seven sections, buckling and
// the chapter table.
TEST_F(NadReportEc5, ViewerReadsTheReport)
{
    ASSERT_TRUE(nad_part_ec5());
    const std::string r = report();
    const oliview::Document doc = oliview::parse(r.data(), r.size());
    int tables = 0;
    for (const oliview::Block& b : doc.blocks) {
        if (b.kind != oliview::Block::Table) continue;
        ++tables;
        EXPECT_TRUE(b.complete);
    }
    EXPECT_EQ(tables, 10);
}
