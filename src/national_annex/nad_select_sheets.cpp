#include "national_annex/nad_select_sheets.h"

#include "environment/dialog_text.h"
#include "national_annex/nad_list.h"
#include "national_annex/nad_paths.h"
#include "national_annex/nad_sheet_common.h"
#include "national_annex/nad_switches.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_process.h"
#include "platform/os/calllog.h"
#include "platform/screen/fonts.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/view_area_input.h"
#include "sheets/view_areas.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

const char* const kNadFlagSprite = "NAD/EuroFlags.bmp";
const char* const kNadButtonStrips = "NAD\\Buttons.bmp";

namespace {

// Font codes of the sheets: the normal font, and with the toolkit's frame styles.
constexpr int kFontNormal = 4096, kFontFramed = 0x11000, kFontNameBox = 69635, kFontSheetText = 266243;
// Sub-images of the button strips.
constexpr int kStripDecoration = 577, kStripEditor = 587, kStripSelect = 598;
constexpr int kRowPitch = 25;          // list rows
constexpr int kNameMaxPixels = 180;    // a set name wider than this is cut with "..."
constexpr int kFlagCellPitch = 19;     // flag cells in the sprite, stacked
constexpr int kNoClick = -1;

struct Centre {
    bool placed = false;
    int x = 0, y = 0;
    void first()
    {
        if (!placed) x = NPIXEL_X / 2, y = NPIXEL_Y / 2, placed = true;
    }
    void moved_by_user()
    {
        int dx = 0, dy = 0;
        Prop_Sheet_Displacement(&dx, &dy);
        x += dx, y += dy;
    }
};
Centre selection_centre, warning_centre;

// The list row last clicked in the selection list, as an index into the list of sets (an index,
// not a name pointer: the list's names are released when the editor's changes are read back).
int clicked_row = kNoClick;

int colour_of(int r, int g, int b) { return Nearest_RGB_Color(r, g, b); }

void active_from_click()
{
    if (clicked_row == kNoClick) return;
    if (clicked_row >= 0 && clicked_row < nad_list.count && nad_list.names[clicked_row])
        nad_set_active_name(nad_list.names[clicked_row]);
    clicked_row = kNoClick;
}

int add_list_row(int area, int i, int y)
{
    int active_row_y = -1;
    const char* name = nad_list.names[i] ? nad_list.names[i] : "";
    if (nad_list.active_name && strcmp(name, nad_list.active_name) == 0) {
        sva_add_box(area, 2, y - 1, 240, y + 23, colour_of(255, 255, 255));
        sva_add_line(area, 2, y - 1, 240, y - 1, BLACK_CI);
        sva_add_line(area, 240, y - 1, 240, y + 23, BLACK_CI);
        sva_add_line(area, 240, y + 23, 2, y + 23, BLACK_CI);
        sva_add_line(area, 2, y + 23, 2, y - 1, BLACK_CI);
        active_row_y = y + kRowPitch;
    }
    // The flag index travels in the data pointer, so the row needs no storage of its own.
    sva_add_graphics(area, 5, y + 2, 220, y + 27, reinterpret_cast<void*>(static_cast<intptr_t>(nad_list.flag_indexes[i])),
                     nad_draw_flag_cell);
    char shown[128];
    nad_fit_name(name, kNameMaxPixels, shown, sizeof shown);
    const int built_in = colour_of(0, 100, 150);
    sva_add_text(area, 37, y + 14, shown, kFontFramed, i < 2 ? built_in : BLACK_CI, 0);
    sva_add_icon_button(area, 2, y - 1, 220, y + 23, i, &clicked_row);
    return active_row_y;
}

void draw_flag(int flag_index, int x, int y)
{
    const std::string data = nadpath::folder("DATA");
    if (data.empty() || flag_index < 0) return;
    const std::string file = data + "/" + kNadFlagSprite;
    const int top = kFlagCellPitch * flag_index;
    pxDrawPartialTransparentDIB(file.c_str(), 0, top, 25, top + 18, x, y, x + 24, y + 18, 201, -1, 255, 251, 240);
}

void sheet_rectangle(Centre& c, int half_w, int up, int down, int* r)
{
    c.first();
    r[0] = c.x - half_w, r[1] = c.y - up, r[2] = c.x + half_w, r[3] = c.y + down;
    Check_Prop_Sheet_Frames(r);
    c.x = (r[0] + r[2]) / 2, c.y = (r[1] + r[3] + 1) / 2;
}

// The tool line above the list: "Auswahl:", the decoration and the editor button.
void fill_tool_line(int area, int* editor_pressed)
{
    sva_add_text(area, 3, 13, "Auswahl:", kFontNormal, BLACK_CI, 0);
    static int inert = 0;
    sva_add_image_button(area, 206, 6, 42, 8, kNadButtonStrips, kStripDecoration, -1, 0, nullptr, 0, nullptr, &inert);
    sva_add_image_button(area, 251, 7, 9, 7, kNadButtonStrips, kStripEditor, -1, 0,
                         "Anwendungs-\ndokumente\nbearbeiten", 1, editor_pressed, nullptr);
    sva_update(area);
}

enum { kSelList = 1, kSelOk = 2, kSelCancel = 3, kSelTools = 4 };

} // namespace

