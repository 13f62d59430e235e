#include "helpers/rounding.h"

#include "helpers/mem_counted.h"
#include "platform/os/c_numeric.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const double kPowersOfTen[19] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

// Slots through which the index sorts hand their arrays to the comparators.
const double* g_sort_values = nullptr;
const int* g_sort_ints = nullptr;

int tolerant_sign(long double d)
{
    if (d > -NUM_TOLERANCE && d < NUM_TOLERANCE) return 0;
    return d > 0 ? 1 : -1;
}

bool equal_within_tolerance(double a, double b)
{
    long double d = (long double)a - (long double)b;
    return d > -NUM_TOLERANCE && d < NUM_TOLERANCE;
}

bool coincide(double a, double b, int decimals)
{
    return round_to_decimals(std::fabs(a - b), decimals) == 0.0L;
}

} // namespace

long double round_to_decimals(double x, int n)
{
    const CNumericScope c_numbers;
    if (n < 0) n = 0;   // negative decimals would read before the powers table
    if (n <= 13) {
        long double p = kPowersOfTen[n];
        long double v = (long double)x * p + 0.5L;
        return floorl(v) / p;
    }
    // Beyond 13 decimals the product leaves the exact range: print and read back.
    char format[32];
    c_snprintf(format, sizeof format, "%%.%dlf", n);
    char text[400];
    int len = c_snprintf(text, sizeof text, format, x + std::pow(10.0, -n - 6));
    if (len < 0 || len >= (int)sizeof text) return x;   // outside the contract: keep the value
    return c_atof(text);
}

bool zero_at_decimals(double v, int n) { return round_to_decimals(v, n) == 0.0L; }

bool not_positive_at_decimals(double v, int n) { return round_to_decimals(v, n) <= 0.0L; }

bool coincide_at_decimals(double a, double b, int n) { return coincide(a, b, n); }

bool between_at_decimals(double v, double a, double b, int n)
{
    return (not_positive_at_decimals(a - v, n) && not_positive_at_decimals(v - b, n)) ||
           (not_positive_at_decimals(b - v, n) && not_positive_at_decimals(v - a, n));
}

int count_integer_digits(int a)
{
    long double x = a;
    int count = 0;
    do {
        x = x * 0.1L;
        count += 1;
    } while (floorl((x - 1.0L) * 1e8L + 0.5L) * 1e-8L >= 0.0L);
    return count;
}

double power_of_positive(double x, double e)
{
    if (x <= 0.0) return 0.0;
    if (e == 2.0) return x * x;
    return std::pow(x, e);
}

int compare_indexed_values_asc(const void* a, const void* b)
{
    return tolerant_sign((long double)g_sort_values[*(const int*)a] - g_sort_values[*(const int*)b]);
}

int compare_indexed_values_desc(const void* a, const void* b)
{
    return -compare_indexed_values_asc(a, b);
}

int compare_indexed_ints_asc(const void* a, const void* b)
{
    double d = (double)g_sort_ints[*(const int*)a] - (double)g_sort_ints[*(const int*)b];
    return tolerant_sign(d);
}

int compare_indexed_ints_desc(const void* a, const void* b)
{
    return -compare_indexed_ints_asc(a, b);
}

int compare_doubles_asc(const void* a, const void* b)
{
    return tolerant_sign((long double)*(const double*)a - *(const double*)b);
}

int compare_doubles_desc(const void* a, const void* b)
{
    return -compare_doubles_asc(a, b);
}

void sort_index_by_value(const double* values, int* index, int n)
{
    sort_index_by_value_dir(n, values, index, 1);
}

void sort_index_by_value_dir(int n, const double* values, int* index, int ascending)
{
    if (n <= 0) return;
    for (int i = 0; i < n; ++i) index[i] = i;
    g_sort_values = values;
    std::qsort(index, n, sizeof(int), ascending ? compare_indexed_values_asc : compare_indexed_values_desc);
}

void sort_index_by_int_dir(int n, const int* values, int* index, int ascending)
{
    if (n <= 0) return;
    for (int i = 0; i < n; ++i) index[i] = i;
    g_sort_ints = values;
    std::qsort(index, n, sizeof(int), ascending ? compare_indexed_ints_asc : compare_indexed_ints_desc);
}

void sort_doubles(int n, double* values, int ascending)
{
    if (n <= 1) return;
    std::qsort(values, n, sizeof(double), ascending ? compare_doubles_asc : compare_doubles_desc);
}

int sorted_unique_values(int n, double* values, int ascending, int decimals)
{
    if (n < 1) return 0;
    sort_doubles(n, values, ascending);
    double* work = nullptr;
    mem_copy_doubles(n, &work, values);
    int kept = 1;
    values[0] = work[0];
    for (int i = 1; i < n; ++i) {
        if (!coincide(work[i], work[i - 1], decimals)) values[kept++] = work[i];
    }
    mem_free_and_null(&work);
    return kept;
}

