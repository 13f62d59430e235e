// Sketches on the current form in world coordinates: one process-wide picture transform maps
// world points to pixels, and lines and boxes become items of the form's view area so that
// they scroll and redraw with the page. With the identity transform they take plain pixels.
#pragma once

void form_set_picture_transform(double x0, double y0, double angle, double scale);
double form_picture_scale(void);
void form_world_to_pixel(double* x, double* y);
void form_pixel_to_world(double* x, double* y);
double form_pixel_distance(double x1, double y1, double x2, double y2);

// Thin lines, circles, arcs and polygon outlines are drawn only while the style is 1.
void form_set_line_style(int style);
int form_draw_thin_line(double x1, double y1, double x2, double y2);
void form_draw_rectangle(double x1, double y1, double x2, double y2);
int form_fill_box(double x1, double y1, double x2, double y2);
void form_draw_circle(double cx, double cy, double r);
void form_draw_arc(double cx, double cy, double r, double start, double end);
void form_draw_polygon(int n, const double* xs, const double* ys);
void form_fill_disc(double cx, double cy, double r);
void form_fill_polygon(int n, const double* xs, const double* ys);
void form_fill_polygon_shifted(int x1, int y1, int x2, int y2, void* data);
// Kind 1: x1 and x2 are pixels, kind 0: y1 and y2, kind 3: all four; other kinds world values.
void form_draw_dimension_line(int kind, double x1, double y1, double x2, double y2, double offset);

int form_label_underlined(int x, int y, const char* text, const int* active);
int form_label_on_box(int x, int y, const char* text, const int* active);
int form_label_emphasised_on_box(int x, int y, const char* text, const int* active);

// The names other callers know these by.
inline int form_draw_line(double x1, double y1, double x2, double y2) { return form_fill_box(x1, y1, x2, y2); }
