#pragma once
// Where the point of a nail, staple or screw ends in a joint, and the minimum thicknesses at connectors.

// Position code 0..4 (see penetration.cpp); usable and planes may be null.
int penetration_length_check(int n, double d, double length, double theta_deg, double t1, double t2,
                             double* usable, int* planes);
bool nail_overlap_check(double t1, double t2, double t3, int both_sides, double length, double d);
bool nail_overlap_check_angled(double t1, double t2, double t3, int both_sides,
                               double l1, double d1, double theta1, double* pen1, int* count1, int* code1,
                               double l3, double d3, double theta3, double* pen3, int* count3, int* code3);
double connector_min_thickness_side(double x);
double connector_min_thickness_middle(double x);
