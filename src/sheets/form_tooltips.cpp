#include "sheets/form_tooltips.h"

#include <cstring>
#include <vector>

#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/form_fields.h"
#include "sheets/form_state.h"
#include "sheets/view_areas.h"

namespace {

std::vector<ToolTip> g_tips;

struct ShownTip {
    bool shown = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<unsigned char> saved;
};
ShownTip g_shown;

std::vector<HoverButton> g_buttons;
struct ShownRollover {
    bool shown = false;
    int record = -1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<unsigned char> saved;
};
ShownRollover g_rollover;

constexpr int LINE_HEIGHT = 12, BOX_EXTRA = 6, TEXT_INDENT = 3, TIP_GAP = 5;

void split_lines(ToolTip* t, const char* text)
{
    t->line_count = 0;
    const char* p = text ? text : "";
    while (t->line_count < TOOLTIP_LINES) {
        size_t n = std::strcspn(p, "\n");
        bool end_of_line = n <= TOOLTIP_LINE_CHARS;
        if (!end_of_line) n = TOOLTIP_LINE_CHARS;
        std::memcpy(t->lines[t->line_count], p, n);
        t->lines[t->line_count][n] = '\0';
        ++t->line_count;
        p += n;
        if (end_of_line) {
            if (*p == '\0') break;
            ++p;   // the line end
        } else if (*p == '\0') {
            break;
        }
    }
}

void hide_tip()
{
    if (!g_shown.shown) return;
    pxStRc(g_shown.x1, g_shown.y1, g_shown.x2, g_shown.y2, g_shown.saved.data());
    g_shown.shown = false;
}

void show_tip(const ToolTip& t, int sx, int sy)
{
    int left = sx + (t.x1 + t.x2) / 2 - (t.anchor == 3 ? t.box_width : 0);
    int top = t.placement == 0 ? sy + t.y1 - TIP_GAP - t.box_height : sy + t.y2 + TIP_GAP;
    g_shown = ShownTip{true, left, top, left + t.box_width, top + t.box_height, {}};
    g_shown.saved.resize(pxQSvR(left, top, g_shown.x2, g_shown.y2));
    pxSvRc(left, top, g_shown.x2, g_shown.y2, g_shown.saved.data());
    pxFgc(Nearest_Color_Index(255, 255, 255));
    pxRect(left, top, g_shown.x2, g_shown.y2);
    pxFgc(Nearest_Color_Index(64, 64, 64));
    pxLine(left, top, g_shown.x2, top);
    pxLine(g_shown.x2, top, g_shown.x2, g_shown.y2);
    pxLine(g_shown.x2, g_shown.y2, left, g_shown.y2);
    pxLine(left, g_shown.y2, left, top);
    pxSFnt(FORM_FONT_NORMAL);
    for (int k = 1; k <= t.line_count; ++k)
        pxText(left + TEXT_INDENT, top + LINE_HEIGHT * k, t.lines[k - 1], static_cast<int>(std::strlen(t.lines[k - 1])));
}

// Where the content of the current form's area starts on the screen.
struct AreaOrigin {
    int x, y;
};

bool inside(int mx, int my, int x1, int y1, int x2, int y2) { return mx > x1 && mx < x2 && my > y1 && my < y2; }

void hover_tips(int mx, int my, AreaOrigin o)
{
    for (const ToolTip& t : g_tips) {
        if (ActivState_of_Button_PS(t.escape) != 1 || !inside(mx, my, t.x1, t.y1, t.x2, t.y2)) continue;
        if (!g_shown.shown) show_tip(t, o.x, o.y);
        return;
    }
    hide_tip();
}

void transparent_rgb(int colour, int* r, int* g, int* b) { pxQCR(colour, r, g, b); }

void draw_bitmap_over(const HoverButton& b, const char* file, AreaOrigin o)
{
    int r, g, bl;
    transparent_rgb(b.transparent, &r, &g, &bl);
    pxDrawPartialTransparentDIB(file, 0, 0, -1, -1, o.x + b.x1, o.y + b.y1, o.x + b.x2, o.y + b.y2, 201, 0, r, g, bl);
}

void show_rollover(int i, AreaOrigin o)
{
    const HoverButton& b = g_buttons[i];
    g_rollover.record = i;
    if (g_rollover.shown) return;
    int x1 = o.x + b.x1, y1 = o.y + b.y1, x2 = o.x + b.x2, y2 = o.y + b.y2;
    g_rollover.shown = true;
    g_rollover.x1 = x1;
    g_rollover.y1 = y1;
    g_rollover.x2 = x2;
    g_rollover.y2 = y2;
    g_rollover.saved.resize(pxQSvR(x1, y1, x2, y2));
    pxSvRc(x1, y1, x2, y2, g_rollover.saved.data());
    if (b.rollover[0]) draw_bitmap_over(b, b.rollover, o);
    if (b.caption[0]) {
        Pop_RFont(b.caption_style & ~FORM_BOLD);
        pxFgc(b.caption_colour);
        int n = static_cast<int>(std::strlen(b.caption));
        int x = o.x + b.caption_x, y = o.y + b.caption_y;
        pxText(x, y, b.caption, n);
        if (b.caption_style & FORM_BOLD) pxText(x + 1, y, b.caption, n);
        Push_RFont();
    }
}

void hide_rollover(AreaOrigin o)
{
    if (!g_rollover.shown) return;
    const HoverButton* b = g_rollover.record >= 0 && g_rollover.record < static_cast<int>(g_buttons.size())
                               ? &g_buttons[g_rollover.record]
                               : nullptr;
    if (b && b->normal[0])
        draw_bitmap_over(*b, b->normal, o);
    else
        pxStRc(g_rollover.x1, g_rollover.y1, g_rollover.x2, g_rollover.y2, g_rollover.saved.data());
    g_rollover = ShownRollover{};
}

void hover_buttons(int mx, int my, AreaOrigin o)
{
    for (int i = 0; i < static_cast<int>(g_buttons.size()); ++i) {
        const HoverButton& b = g_buttons[i];
        if (ActivState_of_Button_PS(b.escape) != 1 || !inside(mx, my, b.x1, b.y1, b.x2, b.y2)) continue;
        show_rollover(i, o);
        return;
    }
    hide_rollover(o);
}

}  // namespace

