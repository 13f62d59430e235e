// The interactive paths as a user takes them, one table each: the buttons of every sheet type,
// the table's rows and its column menu, the list pop-up's wheel and scroll bar, the editor's
// paging and wheel, the field hit test, tool tips, and the German texts of menus and comments.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sheets/form_fields.h"
#include "sheets/form_sheets.h"
#include "sheets/form_state.h"
#include "sheets/form_tooltips.h"
#include "sheets/list_popups.h"
#include "sheets_fixture.h"

namespace {

void empty_page(int view, int) { sva_add_text(view, 10, 20, "Seite", 4096, BLACK_CI, 0); }

} // namespace

// The default sheet is 216 x 226 pixels around the screen's centre: (532, 399) to (747, 624);
// full-screen types cover the screen. Buttons stand 29 pixels above the bottom (type 8: 37):
// text buttons at the middle less 50, cancel at left + 8 - 3, confirm at right - 8 - 23.
TEST_F(SheetsTest, ButtonsOfEverySheetTypeEndItWithTheirCode)
{
    const int left = NPIXEL_X / 2 - 108, right = left + 215, bottom = NPIXEL_Y / 2 - 113 + 225;
    const int middle = (left + right) / 2;
    struct Case {
        int type;
        int x, y;     // where the click goes
        int result;   // 1 confirmed, 0 cancelled
        int ended;    // 1: the click ended the sheet (0: the input ran out afterwards)
    } cases[] = {
        {0, left + 5, bottom - 29, 0, 1},   {0, right - 31, bottom - 29, 1, 1},
        {1, middle - 50, bottom - 29, 0, 1},                  // "Weiter      " cancels
        {3, middle - 50, bottom - 29, 1, 1},                  // "Weiter      " confirms
        {5, right - 31, bottom - 29, 1, 1},  {6, right - 31, bottom - 29, 1, 1},
        {6, left + 5, bottom - 29, 0, 0},    // no cancel button
        {7, right - 31, bottom - 29, 0, 0},  // no confirm button
        {8, NPIXEL_X / 2 - 50, NPIXEL_Y - 1 - 37, 1, 1},     // full screen, 8 pixels higher
    };
    for (const Case& c : cases) {
        SheetDescriptor d;
        PageDescriptor page;
        form_register_defaults(&d);
        form_pages_init(1, &page);
        page.fill = empty_page;
        d.type = c.type;
        // A press and release without a move: a move into a full-screen sheet's page would go to
        // the page first.
        input_script_press(c.x + 6, c.y + 6);
        input_script_release(c.x + 6, c.y + 6);
        calllog::clear();
        EXPECT_EQ(form_run(&d, &page), c.result) << c.type << " at " << c.x;
        bool ran_out = calllog::contains("waiting for input at Edit_Prop_Sheet");
        EXPECT_EQ(!ran_out, c.ended == 1) << c.type << " at " << c.x;
        input_script_clear();
    }
}

namespace {

struct Row {
    double a;
    double b;
};

void field_of_a(int, int area, int left, int top, void* data)
{
    sva_add_float_field(area, left + 80, top + 15, &static_cast<Row*>(data)->a, "%6.2f", 4096, BLACK_CI, nullptr);
}

std::vector<double> column_a(int table)
{
    std::vector<double> out;
    for (void* d = table_first_row(table); d; d = table_next_row(table)) out.push_back(static_cast<Row*>(d)->a);
    return out;
}

// Eight rows of 20 pixels from content y 40 in a pane from y 100 to `bottom` with a vertical
// slider; row k's field has its baseline at content y 55 + 20 (k - 1).
int tall_table(int bottom, int* area_out)
{
    int area = sva_create(100, 100, 600, bottom, 0, 1);
    int t = table_create(area, 40, 10, 400, 20, sizeof(Row), field_of_a);
    for (int k = 1; k <= 8; ++k) {
        Row r{double(k), 0};
        table_append_row(t, &r);
    }
    table_draw(t);
    sva_update(area);
    *area_out = area;
    return t;
}

} // namespace

