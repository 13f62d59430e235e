#include "sheets/screen_widgets.h"
#include "sheets_fixture.h"

#include <QImage>

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
    EXPECT_EQ(prop_sheet_depth(), 1);
}
