// Symbol legend, literature list, inline cell graphics, picture blocks, the transposed table
// and the load-combination table.
#include "oli_capture.h"
#include "output/oli_inline_graphics.h"
#include "output/oli_legend.h"
#include "output/oli_simple_table.h"
#include "output/oli_table.h"
#include "platform/viewer/oli_viewer.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <string>

class LegendTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_writers();
        oli_legend_clear();
        oli_literature_clear();
        oli_set_picture_folder("");
    }
    Capture out;
};

TEST_F(LegendTables, LiteratureNumbersAndListBytes)
{
    EXPECT_EQ(oli_literature_ref("DIN EN 1995-1-1"), 1);
    EXPECT_EQ(oli_literature_ref("DIN EN 1995-1-1/NA"), 2);
    EXPECT_EQ(oli_literature_ref("DIN EN 1995-1-1"), 1);   // found again, not added
    oli_literature_list(out.f);
    EXPECT_EQ(blocks_only(out.text()),
              "#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n0 0 -1 -1\n#END_OF_TEXT\n"
              "#SHOWTABLE\n 0 0 2\n  [1] DIN EN 1995-1-1\n  [2] DIN EN 1995-1-1/NA\n0 0 -1 -1\n#END_OF_TEXT\n");
    // (2 + 3) x 0.286 = 1.43 cm reserved; the conversion flags framed around the entries
    EXPECT_EQ(log_of("OLI_reserveSpaceCM"), std::vector<std::string>{"OLI_reserveSpaceCM: 1.430"});
    EXPECT_EQ(log_of("OLI_setConvertionFlags"),
              (std::vector<std::string>{"OLI_setConvertionFlags: 1", "OLI_setConvertionFlags: 0"}));
    Capture none;
    oli_literature_clear();
    oli_literature_list(none.f);
    EXPECT_EQ(none.text(), "");
}

TEST_F(LegendTables, LegendEntriesKeysReferencesAndLimits)
{
    // "M" + 0xCE "r - " + "Moment %.1f kNm" with 12.5 + 0xCE "r": 1 + 5 + 15 + 2 = 23 bytes
    EXPECT_EQ(oli_legend_add("M", "Moment %.1f kNm", 12.5), 23);
    EXPECT_EQ(oli_legend_add("M", "anderes"), 0);   // same key: ignored
    EXPECT_EQ(oli_legend_count(), 1);
    oli_legend_add_numbered("h_%d", "Hoehe", 2);
    oli_legend_add_reference("k_mod", "nach [%d]", "DIN EN 1995-1-1");
    oli_legend_add_reference_n("f_%d", "siehe [%d]", 3, "Zulassung");
    EXPECT_EQ(oli_legend_count(), 4);
    EXPECT_EQ(oli_literature_ref("Zulassung"), 2);
    oli_legend_mark();
    oli_legend_add("x", "y");
    oli_legend_restore();
    EXPECT_EQ(oli_legend_count(), 4);
    oli_legend_drop(10);
    EXPECT_EQ(oli_legend_count(), 0);

    // fixed storage: 75 entries, keys of 25 characters
    for (int i = 0; i < 80; ++i) oli_legend_add_numbered("k%d", "t", i);
    EXPECT_EQ(oli_legend_count(), 75);
    oli_legend_clear();
    std::string long_key(40, 'K');
    EXPECT_EQ(oli_legend_add_numbered(long_key.c_str(), "t", 0), 25 + 5 + 1 + 2);
    for (int i = 0; i < 25; ++i) oli_literature_ref(("Quelle " + std::to_string(i)).c_str());
    EXPECT_EQ(oli_literature_ref("Quelle 30"), 0);   // list full
}

TEST_F(LegendTables, LegendWrapsIntoRemarkLines)
{
    oli_legend(out.f);
    EXPECT_EQ(out.text(), "");   // nothing without entries
    // page 21 cm, left margin default: line length round((21 - left) * 160 / 21)
    std::string text(60, 't');
    for (const char* key : {"a", "b", "c"}) oli_legend_add_numbered(key, text.c_str(), 0);
    oli_legend(out.f);
    std::string s = out.text();
    // each entry is 1 + 5 + 60 + 2 = 68 bytes, 72 with its allowance: two fit into 160 at most
    int remarks = 0;
    for (const char* start : {"\n a\xCEr - ", "\n b\xCEr - ", "\n c\xCEr - "}) remarks += count_of(s, start);
    double width = oli_get_page_width();
    int line = int(std::lround((width - oli_get_left_margin()) * 160 / width));
    int per_line = line / 72;
    EXPECT_EQ(remarks, (3 + per_line - 1) / per_line) << s;
    EXPECT_NE(s.find("a\xCEr - " + text + "\xCEr     b"), std::string::npos);
    EXPECT_EQ(log_of("OLI_setYPositionCM").front(), "OLI_setYPositionCM: 1 0.100");
}

