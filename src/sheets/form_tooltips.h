// Tool tips of form elements and hover buttons, and the idle handler that shows a tip while the
// mouse rests on an element of a registered page area and a button's roll-over look while the
// mouse is over it.
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

constexpr int HOVER_BUTTON_MAX = 100;
constexpr int HOVER_TEXT = 100;

// A button that changes its look while the mouse is over it. Empty texts: none.
struct HoverButton {
    int escape;
    char normal[HOVER_TEXT];     // bitmap drawn when the mouse leaves
    char rollover[HOVER_TEXT];   // bitmap drawn while the mouse is over the button
    int x1, x2, y1, y2;          // content coordinates of the current form
    int transparent;             // colour the bitmaps treat as transparent
    char caption[HOVER_TEXT];    // redrawn while the mouse is over the button
    int caption_x, caption_y;
    int caption_style;           // font code; bit 0x10000 draws it twice, one pixel apart
    int caption_colour;
};

void form_set_tooltip(const char* text, int placement, int anchor);
// Counts the button while fewer than HOVER_BUTTON_MAX are counted.
void form_add_hover_button(const HoverButton* button);
int form_hover_button_count(void);
const HoverButton* form_hover_button(int i);
int form_tooltip_count(void);
const ToolTip* form_tooltip(int i);
// Drops the tips and hover buttons of the current form (a new form is selected).
void form_tooltips_clear(void);

int form_hover_active(void);
void form_hover_enable(int flag);
void form_hover_handler(void);
