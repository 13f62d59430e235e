#pragma once
// Single formulas of DIN EN 1995-1-1: the angle factor of ring and shear-plate connectors
// (8.9), member buckling (6.3.2), lateral-torsional buckling (6.3.3), minimum timber
// thicknesses of nailed joints (8.3.1.2) and a step value of plasterboard.

// 1 / (k_90 sin^2 a + cos^2 a), k_90 = 1.3 + 0.001 d_c; alpha in degrees.
double connector_angle_factor(double d_c, double alpha);
double critical_bending_stress(double a, double b, double c, double d);
double buckling_beta_c(int material);
double relative_slenderness(double lambda, double f_c0k, double e_005);
double buckling_instability_k(double beta_c, double lambda_rel);
double buckling_k_c_of_k(double k, double lambda_rel);
double relative_slenderness_bending(double f_mk, double sigma_crit);
double min_timber_thickness(double d, double rho_k);
double min_timber_thickness_splitting(double d, double rho_k);
double plasterboard_step_value(double x, int material);
