#include "sheets/view_areas.h"

#include "environment/dialog_text.h"
#include "platform/os/c_numeric.h"
#include "platform/env/vyk_user.h"
#include "platform/screen/fonts.h"
#include "platform/screen/screen.h"
#include "platform/screen/prop_sheet.h"
#include "sheets/text_editor.h"
#include "sheets/view_area_drawing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

Scrollable_View_Area g_slots[SVA_MAX_AREAS];
bool g_slots_ready = false;

// Short keys: 0 until read, then the settings' values.
bool g_short_keys_read = false;
int g_key_break = 0, g_key_ok = 0, g_key_help = 0, g_key_jump = 0;

// A new area's background, a warm white.
constexpr int kBackgroundR = 255, kBackgroundG = 251, kBackgroundB = 240;
// Margin the constructors keep right of and below an item.
constexpr int kMargin = 10;

void slots_ready()
{
    if (g_slots_ready) return;
    for (auto& s : g_slots) {
        s = Scrollable_View_Area{};
        s.handle = -1;
    }
    g_slots_ready = true;
}

int read_short_key(const char* name)
{
    char buffer[21] = {0};
    int value = 0;
    if (VYKGetUserString(name, buffer, (int)sizeof buffer) && std::sscanf(buffer, "%d", &value) == 1) return value;
    return 0;
}

void read_short_keys()
{
    if (g_short_keys_read) return;
    g_short_keys_read = true;
    g_key_break = read_short_key("UseSheetBreakShortKey");
    g_key_ok = read_short_key("UseSheetOkShortKey");
    g_key_help = read_short_key("UseSheetHelpShortKey");
    g_key_jump = read_short_key("UseSheetJumpShortKey");
}

char* copy_text(const char* text)
{
    if (!text) return nullptr;
    size_t n = std::strlen(text);
    char* copy = static_cast<char*>(std::malloc(n + 1));
    if (copy) std::memcpy(copy, text, n + 1);
    return copy;
}

// Grows the extent; returns whether the height was raised.
bool grow(Scrollable_View_Area* s, int width, int height)
{
    s->content_width = std::max(s->content_width, width);
    if (height > s->content_height) {
        s->content_height = height;
        return true;
    }
    return false;
}

// Style of a text from the font's style bits; the last bit found wins.
int style_of(int font)
{
    int style = 0;
    if (font & SVA_FONT_BOLD) style = 1;
    if (font & SVA_FONT_LIGHT_SHADOW) style = 3;
    if (font & SVA_FONT_SHADOW) style = 2;
    return style;
}

constexpr int kFieldFontBits = SVA_FONT_BOLD | 0x1000;

void free_item(SvaItem* item)
{
    switch (item->type) {
    case SVA_FLOAT_FIELD:
    case SVA_IMAGE_BUTTON:
        std::free(item->text);
        std::free(item->text2);
        break;
    case SVA_TEXT: case SVA_BITMAP: case SVA_ROTATED_TEXT: case SVA_TOGGLE: case SVA_RADIO:
    case SVA_LABELLED_VALUE: case SVA_ICON_BUTTON: case SVA_LIST_FIELD:
        std::free(item->text);
        break;
    case SVA_TEXT_FIELD:
        std::free(item->text2);
        break;
    case SVA_TEXT_EDITOR:
        sva_text_state_free(static_cast<SvaTextState*>(item->link2));
        break;
    default:
        break;
    }
    delete item;
}

void free_chain(SvaItem* item)
{
    while (item) {
        SvaItem* next = item->next;
        free_item(item);
        item = next;
    }
}

SvaItem* last_of_type(int area, int type1, int type2 = -1)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || !s->last_item) return nullptr;
    int t = s->last_item->type;
    return (t == type1 || t == type2) ? s->last_item : nullptr;
}

void remember_scroll(Scrollable_View_Area* s)
{
    if (s->active && s->handle != SVA_HANDLE_RESERVED) Inquire_Scrollable_Area_PS(s->handle, &s->scroll_x, &s->scroll_y);
}