void sort_pairs_by_x(int n, double* x, int ascending, double* y, int group, int decimals)
{
    if (n <= 0) return;
    double* xc = nullptr;
    double* yc = nullptr;
    mem_copy_doubles(n, &xc, x);
    mem_copy_doubles(n, &yc, y);
    int* index = (int*)mem_realloc_counted(nullptr, n * (int)sizeof(int), 1);
    sort_index_by_value_dir(n, xc, index, ascending);
    if (group > 0) {
        int start = 0;
        while (start < n) {
            int end = start;   // last member of the group
            while (end + 1 < n && coincide(xc[index[end + 1]], xc[index[end]], decimals)) ++end;
            int len = end - start + 1;
            if (len >= 2) {
                g_sort_values = yc;
                std::qsort(index + start, len, sizeof(int), compare_indexed_values_asc);
            }
            start = end + 1;
        }
    }
    for (int i = 0; i < n; ++i) {
        x[i] = xc[index[i]];
        y[i] = yc[index[i]];
    }
    mem_free_and_null(&index);
    mem_free_and_null(&xc);
    mem_free_and_null(&yc);
}

void swap_doubles(double* a, double* b)
{
    double t = *a;
    *a = *b;
    *b = t;
}

int index_of_extreme(int n, const double* values, int want_max)
{
    if (n < 2) return 0;
    int best = 0;
    for (int i = 1; i < n; ++i) {
        if (want_max ? values[i] > values[best] : values[i] < values[best]) best = i;
    }
    return best;
}

double table_interpolate(const double* table, int n, int stride, double x, int xcol, int ycol,
                         int extrapolate)
{
    auto X = [&](int k) { return table[k * stride + xcol]; };
    auto Y = [&](int k) { return table[k * stride + ycol]; };
    if (n < 2) return n == 1 ? Y(0) : 0.0;
    bool ascending = X(n - 1) > X(0);
    int k = 1;
    for (; k < n; ++k) {
        if (ascending ? x <= X(k) : x >= X(k)) break;
    }
    if (k >= n) k = n - 1;
    int lo = k - 1, hi = k;
    if (!extrapolate) {
        if (ascending) {
            if (x < X(0) - NUM_TOLERANCE) lo = hi = 0;
            else if (x > X(n - 1) + NUM_TOLERANCE) lo = hi = n - 1;
        } else {
            if (x > X(0) + NUM_TOLERANCE) lo = hi = 0;
            else if (x < X(n - 1) - NUM_TOLERANCE) lo = hi = n - 1;
        }
    }
    if (equal_within_tolerance(Y(lo), Y(hi))) return Y(lo);
    if (X(lo) != X(hi)) return Y(lo) + (x - X(lo)) * (Y(hi) - Y(lo)) / (X(hi) - X(lo));
    return x >= 0 ? NUM_INFINITE : -NUM_INFINITE;
}

double table_interpolate_2d(const double* table, int nrows, int ncols, double row_key,
                            double col_key, int extrapolate)
{
    auto K = [&](int j) { return table[1 + j]; };
    bool ascending = K(0) <= K(1);
    int lo = 0, hi = 1;
    if (!(ncols <= 2 || (ascending ? col_key <= K(1) : col_key >= K(1)))) {
        int j = 2;
        for (; j < ncols; ++j) {
            if (ascending ? col_key <= K(j) : col_key >= K(j)) break;
        }
        if (j < ncols) {
            lo = j - 1;
            hi = j;
        } else {
            lo = ncols - 2;
            hi = ncols - 1;
        }
    }
    if (!extrapolate) {
        bool before = ascending ? col_key < K(0) - NUM_TOLERANCE : col_key > K(0) + NUM_TOLERANCE;
        bool after = ascending ? col_key > K(ncols - 1) + NUM_TOLERANCE
                               : col_key < K(ncols - 1) - NUM_TOLERANCE;
        if (before) lo = hi = 0;
        else if (after) lo = hi = ncols - 1;
    }
    const double* rows = table + (ncols + 1);
    double v_lo = table_interpolate(rows, nrows, ncols + 1, row_key, 0, lo + 1, extrapolate);
    double v_hi = table_interpolate(rows, nrows, ncols + 1, row_key, 0, hi + 1, extrapolate);
    if (equal_within_tolerance(v_lo, v_hi)) return v_lo;
    if (K(lo) != K(hi)) return v_lo + (col_key - K(lo)) * (v_hi - v_lo) / (K(hi) - K(lo));
    return col_key >= 0 ? NUM_INFINITE : -NUM_INFINITE;
}

double interpolate_unsorted_table(int n, const double* xs, const double* ys, double x)
{
    if (n < 1) return 0.0;
    if (n == 1) return ys[0];
    int* idx = (int*)mem_realloc_counted(nullptr, n * (int)sizeof(int), 0);
    sort_index_by_value(xs, idx, n);
    // One pass that puts equal arguments back into their input order.
    for (int i = 0; i + 1 < n; ++i) {
        if (round_to_decimals(std::fabs(xs[idx[i]] - xs[idx[i + 1]]), 4) == 0.0L && idx[i + 1] < idx[i]) {
            int t = idx[i];
            idx[i] = idx[i + 1];
            idx[i + 1] = t;
        }
    }
    int a = n - 2, b = n - 1;
    if (x <= xs[idx[0]]) {
        a = 0;
        b = 1;
    } else {
        for (int i = 0; i <= n - 2; ++i) {
            if (xs[idx[i]] <= x && x <= xs[idx[i + 1]]) {
                a = i;
                b = i + 1;
                break;
            }
        }
    }
    double xa = xs[idx[a]], ya = ys[idx[a]], xb = xs[idx[b]], yb = ys[idx[b]];
    double result;
    if (xa != xb) result = ya + (yb - ya) / (xb - xa) * (x - xa);
    else if (ya == yb) result = yb;
    else result = x >= 0 ? NUM_INFINITE : -NUM_INFINITE;
    mem_free_and_null(&idx);
    return result;
}
