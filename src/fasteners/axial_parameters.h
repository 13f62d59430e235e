#pragma once
// Characteristic parameters of axially loaded fasteners: withdrawal (f_ax), head pull-through
// (f_head), washer bearing area and the row factor k_ef of nails. Densities kg/m3, lengths mm,
// parameters N/mm2.

double nail_withdrawal_parameter(int type, double limit, int predrilled, int small_hole, double rho);
double nail_head_pullthrough_parameter(int type, int reduction, double rho);
double screw_withdrawal_parameter(int type, int flag, double unused, double rho, double d);
double screw_head_pullthrough_parameter(int type, int material, double rho, double t, double d_h, int washer);
double screw_head_parameter(double d_h, double D, double d1, double t, int material);
double screw_head_parameter_b(int type, int head_kind, double d_h, double d1, double D, double t, int material);
double washer_bearing_area(double d, double D);
double nail_row_factor_kef(double d, double a1, int predrilled);

double assy_withdrawal_by_d(double d);
double spax_withdrawal_by_d(double d);
double screw_head_parameter_nowasher(double d_h);
double screw_head_parameter_c(int type, int head_kind, double d_h, double d1, double D, double t, int material, int flag);
double washer_ring_area(double d, double D);
double plate_washer_area(double d, double t);
