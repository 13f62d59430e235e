#pragma once
// Characteristic properties of dowel-type fasteners by nominal diameter d (mm).
// The step tables are read from the top: the first bound that d reaches gives the value.

double thread_core_diameter(double d);
double bolt_yield_moment_03(double d, double f_uk);
double bolt_yield_moment_015(double d, double f_uk);
double connector_screw_yield_moment(double d, int variant);
double nail_yield_moment(double d);
double nail_yield_moment_60(double d);
double screw_axial_value_by_d_a(double d);       // tensile capacity of stainless SPAX screws, N
double screw_axial_value_by_d_b(double d);       // tensile capacity of SPAX screws, N
double screw_yield_moment_by_d(double d);
double screw_yield_moment_by_d_alt(double d);
double screw_tensile_capacity_by_d(double d, int flag);   // tensile capacity of ASSY screws, N
double screw_value_by_d_f(double d);             // tensile capacity of stainless ASSY screws, N
double nail_embedding_timber(double d, double rho_k, int predrilled);
double nail_embedding_plywood(double d, double rho_k, int predrilled);