// Down and Enter go on to the following rows' fields, scrolling each into view (the field's
// baseline 5 pixels above the pane's bottom); Up in the last field steps the simulated press one
// row higher and, when that row is hidden above the pane, scrolls up by a row first.
TEST_F(SheetsTest, TableFieldsFollowUpDownAndEnterPastTheVisibleRows)
{
    struct Case {
        const char* what;
        int bottom;             // of the pane
        bool to_end;            // scrolled to the end before the click
        int click_row;
        std::vector<int> keys;  // a negative entry types that number
        std::vector<double> column;
        int scrolled;           // the scroll position afterwards
    } cases[] = {
        // Rows 4 to 7 (baselines 115 to 175) come into view at 115 + 100 - 200 + 5 = 20 and on to 80;
        // the input ends in row 7's field, which keeps its value.
        {"Down, Enter and Tab through rows below the pane", 200, false, 2,
         {-20, KEY_DOWN, -30, KEY_ENTER, -40, KEY_DOWN, -50, KEY_DOWN, -60, KEY_TAB}, {1, 20, 30, 40, 50, 60, 7, 8}, 80},
        // Scrolled to the end, row 7 lies above the pane: Up scrolls a row up to edit it. Tab there
        // goes on to row 8's field, scrolled back into view at 195 + 100 - 135 + 5 = 165.
        {"Up from the last row, the row above hidden", 135, true, 8, {-80, KEY_UP, -70, KEY_TAB},
         {1, 2, 3, 4, 5, 6, 70, 80}, 165},
    };
    for (const Case& c : cases) {
        int area = -1;
        int t = tall_table(c.bottom, &area);
        Scrollable_View_Area* s = sva_slot(area);
        int range = s->content_height - (s->y2 - s->y1);
        if (c.to_end) s->scroll_y = range;
        sva_update(area);
        int sx = 0, sy = 0;
        sva_inquire_scroll(area, &sx, &sy);
        input_script_click(100 + 90 + 10, 100 + 55 + 20 * (c.click_row - 1) - sy - 4);
        for (int k : c.keys) {
            if (k < 0) input_script_type(std::to_string(-k).c_str());
            else input_script_key(k);
        }
        table_edit(t);
        EXPECT_EQ(column_a(t), c.column) << c.what;
        int now = 0;
        sva_inquire_scroll(area, &sx, &now);
        EXPECT_EQ(now, c.scrolled) << c.what;
        EXPECT_EQ(input_script_pending(), 0) << c.what;
        input_script_clear();
        table_free(t);
        sva_delete(area);
    }
}

// Down in the last row's field steps the press onto the row that appends a new one; once the
// press lies more than 10 pixels below the pane's bottom less a row (100 + 35 - 20 + 10 = 125),
// the pane first scrolls down by a row, as far as it can.
TEST_F(SheetsTest, TableDownFromTheLastRowScrollsOntoTheAppendRow)
{
    struct Case {
        int scroll;     // row 8's baseline at 100 + 195 - scroll; the press 8 above it, then 20 lower
        int scrolled;   // afterwards
    } cases[] = {
        {181, 190},   // the press at 114 - 8 + 20 = 126: scrolls, by the 9 pixels left
        {182, 182},   // at 125: stays
    };
    for (const Case& c : cases) {
        int area = sva_create(100, 100, 600, 135, 0, 1);
        int t = table_create(area, 40, 10, 400, 20, sizeof(Row), field_of_a);
        for (int k = 1; k <= 8; ++k) {
            Row r{double(k), 0};
            table_append_row(t, &r);
        }
        Row blank{0, 0};
        table_set_template_row(t, &blank);
        table_set_option(t, 3, 80, 0);   // the append icon under the fields, from x 90 to 125
        table_draw(t);
        sva_slot(area)->scroll_y = c.scroll;
        sva_update(area);
        int sx = 0, sy = 0;
        sva_inquire_scroll(area, &sx, &sy);
        ASSERT_EQ(sy, c.scroll);
        input_script_click(100 + 90 + 10, 100 + 195 - c.scroll - 2);
        input_script_type("9");
        input_script_key(KEY_DOWN);
        EXPECT_EQ(table_edit(t), 2) << c.scroll;   // the append icon took the press
        EXPECT_EQ(table_row_count(t), 9) << c.scroll;
        sva_inquire_scroll(area, &sx, &sy);
        EXPECT_EQ(sy, c.scrolled);
        input_script_clear();
        table_free(t);
        sva_delete(area);
    }
}

