// Drawing of view areas, the comment box near the mouse and the hover loop that lights
// image buttons, sets pointer shapes and shows comments while the mouse rests on an item.
#pragma once
#include "sheets/view_areas.h"

// Handed to the sheet manager: draws the area while its slot is active.
void sva_draw_callback(int handle, int scroll_x, int scroll_y, int x1, int y1, int x2, int y2, void* slot);
// Draws the area's frame, background and items at the given scroll position and pane rectangle.
void sva_draw(int scroll_x, int scroll_y, int x1, int y1, int x2, int y2, Scrollable_View_Area* slot);
// Redraws an area at its current scroll position when it is active.
void sva_redraw(int area);
// The pane's rectangle on the screen: the slot corners moved with the sheet.
void sva_pane_on_screen(const Scrollable_View_Area* slot, int* x1, int* y1, int* x2, int* y2);
// Draws picture k of an image button's strip (0 inactive, 1 normal, 2 under the mouse,
// 3 pressed) with its top-left corner at the screen point (x, y).
void sva_draw_image_button(const SvaItem* item, int picture, int x, int y);
// The same, clipped to the pane (x1, y1)-(x2, y2).
void sva_draw_image_button_clipped(const SvaItem* item, int picture, int x, int y, int x1, int y1, int x2, int y2);

// Comment box of one or more lines (split at newlines) below the mouse, kept on the screen
// until the hover loop takes it away again.
void sva_show_tooltip(const char* text);
void sva_hide_tooltip(void);
int sva_tooltip_shown(void);
void sva_tooltip_rect(int* x1, int* y1, int* x2, int* y2);

void sva_hover_loop(int area);
void sva_hover(int area);
// The key that ended the last hover loop (0 none); taking it clears it.
int sva_hover_take_key(void);

// Whether a text whose baseline starts at the screen point (x, y) is drawn into the pane;
// the viewport clips what reaches outside it.
int sva_text_visible(int x, int y, int x1, int y1, int x2, int y2);

// The shown value of a number field: printed with its format, cut after the field width.
int sva_float_text(const SvaItem* item, char* buffer, int size);
