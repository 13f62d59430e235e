// Immediate drawing in world coordinates: the transform, line widths and dimension texts.
#include <string>

#include "sheets/screen_drawing.h"
#include "sheets_fixture.h"
#include "common/test_util.h"

namespace {

class ScreenDrawingTest : public SheetsTest {
public:
    void SetUp() override
    {
        SheetsTest::SetUp();
        screen_set_transform(0, 0, 0, 1, 1);
        screen_set_line_width(1);
        screen_set_line_style(0);
        pxFgc(BLACK_CI);
    }
};

TEST_F(ScreenDrawingTest, TransformWithSeparateScales)
{
    screen_set_transform(1, 1, 0, 2, -2);
    double x = 2, y = 3;   // 2 * (2 - 1), -2 * (3 - 1)
    screen_world_to_pixel(&x, &y);
    EXPECT_DOUBLE_EQ(x, 2);
    EXPECT_DOUBLE_EQ(y, -4);
    screen_pixel_to_world(&x, &y);
    EXPECT_DOUBLE_EQ(x, 2);
    EXPECT_DOUBLE_EQ(y, 3);
    double only_x = 5;
    screen_world_to_pixel(&only_x, nullptr);
    EXPECT_DOUBLE_EQ(only_x, 10);
}

TEST_F(ScreenDrawingTest, LineWidthsZeroOneAndThick)
{
    struct Case {
        int width;
        int rows;   // rows of ink across a horizontal line
    } cases[] = {{0, 0}, {1, 1}, {5, 5}};
    for (const Case& c : cases) {
        pxFgc(Nearest_RGB_Color(255, 255, 255));
        pxRect(50, 150, 350, 250);
        pxFgc(BLACK_CI);
        screen_set_line_width(c.width);
        screen_line(100, 200, 300, 200);
        EXPECT_EQ(count_pixels(200, 150, 200, 250, screen_rgb(BLACK_CI)), c.rows) << c.width;
    }
}

TEST_F(ScreenDrawingTest, DimensionTextsInCentimetres)
{
    struct Case {
        double metres;
        int drawn;
        const char* text;
        const char* superscript;
    } cases[] = {
        {0.455, 1, "45", "5"},      // 45.5 cm: 45 and a raised half
        {1.2375, 1, "1.24", ""},    // 123.8 cm: 0.8 rounds up to 1.24 m
        {0.004, 0, "", ""},         // below 1 cm: nothing
        {0.5, 1, "50", ""},
    };
    for (const Case& c : cases) {
        char text[32] = "", superscript[4] = "";
        EXPECT_EQ(screen_dimension_text(c.metres, text, sizeof text, superscript, sizeof superscript), c.drawn);
        if (c.drawn) {
            EXPECT_STREQ(text, c.text) << c.metres;
            EXPECT_STREQ(superscript, c.superscript) << c.metres;
        }
    }
}

// The dimension text in metres keeps its decimal point when Qt set a German numeric locale.
TEST_F(ScreenDrawingTest, DimensionTextsKeepTheirPointUnderAGermanNumericLocale)
{
    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    char text[32] = "", superscript[4] = "";
    EXPECT_EQ(screen_dimension_text(1.2375, text, sizeof text, superscript, sizeof superscript), 1);
    EXPECT_STREQ(text, "1.24");
}

}  // namespace

#include "sheets/form_buttons.h"

namespace {

TEST(FormButtonRect, PlacementCodes)
{
    struct Case {
        int vertical, horizontal, x1, y1;
    } cases[] = {{0, 0, 100, 50}, {2, 1, 60, 30}, {4, 4, 80, 40}};
    for (const Case& c : cases) {
        int x1, y1, x2, y2;
        form_button_rect(100, 50, 40, 20, c.vertical, c.horizontal, &x1, &y1, &x2, &y2);
        EXPECT_EQ(x1, c.x1);
        EXPECT_EQ(y1, c.y1);
        EXPECT_EQ(x2 - x1, 40);
        EXPECT_EQ(y2 - y1, 20);
    }
}

}  // namespace