namespace {

// Three rows 3, 1, 2 and one column whose button stands at content (120, 30).
int column_table(int flags)
{
    int area = sva_create(100, 100, 600, 500, 0, 0);
    int t = table_create(area, 40, 10, 400, 20, sizeof(Row), [](int, int, int, int, void*) {});
    for (double v : {3.0, 1.0, 2.0}) {
        Row r{v, 0};
        table_append_row(t, &r);
    }
    table_add_column(t, 120, 30, 0, flags, "%6.2f", 0);
    table_draw(t);
    sva_update(area);
    return t;
}

} // namespace

// The column menu offers "Spalte sortieren" only for a sortable column (flag bit 0) and
// "Spalte belegen" only for a fillable one (bit 1); a disabled entry does nothing when chosen.
TEST_F(SheetsTest, ColumnMenuEntriesFollowTheColumnFlags)
{
    struct Case {
        int flags;
        std::vector<double> sorted, filled;
    } cases[] = {
        {0, {3, 1, 2}, {3, 1, 2}},
        {1, {1, 2, 3}, {3, 1, 2}},
        {2, {3, 1, 2}, {1, 1, 1}},
        {3, {1, 2, 3}, {1, 1, 1}},
    };
    for (const Case& c : cases) {
        int t = column_table(c.flags);
        input_script_click(220, 130);
        for (int k : {KEY_ENTER, KEY_ENTER, KEY_ESC}) input_script_key(k);   // "Spalte sortieren", "aufsteigend"
        EXPECT_EQ(table_edit(t), 1);
        EXPECT_EQ(column_a(t), c.sorted) << c.flags;
        input_script_clear();
        sva_delete_all();
        for (int s = 0; s < TABLE_MAX_SLOTS; ++s) table_free(s);

        t = column_table(c.flags);
        input_script_click(220, 130);
        // "Spalte belegen", then the fill sheet's OK: start 1, increment 0, the whole column.
        for (int k : {KEY_DOWN, KEY_ENTER, KEY_ENTER, KEY_ESC}) input_script_key(k);
        EXPECT_EQ(table_edit(t), 1);
        EXPECT_EQ(column_a(t), c.filled) << c.flags;
        input_script_clear();
        sva_delete_all();
        for (int s = 0; s < TABLE_MAX_SLOTS; ++s) table_free(s);
    }
}

// Row numbers typed into the fill sheet are refused unless they are whole numbers from 1 to
// 99999; the field keeps its number, so that "Zeilenausschnitt" fills rows 2 to 3.
TEST_F(SheetsTest, FillSheetRefusesRowNumbersItCannotUse)
{
    const int x0 = NPIXEL_X / 2 - 163, y0 = NPIXEL_Y / 2 - 119;
    for (const char* typed : {"9999999999", "1e10", "2e10", "nan", "1e400", "0x1p1", "2,5", "0"}) {
        calllog::clear();
        int t = column_table(3);
        input_script_click(220, 130);
        input_script_key(KEY_DOWN);
        input_script_key(KEY_ENTER);                   // "Spalte belegen"
        input_script_click(x0 + 110 + 5, y0 + 67 + 5); // "Zeilenausschnitt"
        input_script_click(x0 + 90 + 8, y0 + 91 + 5);  // the first row number
        input_script_type("2");
        input_script_key(KEY_TAB);                     // on to the last row number
        input_script_type(typed);
        input_script_key(KEY_TAB);                     // on to the start value
        input_script_key(KEY_ESC);
        input_script_click(x0 + 237 + 8, y0 + 91 + 5); // the last row number again
        input_script_type("3");
        input_script_key(KEY_TAB);
        input_script_key(KEY_ESC);
        input_script_key(KEY_ENTER);                   // OK: start 1, increment 0
        EXPECT_EQ(table_edit(t), 1) << typed;
        EXPECT_EQ(column_a(t), (std::vector<double>{3, 1, 1})) << typed;
        bool hint = false;
        for (const std::string& e : calllog::entries()) hint = hint || e.find("HINWEIS") != std::string::npos;
        EXPECT_TRUE(hint) << typed;
        input_script_clear();
        sva_delete_all();
        for (int s = 0; s < TABLE_MAX_SLOTS; ++s) table_free(s);
    }
}

