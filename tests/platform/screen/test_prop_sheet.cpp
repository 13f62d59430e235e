#include "screen_fixture.h"
#include "common/test_util.h"
#include "platform/screen/sheet_state.h"

#include <QDir>

#include <string>
#include <vector>

namespace {

// A sheet of 300 x 200 at (100, 100) with cancel (1) and OK (2) symbol buttons and a text
// button (5).
struct StandardSheet {
    int cancel, ok, text;
    StandardSheet()
    {
        Define_Prop_Sheet(100, 100, 399, 299, 1, 1, "Probe", 7, 1);
        cancel = Add_Single_Button_to_PS(110, 265, 1, 1, nullptr, SYMBOLIC_BREAK_RASTER, 0);
        ok = Add_Single_Button_to_PS(365, 265, 1, 2, nullptr, SYMBOLIC_OK_RASTER, 0);
        text = Add_Single_Button_to_PS(200, 265, 1, 5, "Weiter", nullptr, 0);
        Activate_Prop_Sheet();
    }
};

void centre_of(int handle, int* x, int* y)
{
    int x1, y1, x2, y2;
    ASSERT_EQ(prop_sheet_element_rect(handle, &x1, &y1, &x2, &y2), 1);
    *x = (x1 + x2) / 2;
    *y = (y1 + y2) / 2;
}

} // namespace

TEST_F(ScreenTest, SheetsRestoreTheScreenBeneathThemAlsoNested)
{
    pxFgc(Nearest_RGB_Color(10, 120, 200));
    const int xs[3] = {0, 600, 50}, ys[3] = {0, 200, 500};
    pxFill(3, xs, ys);
    const QImage before = grab();

    Define_Prop_Sheet(100, 100, 399, 299, 1, 1, "Aussen", 1, 1);
    Activate_Prop_Sheet();
    EXPECT_NE(screen_pixel(110, 110), before.pixel(110, 110) & 0xFFFFFFu);
    const QImage outer = grab();
    Define_Prop_Sheet(250, 250, 500, 400, 0, 0, "", 2, 1);   // overlaps the outer sheet and the screen
    Add_Single_Button_to_PS(260, 260, 1, 3, "Innen", nullptr, 0);
    Activate_Prop_Sheet();
    EXPECT_EQ(prop_sheet_depth(), 2);
    Undefine_Prop_Sheet();
    EXPECT_TRUE(grab() == outer);
    Undefine_Prop_Sheet();
    EXPECT_TRUE(grab() == before);
    EXPECT_EQ(prop_sheet_depth(), 0);
}

TEST_F(ScreenTest, ButtonsKeysAndClicksOutsideEndTheWaitWithTheirCodes)
{
    StandardSheet s;
    int x, y;
    centre_of(s.text, &x, &y);
    input_script_click(x, y);
    EXPECT_EQ(Edit_Prop_Sheet(), 5);

    input_script_key(KEY_ENTER);
    EXPECT_EQ(Edit_Prop_Sheet(), 2);   // the OK symbol button's code
    input_script_key(KEY_ESC);
    EXPECT_EQ(Edit_Prop_Sheet(), 1);   // the break symbol button's code
    Set_Windows_OK_Button(9);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(Edit_Prop_Sheet(), 9);

    // A press that leaves the button before the release does nothing; an inactive button and a
    // click outside are passed over until the sheet asks for clicks outside.
    input_script_press(x, y);
    input_script_release(x + 200, y);
    Change_Activity_PS(s.text, -1);
    EXPECT_EQ(ActivState_of_Button_PS(s.text), 0);
    input_script_click(x, y);
    input_script_click(20, 20);
    input_script_key(KEY_ESC);
    EXPECT_EQ(Edit_Prop_Sheet(), 1);
    EXPECT_EQ(input_script_pending(), 0);
    Set_ClickOutsideEvent_to_PS(99);
    input_script_click(20, 20);
    EXPECT_EQ(Edit_Prop_Sheet(), 99);

    // Nothing scripted and no display: the break code, and the log says where it waited.
    EXPECT_EQ(Edit_Prop_Sheet(), 1);
    EXPECT_TRUE(calllog::contains("waiting for input at Edit_Prop_Sheet"));
}

