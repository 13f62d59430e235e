#include "sheets/user_comment_sheet.h"

#include "platform/env/vyk_help.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/view_area_input.h"
#include "sheets/view_areas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kWidth = 600, kHeight = 400, kTop = 34, kBorder = 5;
constexpr int kAreaCode = 10;   // the escape area over the view area
constexpr int kCodeCancel = 1, kCodeHelp = 2, kCodeConfirm = 3;
constexpr int kTextFont = 266243;
const char kButtonBitmap[] = "UCButtons.bmp";

bool placed = false;
int centre_x = 0, centre_y = 0;
int sheet_colour = 0, editor_colour = 0;

// The sheet's rectangle around the remembered centre, fitted to the screen; the centre follows.
void place(int* corners)
{
    if (!placed) {
        centre_x = NPIXEL_X / 2, centre_y = NPIXEL_Y / 2;
        sheet_colour = Nearest_RGB_Color(255, 251, 240);
        editor_colour = Nearest_RGB_Color(255, 255, 255);
        placed = true;
    }
    int width = NPIXEL_X <= 649 ? NPIXEL_X - 50 : kWidth;
    if (NPIXEL_Y - 49 <= width) width = NPIXEL_Y - 50;
    corners[0] = centre_x - width / 2;
    corners[1] = centre_y - kHeight / 2;
    corners[2] = corners[0] + width - 1;
    corners[3] = centre_y + kHeight / 2 - 1;
    Check_Prop_Sheet_Frames(corners);
    centre_x = corners[0] + width / 2;
    centre_y = corners[1] + kHeight / 2;
}

void fill_area(int area, int view_width, int view_height, char* text, int room, int* code)
{
    sva_add_bitmap(area, "UComment.bmp", 14, 5, 14 + 75 - 1, 5 + 70 - 1, BLACK_CI);   // 75 x 70 pixels
    const char* lines[3] = {"Geben Sie hier ihre Anmerkungen ein.", "Diese werden an geeigneter Stelle",
                            "in der Druckliste ausgegeben."};
    for (int i = 0; i < 3; ++i) sva_add_text(area, 85, 20 + 15 * i, lines[i], kTextFont, BLACK_CI, 0);
    const char* captions[3] = {"abbrechen", "Hilfe", "best\x84tigen"};
    const int codes[3] = {kCodeCancel, kCodeHelp, kCodeConfirm};
    for (int i = 0; i < 3; ++i)
        sva_add_image_button(area, view_width - 120 + 40 * i, 15, 36, 36, kButtonBitmap, 36 * i, -1, 0, captions[i],
                             codes[i], code, nullptr);
    sva_add_text_editor(area, 5, 60, view_width - 5, view_height - 5, text, room, BLACK_CI, editor_colour, 1,
                        nullptr);
}

} // namespace

char* user_comment_sheet(char* remarks, const char* sheet_title)
{
    int c[4];
    place(c);
    Define_Prop_Sheet(c[0], c[1], c[2], c[3], 1, 0, sheet_title, 10, 1);
    const int ax1 = c[0] + kBorder, ay1 = c[1] + kTop, ax2 = c[2] - kBorder, ay2 = c[3] - kBorder;
    Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(ax1, ay1, ax2, ay2, 0, kAreaCode), 1);
    const int area = sva_create(ax1, ay1, ax2, ay2, 0, 0);
    Set_Windows_Break_Button(2);

    const int length = remarks ? int(std::strlen(remarks)) : 0;
    const int room = remarks ? std::max(4 * length, 5000) : 5000;
    // The editor keeps its text with a final line end; remarks without one get it for the
    // editing and lose it again in the copy handed back.
    const bool had_line_end = length > 0 && remarks[length - 1] == '\n';
    char* text = text_copy_n(remarks, room);
    if (text && remarks && !had_line_end && length < room) text[length] = '\n';

    int code = 0;
    if (area >= 0 && text) {
        sva_set_background(area, sheet_colour);
        Activate_Prop_Sheet();
        fill_area(area, ax2 - ax1, ay2 - ay1, text, room, &code);
        sva_update(area);
        for (bool done = false; !done;) {
            if (Edit_Prop_Sheet() != kAreaCode) break;   // the close button ends like "abbrechen"
            code = 0;
            if (!sva_edit(area)) continue;
            if (code == kCodeHelp) Helpview("USER_COMMENT");
            if (code == kCodeConfirm) {
                size_t n = std::strlen(text);
                if (!had_line_end && n > 0 && text[n - 1] == '\n') --n;
                char* copy = strndup(text, n);
                if (copy) {
                    std::free(remarks);
                    remarks = copy;
                }
            }
            done = code == kCodeCancel || code == kCodeConfirm;
        }
    }
    std::free(text);
    if (area >= 0) sva_delete(area);
    Undefine_Prop_Sheet();
    return remarks;
}
