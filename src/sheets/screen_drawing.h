// Immediate drawing in world coordinates straight onto the screen: a transform with separate
// x and y scales, a line width and style, and lines, bars, outlines, fills, arrows, axes,
// dimension lines and texts at world points. Nothing is kept; a redraw draws again.
#pragma once

void screen_set_transform(double x0, double y0, double angle, double sx, double sy);
double screen_x_scale(void);
double screen_y_scale(void);
void screen_world_to_pixel(double* x, double* y);
void screen_pixel_to_world(double* x, double* y);
double screen_distance(double x1, double y1, double x2, double y2);

void screen_pattern_dots(void);
void screen_pattern_mesh(void);
void screen_pattern_lines(void);
void screen_set_line_width(int width);
void screen_set_line_style(int style);
int screen_line_style(void);

void screen_dot(double x, double y);
void screen_line(double x1, double y1, double x2, double y2);
void screen_bar(double x1, double y1, double x2, double y2, double width, const int* pattern);
void screen_rectangle(double x1, double y1, double x2, double y2);
void screen_rectangle_centred(double cx, double cy, double w, double h);
void screen_fill_rectangle(double x1, double y1, double x2, double y2);
void screen_fill_rectangle_centred(double cx, double cy, double w, double h);
void screen_erase_rectangle(double x1, double y1, double x2, double y2);
void screen_circle(double cx, double cy, double r);
void screen_disc(double cx, double cy, double r);
void screen_polygon(int n, const double* xs, const double* ys);
void screen_fill_polygon(int n, const double* xs, const double* ys);
void screen_arrow(double x1, double y1, double x2, double y2, double head_length, double head_width, int filled);
void screen_axes(double ax, double ay, const char* x_label, const char* y_label, double x_length, double y_length,
                 double angle, double scale);
// Kind 0: y1 and y2 are pixel values, kind 1: x1 and x2; other kinds world values.
void screen_dimension_line(int kind, double x1, double y1, double x2, double y2, const char* text,
                           const char* superscript, double offset);
void screen_dimension(int kind, double x1, double y1, double x2, double y2, double offset);
// The length text of screen_dimension for a length in metres: 0 when nothing is drawn.
int screen_dimension_text(double length, char* text, int text_size, char* superscript, int superscript_size);

void screen_text(double x, double y, const char* text, int font, int bold);
void screen_text_plain(double x, double y, const char* text, int font);
void screen_text_bold(double x, double y, const char* text, int font);
void screen_text_right(double x, double y, const char* text, int font);
void screen_text_aligned(double x, double y, const char* text, int font, int vertical, int horizontal);