void nad_fit_name(const char* name, int max_pixels, char* out, int size)
{
    if (!out || size <= 0) return;
    std::string s = name ? name : "";
    Pop_RFont(kFontNormal);
    // Shortened a character at a time, so the cut text plus "..." is as long as still fits.
    std::string shown = s;
    while (text_width(shown.c_str()) > max_pixels && !s.empty()) {
        s.pop_back();
        shown = s + "...";
    }
    Push_RFont();
    snprintf(out, size_t(size), "%s", shown.c_str());
}

void nad_draw_flag_cell(int x1, int y1, int, int, void* data)
{
    draw_flag(static_cast<int>(reinterpret_cast<intptr_t>(data)), x1, y1);
}

void nad_draw_active_flag(int x, int y) { draw_flag(nad_list.active_flag_index, x, y); }
void nad_show_active_flag(int x, int y) { nad_draw_active_flag(x, y); }

void nad_list_draw(int area)
{
    active_from_click();
    sva_clear(area);
    int active_y = 0;
    for (int i = 0, y = 5; i < nad_list.count; ++i, y += kRowPitch) {
        const int row_y = add_list_row(area, i, y);
        if (row_y >= 0) active_y = row_y;
    }
    sva_scroll_into_view(area, 0, active_y - 35, 100, active_y + 35);
    sva_update(area);
}

int nad_start_annex_editor()
{
    const std::string exec = nadpath::folder("EXEC");
    if (exec.empty()) return -1;
    const std::string path = exec + "/Orvik";
    const std::string name = nad_list.active_name ? nad_list.active_name : "";
    const char* const argv[] = {path.c_str(), name.c_str(), nullptr};
    // Mode 0 returns when the editor has ended; one that cannot start returns at once.
    return int(VYKSpawnv(0, path.c_str(), argv));
}

int nad_selection_sheet()
{
    nad_read_list();
    const std::string remembered = nad_list.active_name ? nad_list.active_name : "";
    int r[4];
    sheet_rectangle(selection_centre, 145, 145, 144, r);
    const int x1 = r[0], y1 = r[1], y2 = r[3];
    Define_Prop_Sheet(r[0], r[1], r[2], r[3], 1, 0, "Nationale Anwendungsdokumente", 0, 0);
    const int cancel = Add_Single_Button_to_PS(x1 + 16, y1 + 261, 1, kSelCancel, nullptr, SYMBOLIC_BREAK_RASTER, 1);
    Add_Help_to_PS(x1 + 133, y1 + 261, 1, 0, 0, "NAD_SELECTION_SHEET");
    Add_Single_Button_to_PS(x1 + 250, y1 + 261, 1, kSelOk, nullptr, SYMBOLIC_OK_RASTER, 1);
    Add_Single_Button_to_PS(x1 + 237, y1 + 113, 1, kSelTools, nullptr, SYMBOLIC_MORE_RASTER, 0);

    Add_Escape_Area_to_PS(x1 + 12, y1 + 60, x1 + 260, y2 - 37, 0, kSelList);
    const int list = sva_create(x1 + 12, y1 + 60, x1 + 275, y2 - 37, 0, 1);
    Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(x1 + 12, y1 + 35, x1 + 275, y1 + 50, 0, kSelTools), 1);
    const int tools = sva_create(x1 + 12, y1 + 35, x1 + 275, y1 + 50, 0, 0);
    int editor_pressed = 0;
    if (tools >= 0) {
        sva_set_background(tools, GetVYKColor(-1));
        sva_set_frameflag(tools, 0);
    }
    clicked_row = kNoClick;
    Activate_Prop_Sheet();
    if (tools >= 0) fill_tool_line(tools, &editor_pressed);
    if (list >= 0) nad_list_draw(list);
    Move_Mouse_Cursor_to_Button_of_PS(cancel, 0, 0);

    for (bool done = false; !done;) {
        switch (Edit_Prop_Sheet()) {
        case kSelList:
            if (list >= 0 && sva_edit(list)) nad_list_draw(list);
            break;
        case kSelTools:
            if (tools >= 0 && sva_edit(tools) && editor_pressed == 1) {
                nad_start_annex_editor();
                nad_read_list();
                if (list >= 0) nad_list_draw(list);
                editor_pressed = 0;
            }
            break;
        case kSelCancel:
            nad_set_active_name(remembered.c_str());
            done = true;
            break;
        case kSelOk: done = true; break;
        default: break;
        }
    }
    clicked_row = kNoClick;
    selection_centre.moved_by_user();
    if (list >= 0) sva_delete(list);
    if (tools >= 0) sva_delete(tools);
    Undefine_Prop_Sheet();
    if (nad_verbose) printf("\nSELECT: Preparing %s ...\n", nad_list.active_name);
    return nad_activate();
}

