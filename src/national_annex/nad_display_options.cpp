#include "national_annex/nad_display_options.h"

#include "national_annex/nad_registry.h"
#include "national_annex/nad_select_sheets.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/view_area_input.h"
#include "sheets/view_areas.h"

#include <cstdio>

namespace {

constexpr int kFontChoice = 266243, kFontApp = 0x11000, kFontNormal = 4096;
constexpr int kRowPitch = 18;
constexpr int kAllRulesMask = 623;   // every Eurocode part of the registry
constexpr int kStripCancel = 435, kStripOk = 458;
enum { kCodeUpper = 1, kCodeLower = 2, kCodeBreak = 9 };
enum { kPressedCancel = 1, kPressedOk = 2 };

bool placed = false;
int centre_x = 0, centre_y = 0;
int grey = 0, button_colour = 0;
int choice_enabled = 0;   // the application rows react only while "optimieren" is chosen

void fill_upper(int area)
{
    AppRegistry& r = nad_registry;
    sva_clear(area);
    choice_enabled = r.has_current_row == 1;
    static int always = 1;
    sva_add_radio(area, 30, 20, "alle Regeln darstellen", kFontChoice, BLACK_CI, 0, &r.has_current_row, &always);
    sva_add_radio(area, 30, 38, "Darstellung optimieren f\201r", kFontChoice, BLACK_CI, 1, &r.has_current_row, &always);
    for (int i = 0; i < r.app_count && i < NAD_REGISTRY_CAPACITY; ++i) {
        const int y = 58 + kRowPitch * i;
        sva_add_radio(area, 50, y, r.rows[i].app_name ? r.rows[i].app_name : "", kFontApp, BLACK_CI, i, &r.current_row,
                      &choice_enabled);
        char service[128];
        snprintf(service, sizeof service, "(%s)", r.rows[i].service ? r.rows[i].service : "");
        sva_add_text(area, 120, y, service, kFontNormal, grey, 0);
    }
    sva_update(area);
}

} // namespace

int nad_display_options_sheet()
{
    nad_scan_applications();
    AppRegistry& r = nad_registry;
    if (!placed) {
        centre_x = NPIXEL_X / 2, centre_y = NPIXEL_Y / 2;
        grey = Nearest_RGB_Color(150, 150, 150);
        button_colour = Nearest_RGB_Color(255, 251, 240);
        placed = true;
    }
    // Cancel must leave the rule choice as it was: the alternatives write into the registry.
    const int had_row = r.has_current_row, row = r.current_row;
    if (r.app_count == 0) r.has_current_row = 0;

    const int wanted = kRowPitch * r.app_count + 130;
    const int h = wanted < NPIXEL_Y - 59 ? wanted : NPIXEL_Y;
    int c[4] = {centre_x - 160, centre_y - h / 2, centre_x + 159, centre_y - h / 2 + h - 1};
    Check_Prop_Sheet_Frames(c);
    centre_x = c[0] + 160, centre_y = c[1] + h / 2;
    const int x1 = c[0], y1 = c[1], x2 = c[2], y2 = c[3];
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, "Darstellungsoptionen", 0, 0);
    Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(x1 + 10, y1 + 39, x2 - 30, y2 - 35, 0, kCodeUpper), 1);
    const int upper = sva_create(x1 + 10, y1 + 39, x2 - 10, y2 - 35, 0, 1);
    Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(x1 + 10, y2 - 29, x2 - 30, y2 - 5, 0, kCodeLower), 1);
    const int lower = sva_create(x1 + 10, y2 - 28, x2 - 25, y2 - 7, 0, 0);
    Set_Windows_Break_Button(kCodeBreak);
    int pressed = 0;
    Activate_Prop_Sheet();
    if (upper >= 0) fill_upper(upper);
    if (lower >= 0) {
        sva_set_frameflag(lower, 0);
        sva_add_image_button(lower, 240, 1, 20, 20, kNadButtonStrips, kStripCancel, -1, 0, "abbrechen", kPressedCancel,
                             &pressed, nullptr);
        sva_add_image_button(lower, 262, 1, 20, 21, kNadButtonStrips, kStripOk, -1, 0, "ok", kPressedOk, &pressed,
                             nullptr);
        sva_update(lower);
    }
    for (bool done = false; !done;) {
        switch (Edit_Prop_Sheet()) {
        case kCodeUpper:
            // The rows follow the first choice at once.
            if (upper >= 0 && sva_edit(upper)) fill_upper(upper);
            break;
        case kCodeLower:
            if (lower >= 0 && sva_edit(lower) && pressed) done = true;
            break;
        case kCodeBreak: done = true; break;
        default: break;
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    centre_x += dx, centre_y += dy;
    if (upper >= 0) sva_delete(upper);
    if (lower >= 0) sva_delete(lower);
    Undefine_Prop_Sheet();

    if (pressed != kPressedOk) {
        r.has_current_row = had_row, r.current_row = row;
        return 0;
    }
    if (r.has_current_row == 1 && r.current_row >= 0 && r.current_row < r.app_count) {
        r.current_eurocode_mask = r.rows[r.current_row].eurocode_mask;
        r.current_app_number = r.rows[r.current_row].app_number;
    } else {
        r.has_current_row = 0;
        r.current_eurocode_mask = kAllRulesMask;
        r.current_app_number = 0;
    }
    r.show_all_rules = r.has_current_row == 0;
    return 1;
}
