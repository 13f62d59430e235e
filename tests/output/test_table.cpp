// Table writer: block head, column boundaries, typed cells, sentinels, footnotes, flags.
#include "oli_capture.h"
#include "output/oli_table.h"
#include "helpers/mem_counted.h"

#include <gtest/gtest.h>
#include <cstring>

namespace {

void set(OliColumn& c, const char* title, const char* short_title, const char* type, int width, int decimals,
         const void* values)
{
    std::strcpy(c.title, title);
    std::strcpy(c.short_title, short_title);
    std::strcpy(c.type, type);
    c.width = width;
    c.decimals = decimals;
    c.values = values;
}

} // namespace

class Table : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_writers();
        oli_table_footnotes_clear();
        oli_table_set_row_limit(100);
    }
    void TearDown() override { mem_free_and_null(&cols); }
    OliColumn* cols = nullptr;
    Capture out;
};

TEST_F(Table, ForcesTableHeadAndBoundaries)
{
    // the printed calculation's forces table with two decimals (width 7) and one load
    char names[16] = "Last 1";
    char kled[16] = "kurz";
    double nl = 12.5, vl = -3.25, ml = 100.0, nr = 0, vr = 1, mr = 2, kmod = 0.9, gm = 1.3;
    oli_table_columns_alloc(11, &cols);
    set(cols[0], " ", "Nr.", "ZZ", 2, 0, nullptr);
    set(cols[1], " ", "Name", "TXT", 16, 16, names);
    set(cols[2], "linker Rand", "N\xCE\\d\xCEr", "kN", 7, 2, &nl);
    set(cols[3], "=", "V\xCE\\d\xCEr", "kN", 7, 2, &vl);
    set(cols[4], "=", "M\xCE\\d\xCEr", "kNm", 7, 2, &ml);
    set(cols[5], "rechter Rand", "N\xCE\\d\xCEr", "kN", 7, 2, &nr);
    set(cols[6], "=", "V\xCE\\d\xCEr", "kN", 7, 2, &vr);
    set(cols[7], "=", "M\xCE\\d\xCEr", "kNm", 7, 2, &mr);
    set(cols[8], " ", "KLED", "TXT", 16, 16, kled);
    set(cols[9], " ", "k\xCE\\mod\xCEr", "-", 6, 3, &kmod);
    set(cols[10], " ", "\xC0", "-", 6, 2, &gm);
    OliTabelle(out.f, 11, 1, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    std::string s = out.text();
    // widths 3 16 7 7 7 7 7 7 16 6 6; boundaries are running sums of width + 1, a boundary
    // inside a merged title group stands at the group's start (21 and 45)
    const char* head = "#SHOWTABLE\n 0 0 0\n 2 1 -1 -1 10\n"
                       " 4.000000 21.000000 21.000000 21.000000 45.000000 45.000000 45.000000 69.000000"
                       " 86.000000 93.000000\n";
    ASSERT_NE(s.find("#SHOWTABLE"), std::string::npos);
    EXPECT_EQ(s.substr(s.find("#SHOWTABLE"), std::strlen(head)), head);
    EXPECT_NE(s.find("linker Rand"), std::string::npos);
    // the row: number, the name in 15 characters, the values right-aligned with two decimals
    EXPECT_NE(s.find("\n   1  Last 1            12.50   -3.25  100.00    0.00    1.00    2.00  kurz           "
                     "  0.900   1.30\n#END_OF_TEXT\n"),
              std::string::npos)
        << s;
    EXPECT_EQ(log_of("OLI_setYPositionCM"), (std::vector<std::string>{"OLI_setYPositionCM: 1 0.100",
                                                                       "OLI_setYPositionCM: 1 -0.400"}));
}

TEST_F(Table, SentinelAndTypedCells)
{
    OliColumn c{};
    std::strcpy(c.type, "kN");
    c.factor = 1.0;
    c.stride = -1;
    struct Case { double v; const char* cell; };
    const Case cases[] = {
        {2e100, "  n.e. "}, {-2e100, "    ---"}, {3e100, "   auto"}, {1e100, "    \xEC  "},
        {-1e100, "   -\xEC  "}, {-3e100, "       "}, {1.005, "   1.00"}, {-12.5, " -12.50"},
    };
    char buf[1000];
    for (const Case& k : cases) {
        oli_table_cell(&c, &k.v, 0, 6, 6, 2, 1.0, 0, 0, buf, 0);
        EXPECT_STREQ(buf, k.cell) << k.v;
    }
    double v = 2e100;
    oli_table_cell(&c, &v, 0, 6, 6, 2, 1.0, 1, 0, buf, 0);   // a sentinel is never underlined
    EXPECT_STREQ(buf, "  n.e. ");
    v = 4.0;
    oli_table_cell(&c, &v, 0, 6, 6, 2, 1.0, 0, 1, buf, 0);
    EXPECT_STREQ(buf, " \xCE" "b  4.00\xCEr");
    std::strcpy(c.type, "cm\xCE/2\xCEr");
    v = 0;
    oli_table_cell(&c, &v, 0, 6, 6, 2, 1.0, 0, 0, buf, 0);
    EXPECT_STREQ(buf, "    -  ");
    OliBarGroup g[2] = {};
    g[0].count = 4;
    g[0].diameter_index = 3;
    g[1].count = 2;
    g[1].bundle = 2;
    g[1].diameter_index = 42;   // out of the table: no diameter invented
    std::strcpy(c.type, "GEW");
    oli_table_cell(&c, g, 0, 12, 12, 0, 1.0, 0, 0, buf, 0);
    EXPECT_STREQ(buf, "       \xCE" "b4 \x8C 12\xCEr");
    oli_table_cell(&c, g, 1, 12, 12, 0, 1.0, 0, 0, buf, 0);
    EXPECT_STREQ(buf, "      \xCE" "b2 \x8C ???\xCEr");
}

TEST_F(Table, FootnotesShortTitlesAndRowFilter)
{
    oli_table_footnote_add(1, "a", "erste");
    oli_table_footnote_add(2, "a", "gleiche Marke");   // same mark: ignored
    oli_table_footnote_add(1, "b", "gleicher Schl\x81ssel");
    EXPECT_EQ(oli_table_footnote_count(), 1);
    double v[3] = {1.0, 0.004, 2.0};
    int keys[3] = {0, 0, 1};
    oli_table_columns_alloc(2, &cols);
    set(cols[0], "", "+Nr", "ZZ", 4, 0, nullptr);
    set(cols[1], "", "Wert", "kN", 6, 2, v);
    cols[1].footnote_keys = keys;
    OliTabelle(out.f, 2, 3, cols, nullptr, nullptr, 0, 0x2, nullptr, nullptr, 0, nullptr);
    std::string s = out.text();
    EXPECT_NE(s.find(" \xCEr  Nr \xCEr Wert   \n"), std::string::npos) << s;     // "+" ends at the column end
    EXPECT_EQ(s.find("0.00 \n"), std::string::npos);                           // the row of 0.004 is left out
    EXPECT_NE(s.find("  2.00\xCE/a\xCEr\n"), std::string::npos) << s;
    EXPECT_NE(s.find(" \xCE/a\xCEr erste\n"), std::string::npos);
    EXPECT_EQ(log_of("OLI_reserveSpaceCM").front(), "OLI_reserveSpaceCM: 0.286");
}

TEST_F(Table, LongTablesSwitchFlags)
{
    std::vector<double> v(100, 1.0);
    oli_table_columns_alloc(1, &cols);
    set(cols[0], "", "W", "m", 4, 1, v.data());
    OliTabelle(out.f, 1, 99, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    EXPECT_TRUE(log_of("OLI_setFlags").empty());
    OliTabelle(out.f, 1, 100, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    EXPECT_EQ(log_of("OLI_setFlags"), std::vector<std::string>{"OLI_setFlags: 640"});
    calllog::clear();
    OliTabelle(out.f, 1, 3, cols, nullptr, nullptr, 0, 0x40 | 0x4, nullptr, nullptr, 0, nullptr);
    EXPECT_EQ(log_of("OLI_setFlags"), (std::vector<std::string>{"OLI_setFlags: 640", "OLI_setFlags: 896"}));
    EXPECT_TRUE(log_of("OLI_setYPositionCM").empty());
}

TEST_F(Table, SumRowAndSeparators)
{
    double v[3] = {1.0, 2e100, 3.0};
    double w[3] = {1.5, 2.5, -2e100};
    int sep[3] = {1, 0, 1};
    oli_table_columns_alloc(3, &cols);
    set(cols[0], "", "Nr", "ZZ", 3, 0, nullptr);
    set(cols[1], "", "A", "kN", 6, 2, v);
    set(cols[2], "", "B", "kN", 6, 2, w);
    cols[1].sum = cols[2].sum = 1;
    OliTabelle(out.f, 3, 3, cols, nullptr, sep, 0, 0, nullptr, nullptr, 0, nullptr);
    std::string s = out.text();
    EXPECT_EQ(count_of(s, "\xCEL 0 -1 -1 1.000000 1.000000 }"), 1);    // not after the last row
    // sums: A holds n.e., B skips "---": 1.5 + 2.5 = 4.00; the first column carries the mark
    EXPECT_NE(s.find("   \xB2  n.e.    4.00 \xCE{\xCEL 0 -1 -1 0.000000 0.000000 }\n#END_OF_TEXT"),
              std::string::npos) << s;
}

TEST_F(Table, TooFewColumnsEndsTheProgram)
{
    // A fresh process for the exit: a forked copy would carry the font caches of earlier tests into
    // the leak check that runs at its exit.
    const std::string style = ::testing::FLAGS_gtest_death_test_style;
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    oli_table_columns_alloc(1, &cols);
    EXPECT_EXIT(OliTabelle(out.f, 2, 1, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr),
                ::testing::ExitedWithCode(0), "");
    ::testing::FLAGS_gtest_death_test_style = style;
}
