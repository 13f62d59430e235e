// The sheet runners: results of scripted confirmation and cancellation, refused confirmations,
// the nesting limit, and the register row's tabs.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "sheets/form_fields.h"
#include "sheets/form_sheets.h"
#include "sheets/form_state.h"
#include "sheets_fixture.h"

namespace {

class FormSheetTest : public SheetsTest {
public:
    SheetDescriptor d;
    PageDescriptor pages[3];
    void SetUp() override
    {
        SheetsTest::SetUp();
        form_register_defaults(&d);
        form_pages_init(3, pages);
        std::strcpy(d.title, "Blatt");
    }
};

double g_length = 2.5;
int g_fills = 0;
void fill_length(int, int)
{
    ++g_fills;
    static int editable = 1;
    form_float_field(20, 30, &g_length, 1000, 6, 1, &editable);
}

TEST_F(FormSheetTest, ScriptedConfirmAndCancel)
{
    struct Case {
        int key;   // 0: nothing scripted, which ends the wait as a cancellation
        int result;
    } cases[] = {{KEY_ENTER, 1}, {KEY_ESC, 0}, {0, 0}};
    for (const Case& c : cases) {
        g_length = 2.5;
        pages[0].fill = fill_length;
        if (c.key) input_script_key(c.key);
        EXPECT_EQ(form_run(&d, pages), c.result) << c.key;
        EXPECT_EQ(g_length, 2.5) << c.key;   // shown as 2500, back in its own unit either way
        EXPECT_EQ(d.last_page, 0);
        EXPECT_EQ(form_sheet_depth(), 0);
        EXPECT_EQ(form_float_entry_count(), 0);
        input_script_clear();
    }
}

int g_checks = 0;
int refuse_once(int) { return ++g_checks == 1 ? 1 : 0; }

TEST_F(FormSheetTest, RefusingCheckKeepsTheSheetOpen)
{
    g_length = 2.5;
    g_fills = g_checks = 0;
    pages[0].fill = fill_length;
    pages[0].check = refuse_once;
    input_script_key(KEY_ENTER);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(form_run(&d, pages), 1);
    EXPECT_EQ(g_checks, 2);
    EXPECT_EQ(g_fills, 2);           // the refused sheet is filled again, the field scaled again
    EXPECT_EQ(g_length, 2.5);
}

int g_results[8];
SheetDescriptor g_nested[8];
PageDescriptor g_nested_pages[8];
void open_nested(int, int)
{
    int depth = form_sheet_depth();
    if (g_results[depth] != -7) return;   // once per level
    g_results[depth] = -6;
    form_register_defaults(&g_nested[depth]);
    form_pages_init(1, &g_nested_pages[depth]);
    g_nested_pages[depth].fill = open_nested;
    g_results[depth] = form_run(&g_nested[depth], &g_nested_pages[depth]);
}

TEST_F(FormSheetTest, ASixthNestedSheetIsRefused)
{
    for (int& r : g_results) r = -7;
    testing::internal::CaptureStderr();
    open_nested(0, 0);
    std::string console = testing::internal::GetCapturedStderr();
    // Levels 0 to 4 opened their sheet and were cancelled by the empty script; the fifth
    // sheet's fill tried a sixth, which was refused at once with a console line.
    for (int depth = 0; depth <= FORM_MAX_LEVELS; ++depth) EXPECT_EQ(g_results[depth], 0) << depth;
    EXPECT_NE(console.find("5"), std::string::npos);
    EXPECT_EQ(form_sheet_depth(), 0);
    EXPECT_EQ(form_level_depth(), 0);
}

TEST_F(FormSheetTest, RegisterTabsShareTheRow)
{
    // Two pages, content 200: (200 + 2 * 10 - 2 + 1) / 2 = 109, the last tab to the row's end.
    RegisterLayout two = form_register_layout(&d, 2, pages, 100, 335);
    EXPECT_EQ(two.tab_width, 109);
    EXPECT_EQ(two.from[0], 108);
    EXPECT_EQ(two.to[0], 217);
    EXPECT_EQ(two.from[1], 218);
    EXPECT_EQ(two.to[1], 327);
    // A page in state -2 has no tab and the others close up.
    pages[1].state = -2;
    RegisterLayout three = form_register_layout(&d, 3, pages, 100, 335);
    EXPECT_EQ(three.tab_width, 109);
    EXPECT_EQ(three.from[1], -1);
    EXPECT_EQ(three.from[2], 218);
    // A fixed tab width is used as given.
    pages[1].state = 1;
    d.tab_width = 50;
    EXPECT_EQ(form_register_layout(&d, 2, pages, 100, 335).to[1], 108 + 51 + 50);
}

int g_shown[3];
void fill_a(int, int) { ++g_shown[0]; }
void fill_b(int, int) { ++g_shown[1]; }

TEST_F(FormSheetTest, RegisterSheetSwitchesPagesAndRemembersTheLast)
{
    std::strcpy(pages[0].tab_text, "Holz");
    std::strcpy(pages[1].upper_tab_text, "Seite");
    std::strcpy(pages[1].tab_text, "Stahl");
    pages[0].fill = fill_a;
    pages[1].fill = fill_b;
    d.last_page = 5;   // beyond the pages: the last page opens
    g_shown[0] = g_shown[1] = 0;
    d.preset_code = FORM_CODE_TAB + 0;
    input_script_key(KEY_ENTER);
    EXPECT_EQ(form_run_register(&d, 2, pages), 1);
    EXPECT_EQ(g_shown[1], 1);
    EXPECT_EQ(g_shown[0], 1);
    EXPECT_EQ(d.last_page, 0);
    EXPECT_EQ(form_run_register(&d, 0, pages), 0);
}

}  // namespace