int first_free_slot()
{
    slots_ready();
    for (int i = 0; i < SVA_MAX_AREAS; ++i)
        if (g_slots[i].handle < 0) return i;
    std::printf("maximale Anzahl Scrollable_View_Areas erreicht\n");
    std::fflush(stdout);
    return -1;
}

// A fresh slot record: no sheet area, the warm background, everything else cleared.
void fresh_slot(Scrollable_View_Area* s)
{
    *s = Scrollable_View_Area{};
    s->background = Nearest_Color_Index(kBackgroundR, kBackgroundG, kBackgroundB);
    s->frame_flag = 1;
}

// Attaches the sheet area and its sliders exactly as creating does.
void attach_sheet_area(int area, Scrollable_View_Area* s, int x1, int y1, int x2, int y2, int hslider,
                       int vslider)
{
    s->x1 = x1;
    s->y1 = y1;
    s->x2 = vslider ? x2 - SVA_SLIDER_WIDTH : x2;
    s->y2 = hslider ? y2 - SVA_SLIDER_WIDTH : y2;
    // The sheet places the sliders inside the rectangle it is given: in the 17 pixels the slot
    // leaves free beside and below the pane.
    s->handle = Add_Scrollable_Area_to_PS(x1, y1, x2, y2, 1, 0, 10, 10, sva_draw_callback, s, 1);
    if (s->handle < 0) s->handle = SVA_HANDLE_RESERVED + 1 + area;   // keeps the slot in use
    s->vslider = 0;
    s->hslider = 0;
    if (vslider) {
        s->vslider = Add_VSlider_to_Scrollable_Area(s->handle, 5, 10, -1, 0);
        Set_VSlider_Speed(s->vslider, 0.1, 0.0);
    }
    if (hslider) {
        s->hslider = Add_HSlider_to_Scrollable_Area(s->handle, 5, 10, -1, 0);
        Set_HSlider_Speed(s->hslider, 0.1, 0.0);
    }
    s->active = 1;
}

} // namespace

Scrollable_View_Area* sva_slot(int area)
{
    slots_ready();
    if (area < 0 || area >= SVA_MAX_AREAS) return nullptr;
    Scrollable_View_Area* s = &g_slots[area];
    return s->handle < 0 ? nullptr : s;
}

int sva_short_key_break(void) { return g_key_break; }
int sva_short_key_ok(void) { return g_key_ok; }
int sva_short_key_help(void) { return g_key_help; }
int sva_any_short_key(void) { return g_key_break || g_key_ok || g_key_help || g_key_jump; }

void sva_reset_short_keys(void)
{
    g_short_keys_read = false;
    g_key_break = g_key_ok = g_key_help = g_key_jump = 0;
}

int sva_create(int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider)
{
    read_short_keys();
    int area = first_free_slot();
    if (area < 0) return -1;
    Scrollable_View_Area* s = &g_slots[area];
    fresh_slot(s);
    attach_sheet_area(area, s, x1, y1, x2, y2, horizontal_slider, vertical_slider);
    return area;
}

int sva_reserve(void)
{
    int area = first_free_slot();
    if (area < 0) return -1;
    Scrollable_View_Area* s = &g_slots[area];
    fresh_slot(s);
    s->handle = SVA_HANDLE_RESERVED;
    return area;
}

void sva_attach(int area, int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || s->handle != SVA_HANDLE_RESERVED) return;
    attach_sheet_area(area, s, x1, y1, x2, y2, horizontal_slider, vertical_slider);
}

void sva_free_items(int area)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    free_chain(s->first_item);
    s->first_item = s->last_item = nullptr;
    s->content_width = s->content_height = 0;
}

void sva_delete(int area)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    remember_scroll(s);
    sva_free_items(area);
    s->handle = -1;
    s->active = 0;
}

void sva_clear(int area)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    remember_scroll(s);
    sva_free_items(area);
}

