#pragma once
// Formula helpers of timber member design: support reactions of continuous beams, floor
// vibration terms (DIN EN 1995-1-1 7.3.3), the notch factor k_v (6.62), the taper factor
// k_m,alpha (6.39, 6.40), tension perpendicular to the grain at connections and notches
// (DIN EN 1995-1-1/NA), angle interactions and lateral-torsional buckling (6.3.3).
// Angles in radians; out pointers may be null.

double continuous_beam_end_reaction(double a, double L, double s, double d, double w, double f, double g, double q1,
                                    double q2);
double continuous_beam_inner_reaction(double a, double L, double s, double d, double w, double f, double g, double q1,
                                      double q2);

double two_term_stress_ratio(double a, double b, double c, double d, double e, double f, double g);
double quotient_product(double a, double b, double c, double d, double e);
double cubic_term_ratio(double a, double b, double c, double d, double e);
double shear_term_ratio(double a, double b, double c, double d, double e, double f, double g);
double ratio_polynomial(double a, double b);
double floor_natural_frequency(double l, double EI, double m);
double fourth_root_ratio(double a, double b, double c, double d);
double inverse_fourth_power_root(double x);
double length_ratio_factor(double a, double b, double c);
double connection_tension_force(double h, double a, double F, double* out_alpha);
double notch_tension_force(double h, double a, double V, double* out_alpha);
double notch_ratio_term(double h, double b, double c, double* out_e, double* out_delta);

// b of the vibration criterion from a (mm/kN): -1 outside 0.5 <= a <= 4.
double vibration_b_from_a(double a);
double stepped_ratio_factor(double a, double b);
double notch_factor_k_v(double k_n, double i, double h, double alpha, double x);
double taper_factor_k_m_alpha_tension(double f_m, double f_v, double f_t90, double tan_alpha);
double taper_factor_k_m_alpha_compression(double f_m, double f_v, double f_c90, double tan_alpha);
double angle_strength_interaction(double alpha, double a, double b, double c);
double angle_interaction_factor(double a, double b, double c, double alpha);

// k_crit of a rectangular beam; b, h in cm, f_mk, E_005, G_005 in kN/m2, l_ef in m. glulam != 0
// applies the national annex's factor of the current set's EC5 block to the torsion constant.
double lateral_buckling_k_crit(int glulam, double b, double h, double f_mk, double l_ef, double E_005, double G_005);
