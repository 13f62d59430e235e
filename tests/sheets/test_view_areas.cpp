#include "sheets_fixture.h"

#include <cstring>
#include <string>

namespace {

int g_callback_calls = 0;
int count_change(intptr_t) { return ++g_callback_calls; }

int item_count(int area)
{
    int n = 0;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next) ++n;
    return n;
}

} // namespace

// Each constructor on an area whose extent is 300 x 150 (cell metrics: 8 pixels a character).
TEST_F(SheetsTest, ConstructorsStoreTheirFieldsAndGrowTheExtent)
{
    struct Case {
        const char* what;
        int (*add)(int area);
        int result;                // -1: no result to check
        int width, height;         // extent afterwards
        int x1, x2, font;          // stored fields of the last item (font -1: not checked)
    };
    static double value = 12.5;
    static int state = 0;
    const Case cases[] = {
        // "Abc" is 24 wide: 10 + 24 + 10 stays below 300; y + 10 = 110 does not raise 150: y + 9
        {"text below the extent", [](int a) { return sva_add_text(a, 10, 100, "Abc", 4096, 0, 0); }, 109, 300, 150, 10, 0, 4096},
        {"text raising the height", [](int a) { return sva_add_text(a, 10, 200, "Abc", 4096, 0, 0); }, 210, 300, 210, 10, 0, 4096},
        // right-aligned at 400: starts at 400 - 48, width 352 + 48 + 10
        {"right-aligned text", [](int a) { return sva_add_text(a, 400, 20, "abcdef", 4096, 0, 1); }, 29, 410, 150, 352, 0, 4096},
        {"bold text", [](int a) { return sva_add_text(a, 0, 0, "A", 0x10000 | 4096, 0, 0); }, 9, 300, 150, 0, 1, 4096},
        {"shadow wins over bold", [](int a) { return sva_add_text(a, 0, 0, "A", 0x30000 | 4096, 0, 0); }, 9, 300, 150, 0, 2, 4096},
        {"light shadow", [](int a) { return sva_add_text(a, 0, 0, "A", 0x40000 | 4096, 0, 0); }, 9, 300, 150, 0, 3, 4096},
        // "%8.2f" of 0.0 is 8 characters; the field font loses 0x1000
        {"number field", [](int a) { return sva_add_float_field(a, 10, 160, &value, "%8.2f", 4096, 0, nullptr); }, 170, 300, 170, 10, 0, 0},
        {"line below", [](int a) { return sva_add_line(a, 0, 0, 320, 200, 0); }, 210, 330, 210, 0, 320, -1},
        {"line inside", [](int a) { return sva_add_line(a, 0, 0, 20, 20, 0); }, 29, 300, 150, 0, 20, -1},
        {"box without margin", [](int a) { return sva_add_box(a, 5, 5, 310, 155, 0); }, 155, 310, 155, 5, 310, -1},
        // label "Ja" 16 wide: 20 + 16 + 10
        {"check box", [](int a) { return sva_add_toggle(a, 20, 100, "Ja", 4096, 0, &state, nullptr); }, 109, 300, 150, 20, 0, 4096},
        {"text editor", [](int a) {
             static char buffer[11] = "x\n";
             return sva_add_text_editor(a, 0, 0, 300, 200, buffer, 10, 0, 0, 0, nullptr);
         }, 204, 304, 204, 0, 300, -1},
    };
    for (const Case& c : cases) {
        int area = sva_create(0, 0, 200, 100, 0, 0);
        ASSERT_GE(area, 0);
        sva_add_box(area, 0, 0, 300, 150, 0);
        int result = c.add(area);
        SvaItem* it = sva_slot(area)->last_item;
        int w = 0, h = 0;
        sva_get_extent(area, &w, &h);
        if (c.result >= 0) {
            EXPECT_EQ(result, c.result) << c.what;
        }
        EXPECT_EQ(w, c.width) << c.what;
        EXPECT_EQ(h, c.height) << c.what;
        EXPECT_EQ(it->x1, c.x1) << c.what;
        EXPECT_EQ(it->x2, c.x2) << c.what;
        if (c.font >= 0) {
            EXPECT_EQ(it->font, c.font) << c.what;
        }
        sva_delete(area);
    }
}

