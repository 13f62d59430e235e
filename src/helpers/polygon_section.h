// Cross-section values of a plane polygon from its vertices by the edge sums of Green's
// theorem. The polygon is closed implicitly; moments are about the coordinate axes and carry
// the sign of the orientation (positive counter-clockwise).
#pragma once

struct PolygonPoint {
    double x;
    double y;
};

// The quiet non-number (bit pattern 7FF8000000000000) written where there is no value.
double polygon_no_value();

int polygon_centroid(int n, const double* x, const double* y, double* cx, double* cy);
PolygonPoint polygon_centroid_point(int n, const double* x, const double* y);
double polygon_area(int n, const double* x, const double* y);
double polygon_perimeter(int n, const double* x, const double* y);
double polygon_first_moment_x(int n, const double* x, const double* y);    // integral of y dA
double polygon_first_moment_y(int n, const double* x, const double* y);    // integral of x dA
double polygon_second_moment_x(int n, const double* x, const double* y);   // integral of y^2 dA
double polygon_second_moment_y(int n, const double* x, const double* y);   // integral of x^2 dA
double polygon_product_moment(int n, const double* x, const double* y);    // integral of xy dA

// Shifts the arrays onto the centroid (they stay shifted) and returns the principal angle phi
// (measured clockwise) and the sides b (along the stronger axis) and h of the rectangle with
// the polygon's area and ratio of principal moments. Equal principal moments (a square, a
// regular polygon) give phi = 0 and b = h = sqrt(A); n < 1 gives non-numbers.
int polygon_equivalent_rectangle(int n, double* x, double* y, double* b, double* h, double* phi);
