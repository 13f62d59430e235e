// Labels, scaled and integer fields and their registries, and the picture transform of forms.
#include <cmath>
#include <cstring>
#include <vector>

#include "sheets/form_fields.h"
#include "sheets/form_picture.h"
#include "sheets/form_state.h"
#include "sheets_fixture.h"

namespace {

class FormTest : public SheetsTest {
public:
    int area = -1;
    void SetUp() override
    {
        SheetsTest::SetUp();
        area = sva_create(100, 100, 500, 400, 0, 0);
        form_select_sheet(area);
        form_set_picture_transform(0, 0, 0, 1);
        form_set_line_style(1);
    }
    void TearDown() override
    {
        while (form_level_depth() > 0) form_level_pop();
        form_select_sheet(-1);
        SheetsTest::TearDown();
    }
    // The last item added to the form's area.
    SvaItem* last_item() { return sva_slot(area)->last_item; }
};

// In cell metrics every character is 7 pixels plus 1 of space.
int cells(const char* text) { return text_pixel_width(text, static_cast<int>(std::strlen(text))); }

TEST_F(FormTest, CodedTextsMeasureOnlyTheirShownParts)
{
    struct Case {
        const char* text;
        const char* shown;
    } cases[] = {
        {"a\xCE" "C12 red\xCE" "xb", "aredb"},   // the colour number and the closing pair are skipped
        {"a\xCE" "C12 red\xCE" "x", "ared"},     // one character after the closing code: not measured
        {"a\xCE" "B" "x\xCE" "yzz", "azz"},      // a one-character B text is not measured
        {"\xCE" "bbold\xCE" "yq", "boldq"},
        {"plain", "plain"},
    };
    for (const Case& c : cases) EXPECT_EQ(coded_text_width(c.text), cells(c.shown)) << c.shown;
}

TEST_F(FormTest, LabelWidthsAndEmptyLabels)
{
    int on = 1;
    int w = cells("abc");
    EXPECT_EQ(form_label(10, 20, "abc", &on), w + 3);
    EXPECT_EQ(form_label(10, 20, "", &on), 0);
    EXPECT_EQ(last_item()->type, SVA_TEXT);   // the empty label still becomes an item
    EXPECT_EQ(form_label_emphasised(10, 20, "abc", &on), w + 5);
    EXPECT_EQ(form_label_emphasised(10, 20, "", &on), 2);
    form_set_font_flags(FORM_FONT_NORMAL | FORM_BOLD);
    EXPECT_EQ(form_label(10, 20, "", &on), 2);
    form_select_sheet(area);
    EXPECT_EQ(form_get_font_flags(), FORM_FONT_NORMAL);
    EXPECT_EQ(form_get_text_colour(), Nearest_Color_Index(0, 0, 0));
    EXPECT_EQ(form_get_background(), Nearest_Color_Index(255, 255, 255));
}

TEST_F(FormTest, InactiveLabelsAreGreyAndNoFormDrawsNothing)
{
    int off = 0;
    form_label(10, 20, "abc", &off);
    EXPECT_EQ(last_item()->colour, Nearest_RGB_Color(198, 195, 198));
    SvaItem* before = last_item();
    form_select_sheet(-1);
    EXPECT_EQ(form_text(10, 20, "abc", nullptr), 0);
    EXPECT_EQ(form_label_aligned(10, 20, "abc", 0, 1, &off), 0);
    EXPECT_EQ(last_item(), before);
}

TEST_F(FormTest, AlignedLabelsShiftByTheirWidth)
{
    int on = 1;
    // "a" measures 8, so W = 11: alignment 4 moves left by 6 (5.5 away from zero), 1 by 11;
    // vertical code 0 moves down by 9, 4 by 5.
    struct Case {
        int alignment, vertical, x, y;
    } cases[] = {{4, 0, 94, 29}, {1, 4, 89, 25}, {0, 2, 100, 20}};
    for (const Case& c : cases) {
        EXPECT_EQ(form_label_aligned(100, 20, "a", c.vertical, c.alignment, &on), 11);
        EXPECT_EQ(last_item()->x1, c.x) << c.alignment;
        EXPECT_EQ(last_item()->y1, c.y) << c.alignment;
    }
}

// A centred label stands in the middle of its area's content, whether the area is registered
// for a sheet (corners in sheet pixels) or not.
TEST_F(FormTest, CentredLabelsStandInTheMiddleOfTheirArea)
{
    // "abc" measures 24, so W = 27 and the text starts 14 left of the middle.
    EXPECT_EQ(form_label_centred(40, "abc", nullptr), 27);
    EXPECT_EQ(last_item()->x1, 200 - 14);   // the area is 400 wide
    int dx = 0, dy = 0;
    form_register_area(-1, area, 100, 100, 500, 400, &dx, &dy);
    form_select_sheet(area);
    form_caption_centred(60, "abc", nullptr);
    EXPECT_EQ(last_item()->x1, 200 - 14);
    form_unregister_area();
}

// Ten more fields than the registry once held: every one is shown scaled and scaled back.
TEST_F(FormTest, ScaledFieldsShowTheirDisplayUnitAndScaleBackOnClose)
{
    constexpr int N = 110;
    for (bool confirm : {true, false}) {
        std::vector<double> values(N, 2.5);
        int editable = 1;
        ASSERT_EQ(form_level_push(nullptr, 0), 1);
        for (int pass = 0; pass < 2; ++pass) {   // a redraw must not scale a second time
            sva_clear(area);
            form_select_sheet(area);
            for (int i = 0; i < N; ++i)
                EXPECT_EQ(form_float_field(20, 30 + 20 * i, &values[i], 1000, 6, 1, &editable), 6 * 8 + 15);
        }
        EXPECT_EQ(values[0], 2500.0);
        EXPECT_EQ(values[N - 1], 2500.0);
        EXPECT_EQ(form_float_entry_count(), N);
        sva_update(area);
        input_script_click(135, 100 + 30 - 3);   // into the first field
        input_script_type("\b\b\b\b\b\b3000");
        input_script_key(KEY_ENTER);
        sva_edit(area);
        input_script_clear();
        EXPECT_EQ(values[0], 3000.0);
        if (confirm) {
            EXPECT_EQ(form_transfer_values(1), 0);
        }
        form_level_pop();
        EXPECT_EQ(values[0], 3.0) << confirm;
        for (int i = 1; i < N; ++i) ASSERT_EQ(values[i], 2.5) << i;
        EXPECT_EQ(form_float_entry_count(), 0);
        sva_clear(area);
    }
}

TEST_F(FormTest, IntegerFieldsRoundHalfAwayFromZero)
{
    int editable = 1;
    for (double typed : {4.5, -4.5, 4.4}) {
        int value = 3;
        form_level_push(nullptr, 0);
        EXPECT_EQ(form_int_field(20, 30, &value, 5, &editable), 55);
        EXPECT_EQ(form_get_int_field(&value), 3);
        last_item()->value[0] = typed;   // what the view area stores when the user types
        form_transfer_values(1);
        form_level_pop();
        EXPECT_EQ(value, typed == 4.4 ? 4 : typed > 0 ? 5 : -5) << typed;
        EXPECT_EQ(form_get_int_field(&value), FORM_NOT_REGISTERED);
    }
}

int refusing_check(int) { return 7; }

TEST_F(FormTest, PageChecksRefuseAndLevelsStopAtTheLimit)
{
    FormLevelPage pages[2] = {{nullptr, -1}, {refusing_check, 3}};
    EXPECT_EQ(form_level_push(pages, 2), 1);
    EXPECT_EQ(form_transfer_values(1), 7);
    for (int level = 2; level <= FORM_MAX_LEVELS; ++level) EXPECT_EQ(form_level_push(nullptr, 0), level);
    testing::internal::CaptureStderr();
    EXPECT_EQ(form_level_push(nullptr, 0), -1);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(form_level_depth(), FORM_MAX_LEVELS);
}

TEST_F(FormTest, LimitedFieldsClampAndHintOnce)
{
    int editable = 1;
    double value = 10.04;   // 10.04 - 10 rounds to 0.0 at one decimal: no hint
    form_float_field_limited(20, 30, &value, 1, 6, 1, 1, 10, "Breite", &editable);
    EXPECT_EQ(value, 10.0);
    double limited = 3000;
    EXPECT_EQ(form_add_limited_float(20, 50, &limited, &editable), 79);
    form_clamp_float(reinterpret_cast<intptr_t>(&limited));
    EXPECT_EQ(limited, 2200.0);
}

TEST_F(FormTest, ChoiceListWidthFollowsTheWidestEntry)
{
    // Entries of 4 and 6 characters measure 32 and 48 (35 and 51 with the margin): g = 6.
    char entries[2][8] = {"abcd", "abcdef"};
    int selection = 1, editable = 1;
    EXPECT_EQ(form_choice_list(20, 30, entries[0], nullptr, 8, 2, &selection, &editable), 6 * 8 + 33);
    EXPECT_EQ(form_choice_list(20, 30, entries[0], nullptr, 1, 2, &selection, &editable), 0);
}

TEST_F(FormTest, PictureTransformMapsWorldToPixelsAndBack)
{
    struct Case {
        double x0, y0, angle, scale, wx, wy, px, py;
    } cases[] = {
        {10, 20, 0, 2, 5, 5, 0, -10},        // 2*5-10, 2*5-20
        {0, 0, M_PI / 2, 1, 1, 0, 0, -1},    // cos 90 * 1 = 0, -sin 90 * 1 = -1
    };
    for (const Case& c : cases) {
        form_set_picture_transform(c.x0, c.y0, c.angle, c.scale);
        double x = c.wx, y = c.wy;
        form_world_to_pixel(&x, &y);
        EXPECT_NEAR(x, c.px, 1e-12);
        EXPECT_NEAR(y, c.py, 1e-12);
        form_pixel_to_world(&x, &y);
        EXPECT_NEAR(x, c.wx, 1e-12);
        EXPECT_NEAR(y, c.wy, 1e-12);
    }
}

int count_items(int area, int type)
{
    int n = 0;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next) n += it->type == type;
    return n;
}

