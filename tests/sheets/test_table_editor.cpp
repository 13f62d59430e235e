#include "sheets_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Row {
    double a;
    double b;
};

void no_items(int, int, int, int, void*) {}

std::vector<double> column_a(int table)
{
    std::vector<double> v;
    for (void* d = table_first_row(table); d; d = table_next_row(table)) v.push_back(static_cast<Row*>(d)->a);
    return v;
}

int make_table(std::initializer_list<double> values, int* area_out = nullptr)
{
    int area = sva_create(100, 100, 600, 500, 0, 0);
    int t = table_create(area, 40, 10, 400, 20, sizeof(Row), no_items);
    for (double v : values) {
        Row r{v, -v};
        table_append_row(t, &r);
    }
    if (area_out) *area_out = area;
    return t;
}

// Items of an area that store a click into the int.
int clicks_into(int area, const int* target)
{
    int n = 0;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
        if (it->type == SVA_ICON_BUTTON && it->link3 == target) ++n;
    return n;
}

// Rows 3, 1, 2 with one sortable and fillable column whose button is at content (120, 30), on
// the screen at (220, 130).
int column_table()
{
    int area;
    int t = make_table({3, 1, 2}, &area);
    table_add_column(t, 120, 30, 0, 3, "%6.2f", 0);
    table_draw(t);
    sva_update(area);
    return t;
}

} // namespace

TEST_F(SheetsTest, DeletingTheOnlyRowLeavesAnEmptyList)
{
    int t = make_table({5});
    EditTable* e = table_slot(t);
    EXPECT_EQ(table_delete_row(e, e->first_row), 2);
    EXPECT_EQ(e->first_row, nullptr);
    EXPECT_EQ(e->last_row, nullptr);
    EXPECT_EQ(table_row_count(t), 0);
    EXPECT_EQ(table_first_row(t), nullptr);
}

TEST_F(SheetsTest, ClickOnADeleteOrDuplicateIconChangesThoseRows)
{
    int area;
    int t = make_table({1, 2, 3}, &area);
    table_set_option(t, TABLE_DELETE_ICON, 5, 2);
    table_set_option(t, TABLE_DUPLICATE_ICON, 25, 2);
    table_draw(t);
    sva_update(area);
    // Second row's delete icon: rows start at content y 40, 20 high; the pane at (100, 100).
    input_script_click(100 + 10 + 5 + 7, 100 + 60 + 2 + 8);
    EXPECT_EQ(table_edit(t), 2);
    EXPECT_EQ(column_a(t), (std::vector<double>{1, 3}));

    sva_clear(area);
    table_draw(t);
    input_script_click(100 + 10 + 25 + 9, 100 + 40 + 2 + 8);   // first row's duplicate icon
    EXPECT_EQ(table_edit(t), 2);
    EXPECT_EQ(column_a(t), (std::vector<double>{1, 1, 3}));

    input_script_click(590, 490);   // beside the table
    EXPECT_EQ(table_edit(t), 0);
}

TEST_F(SheetsTest, RowLimitHidesTheAppendRowAndTheDuplicateClicks)
{
    int area;
    int t = make_table({1, 2, 3, 4}, &area);
    Row blank{0, 0};
    table_set_template_row(t, &blank);
    table_set_option(t, TABLE_DUPLICATE_ICON, 25, 2);
    table_set_option(t, TABLE_APPEND_ROW, 5, 2);
    table_set_row_limit(t, 5);
    EditTable* e = table_slot(t);
    table_draw(t);
    EXPECT_EQ(clicks_into(area, &e->append_requested), 1);
    EXPECT_EQ(clicks_into(area, &e->clicked_duplicate), 4);

    table_append_row(t, &blank);
    sva_clear(area);
    table_draw(t);
    EXPECT_EQ(clicks_into(area, &e->append_requested), 0);
    EXPECT_EQ(clicks_into(area, &e->clicked_duplicate), 0);
}

TEST_F(SheetsTest, AppendWithoutATemplateIsIgnored)
{
    int t = make_table({1});
    EditTable* e = table_slot(t);
    e->append_requested = 1;
    EXPECT_EQ(table_append_template(e), 1);
    EXPECT_EQ(table_row_count(t), 1);
    EXPECT_EQ(e->append_requested, 0);

    Row r{9, 9};
    table_set_template_row(t, &r);
    EXPECT_EQ(table_append_template(e), 2);
    EXPECT_EQ(column_a(t), (std::vector<double>{1, 9}));
}

