// The warning road of a vanished set and the selection sheet, driven through the scripted input
// queue of the virtual screen.
#include "national_annex/nad_current.h"
#include "national_annex/nad_list.h"
#include "national_annex/nad_select_sheets.h"
#include "nad_sheet_fixture.h"
#include "platform/os/calllog.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

#include <sys/stat.h>

#include <cstring>

namespace {

class NadSheets : public NadSheetFolders {
protected:

    // Both sheets stand centred on the screen (nobody drags them in a test).
    static int sel_x1() { return NPIXEL_X / 2 - 145; }
    static int sel_y1() { return NPIXEL_Y / 2 - 145; }
    // A click on list row i: the list pane starts 12 and 60 pixels inside the sheet, rows are
    // 25 pixels apart from content y 5.
    static void click_row(int i) { input_script_click(sel_x1() + 12 + 60, sel_y1() + 60 + 5 + 25 * i + 10); }
    // The editor button of the tool line: content (251, 7) of the pane 12 and 35 inside.
    static void click_editor() { input_script_click(sel_x1() + 12 + 251 + 4, sel_y1() + 35 + 7 + 3); }
    // The warning's "Anwendungsdokument auswählen": content x 173, 40 x 41, below the text, of the
    // pane 10 and 40 inside the sheet 260 wide and as high as its text needs.
    static void click_select_another()
    {
        int half = 0, button_y = 0;
        nad_warning_geometry("Verschwunden", "Deutschland", &half, &button_y);
        input_script_click(NPIXEL_X / 2 - 130 + 10 + 173 + 20, NPIXEL_Y / 2 - half + 40 + button_y + 20);
    }
    static void make_editor(const std::string& exec, const std::string& script)
    {
        const std::string path = exec + "/Orvik";
        ASSERT_TRUE(testutil::write_file(path, script));
        chmod(path.c_str(), 0755);
    }
    static void open_position_with(const char* name)
    {
        const std::string block = std::string("\n\nACTIV_NADNAME\n\xAE") + name + "\xAF\n";
        FILE* f = fmemopen(const_cast<char*>(block.data()), block.size(), "r");
        nad_read_active_name(f);
        fclose(f);
    }
};

// A vanished set warns and leaves "Deutschland"; from the warning the user picks a row and OK
// activates it, and the next calculation reads its values; cancel keeps "Deutschland".
TEST_F(NadSheets, WarningRoadOfAVanishedSet)
{
    user_set(1, "Eins", 0);
    user_set(2, "Zwei", 0);

    // Closed with OK (the empty script answers with the window's close, which means OK).
    open_position_with("Verschwunden");
    EXPECT_TRUE(calllog::contains("Warnung: Verschwunden -> Deutschland"));
    EXPECT_STREQ(nad_active_name(), "Deutschland");
    EXPECT_EQ(prop_sheet_depth(), 0);
    EXPECT_EQ(sva_slot(0), nullptr);

    // warning -> selection -> row "Zwei" (the fourth) + OK.
    click_select_another();
    click_row(3);
    input_script_key(KEY_ENTER);
    open_position_with("Verschwunden");
    EXPECT_EQ(input_script_pending(), 0);
    EXPECT_STREQ(nad_active_name(), "Zwei");
    EXPECT_EQ(nad_part_ec5()->country, 0);   // the user set's values, not those of Deutschland
    EXPECT_EQ(prop_sheet_depth(), 0);

    // warning -> selection -> row "Eins" clicked, then cancel: "Deutschland" stays.
    click_select_another();
    click_row(2);
    input_script_key(KEY_ESC);
    open_position_with("Verschwunden");
    EXPECT_STREQ(nad_active_name(), "Deutschland");
    EXPECT_EQ(nad_part_ec5()->country, 1);
}

// The editor button starts EXEC/Orvik with the active name and reads the list again when it
// has ended; a missing editor fails at once and the sheet goes on.
TEST_F(NadSheets, AnnexEditorFromTheSelectionSheet)
{
    nad_set_active("Deutschland");
    // Missing editor: the list is read again and OK still activates.
    click_editor();
    input_script_key(KEY_ENTER);
    EXPECT_EQ(nad_selection_sheet(), 1);
    EXPECT_TRUE(calllog::contains("VYKSpawnv: 0 " + exec + "/Orvik Deutschland"));
    EXPECT_STREQ(nad_active_name(), "Deutschland");

    // An editor that adds user set 1: its row appears after the editor and can be picked.
    user_set(1, "Neu", 0);
    const std::string made = testutil::read_file(dram + "/NADS/1.NAD");
    remove((dram + "/NADS/1.NAD").c_str());
    ASSERT_TRUE(testutil::write_file(root.file("made.NAD"), made));
    make_editor(exec, "#!/bin/sh\ncp '" + root.file("made.NAD") + "' '" + dram + "/NADS/1.NAD'\n");
    nad_read_list();
    ASSERT_EQ(nad_list.count, 2);
    click_editor();
    click_row(2);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(nad_selection_sheet(), 1);
    EXPECT_STREQ(nad_active_name(), "Neu");
}

// Names wider than 180 pixels are cut with "..." on the list; a click still activates the whole
// name. In cell metrics a character of font 4096 takes 8 pixels.
TEST_F(NadSheets, LongNamesAreCutButPickedWhole)
{
    char shown[64];
    nad_fit_name("Kurz", 180, shown, sizeof shown);
    EXPECT_STREQ(shown, "Kurz");
    nad_fit_name("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 180, shown, sizeof shown);
    EXPECT_STREQ(shown, "ABCDEFGHIJKLMNOPQRS...");   // 22 characters: 176 pixels
    nad_fit_name("ABCDEFGHIJKLMNOPQRSTUVW", 180, shown, 8);
    EXPECT_EQ(std::strlen(shown), 7u);               // never past the caller's buffer

    user_set(1, "Langer Name eines Satzes 27", 0);   // 27 characters, the longest a set file keeps
    click_row(2);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(nad_selection_sheet(), 1);
    EXPECT_STREQ(nad_active_name(), "Langer Name eines Satzes 27");
}

// The rows draw their flags from the sprite below DATA: cell f is 19 f pixels down.
TEST_F(NadSheets, FlagCellsOfTheSprite)
{
    EXPECT_STREQ(kNadFlagSprite, "NAD/EuroFlags.bmp");
    const std::string sprite = std::string(TAVO_SOURCE_DATA_DIR) + "/DATA/" + kNadFlagSprite;
    ASSERT_TRUE(testutil::write_file(data + "/NAD/EuroFlags.bmp", testutil::read_file(sprite)));
    // Flag 18 (Deutschland): a black stripe above a red one in the cell drawn at (100, 100).
    nad_draw_flag_cell(100, 100, 0, 0, reinterpret_cast<void*>(intptr_t(18)));
    const unsigned top = screen_pixel(112, 103), middle = screen_pixel(112, 109);
    EXPECT_LT(top >> 16 & 0xFF, 60u);
    EXPECT_GT(middle >> 16 & 0xFF, 150u);   // red
    EXPECT_LT(middle >> 8 & 0xFF, 60u);
    // Without a DATA folder nothing is drawn.
    unsetenv("DATA");
    nad_draw_flag_cell(200, 100, 0, 0, reinterpret_cast<void*>(intptr_t(18)));
    EXPECT_EQ(screen_pixel(212, 103), 0xFFFFFFu);
}

} // namespace
