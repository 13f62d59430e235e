#pragma once
// The material values the fastener design takes from the material library, in the units the
// fastener formulas use. One seam, so that the fastener code names no table of its own.
struct UserMaterial;

// rho_k in kg/m3; 1 when known, 0 otherwise (out unchanged).
int fastener_get_rho_k(int material, int grade, double t, double* out, const UserMaterial* user);
// k_mod; 1 when known, 0 otherwise (out unchanged).
int fastener_get_kmod(int material, int grade, int service_class, int load_duration, double* out,
                      const UserMaterial* user);
// Third strength of the strength getter (kN/m2) for the loading kind; 1 when known.
int fastener_get_strength_c(int material, int grade, int service_class, int kind, double s1, double s2, double* out);
// E_0,05 in kN/m2 of the modulus kind; 1 when known.
int fastener_get_E_05(int material, int grade, int kind, double thickness, double* out);
// Ultimate strength f_u of a steel grade code, N/mm2.
double fastener_steel_f_u(int steel_grade);