namespace {

// A choice of 100 entries whose field stands at (200, 500) on the screen: the list opens under
// it with 36 rows of 13 pixels from y 505; its scroll bar's track is 36 x 13 + 6 - 32 = 442
// pixels, the thumb 36 x 442 / 100 = 159, a row of scrolling 283 / 64 = 4.42 pixels.
struct PopupCase {
    const char* what;
    void (*script)(int right, int top, int bottom);
    int result, selection;
};

} // namespace

TEST_F(SheetsTest, ListPopupWheelScrollBarAndThumb)
{
    static char names[100][8];
    static SvaChoiceEntry entries[100];
    for (int i = 0; i < 100; ++i) {
        std::snprintf(names[i], sizeof names[i], "E%02d", i);
        entries[i] = SvaChoiceEntry{BLACK_CI, names[i]};
    }
    const PopupCase cases[] = {
        {"wheel down twice, Enter", [](int, int, int) {
             input_script_wheel(-1);
             input_script_wheel(-1);
             input_script_key(KEY_ENTER);
         }, 1, 2},
        {"wheel up at the first row stays", [](int, int, int) {
             input_script_wheel(1);
             input_script_key(KEY_ENTER);
         }, 1, 0},
        {"wheel down past the end stops at the last window", [](int, int, int) {
             for (int i = 0; i < 70; ++i) input_script_wheel(-1);
             input_script_key(KEY_ENTER);
         }, 1, 64},
        {"thumb dragged 44 pixels down", [](int right, int top, int) {
             input_script_press(right - 9, top + 16 + 80);
             input_script_move(right - 9, top + 16 + 124);
             input_script_release(right - 9, top + 16 + 124);
             input_script_key(KEY_ENTER);
         }, 1, 9},   // (44 - 0.5) / 4.42 = 9.8
        {"press on the track below the thumb", [](int right, int top, int) {
             input_script_press(right - 9, top + 16 + 300);
             input_script_release(right - 9, top + 16 + 300);
             input_script_key(KEY_ENTER);
         }, 1, 64},
        {"press on the lower arrow", [](int right, int, int bottom) {
             input_script_press(right - 9, bottom - 8);
             input_script_release(right - 9, bottom - 8);
             input_script_key(KEY_ENTER);
         }, 1, 1},
        {"Down, Down, Up, Enter", [](int, int, int) {
             for (int k : {KEY_DOWN, KEY_DOWN, KEY_UP, KEY_ENTER}) input_script_key(k);
         }, 1, 1},
        {"click on the sixth row", [](int, int top, int) { input_script_click(220, top + 2 + 5 * 13 + 6); }, 0, 5},
        {"Esc keeps the selection", [](int, int, int) { input_script_key(KEY_ESC); }, 0, 0},
    };
    int area = sva_create(100, 100, 600, 400, 0, 0);
    for (const PopupCase& c : cases) {
        int selection = 0, editable = 1;
        sva_clear(area);
        sva_add_choice_field(area, 50, 50, entries, 4096, 4, 100, &selection, &editable);
        SvaItem* item = sva_slot(area)->last_item;
        const int left = 200 - 7, right = left + item->number + (item->number & 1) + 32;
        const int top = 505, bottom = top + 36 * 13 + 6;
        c.script(right, top, bottom);
        EXPECT_EQ(run_text_list_popup(200, 500, item), c.result) << c.what;
        EXPECT_EQ(selection, c.selection) << c.what;
        input_script_clear();
    }
}

