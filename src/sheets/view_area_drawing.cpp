#include "sheets/view_area_drawing.h"

#include "environment/dialog_text.h"
#include "platform/os/c_numeric.h"
#include "platform/screen/cursor.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/sheet_images.h"
#include "sheets/text_editor.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

struct Palette {
    bool ready = false;
    int grey, black, white;
};
Palette g_palette;

const Palette& palette()
{
    if (!g_palette.ready) {
        g_palette.grey = Nearest_Color_Index(SVA_INACTIVE_R, SVA_INACTIVE_G, SVA_INACTIVE_B);
        g_palette.black = Nearest_Color_Index(0, 0, 0);
        g_palette.white = Nearest_Color_Index(255, 255, 255);
        g_palette.ready = true;
    }
    return g_palette;
}

// The comment box on the screen, kept so that exactly its rectangle is restored.
struct Tooltip {
    bool colours_ready = false;
    int fill = 0, frame = 0;
    bool shown = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
Tooltip g_tooltip;

constexpr unsigned kDots = 0xAAAAAAAAu;
constexpr int kTooltipFont = 4096;

// Content to screen: the pane's origin minus the scroll position.
struct Mapping {
    int ox, oy;   // screen position of content (0, 0)
    int x1, y1, x2, y2;
    int X(int x) const { return ox + x; }
    int Y(int y) const { return oy + y; }
    bool meets(int a1, int b1, int a2, int b2) const
    {
        return std::max(X(a1), X(a2)) >= x1 && std::min(X(a1), X(a2)) <= x2 && std::max(Y(b1), Y(b2)) >= y1 &&
               std::min(Y(b1), Y(b2)) <= y2;
    }
};

bool item_active(const SvaItem* it) { return !it->active || *it->active != 0; }

int even_up(int w) { return w + (w & 1); }

void text_with_bold(int x, int y, const char* text, int bold)
{
    int n = (int)std::strlen(text);
    pxText(x, y, text, n);
    if (bold) pxText(x + 1, y, text, n);
}

void dotted_line(int x1, int y1, int x2, int y2)
{
    pxSULn(kDots);
    pxLine(x1, y1, x2, y2);
    pxSLn(0);
}

void dotted_frame(int x1, int y1, int x2, int y2)
{
    dotted_line(x1, y1, x2, y1);
    dotted_line(x1, y2, x2, y2);
    dotted_line(x1, y1, x1, y2);
    dotted_line(x2, y1, x2, y2);
}

// A shadow colour mixed from the pane background and the item colour.
int shadow_colour(int background, int colour, double share)
{
    int br, bg, bb, cr, cg, cb;
    pxQCR(background, &br, &bg, &bb);
    pxQCR(colour, &cr, &cg, &cb);
    auto mix = [share](int b, int c) { return (int)(b * (1.0 - share) + c * share); };
    return Nearest_RGB_Color(mix(br, cr), mix(bg, cg), mix(bb, cb));
}

void draw_text_item(const SvaItem* it, const Mapping& m, int background)
{
    int x = m.X(it->x1), y = m.Y(it->y1);
    if (!sva_text_visible(x, y, m.x1, m.y1, m.x2, m.y2) || !it->text) return;
    Pop_RFont(it->font);
    int n = (int)std::strlen(it->text);
    if (it->x2 == 2 || it->x2 == 3) {
        pxFgc(shadow_colour(background, it->colour, it->x2 == 2 ? 0.35 : 0.1));
        pxText(x + 1, y, it->text, n);
    }
    pxFgc(it->colour);
    text_with_bold(x, y, it->text, it->x2 == 1);
    Push_RFont();
}

void draw_rotated_text(const SvaItem* it, const Mapping& m)
{
    if (!it->text) return;
    int x = m.X(it->x1), y = m.Y(it->y1), n = (int)std::strlen(it->text);
    Pop_RFont(it->font);
    pxFgc(it->colour);
    pxBTxt(x, y, x, y, it->text, n, it->y2);
    if (it->x2) {
        int dx = it->y2 == 512 ? -1 : (it->y2 == 256 || it->y2 == 1024) ? 0 : 1;
        int dy = it->y2 == 1024 ? 1 : it->y2 == 256 ? -1 : 0;
        pxBTxt(x + dx, y + dy, x + dx, y + dy, it->text, n, it->y2);
    }
    Push_RFont();
}

void draw_mark_item(const SvaItem* it, const Mapping& m)
{
    int x = m.X(it->x1), y = m.Y(it->y1);
    int colour = item_active(it) ? it->colour : palette().grey;
    Pop_RFont(it->font);
    pxFgc(colour);
    if (it->text) text_with_bold(x, y, it->text, it->x2);
    Push_RFont();
    bool on = it->state && (it->type == SVA_TOGGLE ? *it->state != 0 : *it->state == it->number);
    const void* image = on ? it->link1 : it->link2;
    pxFgc(colour);
    if (image) {
        Draw_TreeViewImage(static_cast<const TreeViewImage*>(image), x - 13, y - 3, colour);
    } else if (it->type == SVA_TOGGLE) {
        pxMask(x - 20, y - 10, x - 8, y + 2, (on ? mask_check_on() : mask_check_off()).bits, 2);
    } else {
        pxMask(x - 20, y - 10, x - 9, y + 1, (on ? mask_radio_on() : mask_radio_off()).bits, 2);
    }
}

void draw_labelled_value(const SvaItem* it, const Mapping& m)
{
    if (!it->text) return;
    int x = m.X(it->x1), y = m.Y(it->y1);
    Pop_RFont(it->font);
    auto* target = static_cast<int*>(it->link3);
    if (target && *target == (int)reinterpret_cast<intptr_t>(it->link2)) {
        pxFgc(it->number2);
        pxRect(x - 2, y - 10, x + text_width(it->text) + 4, y + 2);
    }
    pxFgc(it->colour);
    text_with_bold(x, y, it->text, it->x2);
    Push_RFont();
}

// The text a field shows, and the colour of a choice's entry.
void field_text(const SvaItem* it, char* shown, int size, int* colour)
{
    shown[0] = '\0';
    *colour = it->colour;
    switch (it->type) {
    case SVA_FLOAT_FIELD:
        sva_float_text(it, shown, size);
        break;
    case SVA_TEXT_FIELD: {
        int n = std::min((int)std::strlen(it->text), std::min(it->y2, size - 1));
        std::memcpy(shown, it->text, (size_t)std::max(n, 0));
        shown[std::max(n, 0)] = '\0';
        break;
    }
    case SVA_CHOICE_FIELD: {
        auto* entries = static_cast<const SvaChoiceEntry*>(it->link3);
        int k = it->state ? *it->state : -1;
        // A selection the caller moved outside the table shows as unknown.
        if (entries && k >= 0 && k < it->number2 && entries[k].text) {
            std::snprintf(shown, (size_t)size, "%s", entries[k].text);
            *colour = entries[k].colour;
        } else {
            std::snprintf(shown, (size_t)size, "???");
            *colour = BLACK_CI;
        }
        break;
    }
    default:
        break;
    }
}

void draw_field(const SvaItem* it, const Mapping& m)
{
    int x = m.X(it->x1), y = m.Y(it->y1);
    bool active = item_active(it);
    bool choice = it->type == SVA_CHOICE_FIELD;
    char shown[512];
    int colour;
    Pop_RFont(it->font);
    field_text(it, shown, (int)sizeof shown, &colour);
    int w = even_up(choice ? it->number : text_width(shown));
    int extra = choice ? 18 : 0;
    if (active) {
        pxFgc(palette().white);
        pxRect(x - 6, y - 13, x + w + 6 + extra, y + 5);
    }
    if (!active && it->text2 && !choice) {
        std::snprintf(shown, sizeof shown, "%s", it->text2);
        Set_RFont(4096);
    }
    bool narrowed = choice && x + w + 6 < m.x2;
    if (narrowed) pxView(m.x1, m.y1, x + w + 6, m.y2);
    pxFgc(colour);
    text_with_bold(x, y, shown, it->x2);
    if (narrowed) pxView(m.x1, m.y1, m.x2, m.y2);
    Push_RFont();
    pxFgc(active ? palette().black : palette().grey);
    int right = x + w + 7 + extra;
    dotted_line(x - 7, y - 13, right, y - 13);
    dotted_line(x - 7, y + 5, right, y + 5);
    dotted_line(x - 7, y - 13, x - 7, y + 5);
    dotted_line(right, y - 13, right, y + 5);
    if (choice) pxMask(x + w + 10, y - 10, x + w + 22, y + 2, mask_drop_down().bits, 2);
}

void draw_list_field(const SvaItem* it, const Mapping& m)
{
    int iw = it->x2, ih = it->y2;
    int w = iw + 20, h = ih + 5;
    w += w & 1;
    h += h & 1;
    if (!m.meets(it->x1, it->y1, it->x1 + w, it->y1 + h)) return;
    int x = m.X(it->x1), y = m.Y(it->y1);
    bool active = item_active(it);
    if (active) {
        pxFgc(palette().white);
        pxRect(x, y, x + w, y + h);
    }
    pxFgc(active ? palette().black : palette().grey);
    dotted_frame(x, y, x + w, y + h);
    pxMask(x + w - 15, y + 3, x + w - 3, y + 15, mask_drop_down().bits, 2);
    int sel = it->state ? *it->state : 0;
    sel = std::max(0, std::min(sel, it->number2 - 1));
    int sx = active ? 0 : iw;
    pxDrawPartialTransparentDIB(it->text, sx, sel * ih, sx + iw, sel * ih + ih, x + 3, y + 3, x + iw + 2, y + ih + 2,
                                201, -1, 255, 255, 255);
}

void draw_bitmap(const SvaItem* it, const Mapping& m)
{
    int r, g, b;
    pxQCR(it->colour, &r, &g, &b);
    if (it->number)
        pxDrawTransparentDIB(it->text, m.x1 + it->x1, m.y1 + it->y1, m.x1 + it->x2, m.y1 + it->y2, 201, -1, r, g, b);
    else
        pxDrawTransparentDIB(it->text, m.X(it->x1), m.Y(it->y1), m.X(it->x2), m.Y(it->y2), 201, -1, r, g, b);
}

void draw_editor(SvaItem* it, const Mapping& m)
{
    int x1 = m.X(it->x1), y1 = m.Y(it->y1), x2 = m.X(it->x2), y2 = m.Y(it->y2);
    if (it->number) {
        pxFgc(item_active(it) ? palette().black : palette().grey);
        dotted_frame(x1, y1, x2, y2);
    }
    sva_draw_text_lines(it, x1, y1, x2, y2);
}

void draw_item(SvaItem* it, const Mapping& m, int background)
{
    switch (it->type) {
    case SVA_TEXT: draw_text_item(it, m, background); break;
    case SVA_LINE:
        if (!m.meets(it->x1, it->y1, it->x2, it->y2)) break;
        pxFgc(it->colour);
        pxLine(m.X(it->x1), m.Y(it->y1), m.X(it->x2), m.Y(it->y2));
        break;
    case SVA_BITMAP: draw_bitmap(it, m); break;
    case SVA_GRAPHICS:
        if (it->draw_callback) it->draw_callback(m.X(it->x1), m.Y(it->y1), m.X(it->x2), m.Y(it->y2), it->link1);
        break;
    case SVA_PICTURE: {
        auto* picture = static_cast<const SvaPicture*>(it->link1);
        if (!picture || !m.meets(it->x1, it->y1, it->x2, it->y2)) break;
        pxFgc(it->colour);
        pxMask(m.X(it->x1), m.Y(it->y1), m.X(it->x2), m.Y(it->y2), picture->mask, picture->mode);
        break;
    }
    case SVA_ROTATED_TEXT: draw_rotated_text(it, m); break;
    case SVA_TOGGLE:
    case SVA_RADIO: draw_mark_item(it, m); break;
    case SVA_LABELLED_VALUE: draw_labelled_value(it, m); break;
    case SVA_FLOAT_FIELD:
    case SVA_TEXT_FIELD:
    case SVA_CHOICE_FIELD: draw_field(it, m); break;
    case SVA_BOX:
        if (!m.meets(it->x1, it->y1, it->x2, it->y2)) break;
        pxFgc(it->colour);
        pxRect(m.X(it->x1), m.Y(it->y1), m.X(it->x2), m.Y(it->y2));
        break;
    case SVA_ICON:
        if (!m.meets(it->x1, it->y1, it->x2, it->y2)) break;
        Draw_TreeViewImage(static_cast<const TreeViewImage*>(it->link2), m.X((it->x1 + it->x2) / 2),
                           m.Y((it->y1 + it->y2) / 2), it->colour);
        break;
    case SVA_LIST_FIELD: draw_list_field(it, m); break;
    case SVA_IMAGE_BUTTON: sva_draw_image_button(it, item_active(it) ? 1 : 0, m.X(it->x1), m.Y(it->y1)); break;
    case SVA_TEXT_EDITOR: draw_editor(it, m); break;
    default: break;
    }
}

} // namespace

