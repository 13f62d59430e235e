// Tool tips of form elements and the idle handler that shows them while the mouse rests on an
// element of a registered page area.
#pragma once

constexpr int TOOLTIP_LINES = 5;
constexpr int TOOLTIP_LINE_CHARS = 99;
constexpr int TOOLTIP_MAX = 100;

struct ToolTip {
    int escape;
    int x1, x2, y1, y2;
    int line_count;
    char lines[TOOLTIP_LINES][TOOLTIP_LINE_CHARS + 1];
    int box_width, box_height;
    int placement;   // 0: above the element, other: below
    int anchor;      // 3: the box ends at the element's middle, other: begins there
};

void form_set_tooltip(const char* text, int placement, int anchor);
int form_tooltip_count(void);
const ToolTip* form_tooltip(int i);
// Drops the tips of the current form (a new form is selected).
void form_tooltips_clear(void);

int form_hover_active(void);
void form_hover_enable(int flag);
void form_hover_handler(void);
