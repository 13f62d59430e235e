// Reinforcing-bar layout formulas: standard diameters (metres), bar areas, counts and
// spacings. The formulas themselves take any consistent units.
#pragma once

constexpr int BAR_DIAMETER_COUNT = 10;
extern const double kBarDiameters[BAR_DIAMETER_COUNT];   // 0.006 .. 0.032 ascending

double next_smaller_bar_diameter(double x);
double bar_axis_distance(double c, double s, unsigned int n, double d);
int bar_count_for_area(double a, double d);
int bar_count_for_area_multi(double a, double d, int n);
double bar_area_per_length_stepped(double s, double d);
double bar_area_per_length(double s, double d);
double bars_area(int n, double d);
double bar_group_area(int n, int m, double d);
int smallest_bar_for_area(double a, int n, int k);
// First (count, index) from count n upwards with a <= k * area; returns the count, or 0 (with
// n_out and i_out untouched) when the arguments can never be satisfied.
int bar_layout_for_area(double a, int n, int first, int last, int k, int* n_out, int* i_out);
int bar_count_across(double w, double s);
int bar_gap_count(double w, double c, double e, double d);
double bar_spacing_on_circle(int n, double r);
double bar_spacing_on_line(int n, double l);
int bar_count_on_circle(double a, double r);
