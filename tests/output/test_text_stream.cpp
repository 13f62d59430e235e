// Text-block layer, headings and paragraphs: bytes of the "#SHOWPARA" stream and the
// layout calls that go with them.
#include "oli_capture.h"
#include "common/test_util.h"

#include <gtest/gtest.h>
#include <cstdlib>

class TextStream : public ::testing::Test {
protected:
    void SetUp() override { reset_writers(); }
    Capture out;
};

TEST_F(TextStream, HeadingThenParagraphGolden)
{
    oli_text_set_mode(5);
    oli_text_printf(out.f, "%s\n", "Eingabedaten");
    oli_text_add_space(0.1);
    EXPECT_EQ(oli_text_end_block(out.f), 0);
    oli_text_set_mode(7);
    oli_text_printf(out.f, "Text");
    EXPECT_EQ(oli_text_end_block(out.f), 0);
    EXPECT_EQ(out.text(), "\n#SHOWPARA\n0x0\n5\n-1\n Eingabedaten\n#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"
                          "\n#SHOWPARA\n0x0\n7\n-1\n Text\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST_F(TextStream, BlockContinuesOrStartsNewParagraph)
{
    // same pending format: one record, two lines
    oli_text_printf(out.f, "a\n");
    oli_text_printf(out.f, "b\n");
    // changed mode inside the block: end, closing word with 0x4, the new record
    oli_text_set_mode(3);
    oli_text_printf(out.f, "c");
    oli_text_end_block(out.f);
    EXPECT_EQ(out.text(), "\n#SHOWPARA\n0x0\n4\n-1\n a\n b\n#END_OF_TEXT\n0x4\n0x0\n3\n-1\n c\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST_F(TextStream, EndBlockWithNothingOpenWritesNothing)
{
    EXPECT_EQ(oli_text_end_block(out.f), -1);
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(oli_text_printf(nullptr, "x"), -1);
}

TEST_F(TextStream, RecordFieldsAndTabs)
{
    double stops[120];
    for (int i = 0; i < 120; ++i) stops[i] = i * 0.5;
    oli_text_set_tabs(1, nullptr, stops, 120);
    EXPECT_EQ(oli_text_tab_count(), 100);
    oli_text_set_single_tab(2, 1.5);
    oli_text_add_space(0.25);
    oli_text_set_factor(1.5);
    oli_text_printf(out.f, "x\n");
    EXPECT_EQ(out.text(), "\n#SHOWPARA\n0x450\n4\n2 0.25\n0x2\n2 1.5\n1.5\n-1\n x\n");
}

TEST_F(TextStream, WriteErrorGivesMinusOne)
{
    FILE* full = std::fopen("/dev/full", "w");
    ASSERT_TRUE(full);
    std::setvbuf(full, nullptr, _IONBF, 0);
    EXPECT_EQ(oli_text_printf(full, "Text\n"), -1);
    EXPECT_EQ(oli_text_end_block(full), -1);
    std::fclose(full);
}

TEST_F(TextStream, HeadingNumbersAndBookmarks)
{
    oli_writer_init(3, 2, 1);
    const struct { int level; const char* text; const char* number; } headings[] = {
        {1, "Eingabedaten", "1."}, {1, "Ergebnisse", "2."}, {2, "Biegung", "2.1."}, {3, "Detail", "2.1.1."},
        {1, "Zusammenfassung", "3."}};
    for (const auto& h : headings) {
        oli_heading(out.f, h.level, "%s", h.text);
        EXPECT_STREQ(oli_last_heading_number(), h.number) << h.text;
    }
    std::vector<std::string> expect = {
        "OLI_setBookmark: 16 \xCE@1. Eingabedaten", "OLI_setBookmark: 17 null",
        "OLI_setBookmark: 16 \xCE@2. Ergebnisse",    "OLI_setBookmark: 0 \xCE@2.1. Biegung",
        "OLI_setBookmark: 17 null",                  "OLI_setBookmark: 16 \xCE@3. Zusammenfassung"};
    EXPECT_EQ(log_of("OLI_setBookmark"), expect);
    std::string s = out.text();
    // level 1 in mode 5 with 0.1 cm after, deeper levels in mode 4 with the heading style
    EXPECT_NE(s.find("\n#SHOWPARA\n0x0\n5\n-1\n \xCE@1. Eingabedaten\n#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"),
              std::string::npos);
    EXPECT_NE(s.find(" \xCEH\xCE@2.1. Biegung\xCEr\n"), std::string::npos);
    calllog::clear();
    oli_close_bookmarks(out.f);
    EXPECT_EQ(log_of("OLI_setBookmark").size(), 1u);
}

TEST_F(TextStream, HeadingLayoutCallsAndTitleLine)
{
    oli_writer_init(3, 2, 1);
    oli_heading(out.f, 1, "Eingabedaten");
    std::vector<std::string> expect = {"OLI_setMarginsCM: 1 0.000 0.000", "OLI_setYPositionCM: 1 0.254",
                                       "OLI_reserveSpaceCM: 3.000", "OLI_setBookmark: 16 \xCE@1. Eingabedaten",
                                       "OLI_setYPositionCM: 1 0.100", "OLI_setMarginsCM: 1 0.000 0.000",
                                       "OLI_setYPositionCM: 1 -0.190"};
    EXPECT_EQ(calllog::entries(), expect);
    calllog::clear();
    oli_heading(out.f, 0, "Titel");
    EXPECT_STREQ(oli_last_heading_number(), "1.");
    EXPECT_EQ(oli_heading_counter_get(1), 1);
    EXPECT_TRUE(log_of("OLI_setBookmark").empty());
    EXPECT_NE(out.text().find("\n#SHOWPARA\n0x0\n4\n-1\n \xCEHTitel\xCEr\n#END_OF_TEXT\n0x0\n-1\n"), std::string::npos);
}

TEST_F(TextStream, NumberColumnIndent)
{
    // four numbered levels of size code 2: 4 x 0.48 + 0.2 = 2.12 cm; three of code 1: 3 x 0.28 + 0.3 = 1.14
    oli_writer_init(4, 2, 0);
    EXPECT_NEAR(oli_heading_indent(), 2.12, 1e-9);
    oli_writer_init(3, 1, 0);
    EXPECT_NEAR(oli_heading_indent(), 1.14, 1e-9);
    oli_heading(out.f, 2, "Tab");
    EXPECT_NE(out.text().find("0x40\n4\n0x0 1\n1 1.14\n-1\n \xCEH\xCE@0.1.\xCEtTab\xCEr\n"), std::string::npos);
}

TEST_F(TextStream, PositionSlotsRunOut)
{
    for (int i = 0; i < 10; ++i) EXPECT_EQ(oli_store_position(out.f), i);
    EXPECT_EQ(oli_store_position(out.f), -1);
    oli_restore_position(out.f, 3);
    EXPECT_EQ(oli_store_position(out.f), 3);
    EXPECT_EQ(oli_store_position(nullptr), -1);
}

TEST_F(TextStream, ParagraphTextReplacementsAndTrimming)
{
    oli_text(out.f, "A = 12,5 cm\xFD");
    EXPECT_STREQ(oli_text_last(), "A = 12,5 cm\xCE/2\xCEr");
    oli_text(out.f, "W\xCE\\y\xFA");
    EXPECT_STREQ(oli_text_last(), "W\xCE\\y\xCE/3\xCEr\xCE\\");   // the subscript is opened again
    oli_set_trim_zeros(1);
    oli_text(out.f, "a = 2.500 m, b = 3.00 m, c = 4. m, d = 10.050");
    EXPECT_STREQ(oli_text_last(), "a = 2.5 m, b = 3 m, c = 4 m, d = 10.05");
    oli_set_trim_zeros(0);
    Capture empty;
    oli_text(empty.f, "%s", "");
    oli_text(empty.f, "zwei\n");
    EXPECT_EQ(empty.text(), "\n#SHOWPARA\n0x0\n7\n-1\n \n#END_OF_TEXT\n0x0\n-1\n"
                            "\n#SHOWPARA\n0x0\n7\n-1\n zwei\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST_F(TextStream, RelationSigns)
{
    struct Case { double a, b; int dec; double tol; const char* sign; };
    const Case cases[] = {
        {100.0, 100.4, 0, 0.01, "="},       // -0.4 rounds to 0 at no decimals
        {100.0, 100.4, 1, 0.01, "\xF7"},    // |1 - 100.4/100| = 0.004 < 0.01
        {1.0, 2.0, 1, 0.01, "<"},
        {3.0, 2.0, 1, 0.01, ">"},
    };
    for (const Case& c : cases) EXPECT_STREQ(relation_sign(c.a, c.b, c.dec, c.tol), c.sign) << c.a << " " << c.b;
    EXPECT_STREQ(relation_text_le(1, 1), "\xF3");
    EXPECT_STREQ(relation_text_ge(1, 1), "\xF2");
}

TEST_F(TextStream, LimitCheckLineFails)
{
    int ok = oli_limit_check_line(out.f, "Nachweis:", 5.0, "<=", 3.0, 2, "N/mm\xFD", "ok.", "nicht ok. !!");
    EXPECT_EQ(ok, 0);
    std::string s = out.text();
    EXPECT_NE(s.find(" Nachweis: \xCE" "b5.00 > 3.00\xCEr N/mm\xCE/2\xCEr \xCE" "bnicht ok. !!\n"), std::string::npos);
    EXPECT_NE(s.find(" \xCE" "b!!\n"), std::string::npos);
    EXPECT_EQ(log_of("OLI_setMarginsCM").front(), "OLI_setMarginsCM: 1 17.000 0.000");
    calllog::clear();
    EXPECT_EQ(oli_limit_check_line(out.f, "", 2.0, "<=", 3.0, 2, "", "ok.", "nicht ok."), 1);
    EXPECT_TRUE(log_of("OLI_setMarginsCM").empty());
}

TEST_F(TextStream, VersionLineWithoutVersionFile)
{
    testutil::ScratchDir exec;
    setenv("EXEC", exec.path().c_str(), 1);
    oli_version_line(out.f, "k7-tvo52");
    unsetenv("EXEC");
    // "K7-TVO52 Version: ???" has 21 characters: 0 + 17 + 1 - 0.13333 x 21 = 15.200 cm
    EXPECT_EQ(log_of("OLI_setMarginsCM").front(), "OLI_setMarginsCM: 1 15.200 0.000");
    EXPECT_NE(out.text().find("\n3\n-1\n K7-TVO52 Version: ???\n"), std::string::npos);
}

TEST_F(TextStream, StripCodesToAnsi)
{
    char t[] = "f\xCE\\m,k\xCEr \xCE{\xCEL 0 1 1 1 1 } \x84\xC4\xB3";
    strip_codes_to_ansi(t, 1, 1);
    EXPECT_STREQ(t, "fm,k  \xE4-\xA6");
}

TEST_F(TextStream, FirstGenerationForms)
{
    oli_set_layout_version(334);
    oli_writer_init(3, 2, 1);
    oli_heading(out.f, 1, "Eingabedaten");
    oli_text(out.f, "a\xCE_b");
    oli_remark(out.f, "klein");
    EXPECT_EQ(blocks_only(out.text()), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n 0.000000 17.000000 0.000000 0.800000\n 7 5\n"
                          " 2 0.000000 0.200000 \xAE" "1. Eingabedaten\xAF\n -1\n"
                          "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n a\xCE_b\n \n#END_OF_TEXT\n"
                          "#SHOWTABLE\n 0 0 1\n klein\n 0 0 0 0\n");
    std::vector<std::string> moves = {"OLI_setYPositionCM: 1 -0.600", "OLI_setYPositionCM: 1 -0.190",
                                      "OLI_setYPositionCM: 1 -0.380", "OLI_setYPositionCM: 1 -0.601",
                                      "OLI_setYPositionCM: 1 -0.850"};
    EXPECT_EQ(log_of("OLI_setYPositionCM"), moves);
    EXPECT_EQ(log_of("OLI_setBookmark"), std::vector<std::string>{"OLI_setBookmark: 16 \xCE@1. Eingabedaten"});
}
