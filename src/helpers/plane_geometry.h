// Plane geometry: y up, angles in radians counter-clockwise from +x, polygons positive
// when counter-clockwise; the tolerance 1e-5 decides vertical lines.
#pragma once

long double line_angle(double x1, double y1, double x2, double y2);
// cos and sin of line_angle, with the exact double values for a vertical line.
void line_direction_cos_sin(double x1, double y1, double x2, double y2, long double* c,
                            long double* s);
long double vector_angle(double x1, double y1, double x2, double y2);
long double angle_between_vectors(double x1, double y1, double x2, double y2,
                                  double x3, double y3, double x4, double y4);
long double normalize_angle_positive(double a);
long double bisector_angle_deg(double a, double b);
long double mirror_value(double a, double b);

// In place; both return n (nothing happens for n <= 0).
int rotate_scale_points(double* x, double* y, int n, double x0, double y0, double a, double f);
int unrotate_scale_points(double* x, double* y, int n, double x0, double y0, double a, double f);
void rotate_scale_points_to_int(double* x, double* y, int n, double x0, double y0, double a,
                                double f, int* ix, int* iy);
void polygon_orientation(int n, double* x, double* y, int mode);
void polygon_make_ccw(int n, double* x, double* y);
void polygon_make_cw(int n, double* x, double* y);
void mirror_y_ccw(int n, const double* x, const double* y, double c, double* ox, double* oy);

void point_along_line(double x1, double y1, double x2, double y2, double d, int from_end,
                      double* ox, double* oy);
int point_along_segment_from_end(double x1, double y1, double x2, double y2, double d,
                                 double* ox, double* oy);
void offset_segment(double* x1, double* y1, double* x2, double* y2, double d);
void project_points_onto_line(int n, double* x, double* y, double x1, double y1, double x2,
                              double y2);
long double point_line_distance(double x0, double y0, double x1, double y1, double x2, double y2);
long double extent_along_direction(int n, const double* x, const double* y, double a);

int circle_overlap(double r1, double r2, double d, double* area, double* depth, double* chord);
double circle_overlap_area(double r1, double r2, double d);
