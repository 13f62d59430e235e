// Tables read back from output-list files and shown in a sheet; plot files as placeholders.
#include "platform/viewer/oli_table_sheet.h"
#include "platform/viewer/rpc_picture.h"
#include "platform/screen/screen_fixture.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

FILE* bytes_file(const std::string& bytes)
{
    FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    return f;
}

OLITable* table_of(const std::string& bytes)
{
    FILE* f = bytes_file(bytes);
    OLITable* t = readOLITableFromFILE(f);
    std::fclose(f);
    return t;
}

std::vector<std::string> lines_of(const OLITable* t)
{
    std::vector<std::string> v;
    for (int i = 0; i < OLITable_line_count(t); ++i) v.push_back(OLITable_line(t, i));
    return v;
}

// The screen as the sheet shows it, taken while the sheet waits for the user.
QImage shown;
void grab_sheet() { shown = screen_image().copy(); }

} // namespace

TEST(OLITableRead, RowsOfAnErrorListWithCodesRemoved)
{
    OLITable* t = table_of("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Auflager fehlt\n \xCE" "bDer Nachweis\xCEr gef\x81hrt\n"
                           "#END_OF_TEXT\n");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(lines_of(t), (std::vector<std::string>{"Auflager fehlt", "Der Nachweis gef\x81hrt"}));
    EXPECT_EQ(OLITable_line(t, 2), nullptr);
    EXPECT_EQ(OLITable_line(t, -1), nullptr);
    deleteOLITable(t);

    // Captions come first; the reader starts where the stream stands.
    FILE* f = bytes_file("#SHOWTABLE\n1 0 0\n Titel\n0 1 -1 -1\n Kopf\n Zeile\n#END_OF_TEXT\n");
    t = readOLITableFromFILE(f);
    std::fclose(f);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(lines_of(t), (std::vector<std::string>{"Titel", "Kopf", "Zeile"}));
    deleteOLITable(t);
}

TEST(OLITableRead, DamagedFilesAreRefused)
{
    const char* const damaged[] = {
        "",                                                      // nothing
        "#SHOWPARA\n0x0\n3\n-1\n Text\n#END_OF_TEXT\n0x0\n-1\n",   // no table
        "#SHOWTABLE\n",                                          // ends after the keyword
        "#SHOWTABLE\nx y\n Zeile\n#END_OF_TEXT\n",               // no counts
        "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Zeile\n",                // no end
        "#SHOWTABLE\n0 0 0\n7 7 7 7 7 7\n Zeile\n#END_OF_TEXT\n",  // a format line of no known form
        "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Zeile\n#SHOWTABLE\n",    // a keyword inside the rows
    };
    for (const char* bytes : damaged) {
        OLITable* t = table_of(bytes);
        EXPECT_EQ(t, nullptr) << bytes;
        deleteOLITable(t);
    }
    EXPECT_EQ(readOLITableFromFILE(nullptr), nullptr);
    EXPECT_EQ(OLITable_line_count(nullptr), 0);
}

TEST_F(ScreenTest, TableColoursAreKeptForLaterSheets)
{
    resetOLITableColours();
    int c[OLI_TABLE_COLOURS];
    ASSERT_EQ(getOLITableColours(c), 1);
    c[OLI_TABLE_BODY_FACE] = Nearest_RGB_Color(250, 240, 200);
    ASSERT_EQ(setOLITableColours(c), 1);
    int back[OLI_TABLE_COLOURS] = {};
    getOLITableColours(back);
    EXPECT_EQ(back[OLI_TABLE_BODY_FACE], Nearest_RGB_Color(250, 240, 200));
    EXPECT_EQ(getOLITableColours(nullptr), 0);
    EXPECT_EQ(setOLITableColours(nullptr), 0);
    resetOLITableColours();
}

// The sheet fills the record's rectangle, draws a row of the body face per table line and goes
// when the user closes it.
TEST_F(ScreenTest, TableSheetShowsEveryLineUntilClosed)
{
    resetOLITableColours();
    OLITable* t = table_of("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n erste Meldung\n zweite Meldung\n dritte\n#END_OF_TEXT\n");
    ASSERT_NE(t, nullptr);
    const int record[OLI_TABLE_RECORD_WORDS] = {512, 100, 80, 599, 479, 349, 279, 0, 0, 0, 0};
    const QImage before = grab();
    Set_CallSometimesFunc_to_PS(grab_sheet);
    shown = QImage();
    EXPECT_EQ(OLITablePropSheet("Fehlermeldungen", 0, t, record), 1);
    Set_CallSometimesFunc_to_PS(nullptr);
    EXPECT_EQ(prop_sheet_depth(), 0);
    EXPECT_EQ(grab(), before);   // the screen beneath is back
    ASSERT_FALSE(shown.isNull());
    // A copy of the sheet to look at: TAVO_SAMPLE_OUT=<file>.png; tests write nowhere else.
    if (const char* keep = std::getenv("TAVO_SAMPLE_OUT")) shown.save(QString::fromLocal8Bit(keep));

    // Rows of 13 + 8 pixels from the pane's top (title row 33, border 5): a grid line closes
    // each of the three rows, text stands inside them, and below them the body face is bare.
    const int pane_x1 = 105, pane_y1 = 80 + 33 + 5, row = 13 + 8;
    auto rgb = [&](int x, int y) { return shown.pixel(x, y) & 0xFFFFFFu; };
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(rgb(pane_x1 + 200, pane_y1 + r * row - 1), 0xC0C0C0u) << r;
    for (int r = 0; r < 3; ++r) {
        int ink = 0;
        for (int x = pane_x1; x < pane_x1 + 150; ++x)
            for (int y = pane_y1 + r * row; y < pane_y1 + (r + 1) * row - 1; ++y) ink += rgb(x, y) == 0;
        EXPECT_GT(ink, 20) << r;
    }
    for (int x = pane_x1; x < pane_x1 + 150; ++x) EXPECT_EQ(rgb(x, pane_y1 + 3 * row + 5), 0xFFFFFFu);
    deleteOLITable(t);
    EXPECT_EQ(OLITablePropSheet("x", 0, nullptr, record), 0);
}

TEST_F(ScreenTest, PlotFilesDrawAPlaceholderInTheViewport)
{
    pxView(10, 20, 109, 69);
    EXPECT_EQ(Draw_RPC_File("/nowhere/PLAN.RPC", 1.0, 0.0), 0);
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    EXPECT_EQ(bounds(0, 0, 200, 200), (Box{10, 20, 109, 69}));
    EXPECT_EQ(screen_pixel(10, 20), 0x808080u);                 // frame and cross
    EXPECT_EQ(screen_pixel(30, 21), 0xF4F4F4u);                 // face
    EXPECT_EQ(screen_pixel(59, 44) == 0x808080u || screen_pixel(60, 45) == 0x808080u, true);
}
