// Building and editing polygons and polylines in place on caller arrays (x[] and y[]);
// polygons are closed implicitly. clip_polygon_by_line hands back arrays from the counted
// allocator, which the caller frees with mem_free_and_null.
#pragma once

int regular_polygon_of_circle(double r, double xc, double yc, int n, double* X, double* Y);
void rectangle_corners(double w, double h, double xc, double yc, double* X, double* Y);
int bounding_box(int n, const double* X, const double* Y, double* min_x, double* min_y,
                 double* max_x, double* max_y);
// The part of the polygon on the left of the directed line LX[0],LY[0] -> LX[1],LY[1];
// 1 when a crossing point was added.
int clip_polygon_by_line(int n, const double* X, const double* Y, const double* LX,
                         const double* LY, int* count, double** OX, double** OY);
int scale_polygon_about_centroid(int n, double* X, double* Y, double f);
int grow_polygon_about_centroid(int n, double* X, double* Y, double ax, double ay);
int offset_polygon_vertices(int n, double* X, double* Y, double d);
// Open polyline for n > 0, closed polygon of |n| points for n < 0; 2 <= |n| <= 99.
void offset_polyline(double* X, double* Y, int n, double d);
int drop_reflex_vertices(int n, double* X, double* Y);
int drop_repeated_points(int n, double* X, double* Y);
