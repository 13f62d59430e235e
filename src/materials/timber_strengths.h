#pragma once
// Characteristic strengths, moduli and crack factor by material code and grade.
// Strengths and moduli leave in kN/m² (table value in N/mm² x 1000); get_ft90k
// answers in N/mm². A null output pointer skips that output; an output that no
// rule fills keeps the caller's value.

// Loading kind: timber 6/8 along the grain, 7/9 across; boards 0-5 (plate or
// panel, parallel or perpendicular). b, h: cross-section (width, depth) in mm,
// for boards the first is the board thickness. Callers preset *k_h to 1.0:
// the size factor is written only where a rule computes one.
// Returns 1 on success, 0 when code or grade is not covered (nothing written).
int get_strengths(int code, int grade, int service_class, int loading_kind, double b, double h,
                  double* f_m, double* f_t, double* f_c, double* f_v, double* f_c90, double* k_h);

// E_mean, G_mean and the 5 % values; kind and thickness matter for boards only.
int get_E_G_moduli(int code, int grade, int kind, double thickness,
                   double* e_mean, double* g_mean, double* e_05, double* g_05);

// E90,mean x 1000 for the timber member codes 0, 13, 1, 2, 3, 17; 0 otherwise.
int get_e90_mean(int code, int grade, double* out);

// f_c,90,k in kN/m²; 0 when not covered.
double get_fc90k(int code, int grade, int service_class, int loading_kind);

// f_t,90,k in N/mm².
double get_ft90k(int code, int grade);

// Crack factor k_cr (DIN EN 1995-1-1/NA, NCI to 6.1.7); 1.0 without a national annex.
double get_fvk_kcr(int code, int grade, double b, double h);

// min((3000/l)^0.06, 1.1) for laminated veneer lumber of length l in mm.
double lvl_length_factor(double length);
// min(0.892 + 0.0009 x, 1.0), 1.0 once 0.0009 x >= 0.288; x 1.2 with flag 1.
double gl75_compression_factor(int flag, double x);
