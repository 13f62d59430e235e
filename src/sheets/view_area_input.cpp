#include "sheets/view_area_input.h"

#include "environment/dialog_text.h"
#include "platform/env/vyk_process.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/list_popups.h"
#include "sheets/text_editor.h"
#include "sheets/typed_numbers.h"
#include "sheets/view_area_drawing.h"

#include <algorithm>
#include <cfloat>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The pane on the screen and the scroll position at the time of the click.
struct Pane {
    int x1, y1, x2, y2;
    int sx, sy;
    int X(int x) const { return x1 + x - sx; }
    int Y(int y) const { return y1 + y - sy; }
};

Pane pane_of(Scrollable_View_Area* s)
{
    Pane p{};
    sva_pane_on_screen(s, &p.x1, &p.y1, &p.x2, &p.y2);
    p.sx = s->scroll_x;
    p.sy = s->scroll_y;
    Inquire_Scrollable_Area_PS(s->handle, &p.sx, &p.sy);
    return p;
}

bool item_active(const SvaItem* it) { return !it->active || *it->active != 0; }

bool inside(int x, int y, int x1, int y1, int x2, int y2) { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }

void wait_for_release()
{
    while (M_LEFT)
        if (!Get_Mouse_Event()) break;
}

void redraw_if_active(int area, Scrollable_View_Area* s)
{
    if (s->active) sva_redraw(area);
}

bool is_field(int type)
{
    return type == SVA_FLOAT_FIELD || type == SVA_TEXT_FIELD || type == SVA_CHOICE_FIELD || type == SVA_LIST_FIELD;
}

int text_field_width(const SvaItem* it)
{
    return it->y2 * (text_pixel_width_in_font("X", it->font) + 1);
}

int float_field_width(const SvaItem* it)
{
    char shown[512];
    sva_float_text(it, shown, (int)sizeof shown);
    return text_pixel_width_in_font(shown, it->font);
}

// Width a field takes when the chain brings it into view.
int chain_width(const SvaItem* it)
{
    switch (it->type) {
    case SVA_CHOICE_FIELD: return it->number + 18;
    case SVA_LIST_FIELD: return it->x2 + 20;
    case SVA_TEXT_FIELD: return text_field_width(it);
    default: {
        int w = float_field_width(it) + 2;
        return w + (w & 1);
    }
    }
}

// Width of a field for the hit test of a click.
int hit_width(const SvaItem* it)
{
    switch (it->type) {
    case SVA_FLOAT_FIELD: return float_field_width(it);
    case SVA_TEXT_FIELD: return text_field_width(it);
    default: return it->number + 18;
    }
}

int edit_text_field(SvaItem* it, int x, int y)
{
    int max = std::max(it->number, 0);
    // The local copy is as long as the field may grow, never a fixed size.
    std::vector<char> local((size_t)max + 1, '\0');
    std::strncpy(local.data(), it->text, (size_t)max);
    if (it->y2 < max) Set_Short_Edit_Text_Scrollmode(max);
    int code = Short_Edit_Text(x - 8, y - 14, local.data(), it->y2, 0);
    std::memcpy(it->text, local.data(), (size_t)max);
    it->text[max] = '\0';
    return code;
}

// One field editor at the field's place (steps 1 to 4 of a field edit); returns its code.
int edit_one_field(const Pane& p, SvaItem* it)
{
    int x = p.X(it->x1), y = p.Y(it->y1);
    wait_for_release();
    input_drop_waiting_keys();   // typed before the click, not meant for this field
    int code = 0;
    switch (it->type) {
    case SVA_LIST_FIELD: code = run_image_list_popup(p.y1, p.y2, x, y, it); break;
    case SVA_CHOICE_FIELD: code = run_text_list_popup(x, y, it); break;
    case SVA_FLOAT_FIELD:
        if (it->ranged) form_typed_range_begin(it->lower, it->upper, it->range_decimals);
        else form_typed_range_begin(-DBL_MAX, DBL_MAX, 0);
        code = it->value ? Short_Edit_Float(x - 8, y - 14, it->text, it->value) : 0;
        form_typed_range_end();
        break;
    case SVA_TEXT_FIELD: code = edit_text_field(it, x, y); break;
    default: break;
    }
    if (it->change_callback) {
        if (it->type == SVA_FLOAT_FIELD) it->change_callback(reinterpret_cast<intptr_t>(it->value));
        else if (it->state) it->change_callback(*it->state);
    }
    M_XPOS = x;
    M_YPOS = y - 8;
    return code;
}

void apply_scroll(int area, Scrollable_View_Area* s, int sx, int sy)
{
    s->scroll_x = sx;
    s->scroll_y = sy;
    sva_update(area);
}