void sva_delete_all(void)
{
    slots_ready();
    for (int i = 0; i < SVA_MAX_AREAS; ++i) {
        sva_delete(i);
        g_slots[i].handle = -1;
    }
}

void sva_set_background(int area, int palette_index)
{
    if (Scrollable_View_Area* s = sva_slot(area)) s->background = palette_index;
}

int sva_get_background(int area)
{
    Scrollable_View_Area* s = sva_slot(area);
    return s ? s->background : -1;
}

void sva_set_frameflag(int area, int flag)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    s->frame_flag = flag;
    if (s->handle != SVA_HANDLE_RESERVED) Set_Scrollable_Area_PS_Frameflag(s->handle, flag);
}

void sva_set_escape_target(int area, int code, int* target)
{
    if (Scrollable_View_Area* s = sva_slot(area)) {
        s->break_code = code;
        s->break_target = target;
    }
}

void sva_set_enter_target(int area, int code, int* target)
{
    if (Scrollable_View_Area* s = sva_slot(area)) {
        s->ok_code = code;
        s->ok_target = target;
    }
}

void sva_set_help_target(int area, int code, int* target)
{
    if (Scrollable_View_Area* s = sva_slot(area)) {
        s->help_code = code;
        s->help_target = target;
    }
}

void sva_set_end_on_key(int area, int flag)
{
    if (Scrollable_View_Area* s = sva_slot(area)) s->end_on_key = flag;
}

void sva_set_end_on_right_button(int area, int flag)
{
    if (Scrollable_View_Area* s = sva_slot(area)) s->end_on_right_button = flag;
}

void sva_set_stop_flag(int area, int* flag)
{
    if (Scrollable_View_Area* s = sva_slot(area)) s->stop_flag = flag;
}

void sva_set_hover_rect(int area, int x1, int y1, int x2, int y2)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    s->hover_rect_flag = 1;
    s->hover_x1 = x1;
    s->hover_y1 = y1;
    s->hover_x2 = x2;
    s->hover_y2 = y2;
}

void sva_set_activity(int area, int activity)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || s->active == activity) return;
    s->active = activity;
    if (s->handle == SVA_HANDLE_RESERVED) return;
    if (s->vslider) Change_Activity_PS(s->vslider, activity);
    if (s->hslider) Change_Activity_PS(s->hslider, activity);
    Change_Activity_PS(s->handle, activity);
}

void sva_reshape(int area, int x1, int y1, int x2, int y2)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || s->handle == SVA_HANDLE_RESERVED) return;
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    Reshape_Scrollable_Area_PS(s->handle, x1, y1, x2 + (s->vslider ? SVA_SLIDER_WIDTH : 0),
                               y2 + (s->hslider ? SVA_SLIDER_WIDTH : 0), 5, 10, 5, 10);
    s->x1 = x1 - dx;
    s->y1 = y1 - dy;
    s->x2 = x2 - dx;
    s->y2 = y2 - dy;
}

void sva_update(int area)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || s->handle == SVA_HANDLE_RESERVED) return;
    Resize_Origin_of_Scrollable_Area_PS(s->handle, s->content_width, s->content_height);
    Set_Scrollable_Area_PS(s->handle, s->scroll_x, s->scroll_y);
    Inquire_Scrollable_Area_PS(s->handle, &s->scroll_x, &s->scroll_y);
    if (s->vslider) Change_Activity_PS(s->vslider, s->y2 - s->y1 < s->content_height ? 1 : -1);
    if (s->hslider) Change_Activity_PS(s->hslider, s->x2 - s->x1 < s->content_width ? 1 : -1);
    Change_Activity_PS(s->handle, 1);
}

SvaItem* sva_new_item(int area)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return nullptr;
    SvaItem* item = new SvaItem{};
    if (s->last_item) s->last_item->next = item;
    else s->first_item = item;
    s->last_item = item;
    return item;
}

