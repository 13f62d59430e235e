// The error list shown as a table sheet, the table colours, and pictures filling the screen.
#include "common/test_util.h"
#include "helpers/list_sheets.h"
#include "helpers/prefixed_files.h"
#include "platform/screen/screen_fixture.h"
#include "platform/viewer/oli_table_sheet.h"

#include <string>

namespace {

QImage shown;
void grab_sheet() { shown = screen_image().copy(); }

class ListSheets : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        set_file_prefix((dir.path() + "/POS1").c_str());
        shown = QImage();
        Set_CallSometimesFunc_to_PS(grab_sheet);
    }
    void TearDown() override
    {
        Set_CallSometimesFunc_to_PS(nullptr);
        set_file_prefix(nullptr);
        ScreenTest::TearDown();
    }
    testutil::ScratchDir dir;
};

} // namespace

// Three messages become three rows of the sheet "Fehlermeldungen", which covers the screen but
// for 5 pixels at the top left; its faces take the light grey of the table colours.
TEST_F(ListSheets, ErrorListShowsItsRowsInTheSheet)
{
    FILE* list = error_list_open(".ERR");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(error_list_line(list, 7, "Auflagerl\x84nge fehlt"), 7);
    error_list_line(list, 0, "Kein Material gew\x84hlt");
    error_list_line(list, 0, "Schraube zu kurz");
    EXPECT_EQ(error_list_show(list), 1);
    std::fclose(list);
    EXPECT_EQ(testutil::read_file(dir.path() + "/POS1.ERR"),
              "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Auflagerl\x84nge fehlt\n Kein Material gew\x84hlt\n Schraube zu kurz\n"
              "#END_OF_TEXT\n");
    EXPECT_EQ(prop_sheet_depth(), 0);
    ASSERT_FALSE(shown.isNull());
    shown.save(QString::fromStdString(testing::TempDir() + "/error_list_sheet.png"));

    auto rgb = [&](int x, int y) { return shown.pixel(x, y) & 0xFFFFFFu; };
    EXPECT_EQ(rgb(5, 5), 0u);                                  // the sheet's frame
    EXPECT_EQ(rgb(4, 4), 0xFFFFFFu);
    EXPECT_EQ(rgb(NPIXEL_X - 12, NPIXEL_Y - 12), 0u);
    // Rows of 21 pixels from the pane's top at y = 5 + 33 + 5; text in each, none in a fourth.
    const int x1 = 10, y1 = 43, row = 21;
    for (int r = 0; r < 4; ++r) {
        int ink = 0;
        for (int x = x1; x < x1 + 150; ++x)
            for (int y = y1 + r * row; y < y1 + (r + 1) * row - 1; ++y) ink += rgb(x, y) == 0;
        if (r < 3) EXPECT_GT(ink, 20) << r;
        else EXPECT_EQ(ink, 0);
        EXPECT_EQ(rgb(x1 + 400, y1 + r * row + 2), 0xF0F0F0u) << r;   // the light grey face
    }
    int colours[OLI_TABLE_COLOURS];
    getOLITableColours(colours);
    EXPECT_EQ(colours[OLI_TABLE_BODY_FACE], Nearest_RGB_Color(240, 240, 240));
    EXPECT_EQ(colours[OLI_TABLE_FRAME], BUTTON_CI);
}

// A list whose table is damaged is refused: no sheet, no crash.
TEST_F(ListSheets, DamagedErrorListShowsNoSheet)
{
    FILE* list = open_prefixed_file(".ERR", "w+");
    ASSERT_NE(list, nullptr);
    std::fputs("#SHOWTABLE\n0 0\n Zeile\n", list);
    EXPECT_EQ(error_list_show(list), 0);
    std::fclose(list);
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(error_list_show(nullptr), 0);
}

// The picture of the picture folder fills the place below the title row; without it the plot
// file of that name is drawn as a placeholder. The name stands in grey at the bottom right.
TEST_F(ListSheets, PictureFileOrItsPlotPlaceholder)
{
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    ASSERT_TRUE(red.save(QString::fromStdString(dir.file("PLAN.BMP")), "BMP"));
    set_picture_folder(dir.path().c_str());
    show_picture_file("PLAN", 1.0, 0.0);
    EXPECT_EQ(screen_pixel(5, 40), 0xFF0000u);
    EXPECT_EQ(screen_pixel(NPIXEL_X - 6, NPIXEL_Y - 6), 0xFF0000u);
    EXPECT_EQ(screen_pixel(4, 40), 0xFFFFFFu);
    EXPECT_EQ(bounds(NPIXEL_X - 71, NPIXEL_Y - 25, NPIXEL_X - 1, NPIXEL_Y - 1).x1, NPIXEL_X - 71);

    screen_reset();
    show_picture_file("SCHNITT", 1.0, 0.0);
    EXPECT_EQ(screen_pixel(5, 40), 0x808080u);                          // the placeholder's frame
    EXPECT_EQ(screen_pixel(NPIXEL_X - 6, 41), 0x808080u);
    EXPECT_EQ(screen_pixel(30, 41), 0xF4F4F4u);
    EXPECT_EQ(screen_pixel(6, 41) == 0x808080u, true);                  // its cross
    set_picture_folder(nullptr);
    screen_save_png((testing::TempDir() + "/picture_placeholder.png").c_str(), -1, 0, -2, 0);
}
