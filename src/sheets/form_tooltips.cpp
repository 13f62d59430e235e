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
        int w = text_width_in_font(t.lines[i], FORM_FONT_NORMAL);
        if (w > widest) widest = w;
    }
    t.box_width = widest + 3 + BOX_EXTRA;
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

void form_tooltips_clear(void)
{
    hide_tip();
    g_tips.clear();
}

void form_hover_handler(void)
{
    const FormArea* area = form_area_of(form_current_sheet());
    if (area == nullptr) return;
    int sx = 0, sy = 0;
    sva_inquire_scroll(area->view, &sx, &sy);
    int dx = area->dx ? *area->dx : 0, dy = area->dy ? *area->dy : 0;
    int mx = M_XPOS - dx - area->x1 + sx, my = M_YPOS - dy - area->y1 + sy;
    for (const ToolTip& t : g_tips) {
        if (ActivState_of_Button_PS(t.escape) != 1) continue;
        if (mx > t.x1 && mx < t.x2 && my > t.y1 && my < t.y2) {
            if (!g_shown.shown) show_tip(t, area->x1 + dx - sx, area->y1 + dy - sy);
            return;
        }
    }
    hide_tip();
}