// Constructors ------------------------------------------------------------------------------

namespace {

// The common result of texts, check boxes, alternatives and number fields.
int add_labelled(Scrollable_View_Area* s, int x1, int y, int label_width)
{
    s->content_width = std::max(s->content_width, x1 + label_width + kMargin);
    return grow(s, 0, y + kMargin) ? y + kMargin : y + kMargin - 1;
}

// Extent of an item spanning two points; true when the second point raised the height.
bool grow_span(Scrollable_View_Area* s, int x1, int y1, int x2, int y2)
{
    grow(s, x1 + kMargin, y1 + kMargin);
    return grow(s, x2 + kMargin, y2 + kMargin);
}

// A new item of the type at the end of the list, with its rectangle (or point and style).
SvaItem* new_item_at(int area, int type, int x1, int y1, int x2, int y2)
{
    SvaItem* it = sva_new_item(area);
    it->type = type;
    it->x1 = x1;
    it->y1 = y1;
    it->x2 = x2;
    it->y2 = y2;
    return it;
}

} // namespace

int sva_add_text(int area, int x, int y, const char* text, int font, int colour, int alignment)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return 0;
    SvaItem* it = sva_new_item(area);
    it->type = SVA_TEXT;
    it->x2 = style_of(font);
    it->font = font & ~(SVA_FONT_BOLD | SVA_FONT_SHADOW | SVA_FONT_LIGHT_SHADOW);
    it->colour = colour;
    it->text = copy_text(text);
    int w = text_pixel_width_in_font(text, it->font);
    it->x1 = alignment == 1 ? x - w : x;
    it->y1 = y;
    return add_labelled(s, it->x1, y, w);
}

int sva_add_line(int area, int x1, int y1, int x2, int y2, int colour)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return 0;
    SvaItem* it = new_item_at(area, SVA_LINE, x1, y1, x2, y2);
    it->colour = colour;
    return grow_span(s, x1, y1, x2, y2) ? y2 + kMargin : y2 + kMargin - 1;
}

int sva_add_bitmap(int area, const char* file, int x1, int y1, int x2, int y2, int colour)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return 0;
    SvaItem* it = new_item_at(area, SVA_BITMAP, x1, y1, x2, y2);
    it->text = copy_text(file);
    it->colour = colour;
    return grow_span(s, x1, y1, x2, y2) ? y2 + kMargin : y2 + kMargin - 1;
}

void sva_add_graphics(int area, int x1, int y1, int x2, int y2, void* data, SvaDrawCallback draw)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    SvaItem* it = new_item_at(area, SVA_GRAPHICS, x1, y1, x2, y2);
    it->link1 = data;
    it->draw_callback = draw;
    grow_span(s, x1, y1, x2, y2);
}

void sva_add_picture(int area, int x, int y, const SvaPicture* picture, int colour)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || !picture) return;
    SvaItem* it = new_item_at(area, SVA_PICTURE, x, y, x + picture->width - 1, y + picture->height - 1);
    it->colour = colour;
    it->link1 = const_cast<SvaPicture*>(picture);
    grow(s, x + kMargin, y + kMargin);
    grow(s, x + picture->width + kMargin - 1, y + picture->height + kMargin - 1);
}

void sva_add_rotated_text(int area, int x, int y, const char* text, int font, int colour, int angle)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    SvaItem* it = new_item_at(area, SVA_ROTATED_TEXT, x, y, (font & SVA_FONT_BOLD) ? 1 : 0, 0);
    it->font = font & ~SVA_FONT_BOLD;
    it->y2 = angle == 90 ? 256 : angle == 180 ? 512 : angle == 270 ? 1024 : 0;
    it->colour = colour;
    it->text = copy_text(text);
    int w = text_pixel_width_in_font(text, it->font);
    if (angle == 270) grow(s, x + kMargin, y + w + kMargin);
    else if (angle == 90 || angle == 180) grow(s, x + kMargin, y + kMargin);
    else grow(s, x + w + kMargin, y + kMargin);
}