// Edits the clicked field, then the following active fields while their editors end with a code.
int edit_field_chain(int area, Scrollable_View_Area* s, SvaItem* first)
{
    Pane p = pane_of(s);
    int code = edit_one_field(p, first);
    if (code == 0) {
        redraw_if_active(area, s);
        return 1;
    }
    redraw_if_active(area, s);
    for (SvaItem* it = first->next; it && code != 0; it = it->next) {
        if (!is_field(it->type) || !item_active(it)) continue;
        p = pane_of(s);
        int sx = p.sx, sy = p.sy;
        sva_field_scroll_target(it->x1, it->y1, chain_width(it), p.x1, p.y1, p.x2, p.y2, &sx, &sy);
        if (sx != p.sx || sy != p.sy) {
            apply_scroll(area, s, sx, sy);
            redraw_if_active(area, s);
            p = pane_of(s);
        }
        code = edit_one_field(p, it);
    }
    redraw_if_active(area, s);
    return 1;
}

int label_width(const SvaItem* it)
{
    return text_pixel_width_in_font(it->text, it->font);
}

bool hit_mark(const SvaItem* it, const Pane& p, int mx, int my)
{
    int x = p.X(it->x1), y = p.Y(it->y1);
    int w = label_width(it);
    int right = (it->text && w > 0) ? x + w : x - 9;
    return item_active(it) && inside(mx, my, x - 20, y - 10, right, y + 2);
}

bool hit_field(const SvaItem* it, const Pane& p, int mx, int my)
{
    if (!item_active(it)) return false;
    int x = p.X(it->x1), y = p.Y(it->y1);
    if (it->type == SVA_LIST_FIELD) return inside(mx, my, x, y, x + it->x2 + 20, y + it->y2 + 5);
    int w = hit_width(it);
    return inside(mx, my, x - 6, y - 13, x + w + 6, y + 5) && it->y1 - p.sy > 11 && y + 2 < p.y2;
}

bool hit_rect(const SvaItem* it, const Pane& p, int mx, int my)
{
    return inside(mx, my, p.X(it->x1), p.Y(it->y1), p.X(it->x2), p.Y(it->y2));
}

int press_image_button(int area, Scrollable_View_Area* s, const Pane& p, SvaItem* it)
{
    sva_draw_image_button_clipped(it, 3, p.X(it->x1), p.Y(it->y1), p.x1, p.y1, p.x2, p.y2);
    wait_for_release();
    sva_draw_image_button_clipped(it, 1, p.X(it->x1), p.Y(it->y1), p.x1, p.y1, p.x2, p.y2);
    if (it->state) *it->state = it->font;
    redraw_if_active(area, s);
    return 1;
}

// Handles a click on one item; -1 when the item was not hit.
int handle_hit(int area, Scrollable_View_Area* s, const Pane& p, SvaItem* it, int mx, int my)
{
    switch (it->type) {
    case SVA_TOGGLE:
    case SVA_RADIO:
        if (!hit_mark(it, p, mx, my)) return -1;
        if (it->state) *it->state = it->type == SVA_TOGGLE ? !*it->state : it->number;
        if (it->change_callback && it->state) it->change_callback(*it->state);
        redraw_if_active(area, s);
        wait_for_release();
        return 1;
    case SVA_LABELLED_VALUE: {
        int x = p.X(it->x1), y = p.Y(it->y1);
        if (!inside(mx, my, x - 2, y - 9, x + label_width(it) + 2, y + 2)) return -1;
        if (auto* target = static_cast<int*>(it->link3)) *target = (int)reinterpret_cast<intptr_t>(it->link2);
        redraw_if_active(area, s);
        wait_for_release();
        return 1;
    }
    case SVA_FLOAT_FIELD:
    case SVA_TEXT_FIELD:
    case SVA_CHOICE_FIELD:
    case SVA_LIST_FIELD:
        if (!hit_field(it, p, mx, my)) return -1;
        return edit_field_chain(area, s, it);
    case SVA_ICON_BUTTON:
        if (!hit_rect(it, p, mx, my)) return -1;
        if (auto* target = static_cast<int*>(it->link3)) *target = (int)reinterpret_cast<intptr_t>(it->link2);
        redraw_if_active(area, s);
        wait_for_release();
        return 1;
    case SVA_IMAGE_BUTTON:
        if (!item_active(it) || !hit_rect(it, p, mx, my)) return -1;
        return press_image_button(area, s, p, it);
    case SVA_TEXT_EDITOR:
        if (!hit_rect(it, p, mx, my)) return -1;
        sva_text_edit(it, p.X(it->x1), p.Y(it->y1), p.X(it->x2), p.Y(it->y2), p.x1, p.y1, p.x2, p.y2);
        return 0;
    default:
        return -1;
    }
}

