// Where lines, segments, rays, circles, polylines and polygons meet; point containment and
// overlaps. Lines use the slope form (1e100 marks a vertical line, slopes within 1e-5 are
// parallel); on-segment decisions test the coordinate box at a number of decimals.
// Grown result lists are resized with the counted allocator and hold exactly the points found
// (released and nulled when there are none); the caller frees them with mem_free_and_null.
#pragma once

// Slope form of the line through (xa, ya) and (xb, yb): vertical when xa - xb is near zero
// (slope 1e100), else slope m and intercept q.
struct SlopeLine {
    int vertical;
    long double m;
    long double q;
    double x;   // xa, the abscissa of a vertical line
};
SlopeLine slope_line(double xa, double ya, double xb, double yb);
int slope_lines_parallel(const SlopeLine& a, const SlopeLine& b);
// Crossing of two lines that are not parallel, formed in extended precision.
void slope_crossing(const SlopeLine& a, const SlopeLine& b, double* ox, double* oy);
// The point lies in the coordinate box of the segment (x1, y1)-(x2, y2) at k decimals.
int in_segment_box(double px, double py, double x1, double y1, double x2, double y2, int k);

// Two lines, segments and rays.
int line_intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                      double x4, double y4, double* ox, double* oy);
int segment_intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4, double* ox, double* oy);
int ray_segment_intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double* ox, double* oy);
int line_segment_intersection(double* ox, double* oy, const double* LX, const double* LY,
                              const double* SX, const double* SY);
int collinear_overlap(double x1, double y1, double x2, double y2, double x3, double y3,
                      double x4, double y4, double* xa, double* ya, double* xb, double* yb);

// Circles; lines and segments as two-point arrays, outputs as arrays of two.
int line_circle_intersection(double xc, double yc, double r, const double* X, const double* Y,
                             double* OX, double* OY);
int segment_circle_intersection(double xc, double yc, double r, const double* X,
                                const double* Y, double* OX, double* OY);
int segment_circle_intersection_ends(double xc, double yc, double r, const double* X,
                                     const double* Y, int include_ends, double* OX, double* OY);
int ray_circle_intersection(double xc, double yc, double r, const double* X, const double* Y,
                            double* OX, double* OY);
int point_circle_relation(double x1, double y1, double r, double x2, double y2);

// Polylines; the _fixed forms write into caller arrays (11 points for the circle form,
// 10 for the others).
int polyline_circle_intersections(int n, const double* X, const double* Y, int unused,
                                  double xc, double yc, double r, double** ox, double** oy);
int polyline_circle_intersections_fixed(int n, const double* X, const double* Y, int unused,
                                        double xc, double yc, double r, double* ox, double* oy);
int polyline_line_intersections(int n, const double* X, const double* Y, int closed,
                                const double* LX, const double* LY, double** ox, double** oy);
int polyline_line_intersections_fixed(int n, const double* X, const double* Y, int closed,
                                      const double* LX, const double* LY, double* ox,
                                      double* oy);
int polyline_segment_intersections(int n, const double* X, const double* Y, int closed,
                                   double xa, double ya, double xb, double yb, double** ox,
                                   double** oy);
int polyline_segment_intersections_fixed(int n, const double* X, const double* Y, int closed,
                                         double xa, double ya, double xb, double yb,
                                         double* ox, double* oy);
int polyline_polyline_intersections(int nA, const double* XA, const double* YA, int closedA,
                                    int nB, const double* XB, const double* YB, int closedB,
                                    double** ox, double** oy);

// Containment and overlaps.
int point_in_polygon(int n, const double* X, const double* Y, double xp, double yp);  // 0/1/2
double polyline_length_inside(int n, const double* X, const double* Y, int m, const double* PX,
                              const double* PY);
int polygon_overlap_grid(int nA, const double* XA, const double* YA, int nB, const double* XB,
                         const double* YB, double* area, double* width, double* height);
double polygon_overlap_area(int nA, const double* XA, const double* YA, int nB,
                            const double* XB, const double* YB);
int count_self_intersections(int n, const double* X, const double* Y, int closed);