namespace {

SvaItem* add_mark(int area, int type, int x, int y, const char* label, int font, int colour, int* state,
                  int* active)
{
    SvaItem* it = sva_new_item(area);
    it->type = type;
    it->x1 = x;
    it->y1 = y;
    it->x2 = (font & SVA_FONT_BOLD) ? 1 : 0;
    it->font = font & ~SVA_FONT_BOLD;
    it->colour = colour;
    it->text = copy_text(label);
    it->state = state;
    it->active = active;
    return it;
}

} // namespace

int sva_add_toggle(int area, int x, int y, const char* label, int font, int colour, int* state, int* active)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return 0;
    SvaItem* it = add_mark(area, SVA_TOGGLE, x, y, label, font, colour, state, active);
    return add_labelled(s, x, y, text_pixel_width_in_font(label, it->font));
}

int sva_add_radio(int area, int x, int y, const char* label, int font, int colour, int value, int* state,
                  int* active)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return 0;
    SvaItem* it = add_mark(area, SVA_RADIO, x, y, label, font, colour, state, active);
    it->number = value;
    return add_labelled(s, x, y, text_pixel_width_in_font(label, it->font));
}

void sva_add_labelled_value(int area, int x, int y, const char* text, int font, int colour, int alignment,
                            int highlight_colour, int own_value, int* target)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    SvaItem* it = sva_new_item(area);
    it->type = SVA_LABELLED_VALUE;
    it->x2 = (font & SVA_FONT_BOLD) ? 1 : 0;
    it->font = font & ~SVA_FONT_BOLD;
    it->colour = colour;
    it->text = copy_text(text);
    int w = text_pixel_width_in_font(text, it->font);
    it->x1 = alignment == 1 ? x - w : x;
    it->y1 = y;
    it->number2 = highlight_colour;
    it->link2 = reinterpret_cast<void*>(static_cast<intptr_t>(own_value));
    it->link3 = target;
    add_labelled(s, it->x1, y, w);
}

int sva_add_float_field(int area, int x, int y, double* value, const char* format, int font, int colour,
                        int* active)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return 0;
    SvaItem* it = new_item_at(area, SVA_FLOAT_FIELD, x, y, (font & SVA_FONT_BOLD) ? 1 : 0, 0);
    it->font = font & ~kFieldFontBits;
    it->colour = colour;
    it->value = value;
    it->active = active;
    it->text = copy_text(format ? format : "%g");
    char shown[512];
    it->number = c_snprintf(shown, sizeof shown, it->text, 0.0);
    if (it->number < 0) it->number = 0;
    sva_float_text(it, shown, (int)sizeof shown);
    return add_labelled(s, x, y, text_pixel_width_in_font(shown, it->font));
}

int sva_add_box(int area, int x1, int y1, int x2, int y2, int colour)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return 0;
    SvaItem* it = new_item_at(area, SVA_BOX, x1, y1, x2, y2);
    it->colour = colour;
    grow(s, std::max(x1, x2), std::max(y1, y2));
    return y2;
}

void sva_add_icon_button(int area, int x1, int y1, int x2, int y2, int value, int* target)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    SvaItem* it = new_item_at(area, SVA_ICON_BUTTON, x1, y1, x2, y2);
    it->link2 = reinterpret_cast<void*>(static_cast<intptr_t>(value));
    it->link3 = target;
    grow(s, x2 + kMargin, y1 + kMargin);
}

void sva_add_group_marker(int area, int key)
{
    if (SvaItem* it = sva_new_item(area)) {
        it->type = SVA_GROUP_MARKER;
        it->number = key;
    }
}

void sva_add_icon(int area, const void* image, int x1, int y1, int x2, int y2, int colour)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    SvaItem* it = new_item_at(area, SVA_ICON, x1, y1, x2, y2);
    it->link2 = const_cast<void*>(image);
    it->colour = colour;
    grow_span(s, x1, y1, x2, y2);
}

