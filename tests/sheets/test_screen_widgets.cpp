#include "sheets/screen_widgets.h"
#include "sheets_fixture.h"

#include <algorithm>

// Lightening through HSL: lightness times (1 + percent / 100), components rounded.
TEST_F(SheetsTest, LightenTable)
{
    struct Case {
        int r, g, b, percent;
        int er, eg, eb;
    };
    const Case cases[] = {
        {128, 128, 128, 40, 179, 179, 179},   // grey: L = 0.502 * 1.4 = 0.703 -> 179.2
        {0, 0, 0, 40, 0, 0, 0},               // black stays black
        {255, 0, 0, 20, 255, 51, 51},         // hue 1 counts as 0; L 0.6, m1 0.2 -> 51
        {248, 195, 62, 20, 250, 214, 122},    // S = 186/(510-310) = 0.93, L 0.608 * 1.2 = 0.729
    };
    for (const Case& c : cases) {
        int r = c.r, g = c.g, b = c.b;
        EXPECT_EQ(screen_rgb_lighten(&r, &g, &b, c.percent), c.eg);
        EXPECT_EQ(r * 1000000 + g * 1000 + b, c.er * 1000000 + c.eg * 1000 + c.eb) << c.r << "," << c.g << "," << c.b;
    }
    EXPECT_EQ(lighten_colour(Nearest_RGB_Color(128, 128, 128), 40), Nearest_RGB_Color(179, 179, 179));
}

TEST_F(SheetsTest, GradedColoursFollowTheThresholds)
{
    grade_reset_thresholds();
    grade_colours_reset();
    EXPECT_EQ(grade_threshold(1), 30);
    EXPECT_EQ(grade_colour_a(29), BLACK_CI);
    EXPECT_EQ(grade_colour_a(30), Nearest_Color_Index(132, 97, 66));
    EXPECT_EQ(grade_colour_b(50), Nearest_Color_Index(0, 0, 150));
    grade_set_colour_a(7, WHITE_CI);   // above 2 counts as 2
    EXPECT_EQ(grade_colour_a(50), WHITE_CI);
    grade_set_step(5);
    grade_set_offset(0);
    EXPECT_EQ(grade_colour_b(5), Nearest_Color_Index(100, 72, 49));
    grade_reset_thresholds();
    grade_colours_reset();
}

TEST_F(SheetsTest, FramedTextBoxKeepsTheBackgroundWithoutFill)
{
    screen_reset();
    draw_framed_text_box(100, 100, 200, 120, nullptr, 201, 0, -1, SCREEN_NO_COLOUR, SCREEN_NO_COLOUR);
    EXPECT_EQ(count_pixels(100, 100, 200, 120, 0xFFFFFFu), 101 * 21);
    draw_framed_text_box(100, 100, 200, 120, nullptr, 201, 0, -1, SCREEN_NO_COLOUR, Nearest_RGB_Color(0, 0, 255));
    EXPECT_EQ(count_pixels(100, 100, 200, 120, 0x0000FFu), 101 * 21);

    // Relief 3 has a two-pixel frame: the text starts 2 + 3 pixels in (its first cell column is
    // blank in cell metrics).
    screen_reset();
    draw_framed_text_box(100, 100, 200, 120, "X", 201, 3, 4096, Nearest_RGB_Color(0, 0, 255), SCREEN_NO_COLOUR);
    int left = 1000;
    for (int y = 100; y <= 120; ++y)
        for (int x = 100; x <= 200; ++x)
            if (screen_pixel(x, y) == 0x0000FFu) left = std::min(left, x);
    EXPECT_EQ(left, 100 + 5 + 1);
}

TEST_F(SheetsTest, VisualCheckButtonCarriesItsComment)
{
    int button = add_visual_check_button(50, 50, 17);
    EXPECT_STREQ(Comment_of_Button_PS(button), "optische Kontrolle");
    input_script_click(55, 55);
    EXPECT_EQ(Edit_Prop_Sheet(), 17);
}
