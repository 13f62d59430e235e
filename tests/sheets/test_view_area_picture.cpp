#include "sheets/sheet_images.h"
#include "sheets_fixture.h"

#include <QImage>

#include <cstdlib>
#include <string>

namespace {

struct Row {
    double length;
    double width;
};

void row_items(int, int area, int left, int top, void* data)
{
    auto* r = static_cast<Row*>(data);
    sva_add_float_field(area, left + 80, top + 15, &r->length, "%8.2f", 4096, BLACK_CI, nullptr);
    sva_add_float_field(area, left + 180, top + 15, &r->width, "%8.2f", 4096, BLACK_CI, nullptr);
}

void cross(int x1, int y1, int x2, int y2, void*)
{
    pxFgc(Nearest_RGB_Color(200, 0, 0));
    pxLine(x1, y1, x2, y2);
    pxLine(x1, y2, x2, y1);
}

const unsigned char kPictureBits[] = {0xFF, 0x81, 0xBD, 0xA5, 0xA5, 0xBD, 0x81, 0xFF};
const SvaPicture kPicture = {8, 8, 2, kPictureBits};

} // namespace

// Every item type and a table editor in one pane, saved as a picture to look at.
TEST_F(SheetsTest, OnePaneShowsEveryItemTypeAndATable)
{
    // For a person to look at, real letters; the checks hold in either metric.
    const char* dir = std::getenv("TAVO_PICTURE_DIR");
    if (dir) screen_set_metrics(SCREEN_METRICS_QT);
    static int on = 1, off = 0, inactive = 0, radio = 2, label = 4, click = 0, choice = 1, image = 0, result = 0;
    static double value = 3.25;
    static char text[] = "Textfeld";
    static SvaChoiceEntry entries[3] = {{BLACK_CI, "Nadelholz"}, {Nearest_RGB_Color(0, 0, 160), "Laubholz"},
                                        {BLACK_CI, "BSH"}};
    char* editor = text_copy_n("Mehrzeiliger Text, der am Wortende umbrochen wird.\nZweite Zeile\n", 200);

    int area = sva_create(40, 40, 760, 640, 1, 1);
    sva_add_text(area, 20, 25, "Text", 4096, BLACK_CI, 0);
    sva_add_text(area, 90, 25, "fett", 0x10000 | 4096, BLACK_CI, 0);
    sva_add_text(area, 150, 25, "Schatten", 0x20000 | 4096, Nearest_RGB_Color(0, 0, 200), 0);
    sva_add_text(area, 330, 25, "rechtsbuendig", 4096, BLACK_CI, 1);
    sva_add_line(area, 20, 35, 330, 35, BLACK_CI);
    sva_add_line(area, 600, 700, 900, 700, BLACK_CI);   // wider and taller than the pane: sliders on
    sva_add_bitmap(area, "bild.bmp", 350, 10, 420, 60, WHITE_CI);
    sva_add_graphics(area, 440, 10, 490, 60, nullptr, cross);
    sva_add_picture(area, 510, 20, &kPicture, Nearest_RGB_Color(0, 128, 0));
    sva_add_rotated_text(area, 690, 90, "gedreht", 4096, BLACK_CI, 90);
    sva_add_toggle(area, 40, 60, "an", 4096, BLACK_CI, &on, nullptr);
    sva_add_toggle(area, 110, 60, "aus", 4096, BLACK_CI, &off, nullptr);
    sva_add_toggle(area, 180, 60, "inaktiv", 4096, BLACK_CI, &on, &inactive);
    sva_add_radio(area, 40, 85, "eins", 4096, BLACK_CI, 1, &radio, nullptr);
    sva_add_radio(area, 120, 85, "zwei", 4096, BLACK_CI, 2, &radio, nullptr);
    sva_add_labelled_value(area, 200, 85, "gewaehlt", 4096, BLACK_CI, 0, Nearest_RGB_Color(255, 230, 120), 4, &label);
    sva_add_float_field(area, 30, 120, &value, "%8.2f", 4096, BLACK_CI, nullptr);
    sva_add_box(area, 130, 105, 170, 125, Nearest_RGB_Color(120, 180, 220));
    sva_add_icon_button(area, 130, 105, 170, 125, 1, &click);
    sva_add_group_marker(area, 1);
    sva_add_icon(area, &tree_image_delete(), 190, 105, 210, 125, BLACK_CI);
    sva_add_text_field(area, 240, 120, text, 4096, BLACK_CI, nullptr);
    sva_add_choice_field(area, 360, 120, entries, 4096, 10, 3, &choice, nullptr);
    sva_add_list_field(area, 520, 100, "muster.bmp", 40, 20, 4, 0, &image, nullptr);
    sva_add_image_button(area, 600, 100, 60, 24, "knopf.bmp", 0, WHITE_CI, 18, "Knopf", 1, &result, nullptr);
    sva_add_text_editor(area, 20, 150, 300, 230, editor, 200, BLACK_CI, WHITE_CI, 1, nullptr);

    int table = table_create(area, 270, 20, 330, 24, sizeof(Row), row_items);
    table_set_option(table, TABLE_DELETE_ICON, 5, 4);
    table_set_option(table, TABLE_DUPLICATE_ICON, 25, 4);
    table_set_option(table, TABLE_APPEND_ROW, 5, 4);
    table_set_option(table, TABLE_ROW_NUMBERS, 70, 15);
    table_add_column(table, 120, 255, 0, 3, "%8.2f", 0);
    table_add_column(table, 220, 255, 0, 3, "%8.2f", 8);
    Row template_row{1.0, 0.5};
    table_set_template_row(table, &template_row);
    for (double l : {2.5, 1.25, 4.0}) {
        Row r{l, l / 2};
        table_append_row(table, &r);
    }
    table_draw(table);
    sva_update(area);
    Activate_Prop_Sheet();   // the sheet draws its sliders and calls the pane back

    // The table's second row box and the pane background are where they belong.
    EXPECT_EQ(screen_pixel(40 + 320, 40 + 270 + 24 + 20), 0xE8E8E8u);
    EXPECT_EQ(screen_pixel(40 + 700, 40 + 500), 0xFFFBF0u);
    std::string path = std::string(dir ? dir : testing::TempDir().c_str()) + "/sheets_view_area.png";
    EXPECT_EQ(screen_save_png(path.c_str(), 0, 0, 800, 680), 1);
    std::free(editor);
    screen_set_metrics(SCREEN_METRICS_CELL);
}