namespace {

int refuse_change(int, int) { return 1; }

TEST_F(FormSheetTest, DisabledPagesAndRefusedChangesKeepThePage)
{
    pages[0].fill = fill_a;
    pages[1].fill = fill_b;
    std::strcpy(pages[1].tab_text, "Stahl");
    struct Case {
        int state;
        int (*change)(int, int);
    } cases[] = {{0, nullptr}, {1, refuse_change}};
    for (const Case& c : cases) {
        pages[1].state = c.state;
        d.page_change = c.change;
        d.last_page = 0;
        d.preset_code = FORM_CODE_TAB + 1;
        input_script_key(KEY_ENTER);
        EXPECT_EQ(form_run_register(&d, 2, pages), 1);
        EXPECT_EQ(d.last_page, 0) << c.state;
        input_script_clear();
    }
}

}  // namespace

namespace {

// The older runner: its own size, codes 1 and 2, and the page a sheet of its level showed last.
int g_classic_size[2];
void fill_classic_a(int, int)
{
    ++g_shown[0];
    int x1, y1, x2, y2;
    prop_sheet_rect(&x1, &y1, &x2, &y2);
    g_classic_size[0] = x2 - x1 + 1;
    g_classic_size[1] = y2 - y1 + 1;
    if (g_shown[0] == 1) form_page_switch(1);
}

TEST_F(FormSheetTest, ClassicRegisterSheet)
{
    FormTitleRecord title{};
    std::strcpy(title.title, "Alt");
    std::strcpy(pages[0].tab_text, "Holz");
    std::strcpy(pages[1].tab_text, "Stahl");
    pages[0].fill = fill_classic_a;
    pages[1].fill = fill_b;
    g_shown[0] = g_shown[1] = 0;
    // A click into the page lets the page switch of the first fill show page 1; then the input
    // ends, which cancels. The sheet's corner: 640 - 340 / 2, 512 - 325 / 2.
    input_script_click(470 + 150, 350 + 200);
    EXPECT_EQ(form_run_register_classic(200, 300, &title, 2, pages, nullptr, "hilfe"), 0);
    // Two pages: 300 + 40 wide, 200 + 125 high.
    EXPECT_EQ(g_classic_size[0], 340);
    EXPECT_EQ(g_classic_size[1], 325);
    EXPECT_EQ(g_shown[0], 1);
    EXPECT_EQ(g_shown[1], 1);
    // The next sheet at this level opens on page 1; Enter confirms.
    input_script_key(KEY_ENTER);
    EXPECT_EQ(form_run_register_classic(200, 300, &title, 2, pages, nullptr, nullptr), 1);
    EXPECT_EQ(g_shown[1], 2);
    EXPECT_EQ(g_shown[0], 1);
    // One page: 300 + 28 wide, 200 + 79 high.
    g_shown[0] = 1;
    input_script_key(KEY_ENTER);
    EXPECT_EQ(form_run_register_classic(200, 300, &title, 1, pages, nullptr, nullptr), 1);
    EXPECT_EQ(g_classic_size[0], 328);
    EXPECT_EQ(g_classic_size[1], 279);
    EXPECT_EQ(form_sheet_depth(), 0);
}

// A sheet whose only button is "Weiter" ends when the input ends, also with nothing scripted.
TEST_F(FormSheetTest, TextButtonSheetsEndWithTheInput)
{
    pages[0].fill = fill_a;
    for (int type : {1, 2, 3, 4, 8}) {
        d.type = type;
        EXPECT_EQ(form_run(&d, pages), 0) << type;
    }
    d.type = 3;
    input_script_key(KEY_ENTER);   // its button confirms
    EXPECT_EQ(form_run(&d, pages), 1);
}

// A two-page register sheet for a person to look at.
double g_width = 0.24, g_height = 0.6;
int g_class = 1, g_check = 1;
void fill_timber(int, int)
{
    static const int editable = 1;
    form_label(20, 30, "Querschnitt", nullptr);
    form_symbol_float_field(20, 60, "b", "", &g_width, 1000, 6, 0, "mm", &editable);
    form_symbol_float_field(20, 85, "h", "", &g_height, 1000, 6, 0, "mm", &editable);
    form_label(20, 120, "Nutzungsklasse", nullptr);
    form_int_field(150, 120, &g_class, 3, &editable);
    form_toggle(20, 150, "mit k_h", &g_check, &editable);
}
int g_tab_ink = 0;
void save_register_picture()
{
    // Content 400 wide and 220 high with margins 8, a row of 30 and borders of 10: 436 x 346,
    // centred on (640, 512); the first tab's texts lie in the row from (430, 380) on.
    g_tab_ink = SheetsTest::count_pixels(432, 382, 530, 409, 0x000000);
    if (const char* dir = std::getenv("TAVO_PICTURE_DIR")) {
        std::string path = std::string(dir) + "/register_sheet.png";
        screen_save_png(path.c_str(), 380, 330, 900, 700);
    }
    Set_CallSometimesFunc_to_PS(nullptr);
}

TEST_F(FormSheetTest, TwoPageRegisterSheetPicture)
{
    if (std::getenv("TAVO_PICTURE_DIR")) screen_set_metrics(SCREEN_METRICS_QT);
    d.content_width = 400;
    d.content_height = 220;
    std::strcpy(d.title, "Tr\x84gerdurchbruch");
    std::strcpy(pages[0].upper_tab_text, "Bauteil");
    std::strcpy(pages[0].tab_text, "Holz");
    std::strcpy(pages[1].tab_text, "Verst\x84rkung");
    pages[0].fill = fill_timber;
    pages[1].fill = fill_b;
    d.last_page = 0;
    Set_CallSometimesFunc_to_PS(save_register_picture);
    EXPECT_EQ(form_run_register(&d, 2, pages), 0);
    EXPECT_GT(g_tab_ink, 0);
    // Shown in millimetres, kept in metres.
    EXPECT_EQ(g_width, 0.24);
    Set_CallSometimesFunc_to_PS(nullptr);
    screen_set_metrics(SCREEN_METRICS_CELL);
}

}  // namespace