TEST_F(ScreenTest, HelpEscapeAreasAndRegisters)
{
    StandardSheet s;
    int help = Add_Help_to_PS(250, 265, 1, 0, 0, "optionen");
    int area = Add_Escape_Area_to_PS(120, 150, 200, 200, 0, 2000);
    Set_Escape_Area_to_MouseMoveEvent(area, 1);
    int reg = Add_Register_to_PS(110, 135, 380, 148, 0);
    Add_Member_to_Register(reg, 110, 180, 1, 1000);
    int second = Add_Member_to_Register(reg, 181, 250, 1, 1001);
    Add_Member_to_Register(reg, 251, 320, 0, 1002);
    Activate_Prop_Sheet();

    int x, y;
    centre_of(help, &x, &y);
    input_script_click(x, y);       // help shows its topic and the wait goes on
    input_script_move(150, 170);    // a move into the area reports it
    EXPECT_EQ(Edit_Prop_Sheet(), 2000);
    EXPECT_TRUE(calllog::contains("optionen"));

    input_script_click(200, 140);
    EXPECT_EQ(Edit_Prop_Sheet(), 1001);
    EXPECT_EQ(Selected_Register_Member(reg), second);
    input_script_click(300, 140);   // the inactive member
    EXPECT_EQ(Edit_Prop_Sheet(), 1);
}

namespace {

struct Drawn {
    int handle, sx, sy, x1, y1, x2, y2;
};
std::vector<Drawn> g_drawn;

void record_draw(int h, int sx, int sy, int x1, int y1, int x2, int y2, void* record)
{
    g_drawn.push_back({h, sx, sy, x1, y1, x2, y2});
    // A grid of numbered rows, so that a picture shows the scrolling.
    auto* rows = static_cast<int*>(record);
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    for (int r = sy / 20; r < *rows && r * 20 - sy <= y2 - y1; ++r) {
        int top = y1 + r * 20 - sy;
        pxFgc(r % 2 ? Nearest_RGB_Color(225, 235, 250) : WHITE_CI);
        pxRect(x1, top, x2, top + 19);
        pxFgc(BLACK_CI);
        std::string t = "Zeile " + std::to_string(r + 1);
        pxText(x1 + 6 - sx, top + 15, t.c_str(), (int)t.size());
    }
}

} // namespace

TEST_F(ScreenTest, ScrollableAreaDrawsWithClampedPositions)
{
    StandardSheet s;
    int rows = 30;
    // Pane 200 x 100 with a vertical slider: the view is 183 x 100, the content 183 x 600.
    int h = Add_Scrollable_Area_to_PS(120, 150, 319, 249, 1, 0, 10, 10, record_draw, &rows, 1);
    int slider = Add_VSlider_to_Scrollable_Area(h, 5, 10, -1, 0);
    Set_VSlider_Speed(slider, 0.1, 0.0);
    Resize_Origin_of_Scrollable_Area_PS(h, 183, 600);
    g_drawn.clear();
    Activate_Prop_Sheet();
    ASSERT_EQ(g_drawn.size(), 1u);
    EXPECT_EQ(g_drawn[0].x2 - g_drawn[0].x1 + 1, 200 - PS_SLIDER_WIDTH);

    struct Case {
        int sx, sy, want_sy;
    };
    for (const Case& c : {Case{0, 120, 120}, Case{0, 900, 500}, Case{-5, -40, 0}}) {
        g_drawn.clear();
        Set_Scrollable_Area_PS(h, c.sx, c.sy);
        ASSERT_EQ(g_drawn.size(), 1u);
        EXPECT_EQ(g_drawn[0].sx, 0);   // no horizontal room
        EXPECT_EQ(g_drawn[0].sy, c.want_sy);
        int sx, sy;
        Inquire_Scrollable_Area_PS(h, &sx, &sy);
        EXPECT_EQ(sy, c.want_sy);
    }

    // A click below the thumb moves a page; the wheel three steps of 10 a notch.
    g_drawn.clear();
    input_script_click(310, 245);
    input_script_move(200, 200);
    input_script_wheel(-1);
    input_script_key(KEY_ESC);
    EXPECT_EQ(Edit_Prop_Sheet(), 1);
    ASSERT_EQ(g_drawn.size(), 2u);
    EXPECT_EQ(g_drawn[0].sy, 100);
    EXPECT_EQ(g_drawn[1].sy, 130);
}

