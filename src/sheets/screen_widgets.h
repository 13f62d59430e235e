// Small pieces drawn straight onto the screen: the framed text box, field boxes and coloured
// texts, two pop-ups of symbol buttons, the visual-check button, the lightening of colours and
// two graded colour scales.
#pragma once


struct SymbolButtonSpec {
    int anchor_x, anchor_y;     // where the pop-up seems to come from
    int sheet_x, sheet_y;       // top-left corner of the pop-up
    const char* title;
    int button_width, button_height;
    int button_count;
    const char* const* comments;  // one per button
    const char* bitmap;         // strip of all symbols side by side (a column for the list form)
};

void draw_framed_text_box(int x1, int y1, int x2, int y2, const char* text, int mode, int relief, int font,
                          int text_colour, int fill_colour);
void draw_field_box(int x, int y, double n, int colour);
void draw_field_background(int x, int y, double n);
void draw_text_in_font(int x, int y, const char* text, int font, int colour);
void draw_state_text(int x, int y, const char* text, int font, int state);

int symbol_button_sheet(SymbolButtonSpec spec);
int symbol_button_list_sheet(SymbolButtonSpec spec);
int add_visual_check_button(int x, int y, int code);

// Lightens an RGB colour in place through its lightness (HSL); returns the new green.
int screen_rgb_lighten(int* red, int* green, int* blue, int percent);
int lighten_colour(int colour_index, int percent);

void grade_reset_thresholds(void);
void grade_set_offset(double value);
void grade_set_step(double value);
int grade_threshold(int k);
void grade_colours_reset(void);
void grade_set_colour_a(int k, int colour_index);
void grade_set_colour_b(int k, int colour_index);
int grade_colour_a(double v);
int grade_colour_b(double v);
// The grade (0, 1, 2) of a value under the current thresholds.
int grade_of(double v);
