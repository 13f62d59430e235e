#pragma once
// Slip modulus K_ser of one fastener per shear plane (DIN EN 1995-1-1 Table 7.1 with an EC5
// block current, DIN 1052 otherwise) and the area one fastener hole takes out of a member.
#include "fasteners/connection_records.h"

double slip_modulus_k_ser(int type, int predrilled, double d, int material_1, int grade_1, double thickness_1,
                          int material_2, int grade_2, double thickness_2, const UserMaterial* user_material);
double fastener_hole_area(int type, double d, int row, int bolt_index, int predrilled, int fitted, double t);
double fastener_hole_area_by_row(int type, int row, int bolt_index, int predrilled, int fitted, double t,
                                 double* out_width);
