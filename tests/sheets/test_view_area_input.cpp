#include "sheets/list_popups.h"
#include "sheets_fixture.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The ints the items of the hit-test area show and change.
struct Ints {
    int toggle = 0, bare = 0, radio = 0, label = 0, click = 0, button = 0, off = 0, zero = 0;
};

// Pane at (100, 100)-(500, 400): a content point (x, y) is on the screen at (x + 100, y + 100).
int hit_area(Ints& v)
{
    int area = sva_create(100, 100, 500, 400, 0, 0);
    sva_add_toggle(area, 50, 40, "Ja", 4096, BLACK_CI, &v.toggle, nullptr);        // label 16 wide
    sva_add_toggle(area, 50, 80, nullptr, 4096, BLACK_CI, &v.bare, nullptr);
    sva_add_radio(area, 50, 120, "B", 4096, BLACK_CI, 3, &v.radio, nullptr);
    sva_add_labelled_value(area, 200, 40, "Wert", 4096, BLACK_CI, 0, WHITE_CI, 7, &v.label);
    sva_add_icon_button(area, 200, 80, 240, 100, 5, &v.click);
    sva_add_image_button(area, 200, 120, 30, 20, "knopf.bmp", 0, WHITE_CI, 18, nullptr, 9, &v.button, nullptr);
    sva_add_toggle(area, 50, 160, "Nein", 4096, BLACK_CI, &v.off, &v.zero);
    sva_update(area);
    return area;
}

double g_seen = 0;
int remember_value(intptr_t p) { g_seen = *reinterpret_cast<double*>(p); return 0; }

} // namespace

TEST_F(SheetsTest, ClicksHitItemsByType)
{
    struct Case {
        const char* what;
        int x, y;
        int result;
        Ints after;
    };
    auto with = [](auto set) { Ints v; set(v); return v; };
    const Case cases[] = {
        {"check box label", 160, 138, 1, with([](Ints& v) { v.toggle = 1; })},
        {"check box mark, left end", 130, 130, 1, with([](Ints& v) { v.toggle = 1; })},
        {"left of the mark", 129, 135, 0, Ints{}},
        {"mark without label, right end", 141, 175, 1, with([](Ints& v) { v.bare = 1; })},
        {"right of a mark without label", 142, 175, 0, Ints{}},
        {"alternative", 155, 215, 1, with([](Ints& v) { v.radio = 3; })},
        {"selectable label", 310, 138, 1, with([](Ints& v) { v.label = 7; })},
        {"click area", 320, 190, 1, with([](Ints& v) { v.click = 5; })},
        {"image button", 315, 230, 1, with([](Ints& v) { v.button = 9; })},
        {"inactive check box", 160, 258, 0, Ints{}},
    };
    for (const Case& c : cases) {
        Ints v;
        int area = hit_area(v);
        input_script_click(c.x, c.y);
        EXPECT_EQ(sva_edit(area), c.result) << c.what;
        const Ints& e = c.after;
        EXPECT_EQ(std::vector<int>({v.toggle, v.bare, v.radio, v.label, v.click, v.button, v.off}),
                  std::vector<int>({e.toggle, e.bare, e.radio, e.label, e.click, e.button, e.off}))
            << c.what;
        EXPECT_EQ(input_script_pending(), 0) << c.what;
        sva_delete(area);
    }
}

TEST_F(SheetsTest, ClickBesideEverythingClearsAHighlightOnce)
{
    Ints v;
    int area = hit_area(v);
    v.label = 7;
    input_script_click(450, 350);
    EXPECT_EQ(sva_edit(area), 1);
    EXPECT_EQ(v.label, 0);
    input_script_click(450, 350);
    EXPECT_EQ(sva_edit(area), 0);
}

TEST_F(SheetsTest, ShortKeysStoreTheirCodesOnlyWithATarget)
{
    sva_reset_short_keys();
    setenv("VYK_USER_UseSheetBreakShortKey", "1", 1);
    setenv("VYK_USER_UseSheetOkShortKey", "1", 1);
    int area = sva_create(100, 100, 500, 400, 0, 0);
    unsetenv("VYK_USER_UseSheetBreakShortKey");
    unsetenv("VYK_USER_UseSheetOkShortKey");
    int ok = 0;
    sva_set_enter_target(area, 200, &ok);

    input_script_move(300, 300);
    input_script_key(KEY_ESC);                 // no break target: stays waiting
    EXPECT_EQ(sva_edit(area), 0);
    EXPECT_EQ(hitkey(), 1);
    EXPECT_EQ(getkey(), KEY_ESC);

    input_script_move(300, 300);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(sva_edit(area), 1);
    EXPECT_EQ(ok, 200);
    EXPECT_EQ(hitkey(), 0);
    sva_reset_short_keys();
}