TEST_F(ScreenTest, SheetPictureWithButtonsAndAScrolledPane)
{
    screen_set_metrics(SCREEN_METRICS_QT);
    pxFgc(Nearest_RGB_Color(90, 110, 130));
    pxRect(0, 0, 499, 399);
    StandardSheet s;
    int rows = 30;
    int h = Add_Scrollable_Area_to_PS(120, 150, 379, 249, 1, 0, 10, 10, record_draw, &rows, 1);
    Add_VSlider_to_Scrollable_Area(h, 5, 10, -1, 0);
    Add_HSlider_to_Scrollable_Area(h, 5, 10, -1, 0);
    Resize_Origin_of_Scrollable_Area_PS(h, 400, 600);
    Set_Scrollable_Area_PS(h, 0, 130);
    int reg = Add_Register_to_PS(110, 135, 380, 146, 0);
    Add_Member_to_Register(reg, 110, 180, 1, 1000);
    Add_Member_to_Register(reg, 181, 250, 1, 1001);
    Add_Help_to_PS(300, 265, 1, 0, 0, "haupt");
    Activate_Prop_Sheet();
    const std::string file = ::testing::TempDir() + "/sheet_with_pane.png";
    EXPECT_EQ(screen_save_png(file.c_str(), 90, 90, 409, 309), 1);
    screen_set_metrics(SCREEN_METRICS_CELL);
}

TEST_F(ScreenTest, DraggingTheTitleRowMovesTheSheetAndItsElements)
{
    const QImage before = grab();
    StandardSheet s;
    int dx = -1, dy = -1;
    Prop_Sheet_Displacement(&dx, &dy);
    EXPECT_EQ(dx * 1000 + dy, 0);
    input_script_press(200, 110);
    input_script_move(250, 140);
    input_script_release(250, 140);
    int x, y;
    centre_of(s.text, &x, &y);
    EXPECT_EQ(x * 1000 + y, 231 * 1000 + 276);   // "Weiter": 6 cells + 16 = 64 wide, 24 high
    input_script_click(x + 50, y + 30);
    EXPECT_EQ(Edit_Prop_Sheet(), 5);
    EXPECT_EQ(dx * 1000 + dy, 50030);
    int x1, y1, x2, y2;
    prop_sheet_rect(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1 * 1000 + y1, 150130);

    input_script_press(200, 140);   // dragged beyond the screen's corner it stops at the edge
    input_script_move(-500, -500);
    input_script_release(-500, -500);
    input_script_key(KEY_ESC);
    Edit_Prop_Sheet();
    EXPECT_EQ(dx * 1000 + dy, -100 * 1000 - 100);
    Undefine_Prop_Sheet();
    EXPECT_TRUE(grab() == before);
}

