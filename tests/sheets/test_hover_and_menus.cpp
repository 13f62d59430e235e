#include "sheets/screen_widgets.h"
#include "sheets_fixture.h"

#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

TEST_F(SheetsTest, CommentBoxStaysOnTheScreenAndLeavesNoTrace)
{
    QImage before = screen_image().copy();
    M_XPOS = NPIXEL_X - 20;
    M_YPOS = 100;
    sva_show_tooltip("abc\nzweite");   // widest line 6 cells = 48: box 58 wide
    int x1, y1, x2, y2;
    sva_tooltip_rect(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x2, NPIXEL_X - 9);
    EXPECT_EQ(x2 - x1, 58);
    EXPECT_EQ(y2 - y1, 2 * RFONT_HEIGHT + 5);
    EXPECT_EQ(sva_tooltip_shown(), 1);
    sva_hide_tooltip();
    EXPECT_EQ(sva_tooltip_shown(), 0);
    EXPECT_TRUE(screen_image() == before);
}

// Resting on a click area with a pointer shape and a comment shows both until the mouse leaves.
TEST_F(SheetsTest, HoveringAClickAreaSetsThePointerAndShowsItsComment)
{
    int target = 0;
    int area = sva_create(100, 100, 500, 400, 0, 0);
    sva_add_icon_button(area, 50, 50, 90, 70, 1, &target);
    sva_set_last_icon_value(area, 18);
    sva_set_last_icon_comment(area, "Hinweis", 0x41006, BLACK_CI, 0);
    sva_update(area);
    Activate_Prop_Sheet();
    QImage before = screen_image().copy();
    input_script_move(160, 160);
    input_script_move(300, 300);
    input_script_click(450, 350);
    EXPECT_EQ(sva_edit(area), 0);
    EXPECT_TRUE(calllog::contains("setMouseCursor: 18"));
    EXPECT_TRUE(calllog::contains("setMouseCursor: 0"));
    EXPECT_EQ(sva_tooltip_shown(), 0);
    EXPECT_TRUE(screen_image() == before);
    EXPECT_EQ(target, 0);
}

TEST_F(SheetsTest, SymbolButtonPopUpReturnsTheButtonOr99Outside)
{
    static const char* comments[3] = {"links", "mitte", "rechts"};
    SymbolButtonSpec spec{10, 10, 200, 200, "Lage", 24, 24, 3, comments, "symbole.bmp"};
    // Title "Lage" 32 wide, buttons 3 x 29 = 87: sheet 98 wide, buttons from x + 7, at y + 13 + 12.
    input_script_click(200 + 7 + 29 + 12, 200 + 25 + 12);
    EXPECT_EQ(symbol_button_sheet(spec), 2);
    input_script_click(900, 900);
    EXPECT_EQ(symbol_button_sheet(spec), 99);
    // A click on the pop-up beside its buttons (on its title) ends it with 99 as well.
    input_script_click(200 + 4, 200 + 6);
    EXPECT_EQ(symbol_button_sheet(spec), 99);
    EXPECT_EQ(prop_sheet_depth(), 1);
}

namespace {

// What the middle of the image button shows each time a wait goes idle.
std::vector<unsigned> g_seen_faces;
void sample_button_face() { g_seen_faces.push_back(screen_pixel(160, 155)); }

} // namespace

// An image button's strip holds four faces: inactive, normal, under the mouse, pressed. Resting
// on it shows the third, pressing it the fourth; afterwards the normal face is back.
TEST_F(SheetsTest, ImageButtonLightsUnderTheMouseAndStoresItsCodeWhenPressed)
{
    const unsigned faces[4] = {0x808080u, 0x00C000u, 0x0000FFu, 0xFFFF00u};
    QImage strip(80, 10, QImage::Format_RGB32);
    for (int k = 0; k < 4; ++k)
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x) strip.setPixel(20 * k + x, y, 0xFF000000u | faces[k]);
    const std::string file = testing::TempDir() + "/faces.bmp";
    ASSERT_TRUE(strip.save(QString::fromStdString(file), "BMP"));

    int result = 0, active = 1;
    int area = sva_create(100, 100, 500, 400, 0, 0);
    // At content (50, 50), 20 x 10: on the screen (150, 150) to (170, 160).
    sva_add_image_button(area, 50, 50, 20, 10, file.c_str(), 0, Nearest_RGB_Color(255, 0, 255), 18, "Knopf", 7,
                         &result, &active);
    sva_update(area);
    Activate_Prop_Sheet();
    EXPECT_EQ(screen_pixel(160, 155), faces[1]);

    g_seen_faces.clear();
    Define_Call_Allways_Function(sample_button_face);
    Activate_Call_Allways_Function(1);
    input_script_move(160, 155);
    input_script_move(300, 300);
    input_script_click(450, 350);   // beside everything
    EXPECT_EQ(sva_edit(area), 0);
    EXPECT_NE(std::find(g_seen_faces.begin(), g_seen_faces.end(), faces[2]), g_seen_faces.end());
    EXPECT_EQ(screen_pixel(160, 155), faces[1]);
    EXPECT_EQ(result, 0);

    g_seen_faces.clear();
    input_script_move(160, 155);
    input_script_press(160, 155);
    input_script_release(160, 155);
    EXPECT_EQ(sva_edit(area), 1);
    EXPECT_NE(std::find(g_seen_faces.begin(), g_seen_faces.end(), faces[3]), g_seen_faces.end());
    EXPECT_EQ(screen_pixel(160, 155), faces[1]);
    EXPECT_EQ(result, 7);
    EXPECT_TRUE(calllog::contains("setMouseCursor: 18"));
    Activate_Call_Allways_Function(0);
    Define_Call_Allways_Function(nullptr);

    active = 0;   // an inactive button shows its first face and takes no click
    sva_redraw(area);
    EXPECT_EQ(screen_pixel(160, 155), faces[0]);
    result = 0;
    input_script_click(160, 155);
    EXPECT_EQ(sva_edit(area), 0);
    EXPECT_EQ(result, 0);
}