namespace {

// form_commit from an inner sheet: the inner values are converted first, then an outer page's
// check refuses.
int refuse_7(int) { return 7; }
double g_inner_value = 2.5;
int g_commit_result = -1;
double g_after_commit = 0;
int g_inner_entries = -1;
SheetDescriptor g_inner;
PageDescriptor g_inner_page;
void fill_inner(int, int)
{
    static const int editable = 1;
    form_float_field(20, 30, &g_inner_value, 1000, 6, 1, &editable);
    g_commit_result = form_commit();
    g_after_commit = g_inner_value;
    g_inner_entries = form_float_entry_count();
}
void fill_outer(int, int)
{
    if (form_sheet_depth() != 1) return;
    form_register_defaults(&g_inner);
    form_pages_init(1, &g_inner_page);
    g_inner_page.fill = fill_inner;
    form_run(&g_inner, &g_inner_page);
}

TEST_F(FormSheetTest, CommitConvertsInnerValuesBeforeOuterChecks)
{
    pages[0].fill = fill_outer;
    pages[0].check = refuse_7;
    EXPECT_EQ(form_run(&d, pages), 0);   // both sheets end with the input
    EXPECT_EQ(g_commit_result, 7);
    EXPECT_EQ(g_after_commit, 2.5);      // shown as 2500, converted back by the commit
    EXPECT_EQ(g_inner_entries, 0);
    EXPECT_EQ(g_inner_value, 2.5);       // and not divided again when the inner sheet closed
}

// A content height beyond the screen is cut to the screen less the rows, margins and 30.
TEST_F(FormSheetTest, TallSheetsAreCutToTheScreen)
{
    d.content_height = 5000;
    int x1, y1, x2, y2;
    form_sheet_rect(&d, 1, NPIXEL_X / 2, NPIXEL_Y / 2, &x1, &y1, &x2, &y2);
    EXPECT_EQ(y2 - y1 + 1, NPIXEL_Y - 30);
    EXPECT_EQ(x2 - x1 + 1, 8 + 200 + 8);
    d.content_width = 5000;   // and as wide: the screen less the margins and 15
    form_sheet_rect(&d, 1, NPIXEL_X / 2, NPIXEL_Y / 2, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x2 - x1 + 1, NPIXEL_X - 15);
}

}  // namespace

