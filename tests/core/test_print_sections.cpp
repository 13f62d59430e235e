// Pieces of the printed calculation on their own: verdict lines and the drawing scale.
#include "test_print_fixture.h"
#include "core/print_table.h"
#include "core/verdict.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

std::string written(void (*write)(FILE*, double), double eta)
{
    FILE* f = std::tmpfile();
    write(f, eta);
    std::fflush(f);
    std::string bytes;
    std::rewind(f);
    for (int c; (c = std::fgetc(f)) != EOF;) bytes += char(c);
    std::fclose(f);
    return codepage::cp437_to_utf8(bytes);
}

}  // namespace

// The verdict follows the number as printed: the tolerance up to 1.009 is named wherever a value
// printed above 1 passes, and every value printed as "1.009" passes whatever digits follow.
TEST_F(PrintTest, VerdictFollowsThePrintedValue)
{
    struct Case {
        double eta;
        const char* relation;   // between the printed value and the verdict
        bool ok;
    };
    const char* tolerated = u8"≤ 1.009 (Überschreitung innerhalb der Toleranz)";
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {0.5, u8"= 0.500 ≤ 1 ê", true},
        {1.0005, u8"= 1.000 ≤ 1 ê", true},    // 1.00049999... in binary: printed 1.000
        {1.0015, "= 1.002 ", true},
        {1.005, "= 1.005 ", true},
        {1.0089, "= 1.009 ", true},
        {1.0093, "= 1.009 ", true},            // printed 1.009: the same verdict as 1.009 itself
        {1.0095, u8"= 1.010 > 1 ê", false},   // 1.00950000000000006 in binary: printed 1.010
        {-1.0, u8"= -1.000 ≤ 1 ê", true},
        {inf, u8"nicht nachweisbar ê", false},
        {std::nan(""), u8"nicht nachweisbar ê", false},
    };
    const std::string ok = u8"╬{C 1 0 160 0}╬Hok.╬{C 768}";
    const std::string not_ok = u8"╬{C 1 230 0 0}╬Hnicht ok. !!╬{C 768}";
    for (const Case& c : cases) {
        std::string relation = c.relation;
        if (relation.back() == ' ') relation += tolerated + std::string(u8" ê");
        const std::string line = written(print_closing_line, c.eta);
        EXPECT_TRUE(has(line, u8"u╬\\max╬r " + relation + " " + (c.ok ? ok : not_ok))) << c.eta << "\n" << line;
        const std::string summary = written(print_summary, c.eta);
        EXPECT_TRUE(has(summary, "Zusammenfassung")) << c.eta;
        EXPECT_TRUE(has(summary, u8"╬bGesamtausnutzung aller Nachweise u╬\\max,Ges╬r╬b " + relation + " " +
                                     (c.ok ? ok : not_ok)))
            << c.eta << "\n" << summary;
    }
    EXPECT_STREQ(print_check_fulfilled_text(), "\xCE{C 1 0 160 0}Nachweis erf\x81llt\xCE{C 768}");
    EXPECT_STREQ(print_check_failed_text(), "\xCE{C 1 230 0 0}Nachweis nicht erf\x81llt !!\xCE{C 768}");
}

// The rule the panel's bars and frame share with the print, on its own: a value that could not be
// computed never passes, also where no text shows it.
TEST(Verdict, PassesOnThePrintedValueAndNeverOnNoNumber)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double eta; const char* printed; bool passes, tolerated; } cases[] = {
        {1.0005, "1.000", true, false}, {1.0015, "1.002", true, true},  {1.005, "1.005", true, true},
        {1.0089, "1.009", true, true},  {1.0093, "1.009", true, true},   {1.0095, "1.010", false, false},
        {0.0, "0.000", true, false},    {inf, "", false, false},         {-inf, "", false, false},
        {std::nan(""), "", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(verdict_printed(c.eta), c.printed) << c.eta;
        EXPECT_EQ(verdict_passes(c.eta), c.passes) << c.eta;
        EXPECT_EQ(verdict_within_tolerance(c.eta), c.tolerated) << c.eta;
        if (!c.printed[0]) {
            EXPECT_EQ(verdict_relation(c.eta), "") << c.eta;
        }
    }
}