namespace {

// An editor from content (10, 10) to (300, 110) in a pane at (100, 100): five visible lines
// ((100 - 22) / 14), the line k's baseline at 126 + 14 k on the screen while it is the first
// shown, over 20 lines "L00" to "L19".
std::string edit_text(void (*script)())
{
    static char buffer[400];
    std::string text;
    for (int i = 0; i < 20; ++i) text += "L" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "\n";
    std::memset(buffer, 0, sizeof buffer);
    std::memcpy(buffer, text.c_str(), text.size());
    int area = sva_create(100, 100, 600, 500, 0, 0);
    sva_add_text_editor(area, 10, 10, 300, 110, buffer, 390, BLACK_CI, Nearest_RGB_Color(255, 255, 255), 1, nullptr);
    sva_update(area);
    input_script_click(111, 122);   // the start of the first line
    script();
    input_script_click(500, 400);   // beside the editor: the editing ends
    sva_edit(area);
    input_script_clear();
    sva_delete(area);
    return buffer;
}

} // namespace

// Page Down and Up move the cursor by the visible lines; the wheel scrolls a line and takes the
// cursor along, but not past the first line nor below the last page.
TEST_F(SheetsTest, EditorPagesAndWheelsWithinItsText)
{
    struct Case {
        const char* what;
        void (*script)();
        const char* line;   // the line the typed X went into
    } cases[] = {
        {"Page Down", [] { for (int k : {int(KEY_PGDN), int('X')}) input_script_key(k); }, "XL05\n"},
        {"Page Down twice, Page Up", [] { for (int k : {int(KEY_PGDN), int(KEY_PGDN), int(KEY_PGUP), int('X')}) input_script_key(k); },
         "XL05\n"},
        {"Page Up on the first line", [] { for (int k : {int(KEY_PGUP), int('X')}) input_script_key(k); }, "XL00\n"},
        {"wheel up at the top", [] {
             input_script_wheel(1);
             input_script_key('X');
         }, "XL00\n"},
        {"wheel down", [] {
             input_script_wheel(-1);
             input_script_key('X');
         }, "XL01\n"},
        {"wheel down on the last page", [] {
             for (int k : {KEY_CTRL_END, KEY_UP, KEY_UP}) input_script_key(k);
             input_script_wheel(-1);
             input_script_key('X');
         }, "L17X\n"},
    };
    for (const Case& c : cases) {
        std::string text = edit_text(c.script);
        EXPECT_NE(text.find(c.line), std::string::npos) << c.what << ": " << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), 'X'), 1) << c.what;
    }
}

// A number field takes a click from x' - 6 to x' + w + 6 and from y' - 13 to y' + 5 around its
// text (w its printed width), and only while its baseline lies 12 pixels or more below the
// scroll position.
TEST_F(SheetsTest, NumberFieldHitTestEdges)
{
    // "%5.1f" of 2.5 prints "  2.5", 5 characters of 8 pixels in cell metrics: w = 40.
    struct Case {
        int dx, dy;   // from the field's text origin on the screen
        int scroll;   // scroll position; the field's baseline is at content y 30
        bool hit;
    } cases[] = {
        {-6, 0, 0, true},  {-7, 0, 0, false}, {46, 0, 0, true},  {47, 0, 0, false},
        {0, -13, 0, true}, {0, -14, 0, false}, {0, 5, 0, true},  {0, 6, 0, false},
        {0, 0, 18, true},  {0, 0, 19, false},   // 30 - 18 = 12 below the scroll position; 11
    };
    for (const Case& c : cases) {
        double value = 2.5;
        int active = 1;
        int area = sva_create(100, 100, 600, 400, 0, 1);
        sva_add_float_field(area, 50, 30, &value, "%5.1f", 4096, BLACK_CI, &active);
        sva_add_box(area, 0, 0, 10, 900, BLACK_CI);   // room to scroll
        sva_slot(area)->scroll_y = c.scroll;
        sva_update(area);
        input_script_click(100 + 50 + c.dx, 100 + 30 - c.scroll + c.dy);
        input_script_type("7");
        input_script_key(KEY_ENTER);
        sva_edit(area);
        EXPECT_EQ(value, c.hit ? 7.0 : 2.5) << c.dx << "," << c.dy << " scroll " << c.scroll;
        input_script_clear();
        sva_delete(area);
    }
}

