#include "fasteners/material_access.h"

#include "materials/steel_grades.h"
#include "materials/timber_factors.h"
#include "materials/timber_strengths.h"

int fastener_get_rho_k(int material, int grade, double t, double* out, const UserMaterial* user)
{
    return get_rho_k(material, grade, t, out, user);
}

int fastener_get_kmod(int material, int grade, int service_class, int load_duration, double* out,
                      const UserMaterial* user)
{
    return get_kmod(material, grade, service_class, load_duration, out, user);
}

int fastener_get_strength_c(int material, int grade, int service_class, int kind, double s1, double s2, double* out)
{
    return get_strengths(material, grade, service_class, kind, s1, s2, nullptr, nullptr, out, nullptr, nullptr, nullptr);
}

int fastener_get_E_05(int material, int grade, int kind, double thickness, double* out)
{
    return get_E_G_moduli(material, grade, kind, thickness, nullptr, nullptr, out, nullptr);
}

double fastener_steel_f_u(int steel_grade) { return steel_grade_record(steel_grade)->f_u; }
