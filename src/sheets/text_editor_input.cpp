#include "sheets/text_editor.h"

#include "platform/env/vyk_process.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"

#include <cstdlib>

namespace {

// Events of the editing loop: moves, right button, wheel, keys, and the left press.
constexpr int kEditMask = VYK_EV_MOVE | VYK_EV_RIGHT | VYK_EV_WHEEL | VYK_EV_KEY | VYK_EV_LEFT_DOWN;
// Events while the left button is held: release, press, moves, and a time-out for scrolling.
constexpr int kDragMask = VYK_EV_TIMEOUT | VYK_EV_LEFT_DOWN | VYK_EV_LEFT_UP | VYK_EV_MOVE;
constexpr int kDragTimeout = 50;
constexpr int kDragSlack = 5;   // pixels a press may wander before it selects

MenueEntry g_menu_entries[1] = {{"Sonderzeichen", 1, nullptr, "_SPEC", 0, sva_insert_special_character}};
MenueRecord g_menu = {1, 13, 0, 0, 0, g_menu_entries, 0, 0};

bool inside_editor(const SvaTextState* s, int x, int y)
{
    return x >= s->x1 && x <= s->x2 && y >= s->y1 && y <= s->y2;
}

bool more_below(const SvaTextState* s) { return s->first_line + s->visible_lines < s->line_count - 2; }

void redraw(SvaTextState* s)
{
    sva_draw_text_lines(s->item, s->x1, s->y1, s->x2, s->y2);
    sva_scroll_to_cursor(s);
    sva_text_cursor_show(s);
}

void wheel(SvaTextState* s)
{
    if (M_SCROLL < 0 && more_below(s)) {
        ++s->first_line;
        move_caret(0, 1, s);
    } else if (M_SCROLL > 0 && s->first_line > 0) {
        --s->first_line;
        move_caret(0, -1, s);
    }
    redraw(s);
    M_SCROLL = 0;
}

// Selection by dragging from the press point until the button is released.
void drag_select(SvaTextState* s)
{
    caret_from_mouse(s);
    int press_x = M_XPOS, press_y = M_YPOS;
    char* anchor = s->cursor;
    bool selecting = false;
    VYKMessage record;
    InitVYKMessage(&record);
    record.timeout_ms = kDragTimeout;
    while (M_LEFT) {
        int got = GetVYKMessage(kDragMask, &record);
        if (got == 0) break;   // nothing more to wait for
        if (!selecting && std::abs(M_XPOS - press_x) <= kDragSlack && std::abs(M_YPOS - press_y) <= kDragSlack) continue;
        if (M_YPOS >= s->y2 && more_below(s)) {
            ++s->first_line;
            VYKSleep(50);
        } else if (M_YPOS <= s->y1 && s->first_line > 0) {
            --s->first_line;
            VYKSleep(50);
        }
        caret_from_mouse(s);
        if (s->cursor != anchor) {
            selecting = true;
            s->selection_start = anchor < s->cursor ? anchor : s->cursor;
            s->selection_end = anchor < s->cursor ? s->cursor : anchor;
            sva_text_cursor_hide(s);
            sva_draw_text_lines(s->item, s->x1, s->y1, s->x2, s->y2);
            sva_text_cursor_show(s);
        }
    }
    if (!selecting) redraw_text_field(s);
}

} // namespace

const MenueRecord* sva_text_editor_menu(void) { return &g_menu; }

void caret_from_mouse(SvaTextState* state)
{
    sva_text_place_cursor(state, M_XPOS, M_YPOS);
}

void sva_insert_special_character(void)
{
    SvaTextState* s = sva_active_text_editor();
    int c = Get_UserSelected_SpecialCharacter();
    if (!s || c < 0) return;
    sva_text_insert_char(c, s);
}

void sva_text_edit(SvaItem* item, int x1, int y1, int x2, int y2, int pane_x1, int pane_y1, int pane_x2,
                   int pane_y2)
{
    auto* s = static_cast<SvaTextState*>(item ? item->link2 : nullptr);
    if (!s) return;
    int ox1, oy1, ox2, oy2, px1, py1, px2, py2;
    pxQVwp(&ox1, &oy1, &ox2, &oy2);
    pxView(pane_x1, pane_y1, pane_x2, pane_y2);
    pxQVwp(&px1, &py1, &px2, &py2);
    pxView(x1, y1, x2, y2);
    s->x1 = x1;
    s->y1 = y1;
    s->x2 = x2;
    s->y2 = y2;
    s->erase_colour = item->number2;
    s->text_colour = item->colour;
    s->text = item->text;
    s->item = item;
    sva_text_set_active(s);
    Pop_RFont(s->font);
    sva_draw_text_lines(item, x1, y1, x2, y2);
    caret_from_mouse(s);
    sva_text_cursor_show(s);
    draw_scroll_marks(s);
    pxFlsh();

    GetVYKMessage(VYK_EV_LEFT_UP, nullptr);
    VYKMessage record;
    for (;;) {
        InitVYKMessage(&record);
        int got = GetVYKMessage(kEditMask, &record);
        if (got == 0) break;   // nothing more to wait for
        if (got == VYK_EV_WHEEL || M_SCROLL) {
            wheel(s);
        } else if (got == VYK_EV_LEFT_DOWN || (got != VYK_EV_KEY && M_LEFT)) {
            if (!inside_editor(s, M_XPOS, M_YPOS)) break;
            drag_select(s);
        } else if (got == VYK_EV_RIGHT && M_RIGHT) {
            Menue_Manager(&g_menu);
            redraw(s);
        } else if (got == VYK_EV_KEY) {
            if (sva_text_key(record.key, s)) redraw(s);
        }
        draw_scroll_marks(s);
        pxFlsh();
    }
    sva_text_cursor_hide(s);
    s->first_line = 0;
    s->selection_start = s->selection_end = nullptr;
    sva_draw_text_lines(item, x1, y1, x2, y2);
    Push_RFont();
    pxView(px1, py1, px2, py2);
    pxView(ox1, oy1, ox2, oy2);
    sva_text_set_active(nullptr);
    pxFlsh();
}