TEST_F(ScreenTest, LineEditorsEndOnTheirKeys)
{
    struct Case {
        const char* typed;
        int end;
        int want_return;
        double want_value;
    };
    const Case cases[] = {
        {"12,5", KEY_TAB, KEY_TAB, 12.5},        // the first key replaces the text
        {"7", KEY_ENTER, KEY_ENTER, 7},
        {"", KEY_UP, KEY_UP, 3.25},
        {"9", KEY_DOWN, KEY_DOWN, 9},
        {"99", KEY_ESC, 0, 3.25},                // Esc keeps the value
        {"x", KEY_ENTER, KEY_ENTER, 3.25},       // no number: the value stays
    };
    for (const Case& c : cases) {
        double v = 3.25;
        input_script_type(c.typed);
        input_script_key(c.end);
        EXPECT_EQ(Short_Edit_Float(100, 100, "%8.2f", &v), c.want_return) << c.typed;
        EXPECT_EQ(LAST_SHEET_EDIT_KEY, c.want_return) << c.typed;
        EXPECT_DOUBLE_EQ(v, c.want_value) << c.typed;
    }

    double v = 1;
    input_script_click(600, 600);   // a press elsewhere ends the edit and stays in the queue
    EXPECT_EQ(Short_Edit_Float(100, 100, "%g", &v), 0);
    EXPECT_EQ(input_script_pending(), 2);
    input_script_clear();
    EXPECT_EQ(Short_Edit_Float(100, 100, "%g", &v), 0);   // nothing scripted

    // Text: at most the scroll mode's length; backspace and cursor keys edit in place.
    char buf[8] = "abc";
    Set_Short_Edit_Text_Scrollmode(7);
    input_script_key(KEY_END);
    input_script_key(KEY_BACKSPACE);
    input_script_type("defghijk");
    input_script_key(KEY_TAB);
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 4, 0), KEY_TAB);
    EXPECT_STREQ(buf, "abdefgh");
    input_script_type("zz");
    input_script_key(KEY_ESC);
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 4, 0), 0);
    EXPECT_STREQ(buf, "abdefgh");
}

// A typed number and the number shown for editing keep the decimal point under a German
// numeric locale, as Qt may set it from the user's environment.
TEST_F(ScreenTest, TypedNumbersKeepTheirPointUnderAGermanNumericLocale)
{
    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    EXPECT_EQ(sheets::format_value("%8.2f", 3.25), "    3.25");
    for (const char* typed : {"12.5", "12,5"}) {
        double v = 3.25;
        input_script_type(typed);
        input_script_key(KEY_ENTER);
        EXPECT_EQ(Short_Edit_Float(100, 100, "%8.2f", &v), KEY_ENTER) << typed;
        EXPECT_DOUBLE_EQ(v, 12.5) << typed;
    }
}

TEST_F(ScreenTest, NumberFieldsRadioButtonsAndTheAutoChain)
{
    Define_Prop_Sheet(100, 100, 399, 299, 1, 1, "Felder", 11, 1);
    double first = 1, last = 1000;
    int group = 1;
    int f1 = Add_Float_to_PS(190, 191, 5, "%5.0f", -1, 4, &first);
    Add_Float_to_PS(337, 191, 5, "%5.0f", -1, 5, &last);
    int r1 = Add_Radio_Button_to_PS(210, 150, 3, 1, &group);
    int r2 = Add_Radio_Button_to_PS(210, 167, 3, 2, &group);
    Add_Aligned_Connected_Text_to_Button_of_PS(r2, 228, 178, "Zeilenausschnitt", 4096, BLACK_CI);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    (void)r1;

    input_script_click(240, 175);   // on the label of the second alternative
    EXPECT_EQ(Edit_Prop_Sheet(), 3);
    EXPECT_EQ(group, 2);

    int x, y;
    centre_of(f1, &x, &y);
    input_script_click(x, y);
    input_script_type("20");
    input_script_key(KEY_TAB);   // on to the next field
    input_script_type("10");
    input_script_key(KEY_ESC);
    EXPECT_EQ(Edit_Prop_Sheet(), 5);
    EXPECT_EQ(first, 20);
    EXPECT_EQ(last, 1000);
}

namespace {
int g_ran = 0;
void ascending() { g_ran = 1; }
void descending() { g_ran = 2; }
void fill_column() { g_ran = 3; }
} // namespace

TEST_F(ScreenTest, MenusRunTheChosenEntry)
{
    MenueEntry sort_entries[2] = {{"aufsteigend", 1, nullptr, " ", 0, ascending},
                                  {"absteigend", 1, nullptr, " ", 0, descending}};
    MenueRecord sort = {2, 11, 1, 0, 1, sort_entries, 0, 0};
    MenueEntry entries[2] = {{"Spalte sortieren", 1, &sort, " ", 0, nullptr},
                             {"Spalte belegen", 0, nullptr, " ", 0, fill_column}};
    MenueRecord menu = {2, 16, 1, 0, 1, entries, 0, 0};
    const QImage before = grab();

    g_ran = 0;
    msStCu(300, 300);
    input_script_click(310, 322);   // "Spalte belegen" is disabled
    input_script_click(310, 304);   // opens the submenu at the entry's right edge
    input_script_key(KEY_DOWN);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(Menue_Manager(&menu), 1);
    EXPECT_EQ(g_ran, 2);
    EXPECT_TRUE(grab() == before);

    g_ran = 0;
    input_script_click(900, 900);   // outside
    EXPECT_EQ(Menue_Manager(&menu), 0);
    EXPECT_EQ(Menue_Manager(&menu), 0);   // nothing scripted
    EXPECT_EQ(g_ran, 0);

    msStCu(100, 100);
    input_script_click(100 + 2 + 18 * 3 + 5, 100 + 2 + 5);   // row 0, column 3
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), 131);
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), -1);
}

