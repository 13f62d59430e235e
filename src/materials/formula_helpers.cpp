#include "materials/formula_helpers.h"

#include <algorithm>

double ratio_factor_min20(int flag, double a, double b)
{
    long double la = a, lb = b;
    if (flag && lb >= 20.0L) return la < lb ? static_cast<double>(la / lb) : 1.0;
    return la < 20.0L ? static_cast<double>(la * 0.05L) : 1.0;
}

double capped_spread_value(int capped, double a, double b, double c, double d, double e, double f)
{
    long double la = a, lb = b, lc = c, ld = d, le = e, lf = f;
    if (!capped) return static_cast<double>(la + (lc + (lb - la) * ld * le) / (ld * lf));
    return static_cast<double>(std::min(la + lc / (ld * lf), 2.0L * la));
}