namespace {

// Ink (pixels not of the colour at the 100th pixel) in rows y1..y2 from x on. In cell
// metrics a character is a block of 5 x 7 pixels standing on its baseline: 35 pixels each.
int g_ink[3][2];
int ink(int x, int y1, int y2)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int i = x; i < x + 99; ++i) n += screen_pixel(i, y) != screen_pixel(x + 99, y);
    return n;
}
void measure_classic_tabs()
{
    // Two pages, 300 + 40 wide and 200 + 125 high about (640, 512): corner (470, 350), the row's
    // bottom at 350 + 70 = 420, tabs of (300 - 2 + 21) / 2 = 159 from 480; texts 8 further right.
    // Upper line on 420 - 18, lower on 420 - 6, a single line on 420 - 10.
    g_ink[0][0] = ink(488, 395, 401);   // "Bauteil"
    g_ink[0][1] = ink(488, 407, 413);   // "Holz"
    g_ink[1][0] = ink(648, 403, 409);   // "Stahl"
    g_ink[1][1] = ink(488, 402, 406) + ink(648, 392, 402) + ink(648, 410, 418);   // nothing
    Set_CallSometimesFunc_to_PS(nullptr);
}
void measure_register_tabs()
{
    // Content 400 x 220: the sheet from (422, 339), its row's bottom at 410, tabs from 430 and 640.
    g_ink[0][0] = ink(438, 393, 399);   // "Holz", selected, single line on 400
    g_ink[0][1] = ink(648, 385, 391);   // "Bauteil" of the disabled page, on 392
    g_ink[1][0] = ink(648, 397, 403);   // "Stahl", on 404
    g_ink[1][1] = ink(438, 383, 392) + ink(438, 400, 408) + ink(648, 392, 396);   // nothing
    g_ink[2][0] = SheetsTest::count_pixels(648, 380, 748, 408, 0x000000);   // the disabled tab's black
    Set_CallSometimesFunc_to_PS(nullptr);
}

}  // namespace

