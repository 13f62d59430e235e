#pragma once
// Effective numbers of fasteners in a row, governing capacity terms, bearing of supports,
// two 4 d distance checks, bolt holes and the defaults of a new user-defined screw
// (DIN EN 1995-1-1/NA 8.3.1.1(8), 8.5.1.1(4), 8.9; DIN 1052 without a current EC5 block).
// Angles in degrees; out pointers may be null.
#include "fasteners/connection_records.h"

double effective_fastener_count(double d, int n, double a1, double angle);
double effective_connector_count(int n, double angle);
double effective_nail_count(double d, int predrilled, int n, double a1, double angle);
double effective_count_by_type(int type, double d, int predrilled, int n, double a1, double angle);
double effective_count_by_thickness(double d, int n, double a1, double t, double angle);
double effective_count_power(int n);

double three_way_capacity(double a, double b, double c, double d, double e, double f, int* out_index,
                          double* out_1, double* out_2, double* out_3);
double three_way_capacity_reduced(double a, double b, double c, double d, double e, double f, double g, double h,
                                  double l, double m, int* out_index, double* out_1, double* out_2, double* out_3);
double percent_ratio(double a, double b, double c, double* out);

double support_bearing_force(int material, double f, double l1, double h, double u1, double u2, double l, double w,
                             int n_s);
double support_bearing_capacity(int material, double l1, double h, double u1, double u2, double l, double w, int n_s,
                                double p, double q, double r, double f, double* out);
double support_bearing_share(int material, double l1, double h, double u1, double u2, double l, double w, int n_s,
                             double p, double q, double f);
void bearing_effective_areas(double u1, double u2, double l, double l_i, double w, double* out_1, double* out_2,
                             double* out_3);
double half_length_reduction(double a, double b, int flag);

int distance_check_4d_sum(double d, double b, double c, double e);
int distance_check_4d(double a, double d, double c);
double bolt_hole_diameter(double d);

// Fills *screw with the defaults of a new user-defined ASSY (43) or SPAX (44) screw; 0 for other types.
int default_screw_record(int type, UserScrew* screw);