TEST_F(SheetsTest, FieldConstructorsKeepWidthsAndClampASelection)
{
    int area = sva_create(0, 0, 200, 100, 0, 0);
    char buffer[] = "abcdefghij";
    sva_add_text_field(area, 10, 20, buffer, 0x10000 | 4096, 0, nullptr);
    SvaItem* field = sva_slot(area)->last_item;
    EXPECT_EQ(field->number, 10);
    EXPECT_EQ(field->font, 0);
    EXPECT_EQ(field->x2, 1);
    sva_set_last_text_width(area, 4);
    EXPECT_EQ(field->y2, 4);
    sva_set_last_text_width(area, 40);
    EXPECT_EQ(field->y2, 10);   // never beyond the maximum length

    SvaChoiceEntry entries[2] = {{0, "eins"}, {0, "zwei"}};
    int selection = 5;
    sva_add_choice_field(area, 10, 40, entries, 4096, 6, 2, &selection, nullptr);
    EXPECT_EQ(selection, 0);
    EXPECT_EQ(sva_slot(area)->last_item->number, 6 * (RFONT_SPACE + RFONT_WIDTH));
}

TEST_F(SheetsTest, CallbacksOnlyOnTheirTypesAndMarkersCutTheList)
{
    int area = sva_create(0, 0, 200, 100, 0, 0);
    int target = 0, state = 0;
    char buffer[] = "abc";
    sva_add_labelled_value(area, 10, 10, "L", 4096, 0, 0, 0, 1, &target);
    sva_set_last_callback(area, count_change);
    EXPECT_EQ(sva_slot(area)->last_item->change_callback, nullptr);
    sva_add_text_field(area, 10, 30, buffer, 4096, 0, nullptr);
    sva_set_last_callback(area, count_change);
    EXPECT_EQ(sva_slot(area)->last_item->change_callback, nullptr);
    sva_add_toggle(area, 30, 50, nullptr, 4096, 0, &state, nullptr);
    sva_set_last_callback(area, count_change);
    EXPECT_EQ(sva_slot(area)->last_item->change_callback, count_change);

    sva_add_group_marker(area, 7);
    sva_add_text(area, 0, 90, "weg", 4096, 0, 0);
    sva_delete_from_marker(area, 8);
    EXPECT_EQ(item_count(area), 5);
    sva_delete_from_marker(area, 7);
    EXPECT_EQ(item_count(area), 3);
    EXPECT_EQ(sva_slot(area)->last_item->type, SVA_TOGGLE);

    sva_clear(area);
    sva_add_group_marker(area, 1);
    sva_add_text(area, 0, 90, "weg", 4096, 0, 0);
    sva_delete_from_marker(area, 1);
    EXPECT_EQ(sva_slot(area)->first_item, nullptr);
    EXPECT_EQ(sva_slot(area)->last_item, nullptr);
}

TEST_F(SheetsTest, TwentyAreasAtMostAndTheTwentyFirstSaysSo)
{
    for (int i = 0; i < SVA_MAX_AREAS; ++i) ASSERT_EQ(sva_create(10, 10, 100, 100, 0, 0), i);
    testing::internal::CaptureStdout();
    EXPECT_EQ(sva_create(10, 10, 100, 100, 0, 0), -1);
    EXPECT_EQ(sva_reserve(), -1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "maximale Anzahl Scrollable_View_Areas erreicht\n"
                   "maximale Anzahl Scrollable_View_Areas erreicht\n");
    sva_delete(3);
    EXPECT_EQ(sva_reserve(), 3);
    EXPECT_EQ(sva_get_background(3), Nearest_Color_Index(255, 251, 240));
    EXPECT_EQ(sva_get_background(20), -1);
}