// A tip's box is the widest line + 9 wide and 12 a line + 6 high; it stands 5 pixels above the
// element (placement 0) or below it, beginning at the element's middle or ending there (anchor 3).
TEST_F(SheetsTest, ToolTipBoxPlacement)
{
    struct Case {
        int placement, anchor;
        int left, top;   // of the box on the screen
    } cases[] = {
        // The element from content (10, 17) to (10 + 55, 35) in a pane at (100, 100): middle 37.
        {0, 0, 100 + 37, 100 + 17 - 5 - 18},
        {1, 0, 100 + 37, 100 + 35 + 5},
        {0, 3, 100 + 37 - 33, 100 + 17 - 5 - 18},   // "abc" is 24 wide: 24 + 3 + 6 = 33
    };
    for (const Case& c : cases) {
        int dx = 0, dy = 0;
        int area = sva_create(100, 100, 600, 400, 0, 0);
        int escape = Add_Escape_Area_to_PS(100, 100, 600, 400, 0, 2000);
        form_register_area(escape, area, 100, 100, 600, 400, &dx, &dy);
        form_select_sheet(area);
        double v = 1;
        int editable = 1;
        form_float_field_plain(10, 30, &v, 5, 1, &editable);
        form_set_tooltip("abc", c.placement, c.anchor);
        ASSERT_EQ(form_tooltip_count(), 1);
        EXPECT_EQ(form_tooltip(0)->box_width, 33);
        sva_update(area);
        Activate_Prop_Sheet();
        M_XPOS = 100 + 30;
        M_YPOS = 100 + 25;
        form_hover_handler();
        const unsigned frame = 0x404040u;
        EXPECT_EQ(screen_pixel(c.left, c.top), frame) << c.placement << c.anchor;
        EXPECT_EQ(screen_pixel(c.left + 33, c.top + 18), frame) << c.placement << c.anchor;
        EXPECT_EQ(screen_pixel(c.left + 1, c.top + 1), 0xFFFFFFu) << c.placement << c.anchor;
        M_XPOS = 100 + 300;
        form_hover_handler();   // away: the screen comes back
        form_unregister_area();
        form_select_sheet(-1);
        sva_delete(area);
    }
}

// The German texts of the menus and of the comments the table gives its icons, whole.
TEST_F(SheetsTest, MenuAndCommentTextsAreTheGermanOnes)
{
    const MenueRecord* m = table_column_menu();
    ASSERT_EQ(m->count, 2);
    EXPECT_EQ(std::vector<int>({m->longest, m->flag1, m->flag2, m->flag3}), std::vector<int>({16, 1, 0, 1}));
    EXPECT_STREQ(m->entries[0].text, "Spalte sortieren");
    EXPECT_STREQ(m->entries[1].text, "Spalte belegen");
    EXPECT_STREQ(m->entries[0].key_text, " ");
    const MenueRecord* sort = m->entries[0].submenu;
    ASSERT_NE(sort, nullptr);
    EXPECT_EQ(sort->count * 100 + sort->longest, 211);
    EXPECT_STREQ(sort->entries[0].text, "aufsteigend");
    EXPECT_STREQ(sort->entries[1].text, "absteigend");
    EXPECT_EQ(sort->entries[0].enabled + sort->entries[1].enabled, 2);
    const MenueRecord* editor = sva_text_editor_menu();
    ASSERT_EQ(editor->count, 1);
    EXPECT_EQ(editor->longest, 13);
    EXPECT_STREQ(editor->entries[0].text, "Sonderzeichen");
    EXPECT_STREQ(editor->entries[0].key_text, "_SPEC");

    int area = sva_create(100, 100, 600, 500, 0, 0);
    int t = table_create(area, 40, 10, 400, 20, sizeof(Row), [](int, int, int, int, void*) {});
    Row r{1, 0};
    table_append_row(t, &r);
    table_set_template_row(t, &r);
    table_set_option(t, 1, 5, 2);
    table_set_option(t, 2, 25, 2);
    table_set_option(t, 3, 5, 2);
    table_draw(t);
    std::vector<std::string> comments;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
        if (it->type == SVA_ICON_BUTTON && it->text) comments.push_back(it->text);
    EXPECT_EQ(comments, (std::vector<std::string>{"Zeile l\x94schen", "Zeile duplizieren", "neue Zeile anf\x81gen"}));
}