int form_hover_active(void) { return form_area_count() > 0; }

void form_hover_enable(int flag) { Activate_Call_Allways_Function(flag && form_hover_active() ? 1 : 0); }

void form_set_tooltip(const char* text, int placement, int anchor)
{
    if (!form_hover_active() || LastElement.state == 0 || g_tips.size() >= TOOLTIP_MAX) return;
    ToolTip t{};
    split_lines(&t, text);
    int widest = 0;
    for (int i = 0; i < t.line_count; ++i) {
        int w = text_width_in_font(t.lines[i], FORM_FONT_NORMAL);   // its plain width + 3
        if (w > widest) widest = w;
    }
    t.box_width = widest + BOX_EXTRA;
    t.box_height = t.line_count * LINE_HEIGHT + BOX_EXTRA;
    t.escape = form_escape_area();
    t.x1 = LastElement.x1;
    t.x2 = LastElement.x2;
    t.y1 = LastElement.y1;
    t.y2 = LastElement.y2;
    t.placement = placement;
    t.anchor = anchor;
    g_tips.push_back(t);
}

int form_tooltip_count(void) { return static_cast<int>(g_tips.size()); }
const ToolTip* form_tooltip(int i) { return i >= 0 && i < form_tooltip_count() ? &g_tips[i] : nullptr; }

void form_add_hover_button(const HoverButton* button)
{
    if (g_buttons.size() < HOVER_BUTTON_MAX) g_buttons.push_back(*button);
}

int form_hover_button_count(void) { return static_cast<int>(g_buttons.size()); }
const HoverButton* form_hover_button(int i) { return i >= 0 && i < form_hover_button_count() ? &g_buttons[i] : nullptr; }

void form_tooltips_clear(void)
{
    hide_tip();
    // A roll-over still shown belongs to the form being left: its screen goes back as it was.
    if (g_rollover.shown) pxStRc(g_rollover.x1, g_rollover.y1, g_rollover.x2, g_rollover.y2, g_rollover.saved.data());
    g_rollover = ShownRollover{};
    g_tips.clear();
    g_buttons.clear();
}

void form_hover_handler(void)
{
    const FormArea* area = form_area_of(form_current_sheet());
    if (area == nullptr) return;
    int sx = 0, sy = 0;
    sva_inquire_scroll(area->view, &sx, &sy);
    int dx = area->dx ? *area->dx : 0, dy = area->dy ? *area->dy : 0;
    int mx = M_XPOS - dx - area->x1 + sx, my = M_YPOS - dy - area->y1 + sy;
    AreaOrigin o{area->x1 + dx - sx, area->y1 + dy - sy};
    hover_tips(mx, my, o);
    hover_buttons(mx, my, o);
}
