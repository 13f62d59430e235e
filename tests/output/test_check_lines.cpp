// Check lines (the two values, their relation and the governing value after the arrow) and texts
// in tab columns of the output list.
#include "oli_capture.h"
#include "common/test_util.h"
#include "helpers/print_helpers.h"

#include <gtest/gtest.h>

#include <string>

class CheckLines : public ::testing::Test {
protected:
    void SetUp() override { reset_writers(); }
    Capture out;
};

// Kind 1 names a when a < b, kind 2 a when a > b, kind 3 b when a < b, kind 4 b when a > b; the
// comparison is made on the values rounded to the printed decimals. 0x88 is the arrow, 0xF7 the
// "about equal" sign of values within the tolerance.
TEST_F(CheckLines, CheckLineTextNamesTheGoverningValue)
{
    struct Case {
        double a, b;
        int decimals;
        double tolerance;
        int kind;
        const char* name;
        const char* unit;
        const char* text;
    };
    const Case cases[] = {
        {2.0, 3.0, 2, 0.0, 1, "F", "kN", "2.00 kN < 3.00 kN  \x88" "F = 2.00 kN"},
        {5.0, 3.0, 2, 0.0, 1, "F", "kN", "5.00 kN > 3.00 kN"},
        {5.0, 3.0, 2, 0.0, 2, "F", nullptr, "5.00 > 3.00  \x88" "F = 5.00"},
        {2.0, 3.0, 2, 0.0, 2, "F", nullptr, "2.00 < 3.00"},
        {2.0, 3.0, 1, 0.0, 3, "l", "mm", "2.0 mm < 3.0 mm  \x88l = 3.0 mm"},
        {5.0, 3.0, 1, 0.0, 3, "l", "mm", "5.0 mm > 3.0 mm"},
        {5.0, 3.0, 0, 0.0, 4, "n", nullptr, "5 > 3  \x88n = 3"},
        {2.0, 3.0, 0, 0.0, 4, "n", nullptr, "2 < 3"},
        {2.0, 3.0, 2, 0.0, 1, nullptr, nullptr, "2.00 < 3.00"},        // no name: no arrow
        {2.004, 2.0, 2, 0.0, 1, "F", nullptr, "2.00 = 2.00"},         // equal once rounded
        {100.0, 100.4, 1, 0.01, 1, "F", nullptr, "100.0 \xF7 100.4  \x88" "F = 100.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(oli_check_line_text(c.a, c.b, c.decimals, c.tolerance, c.kind, c.name, c.unit)),
                  c.text)
            << c.a << " " << c.b << " kind " << c.kind;
}

TEST_F(CheckLines, RelationTextNamesTheLimitOnlyWhenTheRelationFails)
{
    char buffer[256];
    EXPECT_STREQ(oli_check_relation_text("u", 0.5, "<=", 1.0, 2, buffer), "0.50 < 1.00");
    EXPECT_STREQ(oli_check_relation_text("u", 1.004, "<=", 1.0, 2, buffer), "1.00 = 1.00");
    EXPECT_STREQ(oli_check_relation_text("u", 1.2, "<=", 1.0, 2, buffer), "1.20 > 1.00  \x88  u = 1.00");
    EXPECT_STREQ(oli_check_relation_text("t", 8.0, ">=", 10.0, 0, buffer), "8 < 10  \x88  t = 10");
    EXPECT_STREQ(oli_check_relation_text("t", 8.0, ">", 8.0, 1, buffer), "8.0 = 8.0  \x88  t = 8.0");
    EXPECT_EQ(oli_check_relation_text("u", 1.0, "<", 2.0, 2, nullptr), nullptr);
}

// Columns at 0, 3.5 and 7 cm: the first column starts the line without a tab, every further cell
// is led by a tab code (0xCE 't'), the last column ends the line and the next cell starts a new one.
TEST_F(CheckLines, ColumnsFillTheirStopsRowByRow)
{
    oli_columns_open3(0.0, 3.5, 7.0);
    for (const char* c : {"a", "b", "c", "d"}) oli_columns_cell(out.f, "%s", c);
    oli_columns_close(out.f);
    EXPECT_EQ(out.text(), "\n#SHOWPARA\n0x40\n7\n0x0 2\n2 3.5\n2 7\n-1\n"
                          " a\xCEtb\xCEtc\n d\n#END_OF_TEXT\n0x0\n-1\n");
    oli_columns_cell(out.f, "after close");   // closed: nothing more is written
    EXPECT_EQ(count_of(out.text(), "after close"), 0);
}

// Columns opened again while open end the earlier block, and the new block carries the new stops
// (a first stop other than 0 puts a tab before the first cell too).
TEST_F(CheckLines, ReopenedColumnsCarryTheirOwnStops)
{
    oli_columns_open2(1.0, 4.0);
    oli_columns_cell(out.f, "x");
    oli_columns_cell(out.f, "y");
    oli_columns_open2(2.0, 5.0);
    oli_columns_cell(out.f, "z");
    oli_columns_close(out.f);
    EXPECT_EQ(out.text(), "\n#SHOWPARA\n0x40\n7\n0x0 2\n2 1\n2 4\n-1\n \xCEtx\xCEty\n#END_OF_TEXT\n0x0\n-1\n"
                          "\n#SHOWPARA\n0x40\n7\n0x0 2\n2 2\n2 5\n-1\n \xCEtz\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST_F(CheckLines, TextAtOneTabIsABlockOfItsOwn)
{
    oli_text_at_tab(out.f, 4.5, "t");
    oli_text_at_tab_printf(out.f, 2.0, "n = %d\n", 3);   // a text ending its line gets no second newline
    EXPECT_EQ(out.text(), "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 4.5\n-1\n t\n#END_OF_TEXT\n0x0\n-1\n"
                          "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 2\n-1\n n = 3\n#END_OF_TEXT\n0x0\n-1\n");
}

// The writers keep the decimal point under a German numeric locale, without any scope of a caller.
TEST_F(CheckLines, NumbersKeepTheirPointUnderAGermanNumericLocale)
{
    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    const std::string line = oli_check_line_text(2.0, 3.0, 2, 0.0, 1, "F", "kN");
    oli_columns_open2(1.5, 4.0);
    oli_columns_cell(out.f, "x");
    oli_columns_close(out.f);
    fprintf_if_open(out.f, " 6 %lf\n", 0.25);
    german.end();
    EXPECT_EQ(line, "2.00 kN < 3.00 kN  \x88" "F = 2.00 kN");
    EXPECT_NE(out.text().find("2 1.5\n2 4\n"), std::string::npos) << out.text();
    EXPECT_NE(out.text().find(" 6 0.250000\n"), std::string::npos) << out.text();
}