TEST(ViewDrawingScale, SearchAndCandidates)
{
    struct Case {
        const char* what;
        double K, h, breite, hoehe;
        double s, N;
    };
    const Case cases[] = {
        // s' = 17 / (900 + 2.4 / s') -> s' = (17 - 2.4) / 900 = 0.016222 (1/s' = 61.64); 1/60 > s' >= 1/70
        {"wide beam, width governs", 900, 400, 17, 12, 0.0162222, 70},
        // s' = (12 - 1.8) / 240 = 0.0425; 1/20 > s' >= 1/25
        {"short beam, height governs", 300, 240, 17, 12, 0.0425, 25},
        // s' = (17 - 2.4) / 2e6 = 7.3e-6 < 1/10000: no candidate
        {"beam too long for any scale", 2e6, 400, 17, 12, 7.3e-6, 0},
        {"drawing without width", 900, 400, 0, 12, 0, 0},
        {"drawing of negative height", 900, 400, 17, -3, 0, 0},
    };
    for (const Case& c : cases) {
        double s = -1;
        EXPECT_EQ(view_drawing_scale(c.K, c.h, c.breite, c.hoehe, &s), c.N) << c.what;
        // The search stops once a step changes s' by 1e-4 of itself or less.
        EXPECT_NEAR(s, c.s, 2e-4 * c.s) << c.what;
    }
}

// No fitting scale: the list says so in place of the drawing, and no plot file is written.
TEST_F(PrintTest, NoFittingScaleSkipsTheDrawing)
{
    d.graf_breite = 0;
    const std::string s = print();
    EXPECT_TRUE(has(s, "Ansicht: kein Maßstab passt zur Zeichnungsgröße 0.0 x 12.0 cm"));
    EXPECT_FALSE(has(s, "#SHOWGRAFIC"));
    EXPECT_TRUE(has(s, "Schnittgrößen"));
    EXPECT_TRUE(testutil::read_file(dir.file("POS01.SPF")).empty());
}

// Table cells of 16 bytes: a longer text is cut to 15 bytes and keeps its terminator.
TEST(PrintCell, LongTextIsCutToTheCell)
{
    char cells[2][16];
    std::memset(cells, 'x', sizeof cells);
    print_cell_text(cells[0], 16, "Lastfall Eigengewicht+Schnee");
    print_cell_text(cells[1], 16, "kurz");
    EXPECT_STREQ(cells[0], "Lastfall Eigeng");
    EXPECT_STREQ(cells[1], "kurz");
}

// A load name longer than its 15 characters is cut with the mark "~", and two different names
// never print alike, however alike they begin; a name that fits and the same name twice print as they are.
TEST_F(PrintTest, LongLoadNamesAreCutWithAMarkAndNeverPrintAlike)
{
    const char* const names[] = {u8"Überlagerung Nr. 3 mit Anprall", u8"Überlagerung Nr. 4 mit Anprall",
                                 "Lastfall 123456", "Lastfall 1234567", "Lastfall 1234568",
                                 "Schnee und Wind A links", "Schnee und Wind B links", "Eigengewicht", "Eigengewicht"};
    d.lasten.clear();
    for (const char* n : names) {
        LoadRow r = load(10, 5, 0.9, 2);
        r.name = QString::fromUtf8(n);
        d.lasten.append(r);
    }
    const std::string s = print();
    const size_t from = s.find("#SHOWTABLE\n", s.find(u8"Schnittgrößen"));
    std::istringstream in(s.substr(from, s.find("#END_OF_TEXT", from) - from));
    std::vector<QString> printed;
    std::string line;
    for (int i = 0; i < 4 && std::getline(in, line); ++i) {}   // block start, counts, format, boundaries
    while (std::getline(in, line))
        if (line.size() > 6 && line.find(u8"╬") == std::string::npos && std::isdigit(static_cast<unsigned char>(line[3])))
            printed.push_back(QString::fromStdString(line).mid(6, 15).trimmed());
    ASSERT_EQ(printed.size(), std::size(names));
    for (size_t i = 0; i < printed.size(); ++i) {
        const QString name = QString::fromUtf8(names[i]);
        if (name.size() <= 15) {
            EXPECT_EQ(printed[i], name);
            continue;
        }
        EXPECT_TRUE(printed[i].contains(QLatin1Char('~'))) << printed[i].toStdString();
        for (size_t j = 0; j < printed.size(); ++j)
            if (QString::fromUtf8(names[j]) != name) {
                EXPECT_NE(printed[i], printed[j]) << names[i] << " / " << names[j];
            }
    }
    // the first cut of a name alike in its start tells it by its number
    EXPECT_TRUE(printed[0].contains(QLatin1Char('3'))) << printed[0].toStdString();
    EXPECT_TRUE(printed[1].contains(QLatin1Char('4'))) << printed[1].toStdString();
}