int sva_text_visible(int x, int y, int, int y1, int x2, int y2)
{
    return y >= y1 && y <= y2 + 12 && x <= x2;
}

int sva_float_text(const SvaItem* it, char* buffer, int size)
{
    buffer[0] = '\0';
    if (!it->text || size <= 0) return 0;
    c_snprintf(buffer, (size_t)size, it->text, it->value ? *it->value : 0.0);
    if (it->number >= 0 && it->number < size) buffer[it->number] = '\0';
    return (int)std::strlen(buffer);
}

void sva_draw_image_button(const SvaItem* it, int picture, int x, int y)
{
    int w = it->x2 - it->x1, h = it->y2 - it->y1;
    int r, g, b;
    pxQCR(it->number2, &r, &g, &b);
    pxDrawPartialTransparentDIB(it->text, picture * w, it->number, (picture + 1) * w - 1, it->number + h - 1, x, y,
                                x + w - 1, y + h - 1, 201, -1, r, g, b);
}

void sva_draw_image_button_clipped(const SvaItem* item, int picture, int x, int y, int x1, int y1, int x2, int y2)
{
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(x1, y1, x2, y2);
    sva_draw_image_button(item, picture, x, y);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
}

void sva_draw_callback(int, int scroll_x, int scroll_y, int x1, int y1, int x2, int y2, void* slot)
{
    auto* s = static_cast<Scrollable_View_Area*>(slot);
    if (s && s->active == 1) sva_draw(scroll_x, scroll_y, x1, y1, x2, y2, s);
}

