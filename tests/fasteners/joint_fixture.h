// A joint of two C24 members, exact method with characteristic values, one shear plane.
#pragma once
#include "fasteners/connection_records.h"

#include <cstring>

const int kC24 = 5;   // softwood grade C24, rho_k 350

inline ConnectionDescription timber_joint(int type, double d, double t1, double t2)
{
    ConnectionDescription c;
    std::memset(&c, 0, sizeof c);
    c.fastener_type = type;
    c.d = d; c.d_head = 2 * d; c.length = t1 + t2; c.thread_length = c.length;
    c.material_1 = c.material_2 = 0;
    c.grade_1 = c.grade_2 = kC24;
    c.t1 = t1; c.t2 = t2;
    c.shear_planes = 1;
    c.method = 1;
    c.service_class_1 = c.service_class_2 = 1;
    c.load_duration = 2;   // medium term: k_mod 0.8 for solid timber in service class 1
    c.steel_grade = -1;
    c.f_u = 360;
    c.axis_angle = 90;
    c.gamma_m_1 = c.gamma_m_2 = 1.3;
    c.gamma_m_steel = 1.1;
    c.washer_d = -1;
    return c;
}
