// Shapes of the drawing writer: each writes its records into the current graphic block and,
// while a plot file is attached, its entities into the plot file. User coordinates; text
// heights in page centimetres; arc angles in degrees.
#pragma once
#include <cstdio>

void grf_line(double x1, double y1, double x2, double y2);
void grf_rectangle(double x1, double y1, double x2, double y2);
void grf_rectangle_centred(double x, double y, double width, double height);
void grf_filled_rectangle(double x1, double y1, double x2, double y2);
void grf_filled_rectangle_centred(double x, double y, double width, double height);
void grf_rectangle_with_window(double ox1, double oy1, double ox2, double oy2, double ix1, double iy1,
                               double ix2, double iy2);
void grf_polygon(int n, double* xs, double* ys);
void grf_triangle(double* xs, double* ys);
void grf_fill_polygon(int n, double* xs, double* ys);
void grf_polygon_with_holes(int n, double* xs, double* ys, int hole_count, const int* hole_sizes,
                            double* hole_xs, double* hole_ys, int circle_count, const double* circle_xs,
                            const double* circle_ys, const double* circle_areas);
void grf_polyline(int n, double* xs, double* ys);
void grf_band(double x1, double y1, double x2, double y2, double width, int outline);
void grf_arc(double xc, double yc, double diameter, double start, double sweep);
void grf_arc_direct(double xc, double yc, double diameter, double start, double sweep);
void grf_filled_sector(double xc, double yc, double diameter, double start, double sweep);
void grf_filled_circle(double xc, double yc, double diameter);
void grf_filled_circle_true(double xc, double yc, double diameter);
void grf_filled_ring(double xc, double yc, double outer, double inner);
void grf_slot(double xc, double yc, double width, double height);
void grf_filled_slot(double xc, double yc, double width, double height);
void grf_framed_text(double x, double y, double text_height, const char* text);
void grf_framed_number(double x, double y, double text_height, int n);
void grf_framed_label(double x, double y, double text_height, double scale, const char* text);
void grf_circled_text(double x, double y, double text_height, double scale, const char* text);
void grf_circled_number(double x, double y, double text_height, double scale, int n);
void grf_fill_pattern_sheet(FILE* stream);
void grf_test_view();