TEST_F(ScreenTest, StringListsKeepTextsAndColours)
{
    PSStringList* l = Create_Stringlist_of_PS();
    void (*append)(void*, const char*) = Fill_Stringlist_of_PS;   // the grade lists' append routine
    append(l, "C24");
    Fill_Colored_Stringlist_of_PS(l, "frei", Nearest_RGB_Color(0, 0, 255));
    EXPECT_EQ(Count_of_Stringlist_of_PS(l), 2);
    EXPECT_STREQ(Text_of_Stringlist_of_PS(l, 0), "C24");
    EXPECT_EQ(Colour_of_Stringlist_of_PS(l, 0), BLACK_CI);
    EXPECT_EQ(Colour_of_Stringlist_of_PS(l, 1), 0xFF0000);
    EXPECT_EQ(Text_of_Stringlist_of_PS(l, 2), nullptr);
    Free_Stringlist_of_PS(l);
}

TEST_F(ScreenTest, SheetRectanglesAreMovedOntoTheScreen)
{
    struct Case {
        int in[4], out[4], moved;
    };
    const Case cases[] = {
        {{-20, 10, 279, 209}, {0, 10, 299, 209}, 1},
        {{1200, 1000, 1399, 1099}, {1080, 924, 1279, 1023}, 1},
        {{10, 10, 109, 109}, {10, 10, 109, 109}, 0},
        {{-10, 0, 1400, 50}, {0, 0, 1279, 50}, 1},   // wider than the screen: cut to it
    };
    for (const Case& c : cases) {
        int r[4] = {c.in[0], c.in[1], c.in[2], c.in[3]};
        EXPECT_EQ(Check_Prop_Sheet_Frames(r), c.moved);
        EXPECT_EQ(std::vector<int>(r, r + 4), std::vector<int>(c.out, c.out + 4));
    }
}

namespace {
// The idle function samples the screen between events: is a tool tip under the OK button?
int g_tip_x = 0, g_tip_y = 0;
std::vector<bool> g_tip_seen;
void sample_tip() { g_tip_seen.push_back(screen_pixel(g_tip_x, g_tip_y) == 0xFFFFE1u); }
} // namespace

TEST_F(ScreenTest, ToolTipsShowOverTheirButtonAndLeaveNoTrace)
{
    StandardSheet s;
    Set_Comment_to_Button_PS(s.ok, "best\x84tigen");
    EXPECT_STREQ(Comment_of_Button_PS(s.ok), "best\x84tigen");
    const QImage sheet = grab();
    int x, y, x1, y1, x2, y2;
    centre_of(s.ok, &x, &y);
    prop_sheet_element_rect(s.ok, &x1, &y1, &x2, &y2);
    g_tip_x = x + 3;       // inside the tip, which starts at the pointer 4 pixels below the button;
    g_tip_y = y2 + 6;      // it is moved left to stay on the screen, but not this far
    g_tip_seen.clear();
    Define_Call_Allways_Function(sample_tip);
    input_script_move(x, y);
    input_script_move(x + 1, y);   // still over the button
    input_script_move(200, 200);   // away: lifted
    input_script_move(x, y);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(Edit_Prop_Sheet(), 2);
    Define_Call_Allways_Function(nullptr);
    EXPECT_EQ(g_tip_seen, (std::vector<bool>{false, true, true, false, true}));
    EXPECT_TRUE(grab() == sheet);   // lifted before the wait ends
}