// Tab texts of both kinds of register sheet stand on their lines: a second line 12 pixels below
// the upper one, a single line between them.
TEST_F(FormSheetTest, TabTextsStandOnTheirLines)
{
    FormTitleRecord title{};
    std::strcpy(pages[0].upper_tab_text, "Bauteil");
    std::strcpy(pages[0].tab_text, "Holz");
    std::strcpy(pages[1].tab_text, "Stahl");
    pages[0].fill = fill_a;
    pages[1].fill = fill_b;
    Set_CallSometimesFunc_to_PS(measure_classic_tabs);
    form_run_register_classic(200, 300, &title, 2, pages, nullptr, nullptr);
    EXPECT_EQ(g_ink[0][0], 7 * 35);
    EXPECT_EQ(g_ink[0][1], 4 * 35);
    EXPECT_EQ(g_ink[1][0], 5 * 35);
    EXPECT_EQ(g_ink[1][1], 0);

    // The register sheet draws its tabs in black, then a disabled page's tab in its own colour.
    form_pages_init(3, pages);
    d.content_width = 400;
    d.content_height = 220;
    d.last_page = 0;
    std::strcpy(pages[0].tab_text, "Holz");
    std::strcpy(pages[1].upper_tab_text, "Bauteil");
    std::strcpy(pages[1].tab_text, "Stahl");
    pages[1].state = 0;
    pages[0].fill = fill_a;
    pages[1].fill = fill_b;
    Set_CallSometimesFunc_to_PS(measure_register_tabs);
    form_run_register(&d, 2, pages);
    EXPECT_EQ(g_ink[0][0], 4 * 35);
    EXPECT_EQ(g_ink[0][1], 7 * 35);
    EXPECT_EQ(g_ink[1][0], 5 * 35);
    EXPECT_EQ(g_ink[1][1], 0);
    EXPECT_EQ(g_ink[2][0], 0);
}

namespace {

int g_passes = 0;
int g_request = 0;   // 1 cancel, 2 confirm, 3 both
void count_pass(int) { ++g_passes; }
int requesting_element(int)
{
    if (g_request & 1) form_request_cancel();
    if (g_request & 2) form_request_confirm();
    return 1;
}

}  // namespace

// An element's handler may end the sheet: a cancel request ends it unconfirmed even when a
// confirmation was asked for as well; without a request the sheet goes on to the next pass.
TEST_F(FormSheetTest, ElementHandlersEndTheSheet)
{
    struct Case { int request, result, passes; };
    // no request: a second pass, whose input has ended, cancels
    const Case cases[] = {{1, 0, 1}, {2, 1, 1}, {3, 0, 1}, {0, 0, 2}};
    pages[0].fill = fill_a;
    d.element = requesting_element;
    d.each_pass = count_pass;
    for (const Case& c : cases) {
        g_request = c.request;
        g_passes = 0;
        d.preset_code = 7;
        EXPECT_EQ(form_run(&d, pages), c.result) << c.request;
        EXPECT_EQ(g_passes, c.passes) << c.request;
    }
}

namespace {

int g_first_view = -1, g_first_active_then = -1;
void fill_first(int view, int) { g_first_view = view; }
void fill_second(int, int)
{
    const Scrollable_View_Area* first = sva_slot(g_first_view);
    g_first_active_then = first ? first->active : -1;
}

}  // namespace

// A page left for another stops taking input before the other is filled.
TEST_F(FormSheetTest, ThePageLeftStopsTakingInput)
{
    std::strcpy(pages[0].tab_text, "Holz");
    std::strcpy(pages[1].tab_text, "Stahl");
    pages[0].fill = fill_first;
    pages[1].fill = fill_second;
    d.last_page = 0;
    d.preset_code = FORM_CODE_TAB + 1;
    form_run_register(&d, 2, pages);
    EXPECT_GE(g_first_view, 0);
    EXPECT_EQ(g_first_active_then, 0);
}

// Up to 64 pages make a sheet; 65 are refused before anything is shown.
TEST_F(FormSheetTest, SixtyFourPagesAtMost)
{
    static PageDescriptor many[FORM_MAX_TABS + 1];
    form_pages_init(FORM_MAX_TABS + 1, many);
    for (PageDescriptor& p : many) {
        std::strcpy(p.tab_text, "S");
        p.fill = fill_a;
    }
    FormTitleRecord title{};
    g_shown[0] = 0;
    EXPECT_EQ(form_run_register(&d, 65, many), 0);
    EXPECT_EQ(form_run_register_classic(200, 300, &title, 65, many, nullptr, nullptr), 0);
    EXPECT_EQ(g_shown[0], 0);
    d.preset_code = FORM_CODE_CONFIRM;
    EXPECT_EQ(form_run_register(&d, 64, many), 1);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(form_run_register_classic(200, 300, &title, 64, many, nullptr, nullptr), 1);
    EXPECT_EQ(form_sheet_depth(), 0);
}
