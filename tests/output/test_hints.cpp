// Hint lists: capacity, styles, tab columns and the framed form.
#include "oli_capture.h"
#include "output/oli_hints.h"

#include <gtest/gtest.h>

class Hints : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_writers();
        oli_hint_lists_reset();
    }
    Capture out;
};

TEST_F(Hints, CapacityLinesAndStyles)
{
    EXPECT_STREQ(oli_hint_line(3, 0), "?????");
    oli_hint_list_open(3);
    for (int k = 0; k < 105; ++k) oli_hint_add(3, "Hinweis %d", k);
    EXPECT_EQ(oli_hint_count(3), 100);
    EXPECT_STREQ(oli_hint_line(3, 99), "Hinweis 99");
    oli_hint_list_open(9);   // beyond the nine lists: ignored
    EXPECT_EQ(oli_hint_list_is_open(9), 0);

    oli_hint_list_open(0);
    oli_hint_add(0, "erste");
    oli_hint_add(0, "+weiter");
    oli_hint_add(0, "   ");
    oli_hint_add(0, "%s", std::string(400, 'x').c_str());   // cut to the 299 characters of a slot
    oli_hint_list_write(0, 2, out.f);
    EXPECT_EQ(out.text(), "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n  0 erste\n    weiter\n \n  3 " + std::string(299, 'x') +
                              "\n#END_OF_TEXT\n");
    EXPECT_EQ(oli_hint_list_is_open(0), 0);
}

TEST_F(Hints, FramedTabColumns)
{
    oli_hint_list_open2(1, 0, 4.0);
    oli_hint_add(1, "a");
    oli_hint_add(1, "b");
    oli_hint_list_print(out.f, 1, 10);
    std::string s = out.text();
    // kind 2 with two text lines: (2/2 + 0.8) x 0.38 = 0.684 cm high, 0.5 cm more reserved
    EXPECT_EQ(log_of("OLI_reserveSpaceCM").front(), "OLI_reserveSpaceCM: 1.184");
    EXPECT_NE(s.find("0.000000 10.000000 0.000000 0.684000\n"), std::string::npos);
    EXPECT_NE(s.find("-1\n a\xCEtb\n#END_OF_TEXT\n"), std::string::npos) << s;
    EXPECT_EQ(log_of("OLI_restoreYPosition").size(), 1u);
    EXPECT_EQ(oli_hint_list_is_open(1), 0);
    oli_hint_list_open(1);
    oli_hint_add(1, "c");
    Capture plain;
    oli_hint_list_write(1, 0, plain.f);   // kind 1 again after the columns
    EXPECT_EQ(plain.text(), "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n c\n#END_OF_TEXT\n");
}
