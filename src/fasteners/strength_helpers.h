#pragma once
// Design strengths from the characteristic strengths of a material (N/mm2), the crack factor,
// section and layer helpers, the bearing of bolts in aluminium plates (EN 1999-1-1, 8.5.5)
// and the minimum spacings of user-defined screws. ratio_factor_min20 is in materials/formula_helpers.h.
#include "fasteners/connection_records.h"

double section_reduction_factor(int mode, double x, double b, double h);
double layer_depth(double a, double b, double c, double d, double e, double f);

double design_strength_1(int material, int grade, int kind, double s1, double s2, double k_mod, double gamma_m,
                         double* k_h);
double design_strength_2(int unused_1, int unused_2, int material, int grade, int kind, double s1, double s2,
                         double k_mod, double gamma_m, double* k_h);
double design_strength_3(int material, int grade, int loading, int unused, double s, double k_mod, double gamma_m);
double design_shear_strength(int material, int grade, int kind, double s, double k_mod, double gamma_m);
double characteristic_strength_2_factored(int type, int flag, int material, int grade, int kind, double s1, double s2,
                                          double* k_h);
double design_strength_2_factored(int type, int flag, int material, int grade, int kind, double s1, double s2,
                                  double* k_h, double k_mod, double gamma_m);
double unit_factor();
double crack_factor(int material, double f_vk);

void alu_bolt_min_distances(double d, int fitted, double* p1, double* e1, double* e2, double* p2);
double alu_bearing_alpha(double d, int fitted);
double alu_bearing_k1(double d, int fitted);
double alu_bearing_factor(double d, int fitted, double f_u, double* k1, double* alpha_b);
double alu_bearing_capacity(double d, double f_u, int fitted, double t, double unused, double* k1, double* alpha_b);

// Minimum spacings of user-defined SPAX / ASSY screws without pre-drilling in timber; alpha in
// radians. 1 when the rule applies and a1, a2, a3t, a3c, a4t, a4c are written, else 0.
int user_spax_spacings(UserScrew screw, int predrilled, int material, double alpha, double* a1, double* a2,
                       double* a3t, double* a3c, double* a4t, double* a4c);
int user_assy_spacings(UserScrew screw, int predrilled, int material, double alpha, double* a1, double* a2,
                       double* a3t, double* a3c, double* a4t, double* a4c);
