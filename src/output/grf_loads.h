// Arrow and load symbols of the drawing writer for structural drawings. Coordinates, arrow and
// load lengths are user units; text heights and the sizes of the double arrow, the axis cross
// and the vector arrow are page centimetres. Angles in radians. Each symbol restores the
// drawing state it changes.
#pragma once

// type 0 open, 1 outlined, 2 filled; other types draw nothing
void grf_force_arrow(double x, double y, double angle, double length, double head_length, double head_width,
                     int type);
void grf_force_arrow_text(double x, double y, double angle, double length, double head_length,
                          double head_width, int type, double text_height, const char* format, ...)
    __attribute__((format(printf, 9, 10)));
void grf_force_arrow_between(double x1, double y1, double x2, double y2, double head_length, double head_width,
                             int type);
void grf_moment_arrow(double x, double y, double radius, double start, double end, double head_length,
                      double head_width, int type, double text_height, const char* text);
void grf_load_arrow_vertical(double x, double y, double length, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void grf_load_arrow_horizontal(double x, double y, double length, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void grf_uniform_load(double x1, double y1, double x2, double y2, double height, double text_height,
                      const char* text);
void grf_trapezoid_load(double x1, double y1, double x2, double y2, double start_height, double end_height,
                        double text_height, const char* text);
// Members and loads given with y pointing down.
void grf_member_load_axial(double x1, double y1, double x2, double y2, double q1, double q2);
void grf_member_load_horizontal(double x1, double y1, double x2, double y2, double q1, double q2);
void grf_member_load_vertical(double x1, double y1, double x2, double y2, double q1, double q2);
void grf_member_load_normal(double x1, double y1, double x2, double y2, double q1, double q2);
void grf_double_arrow_line(double x1, double y1, double x2, double y2, const char* text, const char* text2);
void grf_axes_symbol(double x, double y, const char* t1, const char* t2, double size, double angle);
void grf_vector_arrow(double x, double y, double size, double angle, const char* text);