// A number field whose baseline lies 11 pixels below the scroll position cannot be clicked;
// at 12 pixels it can. At the bottom a field is taken while its baseline stays 3 pixels above
// the pane's lower edge, not at 2 or 1, with the click itself inside the pane in every case.
TEST_F(SheetsTest, FieldsAtThePaneEdgesAreEditableOnlyInside)
{
    int bottom = 0;
    {
        int area = sva_create(100, 100, 500, 400, 0, 0);
        int x1, y1, x2;
        sva_pane_on_screen(sva_slot(area), &x1, &y1, &x2, &bottom);
        sva_delete(area);
    }
    ASSERT_GT(bottom, 300);
    const struct { int y; bool taken; } cases[] = {
        {11, false}, {12, true}, {bottom - 100 - 3, true}, {bottom - 100 - 2, false}, {bottom - 100 - 1, false}};
    for (const auto& c : cases) {
        double value = 1;
        int area = sva_create(100, 100, 500, 400, 0, 0);
        sva_add_float_field(area, 20, c.y, &value, "%5.1f", 4096, BLACK_CI, nullptr);
        sva_update(area);
        input_script_click(125, 100 + c.y - 3);
        input_script_type("4");
        input_script_key(KEY_ENTER);
        int result = sva_edit(area);
        EXPECT_EQ(result, c.taken ? 1 : 0) << c.y;
        EXPECT_EQ(value, c.taken ? 4.0 : 1.0) << c.y;
        input_script_clear();
        sva_delete(area);
    }
}

// Tab ends each editor with a code, so editing moves on to the next active field, scrolling it
// into view; Esc on the last one ends the chain.
TEST_F(SheetsTest, ChainedFieldEditMovesOnAndScrollsIntoView)
{
    double first = 1, last = 2, skipped = 3;
    char text[] = "abc";
    int off = 0;
    int area = sva_create(100, 100, 400, 217, 1, 0);   // pane (100, 100)-(400, 200) above the slider
    sva_add_float_field(area, 20, 30, &first, "%8.2f", 4096, BLACK_CI, nullptr);
    sva_set_last_callback(area, remember_value);
    sva_add_float_field(area, 20, 45, &skipped, "%8.2f", 4096, BLACK_CI, &off);
    sva_add_text_field(area, 20, 60, text, 4096, BLACK_CI, nullptr);
    sva_add_float_field(area, 20, 250, &last, "%8.2f", 4096, BLACK_CI, nullptr);
    sva_update(area);
    input_script_click(130, 125);
    input_script_type("5");
    input_script_key(KEY_TAB);
    input_script_type("xy");
    input_script_key(KEY_TAB);
    input_script_type("9");
    input_script_key(KEY_ESC);
    EXPECT_EQ(sva_edit(area), 1);
    EXPECT_EQ(first, 5.0);
    EXPECT_EQ(g_seen, 5.0);
    EXPECT_STREQ(text, "xy");
    EXPECT_EQ(last, 2.0);          // left with Esc
    EXPECT_EQ(skipped, 3.0);
    // The last field: Y1 + y - sy + 4 = 354 reaches the bottom 200: sy = 100 + 250 - 200 + 5
    EXPECT_EQ(sva_slot(area)->scroll_y, 155);
    EXPECT_EQ(input_script_pending(), 0);
}

// A text field longer than any fixed buffer is edited through a buffer of its own length.
TEST_F(SheetsTest, LongTextFieldIsEditedWithoutOverrun)
{
    std::string initial(600, 'a');
    std::vector<char> buffer(initial.begin(), initial.end());
    buffer.push_back('\0');
    int area = sva_create(100, 100, 500, 400, 0, 0);
    sva_add_text_field(area, 20, 30, buffer.data(), 4096, BLACK_CI, nullptr);
    sva_set_last_text_width(area, 20);
    sva_update(area);
    input_script_click(130, 125);
    input_script_key(KEY_END);
    input_script_type("zz");
    input_script_key(KEY_BACKSPACE);
    input_script_type("b");
    input_script_key(KEY_ENTER);
    EXPECT_EQ(sva_edit(area), 1);
    EXPECT_EQ(std::strlen(buffer.data()), 600u);
    EXPECT_EQ(buffer[599], 'b');   // full: "zz" went nowhere, the Backspace made room for "b"
    EXPECT_EQ(buffer[598], 'a');
    input_script_clear();
}

