#include "materials/formula_helpers.h"

#include <algorithm>

// The fire duration (min) up to which k_0 grows from 0 to 1.
constexpr long double kK0Time = 20.0L;

// DIN EN 1995-1-2, Table 4.1: k_0 = t/20 (unprotected), t/t_ch (protected, t_ch > 20 min), at most 1
double ratio_factor_min20(int flag, double a, double b)
{
    long double la = a, lb = b;
    if (flag && lb >= kK0Time) return la < lb ? static_cast<double>(la / lb) : 1.0;
    return la < kK0Time ? static_cast<double>(la * 0.05L) : 1.0;
}

// DIN EN 1995-1-2, 3.4.3: time t_a up to which a protected face chars at k_3 beta_n (min)
double capped_spread_value(int capped, double a, double b, double c, double d, double e, double f)
{
    long double la = a, lb = b, lc = c, ld = d, le = e, lf = f;
    if (!capped) return static_cast<double>(la + (lc + (lb - la) * ld * le) / (ld * lf));
    return static_cast<double>(std::min(la + lc / (ld * lf), 2.0L * la));
}
