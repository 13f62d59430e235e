#include "fasteners/fastener_tables.h"
#include "platform/env/vyk_env.h"
#include "common/test_util.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

FastenerTable parsed;

int parse(FastenerFamily f, const std::string& text) { return fastener_table_parse(f, text.data(), text.size(), &parsed); }

bool empty(const FastenerTable& t)
{
    static const FastenerTable zero{};
    return std::memcmp(&t, &zero, sizeof t) == 0;
}

} // namespace

TEST(FastenerTables, RowLayoutsOfTheFamilies)
{
    // nail: d, dk, then the lengths
    ASSERT_EQ(parse(FAMILY_NAGEL, "1\n1\n4.2 9.0 60 80 100\n"), 1);
    EXPECT_EQ(parsed.kind, 1);
    EXPECT_EQ(parsed.row_count, 1);
    EXPECT_DOUBLE_EQ(parsed.rows[0].d, 4.2);
    EXPECT_DOUBLE_EQ(parsed.rows[0].dk, 9.0);
    EXPECT_EQ(parsed.rows[0].n_l, 3);
    EXPECT_DOUBLE_EQ(parsed.rows[0].lengths[2], 100.0);

    // wood screw: d, d1, dk, k, fak_lef; l_ef = 0.6 * 100
    ASSERT_EQ(parse(FAMILY_SCHRAUBE, "1\n1\n6.0 4.0 12.0 3.0 0.6 100.0\n"), 1);
    EXPECT_DOUBLE_EQ(parsed.rows[0].k, 3.0);
    EXPECT_DOUBLE_EQ(parsed.rows[0].effective_lengths[0], 60.0);

    // type 13: l - xLE100 below 100, l - xLE200 from 100, l - xGT200 from 200
    ASSERT_EQ(parse(FAMILY_SPAX_S_VG, "1\n1\n8.0 5.3 15.0 0.0 10.0 20.0 30.0 99.0 100.0 199.0 200.0\n"), 1);
    const FastenerRow& s = parsed.rows[0];
    EXPECT_EQ(s.n_l, 4);
    EXPECT_DOUBLE_EQ(s.effective_lengths[0], 89.0);
    EXPECT_DOUBLE_EQ(s.effective_lengths[1], 80.0);
    EXPECT_DOUBLE_EQ(s.effective_lengths[2], 179.0);
    EXPECT_DOUBLE_EQ(s.effective_lengths[3], 170.0);

    // ASSY kind 2: all lengths then all effective lengths; an odd last word is ignored
    for (const char* tail : {"", " 140.0"}) {
        ASSERT_EQ(parse(FAMILY_ASSY_PLUS_VG_Z, std::string("2\n1\n8.0 5.3 10.0 0.0 0.0 100.0 120.0 60.0 80.0") + tail + "\n"), 1);
        EXPECT_EQ(parsed.rows[0].n_l, 2) << tail;
        EXPECT_DOUBLE_EQ(parsed.rows[0].lengths[1], 120.0);
        EXPECT_DOUBLE_EQ(parsed.rows[0].effective_lengths[0], 60.0);
        EXPECT_DOUBLE_EQ(parsed.rows[0].effective_lengths[1], 80.0);
    }
    // ASSY kind 1: l_ef = fak_lef * l; any other kind: no lengths
    ASSERT_EQ(parse(FAMILY_ASSY_PLUS_VG_S, "1\n1\n8.0 5.3 15.0 0.0 0.9 200.0\n"), 1);
    EXPECT_DOUBLE_EQ(parsed.rows[0].effective_lengths[0], 180.0);
    ASSERT_EQ(parse(FAMILY_ASSY_PLUS_VG_S, "3\n1\n8.0 5.3 15.0 0.0 0.9 200.0\n"), 1);
    EXPECT_EQ(parsed.rows[0].n_l, 0);
    EXPECT_DOUBLE_EQ(parsed.rows[0].dk, 15.0);

    // pair layout (d, d1, ds, dk, k then length/effective pairs), odd word ignored; ds before dk
    ASSERT_EQ(parse(FAMILY_SPAX_S_TG, "1\n1\n6.0 4.0 4.5 12.0 0.0 100.0 60.0 120.0 70.0 140.0\n"), 1);
    EXPECT_DOUBLE_EQ(parsed.rows[0].ds, 4.5);
    EXPECT_DOUBLE_EQ(parsed.rows[0].dk, 12.0);
    EXPECT_EQ(parsed.rows[0].n_l, 2);
    EXPECT_DOUBLE_EQ(parsed.rows[0].effective_lengths[1], 70.0);

    // numbers are the longest number at the start of a word; CRLF line ends are accepted
    ASSERT_EQ(parse(FAMILY_NAGEL, "1\r\n1\r\n4mm 8,5 60\r\n"), 1);
    EXPECT_DOUBLE_EQ(parsed.rows[0].d, 4.0);
    EXPECT_DOUBLE_EQ(parsed.rows[0].dk, 8.0);
    EXPECT_DOUBLE_EQ(parsed.rows[0].lengths[0], 60.0);
}

