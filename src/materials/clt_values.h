#pragma once
// Design quantities of a cross-laminated timber layup per unit width, for one
// bending direction d (0 = x, 1 = y): stiffnesses, weighted mean strengths and
// moduli, crossing factors, interface thickness and shear flexibility. The layup
// must have been evaluated (clt_layup.h) where offsets or moduli are read.

#include "materials/clt_layup.h"

double clt_in_plane_inertia(const CltLayup* layup, int d, double h);
double clt_inertia(const CltLayup* layup, int d);
double clt_bending_stiffness(const CltLayup* layup, int d);
double clt_transformed_inertia(const CltLayup* layup, int d);
double clt_axial_stiffness(const CltLayup* layup, int d);
double clt_shear_stiffness_sum(const CltLayup* layup, int d);
double clt_torsional_stiffness(const CltLayup* layup);
double clt_scaled_thickness(const CltLayup* layup);
double clt_shear_stiffness(const CltLayup* layup, int d);
double clt_effective_bending_stiffness(const CltLayup* layup, int d, double x);
double clt_shear_flexibility_factor(const CltLayup* layup, int d, double length);

double clt_mean_fc0(const CltLayup* layup, int d, int service_class);
double clt_mean_ft0(const CltLayup* layup, int d, int service_class);
double clt_mean_e(const CltLayup* layup, int d);
double clt_mean_e_or_minus_one(const CltLayup* layup, int d);
double clt_mean_g(const CltLayup* layup, int d);

double clt_crossing_factor_args(int n, double t_min, double t, double a, double b);
double clt_crossing_factor(CltLayup layup);
double clt_crossing_factor_width_args(double t_min, double t, double c);
double clt_crossing_factor_width(CltLayup layup, double w);
double clt_crossing_factor_for_line(CltLayup layup, double w);

double clt_interface_thickness(const CltLayup* layup, double* max_out);
double clt_flag_factor(double ignored, int flag);