TEST_F(LegendTables, CellGraphicsBytes)
{
    struct Case {
        void (*write)(FILE*);
        const char* bytes;
    };
    const Case cases[] = {
        {[](FILE* f) { oli_cell_rect(f, 1, 70, 0, 0, 0.8, 0.2); },
         " \xCE{\xCER 3840 0.000000 0.000000 0.200000 0.800000 } "},
        {[](FILE* f) { oli_cell_rect(f, 0, 12, 0.1, 0.2, -1, 3); },
         " \xCE{\xCER 12 0.100000 0.200000 0.000000 1.000000 } "},
        {[](FILE* f) { oli_cell_rect_full(f, 1, 5); }, " \xCE{\xCER 3845 -1 -1 -1 -1} "},
        {[](FILE* f) { oli_cell_bar_full(f, 1.7); }, " \xCE{\xCEL 0 -1 -1 1.000000 1.000000 }"},
        {[](FILE* f) { oli_cell_bar_pair(f, 0.05); },
         " \xCE{\xCEL 0 -1 -1 -0.050000 -0.050000 }  \xCE{\xCEL 0 -1 -1 0.150000 0.150000 } "},
        {[](FILE* f) { oli_cell_bar(f, 0.5, 0.25, 2, -3); }, " \xCE{\xCEL 0 0.500000 0.250000 1.000000 0.000000 } "},
    };
    for (const Case& c : cases) {
        Capture one;
        c.write(one.f);
        EXPECT_EQ(one.text(), c.bytes);
    }
    oli_cell_bar_full(nullptr, 0.5);   // a null stream writes nothing and does not fail
}

TEST_F(LegendTables, PictureBlocks)
{
    oli_set_picture_folder("BILDER\\");
    oli_picture_block(out.f, 4, 2.5, "logo.bmp");
    EXPECT_EQ(blocks_only(out.text()),
              "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 4.0 0 2.5\n 27 0 2.5 %FONT%\\BILDER\\logo.bmp\n-1\n");
    Capture framed;
    oli_picture_block_framed(framed.f, 4, 2.5, "logo.bmp");
    EXPECT_EQ(blocks_only(framed.text()),
              "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 4.0 0 2.5\n 27 0 2.5 %FONT%\\logo.bmp\n"
              " 1  0.000000 0.000000 0.000000 2.500000\n 1  0.000000 2.500000 4.000000 2.500000\n"
              " 1  4.000000 2.500000 4.000000 0.000000\n 1  4.000000 0.000000 0.000000 0.000000\n-1\n");
    EXPECT_EQ(log_of("OLI_setYPositionCM"),
              (std::vector<std::string>{"OLI_setYPositionCM: 1 -0.300", "OLI_setYPositionCM: 1 -0.300"}));
}

TEST_F(LegendTables, TransposedTable)
{
    double mk[3] = {12.5, -3.25, 100};
    double vk[3] = {1, 2, 3};
    char texts[3][8] = {"LF 1", "LF 2", "LF 3"};
    OliSimpleRow rows[3] = {
        {"Fall", "TXT", 8, texts, 1.0},
        {"M", "kNm", 2, mk, 1.0},
        {"V", "kN", 1, vk, 10.0},
    };
    EXPECT_EQ(oli_simple_table(out.f, 0, 3, rows), nullptr);
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(oli_simple_table(out.f, 3, 3, rows), out.f);
    std::string s = blocks_only(out.text());
    // widths: name 4 ("Fall"), unit 3 ("TXT"/"kNm"), cell 8 (a text of stride 8 with its blank,
    // wider than "100.00"): boundaries 5, 4 + 3 + 3 = 10, then + 9 each
    EXPECT_EQ(s.rfind("#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 4\n 5.000000 10.000000 19.000000 28.000000\n", 0), 0u)
        << s;
    EXPECT_EQ(count_of(s, "\xCE{\xCEL 0 -1 -1 1.000000 1.000000 }"), 2);   // after rows 1 and 2 only
    EXPECT_NE(s.find(" \xCE" "bM\xCEr     kNm\xCEr    12.50    -3.25   100.00 \xCE{"), std::string::npos) << s;
    EXPECT_NE(s.find(" \xCE" "bV\xCEr     kN\xCEr      10.0     20.0     30.0\n#END_OF_TEXT\n"), std::string::npos) << s;
    EXPECT_EQ(log_of("OLI_setYPositionCM"),
              (std::vector<std::string>{"OLI_setYPositionCM: 1 0.100", "OLI_setYPositionCM: 1 -0.400"}));
}