void sva_draw(int scroll_x, int scroll_y, int x1, int y1, int x2, int y2, Scrollable_View_Area* slot)
{
    if (!slot) return;
    palette();
    int colour = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    if (slot->frame_flag) Draw_Funny_Area_to_PS(4, x1 - 2, y1 - 2, x2 + 2, y2 + 2, 0);
    pxView(x1, y1, x2, y2);
    int buffering = pxBuff(-1);
    pxFgc(slot->background);
    pxRect(x1, y1, x2, y2);
    Mapping m{x1 - scroll_x, y1 - scroll_y, x1, y1, x2, y2};
    for (SvaItem* it = slot->first_item; it; it = it->next) draw_item(it, m, slot->background);
    pxBuff(buffering);
    pxFgc(colour);
    pxView(vx1, vy1, vx2, vy2);
}

void sva_pane_on_screen(const Scrollable_View_Area* s, int* x1, int* y1, int* x2, int* y2)
{
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    *x1 = s->x1 + dx;
    *y1 = s->y1 + dy;
    *x2 = s->x2 + dx;
    *y2 = s->y2 + dy;
}

void sva_redraw(int area)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || !s->active || s->handle == SVA_HANDLE_RESERVED) return;
    int sx = s->scroll_x, sy = s->scroll_y;
    Inquire_Scrollable_Area_PS(s->handle, &sx, &sy);
    int x1, y1, x2, y2;
    sva_pane_on_screen(s, &x1, &y1, &x2, &y2);
    sva_draw(sx, sy, x1, y1, x2, y2, s);
    pxFlsh();
}