TEST(FastenerTables, StapleRowsAndComments)
{
    const std::string text = testutil::read_file(std::string(TAVO_TEST_DATA_DIR) + "/ec5_klammer_sample.dat");
    ASSERT_EQ(parse(FAMILY_KLAMMER, text), 1);
    EXPECT_EQ(parsed.row_count, 2);
    EXPECT_EQ(parsed.rows[0].n_l, 2);
    EXPECT_DOUBLE_EQ(parsed.rows[0].effective_lengths[0], 50.0);
    EXPECT_DOUBLE_EQ(parsed.rows[0].effective_lengths[1], 70.0);   // the third word is beyond n_l
    EXPECT_DOUBLE_EQ(parsed.rows[1].effective_lengths[0], 90.0);
    // second line with fewer words than lengths
    EXPECT_EQ(parse(FAMILY_KLAMMER, "1\n1\n4.0 8.0 60.0 80.0\n50.0\n"), 0);
}

TEST(FastenerTables, FailuresLeaveTheTableEmpty)
{
    struct Case { const char* what; FastenerFamily f; const char* text; };
    const Case cases[] = {
        {"header not a number", FAMILY_NAGEL, "x\n1\n4.0 8.0 60.0\n"},
        {"empty line as header", FAMILY_NAGEL, "\n1\n4.0 8.0 60.0\n"},
        {"empty line where a row is expected", FAMILY_NAGEL, "1\n2\n4.0 8.0 60.0\n\n5.0 9.0 70.0\n"},
        {"file ends before the last row", FAMILY_NAGEL, "1\n3\n4.0 8.0 60.0\n5.0 9.0 70.0\n"},
        {"count without rows", FAMILY_NAGEL, "1\n2\n# nothing follows\n"},
        {"too few leading values", FAMILY_SPAX_S_VG, "1\n1\n8.0 5.3 15.0 0.0 10.0\n"},
        {"length word not a number", FAMILY_NAGEL, "1\n1\n4.0 8.0 60.0 abc\n"},
        {"staple second line missing", FAMILY_KLAMMER, "1\n1\n4.0 8.0 60.0\n"},
        {"more rows than the table holds", FAMILY_NAGEL, "1\n31\n"},
        {"negative row count", FAMILY_NAGEL, "1\n-1\n"},
        {"more lengths than a row holds", FAMILY_NAGEL,
         "1\n1\n4.0 8.0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parse(c.f, c.text), 0) << c.what;
        EXPECT_TRUE(empty(parsed)) << c.what;
    }
    // a line beyond 499 bytes is refused, not cut
    std::string longline = "1\n1\n4.0 8.0";
    while (longline.size() < 600) longline += " 1.0";
    EXPECT_EQ(parse(FAMILY_NAGEL, longline + "\n"), 0);
    EXPECT_TRUE(empty(parsed));
}

TEST(FastenerTables, EmptyTablesAndImplausibleValuesAreRefusedWithTheirLine)
{
    struct Case {
        const char* what;
        FastenerFamily f;
        const char* text;
        const char* fault;   // the whole reason
    };
    const Case cases[] = {
        {"empty file", FAMILY_SPAX_S_VG, "", "enthält keine Tabelle (Anzahl der Zeilen fehlt)"},
        {"only comments", FAMILY_SPAX_S_VG, "# only\n# comments\n", "enthält keine Tabelle (Anzahl der Zeilen fehlt)"},
        {"kind without count", FAMILY_SPAX_S_VG, "2\n", "enthält keine Tabelle (Anzahl der Zeilen fehlt)"},
        {"no rows", FAMILY_ASSY_PLUS_VG_Z, "# c\n2\n0\n", "Zeile 3: Anzahl der Zeilen 0 liegt nicht zwischen 1 und 30"},
        {"count beyond int", FAMILY_NAGEL, "1\n2147483648\n", "Zeile 2: Kopfzeile beginnt nicht mit einer ganzen Zahl"},
        {"row count of int max", FAMILY_NAGEL, "1\n2147483647\n", "Zeile 2: Anzahl der Zeilen 2147483647 liegt nicht zwischen 1 und 30"},
        {"early end", FAMILY_NAGEL, "1\n2\n4.0 8.0 60.0\n", "Datei endet nach Zeile 3, vor der letzten Zeile der Tabelle"},
        // Lengths: above 0 up to 3000 mm, on both sides of each bound.
        {"length 1e308", FAMILY_SPAX_S_VG, "1\n1\n# row\n8.0 5.3 15.0 0.0 10.0 10.0 10.0 100.0 1e308\n",
         "Zeile 4: Länge = 1e+308 mm liegt nicht über 0 bis 3000 mm"},
        {"length int max", FAMILY_ASSY_PLUS_VG_S, "1\n1\n8.0 5.3 15.0 0.0 0.9 2147483647\n",
         "Zeile 3: Länge = 2147483647 mm liegt nicht über 0 bis 3000 mm"},
        {"length 3000.001", FAMILY_NAGEL, "1\n1\n4.0 8.0 3000.001\n", "Zeile 3: Länge = 3000.001 mm liegt nicht über 0 bis 3000 mm"},
        {"length 0", FAMILY_NAGEL, "1\n1\n4.0 8.0 0\n", "Zeile 3: Länge = 0 mm liegt nicht über 0 bis 3000 mm"},
        {"length 3000", FAMILY_NAGEL, "1\n1\n4.0 8.0 3000\n", ""},
        // Diameters: d above 0 up to 30 mm, d1 and ds not above d, dk up to 100 mm.
        {"d 30", FAMILY_NAGEL, "1\n1\n30 8.0 60\n", ""},
        {"d 30.01", FAMILY_NAGEL, "1\n1\n30.01 8.0 60\n", "Zeile 3: d = 30.01 mm liegt nicht über 0 bis 30 mm"},
        {"d 0", FAMILY_NAGEL, "1\n1\n0 8.0 60\n", "Zeile 3: d = 0 mm liegt nicht über 0 bis 30 mm"},
        {"d1 above d", FAMILY_SPAX_S_VG, "1\n1\n8.0 8.1 15.0 0.0 10.0 10.0 10.0 100.0\n",
         "Zeile 3: d1 = 8.1 mm liegt nicht zwischen 0 und 8 mm"},
        {"ds above d", FAMILY_SPAX_S_TG, "1\n1\n6.0 4.0 6.5 12.0 0.0 100.0 60.0\n", "Zeile 3: ds = 6.5 mm liegt nicht zwischen 0 und 6 mm"},
        {"dk 100.5", FAMILY_NAGEL, "1\n1\n4.0 100.5 60\n", "Zeile 3: dk = 100.5 mm liegt nicht zwischen 0 und 100 mm"},
        {"negative deduction", FAMILY_SPAX_S_VG, "1\n1\n8.0 5.3 15.0 0.0 -1 10.0 10.0 100.0\n",
         "Zeile 3: xLE100 = -1 mm liegt nicht zwischen 0 und 100 mm"},
        {"fak_lef above 1", FAMILY_SCHRAUBE, "1\n1\n6.0 4.0 12.0 3.0 1.5 100.0\n", "Zeile 3: fak_lef = 1.5 liegt nicht zwischen 0 und 1"},
        // An effective length above 0 and not above its length: 100 - 100 = 0 is none.
        {"deduction eats the length", FAMILY_SPAX_S_VG, "1\n1\n8.0 5.3 15.0 0.0 10.0 100.0 10.0 100.0\n",
         "Zeile 3: wirksame Länge = 0 mm liegt nicht über 0 bis 100 mm"},
        {"effective length above the length", FAMILY_ASSY_PLUS_VG_Z, "2\n1\n8.0 5.3 10.0 0.0 0.0 100.0 100.5\n",
         "Zeile 3: wirksame Länge = 100.5 mm liegt nicht über 0 bis 100 mm"},
        {"staple effective length on its own line", FAMILY_KLAMMER, "1\n1\n4.0 8.0 60.0\n# c\n61.0\n",
         "Zeile 5: wirksame Länge = 61 mm liegt nicht über 0 bis 60 mm"},
    };
    for (const Case& c : cases) {
        std::string fault = "not touched";
        const int ok = fastener_table_parse(c.f, c.text, std::strlen(c.text), &parsed, &fault);
        if (!*c.fault) {
            EXPECT_EQ(ok, 1) << c.what << ": " << fault;
            EXPECT_EQ(fault, "") << c.what;
            continue;
        }
        EXPECT_EQ(ok, 0) << c.what;
        EXPECT_EQ(fault, c.fault) << c.what;
        EXPECT_TRUE(empty(parsed)) << c.what;
    }
    // Words after the last row are not read.
    EXPECT_EQ(parse(FAMILY_NAGEL, "1\n2 rows follow\n4.0 8.0 60.0\n5.0 9.0 70.0\nignored\n"), 1);
    EXPECT_EQ(parsed.row_count, 2);
}

// The reason names its values with a point whatever numeric locale the process has.
TEST(FastenerTables, RefusalsKeepTheirPointUnderAGermanNumericLocale)
{
    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    const std::string text = "1\n1\n8.0 8.1 15.0 0.0 10.0 10.0 10.0 100.0\n";
    std::string fault;
    EXPECT_EQ(fastener_table_parse(FAMILY_SPAX_S_VG, text.data(), text.size(), &parsed, &fault), 0);
    EXPECT_EQ(fault, "Zeile 3: d1 = 8.1 mm liegt nicht zwischen 0 und 8 mm");
}

TEST(FastenerTables, ConnectorRows)
{
    ConnectorTable t;
    // B1 with kind 1 reads 10 values (he before hc), with kind 2 sixteen
    std::string b1 = "1\n1\n65.0 15.0 30.0 5.0 3.0 1.0 2.0 12.0 24.0 20.0\n";
    ASSERT_EQ(connector_table_parse(CONNECTOR_SCHDUEBEL_B1, b1.data(), b1.size(), &t), 1);
    EXPECT_DOUBLE_EQ(t.rows[0].he, 15.0);
    EXPECT_DOUBLE_EQ(t.rows[0].hc, 30.0);
    EXPECT_DOUBLE_EQ(t.rows[0].F, 20.0);
    std::string b2 = "2\n1\n65.0 15.0 30.0 5.0 3.0 1.0 2.0 12.0 24.0 20.0\n";
    EXPECT_EQ(connector_table_parse(CONNECTOR_SCHDUEBEL_B1, b2.data(), b2.size(), &t), 0);
    b2 = "2\n1\n65 15 30 5 3 1 2 3 4 5 6 7 8 12 24 20\n";
    ASSERT_EQ(connector_table_parse(CONNECTOR_SCHDUEBEL_B1, b2.data(), b2.size(), &t), 1);
    EXPECT_DOUBLE_EQ(t.rows[0].a2, 8.0);
    EXPECT_DOUBLE_EQ(t.rows[0].F, 20.0);
    // ints of C1, and a connector file that ends before its rows still loads
    std::string c1 = "1\n3\n62.0 16.0 8.0 3.0 17.0 4 7 1.5 10.0 12.0 15.0\n";
    ASSERT_EQ(connector_table_parse(CONNECTOR_SCHDUEBEL_C1, c1.data(), c1.size(), &t), 1);
    EXPECT_EQ(t.rows[0].int_2, 4);
    EXPECT_EQ(t.rows[0].int_1, 7);
    EXPECT_DOUBLE_EQ(t.rows[1].dc, 0.0);
    fill_dowel_bolt_tables();
    EXPECT_EQ(diameter_table_bolt.count, 8);
    EXPECT_DOUBLE_EQ(diameter_table_bolt.diameters[7], 30.0);
    EXPECT_EQ(diameter_table_dowel.count, 7);
}

TEST(FastenerTables, LoaderOpensOnceAndRetriesAfterAFailure)
{
    testutil::ScratchDir dir;
    Set_CurOb_Privat_Datapath(dir.path().c_str());
    EXPECT_EQ(read_ec5_nagel(), 0);                                  // no file
    ASSERT_TRUE(testutil::write_file(dir.file("ec5_nagel.dat"), "1\n2\n4.0 8.0 60.0\n"));
    EXPECT_EQ(read_ec5_nagel(), 0);                                  // ends before its second row
    EXPECT_EQ(fastener_family_fault(FAMILY_NAGEL), "Datei endet nach Zeile 3, vor der letzten Zeile der Tabelle");
    EXPECT_EQ(fastener_table_nagel.row_count, 0);
    // Gone since: nothing of the file is read, and the old reason is no longer given.
    std::remove(dir.file("ec5_nagel.dat").c_str());
    EXPECT_EQ(read_ec5_nagel(), 0);
    EXPECT_EQ(fastener_family_fault(FAMILY_NAGEL), "");
    ASSERT_TRUE(testutil::write_file(dir.file("ec5_nagel.dat"), "1\n2\n4.0 8.0 60.0\n5.0 9.0 70.0 90.0\n"));
    EXPECT_EQ(read_ec5_nagel(), 1);                                  // read again from the start
    EXPECT_EQ(fastener_table_nagel.row_count, 2);
    EXPECT_EQ(fastener_table_nagel.rows[1].n_l, 2);
    ASSERT_TRUE(testutil::write_file(dir.file("ec5_nagel.dat"), "garbage\n"));
    EXPECT_EQ(read_ec5_nagel(), 1);                                  // loaded once: the file is not read again
    EXPECT_EQ(fastener_table_nagel.row_count, 2);
    EXPECT_STREQ(connector_family_file(CONNECTOR_SCHDUEBEL_B1), "ec5_schduebel_B1.dat");
}

// The environment's folder is taken as given: a backslash in it is part of a folder's name here.
TEST(FastenerTables, TablesAreFoundInAFolderWithABackslash)
{
    testutil::ScratchDir dir;
    const std::string data = dir.file("VYK\\2026");
    std::filesystem::create_directories(data + "/PRIVATE");
    ASSERT_TRUE(testutil::write_file(data + "/PRIVATE/ec5_sondernagel.dat", "1\n1\n4.0 8.0 60.0 40.0\n"));
    vyk_env_reset();
    setenv("DATA", data.c_str(), 1);
    EXPECT_EQ(read_ec5_sondernagel(), 1);
    EXPECT_DOUBLE_EQ(fastener_table_sondernagel.rows[0].effective_lengths[0], 40.0);
    unsetenv("DATA");
    vyk_env_reset();
}

TEST(FastenerTables, ConnectorLoaderFillsEachFamilysOwnTable)
{
    testutil::ScratchDir dir;
    Set_CurOb_Privat_Datapath(dir.path().c_str());
    EXPECT_EQ(read_ec5_schduebel(), 0);                                // no file
    ASSERT_TRUE(testutil::write_file(dir.file("ec5_ringduebel_a1.dat"), "1\n1\n65.0 30.0 15.0 5.0 3.0 12.0 24.0 20.0\n"));
    ASSERT_TRUE(testutil::write_file(dir.file("ec5_schduebel_c1.dat"),
                                     "1\n1\n62.0 16.0 8.0 3.0 17.0 4 7 1.5 10.0 12.0 15.0\n"));
    EXPECT_EQ(read_ec5_ringduebel_a1(), 1);
    EXPECT_EQ(read_ec5_schduebel(), 1);                                // read after the failure above
    EXPECT_DOUBLE_EQ(connector_table_ringduebel_a1.rows[0].dc, 65.0);
    EXPECT_DOUBLE_EQ(connector_table_ringduebel_a1.rows[0].F, 20.0);
    EXPECT_DOUBLE_EQ(connector_table_schduebel_c1.rows[0].dc, 62.0);
    EXPECT_EQ(connector_table_schduebel_c1.rows[0].int_2, 4);
}

TEST(FastenerTables, ShippedScrewTablesLoad)
{
    Set_CurOb_Privat_Datapath(TAVO_SOURCE_DATA_DIR "/PRIVATE");
    ASSERT_EQ(read_ec5_assy_plus_vg_z(), 1);
    ASSERT_EQ(read_ec5_assy_plus_vg_s(), 1);
    ASSERT_EQ(read_ec5_spax_s_vg(), 1);
    for (const FastenerTable* t : {&fastener_table_assy_plus_vg_z, &fastener_table_assy_plus_vg_s, &fastener_table_spax_s_vg}) {
        ASSERT_GE(t->row_count, 3);
        for (int i = 0; i < t->row_count; ++i) {
            const FastenerRow& r = t->rows[i];
            EXPECT_GE(r.dk, 1.8 * r.d1) << "row " << i;   // otherwise the head carries nothing
            ASSERT_GT(r.n_l, 0);
            for (int k = 0; k < r.n_l; ++k) {
                EXPECT_GT(r.effective_lengths[k], 0.0);
                EXPECT_LT(r.effective_lengths[k], r.lengths[k]);
            }
        }
    }
    const FastenerRow& z8 = fastener_table_assy_plus_vg_z.rows[1];
    EXPECT_DOUBLE_EQ(z8.d, 8.0);
    EXPECT_DOUBLE_EQ(z8.d1, 5.3);
    EXPECT_DOUBLE_EQ(z8.dk, 10.0);
    EXPECT_DOUBLE_EQ(z8.lengths[10], 300.0);
    EXPECT_DOUBLE_EQ(z8.effective_lengths[10], 290.0);
    EXPECT_EQ(fastener_table_assy_plus_vg_z.kind, 2);
}
