#pragma once
// Strength and stiffness values of the wood-based boards and the laminated
// veneer lumber products (codes 4-11, 18, 19, -11), by grade (sub-type),
// loading kind and board thickness. Values leave in kN/m² (N/mm² x 1000).

// Particleboard (code 7) strengths by thickness, grades 0-3. Loading kinds
// 0, 1, 4, 9 (plate) and 5, 8 (panel); any other kind writes nothing and
// returns 1; a thickness outside 6 < t <= 50 (or a grade outside 0-3) writes
// nothing and returns 0. Null outputs are skipped.
int board_strength_by_thickness(int grade, int loading_kind, double* f_m, double thickness,
                                double* f_t, double* f_c, double* f_v, double* f_c90);

// Thickness limits of a board code in mm.
double board_min_thickness(int code);
double board_max_thickness(int code);

// Used by get_strengths / get_E_G_moduli for the board and LVL codes: -1 when
// the code is not a board code, 0 for a grade outside the code's list, else 1.
// Outputs that the tables mark as not given keep the caller's value.
int board_strengths(int code, int grade, int service_class, int loading_kind, double thickness,
                    double* f_m, double* f_t, double* f_c, double* f_v, double* f_c90);
int board_moduli(int code, int grade, int kind, double thickness,
                 double* e_mean, double* g_mean, double* e_05);
// Number of sub-types of a board code (0 for any other code).
int board_grade_count(int code);