void sva_add_text_field(int area, int x, int y, char* buffer, int font, int colour, int* active)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || !buffer) return;
    SvaItem* it = new_item_at(area, SVA_TEXT_FIELD, x, y, (font & SVA_FONT_BOLD) ? 1 : 0, 0);
    it->font = font & ~kFieldFontBits;
    it->colour = colour;
    it->text = buffer;
    it->number = (int)std::strlen(buffer);
    it->y2 = it->number;
    it->active = active;
    grow(s, x + text_pixel_width_in_font(buffer, it->font) + kMargin, y + kMargin);
}

void sva_add_choice_field(int area, int x, int y, const SvaChoiceEntry* entries, int font, int visible_width,
                          int count, int* selection, int* active)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    SvaItem* it = new_item_at(area, SVA_CHOICE_FIELD, x, y, (font & SVA_FONT_BOLD) ? 1 : 0, 0);
    it->font = font & ~SVA_FONT_BOLD;
    it->colour = visible_width;
    it->number = visible_width * (RFONT_SPACE + RFONT_WIDTH);
    it->number2 = count;
    it->link3 = const_cast<SvaChoiceEntry*>(entries);
    it->state = selection;
    it->active = active;
    if (selection && (*selection < 0 || *selection >= count)) *selection = 0;
    grow(s, x + it->number + kMargin, y + kMargin);
}

void sva_add_list_field(int area, int x, int y, const char* file, int image_width, int image_height, int count,
                        int number, int* selection, int* active)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    SvaItem* it = new_item_at(area, SVA_LIST_FIELD, x, y, 0, 0);
    it->text = copy_text(file);
    it->x2 = image_width;
    it->y2 = image_height;
    it->number2 = count;
    it->number = number;
    it->state = selection;
    it->active = active;
    if (selection && (*selection < 0 || *selection >= count)) *selection = 0;
    grow(s, x + image_width + 31, y + image_height + 16);
}

int sva_add_image_button(int area, int x, int y, int width, int height, const char* file, int source_y,
                         int transparent_colour, int pointer_shape, const char* caption, int code, int* result,
                         int* active)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return 0;
    SvaItem* it = new_item_at(area, SVA_IMAGE_BUTTON, x, y, x + width, y + height);
    it->text = copy_text(file);
    it->number = source_y;
    it->number2 = transparent_colour;
    it->colour = pointer_shape;
    it->text2 = copy_text(caption);
    it->font = code;
    it->state = result;
    it->active = active;
    // As for a bitmap: the y just below the button.
    int bottom = std::max(it->y1, it->y2);
    return grow(s, std::max(it->x1, it->x2), bottom) ? bottom + kMargin : bottom + kMargin - 1;
}

int sva_add_text_editor(int area, int x1, int y1, int x2, int y2, char* buffer, int max_length, int text_colour,
                        int background, int frame_flag, int* active)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || !buffer) return 0;
    SvaItem* it = new_item_at(area, SVA_TEXT_EDITOR, x1, y1, x2, y2);
    it->text = buffer;
    it->colour = text_colour;
    it->number2 = background;
    it->number = frame_flag;
    it->active = active;
    it->link2 = sva_text_state_new(it, buffer, max_length);
    return grow(s, x2 + 4, y2 + 4) ? y2 + 4 : y2 + 3;
}

// Modifiers ---------------------------------------------------------------------------------

void sva_set_last_bitmap_fixed(int area)
{
    if (SvaItem* it = last_of_type(area, SVA_BITMAP)) it->number = 1;
}

void sva_set_last_toggle_images(int area, const void* on_image, const void* off_image)
{
    if (SvaItem* it = last_of_type(area, SVA_TOGGLE, SVA_RADIO)) {
        it->link1 = const_cast<void*>(on_image);
        it->link2 = const_cast<void*>(off_image);
    }
}