TEST_F(FormTest, LineStyleSuppressesThinLinesOnly)
{
    form_draw_arc(0, 0, 50, 0, 0.2);   // points at 0, 5 and 10 degrees
    EXPECT_EQ(count_items(area, SVA_LINE), 2);
    form_draw_circle(0, 0, 50);
    EXPECT_EQ(count_items(area, SVA_LINE), 2 + 72);
    form_set_line_style(0);
    form_draw_rectangle(0, 0, 10, 10);
    form_draw_circle(0, 0, 50);
    form_fill_box(0, 0, 10, 10);
    form_draw_dimension_line(2, 0, 0, 100, 0, 20);
    EXPECT_EQ(count_items(area, SVA_LINE), 2 + 72 + 3);
    EXPECT_EQ(count_items(area, SVA_BOX), 1);
}

TEST_F(FormTest, DimensionLineOfAHorizontalSpan)
{
    form_draw_dimension_line(2, 10, 50, 110, 50, 20);
    std::vector<SvaItem*> lines;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next) lines.push_back(it);
    ASSERT_EQ(lines.size(), 3u);
    // Extended by 5 pixels past each end; extension lines from 5 above to 20 below.
    int expect[3][4] = {{5, 50, 115, 50}, {10, 45, 10, 70}, {110, 45, 110, 70}};
    for (int i = 0; i < 3; ++i) {
        int got[4] = {lines[i]->x1, lines[i]->y1, lines[i]->x2, lines[i]->y2};
        for (int k = 0; k < 4; ++k) EXPECT_EQ(got[k], expect[i][k]) << i << k;
    }
}

}  // namespace

