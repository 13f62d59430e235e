#pragma once
// Axial load-carrying capacity of one fastener (withdrawal, head pull-through, steel tension,
// washer bearing) and the buckling of fully threaded screws.
#include "fasteners/connection_records.h"

// DIN EN 1995-1-1 with the national annex and the screw approvals. p: length in the point-side
// member (mm); f_c90: compression strength under a washer (N/mm2). Returns R_ax,k in N (>= 0);
// a rule that stops returns 0 and leaves its code in result->message_code.
double axial_capacity_annex(ConnectionDescription description, double p, double f_c90, FastenerResult* result);
// The same under DIN 1052 (no national-annex set current). Reads rho_k_1/2 and k_mod from result.
double axial_capacity_din(ConnectionDescription description, double p, double f_c90, FastenerResult* result);
// Buckling block of a SPAX fully threaded screw (type 13); returns 0.
double screw_buckling_and_withdrawal(ConnectionDescription description, double p, FastenerResult* result);
int rope_effect_applies(int type, int resin_coated, int predrilled, int fitted_hole, int material_1, int material_2,
                        int shear_planes, int failure_mode);