TEST_F(SheetsTest, SlidersNarrowThePaneAndReservedAreasAttachLater)
{
    int area = sva_create(10, 20, 210, 220, 1, 1);
    Scrollable_View_Area* s = sva_slot(area);
    EXPECT_EQ(s->x2, 210 - SVA_SLIDER_WIDTH);
    EXPECT_EQ(s->y2, 220 - SVA_SLIDER_WIDTH);

    int reserved = sva_reserve();
    sva_slot(reserved)->frame_flag = 0;
    sva_add_text(reserved, 0, 20, "vorher", 4096, 0, 0);
    EXPECT_EQ(sva_slot(reserved)->active, 0);
    sva_attach(reserved, 0, 0, 100, 100, 0, 1);
    EXPECT_EQ(sva_slot(reserved)->active, 1);
    EXPECT_EQ(sva_slot(reserved)->frame_flag, 0);   // kept through attaching
    EXPECT_EQ(sva_slot(reserved)->x2, 100 - SVA_SLIDER_WIDTH);
    EXPECT_EQ(item_count(reserved), 1);
}

TEST_F(SheetsTest, ShortKeysAreReadOnceFromTheUserSettings)
{
    sva_reset_short_keys();
    setenv("VYK_USER_UseSheetBreakShortKey", "1", 1);
    setenv("VYK_USER_UseSheetOkShortKey", "kein", 1);
    sva_create(0, 0, 10, 10, 0, 0);
    unsetenv("VYK_USER_UseSheetBreakShortKey");
    unsetenv("VYK_USER_UseSheetOkShortKey");
    EXPECT_EQ(sva_short_key_break(), 1);
    EXPECT_EQ(sva_short_key_ok(), 0);
    EXPECT_EQ(sva_any_short_key(), 1);
    setenv("VYK_USER_UseSheetHelpShortKey", "1", 1);
    sva_create(0, 0, 10, 10, 0, 0);
    unsetenv("VYK_USER_UseSheetHelpShortKey");
    EXPECT_EQ(sva_short_key_help(), 0);   // read on the first creation only
    sva_reset_short_keys();
}

TEST_F(SheetsTest, TextCopyAlwaysEndsAndHoldsANewlineForNoText)
{
    char* copy = text_copy_n("abcdef", 3);
    EXPECT_STREQ(copy, "abc");
    EXPECT_EQ(copy[3], '\0');
    free(copy);
    copy = text_copy_n(nullptr, 5);
    EXPECT_STREQ(copy, "\n");
    free(copy);
}

// A text is drawn while its baseline lies within the pane's top and 12 pixels below its bottom
// and it does not start right of the pane; the viewport clips the rest.
TEST_F(SheetsTest, TextVisibilityBoundaries)
{
    struct Case {
        int x, y;
        bool drawn;
    };
    const Case cases[] = {{150, 200 + 12, true}, {150, 200 + 13, false}, {150, 100, true},
                          {150, 99, false},      {300, 150, true},      {301, 150, false}};
    for (const Case& c : cases) EXPECT_EQ(sva_text_visible(c.x, c.y, 100, 100, 300, 200) != 0, c.drawn) << c.x << "," << c.y;
}

TEST_F(SheetsTest, InactiveAreaIsNotDrawnByTheCallback)
{
    int area = sva_create(100, 100, 300, 200, 0, 0);
    sva_add_box(area, 0, 0, 50, 50, BLACK_CI);
    sva_set_activity(area, -1);
    sva_draw_callback(0, 0, 0, 100, 100, 300, 200, sva_slot(area));
    EXPECT_EQ(count_pixels(100, 100, 300, 200, 0x000000u), 0);
    sva_set_activity(area, 1);
    sva_draw_callback(0, 0, 0, 100, 100, 300, 200, sva_slot(area));
    EXPECT_EQ(count_pixels(100, 100, 300, 200, 0x000000u), 51 * 51);
}
