#include "sheets/form_buttons.h"

#include <cstdio>

#include "environment/tool_exchange.h"
#include "platform/screen/screen.h"
#include "sheets/form_fields.h"
#include "sheets/form_state.h"
#include "sheets/form_tooltips.h"
#include "sheets/view_areas.h"

namespace {
constexpr int POINTER_HAND = 18;
constexpr int IMAGE_SIZE = 12;
constexpr int IMAGE_INDENT = 20;

void image_square(int view, int x, int y, const char* bitmap, int state)
{
    if (bitmap) sva_add_bitmap(view, bitmap, x, y - 10, x + IMAGE_SIZE, y + 2, WHITE_CI);
    LastElement = FormLastElement{x, x + IMAGE_SIZE, y - 10, y + 2, state};
}
}  // namespace

void form_button_rect(double x, double y, double w, double h, int vertical, int horizontal, int* x1, int* y1,
                      int* x2, int* y2)
{
    int ix = static_cast<int>(x), iy = static_cast<int>(y), iw = static_cast<int>(w), ih = static_cast<int>(h);
    *x1 = horizontal == 1 ? ix - iw : horizontal == 4 ? static_cast<int>(x - w / 2) : ix;
    *y1 = vertical == 2 ? iy - ih : vertical == 4 ? static_cast<int>(y - h / 2) : iy;
    *x2 = *x1 + iw;
    *y2 = *y1 + ih;
}

int form_image_button(int view, double x, double y, double w, double h, int vertical, int horizontal,
                      const char* bitmap, const char* inactive_bitmap, int colour, int value, int* target,
                      int active)
{
    int x1, y1, x2, y2;
    form_button_rect(x, y, w, h, vertical, horizontal, &x1, &y1, &x2, &y2);
    LastElement = FormLastElement{x1, x2, y1, y2, active};
    int result = 0;
    if (active) {
        if (bitmap) result = sva_add_bitmap(view, bitmap, x1, y1, x2, y2, colour);
        sva_add_icon_button(view, x1, y1, x2, y2, value, target);
        sva_set_last_icon_value(view, POINTER_HAND);
    } else if (inactive_bitmap) {
        result = sva_add_bitmap(view, inactive_bitmap, x1, y1, x2, y2, colour);
    }
    return result;
}

void form_image_radio(int view, int x, int y, int value, int* selection, const char* on_active,
                      const char* off_active, const char* on_inactive, const char* off_inactive, int* group)
{
    int active = group ? *group : 1;
    bool on = selection && *selection == value;
    sva_add_radio(view, x + IMAGE_INDENT, y, "", 0, WHITE_CI, value, selection, group);
    image_square(view, x, y, active ? (on ? on_active : off_active) : (on ? on_inactive : off_inactive), active);
}

void form_image_toggle(int view, int x, int y, int* value, const char* on_active, const char* off_active,
                       const char* on_inactive, const char* off_inactive, int* active)
{
    int a = active ? *active : 1;
    bool on = value && *value;
    sva_add_toggle(view, x + IMAGE_INDENT, y, "", 0, WHITE_CI, value, active);
    image_square(view, x, y, a ? (on ? on_active : off_active) : (on ? on_inactive : off_inactive), a);
}

namespace {

constexpr int CAPTION_BUTTON_HEIGHT = 18;
constexpr int CAPTION_BASELINE = 14;
constexpr int CAPTION_FONT = 0;
constexpr const char* IMPORT_PICTURE = "SniGrImportButton.bmp";

void copy_name(char* to, const char* from) { std::snprintf(to, HOVER_TEXT, "%s", from ? from : ""); }

int caption_width(const char* caption)
{
    int w = text_width_in_font(caption, CAPTION_FONT);
    return w > 0 ? w - 3 : 0;   // without the measure's margin
}

struct CaptionLook {
    int caption_colour, frame_colour;
    const char* background;        // drawn under the frame, or null
    const char* normal, *rollover;   // bitmaps of the hover record, or null
};

void caption_button(int view, double x, double y, double w, int vertical, int horizontal, const char* caption,
                    int value, int* target, int active, const CaptionLook& look)
{
    if (!form_hover_active()) return;
    int wd = static_cast<int>(w - 1);
    int x1 = horizontal == 1 ? static_cast<int>(x) - wd : horizontal == 4 ? static_cast<int>(x - wd / 2.0)
                                                                            : static_cast<int>(x);
    int y1 = static_cast<int>(y) - (vertical == 2 ? CAPTION_BUTTON_HEIGHT : vertical == 4 ? CAPTION_BUTTON_HEIGHT / 2
                                                                                            : 0);
    int x2 = x1 + wd, y2 = y1 + CAPTION_BUTTON_HEIGHT;
    if (look.background) sva_add_bitmap(view, look.background, x1, y1, x2, y2, WHITE_CI);
    if (active) {
        sva_add_icon_button(view, x1, y1, x2, y2, value, target);
        sva_set_last_icon_value(view, POINTER_HAND);
    }
    sva_add_line(view, x1, y1, x2, y1, look.frame_colour);
    sva_add_line(view, x2, y1, x2, y2, look.frame_colour);
    sva_add_line(view, x2, y2, x1, y2, look.frame_colour);
    sva_add_line(view, x1, y2, x1, y1, look.frame_colour);
    const char* text = caption ? caption : "";
    int cw = caption_width(text);
    int cx = cw > 0 ? static_cast<int>(x1 + (wd - (cw + 3)) / 2.0) : static_cast<int>(x1 + wd / 2.0);
    int cy = y1 + CAPTION_BASELINE;
    sva_add_text(view, cx, cy, text, CAPTION_FONT, look.caption_colour, 0);
    LastElement = FormLastElement{x1, x2 - 1, y1, y2, active};
    HoverButton b{};
    b.escape = form_escape_area();
    copy_name(b.normal, look.normal);
    copy_name(b.rollover, look.rollover);
    b.x1 = x1;
    b.x2 = x2 - 1;
    b.y1 = y1;
    b.y2 = y2;
    b.transparent = WHITE_CI;
    copy_name(b.caption, text);
    b.caption_x = cx;
    b.caption_y = cy;
    b.caption_style = active ? FORM_BOLD : 0;
    b.caption_colour = look.caption_colour;
    if (b.caption[0] || look.background) form_add_hover_button(&b);
}

int g_import_active = 0;
int g_ascii_active = 0;

}  // namespace

