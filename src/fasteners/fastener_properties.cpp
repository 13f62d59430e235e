#include "fasteners/fastener_properties.h"

#include "national_annex/nad_ec5_block.h"

#include <cmath>

namespace {

struct Step { double from, value; };

template <size_t N>
double step(const Step (&table)[N], double d, double below)
{
    for (const Step& s : table)
        if (d >= s.from) return s.value;
    return below;
}

} // namespace

double thread_core_diameter(double d)
{
    static const Step t[] = {{30, 27.9}, {24, 22.2}, {20, 18.5}, {16, 14.8}, {12, 10.9}, {10, 9.08}, {8, 7.23}, {6, 5.39}};
    if (d >= 33.0 || d < 6.0) return 0.85 * d;
    return step(t, d, 0.85 * d);
}

// DIN EN 1995-1-1, (8.30): M_y,Rk = 0.3 f_u,k d^2.6
double bolt_yield_moment_03(double d, double f_uk) { return 0.3 * f_uk * std::pow(d, 2.6); }
double bolt_yield_moment_015(double d, double f_uk) { return 0.15 * f_uk * std::pow(d, 2.6); }

double connector_screw_yield_moment(double d, int variant)
{
    if (variant == 2) return 4270.0;
    return d < 4.1 ? 3500.0 : 5000.0;
}

double nail_yield_moment(double d)
{
    static const Step din[] = {{12, 48000}, {10, 30000}, {8, 20000}, {7, 11800}, {6, 7900}, {5, 4900},
                               {4.5, 3700}, {4, 2800}, {3.5, 1900}, {3, 1300}, {2.5, 800}};
    if (cur_ec5_params) return 90.0 * std::pow(d, 2.6);   // DIN EN 1995-1-1/NA, NA.8.3.1
    return step(din, d, 0.0);
}

double nail_yield_moment_60(double d) { return cur_ec5_params ? 60.0 * std::pow(d, 2.6) : 0.0; }

double screw_axial_value_by_d_a(double d)
{
    static const Step t[] = {{11.99, 28000}, {9.99, 20000}, {7.99, 13000}, {6.99, 10000}, {5.99, 7100}, {5.59, 6200},
                             {4.99, 4900}, {4.49, 4200}, {3.99, 3800}, {3.49, 2900}, {2.99, 2100}};
    return step(t, d, 0.0);
}

double screw_axial_value_by_d_b(double d)
{
    static const Step ec5[] = {{11.99, 38000}, {9.99, 28000}, {7.99, 17000}, {6.99, 13000}, {5.99, 11000}, {5.59, 9900},
                               {4.99, 7900}, {4.49, 6400}, {3.99, 5000}, {3.49, 3800}, {2.99, 2800}, {2.49, 2000}};
    static const Step din[] = {{11.99, 38000}, {9.99, 28000}, {7.99, 17000}, {6.99, 7500}, {5.99, 5500},
                               {4.99, 3800}, {4.49, 3100}, {3.99, 2400}, {3.49, 1900}, {2.99, 1400}, {2.49, 1000}};
    return cur_ec5_params ? step(ec5, d, 0.0) : step(din, d, 0.0);
}

double screw_yield_moment_by_d(double d)
{
    static const Step t[] = {{13.9, 86000}, {11.9, 58000}, {9.9, 36000}, {7.9, 23000}, {5.9, 10000},
                             {4.9, 5900}, {4.4, 3700}, {3.9, 3300}, {3.4, 1700}, {2.9, 1600}};
    return step(t, d, 0.0);
}

double screw_yield_moment_by_d_alt(double d)
{
    static const Step t[] = {{9.9, 20000}, {7.9, 11000}, {6.4, 6800}, {5.9, 5500}, {5.4, 4400},
                             {4.9, 2800}, {4.4, 2300}, {3.9, 1900}, {3.4, 1400}, {2.9, 900}};
    return step(t, d, 0.0);
}

double screw_tensile_capacity_by_d(double d, int flag)
{
    static const Step plain[] = {{13.9, 62000}, {11.9, 41000}, {9.9, 26000}, {7.9, 21500}, {6.9, 15000},
                                 {5.9, 12500}, {4.9, 7900}, {4.4, 5300}, {3.9, 5000}, {3.4, 3000}};
    static const Step flagged[] = {{13.9, 62000}, {11.9, 45000}, {9.9, 33000}, {7.9, 22000}, {6.9, 15000},
                                   {5.9, 12500}, {4.9, 7900}, {4.4, 5300}, {3.9, 5000}, {3.4, 3000}};
    return flag ? step(flagged, d, 2800.0) : step(plain, d, 2800.0);
}

double screw_value_by_d_f(double d)
{
    static const Step t[] = {{9.9, 19000}, {7.9, 12000}, {6.4, 8300}, {5.9, 7100}, {5.4, 5900},
                             {4.9, 4200}, {4.4, 3600}, {3.9, 3100}, {3.4, 2400}};
    return step(t, d, 1800.0);
}

// DIN EN 1995-1-1, (8.15)/(8.16): embedding strength of nails in timber
double nail_embedding_timber(double d, double rho_k, int predrilled)
{
    return predrilled ? 0.082 * rho_k * (1.0 - 0.01 * d) : 0.082 * rho_k * std::pow(d, -0.3);
}

// DIN EN 1995-1-1, (8.20): embedding strength of nails in plywood
double nail_embedding_plywood(double d, double rho_k, int predrilled)
{
    return predrilled ? 0.11 * rho_k * (1.0 - 0.01 * d) : 0.11 * rho_k * std::pow(d, -0.3);
}