// Comment box --------------------------------------------------------------------------------

void sva_show_tooltip(const char* text)
{
    if (!text) return;
    if (!g_tooltip.colours_ready) {
        g_tooltip.fill = Nearest_RGB_Color(255, 255, 255);
        g_tooltip.frame = Nearest_RGB_Color(0, 0, 0);
        g_tooltip.colours_ready = true;
    }
    sva_hide_tooltip();
    Pop_RFont(kTooltipFont);
    int widest = 0, lines = 0;
    for (const char* p = text;;) {
        const char* end = std::strchr(p, '\n');
        int n = end ? (int)(end - p) : (int)std::strlen(p);
        widest = std::max(widest, text_pixel_width(p, n));
        ++lines;
        if (!end) break;
        p = end + 1;
    }
    int left = M_XPOS, top = M_YPOS + 20;
    int right = left + widest + 10, bottom = top + lines * RFONT_HEIGHT + 5;
    if (right >= NPIXEL_X - 8) {
        left -= right - (NPIXEL_X - 9);
        right = NPIXEL_X - 9;
    }
    if (bottom >= NPIXEL_Y - 8) {
        top -= bottom - (NPIXEL_Y - 9);
        bottom = NPIXEL_Y - 9;
    }
    int colour = pxQFgc();
    Save_Screen_Rectangle(left, top, right, bottom);
    pxFgc(g_tooltip.fill);
    pxRect(left, top, right, bottom);
    pxFgc(g_tooltip.frame);
    pxLine(left, top, right, top);
    pxLine(right, top, right, bottom);
    pxLine(left, bottom, right, bottom);
    pxLine(left, top, left, bottom);
    int k = 1;
    for (const char* p = text;; ++k) {
        const char* end = std::strchr(p, '\n');
        int n = end ? (int)(end - p) : (int)std::strlen(p);
        pxText(left + 5, top + k * RFONT_HEIGHT, p, n);
        if (!end) break;
        p = end + 1;
    }
    pxFgc(colour);
    Push_RFont();
    pxFlsh();
    g_tooltip.shown = true;
    g_tooltip.x1 = left;
    g_tooltip.y1 = top;
    g_tooltip.x2 = right;
    g_tooltip.y2 = bottom;
}

