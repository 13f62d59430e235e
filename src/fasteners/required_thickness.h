#pragma once
// Required member thicknesses of the simplified method (DIN 1052 and DIN EN 1995-1-1/NA, NA.8.2.4).
#include "fasteners/connection_records.h"

double required_side_thickness(int type, int predrilled, int variant, double d, int thread, int core,
                               double a_side, double a_middle, double x, double f_uk, double t_side, double t_middle,
                               double rho_side, double rho_middle, int mat_side, int mat_middle, int sub_side,
                               int sub_middle, const UserEmbeddingLaw* law_side, const UserEmbeddingLaw* law_middle);
double required_point_thickness(int n, double d, double length, double theta, int type, int predrilled, int variant,
                                int thread, int core, double a_side, double a_middle, double x, double f_uk,
                                double t_side, double t_middle, double rho_side, double rho_middle, int mat_side,
                                int mat_middle, int sub_side, int sub_middle, const UserEmbeddingLaw* law_side,
                                const UserEmbeddingLaw* law_middle);
// Returns the position code of penetration_length_check (0 to 4), or 0 without outputs for other types.
int simplified_thickness_check(int type, double f_uk, int n, double d, double length, double theta, int predrilled,
                               int variant, int thread, int reserved, double t1, double t2, double rho1, double rho2,
                               int material1, int material2, int sub1, int sub2, const UserEmbeddingLaw* law1,
                               const UserEmbeddingLaw* law2, double* usable, int* planes, double* factor,
                               double* t1_req, double* t2_req);

double required_side_thickness_plate(double d, int type, int predrilled, int variant, int thread, int core,
                                     double a_side, double a_middle, double x, double f_uk, double t_side,
                                     double t_middle, double rho_side, double rho_middle, int mat_side, int mat_middle,
                                     int sub_side, int sub_middle, const UserEmbeddingLaw* law_side,
                                     const UserEmbeddingLaw* law_middle);
double required_second_thickness(double d, int type, int predrilled, int variant, int thread, int core,
                                 double a_side, double a_middle, double x, double f_uk, double t_side, double t_middle,
                                 double rho_side, double rho_middle, int mat_side, int mat_middle, int sub_side,
                                 int sub_middle, const UserEmbeddingLaw* law_side, const UserEmbeddingLaw* law_middle);
double middle_thickness_equal_members(double d, int type, int predrilled, int variant, int thread, int core,
                                      double angle, double x, double f_uk, double t, double rho, int material, int sub,
                                      const UserEmbeddingLaw* law1, const UserEmbeddingLaw* law2);
double side_thickness_equal_members(double d, int type, int predrilled, int variant, int thread, int core,
                                    double angle, double x, double f_uk, double t, double rho, int material, int sub,
                                    const UserEmbeddingLaw* law1, const UserEmbeddingLaw* law2);
// Characteristic capacity per shear plane of a smooth nail by the simplified method, with its
// reduction for thin members; writes M_y, f_u, the embedding strengths, the factor and the capacity.
double nail_shear_plane_capacity(int n, double d, double length, double f_uk, int predrilled, int reserved, double t1,
                                 double t2, double rho1, double rho2, double alpha1, double alpha2, int material1,
                                 int material2, int sub1, int sub2, const UserEmbeddingLaw* law1,
                                 const UserEmbeddingLaw* law2, FastenerResult* result);
