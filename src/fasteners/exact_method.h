#pragma once
// Capacity of one dowel-type fastener per shear plane by the failure-mode (Johansen) equations
// of DIN EN 1995-1-1 8.2.2 (timber and panel joints) and 8.2.3 (steel-to-timber joints).
// Lengths mm, forces N, strengths N/mm2, moments Nmm, angles radians. method: 1 characteristic
// values, 2 design values. The characteristic drivers take the rope-effect share stored in the
// result off the modes without a plastic hinge. Every driver returns 0 (no error is reported).
#include "fasteners/connection_records.h"

int johansen_timber_characteristic(int method, int shear_planes, double d, double l, double axis_angle,
                                   int predrilled, int stainless, int fitted_hole, int thread_flag, int type,
                                   double alpha1, double alpha2, double t1, double t2, double rho1, double rho2,
                                   int mat1, int mat2, int grade1, int grade2, double f_u,
                                   const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2,
                                   FastenerResult* result);
int johansen_timber_design(double gamma1, double gamma2, double gamma_s, double kmod1, double kmod2, int method,
                           int shear_planes, double d, double l, double axis_angle, int predrilled, int stainless,
                           int fitted_hole, int thread_flag, int type, double alpha1, double alpha2, double t1,
                           double t2, double rho1, double rho2, int mat1, int mat2, int grade1, int grade2,
                           double f_u, const UserEmbeddingLaw* user1, const UserEmbeddingLaw* user2,
                           FastenerResult* result);

// Steel or aluminium plate as member 1 (t1 the plate, t2 the timber; d_ef decides thin or thick).
int johansen_plate_member1_characteristic(ConnectionDescription desc, FastenerResult* result);
int johansen_plate_member1_design(ConnectionDescription desc, FastenerResult* result);

// Plate between two timber parts (member 2); angle of member 1 in radians.
int johansen_plate_member2_characteristic(int method, double d, int type, int predrilled, int stainless,
                                          int thread_flag, int fitted_hole, double angle, double t1, double rho1,
                                          int mat1, int grade1, double f_u, FastenerResult* result);
int johansen_plate_member2_design(double gamma1, double gamma2, double gamma_s, double kmod1, double d, int type,
                                  int predrilled, int stainless, int thread_flag, int fitted_hole, double angle,
                                  double t1, double rho1, int mat1, int grade1, double f_u, FastenerResult* result);

// Yield moment M_y,k (Nmm) of the exact method by fastener type; wood_screw_factor is 0.15 or
// 0.3 times f_u d^2.6 for the wood screws 2 to 10.
double exact_yield_moment(int type, double d, double f_u, int stainless, int thread_flag, double wood_screw_factor);