const char* form_hover_image_button(int view, double x, double y, double w, double h, int vertical, int horizontal,
                                    const char* bitmap, const char* inactive_bitmap, const char* rollover,
                                    const char* inactive_rollover, int transparent, int value, int* target,
                                    int active)
{
    if (!form_hover_active()) return nullptr;
    form_image_button(view, x, y, w, h, vertical, horizontal, bitmap, inactive_bitmap, transparent, value, target,
                      active);
    const char* over = active ? rollover : inactive_rollover;
    if (over == nullptr) return nullptr;
    HoverButton b{};
    b.escape = form_escape_area();
    copy_name(b.normal, active ? bitmap : inactive_bitmap);
    copy_name(b.rollover, over);
    form_button_rect(x, y, w, h, vertical, horizontal, &b.x1, &b.y1, &b.x2, &b.y2);
    b.transparent = transparent;
    form_add_hover_button(&b);
    return over;
}

void form_hover_framed_button(int view, double x, double y, double w, int vertical, int horizontal,
                              int caption_colour, int frame_colour, int, const char* caption, int value,
                              int* target, int active)
{
    CaptionLook look{caption_colour, frame_colour, nullptr, nullptr, nullptr};
    if (!active) {
        look.frame_colour = Nearest_RGB_Color(196, 196, 196);
        look.caption_colour = Nearest_RGB_Color(198, 195, 198);
    }
    caption_button(view, x, y, w, vertical, horizontal, caption, value, target, active, look);
}

void form_text_button(int view, double x, double y, double w, int vertical, int horizontal, const char* caption,
                      int value, int* target, int active)
{
    CaptionLook look = active ? CaptionLook{BLACK_CI, Nearest_RGB_Color(144, 144, 144), "textbuttonbg.bmp",
                                            "TextButtonBg.bmp", "TextButtonBg_ro.bmp"}
                              : CaptionLook{Nearest_RGB_Color(198, 195, 198), Nearest_RGB_Color(196, 196, 196),
                                            "TextButtonBgInaktive.bmp", "TextButtonBgInaktive.bmp",
                                            "TextButtonBgInaktive_ro.bmp"};
    caption_button(view, x, y, w, vertical, horizontal, caption, value, target, active, look);
}

int form_delete_all_button(int x, int y, const char* comment, int code, int* result, int* active)
{
    int view = form_current_sheet();
    if (view < 0) return -1;
    sva_add_image_button(view, x, y, 51, 36, IMPORT_PICTURE, 36, Nearest_RGB_Color(198, 222, 228), POINTER_HAND,
                         comment, code, result, active);
    return form_label(x + 51, y + 12, ".... alle Lastkollektive l\x94schen", nullptr);
}

int form_import_buttons(int x, int y, const char* lead, int code, int* result, const int* active)
{
    int caller_active = active ? *active : 0;
    g_import_active = trobavex_available() ? caller_active : 0;
    const char* text = lead ? lead : "Lagergr\x94\xE1" "en importieren aus ";
    int view = form_current_sheet();
    int end = x + 21;
    if (view >= 0) {
        int l = x + form_label(x, y, text, nullptr);
        if (caller_active)
            sva_add_bitmap(view, "SniK7.bmp", l, y - 12, l + 55, y + 2, WHITE_CI);
        else
            form_label(l, y, "K7-", nullptr);
        end = l + 21 + form_label(l + 21, y, "Programmen ...", nullptr);
    }
    sva_add_image_button(view, end + 3, y - 23, 51, 33, IMPORT_PICTURE, 0, Nearest_RGB_Color(255, 255, 255),
                         POINTER_HAND, "Werte aus VYK-Bauteil\nimportieren", code, result, &g_import_active);
    return end - x + 54;
}

int form_ascii_import_button(int x, int y, const char* lead, int code, int* result, const int* active)
{
    g_ascii_active = active ? *active : 0;
    int width = form_printf(x, y, "%s Datei ...", lead ? lead : "Lastkollektive importieren aus");
    sva_add_image_button(form_current_sheet(), x + width + 3, y - 16, 51, 36, IMPORT_PICTURE, 76,
                         Nearest_RGB_Color(255, 255, 255), POINTER_HAND, "Werte aus ASCII-Datei\nimportieren", code,
                         result, &g_ascii_active);
    return width + 54;
}

int form_file_search_button(int x, int y, int code, int* result, int* active)
{
    return sva_add_image_button(form_current_sheet(), x, y, 38, 38, "deskbuts.bmp", 250,
                                Nearest_RGB_Color(255, 251, 240), POINTER_HAND, "Aufruf Eplorer um Datei zu finden",
                                code, result, active);
}