int nad_open_selection_sheet() { return nad_selection_sheet(); }

namespace {

// The warning's text wrapped to the pane at the program's fonts, 16 pixels a line, the two names
// in their yellow boxes, and the select button below the text at the right: one pass places the
// items (area >= 0) or only measures the height the text needs (area < 0).
constexpr int kWarnPaneWidth = 240, kWarnTextWidth = kWarnPaneWidth - 20;

int fill_warning(int area, const char* unknown_name, const char* active_name, int* select_pressed)
{
    const int yellow = colour_of(232, 232, 0);
    int y = 20;
    auto paragraph = [&](const char* text) {
        for (const std::string& line : nad_sheet_wrap(text, kFontSheetText, kWarnTextWidth)) {
            if (area >= 0) sva_add_text(area, 10, y, line.c_str(), kFontSheetText, BLACK_CI, 0);
            y += 16;
        }
    };
    auto name_box = [&](const char* name) {
        // Cut to the box in the box's own (bold) font, which is wider than the list's.
        std::string cut = name ? name : "", shown = cut;
        while (nad_sheet_text_width(shown.c_str(), kFontNameBox) > 212 && !cut.empty()) {
            cut.pop_back();
            shown = cut + "...";
        }
        if (area >= 0) {
            sva_add_box(area, 10, y - 9, 230, y + 6, yellow);
            sva_add_text(area, 14, y + 2, shown.c_str(), kFontNameBox, BLACK_CI, 0);
        }
        y += 18;
    };
    paragraph("Das mit dem Programm verkn\201pfte NAD");
    name_box(unknown_name);
    paragraph("kann nicht gefunden werden.");
    y += 7;
    paragraph("Um die Stabilit\204t des Programms zu gew\204hrleisten, wird auf das NAD");
    name_box(active_name);
    paragraph("umgeschaltet. Wenn Sie dies nicht w\201nschen, w\204hlen Sie bitte ein anderes NAD aus.");
    // The button's caption stands at its left; the button itself below the last line.
    const int button_y = y - 4;
    if (area >= 0) {
        sva_add_image_button(area, 173, button_y, 40, 41, kNadButtonStrips, kStripSelect, -1, 0,
                             "Anwendungs-\ndokument\nausw\204hlen", 1, select_pressed, nullptr);
        sva_update(area);
    }
    return button_y + 41 + 6;
}

int warning_half_height(int content) { return std::max(112, (content + 50 + 1) / 2); }

enum { kWarnArea = 1, kWarnOk = 2 };

} // namespace

int nad_warning_sheet(const char* unknown_name, const char* active_name)
{
    calllog::add(std::string("Warnung: ") + (unknown_name ? unknown_name : "") + " -> " + (active_name ? active_name : ""));
    int r[4];
    // As high as the text needs at the current fonts (at least the 224 pixels it always had).
    const int content = fill_warning(-1, unknown_name, active_name, nullptr);
    const int half_h = warning_half_height(content);
    sheet_rectangle(warning_centre, 130, half_h, half_h, r);
    Define_Prop_Sheet(r[0], r[1], r[2], r[3], 1, 0, "Warnung", 0, 0);
    Add_Escape_Area_to_PS(r[0] + 10, r[1] + 40, r[2] - 10, r[3] - 10, 0, kWarnArea);
    const int area = sva_create(r[0] + 10, r[1] + 40, r[2] - 10, r[3] - 10, 0, 0);
    // Enter and the window's close both mean OK: the sheet only informs.
    Set_Windows_OK_Button(kWarnOk);
    Set_Windows_Break_Button(kWarnOk);
    int select_pressed = 0;
    Activate_Prop_Sheet();
    if (area >= 0) fill_warning(area, unknown_name, active_name, &select_pressed);
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == kWarnOk) break;
        if (code == kWarnArea && area >= 0 && sva_edit(area) && select_pressed == 1) break;
    }
    warning_centre.moved_by_user();
    if (area >= 0) sva_delete(area);
    Undefine_Prop_Sheet();
    return select_pressed == 1 ? 1 : 0;
}

void nad_warning_geometry(const char* unknown_name, const char* active_name, int* half_height, int* button_y)
{
    const int content = fill_warning(-1, unknown_name, active_name, nullptr);
    if (half_height) *half_height = warning_half_height(content);
    if (button_y) *button_y = content - 47;
}