void sva_hide_tooltip(void)
{
    if (!g_tooltip.shown) return;
    Restore_Screen_Rectangle(g_tooltip.x1, g_tooltip.y1, g_tooltip.x2, g_tooltip.y2);
    g_tooltip.shown = false;
    pxFlsh();
}

int sva_tooltip_shown(void) { return g_tooltip.shown ? 1 : 0; }

void sva_tooltip_rect(int* x1, int* y1, int* x2, int* y2)
{
    *x1 = g_tooltip.x1;
    *y1 = g_tooltip.y1;
    *x2 = g_tooltip.x2;
    *y2 = g_tooltip.y2;
}

// Hover loop ---------------------------------------------------------------------------------

namespace {

int hover_mask(const Scrollable_View_Area* s)
{
    int mask = 0x84022;
    if (s->end_on_key || sva_any_short_key()) mask |= VYK_EV_KEY;
    if (s->end_on_right_button) mask |= VYK_EV_RIGHT;
    if (s->stop_flag) mask |= VYK_EV_TIMEOUT;
    return mask;
}

bool stopped(const Scrollable_View_Area* s) { return s->stop_flag && *s->stop_flag; }

// The key that ended hovering; sva_edit takes it as a short key or leaves it waiting.
int g_hover_key = 0;

bool inside(int x, int y, int x1, int y1, int x2, int y2) { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }

// Conditions that end hovering over the whole area. A key arrives only where keys end the
// loop (its own flag or a short key), and is kept for sva_edit.
bool ends_loop(const Scrollable_View_Area* s, const VYKMessage& record, int got)
{
    if (got == 0) return true;   // nothing more to wait for
    if (record.event == VYK_EV_KEY) {
        g_hover_key = record.key;
        return true;
    }
    if (M_LEFT || M_SCROLL || getkeymask() == 1) return true;
    return s->end_on_right_button && M_RIGHT;
}

bool hoverable(const SvaItem* it)
{
    if (it->type == SVA_ICON_BUTTON) return it->number != 0 || it->text != nullptr;
    if (it->type == SVA_IMAGE_BUTTON) return it->active && *it->active != 0;
    return false;
}

// Follows the mouse over one item until it leaves; returns true when the whole loop must end.
bool hover_item(const Scrollable_View_Area* s, SvaItem* it, const Mapping& m, int bx1, int by1, int bx2, int by2,
                VYKMessage* record)
{
    int x1 = m.X(it->x1), y1 = m.Y(it->y1), x2 = m.X(it->x2), y2 = m.Y(it->y2);
    bool button = it->type == SVA_IMAGE_BUTTON;
    const char* comment = button ? it->text2 : it->text;
    int shape = button ? it->colour : it->number;
    if (button) sva_draw_image_button_clipped(it, 2, x1, y1, m.x1, m.y1, m.x2, m.y2);
    if (shape) setMouseCursor(shape);
    if (comment) sva_show_tooltip(comment);
    bool end_all = false;
    int mask = hover_mask(s);
    while (!stopped(s)) {
        int got = GetVYKMessage(mask, record);
        if (ends_loop(s, *record, got)) {
            end_all = true;
            break;
        }
        if (!inside(M_XPOS, M_YPOS, x1, y1, x2, y2) || !inside(M_XPOS, M_YPOS, bx1, by1, bx2, by2)) break;
    }
    sva_hide_tooltip();
    if (button) sva_draw_image_button_clipped(it, 1, x1, y1, m.x1, m.y1, m.x2, m.y2);
    if (shape) setMouseCursor(0);
    return end_all;
}

} // namespace

