#pragma once
// Design quantities of openings in timber beams and the bond strength of glued-in rods
// (DIN EN 1995-1-1/NA, NCI NA.6.7 and NA.11.2). Every function is pure; -1 (1 for
// durchbruch_kappa_max) marks an input for which the formula is not defined. Callers must
// treat that sentinel as "not verifiable", never as a number that can pass a check.

// Shape codes of an opening.
enum { OPENING_RECTANGULAR = 0, OPENING_CIRCULAR = 1 };

double glued_rod_fk1k(double l_ad);
double durchbruch_lt90(int shape, double h_d, double h);
double durchbruch_hr(int shape, double h_ro, double h_ru, double h_d);
double durchbruch_kt90(double h);
double durchbruch_FtV(double V, double h_d, double h);
double durchbruch_FtM(double M, double h_r);
double durchbruch_Ft90_resist(double l_t90, double b, double k_t90, double f_t90d);
double durchbruch_kappa_max(double a, double h, double h_d);
