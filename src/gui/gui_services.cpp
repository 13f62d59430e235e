#include "gui/gui_services.h"
#include "materials/timber_factors.h"
#include "materials/timber_strengths.h"

bool window_kmod(int holzart, int grade, int nkl, int kled, double* kmod)
{
    return get_kmod(holzart, grade, nkl, kled, kmod, nullptr) != 0;
}

bool window_rho_k(int holzart, int grade, double h, double* rho_k)
{
    return get_rho_k(holzart, grade, h, rho_k, nullptr) != 0;
}

bool window_plate_ft0k(int material, int grade, double a_r, double t_r, double* ft0k)
{
    // Plywood is loaded in its plane (kind 2), solid and glued-laminated timber along the grain (6).
    const int loading = material == 6 ? 2 : 6;
    double f_t = -1.0;
    if (!get_strengths(material, grade, 1, loading, a_r, t_r, nullptr, &f_t, nullptr, nullptr, nullptr, nullptr))
        return false;
    if (f_t < 0.0)
        return false;
    *ft0k = f_t;
    return true;
}

std::vector<ScrewRow> window_screw_rows(int /*product*/)
{
    return {};
}

void window_load_screw_tables() {}

void window_min_spacings(int, int, int, double, double, double, double* a2, double* a3c, double* a4c)
{
    *a2 = 0;
    *a3c = 0;
    *a4c = 0;
}