// A short key the hover loop ended on: stored into its target, or left waiting.
int short_key(Scrollable_View_Area* s, int key)
{
    if (key == SVA_KEY_ESC && sva_short_key_break() && s->break_target) {
        *s->break_target = s->break_code;
        return 1;
    }
    if (key == SVA_KEY_ENTER && sva_short_key_ok() && s->ok_target) {
        *s->ok_target = s->ok_code;
        return 1;
    }
    if (key == SVA_KEY_F1 && sva_short_key_help() && s->help_target) {
        *s->help_target = s->help_code;
        return 1;
    }
    InputEvent e{INPUT_KEY, M_XPOS, M_YPOS, key, 0};
    input_unget(e);
    return 0;
}

int scroll_range(int content, int view) { return content - view; }

} // namespace

int sva_edit(int area)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || s->handle == SVA_HANDLE_RESERVED) return 0;
    if (!M_LEFT) sva_hover_loop(area);
    int key = sva_hover_take_key();
    if (getkeymask() == 1) return 0;
    if (!M_LEFT) return key ? short_key(s, key) : 0;

    Pane p = pane_of(s);
    int mx = M_XPOS, my = M_YPOS;
    int changed = 0;
    for (SvaItem* it = s->first_item; it; it = it->next) {
        if (it->type != SVA_LABELLED_VALUE) continue;
        auto* target = static_cast<int*>(it->link3);
        if (target && *target != 0) {
            *target = 0;
            changed = 1;
        }
    }
    for (SvaItem* it = s->first_item; it; it = it->next) {
        int result = handle_hit(area, s, p, it, mx, my);
        if (result >= 0) return result;
    }
    if (changed) redraw_if_active(area, s);
    wait_for_release();
    return changed;
}

void sva_field_scroll_target(int x, int y, int w, int X1, int Y1, int right, int bottom, int* sx, int* sy)
{
    if (x - *sx <= 8) *sx = x - 9;
    if (y - *sy <= 12) *sy = y - 13;
    if (X1 + x - *sx + w + 5 >= right) *sx = X1 + x + w - right + 6;
    if (Y1 + y - *sy + 4 >= bottom) *sy = Y1 + y - bottom + 5;
    *sx = std::max(*sx, 0);
    *sy = std::max(*sy, 0);
}

void sva_set_scroll_fraction(int area, double fx, double fy)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    if (fx >= 0 && s->hslider)
        s->scroll_x = (int)(std::max(scroll_range(s->content_width, s->x2 - s->x1), 0) * std::min(fx, 1.0));
    if (fy >= 0 && s->vslider)
        s->scroll_y = (int)(std::max(scroll_range(s->content_height, s->y2 - s->y1), 0) * std::min(fy, 1.0));
}

void sva_get_scroll_fraction(int area, double* fx, double* fy)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    int rx = scroll_range(s->content_width, s->x2 - s->x1), ry = scroll_range(s->content_height, s->y2 - s->y1);
    *fx = s->hslider && rx > 0 ? (double)s->scroll_x / rx : 0.0;
    *fy = s->vslider && ry > 0 ? (double)s->scroll_y / ry : 0.0;
}

void sva_scroll_by(int area, int* dx, int* dy)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    sva_save_scroll(area);
    auto move = [](int* position, int* delta, int range) {
        int target = std::max(0, std::min(*position + *delta, std::max(range, 0)));
        *delta = target - *position;
        *position = target;
    };
    // An axis without a slider does not move: its delta reports no movement.
    if (s->hslider) move(&s->scroll_x, dx, scroll_range(s->content_width, s->x2 - s->x1));
    else *dx = 0;
    if (s->vslider) move(&s->scroll_y, dy, scroll_range(s->content_height, s->y2 - s->y1));
    else *dy = 0;
}

void sva_scroll_into_view(int area, int x1, int y1, int x2, int y2)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s) return;
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, s->content_width);
    y2 = std::min(y2, s->content_height);
    int W = s->x2 - s->x1, H = s->y2 - s->y1;
    int sx = s->scroll_x, sy = s->scroll_y;
    if (x1 >= sx && x2 <= sx + W && y1 >= sy && y2 <= sy + H) return;
    int tx = (x1 >= sx && x2 - x1 < W) ? x2 - W : x1;
    int ty = (y1 >= sy && y2 - y1 < H) ? y2 - H : y1;
    // The range wins over 0 when it is negative.
    tx = std::min(std::max(tx, 0), scroll_range(s->content_width, W));
    ty = std::min(std::max(ty, 0), scroll_range(s->content_height, H));
    int dx = tx - sx, dy = ty - sy;
    for (int k = 1; k <= 10; ++k) {
        apply_scroll(area, s, sx + k * dx / 10, sy + k * dy / 10);
        VYKSleep(30);
    }
}
