// Numeric kit: rounding with extended-precision intermediates, the 1e-5 tolerance,
// sorts of values, indices and pairs, extremes and table interpolation.
// Interpolation returns the marker +-1e100 for an infinite slope.
#pragma once

constexpr double NUM_TOLERANCE = 1e-5;
constexpr double NUM_INFINITE = 1e100;

long double round_to_decimals(double x, int n);
// Tolerant tests through round_to_decimals at n decimals (v between a and b in either order).
bool zero_at_decimals(double v, int n);
bool not_positive_at_decimals(double v, int n);
bool coincide_at_decimals(double a, double b, int n);
bool between_at_decimals(double v, double a, double b, int n);
int count_integer_digits(int a);
double power_of_positive(double x, double e);

int compare_indexed_values_asc(const void* a, const void* b);
int compare_indexed_values_desc(const void* a, const void* b);
int compare_indexed_ints_asc(const void* a, const void* b);
int compare_indexed_ints_desc(const void* a, const void* b);
int compare_doubles_asc(const void* a, const void* b);
int compare_doubles_desc(const void* a, const void* b);

void sort_index_by_value(const double* values, int* index, int n);
void sort_index_by_value_dir(int n, const double* values, int* index, int ascending);
void sort_index_by_int_dir(int n, const int* values, int* index, int ascending);
void sort_doubles(int n, double* values, int ascending);
int sorted_unique_values(int n, double* values, int ascending, int decimals);
void sort_pairs_by_x(int n, double* x, int ascending, double* y, int group, int decimals);
void swap_doubles(double* a, double* b);
int index_of_extreme(int n, const double* values, int want_max);

double table_interpolate(const double* table, int n, int stride, double x, int xcol, int ycol,
                         int extrapolate);
double table_interpolate_2d(const double* table, int nrows, int ncols, double row_key,
                            double col_key, int extrapolate);
double interpolate_unsorted_table(int n, const double* xs, const double* ys, double x);
