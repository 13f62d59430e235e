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

// Buttons with a roll-over look; they are drawn only while the hover handler runs (a sheet's
// page area is registered). Returns the roll-over bitmap, or null.
const char* form_hover_image_button(int view, double x, double y, double w, double h, int vertical, int horizontal,
                                    const char* bitmap, const char* inactive_bitmap, const char* rollover,
                                    const char* inactive_rollover, int transparent, int value, int* target,
                                    int active);
// Framed caption buttons, 18 pixels high; the caption turns bold while the mouse is over them.
void form_hover_framed_button(int view, double x, double y, double w, int vertical, int horizontal,
                              int caption_colour, int frame_colour, int unused, const char* caption, int value,
                              int* target, int active);
void form_text_button(int view, double x, double y, double w, int vertical, int horizontal, const char* caption,
                      int value, int* target, int active);

// The ready-made buttons of the design programs' load pages.
int form_delete_all_button(int x, int y, const char* comment, int code, int* result, int* active);
int form_import_buttons(int x, int y, const char* lead, int code, int* result, const int* active);
int form_ascii_import_button(int x, int y, const char* lead, int code, int* result, const int* active);
int form_file_search_button(int x, int y, int code, int* result, int* active);
