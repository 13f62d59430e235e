#pragma once
// Partial factors gamma_M and small timber design factors (DIN EN 1995-1-1 with its
// national annex when a set is current, DIN 1052 otherwise).

// gamma_M of a material code; sub_kind tells fibreboards apart (0 hard, 1 medium, else soft);
// accidental != 0 selects the accidental design situation. 0 for a code without a factor.
double material_gamma_m(int material, int sub_kind, int accidental);

double size_factor_k_h(int material, int grade, double h);
double size_factor_k_h_600(double h);
double buckling_factor_k_c(double E_005, double f_c0k, double beta_c, double l_ef, double h,
                           double* out_i, double* out_lambda, double* out_lambda_rel, double* out_k);
double buckling_factor_k_c_material(int material, int grade, double l_ef, double h, double b,
                                    double* out_i, double* out_lambda, double* out_lambda_rel, double* out_k);
void section_add_layer(double* I, double* z, double* S, double* A, double a, double b, double c, double d);
double bearing_factor_k_c90(int material, double l, double h);
// Outer diameter of the washer under a screw or bolt of diameter d, by series 0 to 3; -1 when none.
double washer_outer_diameter(double d, int series);
int strength_direction_index(int material, double angle_deg);
double fire_factor_k_fi(int material);