void sva_set_last_icon_value(int area, int pointer_shape)
{
    if (SvaItem* it = last_of_type(area, SVA_ICON_BUTTON)) it->number = pointer_shape;
}

void sva_set_last_icon_comment(int area, const char* text, int font, int colour, int flag)
{
    SvaItem* it = last_of_type(area, SVA_ICON_BUTTON);
    if (!it) return;
    std::free(it->text);
    it->text = copy_text(text);
    it->font = font & ~SVA_FONT_BOLD;
    it->colour = colour;
    it->number2 = ((font & SVA_FONT_BOLD) ? 1 : 0) | (flag == 1 ? 16 : 0);
}

void sva_set_last_text_width(int area, int n)
{
    if (SvaItem* it = last_of_type(area, SVA_TEXT_FIELD)) it->y2 = std::min(n, it->number);
}

void sva_set_last_field_comment(int area, const char* text)
{
    if (SvaItem* it = last_of_type(area, SVA_FLOAT_FIELD, SVA_TEXT_FIELD)) {
        std::free(it->text2);
        it->text2 = copy_text(text);
    }
}

void sva_set_last_range(int area, double lower, double upper, int decimals)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || !s->last_item || s->last_item->type != SVA_FLOAT_FIELD) return;
    s->last_item->ranged = 1;
    s->last_item->lower = lower;
    s->last_item->upper = upper;
    s->last_item->range_decimals = decimals;
}

void sva_set_last_callback(int area, SvaChangeCallback callback)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || !s->last_item) return;
    switch (s->last_item->type) {
    case SVA_TOGGLE: case SVA_RADIO: case SVA_FLOAT_FIELD: case SVA_CHOICE_FIELD: case SVA_LIST_FIELD:
        s->last_item->change_callback = callback;
        break;
    default:
        break;
    }
}

void sva_set_last_editor_font(int area, int font)
{
    if (SvaItem* it = last_of_type(area, SVA_TEXT_EDITOR))
        if (auto* state = static_cast<SvaTextState*>(it->link2)) state->font = font;
}

void sva_delete_from_marker(int area, int key)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    SvaItem* before = nullptr;
    for (SvaItem* it = s->first_item; it; before = it, it = it->next) {
        if (it->type != SVA_GROUP_MARKER || it->number != key) continue;
        if (before) before->next = nullptr;
        else s->first_item = nullptr;
        s->last_item = before;
        free_chain(it);
        return;
    }
}

// Queries -----------------------------------------------------------------------------------

void sva_inquire_scroll(int area, int* x, int* y)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || s->handle == SVA_HANDLE_RESERVED) return;
    Inquire_Scrollable_Area_PS(s->handle, x, y);
}

void sva_save_scroll(int area)
{
    if (Scrollable_View_Area* s = sva_slot(area)) sva_inquire_scroll(area, &s->scroll_x, &s->scroll_y);
}

void sva_get_view_size(int area, int* w, int* h)
{
    if (Scrollable_View_Area* s = sva_slot(area)) {
        *w = s->x2 - s->x1;
        *h = s->y2 - s->y1;
    }
}

void sva_get_extent(int area, int* w, int* h)
{
    if (Scrollable_View_Area* s = sva_slot(area)) {
        *w = s->content_width;
        *h = s->content_height;
    }
}

void sva_get_screen_origin(int area, int* x, int* y)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    *x = dx + s->x1;
    *y = dy + s->y1;
}

char* text_copy_n(const char* text, int n)
{
    if (n < 1) n = 1;
    char* buffer = static_cast<char*>(std::calloc((size_t)n + 1, 1));
    if (!buffer) return nullptr;
    if (!text) buffer[0] = '\n';
    else std::strncpy(buffer, text, (size_t)n);
    return buffer;
}

int text_pixel_width(const char* text, int n)
{
    if (!text || n <= 0) return 0;
    int xs[4], ys[4];
    pxQTxX(text, n, 0, 0, xs, ys);
    return xs[1] - xs[0];
}
