// One user interaction in a view area (a click on an item or a short key), the chained
// editing of its fields, and the scroll operations of an area.
#pragma once
#include "sheets/view_areas.h"

// Returns 1 when something changed or a code was stored into a target, else 0.
int sva_edit(int area);

void sva_set_scroll_fraction(int area, double fx, double fy);
void sva_get_scroll_fraction(int area, double* fx, double* fy);
void sva_scroll_by(int area, int* dx, int* dy);
void sva_scroll_into_view(int area, int x1, int y1, int x2, int y2);

// Scroll position that shows a field of width w at content (x, y) inside a pane whose screen
// left and right are X1, right, top Y1 and bottom; (sx, sy) is changed in place.
void sva_field_scroll_target(int x, int y, int w, int X1, int Y1, int right, int bottom, int* sx, int* sy);