TEST_F(SheetsTest, SortingMovesTheRowsData)
{
    int t = make_table({3, 1, 2});
    table_add_column(t, 50, 30, 0, 3, nullptr, 0);
    EditTable* e = table_slot(t);
    EXPECT_STREQ(e->first_column->format, "%14.8f");
    table_set_current(e, e->first_column);
    table_sort_column_asc();
    EXPECT_EQ(column_a(t), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(static_cast<Row*>(table_first_row(t))->b, -1);   // whole rows move
    table_sort_column_desc();
    EXPECT_EQ(column_a(t), (std::vector<double>{3, 2, 1}));
    table_set_current(nullptr, nullptr);
}

TEST_F(SheetsTest, FillingAColumnOrARangeOfRows)
{
    // Raising the first row number above the last raises the last, and the other way round.
    double first = 3, last = 1;
    table_fill_order_range(4, &first, &last);
    EXPECT_EQ(last, 3);
    first = 3, last = 1;
    table_fill_order_range(5, &first, &last);
    EXPECT_EQ(first, 1);

    int t = make_table({0, 0, 0, 0});
    table_add_column(t, 50, 30, 0, 2, "%5.1f", 0);
    EditTable* e = table_slot(t);
    table_fill_column(e, e->first_column, 1, 0, 0, 1.0, 0.5);
    EXPECT_EQ(column_a(t), (std::vector<double>{1.0, 1.5, 2.0, 2.5}));
    table_fill_column(e, e->first_column, 0, 2, 3, 10.0, 1.0);
    EXPECT_EQ(column_a(t), (std::vector<double>{1.0, 10.0, 11.0, 2.5}));
    table_fill_column(e, e->first_column, 0, 5, 9, 7.0, 1.0);   // fewer rows than the first number
    EXPECT_EQ(column_a(t), (std::vector<double>{1.0, 10.0, 11.0, 2.5}));
}

TEST_F(SheetsTest, FiftyFiveTablesAtMost)
{
    int area = sva_create(0, 0, 100, 100, 0, 0);
    for (int i = 0; i < TABLE_MAX_SLOTS; ++i) ASSERT_EQ(table_create(area, 0, 0, 10, 20, 8, no_items), i);
    EXPECT_EQ(table_create(area, 0, 0, 10, 20, 8, no_items), -1);
    table_free_owner(area);
    EXPECT_EQ(table_create(area, 0, 0, 10, 20, 8, no_items), 0);
}

TEST_F(SheetsTest, MovingATableMovesItsColumnButtons)
{
    int t = make_table({});
    table_add_column(t, 50, 30, 0, 1, nullptr, 8);
    table_move(t, 60, 30);
    EditTable* e = table_slot(t);
    EXPECT_EQ(e->right, 420);
    EXPECT_EQ(e->first_column->x, 70);
    EXPECT_EQ(e->first_column->y, 50);
}

TEST_F(SheetsTest, ColumnMenuSortsTheColumn)
{
    int t = column_table();
    input_script_click(220, 130);
    input_script_key(KEY_ENTER);   // "Spalte sortieren"
    input_script_key(KEY_ENTER);   // "aufsteigend"
    EXPECT_EQ(table_edit(t), 1);
    EXPECT_EQ(column_a(t), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(table_current(), nullptr);
    EXPECT_EQ(table_slot(t)->clicked_column, nullptr);
}

TEST_F(SheetsTest, FillSheetConfirmedFillsTheWholeColumn)
{
    int t = column_table();
    input_script_click(220, 130);
    input_script_key(KEY_DOWN);
    input_script_key(KEY_ENTER);   // "Spalte belegen"
    input_script_key(KEY_ENTER);   // the fill sheet's OK: start 1, increment 0, whole column
    EXPECT_EQ(table_edit(t), 1);
    EXPECT_EQ(column_a(t), (std::vector<double>{1, 1, 1}));

    input_script_click(220, 130);
    input_script_key(KEY_DOWN);
    input_script_key(KEY_ENTER);
    input_script_key(KEY_ESC);     // cancelled: nothing changes
    Row* first = static_cast<Row*>(table_first_row(t));
    first->a = 5;
    EXPECT_EQ(table_edit(t), 1);
    EXPECT_EQ(column_a(t), (std::vector<double>{5, 1, 1}));
    EXPECT_EQ(prop_sheet_depth(), 1);
}

namespace {

void field_of_a(int, int area, int left, int top, void* data)
{
    sva_add_float_field(area, left + 80, top + 15, &static_cast<Row*>(data)->a, "%6.2f", 4096, BLACK_CI, nullptr);
}

} // namespace

// Up in the last row's field ends the area's field chain; the table then handles the click
// again one row higher, so that the row above is edited next. The keys typed meanwhile wait for
// that field: no button release is needed in between.
TEST_F(SheetsTest, UpInARowFieldMovesToTheRowAbove)
{
    int area = sva_create(100, 100, 600, 500, 0, 0);
    int t = table_create(area, 40, 10, 400, 20, sizeof(Row), field_of_a);
    for (double v : {1.0, 2.0, 3.0}) {
        Row r{v, 0};
        table_append_row(t, &r);
    }
    table_draw(t);
    sva_update(area);
    // Row k's field is at content (90, 55 + 20 k), on the screen (190, 155 + 20 k).
    input_script_click(200, 195);
    input_script_type("7");
    input_script_key(KEY_UP);
    input_script_type("5");
    input_script_key(KEY_ENTER);      // goes on to the next field of the area: the last row's
    input_script_key(KEY_ESC);
    EXPECT_EQ(table_edit(t), 1);
    EXPECT_EQ(column_a(t), (std::vector<double>{1, 5, 7}));
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, 0);
    EXPECT_EQ(input_script_pending(), 0);
}

namespace {
// The fill sheet's corner: its 326 x 238 pixels around the screen's centre.
int fill_x0() { return NPIXEL_X / 2 - 163; }
int fill_y0() { return NPIXEL_Y / 2 - 119; }
SheetsTest::Box g_apply_label, g_last_label;
unsigned g_radio_corner = 0, g_radio_middle = 0, g_face = 0;
void save_fill_sheet()
{
    const int x0 = fill_x0(), y0 = fill_y0();
    g_face = screen_pixel(x0 + 60, y0 + 200);
    // Ink left of the first alternative (x0 + 110) on the row of "anwenden auf", and left of the
    // last row's field (x0 + 237) on the row of "letzte Zeile".
    auto ink = [](int x1, int y1, int x2, int y2) {
        SheetsTest::Box b;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (screen_pixel(x, y) == 0x000000u) {
                    b.x1 = std::min(b.x1, x);
                    b.x2 = std::max(b.x2, x);
                }
        return b;
    };
    g_apply_label = ink(x0 + 8, y0 + 48, x0 + 109, y0 + 62);
    g_last_label = ink(x0 + 160, y0 + 92, x0 + 236, y0 + 106);
    g_radio_corner = screen_pixel(x0 + 110, y0 + 50);
    g_radio_middle = screen_pixel(x0 + 115, y0 + 55);
    if (const char* dir = std::getenv("TAVO_PICTURE_DIR"))
        screen_save_png((std::string(dir) + "/fill_sheet.png").c_str(), NPIXEL_X / 2 - 170, NPIXEL_Y / 2 - 125,
                        NPIXEL_X / 2 + 170, NPIXEL_Y / 2 + 125);
    Set_CallSometimesFunc_to_PS(nullptr);
}
} // namespace

// The fill sheet as the program's fonts show it: its labels end before their controls, the
// alternatives are round (the corner of their square shows the sheet), the chosen one has its dot.
TEST_F(SheetsTest, FillSheetPicture)
{
    if (std::getenv("TAVO_PICTURE_DIR")) screen_set_metrics(SCREEN_METRICS_QT);
    int t = column_table();
    table_set_current(table_slot(t), table_slot(t)->first_column);
    Set_CallSometimesFunc_to_PS(save_fill_sheet);
    input_script_key(KEY_ESC);
    EXPECT_EQ(table_fill_column_sheet(), 0);
    table_set_current(nullptr, nullptr);
    screen_set_metrics(SCREEN_METRICS_CELL);
    EXPECT_GT(g_apply_label.x2, fill_x0() + 60);   // the label is there
    EXPECT_LT(g_apply_label.x2, fill_x0() + 110 - 3);
    EXPECT_GT(g_last_label.x2, fill_x0() + 200);
    EXPECT_LT(g_last_label.x2, fill_x0() + 237 - 3);
    EXPECT_EQ(g_radio_corner, g_face);
    EXPECT_EQ(g_radio_middle, 0x000000u);
}