namespace {
const char* situation(int key) { return key == 1 ? "ständig/vorüb." : nullptr; }
}

TEST_F(LegendTables, LoadCombinationTexts)
{
    OliCombinationTable t;
    oli_combination_init(&t, 3, 3);
    EXPECT_EQ(t.no_names, 1);
    EXPECT_EQ(t.case_ids[2], 3);
    // combination 1: cases 1 and 2 with 0.7 and 1.5, case 3 with 1 and 1
    for (int i = 0; i < 2; ++i) {
        t.combinations[0].factors1[i] = 0.7;
        t.combinations[0].factors2[i] = 1.5;
    }
    // combination 2: all factors 1; combination 3: case 2 left out, case 3 unused (id -1)
    t.combinations[2].factors1[1] = 0;
    t.case_ids[2] = -1;
    std::strcpy(t.combinations[1].name, "Grundkombination");
    t.combinations[1].situation = 1;
    t.situation_name = situation;
    t.no_names = 0;
    oli_load_combination_table(out.f, &t);
    EXPECT_STREQ(oli_combination_name(0), "0.7\xCE/.\xCEr" "1.5\xCE/.\xCEr(Lf1+Lf2)");
    EXPECT_STREQ(oli_combination_name(1), "Lf1+Lf2");
    EXPECT_STREQ(oli_combination_name(2), "Lf1");
    EXPECT_STREQ(oli_combination_name(3), "???");
    std::string s = blocks_only(out.text());
    EXPECT_NE(s.find("Faktorisierung"), std::string::npos);
    EXPECT_NE(s.find("Grundkombination"), std::string::npos);
    EXPECT_NE(s.find("ständig/vorüb."), std::string::npos);
    EXPECT_NE(s.find(" 0.7\xCE/.\xCEr" "1.5\xCE/.\xCEr(Lf1+Lf2)"), std::string::npos) << s;
    EXPECT_EQ(log_of("OLI_setFlags"), std::vector<std::string>{"OLI_setFlags: 896"});
    oli_combination_free(&t);
    EXPECT_EQ(t.case_ids, nullptr);

    // eleven combinations: the long-table flags first; a null stream still gets 896
    calllog::clear();
    oli_combination_init(&t, 1, 11);
    Capture many;
    oli_load_combination_table(many.f, &t);
    EXPECT_EQ(log_of("OLI_setFlags"), (std::vector<std::string>{"OLI_setFlags: 640", "OLI_setFlags: 896"}));
    calllog::clear();
    oli_load_combination_table(nullptr, &t);
    EXPECT_EQ(log_of("OLI_setFlags"), std::vector<std::string>{"OLI_setFlags: 896"});
    oli_combination_free(&t);
}

TEST_F(LegendTables, ViewerReadsEveryBlock)
{
    oli_legend_add_reference("k_mod", "Modifikationsbeiwert [%d]", "DIN EN 1995-1-1");
    oli_legend_add("h", "Trägerhöhe");
    oli_legend(out.f);
    oli_legend_tabbed(out.f);
    oli_literature_list(out.f);
    double v[2] = {1.5, 2.5};
    OliSimpleRow row = {"q", "kN/m", 2, v, 1.0};
    oli_simple_table(out.f, 1, 2, &row);
    OliCombinationTable t;
    oli_combination_init(&t, 2, 2);
    t.no_names = 0;
    oli_load_combination_table(out.f, &t);
    oli_combination_free(&t);
    oli_picture_block_framed(out.f, 3, 2, "bild.bmp");
    std::string bytes = out.text();
    oliview::Document d = oliview::parse(bytes.data(), bytes.size());
    EXPECT_EQ(d.skipped, 0) << bytes;
    EXPECT_GE(d.blocks.size(), 6u);
}
