// Bitmap buttons, bitmap alternatives and bitmap toggles on the current form.
#pragma once

// Horizontal code 1: the button ends at x, 4: centred on x, other: begins at x; vertical code
// 2: ends at y, 4: centred on y, other: begins at y.
void form_button_rect(double x, double y, double w, double h, int vertical, int horizontal, int* x1, int* y1,
                      int* x2, int* y2);
int form_image_button(int view, double x, double y, double w, double h, int vertical, int horizontal,
                      const char* bitmap, const char* inactive_bitmap, int colour, int value, int* target,
                      int active);
void form_image_radio(int view, int x, int y, int value, int* selection, const char* on_active,
                      const char* off_active, const char* on_inactive, const char* off_inactive, int* group);
void form_image_toggle(int view, int x, int y, int* value, const char* on_active, const char* off_active,
                       const char* on_inactive, const char* off_inactive, int* active);
