#pragma once
// Minimum spacings and end/edge distances of one fastener (DIN EN 1995-1-1/NA, 8.3 to 8.9, with an
// annex set current; DIN 1052 otherwise). Outputs in mm; null pointers are skipped.
// alpha: angle between force and grain, theta: staple crown to grain, both in radians.
// Returns the rule code (2..9 with an EC5 block, 8..21 without, 0: no rule, nothing written).
int fastener_minimum_spacings(int type, int predrilled, int fitted, int reserved, int splitting, int material,
                              double rho_k, double d, double d_b, double alpha, double theta, double unused_1,
                              double unused_2, double* a1, double* a2, double* a3t, double* a3c, double* a4t,
                              double* a4c);