TEST_F(SheetsTest, ScrollOperationsClamp)
{
    int area = sva_create(100, 100, 317, 317, 1, 1);   // 200 x 200 pane
    sva_add_box(area, 0, 0, 500, 400, WHITE_CI);
    sva_update(area);
    int dx = -50, dy = 0;
    sva_slot(area)->scroll_x = 20;
    Set_Scrollable_Area_PS(sva_slot(area)->handle, 20, 0);
    sva_scroll_by(area, &dx, &dy);
    EXPECT_EQ(sva_slot(area)->scroll_x, 0);
    EXPECT_EQ(dx, -20);
    dx = 1000, dy = 1000;
    sva_scroll_by(area, &dx, &dy);   // starts from the sheet's position 20, not the slot's 0
    EXPECT_EQ(dx, 280);              // range 500 - 200
    EXPECT_EQ(dy, 200);
    // An axis without a slider does not move, and says so.
    int plain = sva_create(350, 100, 550, 300, 0, 0);
    sva_add_box(plain, 0, 0, 500, 400, WHITE_CI);
    sva_update(plain);
    dx = 30, dy = -30;
    sva_scroll_by(plain, &dx, &dy);
    EXPECT_EQ(dx * 1000 + dy, 0);

    sva_set_scroll_fraction(area, 2.0, -1.0);
    EXPECT_EQ(sva_slot(area)->scroll_x, 300);
    EXPECT_EQ(sva_slot(area)->scroll_y, 200);    // fy negative: unchanged
    double fx, fy;
    sva_set_scroll_fraction(area, 0.5, 0.25);
    sva_get_scroll_fraction(area, &fx, &fy);
    EXPECT_EQ(fx, 0.5);
    EXPECT_EQ(fy, 0.25);

    sva_slot(area)->scroll_x = sva_slot(area)->scroll_y = 0;
    sva_update(area);
    sva_scroll_into_view(area, 10, 10, 50, 50);   // already inside: nothing
    EXPECT_EQ(sva_slot(area)->scroll_y, 0);
    sva_scroll_into_view(area, 10, 250, 50, 300); // fits below: its bottom at the pane's bottom
    EXPECT_EQ(sva_slot(area)->scroll_y, 100);
    EXPECT_EQ(sva_slot(area)->scroll_x, 0);
    int sx = -1, sy = -1;
    sva_inquire_scroll(area, &sx, &sy);
    EXPECT_EQ(sy, 100);
}

TEST_F(SheetsTest, FieldScrollTargetBringsAFieldIntoView)
{
    struct Case {
        int x, y, w, sx, sy;
        int ex, ey;
    };
    // Pane (100, 100)-(300, 200).
    const Case cases[] = {
        {50, 60, 40, 0, 0, 0, 0},        // visible: unchanged
        {50, 60, 40, 45, 50, 41, 47},    // too far left and up: x - 9, y - 13
        {250, 60, 40, 0, 0, 96, 0},      // right: 100 + 250 + 40 - 300 + 6
        {50, 150, 40, 0, 0, 0, 55},      // below: 100 + 150 - 200 + 5
        {5, 5, 40, 30, 30, 0, 0},        // negative targets become 0
    };
    for (const Case& c : cases) {
        int sx = c.sx, sy = c.sy;
        sva_field_scroll_target(c.x, c.y, c.w, 100, 100, 300, 200, &sx, &sy);
        EXPECT_EQ(sx * 1000 + sy, c.ex * 1000 + c.ey) << c.x << "," << c.y;
    }
}