// A selection on a disabled entry moves up to the nearest enabled one, never past entry 0; the
// grade choices label the list and put it 75 pixels to the right.
TEST_F(FormTest, ChoiceListEnabledSkipsDisabledEntries)
{
    char names[5][8] = {"B15", "-----", "C20", "-----", "-----"};
    const int flags[5] = {0, FORM_CHOICE_DISABLED, 0, FORM_CHOICE_DISABLED, FORM_CHOICE_DISABLED};
    const GradeChoiceSource source{5, 8, names[0], nullptr, flags};
    const GradeChoiceSource first_disabled{2, 8, names[1], nullptr, flags + 1};
    int editable = 1;
    struct Case {
        const GradeChoiceSource* source;
        int selection, expected;
    } cases[] = {{&source, 4, 2}, {&source, 1, 0}, {&source, 2, 2}, {&first_disabled, 0, 0}};
    for (const Case& c : cases) {
        int selection = c.selection;
        EXPECT_EQ(form_choice_list_enabled(20, 30, c.source, &selection, &editable), 5 * 8 + 33);
        EXPECT_EQ(selection, c.expected) << c.selection;
    }
    int selection = 3;
    EXPECT_EQ(form_steel_grade_choice(0, 20, 60, 0, &source, &selection), 0);
    EXPECT_EQ(selection, 2);
    const SvaItem* last = sva_slot(form_current_sheet())->last_item;
    EXPECT_EQ(last->type, SVA_CHOICE_FIELD);
    EXPECT_EQ(last->x1, 20 + 75 + 7);
}