// The six force columns take `nk_sni` decimals in a width of nk_sni + 5 characters.
TEST_F(PrintTest, ForceColumnsFollowTheChosenDecimals)
{
    struct Case {
        int nk_sni;
        const char *v, *m;
    };
    const Case cases[] = {{0, "10", "5"}, {2, "10.00", "5.00"}, {4, "10.0000", "5.0000"}};
    for (const Case& c : cases) {
        d.nk_sni = c.nk_sni;
        const std::string s = print();
        const auto rows = table_rows(s, "Schnittgrößen");
        ASSERT_EQ(rows.size(), 1u) << c.nk_sni;
        ASSERT_EQ(rows[0].size(), 11u) << c.nk_sni;
        EXPECT_EQ(rows[0][3], c.v) << c.nk_sni;
        EXPECT_EQ(rows[0][4], c.m) << c.nk_sni;
        EXPECT_EQ(rows[0][9], "0.900") << c.nk_sni;   // k_mod keeps its 3 decimals
    }
}

// The summary speaks of all checks only when all were made, and names those switched off.
TEST_F(PrintTest, SummaryNamesTheChecksNotMade)
{
    const struct { int bending, shear; const char* words; const char* off; } cases[] = {
        {1, 1, "aller Nachweise", nullptr},
        {0, 1, u8"der geführten Nachweise", u8"Nicht geführt (ausgeschaltet): Biegung am Durchbruch"},
        {1, 0, u8"der geführten Nachweise", u8"Nicht geführt (ausgeschaltet): Schub am reduzierten Querschnitt"},
        {0, 0, u8"der geführten Nachweise",
         u8"Nicht geführt (ausgeschaltet): Biegung am Durchbruch, Schub am reduzierten Querschnitt"},
    };
    for (const auto& c : cases) {
        d.biegung = c.bending;
        d.schub = c.shear;
        const std::string s = print();
        const std::string summary = s.substr(s.find("Zusammenfassung"));
        EXPECT_TRUE(has(summary, u8"╬bGesamtausnutzung " + std::string(c.words) + u8" u╬\\max,Ges╬r╬b = ")) << summary;
        EXPECT_EQ(has(summary, "aller Nachweise"), c.bending && c.shear) << summary;
        EXPECT_EQ(has(summary, "Nicht gef"), c.off != nullptr) << summary;
        if (c.off) EXPECT_TRUE(has(summary, c.off)) << summary;
    }
}

// Screws embedded less than 4 d on a side have no capacity; the 2.0 the checks set on every edge
// is no utilisation: the table shows none, and the rule is named with its values.
TEST_F(PrintTest, ScrewEmbeddingBelowTheRuleShowsNoMadeUpUtilisation)
{
    d.verstaerkt = 1;
    d.verst_typ = 2;
    d.sc_d = 6;
    d.l_ad_o = 20;    // < 4 d = 24
    d.l_ad_u = 100;
    OpeningCheckRow row;
    row.ftv_l = row.ftv_r = 3.0;
    row.eta_l = row.eta_r = row.eta = 2.0;
    d.zeilen_durchbruch = {row};
    d.eta_durchbruch = 2.0;
    const DetailingBreach b = detailing_breach(d);
    EXPECT_EQ(int(b.rule), int(DetailingRule::ScrewEmbedment));
    EXPECT_DOUBLE_EQ(b.have, 20.0);
    EXPECT_DOUBLE_EQ(b.need, 24.0);

    FILE* f = std::fopen(oli_path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    d.print_tension_perp_section(f);
    std::fclose(f);
    const std::string s = list();
    EXPECT_TRUE(has(s, u8"Einbindelänge l╬\\ad╬r ≥ 4 d nicht eingehalten (l╬\\ad╬r = 20 mm < 4 d = 24 mm) ê ╬{C 1 230 0 0}"))
        << s;
    EXPECT_TRUE(has(s, u8"u╬\\max╬r nicht nachweisbar: Konstruktionsregel nicht eingehalten ê ╬{C 1 230 0 0}"));
    EXPECT_FALSE(has(s, "= 2.000"));
    const auto rows = table_rows(s, "Querzugspannung am Durchbruch");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(std::count(rows[0].begin(), rows[0].end(), "2.000"), 0);
    EXPECT_EQ(std::count(rows[0].begin(), rows[0].end(), "n.e."), 3);   // u_l, u_r and u
    EXPECT_EQ(rows[0].back(), "n.e.");
    EXPECT_EQ(rows[0][3], "3.00");   // F_tV left stays

    // Embedded 24 mm = 4 d on both sides: the rule holds.
    d.l_ad_o = 24;
    EXPECT_FALSE(detailing_breach(d));
}