// Text lists: rows of 13 pixels under the field, above it, or cut to fit.
TEST_F(SheetsTest, ListPlacement)
{
    struct Case {
        int y, count, rows, top;
    };
    const Case text_cases[] = {
        {300, 3, 3, 305},        // fits below
        {1000, 3, 3, 942},       // above: 1000 - 45 - 13
        {500, 100, 36, 505},     // below, cut: (524 - 48) / 13
        {600, 100, 42, 35},      // above, cut: ends at 600 - 13
    };
    for (const Case& c : text_cases) {
        SvaListPlacement p = text_list_placement(c.y, c.count);
        EXPECT_EQ(p.rows * 10000 + p.top, c.rows * 10000 + c.top) << c.y;
    }
    // Image rows of 24: only 8 of 40 fit into the pane, so the list leaves it, showing 20.
    SvaListPlacement p = image_list_placement(100, 400, 150, 20, 40);
    EXPECT_EQ(p.rows, 20);
    EXPECT_EQ(p.top, 176);
    EXPECT_EQ(list_first_index(9, 4, 10), 6);
    SvaListThumb t = list_thumb(106, 4, 10, 6);   // track 74, thumb 29, step 7.5
    EXPECT_EQ(t.thumb, 29);
    EXPECT_EQ(t.offset, 45);
}

TEST_F(SheetsTest, ChoiceListClosesByEnterClickAndEsc)
{
    SvaChoiceEntry entries[3] = {{BLACK_CI, "eins"}, {BLACK_CI, "zwei"}, {BLACK_CI, "drei"}};
    int selection = 0;
    int area = sva_create(100, 100, 500, 400, 0, 0);
    sva_add_choice_field(area, 20, 30, entries, 4096, 6, 3, &selection, nullptr);
    SvaItem* item = sva_slot(area)->last_item;

    input_script_key(KEY_DOWN);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(run_text_list_popup(200, 300, item), 1);
    EXPECT_EQ(selection, 1);

    input_script_key(KEY_DOWN);
    input_script_key(KEY_ESC);
    EXPECT_EQ(run_text_list_popup(200, 300, item), 0);
    EXPECT_EQ(selection, 1);

    // Rows at 305 + 13 i: the third row's middle.
    input_script_click(220, 305 + 2 + 26 + 5);
    EXPECT_EQ(run_text_list_popup(200, 300, item), 0);
    EXPECT_EQ(selection, 2);

    input_script_click(700, 700);   // outside: no change
    EXPECT_EQ(run_text_list_popup(200, 300, item), 0);
    EXPECT_EQ(selection, 2);

    selection = 7;                  // set by the caller outside the list
    input_script_key(KEY_ENTER);
    EXPECT_EQ(run_text_list_popup(200, 300, item), 1);
    EXPECT_EQ(selection, 2);
    EXPECT_EQ(input_script_pending(), 0);
}

TEST_F(SheetsTest, ChoiceFieldClickOpensItsList)
{
    SvaChoiceEntry entries[2] = {{BLACK_CI, "eins"}, {BLACK_CI, "zwei"}};
    int selection = 0;
    int area = sva_create(100, 100, 500, 400, 0, 0);
    sva_add_choice_field(area, 20, 30, entries, 4096, 6, 2, &selection, nullptr);
    sva_update(area);
    input_script_click(130, 125);
    input_script_key(KEY_DOWN);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(sva_edit(area), 1);
    EXPECT_EQ(selection, 1);
}

TEST_F(SheetsTest, ImageListPicksByKeysAndAChoiceOutOfRangeShowsUnknown)
{
    int image = 0;
    int area = sva_create(100, 100, 500, 400, 0, 0);
    sva_add_list_field(area, 20, 30, "muster.bmp", 40, 20, 4, 0, &image, nullptr);
    SvaItem* item = sva_slot(area)->last_item;
    input_script_key(KEY_DOWN);
    input_script_key(KEY_DOWN);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(run_image_list_popup(100, 400, 120, 130, item), 1);
    EXPECT_EQ(image, 2);

    // A selection the caller moved beyond the entries shows "???" in black: three cells of
    // 5 x 7 pixels at the baseline (120, 200).
    SvaChoiceEntry entries[2] = {{Nearest_RGB_Color(0, 0, 255), "A"}, {Nearest_RGB_Color(0, 0, 255), "B"}};
    int selection = 0;
    sva_add_choice_field(area, 20, 100, entries, 4096, 4, 2, &selection, nullptr);
    selection = 9;
    sva_update(area);
    sva_redraw(area);
    EXPECT_EQ(count_pixels(120, 190, 143, 199, 0x000000u), 3 * 35);
    selection = 1;
    sva_redraw(area);
    EXPECT_EQ(count_pixels(120, 190, 143, 199, 0x0000FFu), 35);
}