void sva_hover_loop(int area)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || s->handle == SVA_HANDLE_RESERVED) return;
    VYKMessage record;
    InitVYKMessage(&record);
    if (s->stop_flag) record.timeout_ms = 100;
    int px1, py1, px2, py2;
    sva_pane_on_screen(s, &px1, &py1, &px2, &py2);
    int sx = s->scroll_x, sy = s->scroll_y;
    Inquire_Scrollable_Area_PS(s->handle, &sx, &sy);
    Mapping m{px1 - sx, py1 - sy, px1, py1, px2, py2};
    int bx1 = px1, by1 = py1, bx2 = px2, by2 = py2;
    if (s->hover_rect_flag) {
        bx1 = m.X(s->hover_x1);
        by1 = m.Y(s->hover_y1);
        bx2 = m.X(s->hover_x2);
        by2 = m.Y(s->hover_y2);
    }
    int mask = hover_mask(s);
    while (!stopped(s)) {
        int got = GetVYKMessage(mask, &record);
        if (ends_loop(s, record, got) || !inside(M_XPOS, M_YPOS, bx1, by1, bx2, by2)) return;
        for (SvaItem* it = s->first_item; it; it = it->next) {
            if (!hoverable(it) || !inside(M_XPOS, M_YPOS, m.X(it->x1), m.Y(it->y1), m.X(it->x2), m.Y(it->y2))) continue;
            if (hover_item(s, it, m, bx1, by1, bx2, by2, &record)) return;
            break;
        }
        if (M_LEFT || !inside(M_XPOS, M_YPOS, bx1, by1, bx2, by2)) return;
    }
}

int sva_hover_take_key(void)
{
    int key = g_hover_key;
    g_hover_key = 0;
    return key;
}

void sva_hover(int area)
{
    if (sva_slot(area)) sva_hover_loop(area);
}
