#pragma once
// Capacity of one fastener per shear plane by the simplified method (DIN 1052 12.2 and
// DIN EN 1995-1-1/NA NA.8.2.4): A k sqrt(2 M_y f_h,1 d), reduced by A for thin members or a
// short penetration. Lengths mm, strengths N/mm2, densities kg/m3, angles radians unless named.
// Every driver returns the capacity in N and writes its intermediate values into the result
// when the pointer is not null. "spare" arguments are taken and ignored.
#include "fasteners/connection_records.h"

// Nails, staples: member 1 gypsum fibreboard, wood-based panels, timber.
double gypsum_fibreboard_nail_capacity(double d, double l, double f_u, int predrilled, int spare, double t1, double t2,
                                       double rho1, double rho2, int mat1, int mat2, int grade1, int grade2,
                                       FastenerResult* result);
double gypsum_fibreboard_staple_capacity(double d, double l, double f_u, int spare, double t1, double t2, double rho1,
                                         double rho2, int mat1, int mat2, int grade1, int grade2,
                                         FastenerResult* result);
double panel_nail_capacity(int shear_planes, double d, double l, double f_u, int predrilled, int spare1, int spare2,
                           double t1, double t2, double rho1, double rho2, double alpha1, double alpha2, int mat1,
                           int mat2, int grade1, int grade2, const UserEmbeddingLaw* user1,
                           const UserEmbeddingLaw* user2, FastenerResult* result);
double staple_capacity_simplified(int shear_planes, double d, double l, double f_u, int spare, double t1, double t2,
                                  double rho1, double rho2, int mat1, int mat2, int grade1, int grade2,
                                  const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2,
                                  FastenerResult* result);
double nail_capacity_simplified(int shear_planes, double d, double l, double f_u, int predrilled, int spare1,
                                int spare2, double t1, double t2, double rho1, double rho2, int mat1, int mat2,
                                int grade1, int grade2, const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2,
                                FastenerResult* result);

// Dowels and bolts (also the bolt of a connector), wood screws, proprietary screws.
double dowel_bolt_capacity_simplified(int shear_planes, double d, int stainless, int fitted, int thread_flag,
                                      double t1, double t2, double rho2, double rho1, int mat1, int mat2, int grade1,
                                      int grade2, double f_u, double alpha1, double alpha2,
                                      const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2,
                                      FastenerResult* result);
double wood_screw_capacity_simplified(int shear_planes, double d, double l, double f_u, int predrilled, int spare1,
                                      int spare2, double t1, double t2, double rho1, double rho2, double alpha1,
                                      double alpha2, int mat1, int mat2, int grade1, int grade2,
                                      const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2,
                                      FastenerResult* result);
double proprietary_screw_capacity_simplified(int shear_planes, int type, double d, double l, double axis_angle_deg,
                                             int predrilled, int stainless, int reserved, double t1, double t2,
                                             double rho1, double rho2, double alpha1, double alpha2, int mat1,
                                             int mat2, int grade1, int grade2, const UserEmbeddingLaw* user1,
                                             const UserEmbeddingLaw* user2, FastenerResult* result);

// Steel (12) or aluminium (16) plates: class 0 thin, 1 intermediate, 2 thick; factor_out the
// interpolation weight (1 thick, 0 thin, -1 for the types 45 and 46).
int metal_plate_thickness_class(int type, int plate_material, double d, double t_s, double* factor_out);
double thick_plate_dowel_capacity(int type, double d, double t, int predrilled, int stainless, int fitted,
                                  int thread_flag, double alpha, double f_u, int material, int grade, double rho_k,
                                  const UserEmbeddingLaw* law1, const UserEmbeddingLaw* law2, FastenerResult* result);
double plate_member1_dowel_capacity(int type, int shear_planes, double d, double d_class, double t, int predrilled,
                                    int stainless, int fitted, int thread_flag, double t_s, double alpha, double f_u,
                                    int plate_material, int material, int plate_grade, int grade, double rho_k,
                                    FastenerResult* result);
double plate_member1_pin_capacity(int type, int shear_planes, double d, double l, double axis_angle_deg, double t,
                                  int predrilled, int stainless, double t_s, double alpha, double f_u,
                                  int plate_material, int material, int plate_grade, int grade, double rho_k,
                                  FastenerResult* result);
